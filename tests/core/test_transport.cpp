#include "zartestsupport.h"
#include "zarfakeboard.h"

#include "core/zarcorethread.h"

class TestTransport : public QObject
{
    Q_OBJECT

private slots:
    void frames()
    {
        zarCoreThread thread;
        zarFakeBoard* board = zarFakeBoard::attach(thread);
        QVERIFY(thread.sendCommand(255, 0x0F));
        QVERIFY(thread.sendMessage(42, 0x3E, QByteArray(1, 10)));
        QVERIFY(thread.sendMessage(7, 0x1F, QByteArray(16, char(0xAB))));
        QCOMPARE(board->hex(), QStringList({ "ff0f0000", "2a3e00010a", "071f0010" + QStringLiteral("ab").repeated(16) }));
        QCOMPARE(thread.lastDevice(), 7);
        QCOMPARE(thread.lastCommand(), 0x1F);

        zarDiagnosticCapture capture;
        QVERIFY(!thread.sendMessage(7, 0x1F, QByteArray(17, 0)));
        QCOMPARE(board->frames.size(), 3);
        QCOMPARE(int(thread.error().code), 15);
        QCOMPARE(thread.lastDevice(), -1);
        QCOMPARE(thread.lastCommand(), -1);
        QCOMPARE(capture.text(), QStringLiteral("zarCoreThread error: sendMessage dataBytes.size() exceeds 16\n\r"));
    }

    void replySize_data()
    {
        QTest::addColumn<QByteArray>("pending");
        QTest::addColumn<QString>("expected");
        const QString head = QStringLiteral("zarCoreThread error: no data received, wait / available: 3 / ");
        const QString last = QStringLiteral("\n\rLast sent device:command: 255:15\n\rInput buffer: ");
        QTest::newRow("exact") << QByteArray("abc") << QString();
        QTest::newRow("too few") << QByteArray::fromHex("0aff") << head + "2" + last + "A FF \n\r";
        QTest::newRow("too many") << QByteArray::fromHex("00010210ff") << head + "5" + last + "0 1 2 10 FF \n\r";
        QTest::newRow("none") << QByteArray() << head + "0" + last + "\n\r";
    }

    // A reply of the wrong size is dumped and discarded.
    void replySize()
    {
        QFETCH(QByteArray, pending);
        QFETCH(QString, expected);
        zarCoreThread thread;
        zarFakeBoard* board = zarFakeBoard::attach(thread);
        QVERIFY(thread.sendCommand(255, 15));
        board->input = pending;
        zarDiagnosticCapture capture;
        QCOMPARE(thread.waitForData(3, 2), expected.isEmpty());
        QCOMPARE(capture.text(), expected);
        if (expected.isEmpty()) {
            QCOMPARE(thread.read(3), pending);
            QCOMPARE(int(thread.error().code), 0);
        } else {
            QCOMPARE(int(thread.error().code), 4);
            QVERIFY(board->input.isEmpty());
            QCOMPARE(board->inFlushes, 1);
        }
    }

    void closedPortSetsErrorThreeWithTheAddress()
    {
        zarCoreThread thread;
        zarFakeBoard* board = zarFakeBoard::attach(thread);
        // An earlier "does not respond" leaves its address in the parameter...
        board->silent.insert(3);
        QVERIFY(!thread.pingAll({ 0, 3 }));
        QCOMPARE(zarCoreError(thread.error().packed()).packed(), 5 + 256 * 3);

        // ...a failed send replaces it with the address of the frame that failed.
        board->acceptWrites = false;
        zarDiagnosticCapture capture;
        QVERIFY(!thread.sendMessage(42, 0x43, QByteArray()));
        QCOMPARE(capture.text(), QStringLiteral("\rzarCoreThread error: no data sent, port was closed\n\r"));
        QCOMPARE(thread.error().text(), QStringLiteral("Can not send command 42"));
        QCOMPARE(board->outFlushes, 1);
        QCOMPARE(board->closes, 1);
        QCOMPARE(thread.lastDevice(), -1);

        // A receive failure after that leaves the parameter alone and shows -1:-1.
        capture.clear();
        QVERIFY(!thread.waitForData(1, 1));
        QVERIFY(capture.text().contains(QLatin1String("Last sent device:command: -1:-1\n\r")));
        QCOMPARE(int(thread.error().code), 4);
        QCOMPARE(int(thread.error().param), 42);
    }

    void readLimitsAndLargeReads()
    {
        zarCoreThread thread;
        zarFakeBoard* board = zarFakeBoard::attach(thread);
        board->input = QByteArray(12000, 'x');
        zarDiagnosticCapture capture;
        QVERIFY(thread.read(0).isEmpty());
        QVERIFY(thread.read(12001).isEmpty());
        QCOMPARE(int(thread.error().code), 15);
        QCOMPARE(capture.text(), QStringLiteral("zarCoreThread error: read dataBytes is invalid: 0\n\r"
                                                "zarCoreThread error: read dataBytes is invalid: 12001\n\r"));
        QCOMPARE(thread.read(12000).size(), 12000);

        // 12000 bytes need about 1042 ms at 115200 baud, 10 bits a byte.
        QVERIFY(zarCoreThread::replyTimeout(500, 12000) >= 1541);
        QVERIFY(zarCoreThread::replyTimeout(500, 12000) <= 1600);
        QCOMPARE(int(zarCoreThread::replyTimeout(1, 1)), 1);
        QCOMPARE(int(zarCoreThread::replyTimeout(500, 4)), 500);
        QVector<float> samples;
        QVERIFY(thread.rxRead(8, 3000, samples));
        QCOMPARE(samples.size(), 3000);
        QCOMPARE(samples.last(), 50.0f);
    }

    void printSamples()
    {
        zarDiagnosticCapture capture;
        zarCoreThread thread;
        QVERIFY(thread.printSamples({ 1.5f, -2.0f, 0.1f }, QStringLiteral("rx")));
        QCOMPARE(capture.text(), QStringLiteral("rx 1.5\n\r-2\n\r0.1\n\r"));
    }
};

ZAR_TEST_MAIN(TestTransport)
#include "test_transport.moc"
