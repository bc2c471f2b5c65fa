#include "zarbenchdata.h"
#include "zartestsupport.h"

#include "core/zarconstants.h"
#include "sessions/zarsessionwidget.h"

// The program's own work for one measured group on a shown session screen: the
// results stored, the table updated, both series rebuilt and the plot redrawn.
class BenchSessionScreens : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QDir().mkpath(systemDir); }

    void groupRefreshAndReplot_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("display");
        for (int rows : { 6336, 50000 }) {
            QTest::addRow("%d rows, table shown", rows) << rows << 0 << 0;
            QTest::addRow("%d rows, pseudo-section shown", rows) << rows << 1 << 0;
            QTest::addRow("%d rows, sounding curves shown", rows) << rows << 1 << 1;
        }
    }

    void groupRefreshAndReplot()
    {
        QFETCH(int, rows);
        QFETCH(int, tab);
        QFETCH(int, display);
        const QString path = zarDriveRoot::path() + QStringLiteral("group.zarSession");
        zarBenchData::measuredSession(rows).write(path);
        zarSessionWidget screen(nullptr, false);
        screen.resize(1024, 540);
        QVERIFY(screen.setup(path));
        screen.mainTabWidget->setCurrentIndex(tab);
        screen.displayComboBox->setCurrentIndex(display);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        auto* model = qobject_cast<zarSessionDataModel*>(screen.sessionTableView->model());
        // The screen's move to the next group would hand it to the core.
        disconnect(model, &zarSessionDataModel::sendMoveForward, &screen, nullptr);
        zarCoreReportET2D report;
        for (int i = 0; i < 16; ++i) {
            zarMeasureSet result;
            result.txCurrent = 40.0f + i;
            result.rxVoltage = 12.0f;
            result.samples = { 1, 2, 3, 4 };
            report.results.append(result);
        }
        auto group = [&] {
            model->storeResults(report);
            model->refresh();
            QCoreApplication::processEvents();
        };
        QBENCHMARK {
            group();
        }
        if (zarBench::firstRun())
            qInfo("one group of 16, %s: %.3f ms (target 10 ms)", QTest::currentDataTag(), zarBench::bestOf(10, group) / 1e6);
    }
};

ZAR_TEST_MAIN(BenchSessionScreens)
#include "bench_sessionscreens.moc"
