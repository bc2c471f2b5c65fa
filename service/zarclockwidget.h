#ifndef ZARCLOCKWIDGET_H
#define ZARCLOCKWIDGET_H

#include "ui_zclockwidget.h"

#include <QWidget>

// The clock screen. Opened inside the system menu's page; announces its end with its close signal.
class zarClockWidget : public QWidget, public Ui::zClockWidget
{
    Q_OBJECT

public:
    explicit zarClockWidget(QWidget* parent = nullptr);

signals:
    void sendClockWidgetClose();

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void onTranslate();
};

#endif
