#ifndef ZARUPDATEWIDGET_H
#define ZARUPDATEWIDGET_H

#include "service/zarftptransfer.h"
#include "ui_zupdatewidget.h"

#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <functional>

// The update screen: reads the release information of this instrument from the
// update server, downloads a newer package, checks its MD5 checksum, sets it aside
// as "zarLast" and ends the program. Opened inside the system menu's page.
class zarUpdateWidget : public QWidget, public Ui::zUpdateWidget
{
    Q_OBJECT

public:
    explicit zarUpdateWidget(QWidget* parent = nullptr);

    // How the program ends after a verified download (default: leave the event loop,
    // after which main runs the normal shut-down), and how long "Restarting..." shows.
    static void setQuitHandler(std::function<void()> handler);
    static void setRestartDelay(int ms);

    // The server of every transfer: the content of "auxServer" when it names a
    // host (optionally ":port"), otherwise the built-in host.
    static QString server();

    bool isTransferring() const { return ftp.isRunning(); }

signals:
    void sendUpdateWidgetClose();

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void onTranslate();
    void onDownload();
    void onFtpDone(bool error, const QString& errorText);
    void onDataTransferProgress(qint64 trans, qint64 total);
    void onCommandStarted(int cmd);
    void onRestart();

private:
    bool downloadFile(const QUrl& url);
    void checkUpdate();
    void parseInfo();
    void installRelease();
    static QUrl fileUrl(const QString& name);

    bool releaseStage = false;
    zarFtpTransfer ftp;
    QString md5;
    QTimer restartTimer;
};

#endif
