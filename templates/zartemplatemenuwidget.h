#ifndef ZARTEMPLATEMENUWIDGET_H
#define ZARTEMPLATEMENUWIDGET_H

#include "ui_ztemplatemenuwidget.h"

#include <QWidget>

// The TEMPLATES page: new template, open template.
class zarTemplateMenuWidget : public QWidget, public Ui::zTemplateMenuWidget
{
    Q_OBJECT

public:
    explicit zarTemplateMenuWidget(QWidget* parent = nullptr);

private slots:
    void onTranslate();
    void onTemplateCreate();
    void onTemplateLoad();
};

#endif
