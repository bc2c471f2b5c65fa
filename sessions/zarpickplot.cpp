#include "sessions/zarpickplot.h"

#include "frame/zarwarningdialog.h"

#include <qwt_symbol.h>

#include <QCoreApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>

zarPickPlot::zarPickPlot(QWidget* parent) : QwtPlot(parent)
{
    // The curves are members: the plot must not delete them.
    setAutoDelete(false);
    setAutoReplot(false);
    pointCurve.setXAxis(QwtPlot::xTop);

    // The dotted grid lies below every item.
    QPen gridPen;
    gridPen.setStyle(Qt::DotLine);
    gridPen.setColor(Qt::gray);
    grid.setPen(gridPen);
    grid.enableXMin(true);
    grid.enableYMin(true);
    grid.setXAxis(QwtPlot::xTop);
    grid.attach(this);
}

zarPickPlot::~zarPickPlot() = default;

void zarPickPlot::attachPickCurve()
{
    pickCurve.setSymbol(new QwtSymbol(QwtSymbol::Ellipse, QBrush(Qt::red),
                                      QPen(QBrush(Qt::black), 2.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin),
                                      QSize(15, 15)));
    pickCurve.setPen(QPen(Qt::NoPen));
    pickCurve.setXAxis(QwtPlot::xTop);
    pickCurve.setRenderHint(QwtPlotItem::RenderAntialiased);
    pickCurve.attach(this);
    canvas()->setCursor(QCursor());
}

void zarPickPlot::setPickable(const QVector<QPointF>& xy, const QVector<quint32>& idx)
{
    rowIndexes = idx;
    pointCurve.setSamples(xy);
}

void zarPickPlot::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const QPoint position = canvas()->mapFrom(this, event->pos());
    double distance = 0;
    pickedPoint = pointCurve.closestPoint(position, &distance);
    pickedRow = -1;
    if (pickedPoint < 0 || !(distance < 10.0)) {
        pickedPoint = -1;
        return;
    }
    if (pickedPoint < rowIndexes.size())
        pickedRow = int(rowIndexes.at(pickedPoint));
    pickCurve.setSamples(QVector<QPointF> { pointCurve.sample(size_t(pickedPoint)) });
    replot();

    const char* context = metaObject()->className();
    QMenu menu;
    // Items a finger can hit.
    menu.setStyleSheet(QStringLiteral("QMenu::item { min-height: 48px; padding: 0px 24px 0px 8px; }"
                                      " QMenu::item:selected { background: #3399ff; color: white; }"
                                      " QMenu::icon { padding-left: 12px; }"));
    connect(&menu, &QObject::destroyed, this, &zarPickPlot::onPickPlotClear);
    connect(menu.addAction(QIcon(QStringLiteral(":/icons/icons/play.png")),
                           QCoreApplication::translate(context, "Go to")),
            &QAction::triggered, this, &zarPickPlot::onMenu01);
    connect(menu.addAction(QIcon(QStringLiteral(":/icons/icons/eraser.png")),
                           QCoreApplication::translate(context, "Delete")),
            &QAction::triggered, this, &zarPickPlot::onMenu02);
    menu.addAction(QIcon(QStringLiteral(":/icons/icons/close.png")), QCoreApplication::translate(context, "Cancel"));
    menu.exec(event->globalPos() + QPoint(10, 10));
}

void zarPickPlot::onPickPlotClear()
{
    pickCurve.setSamples(QVector<QPointF>());
    replot();
}

void zarPickPlot::onMenu01()
{
    if (pickedRow >= 0)
        emit sendRowSelection(pickedRow);
}

void zarPickPlot::onMenu02()
{
    if (pickedRow < 0)
        return;
    const int row = pickedRow;
    const QString question =
        QCoreApplication::translate(metaObject()->className(), "Are you sure you want to delete selected measurement?");
    if (zarWarningDialog::question(question) == 1)
        emit sendRowDelete(row);
}
