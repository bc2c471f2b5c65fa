// The measurement cycle end to end: the session screen measures through zarCore
// and the board simulator on the job thread.
#include "zardialoganswer.h"
#include "zarsessionscreenfixture.h"
#include "zartestsupport.h"

#include "core/zarcore.h"
#include "frame/zaroptionswidget.h"
#include "frame/zarsystemwidget.h"
#include "frame/zarusermessage.h"
#include "sessions/zarsessionwidget.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <cmath>

typedef zarSessionScreenFixture Fixture;

class TestSessionCycle : public QObject
{
    Q_OBJECT

    enum Shape { Fewer, More, None, Error };

    static zarSessionDataModel& model(zarSessionWidget& w) { return w.sessionDataModel; }
    static int measured(zarSessionWidget& w) { return Fixture::measured(w.sessionDataModel.units()); }

    static void openSession(zarSessionWidget& w, int rows = 29)
    {
        QVERIFY(w.setup(Fixture::write(Fixture::session(rows), "cycle")));
    }

    // Presses Start and returns the warning that ends the run.
    static QString run(zarSessionWidget& w)
    {
        zarDialogAnswer answer;
        answer.expect();
        w.startPushButton->click();
        return zarWaitFor([&] { return answer.shown; }) ? answer.text : QStringLiteral("no warning");
    }

    // What the autosave file holds equals what the screen shows.
    static void compareWithAutosave(zarSessionWidget& w)
    {
        const auto saved = Fixture::readAutosave().units;
        const auto& units = model(w).units();
        QCOMPARE(saved.size(), units.size());
        for (int i = 0; i < units.size(); ++i) {
            QVERIFY2(saved[i].measureSet == units[i].measureSet, qPrintable(QStringLiteral("row %1").arg(i)));
            QCOMPARE(saved[i].rho, units[i].rho);
        }
    }

private slots:
    void initTestCase() { qRegisterMetaType<zarCoreReportET2D>(); }

    void cleanup()
    {
        QFile::remove(Fixture::autosavePath());
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
        QVERIFY(!w.closePushButton->isEnabled());
        QVERIFY(zarWaitFor([&] { return answer.shown; }));
        QCOMPARE(answer.text, QStringLiteral("It is all done"));

        QList<int> sizes;
        for (const QList<QVariant>& group : groups)
            sizes << group.at(1).toInt();
        QCOMPARE(sizes, QList<int>({ 4, 4, 4, 4, 4, 4, 4, 1 }));
        QCOMPARE(measured(w), 29);
        for (const zarSessionDataUnit& u : model(w).units()) {
            const double rho = std::fabs(double(u.k) * u.measureSet.rxVoltage / u.measureSet.txCurrent);
            QVERIFY(std::fabs(u.rho - rho) <= 1e-4 * rho);
        }
        compareWithAutosave(w);
        QVERIFY(!zarSystemWidget::isBusy());
        QCOMPARE(w.currentRow(), 28);
        QVERIFY(w.closePushButton->isEnabled());
        QVERIFY(std::any_of(status.cbegin(), status.cend(), [](const QList<QVariant>& m) {
            return QRegularExpression(QStringLiteral("^Left: \\d\\d:\\d\\d:\\d\\d$")).match(m.first().toString()).hasMatch();
        }));
        // Start stays locked a moment after the end; only the release stops the autosave.
        QVERIFY(!w.startPushButton->isEnabled());
        QCOMPARE(w.startEnableTimer.interval(), 1500);
        QCOMPARE(w.autoSaveTimer.interval(), 30000);
        QVERIFY(w.autoSaveTimer.isActive());
        QVERIFY(zarWaitFor([&] { return w.startPushButton->isEnabled(); }, 5000));
    }

    // Released during a group: the job is cancelled, the group stays unmeasured and
    // is the first one measured on the next press.
    void stopAndResume()
    {
        zarSessionWidget w(nullptr, false);
        openSession(w);
        QSignalSpy groups(&model(w), &zarSessionDataModel::sendMoveForward);
        connect(&model(w), &zarSessionDataModel::sendMoveForward, &w, [&](int begin) {
            // Runs after the screen has already handed the next group to the core.
            if (begin == 0 && groups.size() == 1)
                w.startPushButton->click();
        });
        QCOMPARE(run(w), QStringLiteral("Canceled by user"));
        QCOMPARE(measured(w), 4);
        QCOMPARE(w.currentRow(), 4);
        QVERIFY(!zarSystemWidget::isBusy());
        QVERIFY(!w.autoSaveTimer.isActive());
        compareWithAutosave(w);

        const auto before = model(w).units().mid(0, 4);
        QVERIFY(zarWaitFor([&] { return w.startPushButton->isEnabled(); }, 5000));
        QCOMPARE(run(w), QStringLiteral("It is all done"));
        QCOMPARE(groups.at(1).first().toInt(), 4);
        QCOMPARE(measured(w), 29);
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
        QTest::newRow("fewer results: the rest of the group goes next") << int(Fewer) << 0 << "It is all done" << 29 << 2;
        QTest::newRow("more results than rows: the surplus is dropped") << int(More) << 28 << "It is all done" << 1 << -1;
        QTest::newRow("no results: stopped as an error") << int(None) << 0 << "No results were received" << 0 << -1;
        QTest::newRow("error report") << int(Error) << 0 << "Simulated error" << 0 << -1;
    }
    // The first report is reshaped on its way from the core to the screen.
    void reportShapes()
    {
        QFETCH(int, shape);
        QFETCH(int, startRow);
        QFETCH(int, secondGroup);
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
        w.sessionTableView->selectRow(startRow);
        QTEST(run(w), "warning");
        QTEST(measured(w), "measuredRows");
        QCOMPARE(model(w).rowCount(), 29);
        if (secondGroup >= 0) {
            // Started inside a group: from that row to the group's end.
            QCOMPARE(groups.at(1).first().toInt(), secondGroup);
            QCOMPARE(groups.at(1).at(1).toInt(), 4 - secondGroup);
        }
        QVERIFY(!zarSystemWidget::isBusy());
        QVERIFY(!w.startPushButton->isChecked());
        if (shape == None || shape == Error) {
            // The failed group is repeated by the next press; what was there is saved.
            QCOMPARE(w.currentRow(), startRow);
            QVERIFY(QFile::exists(Fixture::autosavePath()));
        }
    }

    // Without a row nothing is handed to the core and nothing stays locked.
    void startWithoutRow()
    {
        zarSessionWidget w(nullptr, false);
        openSession(w);
        QVERIFY(!model(w).startFrom(29));
        w.sessionTableView->clearSelection();
        w.startPushButton->click();
        QCOMPARE(w.jobsPending, 0);
        QVERIFY(!zarSystemWidget::isBusy());
        QCOMPARE(w.sessionTableView->selectionMode(), QAbstractItemView::SingleSelection);
        QVERIFY(!w.autoSaveTimer.isActive());
    }

    // A report of a job this screen did not start is no result of its rows.
    void strayReportIgnored()
    {
        zarSessionWidget w(nullptr, false);
        openSession(w);
        zarCoreReportET2D stray;
        stray.results << zarMeasureSet() << zarMeasureSet();
        emit zarCore::instance()->sendReportET2D(stray);
        QCOMPARE(measured(w), 0);
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
        QCOMPARE(run(w), QStringLiteral("It is all done"));
        const int changed = zarOptionsWidget::options().pulseCode;
        QCOMPARE(pulseCodes.size(), 3);
        QVERIFY(pulseCodes[0] != changed);
        QCOMPARE(pulseCodes[1], changed);
        QCOMPARE(pulseCodes[2], changed);
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
