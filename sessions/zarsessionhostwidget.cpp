#include "sessions/zarsessionhostwidget.h"

#include "frame/zarwarningdialog.h"
#include "sessions/zarsessionwidget.h"

#include <QBoxLayout>

zarSessionHostWidget::zarSessionHostWidget(QWidget* parent) : QWidget(parent)
{
}

void zarSessionHostWidget::openScreen(bool viewOnly, const QString& what)
{
    if (sessionWidget)
        return;
    try {
        sessionWidget = new zarSessionWidget(nullptr, viewOnly);
        if (sessionWidget->open(what)) {
            showMenu(false);
            pageLayout()->addWidget(sessionWidget);
            connect(sessionWidget, &zarSessionWidget::sendSessionClose, this, &zarSessionHostWidget::onSessionClose);
        } else {
            sessionWidget->close();
            onSessionClose();
        }
    } catch (...) {
        zarWarningDialog::warning(tr("System error"));
        onSessionClose();
    }
}

bool zarSessionHostWidget::closeOpenScreen()
{
    return !sessionWidget || sessionWidget->closeForExit();
}

// Reached from the screen's own Finish handler: it goes once that has returned.
void zarSessionHostWidget::closeScreen()
{
    if (sessionWidget) {
        pageLayout()->removeWidget(sessionWidget);
        sessionWidget->hide();
        sessionWidget->disconnect(this);
        sessionWidget->deleteLater();
        sessionWidget = nullptr;
    }
    showMenu(true);
}
