#include "service/zarupdatewidget.h"

#include "core/zarconstants.h"
#include "core/zardiagnostics.h"
#include "frame/zarsystemwidget.h"
#include "frame/zartranslator.h"
#include "service/zarreleasenumber.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDataStream>
#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

namespace {
std::function<void()> s_quit;
int s_restartDelayMs = 3000;
const QString lastName = QStringLiteral("zarLast");

QString downloadPath()
{
    return tmpDir + downloadFileName;
}

void diagnostic(const char* message)
{
    zarDiagnostics::line(std::string("zarUpdateWidget error: ") + message);
}
}

zarUpdateWidget::zarUpdateWidget(QWidget* parent) : QWidget(parent)
{
    connect(&ftp, &zarFtpTransfer::sendDone, this, &zarUpdateWidget::onFtpDone);
    connect(&ftp, &zarFtpTransfer::sendProgress, this, &zarUpdateWidget::onDataTransferProgress);
    connect(&ftp, &zarFtpTransfer::sendStage, this, &zarUpdateWidget::onCommandStarted);
    setupUi(this);
    downloadPushButton->hide();
    progressBar->hide();
    restartTimer.setSingleShot(true);
    connect(&restartTimer, &QTimer::timeout, this, &zarUpdateWidget::onRestart);
    connect(zarTranslator::instance(), &zarTranslator::sendTranslate, this, &zarUpdateWidget::onTranslate);
    connect(downloadPushButton, &QPushButton::clicked, this, &zarUpdateWidget::onDownload);
    onTranslate();
    checkUpdate();
}

void zarUpdateWidget::setQuitHandler(std::function<void()> handler)
{
    s_quit = std::move(handler);
}

void zarUpdateWidget::setRestartDelay(int ms)
{
    s_restartDelayMs = ms;
}

void zarUpdateWidget::onTranslate()
{
    groupBox->setTitle(tr("Update"));
    downloadPushButton->setText(tr("Download, install, restart"));
    closePushButton->setText(tr("Close"));
}

QString zarUpdateWidget::server()
{
    QFile file(systemDir + "auxServer");
    if (file.open(QIODevice::ReadOnly)) {
        QDataStream stream(&file);
        QString name;
        stream >> name;
        // A host with an optional port, nothing else: no path, no credentials, no blanks.
        static const QRegularExpression host(QStringLiteral("^[^/@\\s:]+(:[0-9]{1,5})?$"));
        if (stream.status() == QDataStream::Ok && host.match(name).hasMatch()
            && QUrl(QStringLiteral("ftp://%1/").arg(name)).isValid())
            return name;
    }
    return updateHost;
}

QUrl zarUpdateWidget::fileUrl(const QString& name)
{
    return QUrl(QStringLiteral("ftp://%1/").arg(server()) + instrumentName + QLatin1Char('/') + name);
}

void zarUpdateWidget::checkUpdate()
{
    releaseStage = false;
    md5 = QString();
    if (!downloadFile(fileUrl(QStringLiteral("info.zar"))))
        messageLabel->setText(tr("System error"));
}

void zarUpdateWidget::onDownload()
{
    downloadPushButton->setDisabled(true);
    if (zarSystemWidget::isBusy()) {
        messageLabel->setText(tr("Stop all activities to update"));
        return;
    }
    progressBar->show();
    releaseStage = true;
    if (!downloadFile(fileUrl(QStringLiteral("release.zar"))))
        messageLabel->setText(tr("System error"));
}

bool zarUpdateWidget::downloadFile(const QUrl& url)
{
    if (!url.isValid()) {
        diagnostic("downloadFile url is invalid");
        return false;
    }
    if (url.scheme() != QLatin1String("ftp")) {
        diagnostic("downloadFile url must start with 'ftp'");
        return false;
    }
    if (url.path().isEmpty()) {
        diagnostic("downloadtFile url has no path");
        return false;
    }
    return ftp.start(url, updateUser, updatePassword, downloadPath());
}

void zarUpdateWidget::onCommandStarted(int cmd)
{
    switch (cmd) {
    case zarFtpTransfer::Connecting: messageLabel->setText(tr("Connecting to server...")); break;
    case zarFtpTransfer::LoggingIn: messageLabel->setText(tr("Logging in...")); break;
    case zarFtpTransfer::Downloading: messageLabel->setText(tr("Downloading...")); break;
    case zarFtpTransfer::Closing: messageLabel->setText(tr("Closing...")); break;
    default: break;
    }
}

void zarUpdateWidget::onDataTransferProgress(qint64 trans, qint64 total)
{
    // A server that tells no size gives no percentage.
    if (total <= 0)
        return;
    progressBar->setValue(qBound(0, qRound(double(trans) / double(total) * 100.0), 100));
}

void zarUpdateWidget::onFtpDone(bool error, const QString& errorText)
{
    if (error) {
        messageLabel->setText(tr("Network error") + QStringLiteral("\n(") + errorText + QLatin1Char(')'));
        return;
    }
    if (releaseStage)
        installRelease();
    else
        parseInfo();
}

void zarUpdateWidget::parseInfo()
{
    QFile file(downloadPath());
    if (!file.open(QIODevice::ReadOnly)) {
        messageLabel->setText(tr("System error"));
        return;
    }
    int release = 0;
    {
        QTextStream stream(&file);
        stream >> release;
        if (stream.status() == QTextStream::Ok)
            stream >> md5;
        else
            release = 0;
    }
    file.close();
    file.remove();
    if (release > zarReleaseNumber) {
        messageLabel->setText(tr("Update is available"));
        downloadPushButton->setEnabled(true);
        downloadPushButton->show();
    } else {
        messageLabel->setText(tr("There is no update yet"));
    }
}

void zarUpdateWidget::installRelease()
{
    // The digest was taken on the transfer thread as the package was written.
    if (QString::fromLatin1(ftp.md5Hex()) != md5) {
        messageLabel->setText(tr("Downloaded update is corrupted"));
        return;
    }
    // A package left from an earlier attempt must not be installed in place of this one.
    const QString last = tmpDir + lastName;
    if ((QFile::exists(last) && !QFile::remove(last)) || !QFile::rename(downloadPath(), last)) {
        messageLabel->setText(tr("System error"));
        return;
    }
    closePushButton->setDisabled(true);
    messageLabel->setText(tr("Restarting..."));
    restartTimer.start(s_restartDelayMs);
}

void zarUpdateWidget::onRestart()
{
    // A measurement started meanwhile is not cut off: the package is withdrawn.
    if (zarSystemWidget::isBusy()) {
        QFile::remove(tmpDir + lastName);
        messageLabel->setText(tr("Stop all activities to update"));
        closePushButton->setEnabled(true);
        return;
    }
    if (s_quit)
        s_quit();
    else
        QCoreApplication::quit();
}

void zarUpdateWidget::closeEvent(QCloseEvent* event)
{
    // Nothing of a running transfer may land after the screen is gone.
    ftp.cancel();
    restartTimer.stop();
    QFile::remove(downloadPath());
    event->accept();
    // The receiver may delete this screen: nothing of it is touched afterwards.
    emit sendUpdateWidgetClose();
}
