#include "zartestsupport.h"
#include "zarfakeboard.h"

#include "core/zarcorethread.h"

#include <cmath>

namespace {
typedef std::function<bool(zarCoreThread&)> Command;
QSet<quint8> inverted;
bool alive;
float reading;
QVector<float> samples;
QDate clockDate;
QTime clockTime;

// Every electrode after the chosen one, on the given command of the generator switch.
QStringList groundedOthers(int electrode, const QString& command)
{
    QStringList frames;
    for (int e = 0; e < 64; ++e)
        if (e != electrode)
            frames << QStringLiteral("2a") + command + QStringLiteral("0001%1").arg(e, 2, 16, QLatin1Char('0'));
    return frames;
}

// Levels for the circuit: voltage on 24, current on 25, the receivers at rx().
void circuit(zarFakeBoard* board, float volts, float amperes, std::function<float()> rx = [] { return 50.0f; })
{
    board->level = [volts, amperes, rx](quint8 address) -> float {
        return address == 24 ? volts : address == 25 ? amperes : rx();
    };
}
}
Q_DECLARE_METATYPE(Command)

#define CALL(call) Command([](zarCoreThread& t) { return t.call; })

// The job thread: frames, replies and the command set of the serial link, the
// measuring sequences built on them, its cancellable waits and the simulated board.
class TestCommands : public QObject
{
    Q_OBJECT

    zarCoreThread* link = nullptr;
    zarFakeBoard* board = nullptr;

    // The row's command is refused with its diagnostic and error 15, and nothing
    // reaches the board.
    void expectRefused()
    {
        QFETCH(Command, command);
        QFETCH(QString, diagnostic);
        zarDiagnosticCapture capture;
        QVERIFY(!command(*link));
        QCOMPARE(capture.text(), QStringLiteral("zarCoreThread error: ") + diagnostic + QStringLiteral("\n\r"));
        QCOMPARE(int(link->error().code), 15);
        QVERIFY(board->frames.isEmpty());
    }

private slots:
    // Each case on a job thread of its own, wired to a fresh fake board.
    void init()
    {
        link = new zarCoreThread;
        board = zarFakeBoard::attach(*link);
    }

    void cleanup() { delete link; }

    // A call sends its one frame; a refused call leaves its exact diagnostic line,
    // error 15 and nothing sent.
    void frames_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<QString>("result");
        QTest::newRow("sendMessage 16 bytes") << CALL(sendMessage(9, 0x0E, QByteArray(16, char(0xAB))))
                                              << "090e0010" + QStringLiteral("ab").repeated(16);
        QTest::newRow("rxStartOne") << CALL(rxStartOne(24, 3000)) << "ff0c00060bb800010000";
        QTest::newRow("clockSet") << CALL(clockSet(QDate(2026, 12, 6), QTime(21, 5, 7))) << "0529000707ea0c06150507";

        // The ends of the electrode and address ranges.
        QTest::newRow("swSet electrode 63") << CALL(swSetNoDelay(26, 0, 63)) << "1a3d00013f";
        QTest::newRow("swSet switch 42") << CALL(swSetNoDelay(42, 1, 0)) << "2a3e000100";
        QTest::newRow("rxRange receiver 8") << CALL(rxRangeNoDelay(8, 1)) << "080d000101";
        QTest::newRow("rxRange receiver 25") << CALL(rxRangeNoDelay(25, 0)) << "190d000100";

