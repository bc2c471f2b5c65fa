#include "service/zarreleasewidget.h"

#include "frame/zartranslator.h"

#include <QCloseEvent>

zarReleaseWidget::zarReleaseWidget(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    connect(zarTranslator::instance(), &zarTranslator::sendTranslate, this, &zarReleaseWidget::onTranslate);
    onTranslate();
}

void zarReleaseWidget::onTranslate()
{
    groupBox->setTitle(tr("Release"));
    acceptPushButton->setText(tr("Accept"));
}

void zarReleaseWidget::closeEvent(QCloseEvent* event)
{
    event->accept();
    // The receiver may delete this screen: nothing of it is touched afterwards.
    emit sendReleaseWidgetClose();
}
