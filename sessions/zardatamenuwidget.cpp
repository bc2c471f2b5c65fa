#include "sessions/zardatamenuwidget.h"

#include "core/zarconstants.h"
#include "frame/zartranslator.h"

#include <QFileDialog>

zarDataMenuWidget::zarDataMenuWidget(QWidget* parent) : zarSessionHostWidget(parent)
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
    QFileDialog dialog;
    dialog.setWindowTitle(tr("Open session"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilter(QStringLiteral("*.") + sessionExtension);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    openSession(dialog.selectedFiles().first());
}

void zarDataMenuWidget::showMenu(bool show)
{
    openPushButton->setVisible(show);
    const int margin = show ? 20 : 0;
    verticalLayout->setContentsMargins(margin, margin, margin, margin);
}

void zarDataMenuWidget::openSession(const QString& path)
{
    openScreen(true, path);
}

void zarDataMenuWidget::onSessionClose()
{
    closeScreen();
}
