#include "zartestsupport.h"
#include "zarfakeboard.h"

#include "core/zarconstants.h"
#include "core/zarcorethread.h"
#include "core/zarserialport.h"

#include <QProcess>
#include <QStandardPaths>

#include <atomic>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {
// A socat pair of linked pseudo-terminals; a fake board on the far end collects the
// frames and answers them, on its own thread. A board that never reads leaves
// everything sent in the line's buffers.
class PtyBoard
{
public:
    explicit PtyBoard(bool reads = true)
    {
        const QString far = m_dir.filePath(QStringLiteral("board"));
        m_socat.start(QStringLiteral("socat"), { QStringLiteral("pty,raw,echo=0,link=") + core(),
                                                 QStringLiteral("pty,raw,echo=0,link=") + far });
        if (m_socat.waitForStarted(5000) && zarWaitFor([&] { return QFile::exists(core()) && QFile::exists(far); }, 5000))
            m_fd = ::open(QFile::encodeName(far).constData(), O_RDWR | O_NOCTTY);
        if (m_fd >= 0 && reads)
            m_worker = std::thread([this] { loop(); });
    }
    ~PtyBoard()
    {
        m_stop = true;
        if (m_worker.joinable())
            m_worker.join();
        if (m_fd >= 0)
            ::close(m_fd);
        m_socat.kill();
        m_socat.waitForFinished(3000);
    }
    bool isOpen() const { return m_fd >= 0; }
    QString core() const { return m_dir.filePath(QStringLiteral("core")); }
    QStringList frames()
    {
        QMutexLocker lock(&m_mutex);
        return m_board.frames;
    }
    // Runs with the board locked, so a test may change it while the line runs.
    void script(const std::function<void(zarFakeBoard&)>& change)
    {
        QMutexLocker lock(&m_mutex);
        change(m_board);
    }

private:
    void loop()
    {
        QByteArray pending;
        char chunk[4096];
        while (!m_stop) {
            pollfd p { m_fd, POLLIN, 0 };
            const ssize_t got = ::poll(&p, 1, 20) > 0 ? ::read(m_fd, chunk, sizeof chunk) : 0;
            if (got > 0)
                pending.append(chunk, int(got));
            // A frame is its four header bytes and the payload length they give.
            while (pending.size() >= 4) {
                const int size = 4 + quint8(pending.at(2)) * 256 + quint8(pending.at(3));
                if (pending.size() < size)
                    break;
                QMutexLocker lock(&m_mutex);
                m_board.write(pending.left(size));
                const QByteArray reply = m_board.read(m_board.bytesAvailable());
                pending.remove(0, size);
                if (::write(m_fd, reply.constData(), size_t(reply.size())) != reply.size())
                    return;
            }
        }
    }

    QTemporaryDir m_dir;
    QProcess m_socat;
    int m_fd = -1;
    std::atomic<bool> m_stop { false };
    std::thread m_worker;
    QMutex m_mutex;
    zarFakeBoard m_board;
};

int warnings = 0;
}

