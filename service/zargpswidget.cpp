#include "service/zargpswidget.h"

#include "frame/zartranslator.h"

#include <QCloseEvent>

zarGPSWidget::zarGPSWidget(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    connect(zarTranslator::instance(), &zarTranslator::sendTranslate, this, &zarGPSWidget::onTranslate);
    onTranslate();
}

void zarGPSWidget::onTranslate()
{
    groupBox->setTitle(tr("GPS"));
    acceptPushButton->setText(tr("Accept"));
}

void zarGPSWidget::closeEvent(QCloseEvent* event)
{
    event->accept();
    // The receiver may delete this screen: nothing of it is touched afterwards.
    emit sendGPSWidgetClose();
}
