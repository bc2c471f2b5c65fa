#include "sessions/zarfiletabledialog.h"

#include "frame/zarstylesheet.h"
#include "frame/zartranslator.h"
#include "sessions/zarfiletabledatamodel.h"

#include <QHeaderView>
#include <QScrollBar>

zarFileTableDialog::zarFileTableDialog(zarFileTableDataModel* model, QWidget* parent)
    : QDialog(parent), m_model(model)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    setupUi(this);
    fileTableView->setModel(model);
    fileTableView->resizeColumnsToContents();
    fileTableView->selectRow(0);
    QHeaderView* header = fileTableView->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    header->setSectionsClickable(false);
    zarStyleSheet::apply(header, QStringLiteral(":/system/system/bHeaderView.qss"));
    zarStyleSheet::apply(fileTableView->verticalScrollBar(), QStringLiteral(":/system/system/vScrollBar.qss"));
    setFixedSize(1024, 600);
    connect(zarTranslator::instance(), &zarTranslator::sendTranslate, this, &zarFileTableDialog::onTranslate);
    onTranslate();
}

zarFileTableDialog::~zarFileTableDialog() = default;

QString zarFileTableDialog::selectedName() const
{
    const QModelIndex current = fileTableView->currentIndex();
    return current.sibling(current.row(), 0).data().toString();
}

// The model answers an empty path for no row.
QString zarFileTableDialog::selectedPath() const
{
    return m_model ? m_model->path(fileTableView->currentIndex().row()) : QString();
}

void zarFileTableDialog::onTranslate()
{
    acceptPushButton->setText(tr("Accept"));
    cancelPushButton->setText(tr("Cancel"));
}