class TestSerialPort : public QObject
{
    Q_OBJECT

private slots:
    void settingsString_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("baud");
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("parity");
        QTest::addColumn<int>("stop");
        QTest::addColumn<int>("flow");
        QTest::newRow("the core's port") << corePortSettings << 115200 << int(QSerialPort::Data8)
                                         << int(QSerialPort::NoParity) << int(QSerialPort::OneStop)
                                         << int(QSerialPort::NoFlowControl);
        QTest::newRow("spaces, even parity, two stop bits, hardware flow")
            << "9600  , 7, E, 2, hw" << 9600 << int(QSerialPort::Data7) << int(QSerialPort::EvenParity)
            << int(QSerialPort::TwoStop) << int(QSerialPort::HardwareControl);
        QTest::newRow("five bits, odd parity, one and a half stop bits, xon")
            << "300,5,o,1.5,XON" << 300 << int(QSerialPort::Data5) << int(QSerialPort::OddParity)
            << int(QSerialPort::OneAndHalfStop) << int(QSerialPort::SoftwareControl);
        QTest::newRow("six bits, space parity") << "1200, 6, S, 1, off" << 1200 << int(QSerialPort::Data6)
                                                << int(QSerialPort::SpaceParity) << int(QSerialPort::OneStop)
                                                << int(QSerialPort::NoFlowControl);
        QTest::newRow("mark parity") << "19200, 8, M, 1, off" << 19200 << int(QSerialPort::Data8)
                                     << int(QSerialPort::MarkParity) << int(QSerialPort::OneStop)
                                     << int(QSerialPort::NoFlowControl);
    }

    void settingsString()
    {
        QFETCH(QString, text);
        const zarSerialPort::Settings s = zarSerialPort::parseSettings(text);
        QVERIFY(s.valid);
        QTEST(int(s.baudRate), "baud");
        QTEST(int(s.dataBits), "bits");
        QTEST(int(s.parity), "parity");
        QTEST(int(s.stopBits), "stop");
        QTEST(int(s.flowControl), "flow");
    }

    void badSettings_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("no flow control") << "115200, 8, N, 1";
        QTest::newRow("a sixth field") << "115200, 8, N, 1, off, x";
        QTest::newRow("baud not a number") << "fast, 8, N, 1, off";
        QTest::newRow("baud zero") << "0, 8, N, 1, off";
        QTest::newRow("nine data bits") << "115200, 9, N, 1, off";
        QTest::newRow("unknown parity") << "115200, 8, X, 1, off";
        QTest::newRow("three stop bits") << "115200, 8, N, 3, off";
        QTest::newRow("unknown flow control") << "115200, 8, N, 1, rts";
    }

    void badSettings()
    {
        QFETCH(QString, text);
        QVERIFY(!zarSerialPort::parseSettings(text).valid);
    }

    // Bad settings never open a port, even one that is there.
    void badSettingsNeverOpen()
    {
        PtyBoard line(false);
        QVERIFY(line.isOpen());
        zarSerialPort port(line.core(), QStringLiteral("115200, 8, N, 1"));
        QVERIFY(!port.open());
        QCOMPARE(port.write(QByteArray::fromHex("061e0000")), qint64(-1));
    }

    // A missing port fails at once and holds nothing, without a word from the
    // serial library.
    void missingPortFailsAtOnce()
    {
        warnings = 0;
        const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString&) {
            warnings += type != QtDebugMsg && type != QtInfoMsg;
        });
        zarSerialPort port(corePortName, corePortSettings);
        const qint64 written = port.write(QByteArray::fromHex("061e0000"));
        const bool open = port.isOpen();
        const qint64 available = port.bytesAvailable();
        const QByteArray read = port.read(4);
        port.flushInBuffer();
        port.flushOutBuffer();
        qInstallMessageHandler(previous);
        QCOMPARE(written, qint64(-1));
        QVERIFY(!open);
        QCOMPARE(available, qint64(0));
        QVERIFY(read.isEmpty());
        QCOMPARE(warnings, 0);
    }

    // A port never written to is never opened, and holds nothing.
    void anUnusedPortHoldsNothing()
    {
        zarSerialPort port(corePortName, corePortSettings);
        QCOMPARE(port.bytesAvailable(), qint64(0));
        QVERIFY(port.read(4).isEmpty());
        port.flushInBuffer();
        port.flushOutBuffer();
        port.close();
        QVERIFY(!port.isOpen());
    }

    // The emergency stop on a missing port reports each of its five failures and ends.
    void theEmergencyStopOnAMissingPort()
    {
        zarDiagnosticCapture capture;
        zarCoreThread thread;
        thread.setPanic();
        thread.start();
        QVERIFY(thread.wait(10000));
        QCOMPARE(capture.text().count(QStringLiteral("\rzarCoreThread error: no data sent, port was closed\n")), 5);
        QCOMPARE(thread.error().text(), QStringLiteral("Can not send command 4"));
    }

    // A board that stays silent is a receive failure after the time-out, and the
    // line stays usable.
    void aSilentBoardLeavesTheLineUsable()
    {
        PtyBoard peer;
        QVERIFY(peer.isOpen());
        zarCoreThread thread;
        thread.setSerialDevice(std::unique_ptr<zarSerialDevice>(new zarSerialPort(peer.core(), corePortSettings)));
        bool alive = false;
        peer.script([](zarFakeBoard& board) { board.mute = true; });
        zarDiagnosticCapture capture;
        QCOMPARE(zarFailure(thread, thread.ping(1, alive)), 4);
        QVERIFY2(capture.text().contains(QLatin1String("Last sent device:command: 0:0\n\rInput buffer: \n\r")),
                 qPrintable(capture.text()));
        peer.script([](zarFakeBoard& board) { board.mute = false; });
        QVERIFY(thread.ping(2, alive));
        QVERIFY(alive);
    }

    void throughAPseudoTerminal()
    {
        // The scripts install socat: its absence is a broken set-up, never a pass.
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("socat")).isEmpty(),
                 "socat is missing: install it (scripts/setup.sh lists it)");
        { // Bytes that never leave the computer are no frame sent.
            PtyBoard stalled(false);
            QVERIFY(stalled.isOpen());
            zarSerialPort port(stalled.core(), corePortSettings);
            const QByteArray flood(8 << 20, 'x');
            const qint64 written = port.write(flood);
            QVERIFY2(written < flood.size(), qPrintable(QString::number(written)));
        }
        PtyBoard peer;
        QVERIFY(peer.isOpen());
        {
            zarCoreThread thread;
            thread.setSerialDevice(std::unique_ptr<zarSerialDevice>(new zarSerialPort(peer.core(), corePortSettings)));
            bool alive = false;
            QVERIFY(thread.ping(5, alive));
            QVERIFY(alive);
            QVector<float> samples;
            QVERIFY(thread.rxRead(8, 3000, samples));
            QCOMPARE(samples, QVector<float>(3000, 50.0f));
            QVERIFY(thread.swSetNoDelay(254, 0, 5)); // 17 acknowledge bytes
        }
        QCOMPARE(peer.frames(), QStringList({ "0000000105", "080a00020bb8", "fe3d000105" }));

        // The emergency stop through the job thread, which opens the port itself.
        warnings = 0;
        const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString&) {
            warnings += type != QtDebugMsg && type != QtInfoMsg;
        });
        {
            zarCoreThread thread;
            thread.setSerialDevice(std::unique_ptr<zarSerialDevice>(new zarSerialPort(peer.core(), corePortSettings)));
            thread.setPanic();
            thread.start();
            QVERIFY(thread.wait(10000));
            QCOMPARE(int(thread.error().code), 0);
        }
        qInstallMessageHandler(previous);
        QCOMPARE(warnings, 0);
        QVERIFY(zarWaitFor([&] { return peer.frames().size() >= 8; }));
        QCOMPARE(peer.frames().mid(3), QStringList({ "071e000100", "061e0000", "ff0f0000", "fe3c0000", "0432000100" }));
    }
};

ZAR_TEST_MAIN(TestSerialPort)
#include "test_serialport.moc"
