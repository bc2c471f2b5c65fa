#include "templates/zarerttabledialog.h"

#include "frame/zarstylesheet.h"
#include "frame/zartranslator.h"

#include <QScrollBar>

zarERTTableDialog::zarERTTableDialog(const QStringList& entries, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
{
    setupUi(this);
    listWidget->addItems(entries);
    // Rows tall enough for a finger.
    for (int row = 0; row < listWidget->count(); ++row)
        listWidget->item(row)->setSizeHint(QSize(0, 48));
    listWidget->setCurrentRow(0);
    zarStyleSheet::apply(listWidget->verticalScrollBar(), QStringLiteral(":/system/system/vScrollBar.qss"));
    setFixedSize(1024, 600);
    connect(zarTranslator::instance(), &zarTranslator::sendTranslate, this, &zarERTTableDialog::onTranslate);
    onTranslate();
}

QString zarERTTableDialog::selectedText() const
{
    const QListWidgetItem* item = listWidget->currentItem();
    return item ? item->text() : QString();
}

void zarERTTableDialog::onTranslate()
{
    acceptPushButton->setText(tr("Accept"));
    cancelPushButton->setText(tr("Cancel"));
}
