#include "zartestsupport.h"

#include "core/zarcore.h"
#include "frame/zarsystemwidget.h"
#include "frame/zartranslator.h"
#include "service/zarclockwidget.h"

#include <QPointer>
#include <QSignalSpy>

// The clock screen: its reading, the ten steps across month and year ends, and the
// write on close.
class TestClockWidget : public QObject
{
    Q_OBJECT

    // The board's clock as the simulator reads it.
    static void boardClock(const QDateTime& at)
    {
        zarCore::instance()->jobThread().setSimulationClock([at] { return at; });
    }

    static QStringList shown(const zarClockWidget& screen)
    {
        return { screen.yearLabel->text(), screen.monthLabel->text(), screen.dayLabel->text(),
                 screen.hourLabel->text(), screen.minLabel->text() };
    }

    static bool read(zarClockWidget& screen)
    {
        return zarWaitFor([&] { return !screen.yearLabel->text().isEmpty(); }, 5000);
    }

    // The clock jobs that reach the board from now on, in order (1 = a write), up to
    // a read of our own that closes the list: jobs run one after another.
    static QList<int> jobsUntilOurRead()
    {
        QList<int> sets;
        QMetaObject::Connection c = connect(zarCore::instance(), &zarCore::sendReportClock,
                                            [&](const zarCoreReportClock r) { sets << r.set; });
        zarCore::instance()->clock(zarCoreParamClock());
        zarWaitFor([&] { return !sets.isEmpty() && sets.last() == 0; }, 5000);
        disconnect(c);
        return sets;
    }

private slots:
    void cleanup() { zarTranslator::instance()->setLanguage(QStringLiteral("En")); }

    void steps_data()
    {
        QTest::addColumn<QDateTime>("board");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QDateTime>("result");
        const QTime t(10, 20, 30, 400);
        QTest::newRow("31 Jan + month") << QDateTime(QDate(2023, 1, 31), t) << QStringList({ "monthP" })
                                        << QDateTime(QDate(2023, 2, 28), t);
        QTest::newRow("31 Jan + month, leap year") << QDateTime(QDate(2024, 1, 31), t) << QStringList({ "monthP" })
                                                   << QDateTime(QDate(2024, 2, 29), t);
        QTest::newRow("31 Mar - month") << QDateTime(QDate(2023, 3, 31), t) << QStringList({ "monthM" })
                                        << QDateTime(QDate(2023, 2, 28), t);
        QTest::newRow("31 Jan + month - month") << QDateTime(QDate(2023, 1, 31), t) << QStringList({ "monthP", "monthM" })
                                                << QDateTime(QDate(2023, 1, 28), t);
        QTest::newRow("29 Feb - year") << QDateTime(QDate(2024, 2, 29), t) << QStringList({ "yearM" })
                                       << QDateTime(QDate(2023, 2, 28), t);
        QTest::newRow("year + 1") << QDateTime(QDate(2024, 7, 1), t) << QStringList({ "yearP" })
                                  << QDateTime(QDate(2025, 7, 1), t);
        QTest::newRow("31 Dec + day") << QDateTime(QDate(2023, 12, 31), t) << QStringList({ "dayP" })
                                      << QDateTime(QDate(2024, 1, 1), t);
        QTest::newRow("1 Jan - day") << QDateTime(QDate(2024, 1, 1), t) << QStringList({ "dayM" })
                                     << QDateTime(QDate(2023, 12, 31), t);
        QTest::newRow("1 Mar - day, leap year") << QDateTime(QDate(2024, 3, 1), t) << QStringList({ "dayM" })
                                                << QDateTime(QDate(2024, 2, 29), t);
        QTest::newRow("23:30 + hour keeps the date") << QDateTime(QDate(2023, 12, 31), QTime(23, 30, 5))
                                                     << QStringList({ "hourP" })
                                                     << QDateTime(QDate(2023, 12, 31), QTime(0, 30, 5));
        QTest::newRow("00:00 - minute keeps the date") << QDateTime(QDate(2024, 1, 1), QTime(0, 0))
                                                       << QStringList({ "minM" })
                                                       << QDateTime(QDate(2024, 1, 1), QTime(23, 59));
        QTest::newRow("00:30 - hour") << QDateTime(QDate(2024, 3, 1), QTime(0, 30)) << QStringList({ "hourM" })
                                      << QDateTime(QDate(2024, 3, 1), QTime(23, 30));
        QTest::newRow("minute + and -") << QDateTime(QDate(2024, 3, 1), t) << QStringList({ "minP", "minM" })
                                        << QDateTime(QDate(2024, 3, 1), t);
    }

