#include "service/zarftptransfer.h"

#include <QCryptographicHash>
#include <QFile>
#include <QRegularExpression>

#include <curl/curl.h>

#include <chrono>
#include <mutex>

namespace {
int s_connectTimeoutMs = 15000;
int s_inactivityTimeoutMs = 30000;

qint64 nowMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch()).count();
}

// The operator sees this text: no password, no URL with credentials.
QString safeText(QString text, const QString& password)
{
    if (!password.isEmpty())
        text.replace(password, QStringLiteral("***"));
    text.replace(QRegularExpression(QStringLiteral("[^\\s/@]+@")), QString());
    return text.trimmed();
}
}

struct zarFtpTransfer::Job
{
    CURL* easy = nullptr;
    CURLM* multi = nullptr; // null once the worker has begun to clean up
    std::mutex multiMutex;
    QFile file;
    QCryptographicHash md5 { QCryptographicHash::Md5 };
    QByteArray url, user, password;
    std::atomic<bool> cancel { false };
    std::atomic<qint64> lastActivity { 0 };
    bool timedOut = false;
    int stage = -1;
    curl_off_t lastNow = -1, lastTotal = -1;
    unsigned generation = 0;
    int inactivityMs = 0;
    char errorBuffer[CURL_ERROR_SIZE] = {};
    zarFtpTransfer* owner = nullptr;

    void advance(int next)
    {
        if (next <= stage)
            return;
        stage = next;
        const unsigned gen = generation;
        zarFtpTransfer* o = owner;
        QMetaObject::invokeMethod(o, [o, gen, next] {
            if (gen == o->m_generation)
                emit o->sendStage(next);
        }, Qt::QueuedConnection);
    }

    bool silentTooLong()
    {
        if (nowMs() - lastActivity.load() <= inactivityMs)
            return false;
        timedOut = true;
        return true;
    }

    static size_t write(char* data, size_t size, size_t count, void* user)
    {
        auto* job = static_cast<Job*>(user);
        job->lastActivity = nowMs();
        const qint64 length = qint64(size * count);
        if (job->file.write(data, length) != length)
            return 0;
        job->md5.addData(data, int(length));
        return size_t(length);
    }

    static int progress(void* user, curl_off_t total, curl_off_t now, curl_off_t, curl_off_t)
    {
        auto* job = static_cast<Job*>(user);
        if (job->cancel)
            return 1;
        if (now != job->lastNow || total != job->lastTotal) {
            job->lastNow = now;
            job->lastTotal = total;
            const unsigned gen = job->generation;
            zarFtpTransfer* o = job->owner;
            QMetaObject::invokeMethod(o, [o, gen, now, total] {
                if (gen == o->m_generation)
                    emit o->sendProgress(qint64(now), qint64(total));
            }, Qt::QueuedConnection);
        }
        return 0;
    }

    // The commands on the control line tell the stage; their arguments are never looked at.
    static int debug(CURL*, curl_infotype type, char* data, size_t size, void* user)
    {
        auto* job = static_cast<Job*>(user);
        if (type == CURLINFO_HEADER_IN || type == CURLINFO_DATA_IN)
            job->lastActivity = nowMs();
        if (type != CURLINFO_HEADER_OUT || size < 4)
            return 0;
        const QByteArray command = QByteArray(data, 4).toUpper();
        if (command == "USER")
            job->advance(LoggingIn);
        else if (command == "QUIT")
            job->advance(Closing);
        else if (command != "PASS" && job->stage >= LoggingIn)
            job->advance(Downloading);
        return 0;
    }
};

zarFtpTransfer::zarFtpTransfer(QObject* parent) : QObject(parent)
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

zarFtpTransfer::~zarFtpTransfer()
{
    cancel();
}

void zarFtpTransfer::setTimeouts(int connectMs, int inactivityMs)
{
    s_connectTimeoutMs = connectMs;
    s_inactivityTimeoutMs = inactivityMs;
}

