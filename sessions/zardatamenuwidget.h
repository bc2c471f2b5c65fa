#ifndef ZARDATAMENUWIDGET_H
#define ZARDATAMENUWIDGET_H

#include "ui_zdatamenuwidget.h"

#include <QWidget>

// The DATA page: open a stored session.
class zarDataMenuWidget : public QWidget, public Ui::zDataMenuWidget
{
    Q_OBJECT

public:
    explicit zarDataMenuWidget(QWidget* parent = nullptr);

private slots:
    void onTranslate();
    void onOpen();
};

#endif
