#ifndef ZARDEVICETABLEWIDGET_H
#define ZARDEVICETABLEWIDGET_H

#include "ui_zdevicetablewidget.h"

#include <QWidget>

// The table of the core board's devices. Opened inside the system menu's page; announces its end with its close signal.
class zarDeviceTableWidget : public QWidget, public Ui::zDeviceTableWidget
{
    Q_OBJECT

public:
    explicit zarDeviceTableWidget(QWidget* parent = nullptr);

signals:
    void sendDeviceTableWidgetClose();

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void onTranslate();
};

#endif
