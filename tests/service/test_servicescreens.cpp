#include "zardialoganswer.h"
#include "zartestsupport.h"

#include "core/zarcore.h"
#include "service/zarclockwidget.h"
#include "service/zardevicetablewidget.h"
#include "service/zargpsfix.h"
#include "frame/zarsystemwidget.h"

#include <QPointer>

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
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QDateTime>("result");
        auto row = [](const char* name, QDateTime from, QStringList buttons, QDateTime to) {
            QTest::newRow(name) << from << buttons << to;
        };
        const QTime t(10, 20, 30, 400);
        row("23:30 + hour keeps the date", { { 2023, 12, 31 }, { 23, 30 } }, { "hourP" }, { { 2023, 12, 31 }, { 0, 30 } });
        row("00:00 - minute keeps the date", { { 2024, 1, 1 }, { 0, 0 } }, { "minM" }, { { 2024, 1, 1 }, { 23, 59 } });
        row("00:30 - hour", { { 2024, 3, 1 }, { 0, 30 } }, { "hourM" }, { { 2024, 3, 1 }, { 23, 30 } });
        row("minute + and -", { { 2024, 3, 1 }, t }, { "minP", "minM" }, { { 2024, 3, 1 }, t });
        row("31 Jan + month", { { 2023, 1, 31 }, t }, { "monthP" }, { { 2023, 2, 28 }, t });
        row("31 Jan + month, leap year", { { 2024, 1, 31 }, t }, { "monthP" }, { { 2024, 2, 29 }, t });
        row("31 Mar - month", { { 2023, 3, 31 }, t }, { "monthM" }, { { 2023, 2, 28 }, t });
        row("31 Jan + month - month", { { 2023, 1, 31 }, t }, { "monthP", "monthM" }, { { 2023, 1, 28 }, t });
        row("29 Feb - year", { { 2024, 2, 29 }, t }, { "yearM" }, { { 2023, 2, 28 }, t });
        row("year + 1", { { 2024, 7, 1 }, t }, { "yearP" }, { { 2025, 7, 1 }, t });
        row("31 Dec + day", { { 2023, 12, 31 }, t }, { "dayP" }, { { 2024, 1, 1 }, t });
        row("1 Jan - day", { { 2024, 1, 1 }, t }, { "dayM" }, { { 2023, 12, 31 }, t });
        row("1 Mar - day, leap year", { { 2024, 3, 1 }, t }, { "dayM" }, { { 2024, 2, 29 }, t });
    }
    // Each press steps the board's reading; the display follows, without leading zeros.
    void clockSteps()
    {
        QFETCH(QDateTime, board);
        QFETCH(QStringList, buttons);
        QFETCH(QDateTime, result);
        boardClock(board);
        zarClockWidget screen;
        QVERIFY(read(screen));
        for (const QString& button : buttons)
            screen.findChild<QPushButton*>(button + QStringLiteral("PushButton"))->click();
        QCOMPARE(screen.dateTime(), result);
        const QStringList shown = { screen.yearLabel->text(), screen.monthLabel->text(), screen.dayLabel->text(),
                                    screen.hourLabel->text(), screen.minLabel->text() };
        const QStringList expected = { QString::number(result.date().year()), QString::number(result.date().month()),
                                       QString::number(result.date().day()), QString::number(result.time().hour()),
                                       QString::number(result.time().minute()) };
        QCOMPARE(shown, expected);
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

    void clockWriteOnClose_data()
    {
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<bool>("written");
        QTest::newRow("untouched writes nothing") << QStringList() << false;
        QTest::newRow("a step and its undo still write") << QStringList({ "minP", "minM" }) << true;
    }

    // Accept writes the shown date and time to the board only when a step was pressed,
    // and the system menu takes the screen away.
    void clockWriteOnClose()
    {
        QFETCH(QStringList, buttons);
        QFETCH(bool, written);
        const QDateTime board(QDate(2025, 6, 7), QTime(8, 9));
        boardClock(board);
        zarSystemWidget menu;
        QVERIFY(QMetaObject::invokeMethod(&menu, "onClock"));
        QPointer<zarClockWidget> screen = qobject_cast<zarClockWidget*>(menu.openScreen());
        QVERIFY(screen && read(*screen));
        for (const QString& name : buttons)
            screen->findChild<QPushButton*>(name + QStringLiteral("PushButton"))->click();
        QList<zarCoreParamClock> jobs;
        zarCore::instance()->setJobObserver([&jobs](zarCoreJob, const std::any& record) {
            if (const auto* clock = std::any_cast<zarCoreParamClock>(&record))
                jobs << *clock;
        });
        const auto forget = qScopeGuard([] { zarCore::instance()->setJobObserver(nullptr); });
        screen->acceptPushButton->click();
        QCOMPARE(jobs.size(), int(written));
        if (written) {
            QCOMPARE(int(jobs.first().set), 1);
            QCOMPARE(QDateTime(jobs.first().date, jobs.first().time), board);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!screen && !menu.openScreen());
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
