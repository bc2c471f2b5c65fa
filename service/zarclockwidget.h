#ifndef ZARCLOCKWIDGET_H
#define ZARCLOCKWIDGET_H

#include "core/zarcorereports.h"
#include "ui_zclockwidget.h"

#include <QDateTime>
#include <QWidget>

// The clock screen: reads the core board's clock at opening, steps it with the ten
// plus and minus buttons and writes it back on close, only when it was edited.
// Opened inside the system menu's page; announces its end with its close signal.
class zarClockWidget : public QWidget, public Ui::zClockWidget
{
    Q_OBJECT

public:
    explicit zarClockWidget(QWidget* parent = nullptr);

    QDateTime dateTime() const { return working; }
    bool isEdited() const { return edited; }

signals:
    void sendClockWidgetClose();

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void onTranslate();
    void onYearP();
    void onYearM();
    void onMonthP();
    void onMonthM();
    void onDayP();
    void onDayM();
    void onHourP();
    void onHourM();
    void onMinP();
    void onMinM();
    void onCoreReportClock(const zarCoreReportClock report);

private:
    void updateDisplay();
    void step(const QDate& date);
    void stepTime(int seconds);

    QDateTime working;
    bool edited = false;
};

#endif
