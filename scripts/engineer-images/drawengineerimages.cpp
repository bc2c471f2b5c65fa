// Draws the engineer screen's icons into resources/engineer/ (play.png and
// disable.png come with the session and template screens).
// Built and run by scripts/draw-images engineer; the PNGs are committed.
#include "../images/zardrawkit.h"

// A tile with one big letter: the tabs that drive one kind of device.
static void letter(const QString& name, QColor colour)
{
    icon(name, 256, [name, colour](QPainter& p, int s) {
        tile(p, s, colour);
        label(p, QRectF(0, 0, s, s), name.toUpper(), s / 2);
    });
}

int main(int argc, char* argv[])
{
    const zarDrawing drawing(argc, argv, "drawengineerimages <resources/engineer>");

    letter(QStringLiteral("t"), QColor(200, 60, 40));
    letter(QStringLiteral("r"), QColor(40, 110, 200));
    letter(QStringLiteral("s"), QColor(60, 150, 60));
    letter(QStringLiteral("c"), QColor(150, 90, 190));
    letter(QStringLiteral("m"), QColor(90, 90, 100));

    icon(QStringLiteral("question"), 48, [](QPainter& p, int s) {
        p.setPen(QPen(QColor(30, 60, 150), 2));
        p.setBrush(QColor(90, 140, 230));
        p.drawEllipse(QRectF(3, 3, s - 6, s - 6));
        label(p, QRectF(0, 0, s, s), QStringLiteral("?"), s * 2 / 3);
    });
    icon(QStringLiteral("table"), 32, [](QPainter& p, int s) {
        p.setPen(QPen(QColor(70, 70, 80), 1.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3, 5, s - 6, s - 10));
        p.setBrush(QColor(90, 130, 210));
        p.drawRect(QRectF(3, 5, s - 6, 6));
        for (int i = 1; i < 3; ++i)
            p.drawLine(QPointF(3, 11 + i * 5), QPointF(s - 3, 11 + i * 5));
        p.drawLine(QPointF(s / 2.0, 11), QPointF(s / 2.0, s - 5));
    });
    icon(QStringLiteral("signal"), 64, [](QPainter& p, int s) {
        tile(p, s, QColor(30, 30, 40));
        QPainterPath wave;
        for (int i = 0; i <= 48; ++i) {
            const QPointF pt(s * 0.12 + i * s * 0.76 / 48, s * 0.5 - s * 0.28 * qSin(i * M_PI / 12));
            i ? wave.lineTo(pt) : wave.moveTo(pt);
        }
        p.setPen(QPen(QColor(90, 255, 90), 3));
        p.setBrush(Qt::NoBrush);
        p.drawPath(wave);
    });
    icon(QStringLiteral("download"), 48, [](QPainter& p, int s) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 120, 210));
        p.drawRect(QRectF(s * 0.38, s * 0.08, s * 0.24, s * 0.4));
        p.drawPolygon(QPolygonF({ QPointF(s * 0.18, s * 0.45), QPointF(s * 0.82, s * 0.45), QPointF(s * 0.5, s * 0.78) }));
        p.setBrush(QColor(80, 80, 90));
        p.drawRect(QRectF(s * 0.12, s * 0.84, s * 0.76, s * 0.08));
    });
    save(QStringLiteral("icons/full.png"), 128, 64, [](QPainter& p, int w, int h) {
        // A pseudo-section: rows of coloured cells narrowing with depth.
        const QColor colours[] = { QColor(40, 80, 220), QColor(40, 190, 200), QColor(90, 200, 70), QColor(240, 200, 40), QColor(220, 60, 40) };
        p.setPen(QPen(QColor(60, 60, 60), 1));
        for (int row = 0; row < 4; ++row)
            for (int col = 0; col < 10 - 2 * row; ++col) {
                p.setBrush(colours[(row + col) % 5]);
                p.drawRect(QRectF(4 + (row + col) * (w - 8) / 10.0, 4 + row * (h - 8) / 4.0, (w - 8) / 10.0, (h - 8) / 4.0));
            }
    });
}
