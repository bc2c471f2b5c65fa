#include "templates/zartemplatetableview.h"

#include "frame/zarstylesheet.h"

#include <QHeaderView>
#include <QScrollBar>

zarTemplateTableView::zarTemplateTableView(QWidget* parent) : QTableView(parent)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::MultiSelection);
    setAlternatingRowColors(true);
    setCornerButtonEnabled(false);
    setShowGrid(true);
    // A finger drawn along a partly shown edge row or column must stay on it: no
    // scrolling to the touched cell, nor near the edges while the finger is down.
    // The scroll bars alone move the grid.
    setAutoScroll(false);
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

    zarStyleSheet::apply(horizontalHeader(), QStringLiteral(":/system/system/bHeaderView.qss"));
    zarStyleSheet::apply(verticalHeader(), QStringLiteral(":/system/system/bHeaderView.qss"));
    zarStyleSheet::apply(horizontalScrollBar(), QStringLiteral(":/system/system/hScrollBar.qss"));
    zarStyleSheet::apply(verticalScrollBar(), QStringLiteral(":/system/system/vScrollBar.qss"));
}

// With auto-scroll off the view no longer follows the current cell by itself: after a
// key that moved it, it is brought into view here. Other keys leave the grid where the
// operator scrolled it.
void zarTemplateTableView::keyPressEvent(QKeyEvent* event)
{
    const QModelIndex before = currentIndex();
    QTableView::keyPressEvent(event);
    if (currentIndex().isValid() && currentIndex() != before)
        scrollTo(currentIndex());
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
