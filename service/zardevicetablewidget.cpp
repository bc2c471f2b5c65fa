#include "service/zardevicetablewidget.h"

#include "core/zarcore.h"
#include "frame/zarstylesheet.h"
#include "frame/zartranslator.h"
#include "frame/zarwarningdialog.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QScrollBar>

zarDeviceTableWidget::zarDeviceTableWidget(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    zarStyleSheet::apply(deviceTableView->verticalScrollBar(), QStringLiteral(":/system/system/vScrollBar.qss"));
    zarStyleSheet::apply(deviceTableView->horizontalHeader(), QStringLiteral(":/system/system/bHeaderView.qss"));
    deviceTableView->setModel(&tableModel);
    deviceTableView->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    deviceTableView->horizontalHeader()->setSectionsClickable(false);
    connect(refreshPushButton, &QPushButton::clicked, this, &zarDeviceTableWidget::onRefresh);
    connect(zarCore::instance(), &zarCore::sendReportDiscover, this, &zarDeviceTableWidget::onReportDiscover);
    connect(zarTranslator::instance(), &zarTranslator::sendTranslate, this, &zarDeviceTableWidget::onTranslate);
    onTranslate();
    onRefresh();
}

void zarDeviceTableWidget::onTranslate()
{
    // While a discovery runs the button keeps its "Please wait...".
    if (refreshPushButton->isEnabled())
        refreshPushButton->setText(tr("Refresh"));
    else
        refreshPushButton->setText(tr("Please wait..."));
    closePushButton->setText(tr("Close"));
}

void zarDeviceTableWidget::onRefresh()
{
    zarCore::instance()->discover();
    closePushButton->setDisabled(true);
    refreshPushButton->setDisabled(true);
    refreshPushButton->setText(tr("Please wait..."));
}

void zarDeviceTableWidget::onReportDiscover(const zarCoreReportDiscover report)
{
    if (report.error.code != 0)
        zarWarningDialog::warning(report.error.text());
    else
        tableModel.setDevices(report.devices);
    closePushButton->setEnabled(true);
    refreshPushButton->setEnabled(true);
    refreshPushButton->setText(tr("Refresh"));
}

void zarDeviceTableWidget::closeEvent(QCloseEvent* event)
{
    event->accept();
    // The receiver may delete this screen: nothing of it is touched afterwards.
    emit sendDeviceTableWidgetClose();
}
