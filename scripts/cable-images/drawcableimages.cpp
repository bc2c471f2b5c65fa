// Draws the cable dialog's wire pictures and the icons only it uses into resources/cable/.
// The play and disable icons are shared with other screens and registered there.
// Built and run by scripts/draw-images cable; the PNGs are committed.
#include "../images/zardrawkit.h"

// A wire leaving the cable line: copper core in an insulation sleeve.
static void wire(QPainter& p, double y, double w, QColor sleeve)
{
    p.setPen(QPen(sleeve.darker(160), 1));
    p.setBrush(sleeve);
    p.drawRoundedRect(QRectF(2, y - 6, w - 4, 12), 6, 6);
    p.setPen(QPen(QColor(200, 120, 40), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, y), QPointF(w - 8, y));
}

int main(int argc, char* argv[])
{
    const zarDrawing drawing(argc, argv, "drawcableimages <resources/cable>");

    save(QStringLiteral("wires/enabled.png"), 63, 18, [](QPainter& p, int w, int h) {
        wire(p, h / 2.0, w, QColor(60, 170, 60));
    });
    // The same wire cut in the middle under a red cross.
    save(QStringLiteral("wires/disabled.png"), 63, 55, [](QPainter& p, int w, int h) {
        p.save();
        p.setClipRect(QRectF(0, 0, w / 2.0 - 5, h));
        wire(p, h / 2.0, w, QColor(150, 150, 150));
        p.setClipRect(QRectF(w / 2.0 + 5, 0, w, h));
        wire(p, h / 2.0, w, QColor(150, 150, 150));
        p.restore();
        p.setPen(QPen(QColor(220, 30, 30), 5, Qt::SolidLine, Qt::RoundCap));
        const double c = w / 2.0, m = h / 2.0, r = 18;
        p.drawLine(QPointF(c - r, m - r), QPointF(c + r, m + r));
        p.drawLine(QPointF(c - r, m + r), QPointF(c + r, m - r));
    });

    icon(QStringLiteral("refresh"), 128, [](QPainter& p, int s) {
        const QRectF ring(s * 0.2, s * 0.2, s * 0.6, s * 0.6);
        p.setPen(QPen(QColor(30, 110, 210), s * 0.11, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(ring, 100 * 16, 290 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 110, 210));
        const QPointF tip(s * 0.5, s * 0.2);
        p.drawPolygon(QPolygonF({ tip + QPointF(-s * 0.02, -s * 0.15), tip + QPointF(s * 0.17, 0),
                                  tip + QPointF(-s * 0.02, s * 0.15) }));
    });
    icon(QStringLiteral("infinity"), 128, [](QPainter& p, int s) {
        QPainterPath path;
        const double cy = s * 0.5, a = s * 0.2, b = s * 0.16;
        path.moveTo(s * 0.5, cy);
        path.cubicTo(s * 0.5 + a * 0.6, cy - b * 1.6, s * 0.5 + a * 2.1, cy - b * 1.3, s * 0.5 + a * 2.1, cy);
        path.cubicTo(s * 0.5 + a * 2.1, cy + b * 1.3, s * 0.5 + a * 0.6, cy + b * 1.6, s * 0.5, cy);
        path.cubicTo(s * 0.5 - a * 0.6, cy - b * 1.6, s * 0.5 - a * 2.1, cy - b * 1.3, s * 0.5 - a * 2.1, cy);
        path.cubicTo(s * 0.5 - a * 2.1, cy + b * 1.3, s * 0.5 - a * 0.6, cy + b * 1.6, s * 0.5, cy);
        p.setPen(QPen(QColor(90, 40, 170), s * 0.09, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    });
    return 0;
}
