#include "zardialoganswer.h"
#include "zartestsupport.h"

#include "core/zarcore.h"
#include "frame/zartranslator.h"
#include "service/zarclockwidget.h"
#include "service/zardevicetablewidget.h"
#include "service/zargpsmanager.h"
#include "service/zargpswidget.h"
#include "service/zarreleasewidget.h"

#include <QSignalSpy>
#include <QTranslator>

Q_DECLARE_METATYPE(zarGPSFix)

// The small screens of the system menu: clock, device table, GPS and release notes.
class TestServiceScreens : public QObject
{
    Q_OBJECT

    static void boardClock(const QDateTime& at) { zarCore::instance()->jobThread().setSimulationClock([at] { return at; }); }
    static bool read(zarClockWidget& s) { return zarWaitFor([&] { return !s.yearLabel->text().isEmpty(); }, 5000); }
    static void press(QWidget& screen, const QStringList& buttons)
    {
        for (const QString& name : buttons)
            screen.findChild<QPushButton*>(name + QStringLiteral("PushButton"))->click();
    }
    static QList<int> marked(const QAbstractItemModel& model)
    {
        QList<int> rows;
        for (int row = 0; row < model.rowCount(); ++row)
            if (model.data(model.index(row, 0), Qt::DecorationRole).isValid())
                rows << row;
        return rows;
    }
    static QString notes(const char* name)
    {
        QFile file(QStringLiteral(":/release/release/") + QLatin1String(name));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).replace("\r\n", "\n") : QString();
    }

private slots:
    void cleanup()
    {
        zarGPSManager::destroy();
        zarTranslator::instance()->setLanguage(QStringLiteral("En"));
    }

    void clockSteps_data()
    {
        QTest::addColumn<QDateTime>("board");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QDateTime>("result");
        auto row = [](const char* name, QDateTime from, QStringList buttons, QDateTime to) {
            QTest::newRow(name) << from << buttons << to;
        };
        const QTime t(10, 20, 30, 400);
        row("31 Jan + month", { { 2023, 1, 31 }, t }, { "monthP" }, { { 2023, 2, 28 }, t });
        row("31 Jan + month, leap year", { { 2024, 1, 31 }, t }, { "monthP" }, { { 2024, 2, 29 }, t });
        row("29 Feb - year", { { 2024, 2, 29 }, t }, { "yearM" }, { { 2023, 2, 28 }, t });
        row("31 Dec + day", { { 2023, 12, 31 }, t }, { "dayP" }, { { 2024, 1, 1 }, t });
        row("1 Mar - day, leap year", { { 2024, 3, 1 }, t }, { "dayM" }, { { 2024, 2, 29 }, t });
        row("23:30 + hour keeps the date", { { 2023, 12, 31 }, { 23, 30 } }, { "hourP" }, { { 2023, 12, 31 }, { 0, 30 } });
        row("00:00 - minute keeps the date", { { 2024, 1, 1 }, { 0, 0 } }, { "minM" }, { { 2024, 1, 1 }, { 23, 59 } });
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
        press(screen, buttons);
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

    void clockWritesOnlyWhenEdited_data()
    {
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QList<int>>("jobs");
        QTest::newRow("untouched writes nothing") << QStringList() << QList<int>({ 0 });
        QTest::newRow("a step and its undo still write") << QStringList({ "minP", "minM" }) << QList<int>({ 1, 0 });
    }
    // Closing writes the clock only when a step was pressed: the clock jobs after the close
    // are listed (1 = a write) up to a read of our own, jobs running in turn.
    void clockWritesOnlyWhenEdited()
    {
        QFETCH(QStringList, buttons);
        QFETCH(QList<int>, jobs);
        zarClockWidget screen;
        QVERIFY(read(screen));
        press(screen, buttons);
        QSignalSpy closed(&screen, &zarClockWidget::sendClockWidgetClose);
        screen.close();
        QCOMPARE(closed.count(), 1);
        QList<int> sets;
        QMetaObject::Connection c = connect(zarCore::instance(), &zarCore::sendReportClock,
                                            [&](const zarCoreReportClock r) { sets << r.set; });
        zarCore::instance()->clock(zarCoreParamClock());
        QVERIFY(zarWaitFor([&] { return !sets.isEmpty() && sets.last() == 0; }, 5000));
        disconnect(c);
        QCOMPARE(sets, jobs);
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

    void gpsShownFix_data()
    {
        QTest::addColumn<zarGPSFix>("fix");
        QTest::addColumn<QStringList>("shown");
        zarGPSFix none;
        none.latitude = 12;
        QTest::newRow("no position") << none << QStringList({ "N/A", "N/A", "N/A" });
        zarGPSFix high;
        high.rmc = true;
        high.valid = true;
        high.latitude = 1234567;
        high.longitude = -37.61729f;
        QTest::newRow("valid position") << high << QStringList({ "1.23457e+06", "-37.6173", "high" });
    }
    // The manager's fix from construction on: six significant digits, quality from the valid flag.
    void gpsShownFix()
    {
        QFETCH(zarGPSFix, fix);
        QFETCH(QStringList, shown);
        zarGPSManager::instance()->setFix(fix);
        zarGPSWidget screen;
        QCOMPARE(screen.latitudeLabel->text(), shown[0]);
        QCOMPARE(screen.longitudeLabel->text(), shown[1]);
        QCOMPARE(screen.qualityLabel->text(), shown[2]);
    }

    // The notes of the language, reloaded on every switch without repeating; a language
    // whose notes do not exist leaves the browser empty.
    void releaseNotesFollowTheLanguage()
    {
        struct NoNotes : QTranslator
        {
            bool isEmpty() const override { return false; }
            QString translate(const char*, const char* source, const char*, int) const override
            {
                return QLatin1String(source) == QLatin1String("eng") ? QStringLiteral("none") : QString();
            }
        } noNotes;
        zarReleaseWidget screen;
        QCOMPARE(screen.textBrowser->toPlainText(), notes("eng.txt"));
        for (int i = 0; i < 2; ++i)
            zarTranslator::instance()->setLanguage(QStringLiteral("Ru"));
        QCOMPARE(screen.textBrowser->toPlainText(), notes("rus.txt"));
        QCoreApplication::installTranslator(&noNotes);
        emit zarTranslator::instance()->sendTranslate();
        QCoreApplication::removeTranslator(&noNotes);
        QCOMPARE(screen.textBrowser->toPlainText(), QString());
    }
};

ZAR_TEST_MAIN(TestServiceScreens)
#include "test_servicescreens.moc"
