#ifndef ZARSESSIONMENUWIDGET_H
#define ZARSESSIONMENUWIDGET_H

#include "sessions/zarsessionhostwidget.h"
#include "ui_zsessionmenuwidget.h"

#include <QIcon>
#include <QTimer>

// The MAIN page: start a session, start an ERTLab session, open the previous one.
class zarSessionMenuWidget : public zarSessionHostWidget, public Ui::zSessionMenuWidget
{
    Q_OBJECT

public:
    explicit zarSessionMenuWidget(QWidget* parent = nullptr);

    // A measuring session screen for what (see zarSessionWidget::open).
    void openSession(const QString& what);
    bool isBlinking() const { return blinkTimer.isActive(); }

protected:
    void showMenu(bool show) override;
    QBoxLayout* pageLayout() const override { return verticalLayout; }

protected slots:
    void onSessionClose() override;

private slots:
    void onTranslate();
    void onSessionCreate();
    void onSessionERT();
    void onSessionLoad();
    void onAuxTimeout();

private:
    friend class TestSessionScreen;

    void checkSessionClose();

    QIcon normalIcon;
    QIcon alternateIcon;
    QTimer blinkTimer;
    // One phase for the whole program: a page shown again blinks on from it.
    static bool s_blinkPhase;
};

#endif
