#include "zartestsupport.h"
#include "zarftpserver.h"

#include "service/zarftptransfer.h"

#include <QSignalSpy>
#include <QTemporaryDir>

// The FTP download on its worker thread, against the real test server.
class TestFtpTransfer : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QByteArray package;
    const QString password = QStringLiteral("Pw-87654321");

    QString root() const { return dir.path() + QStringLiteral("/root"); }
    QString target() const { return dir.path() + QStringLiteral("/download"); }
    QUrl url(int port) const { return QUrl(QStringLiteral("ftp://127.0.0.1:%1/zar_0/release.zar").arg(port)); }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(root() + QStringLiteral("/zar_0")));
        for (int i = 0; i < 300000; ++i)
            package.append(char(i * 7 + i / 251));
        QFile file(root() + QStringLiteral("/zar_0/release.zar"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(package) == package.size());
        zarFtpTransfer::setTimeouts(2000, 1000);
    }

    // Connect, login, transfer, close in this order, the progress ends at the full
    // size, and the file holds every byte.
    void goodDownload()
    {
        zarFtpServer server;
        QVERIFY(server.start(root(), password));
        zarFtpTransfer ftp;
        QList<int> stages;
        connect(&ftp, &zarFtpTransfer::sendStage, [&](int stage) { stages << stage; });
        QSignalSpy progress(&ftp, &zarFtpTransfer::sendProgress);
        QSignalSpy done(&ftp, &zarFtpTransfer::sendDone);
        QVERIFY(ftp.start(url(server.port), QStringLiteral("zarLogin"), password, target()));
        QVERIFY(!ftp.start(url(server.port), QStringLiteral("zarLogin"), password, target()));
        QVERIFY(zarWaitFor([&] { return !done.isEmpty(); }, 8000));
        QCOMPARE(done.first().at(0).toBool(), false);
        QCOMPARE(stages, QList<int>({ zarFtpTransfer::Connecting, zarFtpTransfer::LoggingIn,
                                      zarFtpTransfer::Downloading, zarFtpTransfer::Closing }));
        QCOMPARE(progress.last().at(0).toLongLong(), qint64(package.size()));
        QCOMPARE(progress.last().at(1).toLongLong(), qint64(package.size()));
        QFile file(target());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll() == package);
        QVERIFY(!ftp.isRunning());
    }

    // A cancelled transfer ends at once and reports nothing afterwards.
    void cancelReportsNothing()
    {
        zarFtpServer server;
        QVERIFY(server.start(root(), password, QStringLiteral("stall")));
        zarFtpTransfer::setTimeouts(2000, 20000);
        zarFtpTransfer ftp;
        QSignalSpy stages(&ftp, &zarFtpTransfer::sendStage);
        QSignalSpy done(&ftp, &zarFtpTransfer::sendDone);
        QSignalSpy progress(&ftp, &zarFtpTransfer::sendProgress);
        QVERIFY(ftp.start(url(server.port), QStringLiteral("zarLogin"), password, target()));
        QVERIFY(zarWaitFor([&] { return stages.size() >= 3 && !progress.isEmpty(); }, 8000));
        ftp.cancel();
        zarFtpTransfer::setTimeouts(2000, 1000);
        QVERIFY(!ftp.isRunning());
        const int reported = progress.size();
        QCoreApplication::processEvents();
        QCOMPARE(done.size(), 0);
        QCOMPARE(progress.size(), reported);
        QVERIFY(QFile::remove(target())); // closed: Windows would refuse otherwise
    }
};

ZAR_TEST_MAIN(TestFtpTransfer)
#include "test_ftptransfer.moc"
