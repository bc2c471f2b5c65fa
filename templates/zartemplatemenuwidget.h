#ifndef ZARTEMPLATEMENUWIDGET_H
#define ZARTEMPLATEMENUWIDGET_H

#include "ui_ztemplatemenuwidget.h"

#include <QWidget>

class zarTemplateWidget;

// The TEMPLATES page: new template, open template; shows at most one template
// screen in place of its buttons.
class zarTemplateMenuWidget : public QWidget, public Ui::zTemplateMenuWidget
{
    Q_OBJECT

public:
    explicit zarTemplateMenuWidget(QWidget* parent = nullptr);

    zarTemplateWidget* templateScreen() const { return templateWidget; }
    // Closes the open template screen through its own question; false when it stays open.
    bool closeOpenScreen();

private slots:
    void onTranslate();
    void onTemplateCreate();
    void onTemplateLoad();
    void onTemplateClose();

private:
    void showMenu(bool show);
    void openTemplate(const QString& path);

    zarTemplateWidget* templateWidget = nullptr;
};

#endif
