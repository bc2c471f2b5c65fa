#ifndef ZARSTATUSBAR_H
#define ZARSTATUSBAR_H

#include "core/zarcorereports.h"
#include "ui_zstatusbar.h"

#include <QList>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

class zarCore;

// The strip under the tabs: the status line on the left, the sensor readouts on the right.
class zarStatusBar : public QWidget, public Ui::zStatusBar
{
    Q_OBJECT

public:
    explicit zarStatusBar(QWidget* parent = nullptr);

    QPixmap batteryIcon(float volts) const;
    QPixmap moistureIcon(float percent) const;
    static int batteryIndex(float volts);
    static int moistureIndex(float percent);
    // Arguments of the "date" command that sets the computer's clock.
    static QStringList clockArguments(const QDate& date, const QTime& time);

public slots:
    void onUserMessage(const QString& usrMsg);
    void onUserMessageForever(const QString& usrMsg);
    void onReportSensor(const zarCoreReportSensor& coreReportSensor);
    void onReportClock(const zarCoreReportClock& coreReportClock);
    void onTranslate();

private slots:
    void onUserMessageTimeout();
    void onSensorTimeout();

private:
    QList<QPixmap> batteryPixmaps;
    QList<QPixmap> moisturePixmaps;
    QTimer clockTimer;
    QTimer userMessageTimer;
    zarCore* core = nullptr;
};

#endif
