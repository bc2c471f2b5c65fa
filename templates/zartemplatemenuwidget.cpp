#include "templates/zartemplatemenuwidget.h"

#include "core/zarconstants.h"
#include "frame/zartranslator.h"
#include "frame/zarwarningdialog.h"
#include "templates/zartemplatewidget.h"

#include <QFileDialog>

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

void zarTemplateMenuWidget::showMenu(bool show)
{
    newPushButton->setVisible(show);
    openPushButton->setVisible(show);
    const int margin = show ? 20 : 0;
    verticalLayout->setContentsMargins(margin, margin, margin, margin);
}

void zarTemplateMenuWidget::onTemplateCreate()
{
    openTemplate(QString());
}

void zarTemplateMenuWidget::onTemplateLoad()
{
    QFileDialog dialog(nullptr, QString(), QString(), QString());
    dialog.setWindowTitle(tr("Open template"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters({ QStringLiteral("*.") + templateExtension });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    openTemplate(dialog.selectedFiles().first());
}

void zarTemplateMenuWidget::openTemplate(const QString& path)
{
    if (templateWidget)
        return;
    try {
        templateWidget = new zarTemplateWidget(nullptr);
        if (templateWidget->open(path)) {
            showMenu(false);
            verticalLayout->addWidget(templateWidget);
            connect(templateWidget, &zarTemplateWidget::sendTemplateClose, this,
                    &zarTemplateMenuWidget::onTemplateClose);
        } else {
            templateWidget->close();
            onTemplateClose();
        }
    } catch (...) {
        zarWarningDialog::warning(tr("System error"));
        onTemplateClose();
    }
}

bool zarTemplateMenuWidget::closeOpenScreen()
{
    return !templateWidget || templateWidget->requestClose();
}

void zarTemplateMenuWidget::onTemplateClose()
{
    if (templateWidget) {
        // The screen announces its close from its own button: delete it once that returns.
        templateWidget->hide();
        verticalLayout->removeWidget(templateWidget);
        templateWidget->deleteLater();
        templateWidget = nullptr;
    }
    showMenu(true);
}
