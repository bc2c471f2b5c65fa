#include "zardialoganswer.h"
#include "zartestsupport.h"

#include "core/zarcore.h"
#include "frame/zarsystemwidget.h"
#include "frame/zartranslator.h"
#include "service/zarclockwidget.h"
#include "service/zardevicetabledatamodel.h"
#include "service/zardevicetablewidget.h"
#include "service/zargpsfix.h"
#include "service/zargpsmanager.h"
#include "service/zargpswidget.h"
#include "service/zarreleasewidget.h"

#include <QPointer>
#include <QTranslator>

Q_DECLARE_METATYPE(zarGPSFix)

// The small screens of the system menu: clock, device table, GPS and release notes, and the GPS record.
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
        QTest::newRow("a time step and its undo still write") << QStringList({ "minP", "minM" }) << true;
        QTest::newRow("a date step and its undo still write") << QStringList({ "dayP", "dayM" }) << true;
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

    void deviceMarks_data()
    {
        QTest::addColumn<QList<quint8>>("first");
        QTest::addColumn<QList<quint8>>("second");
        QTest::addColumn<QList<int>>("rows");
        QTest::newRow("an empty list clears") << QList<quint8>({ 1, 2 }) << QList<quint8>() << QList<int>();
        QTest::newRow("the second replaces the first") << QList<quint8>({ 0, 5, 7 }) << QList<quint8>({ 7, 5, 5 }) << QList<int>({ 5, 7 });
        QTest::newRow("addresses without a row") << QList<quint8>() << QList<quint8>({ 43, 200, 255, 42 }) << QList<int>({ 42 });
    }

    // The marks are exactly the addresses of the last list.
    void deviceMarks()
    {
        QFETCH(QList<quint8>, first);
        QFETCH(QList<quint8>, second);
        zarDeviceTableDataModel model;
        model.setDevices(first);
        model.setDevices(second);
        QTEST(marked(model), "rows");
    }

    // A screen destroyed while its discovery runs takes no late report; the next one discovers.
    void deviceScreenDestroyedWhileDiscovering()
    {
        auto* screen = new zarDeviceTableWidget;
        QVERIFY(!screen->refreshPushButton->isEnabled());
        delete screen;
        zarDeviceTableWidget next;
        QVERIFY(zarWaitFor([&] { return next.refreshPushButton->isEnabled(); }, 5000));
        QCOMPARE(marked(next.model()).size(), 43);
    }

    void gpsScreenShowsTheFix_data()
    {
        QTest::addColumn<zarGPSFix>("fix");
        QTest::addColumn<QStringList>("shown");
        zarGPSFix none;
        none.latitude = 12;
        QTest::newRow("no position") << none << QStringList({ "N/A", "N/A", "N/A", "N/A", "N/A" });
        zarGPSFix low;
        low.rmc = true;
        low.latitude = 55.75583f;
        low.longitude = 0;
        low.date = QDate(2026, 4, 3);
        low.time = QTime(9, 5, 7);
        const QString date = QDate(2026, 4, 3).toString(Qt::TextDate);
        QTest::newRow("position, not valid") << low << QStringList({ "55.7558", "0", "low", "09:05:07", date });
        zarGPSFix high = low;
        high.valid = true;
        high.latitude = 1234567;
        high.longitude = -37.61729f;
        QTest::newRow("valid position") << high << QStringList({ "1.23457e+06", "-37.6173", "high", "09:05:07", date });
    }

    // Latitude, longitude, quality, time and date from the opening on: six significant digits,
    // the quality from the valid flag.
    void gpsScreenShowsTheFix()
    {
        QFETCH(zarGPSFix, fix);
        zarGPSManager::instance()->setFix(fix);
        const auto fresh = qScopeGuard([] { zarGPSManager::destroy(); });
        zarGPSWidget screen;
        const QStringList shown = { screen.latitudeLabel->text(), screen.longitudeLabel->text(), screen.qualityLabel->text(),
                                    screen.timeLabel->text(), screen.dateLabel->text() };
        QTEST(shown, "shown");
    }

    // A manager made again after its end starts from the initial fix.
    void gpsManagerStartsAfresh()
    {
        zarGPSFix fix;
        fix.rmc = true;
        zarGPSManager::instance()->setFix(fix);
        zarGPSManager::destroy();
        zarGPSManager::destroy();
        QVERIFY(zarGPSManager::instance()->fix() == zarGPSFix());
        zarGPSManager::destroy();
    }

    void releaseNotesFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("notes");
        QTest::addColumn<QString>("version");
        QTest::newRow("English") << "En" << "eng.txt" << "Current version: 1 (zar_0)";
        QTest::newRow("Russian") << "Ru" << "rus.txt" << "Текущая версия: 1 (zar_0)";
    }

    // The version line and the notes of the language, reloaded on every switch, never doubled.
    void releaseNotesFollowTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, notes);
        zarReleaseWidget screen;
        const auto english = qScopeGuard([] { zarTranslator::instance()->setLanguage(QStringLiteral("En")); });
        for (int i = 0; i < 2; ++i)
            QVERIFY(zarTranslator::instance()->setLanguage(language));
        QFile file(QStringLiteral(":/release/release/") + notes);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QVERIFY(!text.isEmpty());
        QCOMPARE(screen.textBrowser->toPlainText(), text);
        QTEST(screen.currentVersionLabel->text(), "version");
    }

    // Notes named by the language that do not exist leave the browser empty.
    void releaseNotesMissingLeaveTheBrowserEmpty()
    {
        struct Elsewhere : QTranslator
        {
            bool isEmpty() const override { return false; }
            QString translate(const char* context, const char* source, const char*, int) const override
            {
                return QLatin1String(context) == QLatin1String("zarReleaseWidget") && QLatin1String(source) == QLatin1String("eng")
                           ? QStringLiteral("none") : QString();
            }
        } elsewhere;
        zarReleaseWidget screen;
        QVERIFY(!screen.textBrowser->toPlainText().isEmpty());
        QCoreApplication::installTranslator(&elsewhere);
        emit zarTranslator::instance()->sendTranslate();
        QCoreApplication::removeTranslator(&elsewhere);
        QVERIFY(screen.textBrowser->toPlainText().isEmpty());
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
