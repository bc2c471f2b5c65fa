#include "zartestsupport.h"

#include "core/zarconstants.h"
#include "frame/zarsystemwidget.h"
#include "service/zarftptransfer.h"
#include "service/zarupdatewidget.h"

#include <QCryptographicHash>
#include <QProcess>
#include <QTcpServer>

// The updater and its FTP transfer against the real test server (port in "auxServer"):
// release information, package, checksum, the package set aside as "zarLast", the quit.
class TestUpdateWidget : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QByteArray package;
    int quits = 0;
    QProcess server;  // zarftpserver.py on Debian's python3-pyftpdlib, on 127.0.0.1
    QTcpServer listener;
    int port = 0;

    QString root() const { return dir.path() + QStringLiteral("/root"); }
    static QString last() { return tmpDir + "zarLast"; }
    static QString download() { return tmpDir + downloadFileName; }
    QString md5() const { return QString::fromLatin1(QCryptographicHash::hash(package, QCryptographicHash::Md5).toHex()); }

    static void writeFile(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
    }
    static QByteArray readFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void setAuxServer(const QString& name)
    {
        QFile file(systemDir + "auxServer");
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QDataStream stream(&file);
        stream << name;
    }

    // The server in mode on a free port, with the release information info, named in
    // "auxServer". "down": nothing listens.
    bool serve(const QString& info, const QString& mode = QStringLiteral("normal"), const QString& password = updatePassword)
    {
        writeFile(root() + QStringLiteral("/zar_0/info.zar"), info.toLatin1());
        listener.listen(QHostAddress::LocalHost, 0);
        port = listener.serverPort();
        listener.close();
        if (mode != QLatin1String("down")) {
            server.start(QStringLiteral("/usr/bin/python3"),
                         { QStringLiteral(ZAR_SOURCE_DIR "/tests/service/zarftpserver.py"), root(), password, mode });
            QByteArray line;
            while (!line.endsWith('\n') && server.waitForReadyRead(5000))
                line += server.readLine();
            port = line.startsWith("PORT ") ? line.mid(5).trimmed().toInt() : 0;
        }
        setAuxServer(QStringLiteral("127.0.0.1:%1").arg(port));
        return port > 0;
    }
    static bool waitForText(zarUpdateWidget& screen, const QString& start)
    {
        return zarWaitFor([&] { return screen.messageLabel->text().startsWith(start); }, 8000);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(tmpDir) && QDir().mkpath(systemDir) && QDir().mkpath(root() + QStringLiteral("/zar_0")));
        for (int i = 0; i < 200000; ++i)
            package.append(char(i % 253));
        writeFile(root() + QStringLiteral("/zar_0/release.zar"), package);
        zarFtpTransfer::setTimeouts(2000, 1000);
        zarUpdateWidget::setRestartDelay(20);
        zarUpdateWidget::setQuitHandler([this] { ++quits; });
    }

    void init()
    {
        quits = 0;
        QDir(last()).removeRecursively();
        QFile::remove(last());
        QFile::remove(download());
        zarSystemWidget::setBusy(false);
    }

    void cleanup()
    {
        server.kill();
        server.waitForFinished(5000);
        listener.close();
    }

    void serverName_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("server");
        QTest::newRow("host") << "ftp.example.invalid" << "ftp.example.invalid";
        QTest::newRow("host and port") << "127.0.0.1:2121" << "127.0.0.1:2121";
        QTest::newRow("empty name") << "" << updateHost;
        QTest::newRow("credentials") << "user:secret@host.invalid" << updateHost;
        QTest::newRow("blank") << "host .invalid" << updateHost;
        QTest::newRow("path") << "host.invalid/evil" << updateHost;
        QTest::newRow("user only") << "user@host.invalid" << updateHost;
        QTest::newRow("port not a number") << "host.invalid:21a" << updateHost;
    }
    // "auxServer" names a host, optionally with a port; anything else falls back to the built-in host.
    void serverName()
    {
        QFETCH(QString, content);
        setAuxServer(content);
        QTEST(zarUpdateWidget::server(), "server");
    }

    void update_data()
    {
        QTest::addColumn<QString>("info");  // "<md5>": the package's checksum
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("before");  // "file" or "folder" stands as "zarLast"; "full disk" takes the download
        QTest::addColumn<QString>("message");
        const QString pw = updatePassword, newer = QStringLiteral("2 <md5>\nmore words");
        QTest::newRow("same release") << "1 <md5>" << "normal" << pw << "" << "There is no update yet";
        QTest::newRow("release 0") << "0 <md5>" << "normal" << pw << "" << "There is no update yet";
        QTest::newRow("empty information") << "" << "normal" << pw << "" << "There is no update yet";
        QTest::newRow("server down") << newer << "down" << pw << "" << "Network error\n(";
        QTest::newRow("wrong password") << newer << "normal" << "not-the-one" << "" << "Network error\n(";
        QTest::newRow("good") << newer << "normal" << pw << "" << "Restarting...";
        QTest::newRow("old zarLast present") << newer << "normal" << pw << "file" << "Restarting...";
        QTest::newRow("zarLast cannot be replaced") << newer << "normal" << pw << "folder" << "System error";
        QTest::newRow("no SIZE reply") << newer << "nosize" << pw << "" << "Restarting...";
        QTest::newRow("wrong checksum") << "2 " + QString(32, '0') << "normal" << pw << "file" << "Downloaded update is corrupted";
        QTest::newRow("truncated package") << newer << "truncate" << pw << "" << "Network error\n(";
        QTest::newRow("download cannot be written out") << newer << "normal" << pw << "full disk" << "Network error\n(";
        QTest::newRow("falls silent mid-transfer") << newer << "stall" << pw << "" << "Network error\n(Timeout";
    }
    // Only a complete package with the right checksum is set aside and ends the program,
    // once; a package of an earlier attempt never survives in its place. A failure
    // shows its reason, never the password.
    void update()
    {
        QFETCH(QString, info);
        QFETCH(QString, mode);
        QFETCH(QString, password);
        QFETCH(QString, before);
        QFETCH(QString, message);
        if (before == QLatin1String("file"))
            writeFile(last(), "an older package");
        if (before == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(last() + QStringLiteral("/in use")));
        if (before == QLatin1String("full disk"))
            QVERIFY(QFile::link(QStringLiteral("/dev/full"), download()));
        QVERIFY(serve(info.replace("<md5>", md5()), mode, password));
        zarUpdateWidget screen;
        QVERIFY(zarWaitFor([&] {
            const QString text = screen.messageLabel->text();
            return text == QLatin1String("Update is available") || text.startsWith(message);
        }, 8000));
        if (screen.downloadPushButton->isVisibleTo(&screen))
            screen.downloadPushButton->click();
        QVERIFY2(waitForText(screen, message), qPrintable(screen.messageLabel->text()));
        const bool good = message == QLatin1String("Restarting...");
        QVERIFY(zarWaitFor([&] { return quits > 0 || !good; }, 2000));
        QCOMPARE(quits, int(good));
        QCOMPARE(readFile(last()), good ? package : before == QLatin1String("file") ? QByteArray("an older package") : QByteArray());
        QVERIFY(!screen.messageLabel->text().contains(updatePassword));
    }

    // Closing the screen mid-transfer cancels it: nothing of it lands afterwards (no
    // late report, rename or quit) and the partial download is gone.
    void closedMidTransfer()
    {
        QVERIFY(serve(QStringLiteral("2 ") + md5(), QStringLiteral("stall")));
        zarFtpTransfer::setTimeouts(2000, 20000);
        zarUpdateWidget screen;
        QVERIFY(waitForText(screen, QStringLiteral("Update is available")));
        screen.downloadPushButton->click();
        QVERIFY(waitForText(screen, QStringLiteral("Downloading...")));
        screen.close();
        zarFtpTransfer::setTimeouts(2000, 1000);
        QVERIFY(!screen.isTransferring());
        QCoreApplication::processEvents();
        QCOMPARE(screen.messageLabel->text(), QStringLiteral("Downloading..."));
        QCOMPARE(quits, 0);
        QVERIFY(!QFile::exists(download()) && !QFile::exists(last()));
    }

    // A measurement started while the screen is open stops the download before it
    // begins, and the quit after a verified one; the set-aside package is withdrawn.
    void busyIsCheckedAgain()
    {
        QVERIFY(serve(QStringLiteral("2 ") + md5()));
        zarUpdateWidget::setRestartDelay(60000);
        zarUpdateWidget screen;
        QVERIFY(waitForText(screen, QStringLiteral("Update is available")));
        zarSystemWidget::setBusy(true);
        screen.downloadPushButton->click();
        QCOMPARE(screen.messageLabel->text(), QStringLiteral("Stop all activities to update"));
        QVERIFY(!screen.isTransferring());
        zarSystemWidget::setBusy(false);
        QVERIFY(QMetaObject::invokeMethod(&screen, "onDownload"));
        QVERIFY(waitForText(screen, QStringLiteral("Restarting...")));
        QVERIFY(QFile::exists(last()));
        zarSystemWidget::setBusy(true);
        QVERIFY(QMetaObject::invokeMethod(&screen, "onRestart"));
        zarUpdateWidget::setRestartDelay(20);
        QCOMPARE(quits, 0);
        QCOMPARE(screen.messageLabel->text(), QStringLiteral("Stop all activities to update"));
        QVERIFY(screen.closePushButton->isEnabled());
        QVERIFY(!QFile::exists(last()));
    }

    void progress_data()
    {
        QTest::addColumn<qint64>("total");
        QTest::addColumn<int>("value");
        QTest::newRow("1 of 8 rounds up") << qint64(8) << 13;
        QTest::newRow("no size") << qint64(0) << 42;
    }
    // The percentage of the transfer; a transfer of unknown size leaves the bar alone.
    void progress()
    {
        QFETCH(qint64, total);
        QVERIFY(serve(QString(), QStringLiteral("down")));
        zarUpdateWidget screen;
        screen.progressBar->setValue(42);
        QVERIFY(QMetaObject::invokeMethod(&screen, "onDataTransferProgress", Q_ARG(qint64, 1), Q_ARG(qint64, total)));
        QTEST(screen.progressBar->value(), "value");
    }
};

ZAR_TEST_MAIN(TestUpdateWidget)
#include "test_updatewidget.moc"