    // Each press steps the board's reading; the display follows without leading zeros.
    void steps()
    {
        QFETCH(QDateTime, board);
        QFETCH(QStringList, buttons);
        QFETCH(QDateTime, result);
        boardClock(board);
        zarClockWidget screen;
        QVERIFY(read(screen));
        for (const QString& name : buttons)
            screen.findChild<QPushButton*>(name + QStringLiteral("PushButton"))->click();
        QCOMPARE(screen.dateTime(), result);
        QCOMPARE(shown(screen), QStringList({ QString::number(result.date().year()), QString::number(result.date().month()),
                                             QString::number(result.date().day()), QString::number(result.time().hour()),
                                             QString::number(result.time().minute()) }));
        QVERIFY(screen.isEdited());
    }

    // 09:05 on 3 April reads "9", "5", "3", "4".
    void noLeadingZeros()
    {
        boardClock(QDateTime(QDate(2026, 4, 3), QTime(9, 5)));
        zarClockWidget screen;
        QVERIFY(read(screen));
        QCOMPARE(shown(screen), QStringList({ "2026", "4", "3", "9", "5" }));
    }

    void badReadingsIgnored_data()
    {
        QTest::addColumn<quint8>("error");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QTime>("time");
        QTest::newRow("error") << quint8(14) << QDate(2024, 1, 1) << QTime(1, 2);
        QTest::newRow("null date") << quint8(0) << QDate() << QTime(1, 2);
        QTest::newRow("invalid date") << quint8(0) << QDate(2024, 2, 30) << QTime(1, 2);
        QTest::newRow("null time") << quint8(0) << QDate(2024, 1, 1) << QTime();
    }

    // A failed or invalid reading changes nothing: the display keeps the last good one.
    void badReadingsIgnored()
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
        QCOMPARE(shown(screen), QStringList({ "2025", "6", "7", "8", "9" }));
        QCOMPARE(screen.dateTime(), QDateTime(QDate(2025, 6, 7), QTime(8, 9)));
    }

    void writeOnClose_data()
    {
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QList<int>>("jobs");
        QTest::newRow("untouched writes nothing") << QStringList() << QList<int>({ 0 });
        QTest::newRow("a step and its undo still write") << QStringList({ "minP", "minM" }) << QList<int>({ 1, 0 });
    }

    // Accept writes the clock only when a step was pressed; the menu's Clock slot opens it.
    void writeOnClose()
    {
        QFETCH(QStringList, buttons);
        QFETCH(QList<int>, jobs);
        boardClock(QDateTime(QDate(2025, 6, 7), QTime(8, 9)));
        zarSystemWidget menu;
        QVERIFY(!menu.clockToolButton->isEnabled());
        QVERIFY(QMetaObject::invokeMethod(&menu, "onClock"));
        QPointer<zarClockWidget> screen = qobject_cast<zarClockWidget*>(menu.openScreen());
        QVERIFY(screen && read(*screen));
        for (const QString& name : buttons)
            screen->findChild<QPushButton*>(name + QStringLiteral("PushButton"))->click();
        QSignalSpy closed(screen.data(), &zarClockWidget::sendClockWidgetClose);
        screen->acceptPushButton->click();
        QCOMPARE(closed.count(), 1);
        QCOMPARE(jobsUntilOurRead(), jobs);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!screen && !menu.openScreen());
    }

    // Texts follow the language; the values stay.
    void languageSwitch()
    {
        zarClockWidget screen;
        QVERIFY(read(screen));
        const QStringList before = shown(screen);
        zarTranslator::instance()->setLanguage(QStringLiteral("Ru"));
        QCOMPARE(QStringList({ screen._yearLabel->text(), screen._minLabel->text(), screen.clockGroupBox->title(),
                               screen.acceptPushButton->text() }),
                 QStringList({ "Год", "Мин", "Часы", "Принять" }));
        QCOMPARE(shown(screen), before);
    }
};

ZAR_TEST_MAIN(TestClockWidget)
#include "test_clockwidget.moc"
