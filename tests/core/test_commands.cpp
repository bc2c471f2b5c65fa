#include "zartestsupport.h"
#include "zarfakeboard.h"

#include "core/zarcorethread.h"

#include <cmath>

namespace {
typedef std::function<bool(zarCoreThread&)> Command;
QSet<quint8> inverted;

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
};

ZAR_TEST_MAIN(TestCommands)
#include "test_commands.moc"
