// What the facade and the job thread add to a job beyond its simulated delay.
#include "zartestsupport.h"

#include "core/zarcore.h"

class BenchCore : public QObject
{
    Q_OBJECT

    static zarCoreParamET2D group(int size)
    {
        zarCoreParamET2D param;
        for (int i = 0; i < size; ++i) {
            zarCoreQuadripole q;
            q.a = qint16(i % 61); q.b = qint16(i % 61 + 3); q.m = qint16(i % 61 + 1); q.n = qint16(i % 61 + 2);
            param.quadripoles.append(q);
        }
        return param;
    }

private slots:
    // RxStress has no delay: a round trip is all facade and thread overhead.
    void rxStressRoundTrip()
    {
        zarCore* core = zarCore::instance();
        int received = 0;
        const int jobs = 2000;
        QEventLoop loop;
        QMetaObject::Connection chain = connect(core, &zarCore::sendReportRxStress, this,
            [&](const zarCoreReportRxStress) {
                if (++received < jobs)
                    core->rxStress(zarCoreParamRxStress());
                else
                    loop.quit();
            });
        QElapsedTimer clock;
        clock.start();
        core->rxStress(zarCoreParamRxStress());
        loop.exec();
        QCOMPARE(received, jobs);
        const double perJob = double(clock.nsecsElapsed()) / jobs / 1e6;
        qInfo("RxStress loop: %.0f jobs/s, %.3f ms per job (target < 1 ms)", 1000.0 / perJob, perJob);
        disconnect(chain);
    }

    void et2dGroup_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("1") << 1;
        QTest::newRow("64") << 64;
        QTest::newRow("1024") << 1024;
    }

    // One ET2D group: 30 ms of simulated delay plus the work on the results.
    void et2dGroup()
    {
        QFETCH(int, size);
        zarCore* core = zarCore::instance();
        const zarCoreParamET2D param = group(size);
        int results = 0;
        QEventLoop loop;
        QMetaObject::Connection done = connect(core, &zarCore::sendReportET2D, this,
            [&](const zarCoreReportET2D report) {
                results = report.results.size();
                loop.quit();
            });
        QBENCHMARK {
            core->et2d(param);
            loop.exec();
        }
        QCOMPARE(results, size);
        disconnect(done);
    }

    void cleanupTestCase() { zarCore::destroy(); }
};

ZAR_TEST_MAIN(BenchCore)
#include "bench_core.moc"
