#include "zartestsupport.h"
#include "zarfakeboard.h"

#include "core/zarcorethread.h"

namespace {
// Levels for the circuit: voltage on 24, current on 25, the receivers at rx().
void circuit(zarFakeBoard* board, float volts, float amperes, std::function<float()> rx = [] { return 50.0f; })
{
    board->level = [volts, amperes, rx](quint8 address) -> float {
        return address == 24 ? volts : address == 25 ? amperes : rx();
    };
}
}

class TestSequences : public QObject
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
        QVERIFY2(link->getChRDev(3, result) && qAbs(result - 5.0f) < 1e-4f, qPrintable(QString::number(result)));
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

ZAR_TEST_MAIN(TestSequences)
#include "test_sequences.moc"
