#include "zardialoganswer.h"
#include "zartestsupport.h"

#include "core/zarcore.h"
#include "service/zarclockwidget.h"
#include "service/zardevicetablewidget.h"
#include "service/zargpsfix.h"

// The small screens of the system menu: clock and device table, and the GPS record.
class TestServiceScreens : public QObject
{
    Q_OBJECT

    static void boardClock(const QDateTime& at) { zarCore::instance()->jobThread().setSimulationClock([at] { return at; }); }
    static bool read(zarClockWidget& s) { return zarWaitFor([&] { return !s.yearLabel->text().isEmpty(); }, 5000); }
    static QList<int> marked(const QAbstractItemModel& model)
    {
        QList<int> rows;
        for (int row = 0; row < model.rowCount(); ++row)
            if (model.data(model.index(row, 0), Qt::DecorationRole).isValid())
                rows << row;
        return rows;
    }

private slots:
    void clockSteps_data()
    {
        QTest::addColumn<QDateTime>("board");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QDateTime>("result");
        auto row = [](const char* name, QDateTime from, const char* button, QDateTime to) {
            QTest::newRow(name) << from << QString::fromLatin1(button) << to;
        };
        row("23:30 + hour keeps the date", { { 2023, 12, 31 }, { 23, 30 } }, "hourP", { { 2023, 12, 31 }, { 0, 30 } });
        row("00:00 - minute keeps the date", { { 2024, 1, 1 }, { 0, 0 } }, "minM", { { 2024, 1, 1 }, { 23, 59 } });
    }
    // A press steps the board's reading; the display follows, without leading zeros.
    void clockSteps()
    {
        QFETCH(QDateTime, board);
        QFETCH(QString, button);
        QFETCH(QDateTime, result);
        boardClock(board);
        zarClockWidget screen;
        QVERIFY(read(screen));
        screen.findChild<QPushButton*>(button + QStringLiteral("PushButton"))->click();
        QCOMPARE(screen.dateTime(), result);
        QCOMPARE(screen.monthLabel->text(), QString::number(result.date().month()));
        QCOMPARE(screen.hourLabel->text(), QString::number(result.time().hour()));
    }

    void clockIgnoresBadReadings_data()
    {
        QTest::addColumn<quint8>("error");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QTime>("time");
        QTest::newRow("error") << quint8(14) << QDate(2024, 1, 1) << QTime(1, 2);
        QTest::newRow("invalid date") << quint8(0) << QDate(2024, 2, 30) << QTime(1, 2);
        QTest::newRow("null time") << quint8(0) << QDate(2024, 1, 1) << QTime();
    }
    // A failed or invalid reading would later be written back: it changes nothing.
    void clockIgnoresBadReadings()
    {
        QFETCH(quint8, error);
        QFETCH(QDate, date);
        QFETCH(QTime, time);
        boardClock(QDateTime(QDate(2025, 6, 7), QTime(8, 9)));
        zarClockWidget screen;
        QVERIFY(read(screen));
        zarCoreReportClock report;
        report.error.code = error;
        report.date = date;
        report.time = time;
        emit zarCore::instance()->sendReportClock(report);
        QCOMPARE(screen.dateTime(), QDateTime(QDate(2025, 6, 7), QTime(8, 9)));
        QCOMPARE(screen.dayLabel->text(), QStringLiteral("7"));
    }

    // Opening discovers (every simulated device answers) without a message; a report
    // marks exactly its addresses that have a row; an error report shows its message
    // and keeps the marks of the last good discovery.
    void deviceErrorKeepsTheMarks()
    {
        zarDialogAnswer answer;
        answer.expect();
        zarDeviceTableWidget screen;
        QVERIFY(!screen.refreshPushButton->isEnabled() && !screen.closePushButton->isEnabled());
        QVERIFY(zarWaitFor([&] { return screen.refreshPushButton->isEnabled(); }, 5000));
        QCOMPARE(marked(screen.model()).size(), 43);
        QVERIFY(!answer.shown);
        zarCoreReportDiscover report;
        report.devices = { 4, 3, 3, 43, 255 };
        emit zarCore::instance()->sendReportDiscover(report);
        report.devices = { 9 };
        report.error.code = 14;
        emit zarCore::instance()->sendReportDiscover(report);
        QVERIFY(answer.shown);
        QCOMPARE(marked(screen.model()), QList<int>({ 3, 4 }));
        QVERIFY(screen.refreshPushButton->isEnabled() && screen.closePushButton->isEnabled());
    }

    // A fix is 26 bytes on a version 12 stream; any non-zero flag byte reads as set.
    void gpsFixBytes()
    {
        QByteArray bytes = QByteArray::fromHex("0001" + QByteArray(32, '0') + "0025685900000000");
        QByteArray written;
        QDataStream out(&written, QIODevice::WriteOnly);
        out.setVersion(12);
        zarGPSFix fix;
        fix.valid = true;
        out << fix;
        QCOMPARE(written.toHex(), bytes.toHex());
        bytes[0] = 2;
        bytes[1] = 0;
        QDataStream in(bytes);
        in.setVersion(12);
        in >> fix;
        QCOMPARE(fix.rmc, true);
        QCOMPARE(fix.valid, false);
    }
};

ZAR_TEST_MAIN(TestServiceScreens)
#include "test_servicescreens.moc"
