#include "templates/zartemplatemenuwidget.h"

#include "frame/zartranslator.h"

zarTemplateMenuWidget::zarTemplateMenuWidget(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    connect(newPushButton, &QPushButton::clicked, this, &zarTemplateMenuWidget::onTemplateCreate);
    connect(openPushButton, &QPushButton::clicked, this, &zarTemplateMenuWidget::onTemplateLoad);
    connect(zarTranslator::instance(), &zarTranslator::sendTranslate, this, &zarTemplateMenuWidget::onTranslate);
    onTranslate();
}

void zarTemplateMenuWidget::onTranslate()
{
    newPushButton->setText(tr("New template"));
    openPushButton->setText(tr("Open template"));
}

void zarTemplateMenuWidget::onTemplateCreate()
{
}

void zarTemplateMenuWidget::onTemplateLoad()
{
}
