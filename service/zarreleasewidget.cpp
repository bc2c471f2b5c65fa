#include "service/zarreleasewidget.h"

#include "core/zarconstants.h"
#include "frame/zarstylesheet.h"
#include "frame/zartranslator.h"
#include "service/zarreleasenumber.h"

#include <QCloseEvent>
#include <QFile>
#include <QScrollBar>

zarReleaseWidget::zarReleaseWidget(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    connect(zarTranslator::instance(), &zarTranslator::sendTranslate, this, &zarReleaseWidget::onTranslate);
    zarStyleSheet::apply(textBrowser->verticalScrollBar(), QStringLiteral(":/system/system/vScrollBar.qss"));
    onTranslate();
}

void zarReleaseWidget::onTranslate()
{
    acceptPushButton->setText(tr("Accept"));
    groupBox->setTitle(tr("Release"));
    currentVersionLabel->setText(tr("Current version") + QStringLiteral(": %1 (%2)").arg(zarReleaseNumber).arg(instrumentName));
    textBrowser->clear();
    QFile notes(QStringLiteral(":/release/release/") + tr("eng") + QStringLiteral(".txt"));
    if (notes.open(QIODevice::ReadOnly))
        textBrowser->setText(QString::fromUtf8(notes.readAll()));
}

void zarReleaseWidget::closeEvent(QCloseEvent* event)
{
    event->accept();
    // The receiver may delete this screen: nothing of it is touched afterwards.
    emit sendReleaseWidgetClose();
}
