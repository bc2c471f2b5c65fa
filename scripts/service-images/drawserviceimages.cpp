// Draws the service screens' icons and device mark into resources/service/.
// Built and run by scripts/draw-service-images; the PNGs are committed.
#include "../images/zardrawkit.h"

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 2)
        qFatal("usage: drawserviceimages <resources/service>");
    outDir = QString::fromLocal8Bit(argv[1]);

    // Two arrows chasing each other round a circle.
    save(QStringLiteral("icons/refresh.png"), 128, 128, [](QPainter& p, int s, int) {
        const QColor blue(30, 110, 210);
        p.setPen(QPen(blue, s / 10.0, Qt::SolidLine, Qt::FlatCap));
        const QRectF ring(s * 0.2, s * 0.2, s * 0.6, s * 0.6);
        p.drawArc(ring, 20 * 16, 140 * 16);
        p.drawArc(ring, 200 * 16, 140 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(blue);
        const double r = s * 0.3, c = s * 0.5;
        for (double a : { 20.0, 200.0 }) {
            const double t = qDegreesToRadians(a);
            const QPointF tip(c + r * qCos(t), c - r * qSin(t));
            const QPointF along(qSin(t), qCos(t)); // clockwise direction at the arc's start
            const QPointF out(qCos(t), -qSin(t));
            p.drawPolygon(QPolygonF({ tip + along * s * 0.14, tip + out * s * 0.13, tip - out * s * 0.13 }));
        }
    });
    // An arrow down into a tray.
    save(QStringLiteral("icons/download.png"), 64, 64, [](QPainter& p, int s, int) {
        const QColor green(20, 140, 60);
        p.setPen(Qt::NoPen);
        p.setBrush(green);
        p.drawRect(QRectF(s * 0.41, s * 0.08, s * 0.18, s * 0.36));
        p.drawPolygon(QPolygonF({ QPointF(s * 0.22, s * 0.42), QPointF(s * 0.78, s * 0.42), QPointF(s * 0.5, s * 0.7) }));
        p.setPen(QPen(QColor(70, 70, 70), s / 12.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({ QPointF(s * 0.12, s * 0.62), QPointF(s * 0.12, s * 0.88), QPointF(s * 0.88, s * 0.88),
                                   QPointF(s * 0.88, s * 0.62) }));
    });
    // The mark of a device that answered.
    save(QStringLiteral("points/blue.png"), 17, 17, [](QPainter& p, int s, int) {
        QRadialGradient g(QPointF(s * 0.38, s * 0.35), s * 0.6);
        g.setColorAt(0, QColor(140, 180, 255));
        g.setColorAt(1, QColor(0, 40, 200));
        p.setPen(QPen(QColor(0, 20, 120), 1));
        p.setBrush(g);
        p.drawEllipse(QRectF(1.5, 1.5, s - 3, s - 3));
    });
    return 0;
}