bool zarFtpTransfer::start(const QUrl& url, const QString& user, const QString& password, const QString& localPath)
{
    if (isRunning() || !url.isValid() || url.scheme() != QLatin1String("ftp") || url.host().isEmpty())
        return false;
    auto job = std::make_unique<Job>();
    job->file.setFileName(localPath);
    if (!job->file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QUrl plain = url;
    plain.setUserInfo(QString());
    // The path counts from the server's root, not from the login directory ("%2F").
    const QByteArray path = plain.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority | QUrl::RemoveQuery
                                            | QUrl::RemoveFragment);
    job->url = plain.toEncoded(QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveFragment) + "/%2F"
               + path.mid(path.startsWith('/') ? 1 : 0);
    job->user = user.toUtf8();
    job->password = password.toUtf8();
    m_md5Hex.clear();
    job->generation = ++m_generation;
    job->inactivityMs = s_inactivityTimeoutMs;
    job->owner = this;
    job->easy = curl_easy_init();
    job->multi = curl_multi_init();
    if (!job->easy || !job->multi) {
        curl_easy_cleanup(job->easy);
        curl_multi_cleanup(job->multi);
        return false;
    }
    CURL* e = job->easy;
    curl_easy_setopt(e, CURLOPT_URL, job->url.constData());
    curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "ftp");
    curl_easy_setopt(e, CURLOPT_USERNAME, job->user.constData());
    curl_easy_setopt(e, CURLOPT_PASSWORD, job->password.constData());
    curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(e, CURLOPT_QUICK_EXIT, 1L);
    curl_easy_setopt(e, CURLOPT_FTP_USE_EPSV, 1L);  // passive; PASV when EPSV is refused
    curl_easy_setopt(e, CURLOPT_TRANSFERTEXT, 0L);  // binary
    curl_easy_setopt(e, CURLOPT_FORBID_REUSE, 1L);  // QUIT at the end of this transfer
    curl_easy_setopt(e, CURLOPT_CONNECTTIMEOUT_MS, long(s_connectTimeoutMs));
    curl_easy_setopt(e, CURLOPT_SERVER_RESPONSE_TIMEOUT, long((s_inactivityTimeoutMs + 999) / 1000));
    curl_easy_setopt(e, CURLOPT_ERRORBUFFER, job->errorBuffer);
    curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, &Job::write);
    curl_easy_setopt(e, CURLOPT_WRITEDATA, job.get());
    curl_easy_setopt(e, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(e, CURLOPT_XFERINFOFUNCTION, &Job::progress);
    curl_easy_setopt(e, CURLOPT_XFERINFODATA, job.get());
    curl_easy_setopt(e, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(e, CURLOPT_DEBUGFUNCTION, &Job::debug);
    curl_easy_setopt(e, CURLOPT_DEBUGDATA, job.get());
    curl_multi_add_handle(job->multi, e);
    job->lastActivity = nowMs();
    job->advance(Connecting);
    m_job = std::move(job);
    Job* raw = m_job.get();
    m_worker = std::make_unique<std::thread>([this, raw] { run(raw); });
    return true;
}

void zarFtpTransfer::run(Job* job)
{
    CURLcode result = CURLE_OK;
    CURLMcode multiResult = CURLM_OK;
    bool finished = false;
    while (!finished) {
        int running = 0;
        multiResult = curl_multi_perform(job->multi, &running);
        if (multiResult != CURLM_OK)
            break;
        int queued = 0;
        while (CURLMsg* message = curl_multi_info_read(job->multi, &queued)) {
            if (message->msg == CURLMSG_DONE) {
                result = message->data.result;
                finished = true;
            }
        }
        if (finished || job->cancel || job->silentTooLong())
            break;
        curl_multi_poll(job->multi, nullptr, 0, 100, nullptr);
    }
    CURLM* multi;
    {
        std::lock_guard<std::mutex> lock(job->multiMutex);
        multi = job->multi;
        job->multi = nullptr;
    }
    // Removing an unfinished transfer drops its connection without waiting for the server.
    curl_multi_remove_handle(multi, job->easy);
    curl_easy_cleanup(job->easy);
    curl_multi_cleanup(multi);
    // A package that could not be written out whole is no download at all.
    job->file.close();
    const bool writeFailed = job->file.error() != QFileDevice::NoError;

    const bool error = !finished || result != CURLE_OK || writeFailed;
    QString text;
    if (job->timedOut)
        text = QString::fromLatin1(curl_easy_strerror(CURLE_OPERATION_TIMEDOUT));
    else if (multiResult != CURLM_OK)
        text = QString::fromLatin1(curl_multi_strerror(multiResult));
    else if (finished && result == CURLE_OK && writeFailed)
        text = job->file.errorString();
    else if (error && job->errorBuffer[0])
        text = QString::fromUtf8(job->errorBuffer);
    else if (error)
        text = QString::fromLatin1(curl_easy_strerror(result));
    text = safeText(text, QString::fromUtf8(job->password));
    const unsigned gen = job->generation;
    const QByteArray md5Hex = job->md5.result().toHex();
    QMetaObject::invokeMethod(this, [this, gen, error, text, md5Hex] {
        if (gen != m_generation)
            return;
        m_md5Hex = md5Hex;
        finish();
        emit sendDone(error, text);
    }, Qt::QueuedConnection);
}

void zarFtpTransfer::finish()
{
    if (m_worker && m_worker->joinable())
        m_worker->join();
    m_worker.reset();
    m_job.reset();
}

void zarFtpTransfer::cancel()
{
    if (!m_worker)
        return;
    m_job->cancel = true;
    {
        std::lock_guard<std::mutex> lock(m_job->multiMutex);
        if (m_job->multi)
            curl_multi_wakeup(m_job->multi);
    }
    ++m_generation; // what the worker still posts is dropped
    finish();
}
