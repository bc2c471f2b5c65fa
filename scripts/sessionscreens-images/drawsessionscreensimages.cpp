// Draws the session screens' own icon (the Append choice) into
// resources/sessionscreens/; the others come with the screens that share them.
// Built and run by scripts/draw-images sessionscreens; the PNGs are committed.
#include "../images/zardrawkit.h"

int main(int argc, char* argv[])
{
    const zarDrawing drawing(argc, argv, "drawsessionscreensimages <resources/sessionscreens>");

    // A cable of two segments: the first already laid (grey), the second added (green).
    save(QStringLiteral("icons/append.png"), 192, 64, [](QPainter& p, int w, int h) {
        const double y = h * 0.62;
        p.setPen(QPen(QColor(110, 110, 110), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(w * 0.04, y), QPointF(w * 0.5, y));
        p.setPen(QPen(QColor(30, 140, 60), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(w * 0.5, y), QPointF(w * 0.96, y));
        for (int i = 0; i < 8; ++i) {
            const double x = w * (0.07 + i * 0.123);
            const bool added = i >= 4;
            p.setPen(QPen(added ? QColor(20, 90, 40) : QColor(70, 70, 70), 2));
            p.setBrush(added ? QColor(80, 200, 110) : QColor(190, 190, 190));
            p.drawEllipse(QPointF(x, y), h * 0.11, h * 0.11);
        }
        p.setPen(QPen(QColor(30, 140, 60), 6, Qt::SolidLine, Qt::RoundCap));
        const QPointF c(w * 0.73, h * 0.24);
        p.drawLine(c - QPointF(h * 0.14, 0), c + QPointF(h * 0.14, 0));
        p.drawLine(c - QPointF(0, h * 0.14), c + QPointF(0, h * 0.14));
    });
    return 0;
}
