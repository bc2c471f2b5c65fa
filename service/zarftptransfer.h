#ifndef ZARFTPTRANSFER_H
#define ZARFTPTRANSFER_H

#include <QObject>
#include <QString>
#include <QUrl>

#include <atomic>
#include <memory>
#include <thread>

// One passive, binary FTP download into a local file, run by libcurl on a worker
// thread, which also takes the MD5 digest of the bytes as they are written. Stages,
// progress and the end come back as signals in the owner's thread.
// A cancelled transfer reports nothing more.
class zarFtpTransfer : public QObject
{
    Q_OBJECT

public:
    enum Stage { Connecting, LoggingIn, Downloading, Closing };

    explicit zarFtpTransfer(QObject* parent = nullptr);
    // Cancels a running transfer.
    ~zarFtpTransfer() override;

    // False when a transfer is running, the URL is not usable or the file cannot be written.
    bool start(const QUrl& url, const QString& user, const QString& password, const QString& localPath);
    // Stops the running transfer and waits for its thread; its file is closed on return.
    void cancel();
    bool isRunning() const { return m_worker != nullptr; }
    // The MD5 digest, as lower-case hexadecimal, of the bytes the last finished transfer wrote.
    QByteArray md5Hex() const { return m_md5Hex; }

    // Time-outs of every later transfer: the TCP connect, and silence of the server.
    static void setTimeouts(int connectMs, int inactivityMs);

signals:
    void sendStage(int stage);
    void sendProgress(qint64 done, qint64 total);
    void sendDone(bool error, const QString& errorText);

private:
    struct Job;
    void run(Job* job);
    void finish();

    std::unique_ptr<Job> m_job;
    std::unique_ptr<std::thread> m_worker;
    unsigned m_generation = 0;
    QByteArray m_md5Hex;
};

#endif
