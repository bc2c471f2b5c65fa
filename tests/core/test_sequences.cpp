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

private slots:
    // The magnitude counts, and the values are written before the checks: the
    // external supply must be near the internal one, moisture at most 100.
    void discover_data()
    {
        const float nan = std::numeric_limits<float>::quiet_NaN();
        QTest::addColumn<float>("internal");
        QTest::addColumn<float>("external");
        QTest::addColumn<float>("moisture");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("values");
        QTest::newRow("good") << 12000.0f << 10500.0f << 95.0f << -1 << "12000 10500 95";
        QTest::newRow("external low, signs dropped") << -9000.0f << -10000.0f << 20.0f << 6 << "9000 10000 20";
        QTest::newRow("moisture capped, external too high") << 12000.0f << 12600.0f << 150.0f << 7 << "12000 12600 100";
        QTest::newRow("external not a number") << 12000.0f << nan << 20.0f << 6 << "12000 nan 20";
    }

    void discover()
    {
        QFETCH(float, internal);
        QFETCH(float, external);
        QFETCH(float, moisture);
        zarCoreThread thread;
        zarFakeBoard* board = zarFakeBoard::attach(thread);
        board->queued = { { 1, { internal } }, { 2, { external } }, { 3, { moisture } } };
        float i = 0, e = 0, m = 0;
        QTEST(zarFailure(thread, thread.discover(i, e, m)), "error");
        QTEST(QString::asprintf("%g %g %g", double(i), double(e), double(m)), "values");
        QCOMPARE(board->frames.mid(0, 7), QStringList({ "0000000100", "0000000101", "0000000102", "0000000103",
                                                       "010a00020001", "020a00020001", "030a00020001" }));
    }

    // All four exchanges are made even when the first adjust overheats; "battery
    // low or short circuit" is forgiven; a closed port fails. Within the minute
    // nothing is sent again.
    void reAdjust_data()
    {
        QTest::addColumn<QList<quint8>>("states");
        QTest::addColumn<bool>("open");
        QTest::addColumn<int>("error");
        QTest::newRow("overheated") << QList<quint8>({ 2 }) << true << 13;
        QTest::newRow("battery low forgiven") << QList<quint8>({ 0, 1 }) << true << -1;
        QTest::newRow("closed port") << QList<quint8>() << false << 3;
    }

    void reAdjust()
    {
        QFETCH(QList<quint8>, states);
        QFETCH(bool, open);
        zarCoreThread thread;
        zarFakeBoard* board = zarFakeBoard::attach(thread);
        board->txStates = states;
        board->acceptWrites = open;
        zarDiagnosticCapture capture;
        QTEST(zarFailure(thread, thread.intTxReAdjust()), "error");
        if (open)
            QVERIFY(thread.intTxReAdjust());
        QCOMPARE(board->frames, QStringList({ "071f0001ff", "071e000101", "07200001ff", "071e000101" }));
    }

    void measureWithTxAdjust()
    {
        zarCoreThread thread;
        zarFakeBoard* board = zarFakeBoard::attach(thread);
        circuit(board, 1000.0f, 10.0f, [] { return 9500.0f; });
        float current = 0.0f;
        QVERIFY(thread.measureWithTxAdjust({ 9, 24, 25 }, 50, &current));
        QCOMPARE(current, 10.0f);
        // After the re-adjust; the overloaded receiver goes to range 1 at the end.
        QCOMPARE(board->frames.mid(4), QStringList({ "180d000101", "071f000132", "ff0c0006000100030002", "071e000101",
            "090a00020001", "180a00020001", "190a00020001", "0720000132", "ff0c0006000100030000", "071e000101",
            "180d000100", "180a00020001", "190a00020001", "090d000101" }));
        QCOMPARE(thread.overloadList(), QVector<quint8>({ 9 }));

        // Neither 24 nor 25 in the list: the first pulse counts as 0.001.
        circuit(board, 1000.0f, 10.0f);
        QVERIFY(thread.measureWithTxAdjust({ 9 }, 50, &current));
        QCOMPARE(current, std::fabs(0.001f + 10.0f) * 0.5f);
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
        QTest::newRow("current without voltage") << 0.0f << 10.0f << 8;
    }

    void circuitLimits()
    {
        QFETCH(float, volts);
        QFETCH(float, amperes);
        zarCoreThread thread;
        zarFakeBoard* board = zarFakeBoard::attach(thread);
        circuit(board, volts, amperes);
        QTEST(zarFailure(thread, thread.measureWithTxAdjust({ 24, 25 }, 10, nullptr)), "error");
        QTEST(zarFailure(thread, thread.measureTxOutput()), "error");
    }

    void channelDeviation()
    {
        zarCoreThread thread;
        zarFakeBoard* board = zarFakeBoard::attach(thread);
        // The receiver of channel 3 sees R x 10 with R = 100, 102, 99, 105, 101 over the five settings.
        circuit(board, 1000.0f, 10.0f, [board] {
            static const float r[5] = { 100.0f, 102.0f, 99.0f, 105.0f, 101.0f };
            return r[board->lastPercent <= 4 ? board->lastPercent : 0] * 10.0f;
        });
        float result = 0.0f;
        QVERIFY2(thread.getChRDev(3, result) && qAbs(result - 5.0f) < 1e-4f, qPrintable(QString::number(result)));
        QCOMPARE(board->frames.mid(0, 5), QStringList({ "1d3e000103", "1d3d000104", "2a3e000103", "2a3d000108", "fe430000" }));
        QCOMPARE(board->frames.filter(QStringLiteral("fe3c0000")).size(), 5);

        // No receiver voltage on the first setting: nothing to compare with.
        result = -1.0f;
        circuit(board, 1000.0f, 10.0f, [board] { return board->lastPercent == 0 ? 0.0f : 500.0f; });
        QCOMPARE(zarFailure(thread, thread.getChRDev(0, result)), 10);
        QCOMPARE(result, -1.0f);

        // No current during a round's own pulses: open circuit, board left reset.
        circuit(board, 1000.0f, 10.0f, [] { return 500.0f; });
        board->frames.clear();
        board->queued[25] = { 10.0f, -10.0f, 5.0f, 5.0f, 5.0f, 5.0f };
        QCOMPARE(zarFailure(thread, thread.getChRDev(0, result)), 10);
        QCOMPARE(result, -1.0f);
        QCOMPARE(board->frames.mid(board->frames.size() - 2), QStringList({ "fe3c0000", "ff0d000100" }));
        QCOMPARE(board->frames.filter(QStringLiteral("fe3c0000")).size(), 1);
    }

    // The chosen electrode on its own pin of the generator switch, all others on the other pin.
    void grounding_data()
    {
        QTest::addColumn<int>("electrode");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("others");
        QTest::newRow("first electrode") << 0 << "2a3e000100" << "3d";
        QTest::newRow("odd electrode") << 11 << "2a3d00010b" << "3e";
        QTest::newRow("last electrode") << 63 << "2a3d00013f" << "3e";
        QTest::newRow("remote transmitter") << -1 << "2a3f0001ff" << "3e";
        QTest::newRow("remote receiver") << -2 << "2a420001fe" << "3d";
    }

    void grounding()
    {
        QFETCH(int, electrode);
        QFETCH(QString, first);
        QFETCH(QString, others);
        zarCoreThread thread;
        zarFakeBoard* board = zarFakeBoard::attach(thread);
        QVERIFY(thread.swGnd(qint16(electrode)));
        QStringList expected { first };
        for (int e = 0; e < 64; ++e)
            if (e != electrode)
                expected << QStringLiteral("2a") + others + QStringLiteral("0001%1").arg(e, 2, 16, QLatin1Char('0'));
        QCOMPARE(board->frames, expected << QStringLiteral("2a430000"));
    }

    void groundingRefusesWhatIsNoElectrode_data()
    {
        QTest::addColumn<int>("electrode");
        QTest::newRow("64") << 64;
        QTest::newRow("-3") << -3;
    }

    void groundingRefusesWhatIsNoElectrode()
    {
        QFETCH(int, electrode);
        zarCoreThread thread;
        zarFakeBoard* board = zarFakeBoard::attach(thread);
        zarDiagnosticCapture capture;
        QCOMPARE(zarFailure(thread, thread.swGnd(qint16(electrode))), 15);
        QVERIFY(board->frames.isEmpty());
    }

    // Every electrode on both pins of one switch, or of all switches, then applied.
    void switchingEverything_data()
    {
        QTest::addColumn<int>("device");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("generator switch") << 42 << true;
        QTest::newRow("all switches") << 254 << true;
        QTest::newRow("a receiver") << 25 << false;
        QTest::newRow("past the switches") << 43 << false;
    }

    void switchingEverything()
    {
        QFETCH(int, device);
        QFETCH(bool, accepted);
        zarCoreThread thread;
        zarFakeBoard* board = zarFakeBoard::attach(thread);
        zarDiagnosticCapture capture;
        QCOMPARE(thread.swAll(zarAddress(device)), accepted);
        QCOMPARE(board->frames.size(), accepted ? 2 + 2 * 64 + 1 : 0);
        if (accepted)
            QCOMPARE(board->frames.last(), QStringLiteral("%1").arg(device, 2, 16, QLatin1Char('0')) + QStringLiteral("430000"));
    }

    void quadripoleSwitches()
    {
        zarCoreThread thread;
        zarFakeBoard* board = zarFakeBoard::attach(thread);
        QSet<quint8> inverted { 99 };
        const QList<zarCoreQuadripole> group {
            zarQuadripole(-1, 5, 3, 4, 3),  // M on its own channel: N pin 0, M pin 1
            zarQuadripole(0, 1, 2, 6, 4),   // M elsewhere: pins exchanged, receiver 12 inverted
            zarQuadripole(0, 1, -2, 7, 5),  // remote receiver always on pin 1
        };
        QVERIFY(thread.swQuadripoles(group, inverted));
        QCOMPARE(board->frames, QStringList({ "1d3d000104", "1d3e000103", "1e3e000106", "1e3d000102",
                                             "1f3d000107", "1f420000", "2a3f0000", "2a3e000105", "fe430000" }));
        QCOMPARE(inverted, QSet<quint8>({ 12 }));
    }

    void restWaits()
    {
        zarCoreThread thread;
        zarDiagnosticCapture capture;
        zarMeasureSettings settings;
        settings.pulseDuration = 20; // rest 120 ms
        thread.setElectrodeStates({ 5, 0xFFFE }, settings);
        // Electrodes not used since start-up have rested, and A does not count.
        QVERIFY(thread.waitElectrodesRest({ 1, 2, -1 }));
        QVERIFY(thread.waitQuadripolesRest({ zarQuadripole(5, 1, 7, 9) }));
        QCOMPARE(capture.text(), QString());

        thread.abort(); // the wait goes through the cancellable delay
        QCOMPARE(zarFailure(thread, thread.waitElectrodesRest({ 4, 5 })), 14);
        thread.abort();
        QVERIFY(!thread.waitQuadripolesRest({ zarQuadripole(0, 1, -2, 9) }));
        const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("^Wait (\\d+)msec...\n"
                                                                                "Wait (\\d+) msec...\n$")).match(capture.text());
        QVERIFY2(match.hasMatch() && match.captured(1).toInt() > 0 && match.captured(1).toInt() <= 120,
                 qPrintable(capture.text()));
    }
};

ZAR_TEST_MAIN(TestSequences)
#include "test_sequences.moc"
