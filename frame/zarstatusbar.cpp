#include "frame/zarstatusbar.h"

#include "core/zarcore.h"
#include "frame/zarcommandrunner.h"
#include "frame/zarwarningdialog.h"

#include <cmath>

namespace {
bool firstClockReport = true;
}

zarStatusBar::zarStatusBar(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    intBatVoltageLabel->setText(QString());
    extBatVoltageLabel->setText(QString());
    moistureLabel->setText(QString());
    intBatVoltageLabel->setMinimumWidth(65);
    extBatVoltageLabel->setMinimumWidth(65);
    moistureLabel->setMinimumWidth(65);
    userMessageTimer.setSingleShot(true);
    for (const char* level : { "100", "80", "60", "40", "20", "0" })
        batteryPixmaps << QPixmap(QStringLiteral(":/icons/icons/battery.%1.png").arg(QLatin1String(level)));
    for (int level = 3; level >= 0; --level)
        moisturePixmaps << QPixmap(QStringLiteral(":/icons/icons/moisture.%1.png").arg(level));
    onTranslate();
}

void zarStatusBar::onTranslate()
{
    _mLabel->setText(tr("Moisture:"));
    _eLabel->setText(tr("Ext. battery:"));
    _iLabel->setText(tr("Int. battery:"));
}

int zarStatusBar::batteryIndex(float volts)
{
    if (volts >= 12.2f)
        return 0;
    if (volts >= 11.6f)
        return 1;
    if (volts >= 11.4f)
        return 2;
    if (volts >= 11.0f)
        return 3;
    if (volts >= 1.0f)
        return 4;
    return 5;
}

int zarStatusBar::moistureIndex(float percent)
{
    if (percent > 66.6f)
        return 0;
    if (percent > 33.3f)
        return 1;
    if (percent > 0.0f)
        return 2;
    return 3;
}

QPixmap zarStatusBar::batteryIcon(float volts) const
{
    return batteryPixmaps.value(batteryIndex(volts));
}

QPixmap zarStatusBar::moistureIcon(float percent) const
{
    return moisturePixmaps.value(moistureIndex(percent));
}

void zarStatusBar::onReportSensor(const zarCoreReportSensor& coreReportSensor)
{
    const float internal = coreReportSensor.sensors.value(zarSensorInternalBattery, 0.0f) / 1000.0f;
    const float external = coreReportSensor.sensors.value(zarSensorExternalBattery, 0.0f) / 1000.0f;
    const float moisture = coreReportSensor.sensors.value(zarSensorMoisture, 0.0f);
    const QString volts = QStringLiteral("<font color=blue>%1</font> %2");
    intBatVoltageLabel->setText(internal >= 1.0f ? volts.arg(double(internal), 0, 'f', 1).arg(tr("V")) : QString());
    extBatVoltageLabel->setText(external >= 1.0f ? volts.arg(double(external), 0, 'f', 1).arg(tr("V")) : QString());
    moistureLabel->setText(moisture >= 0.05f
        ? QStringLiteral("<font color=blue>%1</font> %").arg(double(moisture), 0, 'f', 0) : QString());
    intBatIconLabel->setPixmap(batteryIcon(internal));
    extBatIconLabel->setPixmap(batteryIcon(external));
    moistureIconLabel->setPixmap(moistureIcon(moisture));
}

QStringList zarStatusBar::clockArguments(const QDate& date, const QTime& time)
{
    return { QStringLiteral("-s"), QStringLiteral("%1-%2-%3 %4:%5")
        .arg(date.year()).arg(date.month()).arg(date.day()).arg(time.hour()).arg(time.minute()) };
}

void zarStatusBar::onReportClock(const zarCoreReportClock& coreReportClock)
{
    if (coreReportClock.error.code != 0)
        return;
    clockTimer.start(1000);
    zarCommandRunner::start(QStringLiteral("date"), clockArguments(coreReportClock.date, coreReportClock.time));
    const bool first = firstClockReport;
    firstClockReport = false;
    if (first && coreReportClock.date.year() < 2013)
        zarWarningDialog::warning(tr("System time seems to be invalid"));
}

void zarStatusBar::onUserMessage(const QString& usrMsg)
{
    statusLabel->setText(usrMsg);
    userMessageTimer.start(20000);
}

void zarStatusBar::onUserMessageForever(const QString& usrMsg)
{
    statusLabel->setText(usrMsg);
}

void zarStatusBar::onUserMessageTimeout()
{
    statusLabel->clear();
}

void zarStatusBar::onSensorTimeout()
{
    // Nothing gives the status bar the core; never start the core from here.
    if (core)
        core->sensors();
}
