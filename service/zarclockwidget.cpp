#include "service/zarclockwidget.h"

#include "frame/zartranslator.h"

#include <QCloseEvent>

zarClockWidget::zarClockWidget(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    connect(zarTranslator::instance(), &zarTranslator::sendTranslate, this, &zarClockWidget::onTranslate);
    onTranslate();
}

void zarClockWidget::onTranslate()
{
    groupBox->setTitle(tr("Clock"));
    acceptPushButton->setText(tr("Accept"));
}

void zarClockWidget::closeEvent(QCloseEvent* event)
{
    event->accept();
    // The receiver may delete this screen: nothing of it is touched afterwards.
    emit sendClockWidgetClose();
}
