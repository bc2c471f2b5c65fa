#ifndef ZARTEMPLATETABLEVIEW_H
#define ZARTEMPLATETABLEVIEW_H

#include <QModelIndexList>
#include <QTableView>

// Touch table of the template grid: the cells touched since the finger went down
// are handed on when it is lifted; the view keeps no selection of its own.
class zarTemplateTableView : public QTableView
{
    Q_OBJECT

public:
    explicit zarTemplateTableView(QWidget* parent = nullptr);

signals:
    void sendSelection(QModelIndexList modelIndexList);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

#endif
