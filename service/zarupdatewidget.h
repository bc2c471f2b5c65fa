#ifndef ZARUPDATEWIDGET_H
#define ZARUPDATEWIDGET_H

#include "ui_zupdatewidget.h"

#include <QWidget>

// The update screen. Opened inside the system menu's page; announces its end with its close signal.
class zarUpdateWidget : public QWidget, public Ui::zUpdateWidget
{
    Q_OBJECT

public:
    explicit zarUpdateWidget(QWidget* parent = nullptr);

signals:
    void sendUpdateWidgetClose();

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void onTranslate();
};

#endif
