#ifndef ZARFTPSERVER_H
#define ZARFTPSERVER_H

#include <QProcess>
#include <QTcpServer>

// The tests' update server (zarftpserver.py on Debian's python3-pyftpdlib), on
// 127.0.0.1 on a free port; stopped by its process id when the object goes.
class zarFtpServer
{
public:
    // False when the server did not come up within a few seconds.
    bool start(const QString& root, const QString& password, const QString& mode = QStringLiteral("normal"))
    {
        process.setProgram(QStringLiteral("/usr/bin/python3"));
        process.setArguments({ QStringLiteral(ZAR_SOURCE_DIR "/tests/service/zarftpserver.py"), root, password, mode });
        process.setProcessChannelMode(QProcess::SeparateChannels);
        process.start();
        if (!process.waitForStarted(5000))
            return false;
        QByteArray line;
        while (!line.endsWith('\n') && process.waitForReadyRead(5000))
            line += process.readLine();
        if (!line.startsWith("PORT "))
            return false;
        port = line.mid(5).trimmed().toInt();
        return port > 0;
    }

    void stop()
    {
        if (process.state() == QProcess::NotRunning)
            return;
        process.kill();
        process.waitForFinished(5000);
    }

    ~zarFtpServer() { stop(); }

    // A port on which nothing listens.
    static int closedPort()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        return probe.serverPort();
    }

    int port = 0;

private:
    QProcess process;
};

#endif
