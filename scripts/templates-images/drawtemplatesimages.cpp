// Draws the template screens' icons and grid points into resources/templates/.
// Built and run by scripts/draw-images templates; the PNGs are committed.
#include "../images/zardrawkit.h"

static void point(const QString& name, QColor c)
{
    save(QStringLiteral("points/%1.png").arg(name), 16, 16, [c](QPainter& p, int s, int) {
        QRadialGradient g(QPointF(s * 0.38, s * 0.35), s * 0.6);
        g.setColorAt(0, c.lighter(170));
        g.setColorAt(1, c);
        p.setPen(QPen(c.darker(170), 1));
        p.setBrush(g);
        p.drawEllipse(QRectF(2, 2, s - 4, s - 4));
    });
}

int main(int argc, char* argv[])
{
    const zarDrawing drawing(argc, argv, "drawtemplatesimages <resources/templates>");

    icon(QStringLiteral("plus"), 32, [](QPainter& p, int s) {
        p.setPen(QPen(QColor(0, 140, 40), s / 5.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(s * 0.5, s * 0.18), QPointF(s * 0.5, s * 0.82));
        p.drawLine(QPointF(s * 0.18, s * 0.5), QPointF(s * 0.82, s * 0.5));
    });
    icon(QStringLiteral("clone"), 32, [](QPainter& p, int s) {
        p.setPen(QPen(QColor(40, 70, 160), 2));
        p.setBrush(QColor(200, 215, 255));
        p.drawRect(QRectF(s * 0.08, s * 0.08, s * 0.55, s * 0.55));
        p.setBrush(QColor(120, 160, 250));
        p.drawRect(QRectF(s * 0.37, s * 0.37, s * 0.55, s * 0.55));
    });
    icon(QStringLiteral("disable"), 32, [](QPainter& p, int s) {
        p.setPen(QPen(QColor(200, 30, 30), s / 8.0));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(s * 0.12, s * 0.12, s * 0.76, s * 0.76));
        p.drawLine(QPointF(s * 0.26, s * 0.74), QPointF(s * 0.74, s * 0.26));
    });
    icon(QStringLiteral("general"), 32, [](QPainter& p, int s) {
        p.setPen(QPen(QColor(60, 60, 60), 1.5));
        p.setBrush(QColor(250, 250, 240));
        p.drawRect(QRectF(s * 0.12, s * 0.08, s * 0.76, s * 0.84));
        p.setPen(QPen(QColor(40, 90, 200), 2.5));
        for (int i = 0; i < 4; ++i)
            p.drawLine(QPointF(s * 0.24, s * (0.25 + i * 0.17)), QPointF(s * 0.76, s * (0.25 + i * 0.17)));
    });
    icon(QStringLiteral("ball"), 32, [](QPainter& p, int s) {
        QRadialGradient g(QPointF(s * 0.38, s * 0.35), s * 0.55);
        g.setColorAt(0, QColor(255, 255, 255));
        g.setColorAt(1, QColor(220, 60, 40));
        p.setPen(QPen(QColor(120, 30, 20), 1));
        p.setBrush(g);
        p.drawEllipse(QRectF(s * 0.1, s * 0.1, s * 0.8, s * 0.8));
    });
    icon(QStringLiteral("grounding"), 64, [](QPainter& p, int s) {
        p.setPen(QPen(QColor(40, 40, 40), s / 14.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(s * 0.5, s * 0.1), QPointF(s * 0.5, s * 0.5));
        p.drawLine(QPointF(s * 0.18, s * 0.5), QPointF(s * 0.82, s * 0.5));
        p.drawLine(QPointF(s * 0.3, s * 0.66), QPointF(s * 0.7, s * 0.66));
        p.drawLine(QPointF(s * 0.42, s * 0.82), QPointF(s * 0.58, s * 0.82));
    });
    icon(QStringLiteral("floppy"), 64, [](QPainter& p, int s) {
        p.setPen(QPen(QColor(20, 30, 70), 2));
        p.setBrush(QColor(40, 70, 160));
        QPainterPath body;
        body.moveTo(s * 0.1, s * 0.1);
        body.lineTo(s * 0.78, s * 0.1);
        body.lineTo(s * 0.9, s * 0.22);
        body.lineTo(s * 0.9, s * 0.9);
        body.lineTo(s * 0.1, s * 0.9);
        body.closeSubpath();
        p.drawPath(body);
        p.setBrush(QColor(220, 220, 225));
        p.drawRect(QRectF(s * 0.26, s * 0.1, s * 0.44, s * 0.26));
        p.setBrush(QColor(40, 70, 160));
        p.drawRect(QRectF(s * 0.54, s * 0.14, s * 0.1, s * 0.18));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(s * 0.2, s * 0.52, s * 0.6, s * 0.38));
    });

    point(QStringLiteral("red"), QColor(230, 20, 20));
    point(QStringLiteral("green"), QColor(0, 170, 0));
    point(QStringLiteral("purple"), QColor(170, 0, 170));
    point(QStringLiteral("blue"), QColor(20, 40, 230));
    return 0;
}
