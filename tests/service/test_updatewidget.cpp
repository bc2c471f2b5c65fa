#include "zartestsupport.h"
#include "zarftpserver.h"

#include "core/zarconstants.h"
#include "frame/zarsystemwidget.h"
#include "service/zarftptransfer.h"
#include "service/zarupdatewidget.h"

#include <QCryptographicHash>
#include <QPointer>
#include <QSignalSpy>

// The updater against the real test server: release information, package, checksum,
// the package set aside as "zarLast" and the quit.
class TestUpdateWidget : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QByteArray packageBytes;
    int quits = 0;

    QString root() const { return dir.path() + QStringLiteral("/root"); }
    static QString last() { return tmpDir + "zarLast"; }
    static QString download() { return tmpDir + downloadFileName; }
    QString md5() const { return QString::fromLatin1(QCryptographicHash::hash(packageBytes, QCryptographicHash::Md5).toHex()); }

    static void writeFile(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), qint64(bytes.size()));
    }

    static QByteArray readFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void writeInfo(const QString& text) { writeFile(root() + QStringLiteral("/zar_0/info.zar"), text.toLatin1()); }

    static void setAuxServer(const QString& name)
    {
        QFile file(systemDir + "auxServer");
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QDataStream stream(&file);
        stream << name;
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
            packageBytes.append(char(i % 253));
        writeFile(root() + QStringLiteral("/zar_0/release.zar"), packageBytes);
        zarFtpTransfer::setTimeouts(2000, 1000);
        zarUpdateWidget::setRestartDelay(20);
        zarUpdateWidget::setQuitHandler([this] { ++quits; });
    }

    void init()
    {
        quits = 0;
        QFile::remove(last());
        QFile::remove(download());
        QFile::remove(systemDir + "auxServer");
        zarSystemWidget::setBusy(false);
    }

    void serverName_data()
    {
        QTest::addColumn<bool>("file");
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("server");
        QTest::newRow("no file") << false << "" << updateHost;
        QTest::newRow("empty name") << true << "" << updateHost;
        QTest::newRow("host") << true << "ftp.example.invalid" << "ftp.example.invalid";
        QTest::newRow("host and port") << true << "127.0.0.1:2121" << "127.0.0.1:2121";
        QTest::newRow("path") << true << "host.invalid/evil" << updateHost;
        QTest::newRow("credentials") << true << "user:secret@host.invalid" << updateHost;
        QTest::newRow("blank") << true << "host .invalid" << updateHost;
        QTest::newRow("port not a number") << true << "host.invalid:21a" << updateHost;
    }

    // "auxServer" names a host, optionally with a port; anything else falls back to the built-in host.
    void serverName()
    {
        QFETCH(bool, file);
        QFETCH(QString, content);
        QFETCH(QString, server);
        if (file)
            setAuxServer(content);
        QCOMPARE(zarUpdateWidget::server(), server);
    }

    void releaseInformation_data()
    {
        QTest::addColumn<QString>("info");
        QTest::addColumn<QString>("message");
        QTest::newRow("same release") << "1 0123456789abcdef0123456789abcdef" << "There is no update yet";
        QTest::newRow("release 0") << "0 0123456789abcdef0123456789abcdef" << "There is no update yet";
        QTest::newRow("negative") << "-4 0123456789abcdef0123456789abcdef" << "There is no update yet";
        QTest::newRow("empty file") << "" << "There is no update yet";
        QTest::newRow("text first") << "release 2 abc" << "There is no update yet";
        QTest::newRow("newer") << "2 0123456789abcdef0123456789abcdef\nmore words" << "Update is available";
        QTest::newRow("newer without checksum") << "7" << "Update is available";
    }

    // The information decides whether the download is offered; its file is removed.
    void releaseInformation()
    {
        QFETCH(QString, info);
        QFETCH(QString, message);
        writeInfo(info);
        zarFtpServer server;
        QVERIFY(server.start(root(), updatePassword));
        setAuxServer(QStringLiteral("127.0.0.1:%1").arg(server.port));
        zarUpdateWidget screen;
        QVERIFY(waitForText(screen, message));
        QCOMPARE(screen.downloadPushButton->isVisibleTo(&screen), message == QLatin1String("Update is available"));
        QCOMPARE(screen.downloadPushButton->isEnabled(), true);
        QVERIFY(!QFile::exists(download()));
    }

    void package_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("checksum");
        QTest::addColumn<bool>("oldLast");
        QTest::addColumn<QString>("message");
        QTest::newRow("good") << "normal" << "right" << false << "Restarting...";
        QTest::newRow("old zarLast present") << "normal" << "right" << true << "Restarting...";
        QTest::newRow("no SIZE reply") << "nosize" << "right" << false << "Restarting...";
        QTest::newRow("wrong checksum") << "normal" << "wrong" << false << "Downloaded update is corrupted";
        QTest::newRow("checksum in capitals") << "normal" << "upper" << false << "Downloaded update is corrupted";
        QTest::newRow("truncated package") << "truncate" << "right" << false << "Network error\n(";
        QTest::newRow("dropped connection") << "drop" << "right" << false << "Network error\n(";
        QTest::newRow("silent server") << "stall" << "right" << false << "Network error\n(Timeout";
    }

    // Only a complete package with the right checksum is set aside and ends the program,
    // once; a package of an earlier attempt never survives in its place.
    void package()
    {
        QFETCH(QString, mode);
        QFETCH(QString, checksum);
        QFETCH(bool, oldLast);
        QFETCH(QString, message);
        const QString sum = checksum == QLatin1String("right") ? md5()
                            : checksum == QLatin1String("upper") ? md5().toUpper()
                                                                 : QStringLiteral("00000000000000000000000000000000");
        writeInfo(QStringLiteral("2 ") + sum);
        if (oldLast)
            writeFile(last(), "an older package");
        zarFtpServer server;
        QVERIFY(server.start(root(), updatePassword, mode));
        setAuxServer(QStringLiteral("127.0.0.1:%1").arg(server.port));
        zarUpdateWidget screen;
        QVERIFY(waitForText(screen, QStringLiteral("Update is available")));
        screen.downloadPushButton->click();
        QVERIFY(!screen.downloadPushButton->isEnabled());
        QVERIFY2(waitForText(screen, message), qPrintable(screen.messageLabel->text()));
        const bool good = message == QLatin1String("Restarting...");
        QVERIFY(zarWaitFor([&] { return quits > 0 || !good; }, 2000));
        QCOMPARE(quits, int(good));
        QCOMPARE(screen.closePushButton->isEnabled(), !good);
        QCOMPARE(readFile(last()), good ? packageBytes : oldLast ? QByteArray("an older package") : QByteArray());
        QVERIFY(!screen.messageLabel->text().contains(updatePassword));
    }

    void networkFailures_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("password");
        QTest::newRow("server down") << "" << updatePassword;
        QTest::newRow("wrong password") << "normal" << "not-the-one";
        QTest::newRow("silent server") << "silent" << updatePassword;
    }

    // A failure while reading the information: "Network error" with the reason,
    // which never shows the password; nothing is offered.
    void networkFailures()
    {
        QFETCH(QString, mode);
        QFETCH(QString, password);
        writeInfo(QStringLiteral("2 ") + md5());
        zarFtpServer server;
        int port = zarFtpServer::closedPort();
        if (!mode.isEmpty()) {
            QVERIFY(server.start(root(), password, mode));
            port = server.port;
        }
        setAuxServer(QStringLiteral("127.0.0.1:%1").arg(port));
        zarUpdateWidget screen;
        QVERIFY(waitForText(screen, QStringLiteral("Network error\n(")));
        const QString text = screen.messageLabel->text();
        QVERIFY2(text.size() > 16 && text.endsWith(QLatin1Char(')')), qPrintable(text));
        QVERIFY2(!text.contains(updatePassword) && !text.contains(QLatin1Char('@')), qPrintable(text));
        QVERIFY(!screen.downloadPushButton->isVisibleTo(&screen) && screen.closePushButton->isEnabled());
    }

    // Closing the screen mid-transfer, through the system menu, cancels it: no late
    // rename, no quit, and the partial download is gone.
    void closedMidTransfer()
    {
        writeInfo(QStringLiteral("2 ") + md5());
        zarFtpServer server;
        QVERIFY(server.start(root(), updatePassword, QStringLiteral("stall")));
        setAuxServer(QStringLiteral("127.0.0.1:%1").arg(server.port));
        zarFtpTransfer::setTimeouts(2000, 20000);
        zarSystemWidget menu;
        QVERIFY(QMetaObject::invokeMethod(&menu, "onUpdate"));
        QPointer<zarUpdateWidget> screen = qobject_cast<zarUpdateWidget*>(menu.openScreen());
        QVERIFY(screen);
        QVERIFY(waitForText(*screen, QStringLiteral("Update is available")));
        screen->downloadPushButton->click();
        QVERIFY(waitForText(*screen, QStringLiteral("Downloading...")));
        screen->closePushButton->click();
        zarFtpTransfer::setTimeouts(2000, 1000);
        QVERIFY(!screen->isTransferring());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!screen && !menu.openScreen());
        QCoreApplication::processEvents();
        QCOMPARE(quits, 0);
        QVERIFY(!QFile::exists(download()) && !QFile::exists(last()));
    }

    // A measurement started while the screen is open stops the download before it
    // begins, and the quit after a verified one; the set-aside package is withdrawn.
    void busyIsCheckedAgain()
    {
        writeInfo(QStringLiteral("2 ") + md5());
        zarFtpServer server;
        QVERIFY(server.start(root(), updatePassword));
        setAuxServer(QStringLiteral("127.0.0.1:%1").arg(server.port));
        {
            zarUpdateWidget screen;
            QVERIFY(waitForText(screen, QStringLiteral("Update is available")));
            zarSystemWidget::setBusy(true);
            screen.downloadPushButton->click();
            QCOMPARE(screen.messageLabel->text(), QStringLiteral("Stop all activities to update"));
            QVERIFY(!screen.progressBar->isVisibleTo(&screen) && !QFile::exists(download()));
        }
        zarSystemWidget::setBusy(false);
        zarUpdateWidget::setRestartDelay(60000);
        zarUpdateWidget screen;
        QVERIFY(waitForText(screen, QStringLiteral("Update is available")));
        screen.downloadPushButton->click();
        QVERIFY(waitForText(screen, QStringLiteral("Restarting...")));
        QVERIFY(QFile::exists(last()));
        zarSystemWidget::setBusy(true);
        QVERIFY(QMetaObject::invokeMethod(&screen, "onRestart"));
        zarUpdateWidget::setRestartDelay(20);
        QCOMPARE(quits, 0);
        QCOMPARE(screen.messageLabel->text(), QStringLiteral("Stop all activities to update"));
        QVERIFY(screen.closePushButton->isEnabled() && !QFile::exists(last()));
    }

    void progress_data()
    {
        QTest::addColumn<qint64>("done");
        QTest::addColumn<qint64>("total");
        QTest::addColumn<int>("value");
        QTest::newRow("1 of 8 rounds up") << qint64(1) << qint64(8) << 13;
        QTest::newRow("2 of 3") << qint64(2) << qint64(3) << 67;
        QTest::newRow("1 of 3") << qint64(1) << qint64(3) << 33;
        QTest::newRow("no size") << qint64(5) << qint64(0) << 42;
        QTest::newRow("negative size") << qint64(5) << qint64(-1) << 42;
    }

    // The percentage of the transfer; a transfer of unknown size leaves the bar alone.
    void progress()
    {
        QFETCH(qint64, done);
        QFETCH(qint64, total);
        QFETCH(int, value);
        setAuxServer(QStringLiteral("127.0.0.1:%1").arg(zarFtpServer::closedPort()));
        zarUpdateWidget screen;
        screen.progressBar->setValue(42);
        QVERIFY(QMetaObject::invokeMethod(&screen, "onDataTransferProgress", Q_ARG(qint64, done), Q_ARG(qint64, total)));
        QCOMPARE(screen.progressBar->value(), value);
    }
};

ZAR_TEST_MAIN(TestUpdateWidget)
#include "test_updatewidget.moc"