        QTest::newRow("sendMessage 17 bytes") << CALL(sendMessage(7, 0x1F, QByteArray(17, 0)))
                                              << "sendMessage dataBytes.size() exceeds 16";
        QTest::newRow("swSet electrode 64") << CALL(swSetNoDelay(26, 0, 64)) << "swSetNoDelay electrode is invalid: 64";
        QTest::newRow("swSet switch 25") << CALL(swSetNoDelay(25, 0, 0)) << "swSetNoDelay device is invalid: 25";
        QTest::newRow("swSet switch 43") << CALL(swSetNoDelay(43, 0, 0)) << "swSetNoDelay device is invalid: 43";
        QTest::newRow("rxRange receiver 7") << CALL(rxRangeNoDelay(7, 0)) << "rxRangeNoDelay device is invalid: 7";
        QTest::newRow("rxRange receiver 26") << CALL(rxRangeNoDelay(26, 0)) << "rxRangeNoDelay device is invalid: 26";
        QTest::newRow("remote transmitter on pin 1") << CALL(swSetNoDelay(30, 1, -1))
                                                     << "swSetNoDelay electrode and channelPin are invalid: 65535 1";
        // The phantom set-up puts the remote receiver on pin 0 of a receiver switch: the pin rule.
        QTest::newRow("swPhantom 30") << CALL(swPhantom(30)) << "swSetNoDelay electrode and channelPin are invalid: 65534 0";
        // An empty group is refused instead of reading a quadripole that is not there.
        QTest::newRow("swQuadripoles empty") << CALL(swQuadripoles({}, inverted)) << "swQuadripoles quadripoles is empty";
    }

    void frames()
    {
        QFETCH(Command, command);
        QFETCH(QString, result);
        zarDiagnosticCapture capture;
        const bool sent = !result.contains(QLatin1Char(' '));
        QCOMPARE(command(*link), sent);
        if (sent) {
            QCOMPARE(board->frames, QStringList({ result }));
            QVERIFY(board->input.isEmpty()); // every reply was taken whole
            QCOMPARE(int(link->error().code), 0);
        } else {
            QCOMPARE(capture.text(), QStringLiteral("zarCoreThread error: ") + result + QStringLiteral("\n\r"));
            QCOMPARE(int(link->error().code), 15);
            QVERIFY(board->frames.isEmpty());
        }
    }

    // A reply of the wrong size is dumped and discarded.
    void replySize_data()
    {
        const QString head = QStringLiteral("zarCoreThread error: no data received, wait / available: 3 / ");
        const QString last = QStringLiteral("\n\rLast sent device:command: 255:15\n\rInput buffer: ");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<QString>("dump");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("left");
        QTest::newRow("the size asked for") << QByteArray("abc") << true << QString() << 0 << "abc";
        QTest::newRow("too short") << QByteArray::fromHex("0aff") << false << head + "2" + last + "A FF \n\r" << 4 << "";
        QTest::newRow("too long") << QByteArray::fromHex("00010210ff") << false << head + "5" + last + "0 1 2 10 FF \n\r"
                                  << 4 << "";
        QTest::newRow("nothing") << QByteArray() << false << head + "0" + last + "\n\r" << 4 << "";
    }

    void replySize()
    {
        QFETCH(QByteArray, reply);
        QFETCH(bool, taken);
        QVERIFY(link->sendCommand(255, 15));
        board->input = reply;
        zarDiagnosticCapture capture;
        QCOMPARE(link->waitForData(3, 2), taken);
        QTEST(capture.text(), "dump");
        QTEST(int(link->error().code), "code");
        QTEST(QString::fromLatin1(board->input), "left");
        QCOMPARE(board->inFlushes, taken ? 0 : 1);
    }

    // 12000 bytes need about 1042 ms at 115200 baud, 10 bits a byte.
    void replyTimeoutCountsTheLine()
    {
        const int scaled = zarCoreThread::replyTimeout(500, 12000);
        QVERIFY2(scaled >= 1541 && scaled <= 1600, qPrintable(QString::number(scaled)));
    }

    void sumAndHalfDifference()
    {
        QVector<float> out { 1.0f, 2.0f };
        QVERIFY(link->sampleSum(out, { 0.5f, -4.0f }));
        QCOMPARE(out, QVector<float>({ 1.5f, -2.0f }));
        QVERIFY(link->sampleAbsHalfDifference(out, { 3.5f, 2.0f }));
        QCOMPARE(out, QVector<float>({ -1.0f, -2.0f }));
    }

    // A negative signal is as noisy as its mirror image, and a zero mean has no
    // relative deviation: neither may pass as a perfect reading.
    void deviation_data()
    {
        QTest::addColumn<QVector<float>>("samples");
        QTest::addColumn<QString>("percent");
        QTest::newRow("one sample") << QVector<float>({ 5.0f }) << "1000.0000";
        QTest::newRow("positive") << QVector<float>({ 1.0f, 3.0f }) << "70.7107";
        QTest::newRow("capped") << QVector<float>({ 1.0f, 30.0f }) << "100.0000";
        QTest::newRow("negative") << QVector<float>({ -1.0f, -3.0f }) << "70.7107";
        QTest::newRow("zero mean") << QVector<float>({ -1.0f, 1.0f }) << "100.0000";
        QTest::newRow("steady") << QVector<float>({ 2.0f, 2.0f, 2.0f }) << "0.0000";
        QTest::newRow("all zero") << QVector<float>({ 0.0f, 0.0f }) << "100.0000";
    }

    void deviation()
    {
        QFETCH(QVector<float>, samples);
        QTEST(QString::number(link->deviation(samples), 'f', 4), "percent");
    }

    // 1 battery low, 2 overheated, 3 short, 4 open circuit; anything else is illegal.
    void transmitterStates_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("code");
        QTest::newRow("battery low") << 1 << 12;
        QTest::newRow("overheated") << 2 << 13;
        QTest::newRow("short circuit") << 3 << 9;
        QTest::newRow("open circuit") << 4 << 11;
        QTest::newRow("negative") << 0x80 << 15;
        QTest::newRow("unknown 5") << 5 << 15;
    }

    void transmitterStates()
    {
        QFETCH(int, state);
        QFETCH(int, code);
        zarDiagnosticCapture capture;
        board->txStates = { quint8(state), quint8(state) };
        QCOMPARE(zarFailure(*link, link->intTxState()), code);
        QCOMPARE(zarFailure(*link, link->intTxAdjust(0x20, 50)), code);
        QVERIFY(link->intTxState()); // back to 0
    }

    void stopAllGoesOnAfterFailures()
    {
        board->refusedWrites = { 1, 3 };
        zarDiagnosticCapture capture;
        link->stopAll();
        QCOMPARE(board->frames, QStringList({ "071e000100", "061e0000", "ff0f0000", "fe3c0000", "0432000100" }));
        QCOMPARE(link->error().packed(), 3 + 256 * 254);
    }

    // Zero passes and keeps the flag for the next wait; a pending abort cancels a
    // wait and is consumed; above 30000 (or wrapped in 16 bits) is refused unseen.
    void delay_data()
    {
        QTest::addColumn<quint32>("msec");
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("flagLeft");
        QTest::newRow("zero") << 0u << -1 << true;
        QTest::newRow("30000 cancelled") << 30000u << 14 << false;
        QTest::newRow("30001 refused") << 30001u << 15 << true;
        QTest::newRow("wrapped in 16 bits") << 3277u * 20u << 15 << true;
    }

    void delay()
    {
        QFETCH(quint32, msec);
        zarDiagnosticCapture capture;
        link->abort();
        QTEST(zarFailure(*link, link->delay(msec)), "error");
        QTEST(link->abortRequested(), "flagLeft");
    }

    void degenerateQuadripolesGiveFiniteValues()
    {
        zarCoreParamET2D param;
        param.quadripoles = { zarQuadripole(0, 0, 0, 0), zarQuadripole(5, 5, 5, 5), zarQuadripole(-1, 0, -2, 0) };
        link->setEt2d(param);
        const zarCoreReportET2D report = link->simulateET2D();
        QCOMPARE(report.results.size(), 3);
        for (const zarMeasureSet& set : report.results) {
            QVERIFY(std::isfinite(set.rxVoltage));
            QVERIFY(std::isfinite(set.txCurrent));
            QVERIFY(std::isfinite(set.txVoltage));
        }
    }

    // A cancelled group still reports every row, and its sensors without error.
    void aCancelledGroupKeepsItsRows()
    {
        zarCoreParamET2D param;
        param.quadripoles = { zarQuadripole(0, 3, 1, 2), zarQuadripole(1, 4, 2, 3), zarQuadripole(2, 5, 3, 4) };
        link->setEt2d(param);
        link->abort();
        const zarCoreReportET2D report = link->simulateET2D();
        QCOMPARE(int(report.error.code), 14);
        QCOMPARE(report.results.size(), 3);
        QCOMPARE(int(report.sensorError.code), 0);
    }

    // The magnitude counts: the external supply at least 10500, moisture at most 95
    // (read up to 100); a reading that is no number fails.
    void discover_data()
    {
        const float nan = std::numeric_limits<float>::quiet_NaN();
        QTest::addColumn<float>("external");
        QTest::addColumn<float>("moisture");
        QTest::addColumn<int>("error");
        QTest::addColumn<float>("moistureRead");
        QTest::newRow("good") << 10500.0f << 95.0f << -1 << 95.0f;
        QTest::newRow("negative external counts by size") << -10500.0f << 20.0f << -1 << 20.0f;
        QTest::newRow("external low") << 10000.0f << 20.0f << 6 << 20.0f;
        QTest::newRow("external not a number") << nan << 20.0f << 6 << 20.0f;
        QTest::newRow("moisture capped") << 12600.0f << 150.0f << 7 << 100.0f;
    }

    void discover()
    {
        QFETCH(float, external);
        QFETCH(float, moisture);
        board->queued = { { 2, { external } }, { 3, { moisture } } };
        float internal = 0, externalRead = 0, moistureRead = 0;
        QTEST(zarFailure(*link, link->discover(internal, externalRead, moistureRead)), "error");
        QTEST(moistureRead, "moistureRead");
    }

    void measureWithTxAdjust()
    {
        circuit(board, 1000.0f, 10.0f, [] { return 9500.0f; });
        float current = 0.0f;
        QVERIFY(link->measureWithTxAdjust({ 9, 24, 25 }, 50, &current));
        QCOMPARE(current, 10.0f);
        // After the re-adjust; the overloaded receiver goes to range 1 at the end.
        QCOMPARE(board->frames.mid(4), QStringList({ "180d000101", "071f000132", "ff0c0006000100030002", "071e000101",
            "090a00020001", "180a00020001", "190a00020001", "0720000132", "ff0c0006000100030000", "071e000101",
            "180d000100", "180a00020001", "190a00020001", "090d000101" }));
        QCOMPARE(link->overloadList(), QVector<quint8>({ 9 }));
    }

    // 10 to 100000 ohm pass; no current at all is an open circuit, not a division by zero.
    void circuitLimits_data()
    {
        QTest::addColumn<float>("volts");
        QTest::addColumn<float>("amperes");
        QTest::addColumn<int>("error");
        QTest::newRow("10 ohm") << 1000.0f << 100.0f << -1;
        QTest::newRow("under 10 ohm is a short") << 1000.0f << 100.5f << 8;
        QTest::newRow("100000 ohm") << 6250.0f << 0.0625f << -1;
        QTest::newRow("over 100000 ohm is open") << 6250.0f << 0.0624f << 10;
        QTest::newRow("no current") << 1000.0f << 0.0f << 10;
        QTest::newRow("nothing at all") << 0.0f << 0.0f << 10;
        QTest::newRow("current without voltage") << 0.0f << 10.0f << 8;
    }

    void circuitLimits()
    {
        QFETCH(float, volts);
        QFETCH(float, amperes);
        circuit(board, volts, amperes);
        QTEST(zarFailure(*link, link->measureWithTxAdjust({ 24, 25 }, 10, nullptr)), "error");
        QTEST(zarFailure(*link, link->measureTxOutput()), "error");
    }

    void channelDeviation()
    {
        // The receiver of channel 3 sees R x 10 with R = 100, 102, 99, 105, 101 over the five settings.
        circuit(board, 1000.0f, 10.0f, [this] {
            static const float r[5] = { 100.0f, 102.0f, 99.0f, 105.0f, 101.0f };
            return r[board->lastPercent <= 4 ? board->lastPercent : 0] * 10.0f;
        });
        float result = 0.0f;
        QVERIFY(link->getChRDev(3, result));
        QVERIFY2(qAbs(result - 5.0f) < 1e-4f, qPrintable(QString::number(result)));
        QCOMPARE(board->frames.mid(0, 5), QStringList({ "1d3e000103", "1d3d000104", "2a3e000103", "2a3d000108", "fe430000" }));
        QCOMPARE(board->frames.filter(QStringLiteral("fe3c0000")).size(), 5);
    }

    // No current during a round's own pulses: open circuit, board left reset.
    void channelDeviationWithoutCurrentIsOpen()
    {
        float result = -1.0f;
        circuit(board, 1000.0f, 10.0f, [] { return 500.0f; });
        board->queued[25] = { 10.0f, -10.0f, 5.0f, 5.0f, 5.0f, 5.0f };
        QCOMPARE(zarFailure(*link, link->getChRDev(0, result)), 10);
        QCOMPARE(result, -1.0f);
        QCOMPARE(board->frames.mid(board->frames.size() - 2), QStringList({ "fe3c0000", "ff0d000100" }));
        QCOMPARE(board->frames.filter(QStringLiteral("fe3c0000")).size(), 1);
    }

    void quadripoleSwitches()
    {
        QSet<quint8> inverted { 99 };
        const QList<zarCoreQuadripole> group {
            zarQuadripole(-1, 5, 3, 4, 3),  // M on its own channel: N pin 0, M pin 1
            zarQuadripole(0, 1, 2, 6, 4),   // M elsewhere: pins exchanged, receiver 12 inverted
            zarQuadripole(0, 1, -2, 7, 5),  // remote receiver always on pin 1
        };
        QVERIFY(link->swQuadripoles(group, inverted));
        QCOMPARE(board->frames, QStringList({ "1d3d000104", "1d3e000103", "1e3e000106", "1e3d000102",
                                             "1f3d000107", "1f420000", "2a3f0000", "2a3e000105", "fe430000" }));
        QCOMPARE(inverted, QSet<quint8>({ 12 }));
    }

    // Every command's frame, and the accepted ends of its arguments: the frame goes
    // out whole, its reply is taken whole, and the thread remembers what it sent.
    void goldenFrames_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<QString>("frame");
        QTest::newRow("sendCommand") << CALL(sendCommand(255, 0x0F)) << "ff0f0000";
        QTest::newRow("ping") << CALL(ping(5, alive)) << "0000000105";
        QTest::newRow("rxRead") << CALL(rxRead(8, 3, samples)) << "080a00020003";
        QTest::newRow("rxRead battery sensor") << CALL(rxRead(1, 1, samples)) << "010a00020001";
        QTest::newRow("rxStart") << CALL(rxStart({ 8, 25, 8 }, 1)) << "ff0c0006000100020001";
        QTest::newRow("rxRangeNoDelay all receivers") << CALL(rxRangeNoDelay(255, 1)) << "ff0d000101";
        QTest::newRow("rxRange") << CALL(rxRange(24, 0)) << "180d000100";
        QTest::newRow("rxInput") << CALL(rxInput(9, 1)) << "090e000101";
        QTest::newRow("rxReset") << CALL(rxReset(255)) << "ff0f0000";
        QTest::newRow("rxCalibrate") << CALL(rxCalibrate(8, 0x12, 1)) << "081200020001";
        QTest::newRow("rxCalibrate last pulse") << CALL(rxCalibrate(25, 0x13, 1)) << "191300020001";
        QTest::newRow("rxCalibrateDefault") << CALL(rxCalibrateDefault(24)) << "18140000";
        QTest::newRow("rxCalibrateDefault all receivers") << CALL(rxCalibrateDefault(255)) << "ff140000";
        QTest::newRow("rxClear") << CALL(rxClear(8)) << "08150000";
        QTest::newRow("refTxStop") << CALL(refTxStop()) << "061e0000";
        QTest::newRow("refTxStart") << CALL(refTxStart(0x24)) << "06240000";
        QTest::newRow("intTxState") << CALL(intTxState()) << "071e000101";
        QTest::newRow("intTxAdjust full") << CALL(intTxAdjust(0x1F, 255)) << "071f0001ff";
        QTest::newRow("intTxAdjust 100 %") << CALL(intTxAdjust(0x1F, 100)) << "071f000164";
        QTest::newRow("intTxAdjust 0 %") << CALL(intTxAdjust(0x20, 0)) << "0720000100";
        QTest::newRow("intTxStartNoDelay") << CALL(intTxStartNoDelay(0x22)) << "07220000";
        QTest::newRow("intTxRead") << CALL(intTxRead(reading)) << "07230000";
        QTest::newRow("clockGet") << CALL(clockGet(clockDate, clockTime)) << "05280000";
        QTest::newRow("sound") << CALL(sound(3)) << "0432000103";
        QTest::newRow("swReset") << CALL(swReset(30)) << "1e3c0000";
        QTest::newRow("swResetAll") << CALL(swResetAll()) << "fe3c0000";
        QTest::newRow("swSet all switches") << CALL(swSetNoDelay(254, 0, 5)) << "fe3d000105";
        QTest::newRow("swSet pin 1") << CALL(swSetNoDelay(30, 1, 63)) << "1e3e00013f";
        QTest::newRow("swSet remote receiver") << CALL(swSetNoDelay(30, 1, -2)) << "1e420000";
        QTest::newRow("swSet remote transmitter") << CALL(swSetNoDelay(42, 0, -1)) << "2a3f0000";
        QTest::newRow("swApply") << CALL(swApply(42)) << "2a430000";
    }

    void goldenFrames()
    {
        QFETCH(Command, command);
        QFETCH(QString, frame);
        zarDiagnosticCapture capture;
        QVERIFY(command(*link));
        QCOMPARE(board->frames, QStringList({ frame }));
        QCOMPARE(QString::asprintf("%02x%02x", link->lastDevice(), link->lastCommand()), frame.left(4));
        QVERIFY(board->input.isEmpty()); // every reply was taken whole
        QCOMPARE(capture.text(), QString());
        QCOMPARE(int(link->error().code), 0);
    }

    // Arguments out of range are refused before anything is sent, each with its own
    // line; where several are wrong, the first checked is named.
    void refusedArguments_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<QString>("diagnostic");
        QTest::newRow("ping 43") << CALL(ping(43, alive)) << "ping device is invalid: 43";
        QTest::newRow("rxRead all receivers") << CALL(rxRead(255, 1, samples)) << "rxRead device is invalid: 255";
        QTest::newRow("rxRead 4") << CALL(rxRead(4, 1, samples)) << "rxRead device is invalid: 4";
        QTest::newRow("rxRead 0") << CALL(rxRead(0, 1, samples)) << "rxRead device is invalid: 0";
        QTest::newRow("rxRead 0 samples") << CALL(rxRead(8, 0, samples)) << "rxRead samples is invalid: 0";
        QTest::newRow("rxRead 3001 samples") << CALL(rxRead(25, 3001, samples)) << "rxRead samples is invalid: 3001";
        QTest::newRow("rxStart empty") << CALL(rxStart({}, 0)) << "rxStart devices are empty";
        QTest::newRow("rxStart samples first") << CALL(rxStart({ 26 }, 0)) << "rxStart samples is invalid: 0";
        QTest::newRow("rxStart 3001 samples") << CALL(rxStart({ 8 }, 3001)) << "rxStart samples is invalid: 3001";
        QTest::newRow("rxStart address") << CALL(rxStart({ 8, 26 }, 1)) << "rxStart devices contains an invalid address: 26";
        QTest::newRow("rxStart address 7") << CALL(rxStart({ 7 }, 1)) << "rxStart devices contains an invalid address: 7";
        QTest::newRow("rxStart broadcast") << CALL(rxStartOne(255, 1)) << "rxStart devices contains an invalid address: 255";
        QTest::newRow("rxRangeNoDelay device first") << CALL(rxRangeNoDelay(7, 2)) << "rxRangeNoDelay device is invalid: 7";
        QTest::newRow("rxRange range") << CALL(rxRange(8, 2)) << "rxRangeNoDelay range is invalid: 2";
        QTest::newRow("rxInput device") << CALL(rxInput(26, 0)) << "rxInput device is invalid: 26";
        QTest::newRow("rxInput input") << CALL(rxInput(8, 2)) << "rxInput input is invalid: 2";
        QTest::newRow("rxReset") << CALL(rxReset(254)) << "rxReset device is invalid: 254";
        QTest::newRow("rxCalibrate pulse first") << CALL(rxCalibrate(26, 0x14, 0)) << "rxCalibrate rangePulse is invalid: 20";
        QTest::newRow("rxCalibrate pulse below") << CALL(rxCalibrate(8, 0x0F, 1)) << "rxCalibrate rangePulse is invalid: 15";
        QTest::newRow("rxCalibrate device") << CALL(rxCalibrate(26, 0x13, 0)) << "rxCalibrate device is invalid: 26";
        QTest::newRow("rxCalibrate samples") << CALL(rxCalibrate(8, 0x10, 3001)) << "rxCalibrate samples is invalid: 3001";
        QTest::newRow("rxCalibrateDefault") << CALL(rxCalibrateDefault(3)) << "rxCalibrateDefault device is invalid: 3";
        QTest::newRow("rxClear") << CALL(rxClear(7)) << "rxClear device is invalid: 7";
        QTest::newRow("refTxStart") << CALL(refTxStart(0x23)) << "refTxStart pulse is invalid: 35";
        QTest::newRow("intTxAdjust pulse first") << CALL(intTxAdjust(0x21, 101)) << "intTxAdjust adjustPulse is invalid: 33";
        QTest::newRow("intTxAdjust 101") << CALL(intTxAdjust(0x1F, 101)) << "intTxAdjust voltagePercent is invalid: 101";
        QTest::newRow("intTxAdjust 254") << CALL(intTxAdjust(0x20, 254)) << "intTxAdjust voltagePercent is invalid: 254";
        QTest::newRow("intTxStart") << CALL(intTxStart(0x24)) << "intTxStartNoDelay pulse is invalid: 36";
        QTest::newRow("clockSet no date") << CALL(clockSet(QDate(), QTime(1, 2))) << "clockSet date or time is invalid";
        QTest::newRow("clockSet no time") << CALL(clockSet(QDate(2026, 1, 2), QTime())) << "clockSet date or time is invalid";
        QTest::newRow("swReset") << CALL(swReset(43)) << "swReset device is invalid: 43";
        QTest::newRow("swReset 25") << CALL(swReset(25)) << "swReset device is invalid: 25";
        QTest::newRow("swApply") << CALL(swApply(25)) << "swApply device is invalid: 25";
        QTest::newRow("swApply 43") << CALL(swApply(43)) << "swApply device is invalid: 43";
        QTest::newRow("swSet device first") << CALL(swSetNoDelay(25, 2, 64)) << "swSetNoDelay device is invalid: 25";
        QTest::newRow("swSet pin") << CALL(swSetNoDelay(26, 2, 64)) << "swSetNoDelay channelPin is invalid: 2";
        QTest::newRow("swSet electrode -3") << CALL(swSetNoDelay(26, 1, -3)) << "swSetNoDelay electrode is invalid: 65533";
        QTest::newRow("remote receiver on pin 0") << CALL(swSetNoDelay(30, 0, -2))
                                                  << "swSetNoDelay electrode and channelPin are invalid: 65534 0";
        QTest::newRow("getChRDev 16") << CALL(getChRDev(16, reading)) << "getChRDev rx is invalid: 16";
    }

    void refusedArguments() { expectRefused(); }

    // The switching sequences refuse what is no electrode or no switch, and the
    // phantom set-up asks for remote electrodes on pins they do not have: all
    // refused before anything reaches the board.
    void switchRefusals_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<QString>("diagnostic");
        QTest::newRow("swGnd 64") << CALL(swGnd(64)) << "swGnd electrode is invalid: 64";
        QTest::newRow("swGnd -3") << CALL(swGnd(-3)) << "swGnd electrode is invalid: 65533";
        QTest::newRow("swAll a receiver") << CALL(swAll(25)) << "swAll device is invalid: 25";
        QTest::newRow("swAll past the switches") << CALL(swAll(43)) << "swAll device is invalid: 43";
        QTest::newRow("swPhantom a receiver") << CALL(swPhantom(25)) << "swPhantom device is invalid: 25";
        QTest::newRow("swPhantom past the switches") << CALL(swPhantom(43)) << "swPhantom device is invalid: 43";
        QTest::newRow("swPhantom generator switch") << CALL(swPhantom(42))
                                                    << "swSetNoDelay electrode and channelPin are invalid: 65534 0";
    }

    void switchRefusals() { expectRefused(); }

    // The phantom set-up of all switches at once has nothing to send.
    void phantomOfAllSwitchesSendsNothing()
    {
        QVERIFY(link->swPhantom(254));
        QVERIFY(board->frames.isEmpty());
    }

    // The chosen electrode on its own pin of the generator switch, all others on the
    // other pin, then applied.
    void groundingSwitches_data()
    {
        QTest::addColumn<int>("electrode");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("others");
        QTest::newRow("first electrode") << 0 << "2a3e000100" << "3d";
        QTest::newRow("even electrode") << 10 << "2a3e00010a" << "3d";
        QTest::newRow("odd electrode") << 11 << "2a3d00010b" << "3e";
        QTest::newRow("last electrode") << 63 << "2a3d00013f" << "3e";
        QTest::newRow("remote transmitter") << -1 << "2a3f0001ff" << "3e";
        QTest::newRow("remote receiver") << -2 << "2a420001fe" << "3d";
    }

    void groundingSwitches()
    {
        QFETCH(int, electrode);
        QFETCH(QString, first);
        QFETCH(QString, others);
        QVERIFY(link->swGnd(qint16(electrode)));
        QCOMPARE(board->frames, QStringList({ first }) + groundedOthers(electrode, others) + QStringList({ "2a430000" }));
    }

    // Both remote electrodes, then every electrode on both pins of one switch, or of
    // all switches, then applied.
    void allSwitches_data()
    {
        QTest::addColumn<int>("device");
        QTest::newRow("first switch") << 26;
        QTest::newRow("a receiver switch") << 30;
        QTest::newRow("generator switch") << 42;
        QTest::newRow("all switches") << 254;
    }

    void allSwitches()
    {
        QFETCH(int, device);
        QVERIFY(link->swAll(zarAddress(device)));
        const QString address = QStringLiteral("%1").arg(device, 2, 16, QLatin1Char('0'));
        QStringList expected { address + "3f0000", address + "420000" };
        for (int e = 0; e < 64; ++e) {
            const QString hex = QStringLiteral("%1").arg(e, 2, 16, QLatin1Char('0'));
            expected << address + "3d0001" + hex << address + "3e0001" + hex;
        }
        QCOMPARE(board->frames, expected << address + "430000");
    }

    // The year read from the clock is kept within 2000..2100.
    void clockReplies_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QDateTime>("read");
        QTest::newRow("in range") << QByteArray::fromHex("07ea0c06150507") << QDateTime(QDate(2026, 12, 6), QTime(21, 5, 7));
        QTest::newRow("1999 raised to 2000") << QByteArray::fromHex("07cf0102030405") << QDateTime(QDate(2000, 1, 2), QTime(3, 4, 5));
        QTest::newRow("2150 lowered to 2100") << QByteArray::fromHex("08660102030405") << QDateTime(QDate(2100, 1, 2), QTime(3, 4, 5));
    }

    void clockReplies()
    {
        QFETCH(QByteArray, reply);
        board->clockReply = reply;
        QDate readDate;
        QTime readTime;
        QVERIFY(link->clockGet(readDate, readTime));
        QTEST(QDateTime(readDate, readTime), "read");
    }

    // Garbage from the clock is no reading: what the caller held stays.
    void aBadClockReplyIsRefused_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("month 13") << QByteArray::fromHex("07ea0d01030405");
        QTest::newRow("31 November") << QByteArray::fromHex("07ea0b1f030405");
        QTest::newRow("hour 24") << QByteArray::fromHex("07ea0c01180405");
        QTest::newRow("second 60") << QByteArray::fromHex("07ea0c0103043c");
    }

    void aBadClockReplyIsRefused()
    {
        QFETCH(QByteArray, reply);
        board->clockReply = reply;
        QDate readDate(2020, 5, 6);
        QTime readTime(7, 8, 9);
        zarDiagnosticCapture capture;
        QCOMPARE(zarFailure(*link, link->clockGet(readDate, readTime)), 15);
        QCOMPARE(QDateTime(readDate, readTime), QDateTime(QDate(2020, 5, 6), QTime(7, 8, 9)));
        QCOMPARE(capture.text(), QStringLiteral("zarCoreThread error: clockGet reply is invalid\n\r"));
    }

    // Samples come back in the order sent, and as many as asked for.
    void rxReadKeepsTheOrder()
    {
        board->queued[2] = { 12.5f, -1.25f };
        QVector<float> read { 9.0f, 9.0f, 9.0f };
        QVERIFY(link->rxRead(2, 2, read));
        QCOMPARE(read, QVector<float>({ 12.5f, -1.25f }));
    }

    void intTxReadDecodesTheReading()
    {
        board->txReading = -17.5f;
        float value = 0.0f;
        QVERIFY(link->intTxRead(value));
        QCOMPARE(value, -17.5f);
    }

    // A ping succeeds either way; the reply tells whether the device is there.
    void pingTellsWhetherTheDeviceAnswers_data()
    {
        QTest::addColumn<bool>("silent");
        QTest::newRow("answers") << false;
        QTest::newRow("silent") << true;
    }

    void pingTellsWhetherTheDeviceAnswers()
    {
        QFETCH(bool, silent);
        if (silent)
            board->silent.insert(3);
        bool answered = silent;
        QVERIFY(link->ping(3, answered));
        QCOMPARE(answered, !silent);
    }

    void pingAllStopsAtTheSilentDevice()
    {
        board->silent.insert(2);
        QVERIFY(!link->pingAll({ 0, 1, 2, 3 }));
        QCOMPARE(link->error().packed(), 5 + 256 * 2);
        QCOMPARE(board->frames, QStringList({ "0000000100", "0000000101", "0000000102" }));
        board->silent.clear();
        QVERIFY(link->pingAll({ 0, 1, 2, 3 }));
    }

    // One switch acknowledges with 1 byte, all switches with 17: anything else is a
    // receive failure.
    void switchAcknowledgeLength_data()
    {
        QTest::addColumn<int>("device");
        QTest::addColumn<int>("extra");
        QTest::addColumn<int>("error");
        QTest::newRow("one switch") << 30 << 0 << -1;
        QTest::newRow("all switches") << 254 << 0 << -1;
        QTest::newRow("one switch, a byte too many") << 30 << 1 << 4;
        QTest::newRow("all switches, a byte too many") << 254 << 1 << 4;
    }

    void switchAcknowledgeLength()
    {
        QFETCH(int, device);
        QFETCH(int, extra);
        board->extra = QByteArray(extra, 0);
        zarDiagnosticCapture capture;
        QTEST(zarFailure(*link, link->swSetNoDelay(zarAddress(device), 1, 7)), "error");
        QCOMPARE(capture.text().contains(QStringLiteral("Last sent device:command: %1:62\n\r").arg(device)), extra != 0);
    }

    // A failed send names the address of the frame that failed, closes the port, and
    // leaves no last frame behind.
    void aFailedSendNamesItsAddress()
    {
        board->silent.insert(3);
        QVERIFY(!link->pingAll({ 0, 3 })); // an earlier "does not respond" with its own address
        board->acceptWrites = false;
        zarDiagnosticCapture capture;
        QVERIFY(!link->sendMessage(42, 0x43, QByteArray()));
        QCOMPARE(capture.text(), QStringLiteral("\rzarCoreThread error: no data sent, port was closed\n\r"));
        QCOMPARE(link->error().text(), QStringLiteral("Can not send command 42"));
        QCOMPARE(QList<int>({ board->outFlushes, board->closes, link->lastDevice(), link->lastCommand() }),
                 QList<int>({ 1, 1, -1, -1 }));
    }

    // A receive failure after a failed send keeps that address and shows no last frame.
    void aReceiveFailureKeepsTheAddress()
    {
        board->acceptWrites = false;
        zarDiagnosticCapture capture;
        QVERIFY(!link->sendCommand(42, 0x43));
        capture.clear();
        QVERIFY(!link->waitForData(1, 1));
        QVERIFY2(capture.text().contains(QLatin1String("Last sent device:command: -1:-1\n\r")), qPrintable(capture.text()));
        QCOMPARE(link->error().packed(), 4 + 256 * 42);
    }

    // Reads of 1 to 12000 bytes; others are refused and take nothing.
    void readCountLimits_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("taken");
        QTest::addColumn<QString>("diagnostic");
        QTest::newRow("none") << 0 << 0 << "zarCoreThread error: read dataBytes is invalid: 0\n\r";
        QTest::newRow("one") << 1 << 1 << "";
        QTest::newRow("12000") << 12000 << 12000 << "";
        QTest::newRow("12001") << 12001 << 0 << "zarCoreThread error: read dataBytes is invalid: 12001\n\r";
    }

    void readCountLimits()
    {
        QFETCH(int, count);
        QFETCH(int, taken);
        board->input = QByteArray(12001, 'x');
        zarDiagnosticCapture capture;
        QCOMPARE(link->read(quint16(count)).size(), taken);
        QTEST(capture.text(), "diagnostic");
        QCOMPARE(board->input.size(), 12001 - taken);
        QCOMPARE(int(link->error().code), taken ? 0 : 15);
    }

    // A cancel during a command's settle fails the command after its frame went out;
    // long calibrations are waited for in pieces, not refused.
    void settleTimes_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<QString>("frame");
        QTest::newRow("rxRange") << CALL(rxRange(24, 0)) << "180d000100";
        QTest::newRow("rxInput") << CALL(rxInput(9, 1)) << "090e000101";
        QTest::newRow("rxReset") << CALL(rxReset(255)) << "ff0f0000";
        QTest::newRow("rxCalibrate one sample") << CALL(rxCalibrate(8, 0x11, 1)) << "081100020001";
        QTest::newRow("rxCalibrate 3000 samples") << CALL(rxCalibrate(8, 0x10, 3000)) << "081000020bb8";
        QTest::newRow("rxClear one receiver") << CALL(rxClear(8)) << "08150000";
        QTest::newRow("rxClear all receivers") << CALL(rxClear(255)) << "ff150000";
        QTest::newRow("refTxStop") << CALL(refTxStop()) << "061e0000";
        QTest::newRow("refTxStart") << CALL(refTxStart(0x21)) << "06210000";
        QTest::newRow("intTxStart") << CALL(intTxStart(0x21)) << "07210000";
        QTest::newRow("swReset") << CALL(swReset(30)) << "1e3c0000";
        QTest::newRow("swResetAll") << CALL(swResetAll()) << "fe3c0000";
        QTest::newRow("swApply") << CALL(swApply(254)) << "fe430000";
    }

    void settleTimes()
    {
        QFETCH(Command, command);
        QFETCH(QString, frame);
        link->abort();
        QCOMPARE(zarFailure(*link, command(*link)), 14);
        QCOMPARE(board->frames, QStringList({ frame }));
        QVERIFY(!link->abortRequested());
    }

    // A failed send has no settle: the pending cancel is left for the next wait.
    void noSettleAfterAFailedSend()
    {
        board->acceptWrites = false;
        zarDiagnosticCapture capture;
        link->abort();
        QCOMPARE(zarFailure(*link, link->rxReset(8)), 3);
        QVERIFY(link->abortRequested());
    }

    // The overloaded receivers go to range 1 in turn; a bad address stops the turn.
    void overloadedReceivers_data()
    {
        QTest::addColumn<QVector<quint8>>("overload");
        QTest::addColumn<int>("error");
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("none") << QVector<quint8>() << -1 << QStringList();
        QTest::newRow("two") << QVector<quint8>({ 9, 24 }) << -1 << QStringList({ "090d000101", "180d000101" });
        QTest::newRow("a bad address") << QVector<quint8>({ 9, 2, 24 }) << 15 << QStringList({ "090d000101" });
    }

    void overloadedReceivers()
    {
        QFETCH(QVector<quint8>, overload);
        zarDiagnosticCapture capture;
        link->setOverloadList(overload);
        QTEST(zarFailure(*link, link->rxRangeOverloaded()), "error");
        QTEST(board->frames, "sent");
    }

    // After a cancel the emergency stop leaves the speaker alone.
    void stopAllAfterACancelLeavesTheSpeakerAlone()
    {
        link->abort();
        QVERIFY(!link->delay(5));
        link->stopAll();
        QCOMPARE(board->frames, QStringList({ "071e000100", "061e0000", "ff0f0000", "fe3c0000" }));
    }

    // Each failure of the emergency stop is reported, and the stop goes on.
    void stopAllReportsEachFailure()
    {
        board->refusedWrites = { 1, 3 };
        zarDiagnosticCapture capture;
        link->stopAll();
        QCOMPARE(capture.text().count(QStringLiteral("no data sent, port was closed")), 2);
        QCOMPARE(board->frames.size(), 5);
    }

    // An illegal transmitter state is logged with the value the adjust read.
    void illegalTransmitterStatesAreLogged_data()
    {
        QTest::addColumn<int>("state");
        QTest::newRow("negative") << 0x80;
        QTest::newRow("unknown 5") << 5;
    }

    void illegalTransmitterStatesAreLogged()
    {
        QFETCH(int, state);
        board->txStates = { quint8(state), quint8(state) };
        zarDiagnosticCapture capture;
        link->intTxState();
        link->intTxAdjust(0x20, 50);
        QCOMPARE(capture.text(), QStringLiteral("zarCoreThread error:intTxAdjust illegal txState\n\r"
                                                "zarCoreThread error:intTxAdjust illegal txState: %1\n\r")
                                     .arg(qint8(quint8(state))));
    }

    // Series of different lengths are refused, not added up to the shorter one.
    void mismatchedSeriesAreRefused_data()
    {
        QTest::addColumn<bool>("sum");
        QTest::addColumn<QString>("diagnostic");
        QTest::newRow("sum") << true << "zarCoreThread error: sampleSum out.size() != in.size()\n\r";
        QTest::newRow("half difference") << false << "zarCoreThread error: sampleAbsHalfDifference out.size() != in.size()\n\r";
    }

    void mismatchedSeriesAreRefused()
    {
        QFETCH(bool, sum);
        zarDiagnosticCapture capture;
        QVector<float> out { 1.0f, 2.0f };
        QCOMPARE(zarFailure(*link, sum ? link->sampleSum(out, { 1.0f }) : link->sampleAbsHalfDifference(out, {})), 15);
        QCOMPARE(out, QVector<float>({ 1.0f, 2.0f }));
        QTEST(capture.text(), "diagnostic");
    }

    void average_data()
    {
        QTest::addColumn<QVector<float>>("samples");
        QTest::addColumn<float>("mean");
        QTest::addColumn<QString>("diagnostic");
        QTest::newRow("three") << QVector<float>({ 1.0f, 2.0f, 6.0f }) << 3.0f << "";
        QTest::newRow("none") << QVector<float>() << 0.0f << "zarCoreThread error: average samples is empty\n\r";
    }

    void average()
    {
        QFETCH(QVector<float>, samples);
        zarDiagnosticCapture capture;
        QTEST(link->average(samples), "mean");
        QTEST(capture.text(), "diagnostic");
    }

    // Reply time-outs never shrink below the command's own.
    void replyTimeoutKeepsTheCommandsOwn_data()
    {
        QTest::addColumn<int>("timeout");
        QTest::addColumn<int>("bytes");
        QTest::addColumn<int>("scaled");
        QTest::newRow("one byte") << 1 << 1 << 1;
        QTest::newRow("four bytes") << 500 << 4 << 500;
    }

    void replyTimeoutKeepsTheCommandsOwn()
    {
        QFETCH(int, timeout);
        QFETCH(int, bytes);
        QTEST(int(zarCoreThread::replyTimeout(quint16(timeout), bytes)), "scaled");
    }

    // The diagnostic dump of a series: its name, then one value a line.
    void printSamples()
    {
        zarDiagnosticCapture capture;
        QVERIFY(link->printSamples({ 1.5f, -2.0f, 0.1f }, QStringLiteral("rx")));
        QCOMPARE(capture.text(), QStringLiteral("rx 1.5\n\r-2\n\r0.1\n\r"));
    }

    // The sensors are pinged, then read; their magnitudes count, and are handed back
    // before they are checked.
    void discoverReadsMagnitudes()
    {
        board->queued = { { 1, { -9000.0f } }, { 2, { -10000.0f } }, { 3, { -20.0f } } };
        float internal = 0, external = 0, moisture = 0;
        QCOMPARE(zarFailure(*link, link->discover(internal, external, moisture)), 6);
        QCOMPARE(QVector<float>({ internal, external, moisture }), QVector<float>({ 9000.0f, 10000.0f, 20.0f }));
        QCOMPARE(board->frames, QStringList({ "0000000100", "0000000101", "0000000102", "0000000103",
                                             "010a00020001", "020a00020001", "030a00020001" }));
    }

    void discoverStopsAtASilentSensor()
    {
        board->silent.insert(3);
        float internal = 0, external = 0, moisture = 0;
        QVERIFY(!link->discover(internal, external, moisture));
        QCOMPARE(link->error().packed(), 5 + 256 * 3);
        QCOMPARE(board->frames.size(), 4);
    }

    // All four exchanges are made even when the first adjust fails; "battery low or
    // short circuit" is forgiven; a closed port fails. Within the minute nothing is
    // sent again.
    void reAdjust_data()
    {
        QTest::addColumn<QList<quint8>>("states");
        QTest::addColumn<bool>("open");
        QTest::addColumn<int>("error");
        QTest::newRow("all well") << QList<quint8>() << true << -1;
        QTest::newRow("overheated") << QList<quint8>({ 2 }) << true << 13;
        QTest::newRow("open circuit at the end") << QList<quint8>({ 0, 0, 0, 4 }) << true << 11;
        QTest::newRow("battery low forgiven") << QList<quint8>({ 0, 1 }) << true << -1;
        QTest::newRow("closed port") << QList<quint8>() << false << 3;
    }

    void reAdjust()
    {
        QFETCH(QList<quint8>, states);
        QFETCH(bool, open);
        board->txStates = states;
        board->acceptWrites = open;
        zarDiagnosticCapture capture;
        QTEST(zarFailure(*link, link->intTxReAdjust()), "error");
        QVERIFY(link->intTxReAdjust());
        QCOMPARE(board->frames, QStringList({ "071f0001ff", "071e000101", "07200001ff", "071e000101" }));
    }

    // Within the minute there is no re-adjust, and an overload no longer read is cleared.
    void measureWithTxAdjustWithinTheMinute()
    {
        circuit(board, 1000.0f, 10.0f, [] { return 9500.0f; });
        QVERIFY(link->measureWithTxAdjust({ 9, 24, 25 }, 50, nullptr));
        board->frames.clear();
        circuit(board, 1000.0f, 10.0f);
        QVERIFY(link->measureWithTxAdjust({ 9, 24, 25 }, 50, nullptr));
        QCOMPARE(board->frames.first(), QStringLiteral("180d000101"));
        QCOMPARE(board->frames.size(), 13);
        QVERIFY(link->overloadList().isEmpty());
    }

    // Neither registrator read on the first pulse: each counts as 0.001. Here the
    // second pulse reads -0.0095 and 0: 10.5 ohm, where a first voltage of 0
    // would make it a short.
    void measureWithoutTheRegistrators()
    {
        board->queued = { { 24, { -0.0095f } }, { 25, { 0.0f } } };
        float current = 0.0f;
        QVERIFY(link->measureWithTxAdjust({ 9 }, 50, &current));
        QCOMPARE(current, 0.0005f);
    }

    void transmitterOutputFrames()
    {
        QVERIFY(link->measureTxOutput());
        const QStringList pulse = { "ff0c0006000100030000", "071e000101", "180a00020001", "190a00020001" };
        QCOMPARE(board->frames, QStringList({ "07210000" }) + pulse + QStringList({ "07220000" }) + pulse);
    }

    // The transmitter's own state ends the output measurement.
    void transmitterOutputStopsAtTheTransmittersState()
    {
        board->txStates = { 0, 4 };
        QCOMPARE(zarFailure(*link, link->measureTxOutput()), 11);
        QCOMPARE(board->frames.size(), 8);
    }

    // No receiver voltage on the first setting: nothing to compare with.
    void channelDeviationWithoutAFirstReading()
    {
        float result = -1.0f;
        circuit(board, 1000.0f, 10.0f, [this] { return board->lastPercent == 0 ? 0.0f : 500.0f; });
        QCOMPARE(zarFailure(*link, link->getChRDev(0, result)), 10);
        QCOMPARE(result, -1.0f);
    }

    // Electrodes not used since start-up, or used longer ago than six pulses, need no
    // wait, and the current electrode A does not count; otherwise the wait is logged
    // and cancellable.
    void restWaits_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("unit");
        QTest::newRow("electrodes never used") << CALL(waitElectrodesRest({ 1, 2, -1 })) << -1 << "";
        QTest::newRow("quadripole with a used A") << CALL(waitQuadripolesRest({ zarQuadripole(5, 1, 7, 9) })) << -1 << "";
        QTest::newRow("a used electrode") << CALL(waitElectrodesRest({ 4, 5 })) << 14 << "msec...";
        QTest::newRow("a used remote receiver") << CALL(waitQuadripolesRest({ zarQuadripole(0, 1, -2, 9) })) << 14
                                                << " msec...";
    }

    void restWaits()
    {
        QFETCH(Command, command);
        QFETCH(QString, unit);
        zarMeasureSettings settings;
        settings.pulseDuration = 20; // rest 120 ms
        link->setElectrodeStates({ 5, 0xFFFE }, settings);
        link->abort(); // a wait goes through the cancellable delay
        zarDiagnosticCapture capture;
        QTEST(zarFailure(*link, command(*link)), "error");
        if (unit.isEmpty()) {
            QCOMPARE(capture.text(), QString());
            return;
        }
        const QRegularExpressionMatch match
            = QRegularExpression(QStringLiteral("^Wait (\\d+)") + QRegularExpression::escape(unit) + "\n$").match(capture.text());
        QVERIFY2(match.hasMatch(), qPrintable(capture.text()));
        QVERIFY2(match.captured(1).toInt() > 0 && match.captured(1).toInt() <= 120, qPrintable(match.captured(1)));
    }

    // Only the pulse duration of the last settings counts: used long ago is rested.
    void restWaitsForgetOldUse()
    {
        zarMeasureSettings settings;
        settings.pulseDuration = 1; // rest 6 ms
        link->setElectrodeStates({ 5 }, settings);
        QThread::msleep(20);
        link->abort();
        zarDiagnosticCapture capture;
        QVERIFY(link->waitElectrodesRest({ 5 }));
        QCOMPARE(capture.text(), QString());
    }
};

ZAR_TEST_MAIN(TestCommands)
#include "test_commands.moc"
