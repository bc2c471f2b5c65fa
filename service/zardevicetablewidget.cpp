#include "service/zardevicetablewidget.h"

#include "frame/zartranslator.h"

#include <QCloseEvent>

zarDeviceTableWidget::zarDeviceTableWidget(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    connect(zarTranslator::instance(), &zarTranslator::sendTranslate, this, &zarDeviceTableWidget::onTranslate);
    onTranslate();
}

void zarDeviceTableWidget::onTranslate()
{
    groupBox->setTitle(tr("Devices"));
    closePushButton->setText(tr("Close"));
}

void zarDeviceTableWidget::closeEvent(QCloseEvent* event)
{
    event->accept();
    // The receiver may delete this screen: nothing of it is touched afterwards.
    emit sendDeviceTableWidgetClose();
}
