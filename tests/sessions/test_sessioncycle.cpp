// The measurement cycle end to end: the session screen measures through zarCore
// and the board simulator on the job thread.
#include "zardialoganswer.h"
#include "zarsessionscreenfixture.h"
#include "zartestsupport.h"

#include "core/zarcore.h"
#include "frame/zaroptionswidget.h"
#include "frame/zarsystemwidget.h"
#include "frame/zarusermessage.h"
#include "frame/zarwarningdialog.h"
#include "sessions/zarsessionwidget.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <cmath>

class TestSessionCycle : public QObject
{
    Q_OBJECT

    enum Shape { Fewer, More, None, Error };

    static zarSessionDataModel& model(zarSessionWidget& w) { return w.sessionDataModel; }

    static int measured(const QVector<zarSessionDataUnit>& units)
    {
        return int(std::count_if(units.cbegin(), units.cend(),
                                 [](const zarSessionDataUnit& u) { return u.measureSet.measured; }));
    }

    static void openSession(zarSessionWidget& w, int rows = 29)
    {
        QVERIFY(w.setup(zarSessionScreenFixture::write(zarSessionScreenFixture::session(rows), "cycle")));
    }

    // What the autosave file holds equals what the screen shows.
    static void compareWithAutosave(zarSessionWidget& w)
    {
        const zarSessionFile saved = zarSessionScreenFixture::readAutosave();
        const auto& units = model(w).units();
        QCOMPARE(saved.units.size(), units.size());
        for (int i = 0; i < units.size(); ++i) {
            QVERIFY2(saved.units[i].measureSet == units[i].measureSet, qPrintable(QString::number(i)));
            QCOMPARE(saved.units[i].rho, units[i].rho);
        }
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<zarCoreReportET2D>();
        zarCore::instance();
    }

    void cleanup()
    {
        QFile::remove(zarSessionScreenFixture::autosavePath());
        zarSystemWidget::setBusy(false);
    }

    void cleanupTestCase() { zarCore::destroy(); }

