#include "zartestsupport.h"
#include "zarfakeboard.h"

#include "core/zarcorethread.h"

#include <functional>

namespace {
typedef std::function<bool(zarCoreThread&)> Command;
}
Q_DECLARE_METATYPE(Command)

class TestCommands : public QObject
{
    Q_OBJECT

private slots:
    void goldenFrames_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<QString>("frame");
        static QVector<float> samples;
        static float value = 0.0f;
        static QDate date;
        static QTime time;
        QTest::newRow("ping") << Command([](zarCoreThread& t) { bool a; return t.ping(5, a); }) << "0000000105";
        QTest::newRow("rxRead") << Command([](zarCoreThread& t) { return t.rxRead(8, 3, samples); }) << "080a00020003";
        QTest::newRow("rxStart") << Command([](zarCoreThread& t) { return t.rxStart({ 8, 25, 8 }, 1); })
                                 << "ff0c0006000100020001";
        QTest::newRow("rxStartOne") << Command([](zarCoreThread& t) { return t.rxStartOne(24, 3000); })
                                    << "ff0c00060bb800010000";
        QTest::newRow("rxRangeNoDelay") << Command([](zarCoreThread& t) { return t.rxRangeNoDelay(255, 1); }) << "ff0d000101";
        QTest::newRow("rxRange") << Command([](zarCoreThread& t) { return t.rxRange(24, 0); }) << "180d000100";
        QTest::newRow("rxInput") << Command([](zarCoreThread& t) { return t.rxInput(9, 1); }) << "090e000101";
        QTest::newRow("rxReset") << Command([](zarCoreThread& t) { return t.rxReset(255); }) << "ff0f0000";
        QTest::newRow("rxCalibrate") << Command([](zarCoreThread& t) { return t.rxCalibrate(8, 0x12, 1); }) << "08120002 0001";
        QTest::newRow("rxCalibrateDefault") << Command([](zarCoreThread& t) { return t.rxCalibrateDefault(24); }) << "18140000";
        QTest::newRow("rxClear") << Command([](zarCoreThread& t) { return t.rxClear(8); }) << "08150000";
        QTest::newRow("refTxStop") << Command([](zarCoreThread& t) { return t.refTxStop(); }) << "061e0000";
        QTest::newRow("refTxStart") << Command([](zarCoreThread& t) { return t.refTxStart(0x24); }) << "06240000";
        QTest::newRow("intTxState") << Command([](zarCoreThread& t) { return t.intTxState(); }) << "071e000101";
        QTest::newRow("intTxAdjust") << Command([](zarCoreThread& t) { return t.intTxAdjust(0x1F, 255); }) << "071f0001ff";
        QTest::newRow("intTxStartNoDelay") << Command([](zarCoreThread& t) { return t.intTxStartNoDelay(0x22); }) << "07220000";
        QTest::newRow("intTxRead") << Command([](zarCoreThread& t) { return t.intTxRead(value); }) << "07230000";
        QTest::newRow("clockGet") << Command([](zarCoreThread& t) { return t.clockGet(date, time); }) << "05280000";
        QTest::newRow("clockSet") << Command([](zarCoreThread& t) {
            return t.clockSet(QDate(2026, 12, 6), QTime(21, 5, 7));
        }) << "05290007 07ea0c06150507";
        QTest::newRow("sound") << Command([](zarCoreThread& t) { return t.sound(3); }) << "0432000103";
        QTest::newRow("swReset") << Command([](zarCoreThread& t) { return t.swReset(30); }) << "1e3c0000";
        QTest::newRow("swResetAll") << Command([](zarCoreThread& t) { return t.swResetAll(); }) << "fe3c0000";
        QTest::newRow("swSet all boards") << Command([](zarCoreThread& t) { return t.swSetNoDelay(254, 0, 5); }) << "fe3d000105";
        QTest::newRow("swSet pin 1") << Command([](zarCoreThread& t) { return t.swSetNoDelay(30, 1, 63); }) << "1e3e00013f";
        QTest::newRow("swSet remote receiver") << Command([](zarCoreThread& t) { return t.swSetNoDelay(30, 1, -2); }) << "1e420000";
        QTest::newRow("swSet remote transmitter") << Command([](zarCoreThread& t) { return t.swSetNoDelay(42, 0, -1); }) << "2a3f0000";
        QTest::newRow("swApply") << Command([](zarCoreThread& t) { return t.swApply(42); }) << "2a430000";
    }

    void goldenFrames()
    {
        QFETCH(Command, command);
        QFETCH(QString, frame);
        zarDiagnosticCapture capture;
        zarCoreThread thread;
        zarFakeBoard* board = zarFakeBoard::attach(thread);
        QVERIFY(command(thread));
        QCOMPARE(board->hex(), QStringList({ QString(frame).remove(QLatin1Char(' ')) }));
        QVERIFY(board->input.isEmpty()); // every reply was taken whole
        QCOMPARE(capture.text(), QString());
        QCOMPARE(int(thread.error().code), 0);
    }

    void refusedArguments_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<QString>("diagnostic");
        static QVector<float> samples;
        auto row = [](const char* name, Command c, const char* text) {
            QTest::newRow(name) << c << QString::fromLatin1(text);
        };
        row("ping 43", [](zarCoreThread& t) { bool a; return t.ping(43, a); }, "ping device is invalid: 43");
        row("rxRead all receivers", [](zarCoreThread& t) { return t.rxRead(255, 1, samples); }, "rxRead device is invalid: 255");
        row("rxRead 4", [](zarCoreThread& t) { return t.rxRead(4, 1, samples); }, "rxRead device is invalid: 4");
        row("rxRead 0 samples", [](zarCoreThread& t) { return t.rxRead(8, 0, samples); }, "rxRead samples is invalid: 0");
        row("rxRead 3001 samples", [](zarCoreThread& t) { return t.rxRead(25, 3001, samples); }, "rxRead samples is invalid: 3001");
        row("rxStart empty", [](zarCoreThread& t) { return t.rxStart({}, 0); }, "rxStart devices are empty");
        row("rxStart samples first", [](zarCoreThread& t) { return t.rxStart({ 26 }, 0); }, "rxStart samples is invalid: 0");
        row("rxStart address", [](zarCoreThread& t) { return t.rxStart({ 8, 26 }, 1); },
            "rxStart devices contains an invalid address: 26");
        row("rxStart broadcast", [](zarCoreThread& t) { return t.rxStartOne(255, 1); },
            "rxStart devices contains an invalid address: 255");
        row("rxRangeNoDelay device", [](zarCoreThread& t) { return t.rxRangeNoDelay(7, 2); }, "rxRangeNoDelay device is invalid: 7");
        row("rxRange range", [](zarCoreThread& t) { return t.rxRange(8, 2); }, "rxRangeNoDelay range is invalid: 2");
        row("rxInput device", [](zarCoreThread& t) { return t.rxInput(26, 0); }, "rxInput device is invalid: 26");
        row("rxInput input", [](zarCoreThread& t) { return t.rxInput(8, 2); }, "rxInput input is invalid: 2");
        row("rxReset", [](zarCoreThread& t) { return t.rxReset(254); }, "rxReset device is invalid: 254");
        row("rxCalibrate pulse first", [](zarCoreThread& t) { return t.rxCalibrate(26, 0x14, 0); },
            "rxCalibrate rangePulse is invalid: 20");
        row("rxCalibrate device", [](zarCoreThread& t) { return t.rxCalibrate(26, 0x13, 0); }, "rxCalibrate device is invalid: 26");
        row("rxCalibrate samples", [](zarCoreThread& t) { return t.rxCalibrate(8, 0x10, 3001); }, "rxCalibrate samples is invalid: 3001");
        row("rxCalibrateDefault", [](zarCoreThread& t) { return t.rxCalibrateDefault(3); }, "rxCalibrateDefault device is invalid: 3");
        row("rxClear", [](zarCoreThread& t) { return t.rxClear(7); }, "rxClear device is invalid: 7");
        row("refTxStart", [](zarCoreThread& t) { return t.refTxStart(0x23); }, "refTxStart pulse is invalid: 35");
        row("intTxAdjust pulse first", [](zarCoreThread& t) { return t.intTxAdjust(0x21, 101); }, "intTxAdjust adjustPulse is invalid: 33");
        row("intTxAdjust 101", [](zarCoreThread& t) { return t.intTxAdjust(0x1F, 101); }, "intTxAdjust voltagePercent is invalid: 101");
        row("intTxAdjust 254", [](zarCoreThread& t) { return t.intTxAdjust(0x20, 254); }, "intTxAdjust voltagePercent is invalid: 254");
        row("intTxStart", [](zarCoreThread& t) { return t.intTxStart(0x24); }, "intTxStartNoDelay pulse is invalid: 36");
        row("clockSet", [](zarCoreThread& t) { return t.clockSet(QDate(), QTime(1, 2)); }, "clockSet date or time is invalid");
        row("swReset", [](zarCoreThread& t) { return t.swReset(43); }, "swReset device is invalid: 43");
        row("swApply", [](zarCoreThread& t) { return t.swApply(25); }, "swApply device is invalid: 25");
        row("swSet device", [](zarCoreThread& t) { return t.swSetNoDelay(25, 2, 64); }, "swSetNoDelay device is invalid: 25");
        row("swSet pin", [](zarCoreThread& t) { return t.swSetNoDelay(26, 2, 64); }, "swSetNoDelay channelPin is invalid: 2");
        row("swSet electrode 64", [](zarCoreThread& t) { return t.swSetNoDelay(26, 0, 64); }, "swSetNoDelay electrode is invalid: 64");
        row("swSet electrode -3", [](zarCoreThread& t) { return t.swSetNoDelay(26, 1, -3); }, "swSetNoDelay electrode is invalid: 65533");
        row("remote transmitter on pin 1", [](zarCoreThread& t) { return t.swSetNoDelay(30, 1, -1); },
            "swSetNoDelay electrode and channelPin are invalid: 65535 1");
        row("remote receiver on pin 0", [](zarCoreThread& t) { return t.swSetNoDelay(30, 0, -2); },
            "swSetNoDelay electrode and channelPin are invalid: 65534 0");
    }

    void refusedArguments()
    {
        QFETCH(Command, command);
        QFETCH(QString, diagnostic);
        zarDiagnosticCapture capture;
        zarCoreThread thread;
        zarFakeBoard* board = zarFakeBoard::attach(thread);
        QVERIFY(!command(thread));
        QCOMPARE(capture.text(), QStringLiteral("zarCoreThread error: ") + diagnostic + QStringLiteral("\n\r"));
        QCOMPARE(int(thread.error().code), 15);
        QVERIFY(board->frames.isEmpty());
    }

    void acceptedBounds()
    {
        zarCoreThread thread;
        zarFakeBoard* board = zarFakeBoard::attach(thread);
        QVERIFY(thread.intTxAdjust(0x20, 0));
        QVERIFY(thread.intTxAdjust(0x1F, 100));
        QVERIFY(thread.swSetNoDelay(42, 1, 0));
        QVERIFY(thread.rxRangeNoDelay(8, 0));
        QVERIFY(thread.rxCalibrateDefault(255));
        QCOMPARE(board->frames.size(), 5);
    }

    void replies()
    {
        zarCoreThread thread;
        zarFakeBoard* board = zarFakeBoard::attach(thread);
        board->queued[2] = { 12.5f, -1.25f };
        QVector<float> samples { 9.0f, 9.0f, 9.0f };
        QVERIFY(thread.rxRead(2, 2, samples));
        QCOMPARE(samples, QVector<float>({ 12.5f, -1.25f }));

        bool alive = false;
        QVERIFY(thread.ping(3, alive));
        QVERIFY(alive);
        board->silent.insert(3);
        QVERIFY(thread.ping(3, alive));
        QVERIFY(!alive);

        float reading = 0.0f;
        QVERIFY(thread.intTxRead(reading));
        QCOMPARE(reading, 3.25f);

        QDate date;
        QTime time;
        QVERIFY(thread.clockGet(date, time));
        QCOMPARE(date, QDate(2026, 12, 6));
        QCOMPARE(time, QTime(21, 5, 7));
        board->clockReply = QByteArray::fromHex("07cf0102030405"); // 1999
        QVERIFY(thread.clockGet(date, time));
        QCOMPARE(date, QDate(2000, 1, 2));
        board->clockReply = QByteArray::fromHex("08660102030405"); // 2150
        QVERIFY(thread.clockGet(date, time));
        QCOMPARE(date, QDate(2100, 1, 2));

        // Garbage from the clock is no reading.
        zarDiagnosticCapture capture;
        board->clockReply = QByteArray::fromHex("07ea0d01030405");
        QVERIFY(!thread.clockGet(date, time));
        QCOMPARE(int(thread.error().code), 15);
        QCOMPARE(date, QDate(2100, 1, 2));
        QCOMPARE(capture.text(), QStringLiteral("zarCoreThread error: clockGet reply is invalid\n\r"));
    }

    void switchAcknowledgeLength()
    {
        zarCoreThread thread;
        zarFakeBoard* board = zarFakeBoard::attach(thread);
        QVERIFY(thread.swSetNoDelay(254, 1, 7));
        board->extra = QByteArray(1, 0);
        zarDiagnosticCapture capture;
        QVERIFY(!thread.swSetNoDelay(30, 1, 7)); // 2 bytes where 1 is due
        QCOMPARE(int(thread.error().code), 4);
        QVERIFY(capture.text().contains(QLatin1String("Last sent device:command: 30:62\n\rInput buffer: 1 0 \n\r")));
    }

    void transmitterStates_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("error");
        QTest::newRow("battery") << 1 << 12;
        QTest::newRow("overheated") << 2 << 13;
        QTest::newRow("short") << 3 << 9;
        QTest::newRow("open") << 4 << 11;
        QTest::newRow("0x80") << 0x80 << 15;
        QTest::newRow("5") << 5 << 15;
    }

    void transmitterStates()
    {
        QFETCH(int, state);
        QFETCH(int, error);
        zarCoreThread thread;
        zarFakeBoard* board = zarFakeBoard::attach(thread);
        zarDiagnosticCapture capture;
        board->txStates = { quint8(state), quint8(state) };
        QVERIFY(!thread.intTxState());
        QCOMPARE(int(thread.error().code), error);
        QVERIFY(!thread.intTxAdjust(0x20, 50));
        QCOMPARE(int(thread.error().code), error);
        if (error == 15) {
            const QString value = QString::number(qint8(quint8(state)));
            QCOMPARE(capture.text(), QStringLiteral("zarCoreThread error:intTxAdjust illegal txState\n\r"
                                                    "zarCoreThread error:intTxAdjust illegal txState: ")
                         + value + QStringLiteral("\n\r"));
        } else {
            QCOMPARE(capture.text(), QString());
        }
        QVERIFY(thread.intTxState()); // back to 0
    }

    void pingAllStopsAtTheSilentDevice()
    {
        zarCoreThread thread;
        zarFakeBoard* board = zarFakeBoard::attach(thread);
        board->silent.insert(2);
        QVERIFY(!thread.pingAll({ 0, 1, 2, 3 }));
        QCOMPARE(int(thread.error().code), 5);
        QCOMPARE(int(thread.error().param), 2);
        QCOMPARE(board->frames.size(), 3);
        board->silent.clear();
        QVERIFY(thread.pingAll({ 0, 1, 2, 3 }));
    }

    void settleTimes()
    {
        zarCoreThread thread;
        zarFakeBoard* board = zarFakeBoard::attach(thread);
        // A cancel during the settle fails the command after its frame went out.
        thread.abort();
        QVERIFY(!thread.rxClear(255));
        QCOMPARE(int(thread.error().code), 14);
        QCOMPARE(board->frames.size(), 1);

        // Long calibrations are waited for, not refused: only a cancel ends them early.
        thread.abort();
        QVERIFY(!thread.rxCalibrate(8, 0x10, 3000));
        QCOMPARE(int(thread.error().code), 14);
        QCOMPARE(board->hex().last(), QStringLiteral("081000020bb8"));

        // No settle after a failed send.
        board->acceptWrites = false;
        thread.abort();
        QVERIFY(!thread.rxReset(8));
        QCOMPARE(int(thread.error().code), 3);
        QVERIFY(thread.abortRequested());
    }

    void overloadedReceivers()
    {
        zarCoreThread thread;
        zarFakeBoard* board = zarFakeBoard::attach(thread);
        QVERIFY(thread.rxRangeOverloaded());
        QVERIFY(board->frames.isEmpty());
        thread.setOverloadList({ 9, 24 });
        QVERIFY(thread.rxRangeOverloadedNoDelay());
        QCOMPARE(board->hex(), QStringList({ "090d000101", "180d000101" }));
        thread.setOverloadList({ 9, 2, 24 });
        QVERIFY(!thread.rxRangeOverloaded());
        QCOMPARE(board->frames.size(), 3);
    }

    void stopAllKeepsGoingAfterFailures()
    {
        zarCoreThread thread;
        zarFakeBoard* board = zarFakeBoard::attach(thread);
        board->refusedWrites = { 1, 3 };
        zarDiagnosticCapture capture;
        thread.stopAll();
        QCOMPARE(board->hex(), QStringList({ "071e000100", "061e0000", "ff0f0000", "fe3c0000", "0432000100" }));
        QCOMPARE(capture.text().count(QStringLiteral("no data sent, port was closed")), 2);
        QCOMPARE(int(thread.error().code), 3);
        QCOMPARE(int(thread.error().param), 254);

        // After a cancel the speaker is left alone.
        board->frames.clear();
        board->refusedWrites.clear();
        thread.abort();
        QVERIFY(!thread.delay(5));
        thread.stopAll();
        QCOMPARE(board->frames.size(), 4);
    }

    void statistics()
    {
        zarCoreThread thread;
        zarDiagnosticCapture capture;
        QVector<float> out { 1.0f, 2.0f };
        QVERIFY(thread.sampleSum(out, { 0.5f, -4.0f }));
        QCOMPARE(out, QVector<float>({ 1.5f, -2.0f }));
        QVERIFY(thread.sampleAbsHalfDifference(out, { 3.5f, 2.0f }));
        QCOMPARE(out, QVector<float>({ -1.0f, -2.0f }));
        QCOMPARE(capture.text(), QString());
        QVERIFY(!thread.sampleSum(out, { 1.0f }));
        QVERIFY(!thread.sampleAbsHalfDifference(out, {}));
        QCOMPARE(int(thread.error().code), 15);
        QCOMPARE(capture.text(), QStringLiteral("zarCoreThread error: sampleSum out.size() != in.size()\n\r"
                                                "zarCoreThread error: sampleAbsHalfDifference out.size() != in.size()\n\r"));

        capture.clear();
        QCOMPARE(thread.average({ 1.0f, 2.0f, 6.0f }), 3.0f);
        QCOMPARE(thread.average({}), 0.0f);
        QCOMPARE(capture.text(), QStringLiteral("zarCoreThread error: average samples is empty\n\r"));

        QCOMPARE(thread.deviation({ 5.0f }), 1000.0f);
        QVERIFY(qAbs(thread.deviation({ 1.0f, 3.0f }) - 70.710678f) < 1e-4f);
        QCOMPARE(thread.deviation({ 2.0f, 2.0f, 2.0f }), 0.0f);
        QCOMPARE(thread.deviation({ 1.0f, 30.0f }), 100.0f);
        // A negative signal is as noisy as its mirror image, and a zero mean has
        // no relative deviation: neither may pass as a perfect reading.
        QVERIFY(qAbs(thread.deviation({ -1.0f, -3.0f }) - 70.710678f) < 1e-4f);
        const float zeroMean = thread.deviation({ -1.0f, 1.0f });
        QCOMPARE(zeroMean, 100.0f);
        QCOMPARE(thread.deviation({ 0.0f, 0.0f }), 100.0f);
    }
};

ZAR_TEST_MAIN(TestCommands)
#include "test_commands.moc"
