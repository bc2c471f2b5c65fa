#ifndef ZARDATAMENUWIDGET_H
#define ZARDATAMENUWIDGET_H

#include "sessions/zarsessionhostwidget.h"
#include "ui_zdatamenuwidget.h"

// The DATA page: a stored session opened for viewing in place of the button.
class zarDataMenuWidget : public zarSessionHostWidget, public Ui::zDataMenuWidget
{
    Q_OBJECT

public:
    explicit zarDataMenuWidget(QWidget* parent = nullptr);

    // A view-only session screen for the session file at path.
    void openSession(const QString& path);

protected:
    void showMenu(bool show) override;
    QBoxLayout* pageLayout() const override { return verticalLayout; }

protected slots:
    void onSessionClose() override;

private slots:
    void onTranslate();
    void onOpen();
};

#endif