    void measuredToTheEnd()
    {
        zarSessionWidget w(nullptr, false);
        openSession(w);
        QAbstractItemModelTester tester(&model(w), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy status(zarUserMessage::instance(), &zarUserMessage::sendUserMessageForever);
        QSignalSpy groups(&model(w), &zarSessionDataModel::sendMoveForward);
        zarDialogAnswer answer;
        answer.expect();

        w.startPushButton->click();
        QVERIFY(zarSystemWidget::isBusy());
        QCOMPARE(w.sessionTableView->selectionMode(), QAbstractItemView::NoSelection);
        QVERIFY(!w.signalsPushButton->isEnabled());
        QVERIFY(!w.closePushButton->isEnabled());
        QVERIFY(w.autoSaveTimer.isActive());
        QCOMPARE(w.autoSaveTimer.interval(), 30000);

        QVERIFY(zarWaitFor([&] { return answer.shown; }));
        QCOMPARE(answer.text, QStringLiteral("It is all done"));
        QList<int> sizes;
        for (const QList<QVariant>& group : groups)
            sizes << group.at(1).toInt();
        QCOMPARE(sizes, QList<int>({ 4, 4, 4, 4, 4, 4, 4, 1 }));
        const auto& units = model(w).units();
        QCOMPARE(measured(units), 29);
        for (const zarSessionDataUnit& u : units) {
            const double rho = std::fabs(double(u.k) * u.measureSet.rxVoltage / u.measureSet.txCurrent);
            QVERIFY(std::fabs(u.rho - rho) <= 1e-4 * rho);
        }
        compareWithAutosave(w);

        QVERIFY(!zarSystemWidget::isBusy());
        QCOMPARE(w.currentRow(), 28);
        QCOMPARE(w.sessionTableView->selectionMode(), QAbstractItemView::SingleSelection);
        QVERIFY(w.closePushButton->isEnabled());
        QVERIFY(!w.startPushButton->isChecked());
        QVERIFY(!w.startPushButton->isEnabled());
        QVERIFY(w.startEnableTimer.isActive());
        QCOMPARE(w.startEnableTimer.interval(), 1500);
        // Only the operator's release stops the autosave.
        QVERIFY(w.autoSaveTimer.isActive());
        QVERIFY(std::any_of(status.cbegin(), status.cend(), [](const QList<QVariant>& m) {
            return QRegularExpression(QStringLiteral("^Left: \\d\\d:\\d\\d:\\d\\d$")).match(m.first().toString()).hasMatch();
        }));
        QVERIFY(zarWaitFor([&] { return w.startPushButton->isEnabled(); }, 5000));
    }

    // Released during a group: the job is cancelled, the group stays unmeasured and
    // is the first one measured on the next press.
    void stopAndResume()
    {
        zarSessionWidget w(nullptr, false);
        openSession(w);
        QSignalSpy groups(&model(w), &zarSessionDataModel::sendMoveForward);
        QSignalSpy status(zarUserMessage::instance(), &zarUserMessage::sendUserMessageForever);
        bool released = false;
        connect(&model(w), &zarSessionDataModel::sendMoveForward, &w, [&](int begin) {
            // Runs after the screen has already handed the next group to the core.
            if (!released && begin == 0) {
                released = true;
                w.startPushButton->click();
            }
        });
        zarDialogAnswer answer;
        answer.expect();
        w.startPushButton->click();
        QVERIFY(zarWaitFor([&] { return answer.shown; }));
        QCOMPARE(answer.text, QStringLiteral("Canceled by user"));
        QCOMPARE(measured(model(w).units()), 4);
        QCOMPARE(w.currentRow(), 4);
        QVERIFY(!zarSystemWidget::isBusy());
        QVERIFY(!w.autoSaveTimer.isActive());
        QVERIFY(!status.isEmpty());
        QCOMPARE(status.last().first().toString(), QString());
        QCOMPARE(measured(zarSessionScreenFixture::readAutosave().units), 4);
        compareWithAutosave(w);

        const auto before = model(w).units().mid(0, 4);
        QVERIFY(zarWaitFor([&] { return w.startPushButton->isEnabled(); }, 5000));
        groups.clear();
        answer.expect();
        w.startPushButton->click();
        QVERIFY(zarWaitFor([&] { return answer.shown; }));
        QCOMPARE(answer.text, QStringLiteral("It is all done"));
        QCOMPARE(groups.first().first().toInt(), 4);
        QCOMPARE(measured(model(w).units()), 29);
        for (int i = 0; i < 4; ++i)
            QVERIFY(model(w).units()[i].measureSet == before[i].measureSet);
    }

    void reportShapes_data()
    {
        QTest::addColumn<int>("shape");
        QTest::addColumn<int>("startRow");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<int>("measuredRows");
        QTest::addColumn<int>("secondGroup");
        QTest::newRow("fewer results: the rest of the group goes next")
            << int(Fewer) << 0 << "It is all done" << 29 << 2;
        QTest::newRow("more results than rows: the surplus is dropped") << int(More) << 28 << "It is all done" << 1 << -1;
        QTest::newRow("no results: stopped as an error") << int(None) << 0 << "No results were received" << 0 << -1;
        QTest::newRow("error report") << int(Error) << 0 << "Simulated error" << 0 << -1;
    }

    // The first report is reshaped on its way from the core to the screen.
    void reportShapes()
    {
        QFETCH(int, shape);
        QFETCH(int, startRow);
        zarSessionWidget w(nullptr, false);
        openSession(w);
        disconnect(zarCore::instance(), &zarCore::sendReportET2D, &w, nullptr);
        bool first = true;
        connect(zarCore::instance(), &zarCore::sendReportET2D, &w, [&](zarCoreReportET2D report) {
            if (first) {
                first = false;
                switch (shape) {
                case Fewer: report.results = report.results.mid(0, 2); break;
                case More: report.results << report.results.first() << report.results.first(); break;
                case None: report.results.clear(); break;
                default: report.error.code = 1; break;
                }
            }
            w.onReportET2D(report);
        });
        QSignalSpy groups(&model(w), &zarSessionDataModel::sendMoveForward);
        zarDialogAnswer answer;
        answer.expect();
        w.sessionTableView->selectRow(startRow);
        w.startPushButton->click();
        QVERIFY(zarWaitFor([&] { return answer.shown; }));

        QTEST(answer.text, "warning");
        QTEST(measured(model(w).units()), "measuredRows");
        QCOMPARE(model(w).rowCount(), 29);
        QFETCH(int, secondGroup);
        if (secondGroup >= 0) {
            // Started inside a group: from that row to the group's end.
            QCOMPARE(groups.at(1).first().toInt(), secondGroup);
            QCOMPARE(groups.at(1).at(1).toInt(), 4 - secondGroup);
        }
        QVERIFY(!zarSystemWidget::isBusy());
        QVERIFY(!w.startPushButton->isChecked());
        if (shape == None || shape == Error) {
            // The failed group is repeated by the next press.
            QCOMPARE(w.currentRow(), startRow);
            QVERIFY(w.autoSaveTimer.isActive());
            QVERIFY(QFile::exists(zarSessionScreenFixture::autosavePath()));
        }
    }

    // While a group is out the system menu refuses to end the program or take
    // the core; after the release it asks again.
    void busyRefusesTheSystemMenu()
    {
        zarSessionWidget w(nullptr, false);
        openSession(w);
        disconnect(zarCore::instance(), &zarCore::sendReportET2D, &w, nullptr);
        zarSystemWidget system;
        w.startPushButton->click();
        zarDialogAnswer answer;
        const QList<QPair<const char*, QString>> refusals {
            { "onExit", "Stop all activities to exit" },
            { "onUpdate", "Stop all activities to update" },
        };
        for (const auto& refusal : refusals) {
            answer.expect();
            QVERIFY(QMetaObject::invokeMethod(&system, refusal.first));
            QCOMPARE(answer.text, refusal.second);
        }
        w.startPushButton->click();
        QVERIFY(!zarSystemWidget::isBusy());
        answer.expect(QMessageBox::No);
        QVERIFY(QMetaObject::invokeMethod(&system, "onExit"));
        QCOMPARE(answer.text, QStringLiteral("Are you sure you want to exit?"));
    }

    void startWithoutRow()
    {
        zarSessionWidget w(nullptr, false);
        openSession(w);
        QVERIFY(!model(w).startFrom(-1));
        QVERIFY(!model(w).startFrom(29));
        w.sessionTableView->clearSelection();
        w.startPushButton->click();
        QCOMPARE(w.jobsPending, 0);
        QVERIFY(!w.startPushButton->isChecked());
        QVERIFY(!zarSystemWidget::isBusy());
        QCOMPARE(w.sessionTableView->selectionMode(), QAbstractItemView::SingleSelection);
        QVERIFY(!w.autoSaveTimer.isActive());

        // A report of a job this screen did not start is no result of its rows.
        zarCoreReportET2D stray;
        stray.results << zarMeasureSet() << zarMeasureSet();
        emit zarCore::instance()->sendReportET2D(stray);
        QCOMPARE(measured(model(w).units()), 0);
    }

    // Each group is measured with the options current when it starts.
    void optionsTakenPerGroup()
    {
        zarOptionsWidget options;
        options.pulseDurationComboBox->setCurrentIndex(0);
        QObject context;
        QList<int> pulseCodes;
        connect(zarCore::instance(), &zarCore::sendReportET2D, &context, [&](const zarCoreReportET2D& report) {
            pulseCodes << report.results.first().settings.pulseCode;
            options.pulseDurationComboBox->setCurrentIndex(3);
        });
        zarSessionWidget w(nullptr, false);
        openSession(w, 9);
        zarDialogAnswer answer;
        answer.expect();
        w.startPushButton->click();
        QVERIFY(!options.pauseDurationComboBox->isEnabled());
        QVERIFY(zarWaitFor([&] { return answer.shown; }));
        const int first = zarOptionsWidget::options().pulseCode;
        QCOMPARE(pulseCodes.size(), 3);
        QVERIFY(pulseCodes[0] != first);
        QCOMPARE(pulseCodes[1], first);
        QCOMPARE(pulseCodes[2], first);
    }

    void timeLeft_data()
    {
        QTest::addColumn<qint64>("elapsed");
        QTest::addColumn<int>("done");
        QTest::addColumn<int>("remaining");
        QTest::addColumn<QString>("text");
        QTest::newRow("no row done yet") << qint64(5000) << 0 << 10 << QString();
        QTest::newRow("three seconds a row") << qint64(6000) << 2 << 20 << "Left: 00:01:00";
        QTest::newRow("per row truncated to whole ms") << qint64(1001) << 2 << 3 << "Left: 00:00:01";
        QTest::newRow("just under a day") << qint64(86399000) << 1 << 1 << "Left: 23:59:59";
        QTest::newRow("a whole day is too long") << qint64(86400000) << 1 << 1 << "Left: too long";
    }

    void timeLeft()
    {
        QFETCH(qint64, elapsed);
        QFETCH(int, done);
        QFETCH(int, remaining);
        QTEST(zarSessionWidget::timeLeftText(elapsed, done, remaining), "text");
    }
};

ZAR_TEST_MAIN(TestSessionCycle)
#include "test_sessioncycle.moc"
