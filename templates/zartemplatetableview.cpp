#include "templates/zartemplatetableview.h"

#include <QFile>
#include <QHeaderView>
#include <QScrollBar>

namespace {
QString readStyleSheet(const QString& path, bool* found = nullptr)
{
    QFile file(path);
    const bool open = file.open(QIODevice::ReadOnly);
    if (found)
        *found = open;
    return open ? QString::fromLatin1(file.readAll()) : QString();
}
}

zarTemplateTableView::zarTemplateTableView(QWidget* parent) : QTableView(parent)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::MultiSelection);
    setAlternatingRowColors(true);
    setCornerButtonEnabled(false);
    setShowGrid(true);
    for (QHeaderView* header : { horizontalHeader(), verticalHeader() }) {
        // The font's own minimum would widen the columns past the square cell.
        header->setMinimumSectionSize(24);
        header->setDefaultSectionSize(24);
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setSectionsClickable(false);
    }
    // The selection looks the same with or without focus.
    QPalette p = palette();
    p.setBrush(QPalette::Inactive, QPalette::Highlight, QBrush(p.color(QPalette::Active, QPalette::Highlight)));
    setPalette(p);

    const QString headerStyle = readStyleSheet(QStringLiteral(":/system/system/bHeaderView.qss"));
    horizontalHeader()->setStyleSheet(headerStyle);
    verticalHeader()->setStyleSheet(headerStyle);
    bool found = false;
    const QString hStyle = readStyleSheet(QStringLiteral(":/system/system/hScrollBar.qss"), &found);
    if (found)
        horizontalScrollBar()->setStyleSheet(hStyle);
    const QString vStyle = readStyleSheet(QStringLiteral(":/system/system/vScrollBar.qss"), &found);
    if (found)
        verticalScrollBar()->setStyleSheet(vStyle);
}

void zarTemplateTableView::mouseReleaseEvent(QMouseEvent*)
{
    emit sendSelection(selectedIndexes());
    clearSelection();
    // The base handling (which would also click) is skipped: end the drag here, so
    // the view is at rest for the next touch wherever the finger was lifted.
    stopAutoScroll();
    setState(NoState);
}
