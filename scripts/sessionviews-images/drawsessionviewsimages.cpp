// Draws the icons of the session plots' pick menu (and the Start button's play
// icon) into resources/sessionviews/.
// Built and run by scripts/draw-images sessionviews; the PNGs are committed.
#include "../images/zardrawkit.h"

int main(int argc, char* argv[])
{
    const zarDrawing drawing(argc, argv, "drawsessionviewsimages <resources/sessionviews>");

    icon(QStringLiteral("play"), 256, [](QPainter& p, int s) {
        tile(p, s, QColor(30, 150, 60));
        QPainterPath triangle;
        triangle.moveTo(s * 0.36, s * 0.24);
        triangle.lineTo(s * 0.78, s * 0.5);
        triangle.lineTo(s * 0.36, s * 0.76);
        triangle.closeSubpath();
        p.setPen(QPen(QColor(20, 90, 40), s / 40.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::white);
        p.drawPath(triangle);
    });
    icon(QStringLiteral("eraser"), 64, [](QPainter& p, int s) {
        p.translate(s / 2.0, s / 2.0);
        p.rotate(-35);
        p.setPen(QPen(QColor(90, 40, 60), s / 32.0 + 1));
        p.setBrush(QColor(235, 110, 140));
        p.drawRoundedRect(QRectF(-s * 0.42, -s * 0.18, s * 0.5, s * 0.36), s * 0.05, s * 0.05);
        p.setBrush(QColor(110, 150, 230));
        p.drawRoundedRect(QRectF(s * 0.08, -s * 0.18, s * 0.34, s * 0.36), s * 0.05, s * 0.05);
        p.resetTransform();
        p.setPen(QPen(QColor(120, 120, 120), s / 32.0 + 1));
        p.drawLine(QPointF(s * 0.12, s * 0.9), QPointF(s * 0.88, s * 0.9));
    });
    return 0;
}
