#include "engineer/zarengineerwidget.h"

#include "core/zarconstants.h"
#include "core/zarcore.h"
#include "core/zardiagnostics.h"
#include "engineer/zarnetworkaddresses.h"
#include "engineer/zarproductioncatalogue.h"
#include "engineer/zarproductionlog.h"
#include "frame/zarcommandrunner.h"
#include "frame/zarstylesheet.h"
#include "frame/zartranslator.h"
#include "frame/zarwarningdialog.h"
#include "service/zargpsmanager.h"

#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QScrollBar>
#include <QTabBar>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>
#include <string>

namespace {
const int usbCommandTimeoutMs = 30000;
const quint8 usbTest = 8;
const quint8 lanTest = 9;

QString red(const QString& text)
{
    return QStringLiteral("<font color=red>") + text + QStringLiteral("</font>") + logBreak;
}
} // namespace

zarEngineerWidget::zarEngineerWidget(int mode, QWidget* parent) : QWidget(parent), proLogs(testCount)
{
    zarGPSManager::instance();
    setupUi(this);
    zarStyleSheet::apply(proScrollArea, QStringLiteral(":/system/system/vScrollBar.qss"));
    // Narrow tab padding: the ten titles fit the window in every language; should
    // one still not fit, a title is shortened rather than scrolled out of reach.
    tabWidget->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 8px 1px 8px 1px; }"));
    tabWidget->tabBar()->setUsesScrollButtons(false);
    tabWidget->tabBar()->setElideMode(Qt::ElideRight);
    if (mode != 0) {
        while (tabWidget->count() > 1)
            tabWidget->removeTab(1);
    }
    if (mode != 0 && mode != 1) {
        proToolButton00->setDisabled(true);
        proToolButton16->setDisabled(true);
        proToolButton20->setDisabled(true);
    }
    QFont small;
    small.setPointSize(8);
    rxSamplesTextEdit->setFont(small);
    core = zarCore::instance();
    verticalLayout_4->addWidget(&signalWidget);
    connect(zarTranslator::instance(), &zarTranslator::sendTranslate, this, &zarEngineerWidget::onTranslate);
    proButtons = { proToolButton00, proToolButton01, proToolButton02, proToolButton03, proToolButton04, proToolButton05,
                   proToolButton06, proToolButton07, proToolButton08, proToolButton09, proToolButton10, proToolButton11,
                   proToolButton12, proToolButton13, proToolButton14, proToolButton15, proToolButton16, proToolButton17,
                   proToolButton18, proToolButton19, proToolButton20, proToolButton21 };
    proTitles = zarProductionCatalogue::titles();
    proInstructions = zarProductionCatalogue::instructions();

    const QVector<QPushButton*> logButtons = {
        logPushButton00, logPushButton01, logPushButton02, logPushButton03, logPushButton04, logPushButton05,
        logPushButton06, logPushButton07, logPushButton08, logPushButton09, logPushButton10, logPushButton11,
        logPushButton12, logPushButton13, logPushButton14, logPushButton15, logPushButton16, logPushButton17,
        logPushButton18, logPushButton19, logPushButton20, logPushButton21 };
    for (quint8 code = 0; code < testCount; ++code) {
        connect(proButtons.at(code), &QToolButton::clicked, this, [this, code] { onStartPro(code); });
        connect(logButtons.at(code), &QPushButton::clicked, this, [this, code] { onShowLog(code); });
    }
    connect(proStopPushButton, &QPushButton::clicked, this, &zarEngineerWidget::onProStop);
    connect(core, &zarCore::sendReportProduction, this, &zarEngineerWidget::onReportProduction);
    connectTabs();
    onTranslate();
}

void zarEngineerWidget::onTranslate()
{
    tabWidget->setTabText(0, tr("Setup and testing"));
    proStopPushButton->setText(tr("Stop"));
    proExitPushButton->setText(tr("Exit"));
    proCautionLabel->setText(QStringLiteral("<b><font color=red>")
                             + tr("Please remove everything (except supply) connected to device sockets before "
                                  "starting every operation!")
                             + QStringLiteral("</font></b>"));
    for (int i = 0; i < proButtons.size(); ++i)
        proButtons.at(i)->setText(proTitles.at(i));
}

void zarEngineerWidget::onStartPro(quint8 proCode)
{
    if (proCode >= testCount)
        return;
    const QString question = proInstructions.at(proCode) + QLatin1Char('\n') + tr("Are you ready to continue?");
    if (zarWarningDialog::question(question) != 1)
        return;
    proFrame->setDisabled(true);
    proButtons.at(proCode)->setIcon(QIcon(QStringLiteral(":/icons/icons/play.png")));
    if (proCode == usbTest || proCode == lanTest) {
        zarCoreReportProduction report;
        report.test = proCode;
        if (proCode == usbTest)
            runUsbTest(report);
        else
            runLanTest(report);
        onReportProduction(report);
        return;
    }
    zarCoreParamProduction param;
    param.test = proCode;
    core->production(param);
}

