#include "sessions/zardatamenuwidget.h"

#include "frame/zartranslator.h"

zarDataMenuWidget::zarDataMenuWidget(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    connect(openPushButton, &QPushButton::clicked, this, &zarDataMenuWidget::onOpen);
    connect(zarTranslator::instance(), &zarTranslator::sendTranslate, this, &zarDataMenuWidget::onTranslate);
    onTranslate();
}

void zarDataMenuWidget::onTranslate()
{
    openPushButton->setText(tr("Open session"));
}

void zarDataMenuWidget::onOpen()
{
}
