#include "service/zarclockwidget.h"

#include "core/zarcore.h"
#include "frame/zartranslator.h"

#include <QCloseEvent>

zarClockWidget::zarClockWidget(QWidget* parent) : QWidget(parent), working(QDateTime::currentDateTime())
{
    setupUi(this);
    connect(zarTranslator::instance(), &zarTranslator::sendTranslate, this, &zarClockWidget::onTranslate);
    connect(yearPPushButton, &QPushButton::clicked, this, &zarClockWidget::onYearP);
    connect(yearMPushButton, &QPushButton::clicked, this, &zarClockWidget::onYearM);
    connect(monthPPushButton, &QPushButton::clicked, this, &zarClockWidget::onMonthP);
    connect(monthMPushButton, &QPushButton::clicked, this, &zarClockWidget::onMonthM);
    connect(dayPPushButton, &QPushButton::clicked, this, &zarClockWidget::onDayP);
    connect(dayMPushButton, &QPushButton::clicked, this, &zarClockWidget::onDayM);
    connect(hourPPushButton, &QPushButton::clicked, this, &zarClockWidget::onHourP);
    connect(hourMPushButton, &QPushButton::clicked, this, &zarClockWidget::onHourM);
    connect(minPPushButton, &QPushButton::clicked, this, &zarClockWidget::onMinP);
    connect(minMPushButton, &QPushButton::clicked, this, &zarClockWidget::onMinM);
    connect(zarCore::instance(), &zarCore::sendReportClock, this, &zarClockWidget::onCoreReportClock);
    zarCore::instance()->clock(zarCoreParamClock());
    onTranslate();
}

void zarClockWidget::onTranslate()
{
    acceptPushButton->setText(tr("Accept"));
    clockGroupBox->setTitle(tr("Clock"));
    _yearLabel->setText(tr("Year"));
    _monthLabel->setText(tr("Month"));
    _dayLabel->setText(tr("Day"));
    _hourLabel->setText(tr("Hour"));
    _minLabel->setText(tr("Min"));
}

void zarClockWidget::updateDisplay()
{
    const QDate date = working.date();
    const QTime time = working.time();
    yearLabel->setText(QStringLiteral("%1").arg(date.year()));
    monthLabel->setText(QStringLiteral("%1").arg(date.month()));
    dayLabel->setText(QStringLiteral("%1").arg(date.day()));
    hourLabel->setText(QStringLiteral("%1").arg(time.hour()));
    minLabel->setText(QStringLiteral("%1").arg(time.minute()));
}

// QDate's month and year steps already fall back to the last day of a shorter month.
void zarClockWidget::step(const QDate& date)
{
    working.setDate(date);
    updateDisplay();
    edited = true;
}

// Hours and minutes step the local date and time, then keep only the time of day:
// they wrap round midnight and the date stays.
void zarClockWidget::stepTime(int seconds)
{
    working.setTime(working.addSecs(seconds).time());
    updateDisplay();
    edited = true;
}

void zarClockWidget::onYearP() { step(working.date().addYears(1)); }
void zarClockWidget::onYearM() { step(working.date().addYears(-1)); }
void zarClockWidget::onMonthP() { step(working.date().addMonths(1)); }
void zarClockWidget::onMonthM() { step(working.date().addMonths(-1)); }
void zarClockWidget::onDayP() { step(working.date().addDays(1)); }
void zarClockWidget::onDayM() { step(working.date().addDays(-1)); }
void zarClockWidget::onHourP() { stepTime(3600); }
void zarClockWidget::onHourM() { stepTime(-3600); }
void zarClockWidget::onMinP() { stepTime(60); }
void zarClockWidget::onMinM() { stepTime(-60); }

void zarClockWidget::onCoreReportClock(const zarCoreReportClock report)
{
    // A failed or nonsensical reading would later be written back to the board.
    if (report.error.code != 0 || !report.date.isValid() || !report.time.isValid())
        return;
    working = QDateTime(report.date, report.time);
    updateDisplay();
}

void zarClockWidget::closeEvent(QCloseEvent* event)
{
    if (edited) {
        zarCoreParamClock param;
        param.set = 1;
        param.date = working.date();
        param.time = working.time();
        zarCore::instance()->clock(param);
    }
    event->accept();
    // The receiver may delete this screen: nothing of it is touched afterwards.
    emit sendClockWidgetClose();
}
