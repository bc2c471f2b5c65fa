#ifndef ZARGPSWIDGET_H
#define ZARGPSWIDGET_H

#include "ui_zgpswidget.h"

#include <QTimer>
#include <QWidget>

class zarGPSManager;

// The GPS position screen: the manager's current fix, read again every 5000 ms.
// Opened inside the system menu's page; announces its end with its close signal.
class zarGPSWidget : public QWidget, public Ui::zGPSWidget
{
    Q_OBJECT

public:
    explicit zarGPSWidget(QWidget* parent = nullptr);

signals:
    void sendGPSWidgetClose();

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void onTranslate();
    void onAuxTimeout();

private:
    zarGPSManager* manager = nullptr;
    QTimer timer;
};

#endif