// A failed or hung "usb_start" fails the test without a question; "usb_stop" runs
// in every case, so the instrument never stays in USB storage mode.
void zarEngineerWidget::runUsbTest(zarCoreReportProduction& report)
{
    QString problems;
    bool passed = false;
    if (zarCommandRunner::run(QStringLiteral("usb_start"), {}, usbCommandTimeoutMs) != zarCommandRunner::Succeeded)
        problems += red(tr("Can not enter USB storage mode"));
    else
        passed = zarWarningDialog::question(tr("Did USB drive appear?")) == 1;
    if (zarCommandRunner::run(QStringLiteral("usb_stop"), {}, usbCommandTimeoutMs) != zarCommandRunner::Succeeded) {
        problems += red(tr("Can not leave USB storage mode"));
        passed = false;
    }
    report.passed = passed ? 1 : 0;
    report.text1 = tr("Detecting USB appearance") + (passed ? logPassed : logFailed) + problems;
}

// Passes on the first address of a working interface that is neither loopback nor
// link-local; the log shows that address, else the last one looked at.
void zarEngineerWidget::runLanTest(zarCoreReportProduction& report)
{
    QString address;
    bool found = false;
    for (const zarNetworkAddresses::Entry& entry : zarNetworkAddresses::list()) {
        address = entry.address.toString();
        if (zarNetworkAddresses::counts(entry)) {
            found = true;
            break;
        }
    }
    report.passed = found ? 1 : 0;
    report.text1 = tr("IPv4/IPv6 address: %1").arg(address) + (found ? logPassed : logFailed);
}

void zarEngineerWidget::onReportProduction(const zarCoreReportProduction coreReportProduction)
{
    const zarCoreReportProduction& r = coreReportProduction;
    if (r.test >= testCount) {
        zarDiagnostics::line("zarEngineerWidget error: production test is invalid: " + std::to_string(r.test));
        proFrame->setEnabled(true);
        return;
    }
    proLogs[r.test] = zarProductionLog::entry(proTitles.at(r.test), r);
    // An error outweighs the passed flag; a cancel is a question, not a failure.
    const char* icon = ":/icons/icons/close.png";
    if (r.error.code == zarErrorCanceled)
        icon = ":/icons/icons/question.png";
    else if (r.error.code == zarErrorSuccess && r.passed)
        icon = ":/icons/icons/accept.png";
    proButtons.at(r.test)->setIcon(QIcon(QString::fromLatin1(icon)));
    proFrame->setEnabled(true);
}

void zarEngineerWidget::onProStop()
{
    core->stop();
}

void zarEngineerWidget::onShowLog(quint8 proCode)
{
    if (proCode >= testCount)
        return;
    QDialog dialog;
    dialog.setFixedSize(1024, 600);
    dialog.setWindowIcon(QIcon(QStringLiteral(":/icons/icons/empty.png")));
    dialog.setWindowTitle(QString());
    auto* browser = new QTextBrowser(&dialog);
    browser->setObjectName(QStringLiteral("logTextBrowser"));
    browser->setWordWrapMode(QTextOption::NoWrap);
    browser->setText(proLogs.at(proCode));
    zarStyleSheet::apply(browser->verticalScrollBar(), QStringLiteral(":/system/system/vScrollBar.qss"));
    zarStyleSheet::apply(browser->horizontalScrollBar(), QStringLiteral(":/system/system/hScrollBar.qss"));
    auto* accept = new QPushButton(QIcon(QStringLiteral(":/icons/icons/accept.png")), tr("Accept"), &dialog);
    accept->setIconSize(QSize(48, 48));
    connect(accept, &QPushButton::clicked, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(browser);
    layout->addWidget(accept);
    dialog.exec();
}

// Stop the job, offer the logs, stop the GPS line, then hand over to the opener,
// which may delete this screen: nothing of it is touched after the signal.
void zarEngineerWidget::closeEvent(QCloseEvent* event)
{
    core->stop();
    const bool anyLog = std::any_of(proLogs.cbegin(), proLogs.cend(), [](const QString& log) { return !log.isEmpty(); });
    if (anyLog) {
        const int answer = zarWarningDialog::question3(tr("Save log?"));
        if (answer == 2 || (answer == 1 && !saveLogs())) {
            event->ignore();
            return;
        }
    }
    onStopGPS();
    rxRepeatTimer.stop();
    closed = true;
    // Reports of jobs still on their way reach no closed screen.
    disconnect(core, nullptr, this, nullptr);
    event->accept();
    emit sendEngineerWidgetClose();
}

bool zarEngineerWidget::saveLogs()
{
    if (zarProductionLog::save(proLogs, QDateTime::currentDateTime()))
        return true;
    zarWarningDialog::warning(tr("Can not save the log to %1").arg(QDir::toNativeSeparators(zarProductionLog::path())));
    return false;
}

// The date is checked here: the core would take a date that does not exist as none.
void zarEngineerWidget::onTimeSet()
{
    const QDate date(miscYearSpinBox->value(), miscMonthSpinBox->value(), miscDaySpinBox->value());
    if (!date.isValid()) {
        zarWarningDialog::warning(tr("Invalid date"));
        return;
    }
    zarCoreParamClock param;
    param.set = 1;
    param.date = date;
    param.time = QTime(miscHourSpinBox->value(), miscMinuteSpinBox->value(), miscSecondSpinBox->value(), 0);
    core->clock(param);
}
