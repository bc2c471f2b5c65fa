#include "zartestsupport.h"

#include "core/zarcorethread.h"

#include <thread>

namespace {
// Records the frames the thread writes; writes succeed unless told otherwise.
class FakeLine : public zarSerialDevice
{
public:
    QList<QByteArray>* frames;
    bool accept = true;
    explicit FakeLine(QList<QByteArray>* sink) : frames(sink) {}
    qint64 write(const QByteArray& data) override
    {
        frames->append(data);
        return accept ? data.size() : -1;
    }
    qint64 bytesAvailable() override { return 0; }
    QByteArray read(qint64) override { return QByteArray(); }
    void flushInBuffer() override {}
    void flushOutBuffer() override {}
    void close() override {}
};

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
    void delayZeroIgnoresTheFlag()
    {
        zarCoreThread thread;
        thread.abort();
        QVERIFY(thread.delay(0));
        QVERIFY(thread.abortRequested());
        QCOMPARE(int(thread.error().code), 0);
    }

    void delayAbove30000IsRefused()
    {
        zarDiagnosticCapture capture;
        zarCoreThread thread;
        thread.abort();
        QVERIFY(!thread.delay(30001));
        QCOMPARE(int(thread.error().code), 15);
        QVERIFY(thread.abortRequested()); // not looked at
        QCOMPARE(capture.text(), QStringLiteral("zarCoreThread error: delay msec is invalid: 30001\n\r"));
        // Sizes that wrapped in 16 bits must be refused, not shortened.
        QVERIFY(!thread.delay(3277u * 20u));
        QCOMPARE(capture.text().count(QLatin1Char('\n')), 2);
    }

    void abortBeforeTheWaitCancelsAtOnce()
    {
        zarCoreThread thread;
        thread.abort();
        QVERIFY(!thread.delay(30000));
        QCOMPARE(int(thread.error().code), 14);
        QVERIFY(!thread.abortRequested());
    }

    void abortDuringTheWaitCancels()
    {
        zarCoreThread thread;
        std::thread canceller([&thread] {
            QThread::msleep(50);
            thread.abort();
        });
        QElapsedTimer clock;
        clock.start();
        const bool finished = thread.delay(30000);
        canceller.join();
        QVERIFY(!finished);
        QVERIFY(clock.elapsed() < 20000);
        QCOMPARE(int(thread.error().code), 14);
        QVERIFY(!thread.abortRequested());
    }

    void setterForgetsAStaleAbort()
    {
        zarCoreThread thread;
        thread.abort();
        thread.setSensors();
        QVERIFY(!thread.abortRequested());
        QVERIFY(thread.delay(2));
        QCOMPARE(int(thread.error().code), 0);
    }

    void isNearBounds()
    {
        QVERIFY(!zarCoreThread::isNear(0.9f, 1.0f));
        QVERIFY(!zarCoreThread::isNear(1.1f, 1.0f));
        QVERIFY(zarCoreThread::isNear(1.0f, 1.0f));
        QVERIFY(!zarCoreThread::isNear(-1.0f, -1.0f));
        QVERIFY(zarCoreThread::isNear(1.0f, -1.0f));
        QVERIFY(zarCoreThread::isNear1000(1050.0f));
        QVERIFY(!zarCoreThread::isNear1000(1100.0f));
    }

    void helpers()
    {
        QVector<float> samples { 1.0f, -2.0f };
        QVERIFY(zarCoreThread::invertPolarity(9, samples, { 9 }));
        QCOMPARE(samples, QVector<float>({ -1.0f, 2.0f }));
        QVERIFY(zarCoreThread::invertPolarity(8, samples, { 9 }));
        QCOMPARE(samples, QVector<float>({ -1.0f, 2.0f }));
        QCOMPARE(zarCoreThread::zeroVector5(), QVector<float>(5, 0.0f));

        zarCoreThread thread;
        QCOMPARE(thread.electrodeIdleTime(5), qint64(-1));
        QCOMPARE(thread.electrodeIdleTime(0xFFFF), qint64(-1));
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

    void stopAllSendsFiveFrames()
    {
        QList<QByteArray> frames;
        DirectThread thread;
        thread.setSerialDevice(std::unique_ptr<zarSerialDevice>(new FakeLine(&frames)));
        QSignalSpy anyReport(&thread, &zarCoreThread::sendReportSound);
        thread.setPanic();
        thread.run();
        QStringList hex;
        for (const QByteArray& f : frames)
            hex << QString::fromLatin1(f.toHex());
        QCOMPARE(hex, QStringList({ "071e000100", "061e0000", "ff0f0000", "fe3c0000", "0432000100" }));
        QCOMPARE(anyReport.count(), 0);
        QCOMPARE(thread.lastDevice(), 4);
        QCOMPARE(thread.lastCommand(), 0x32);
    }

    void stopAllOnAClosedPortKeepsGoing()
    {
        zarDiagnosticCapture capture;
        DirectThread thread; // the real port, never opened
        thread.setPanic();
        thread.run();
        const QString text = capture.text();
        QCOMPARE(text.count(QStringLiteral("zarCoreThread error: no data sent, port was closed")), 5);
        QCOMPARE(int(thread.error().code), 3);
        QCOMPARE(thread.lastDevice(), -1);
        QCOMPARE(zarCoreError(thread.error().packed()).text(), QStringLiteral("Can not send command 4"));
    }

    void oversizedPayloadIsRefused()
    {
        QList<QByteArray> frames;
        zarDiagnosticCapture capture;
        zarCoreThread thread;
        thread.setSerialDevice(std::unique_ptr<zarSerialDevice>(new FakeLine(&frames)));
        QVERIFY(thread.sendMessage(255, 15, QByteArray(16, 'x')));
        QCOMPARE(frames.last().size(), 20);
        QCOMPARE(thread.lastDevice(), 255);
        QVERIFY(!thread.sendMessage(1, 2, QByteArray(17, 'x')));
        QCOMPARE(frames.size(), 1);
        QCOMPARE(int(thread.error().code), 15);
        QCOMPARE(thread.lastDevice(), -1);
        QCOMPARE(capture.text(), QStringLiteral("zarCoreThread error: sendMessage dataBytes.size() exceeds 16\n\r"));
    }
};

ZAR_TEST_MAIN(TestCoreThread)
#include "test_corethread.moc"
