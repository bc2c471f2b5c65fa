#include "zartestsupport.h"
#include "zarfakeboard.h"

#include "core/zarcorethread.h"

#include <functional>

namespace {
typedef std::function<bool(zarCoreThread&)> Command;
QSet<quint8> inverted;
}
Q_DECLARE_METATYPE(Command)

#define CALL(call) Command([](zarCoreThread& t) { return t.call; })

// Frames, replies and the command set of the serial link.
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
        QTest::newRow("sendCommand") << CALL(sendCommand(255, 0x0F)) << "ff0f0000";
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

    // After a cancel the speaker is left alone.
    void stopAllAfterACancelIsSilent()
    {
        link->abort();
        QVERIFY(!link->delay(5));
        link->stopAll();
        QCOMPARE(board->frames.size(), 4);
    }
};

ZAR_TEST_MAIN(TestCommands)
#include "test_commands.moc"
