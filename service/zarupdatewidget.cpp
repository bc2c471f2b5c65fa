#include "service/zarupdatewidget.h"

#include "core/zarconstants.h"
#include "frame/zartranslator.h"

#include <QCloseEvent>
#include <QFile>

zarUpdateWidget::zarUpdateWidget(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    connect(zarTranslator::instance(), &zarTranslator::sendTranslate, this, &zarUpdateWidget::onTranslate);
    onTranslate();
}

void zarUpdateWidget::onTranslate()
{
    groupBox->setTitle(tr("Update"));
    closePushButton->setText(tr("Accept"));
}

void zarUpdateWidget::closeEvent(QCloseEvent* event)
{
    QFile::remove(tmpDir + downloadFileName);
    event->accept();
    // The receiver may delete this screen: nothing of it is touched afterwards.
    emit sendUpdateWidgetClose();
}
