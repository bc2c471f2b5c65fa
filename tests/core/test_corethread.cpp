#include "zartestsupport.h"

#include "core/zarcorethread.h"

#include <thread>

namespace {
// Lets a test call the thread's protected run() on its own thread.
class DirectThread : public zarCoreThread
{
public:
    using zarCoreThread::run;
};
}

class TestCoreThread : public QObject
{
    Q_OBJECT

private slots:
    void delay()
    {
        zarDiagnosticCapture capture;
        zarCoreThread thread;
        // Zero passes with the flag set and leaves it for the next wait.
        thread.abort();
        QVERIFY(thread.delay(0));
        QVERIFY(thread.abortRequested());
        QCOMPARE(int(thread.error().code), 0);
        // Above 30000 is refused without looking at the flag; sizes that wrapped
        // in 16 bits are refused, not shortened.
        QVERIFY(!thread.delay(30001));
        QCOMPARE(int(thread.error().code), 15);
        QVERIFY(thread.abortRequested());
        QVERIFY(!thread.delay(3277u * 20u));
        QCOMPARE(capture.text(), QStringLiteral("zarCoreThread error: delay msec is invalid: 30001\n\r"
                                                "zarCoreThread error: delay msec is invalid: 65540\n\r"));
        // An abort before the wait cancels at once and is consumed.
        QVERIFY(!thread.delay(30000));
        QCOMPARE(int(thread.error().code), 14);
        QVERIFY(!thread.abortRequested());
        // A setter forgets a stale abort.
        thread.abort();
        thread.setSensors();
        QVERIFY(thread.delay(2));
    }

    void abortDuringTheWaitCancels()
    {
        zarCoreThread thread;
        std::thread canceller([&thread] {
            QThread::msleep(50);
            thread.abort();
        });
        const bool finished = thread.delay(30000);
        canceller.join();
        QVERIFY(!finished);
        QCOMPARE(int(thread.error().code), 14);
        QVERIFY(!thread.abortRequested());
    }

    void helpers()
    {
        QVERIFY(!zarCoreThread::isNear(0.9f, 1.0f));
        QVERIFY(!zarCoreThread::isNear(1.1f, 1.0f));
        QVERIFY(zarCoreThread::isNear(1.0f, 1.0f));
        QVERIFY(!zarCoreThread::isNear(-1.0f, -1.0f));
        QVERIFY(zarCoreThread::isNear(1.0f, -1.0f));
        QVERIFY(zarCoreThread::isNear1000(1050.0f));
        QVERIFY(!zarCoreThread::isNear1000(1100.0f));

        QVector<float> samples { 1.0f, -2.0f };
        QVERIFY(zarCoreThread::invertPolarity(9, samples, { 9 }));
        QVERIFY(zarCoreThread::invertPolarity(8, samples, { 9 }));
        QCOMPARE(samples, QVector<float>({ -1.0f, 2.0f }));

        zarCoreThread thread;
        QCOMPARE(thread.electrodeIdleTime(5), qint64(-1));
        thread.setElectrodeStates({ 5, 0xFFFE }, zarMeasureSettings());
        QVERIFY(thread.electrodeIdleTime(5) >= 0);
        QVERIFY(thread.electrodeIdleTime(0xFFFE) >= 0);
        zarDiagnosticCapture capture;
        QVERIFY(!thread.setTxElectrodeStates({}, zarMeasureSettings()));
        QCOMPARE(int(thread.error().code), 15);
        QVERIFY(capture.text().startsWith(QLatin1String("zarCoreThread error: ")));
        zarCoreQuadripole q;
        q.a = -1;
        q.b = 7;
        QCOMPARE(thread.electrodeIdleTime(0xFFFF), qint64(-1));
        QVERIFY(thread.setTxElectrodeStates({ q }, zarMeasureSettings()));
        QVERIFY(thread.electrodeIdleTime(0xFFFF) >= 0);
        QVERIFY(thread.electrodeIdleTime(7) >= 0);
    }

    void idleJobsEmitNothing()
    {
        DirectThread thread;
        QSignalSpy discover(&thread, &zarCoreThread::sendReportDiscover);
        thread.run(); // job 0
        thread.setDiscover();
        thread.run();
        thread.run(); // again without a setter
        QCOMPARE(discover.count(), 1);
        QCOMPARE(int(thread.job()), 0);
    }
};

ZAR_TEST_MAIN(TestCoreThread)
#include "test_corethread.moc"
