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
// A socat pair of linked pseudo-terminals; the board's end collects frames and
// answers them through a fake board, on its own thread. Never outlives the test.
class PtyBoard
{
public:
    // A board that never reads leaves everything sent in the line's buffers.
    explicit PtyBoard(bool reads = true)
    {
        const QString board = m_dir.filePath(QStringLiteral("board"));
        m_socat.start(QStringLiteral("socat"), { QStringLiteral("pty,raw,echo=0,link=") + core(),
                                                 QStringLiteral("pty,raw,echo=0,link=") + board });
        if (m_socat.waitForStarted(5000)
            && zarWaitFor([&] { return QFile::exists(core()) && QFile::exists(board); }, 5000)
            && (m_fd = ::open(QFile::encodeName(board).constData(), O_RDWR | O_NOCTTY)) >= 0 && reads)
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
    // Runs with the board locked, so a test may script it while the peer runs.
    template <typename F> void script(F f)
    {
        QMutexLocker lock(&m_mutex);
        f(m_board);
    }

private:
    void loop()
    {
        QByteArray pending;
        while (!m_stop) {
            pollfd p { m_fd, POLLIN, 0 };
            if (::poll(&p, 1, 20) <= 0 || !(p.revents & POLLIN))
                continue;
            char chunk[4096];
            const ssize_t got = ::read(m_fd, chunk, sizeof chunk);
            if (got <= 0)
                continue;
            pending.append(chunk, int(got));
            while (pending.size() >= 4) {
                const int size = 4 + ((quint8(pending.at(2)) << 8) | quint8(pending.at(3)));
                if (pending.size() < size)
                    break;
                QByteArray reply;
                {
                    QMutexLocker lock(&m_mutex);
                    m_board.write(pending.left(size));
                    reply = m_board.read(m_board.bytesAvailable());
                }
                pending.remove(0, size);
                if (!reply.isEmpty() && ::write(m_fd, reply.constData(), size_t(reply.size())) != reply.size())
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
    // Spaces are ignored; letters name parity and flow control.
    void settings()
    {
        const zarSerialPort::Settings s = zarSerialPort::parseSettings(QStringLiteral("9600  , 7, E, 2, hw"));
        QVERIFY(s.valid);
        QCOMPARE(int(s.baudRate), 9600);
        QCOMPARE(s.dataBits, QSerialPort::Data7);
        QCOMPARE(s.parity, QSerialPort::EvenParity);
        QCOMPARE(s.stopBits, QSerialPort::TwoStop);
        QCOMPARE(s.flowControl, QSerialPort::HardwareControl);
    }

    void badSettings_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("no flow control") << "115200, 8, N, 1";
        QTest::newRow("nine data bits") << "115200, 9, N, 1, off";
        QTest::newRow("unknown parity") << "115200, 8, X, 1, off";
    }

    void badSettings()
    {
        QFETCH(QString, text);
        QVERIFY(!zarSerialPort::parseSettings(text).valid);
    }

    // A missing port fails at once.
    void aMissingPortFailsAtOnce()
    {
        zarSerialPort port(corePortName, corePortSettings);
        QCOMPARE(port.write(QByteArray::fromHex("061e0000")), qint64(-1));
        QVERIFY(!port.isOpen());
        QCOMPARE(port.bytesAvailable(), qint64(0));
        QVERIFY(port.read(4).isEmpty());
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
            peer.script([](zarFakeBoard& board) { board.queued[8] = { 1.5f, -2.25f }; });

            bool alive = false;
            QVERIFY(thread.ping(5, alive));
            QVERIFY(alive);
            QVector<float> samples;
            QVERIFY(thread.rxRead(8, 3000, samples));
            QCOMPARE(samples.size(), 3000);
            QCOMPARE(samples.mid(0, 3) << samples.last(), QVector<float>({ 1.5f, -2.25f, 50.0f, 50.0f }));
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
