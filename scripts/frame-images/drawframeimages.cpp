// Draws the frame's icons, flags and waveform pictures into resources/frame/.
// Built and run by scripts/draw-images frame; the PNGs are committed.
#include "../images/zardrawkit.h"

static void battery(const QString& name, int level)
{
    save(QStringLiteral("icons/battery.%1.png").arg(name), 60, 32, [level](QPainter& p, int, int) {
        p.setPen(QPen(QColor(60, 60, 60), 2));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(2, 5, 50, 22), 3, 3);
        p.setBrush(QColor(60, 60, 60));
        p.drawRect(QRectF(52, 11, 5, 10));
        const QColor fill = level >= 60 ? QColor(40, 170, 40) : level >= 40 ? QColor(230, 180, 0) : QColor(220, 40, 40);
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        for (int i = 0; i < level / 20; ++i)
            p.drawRect(QRectF(5 + i * 9.4, 8, 8, 16));
    });
}

static void drop(const QString& name, int drops)
{
    save(QStringLiteral("icons/moisture.%1.png").arg(name), 55, 32, [drops](QPainter& p, int, int) {
        for (int i = 0; i < 3; ++i) {
            const double x = 9 + i * 18;
            QPainterPath d;
            d.moveTo(x, 3);
            d.cubicTo(x + 10, 16, x + 9, 29, x, 29);
            d.cubicTo(x - 9, 29, x - 10, 16, x, 3);
            p.setPen(QPen(QColor(30, 80, 180), 1.5));
            p.setBrush(i < drops ? QColor(60, 130, 255) : QColor(255, 255, 255, 0));
            p.drawPath(d);
        }
    });
}

// A closed book: the cover and the page edge; the caller marks the cover.
static void book(QPainter& p, int s, double pen, double corner)
{
    p.setPen(QPen(QColor(40, 40, 100), pen));
    p.setBrush(QColor(60, 90, 200));
    p.drawRoundedRect(QRectF(s * 0.16, s * 0.08, s * 0.68, s * 0.84), corner, corner);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(s * 0.24, s * 0.8, s * 0.6, s * 0.08));
}

// Half a period of the bipolar waveform: a pulse block, then the pause with or without
// the decay. The positive picture stands on the zero line below it, the negative
// one hangs from the zero line above it.
static void pulse(const QString& name, bool positive, bool ip)
{
    save(QStringLiteral("pulses/%1.png").arg(name), 247, 61, [positive, ip](QPainter& p, int w, int h) {
        const double base = positive ? h : 0;
        const double peak = positive ? 4 : h - 4;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(220, 30, 30));
        p.drawRect(QRectF(QPointF(4, qMin(base, peak)), QPointF(w / 2.0 - 4, qMax(base, peak))));
        if (!ip)
            return;
        QPainterPath decay;
        const double x0 = w / 2.0 - 4, x1 = w - 4;
        decay.moveTo(x0, base);
        for (int i = 0; i <= 60; ++i) {
            const double t = i / 60.0;
            decay.lineTo(x0 + t * (x1 - x0), base + (peak - base) * 0.8 * qExp(-4.0 * t));
        }
        decay.lineTo(x1, base);
        decay.closeSubpath();
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(40, 80, 230), 1));
        p.save();
        p.setClipPath(decay);
        for (double x = x0; x < x1; x += 5)
            p.drawLine(QPointF(x, 0), QPointF(x, h));
        p.restore();
        p.setPen(QPen(QColor(20, 50, 200), 2));
        p.drawPath(decay);
    });
}

int main(int argc, char* argv[])
{
    const zarDrawing drawing(argc, argv, "drawframeimages <resources/frame>");

    icon(QStringLiteral("empty"), 16, [](QPainter&, int) {});
    icon(QStringLiteral("terminal"), 64, [](QPainter& p, int s) {
        tile(p, s, QColor(40, 40, 50));
        label(p, QRectF(0, 0, s, s), QStringLiteral(">_"), s / 2, QColor(90, 255, 90));
    });
    icon(QStringLiteral("brickwall"), 64, [](QPainter& p, int s) {
        const double bh = s / 6.0;
        p.setPen(QPen(QColor(240, 230, 210), 2));
        p.setBrush(QColor(190, 80, 50));
        for (int row = 0; row < 5; ++row) {
            const double off = (row % 2) ? -s / 6.0 : 0;
            for (int col = 0; col < 4; ++col)
                p.drawRect(QRectF(off + col * s / 3.0 + 2, s / 12.0 + row * bh, s / 3.0 - 2, bh));
        }
    });
    icon(QStringLiteral("spanner"), 64, [](QPainter& p, int s) {
        p.translate(s / 2.0, s / 2.0);
        p.rotate(-45);
        p.setPen(QPen(QColor(80, 80, 90), 2));
        p.setBrush(QColor(170, 175, 190));
        QPainterPath path;
        path.addRoundedRect(QRectF(-s * 0.08, -s * 0.3, s * 0.16, s * 0.7), 4, 4);
        path.addEllipse(QPointF(0, -s * 0.3), s * 0.18, s * 0.18);
        p.drawPath(path.simplified());
        p.setBrush(Qt::white);
        p.drawRect(QRectF(-s * 0.06, -s * 0.5, s * 0.12, s * 0.2));
    });
    icon(QStringLiteral("cubes"), 64, [](QPainter& p, int s) {
        auto cube = [&p, s](double x, double y, QColor c) {
            const double a = s * 0.2;
            QPolygonF top({ QPointF(x, y), QPointF(x + a, y - a / 2), QPointF(x + 2 * a, y), QPointF(x + a, y + a / 2) });
            QPolygonF left({ QPointF(x, y), QPointF(x + a, y + a / 2), QPointF(x + a, y + 1.5 * a), QPointF(x, y + a) });
            QPolygonF right({ QPointF(x + a, y + a / 2), QPointF(x + 2 * a, y), QPointF(x + 2 * a, y + a), QPointF(x + a, y + 1.5 * a) });
            p.setPen(QPen(c.darker(180), 1));
            p.setBrush(c.lighter(140));
            p.drawPolygon(top);
            p.setBrush(c);
            p.drawPolygon(left);
            p.setBrush(c.darker(130));
            p.drawPolygon(right);
        };
        cube(s * 0.06, s * 0.52, QColor(60, 120, 220));
        cube(s * 0.52, s * 0.52, QColor(220, 120, 40));
        cube(s * 0.29, s * 0.2, QColor(70, 180, 70));
    });
    icon(QStringLiteral("book"), 64, [](QPainter& p, int s) {
        book(p, s, 2, 4);
        p.setPen(QPen(Qt::white, 3));
        p.drawLine(QPointF(s * 0.32, s * 0.3), QPointF(s * 0.7, s * 0.3));
    });
    icon(QStringLiteral("book.02"), 128, [](QPainter& p, int s) {
        book(p, s, 3, 6);
        label(p, QRectF(s * 0.16, s * 0.2, s * 0.68, s * 0.4), QStringLiteral("Ω·m"), s / 6);
    });
    icon(QStringLiteral("chip"), 64, [](QPainter& p, int s) {
        p.setPen(QPen(QColor(150, 150, 150), 3));
        for (int i = 0; i < 4; ++i) {
            const double t = s * (0.3 + i * 0.13);
            p.drawLine(QPointF(t, s * 0.06), QPointF(t, s * 0.94));
            p.drawLine(QPointF(s * 0.06, t), QPointF(s * 0.94, t));
        }
        p.setPen(QPen(QColor(20, 20, 20), 1));
        p.setBrush(QColor(50, 50, 55));
        p.drawRoundedRect(QRectF(s * 0.2, s * 0.2, s * 0.6, s * 0.6), 4, 4);
    });
    icon(QStringLiteral("attention"), 64, [](QPainter& p, int s) {
        QPolygonF tri({ QPointF(s / 2.0, s * 0.06), QPointF(s * 0.96, s * 0.9), QPointF(s * 0.04, s * 0.9) });
        p.setPen(QPen(QColor(160, 90, 0), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(255, 200, 0));
        p.drawPolygon(tri);
        label(p, QRectF(0, s * 0.25, s, s * 0.65), QStringLiteral("!"), s / 2, Qt::black);
    });
    icon(QStringLiteral("accept"), 64, [](QPainter& p, int s) {
        p.setPen(QPen(QColor(0, 150, 40), s / 7.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({ QPointF(s * 0.15, s * 0.52), QPointF(s * 0.4, s * 0.78), QPointF(s * 0.86, s * 0.22) }));
    });
    icon(QStringLiteral("close"), 64, [](QPainter& p, int s) {
        p.setPen(QPen(QColor(210, 30, 30), s / 7.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(s * 0.2, s * 0.2), QPointF(s * 0.8, s * 0.8));
        p.drawLine(QPointF(s * 0.8, s * 0.2), QPointF(s * 0.2, s * 0.8));
    });
    icon(QStringLiteral("back"), 64, [](QPainter& p, int s) {
        p.setPen(QPen(QColor(30, 90, 200), s / 8.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        QPainterPath path;
        path.moveTo(s * 0.8, s * 0.8);
        path.cubicTo(s * 0.8, s * 0.4, s * 0.6, s * 0.35, s * 0.25, s * 0.35);
        p.drawPath(path);
        p.drawPolyline(QPolygonF({ QPointF(s * 0.4, s * 0.15), QPointF(s * 0.2, s * 0.35), QPointF(s * 0.4, s * 0.55) }));
    });
    icon(QStringLiteral("pencil"), 64, [](QPainter& p, int s) {
        p.translate(s / 2.0, s / 2.0);
        p.rotate(45);
        p.setPen(QPen(QColor(90, 60, 0), 1.5));
        p.setBrush(QColor(255, 190, 0));
        p.drawRect(QRectF(-s * 0.1, -s * 0.42, s * 0.2, s * 0.6));
        p.setBrush(QColor(240, 210, 170));
        p.drawPolygon(QPolygonF({ QPointF(-s * 0.1, s * 0.18), QPointF(s * 0.1, s * 0.18), QPointF(0, s * 0.42) }));
    });
    icon(QStringLiteral("slider"), 24, [](QPainter& p, int s) {
        p.setPen(QPen(QColor(110, 110, 110), 2));
        for (int i = 0; i < 3; ++i)
            p.drawLine(QPointF(s * (0.3 + i * 0.2), s * 0.2), QPointF(s * (0.3 + i * 0.2), s * 0.8));
    });

    const int big = 128;
    icon(QStringLiteral("language"), big, [](QPainter& p, int s) {
        tile(p, s, QColor(60, 120, 220));
        label(p, QRectF(0, s * 0.08, s, s * 0.5), QStringLiteral("Aa"), s / 3);
        label(p, QRectF(0, s * 0.45, s, s * 0.45), QStringLiteral("Яя"), s / 3);
    });
    icon(QStringLiteral("usb"), big, [](QPainter& p, int s) {
        tile(p, s, QColor(90, 90, 100));
        p.setPen(QPen(Qt::white, s / 20.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(s * 0.5, s * 0.2), QPointF(s * 0.5, s * 0.8));
        p.drawLine(QPointF(s * 0.5, s * 0.6), QPointF(s * 0.3, s * 0.45));
        p.drawLine(QPointF(s * 0.5, s * 0.5), QPointF(s * 0.7, s * 0.38));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(s * 0.5, s * 0.8), s * 0.06, s * 0.06);
        p.drawEllipse(QPointF(s * 0.3, s * 0.42), s * 0.04, s * 0.04);
        p.drawRect(QRectF(s * 0.67, s * 0.32, s * 0.07, s * 0.07));
    });
    icon(QStringLiteral("pci"), big, [](QPainter& p, int s) {
        tile(p, s, QColor(40, 140, 80));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 190, 60));
        for (int i = 0; i < 8; ++i)
            p.drawRect(QRectF(s * (0.18 + i * 0.085), s * 0.72, s * 0.05, s * 0.14));
        p.setBrush(QColor(30, 30, 30));
        p.drawRect(QRectF(s * 0.25, s * 0.25, s * 0.3, s * 0.3));
        p.drawRect(QRectF(s * 0.6, s * 0.3, s * 0.18, s * 0.2));
    });
    icon(QStringLiteral("proxy"), big, [](QPainter& p, int s) {
        tile(p, s, QColor(60, 160, 200));
        p.setPen(QPen(Qt::white, s / 12.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(s * 0.5, s * 0.2), QPointF(s * 0.5, s * 0.68));
        p.drawPolyline(QPolygonF({ QPointF(s * 0.3, s * 0.5), QPointF(s * 0.5, s * 0.7), QPointF(s * 0.7, s * 0.5) }));
        p.drawLine(QPointF(s * 0.25, s * 0.8), QPointF(s * 0.75, s * 0.8));
    });
    icon(QStringLiteral("clock"), big, [](QPainter& p, int s) {
        p.setPen(QPen(QColor(40, 40, 40), s / 20.0));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(s / 2.0, s / 2.0), s * 0.42, s * 0.42);
        for (int i = 0; i < 12; ++i) {
            const double a = i * M_PI / 6;
            p.drawLine(QPointF(s / 2.0 + s * 0.34 * qCos(a), s / 2.0 + s * 0.34 * qSin(a)),
                       QPointF(s / 2.0 + s * 0.4 * qCos(a), s / 2.0 + s * 0.4 * qSin(a)));
        }
        p.setPen(QPen(QColor(40, 40, 40), s / 16.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(s / 2.0, s / 2.0), QPointF(s / 2.0, s * 0.24));
        p.drawLine(QPointF(s / 2.0, s / 2.0), QPointF(s * 0.7, s * 0.58));
    });
    icon(QStringLiteral("box"), big, [](QPainter& p, int s) {
        p.setPen(QPen(QColor(120, 80, 30), s / 40.0, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
        p.setBrush(QColor(215, 170, 100));
        p.drawPolygon(QPolygonF({ QPointF(s * 0.1, s * 0.35), QPointF(s * 0.5, s * 0.5), QPointF(s * 0.5, s * 0.92), QPointF(s * 0.1, s * 0.75) }));
        p.setBrush(QColor(190, 140, 70));
        p.drawPolygon(QPolygonF({ QPointF(s * 0.5, s * 0.5), QPointF(s * 0.9, s * 0.35), QPointF(s * 0.9, s * 0.75), QPointF(s * 0.5, s * 0.92) }));
        p.setBrush(QColor(235, 200, 140));
        p.drawPolygon(QPolygonF({ QPointF(s * 0.1, s * 0.35), QPointF(s * 0.5, s * 0.2), QPointF(s * 0.9, s * 0.35), QPointF(s * 0.5, s * 0.5) }));
    });
    icon(QStringLiteral("satellite"), big, [](QPainter& p, int s) {
        p.translate(s / 2.0, s / 2.0);
        p.rotate(-35);
        p.setPen(QPen(QColor(40, 40, 60), 2));
        p.setBrush(QColor(50, 80, 180));
        p.drawRect(QRectF(-s * 0.45, -s * 0.1, s * 0.28, s * 0.2));
        p.drawRect(QRectF(s * 0.17, -s * 0.1, s * 0.28, s * 0.2));
        p.setBrush(QColor(200, 200, 210));
        p.drawRect(QRectF(-s * 0.13, -s * 0.15, s * 0.26, s * 0.3));
        p.drawLine(QPointF(-s * 0.17, 0), QPointF(-s * 0.13, 0));
        p.drawLine(QPointF(s * 0.13, 0), QPointF(s * 0.17, 0));
    });
    icon(QStringLiteral("gears"), big, [](QPainter& p, int s) {
        gear(p, QPointF(s * 0.38, s * 0.4), s * 0.3, QColor(140, 140, 150));
        gear(p, QPointF(s * 0.72, s * 0.72), s * 0.2, QColor(200, 140, 40));
    });
    icon(QStringLiteral("power"), big, [](QPainter& p, int s) {
        p.setPen(QPen(QColor(200, 30, 30), s / 10.0, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(s * 0.18, s * 0.2, s * 0.64, s * 0.64), 120 * 16, 300 * 16);
        p.drawLine(QPointF(s / 2.0, s * 0.12), QPointF(s / 2.0, s * 0.48));
    });
    icon(QStringLiteral("listOne"), big, [](QPainter& p, int s) { list(p, s, QColor(60, 130, 220), QStringLiteral("+")); });
    icon(QStringLiteral("listTwo"), big, [](QPainter& p, int s) { list(p, s, QColor(40, 160, 80), QStringLiteral("▶")); });
    icon(QStringLiteral("listErt"), big, [](QPainter& p, int s) { list(p, s, QColor(200, 110, 30), QStringLiteral("E")); });
    icon(QStringLiteral("folderOne"), big, [](QPainter& p, int s) { folder(p, s, QColor(80, 140, 230), QString()); });
    icon(QStringLiteral("folderTwo"), big, [](QPainter& p, int s) { folder(p, s, QColor(240, 190, 60), QString()); });
    icon(QStringLiteral("folderThree"), big, [](QPainter& p, int s) { folder(p, s, QColor(240, 110, 60), QStringLiteral("!")); });

    battery(QStringLiteral("100"), 100);
    battery(QStringLiteral("80"), 80);
    battery(QStringLiteral("60"), 60);
    battery(QStringLiteral("40"), 40);
    battery(QStringLiteral("20"), 20);
    battery(QStringLiteral("0"), 0);
    drop(QStringLiteral("3"), 3);
    drop(QStringLiteral("2"), 2);
    drop(QStringLiteral("1"), 1);
    drop(QStringLiteral("0"), 0);

    save(QStringLiteral("flags/ru.png"), 48, 32, [](QPainter& p, int w, int h) {
        p.fillRect(0, 0, w, h / 3, Qt::white);
        p.fillRect(0, h / 3, w, h / 3 + 1, QColor(0, 57, 166));
        p.fillRect(0, 2 * h / 3, w, h - 2 * h / 3, QColor(213, 43, 30));
        p.setPen(QColor(160, 160, 160));
        p.setBrush(Qt::NoBrush);
        p.drawRect(0, 0, w - 1, h - 1);
    });
    save(QStringLiteral("flags/us.png"), 48, 32, [](QPainter& p, int w, int h) {
        for (int i = 0; i < 13; ++i)
            p.fillRect(QRectF(0, i * h / 13.0, w, h / 13.0 + 0.5), (i % 2) ? Qt::white : QColor(178, 34, 52));
        p.fillRect(QRectF(0, 0, w * 0.42, h * 7 / 13.0), QColor(60, 59, 110));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 5; ++c)
                p.drawEllipse(QPointF(2.5 + c * 3.8, 2.5 + r * 4.2), 0.9, 0.9);
    });

    pulse(QStringLiteral("resPos"), true, false);
    pulse(QStringLiteral("resNeg"), false, false);
    pulse(QStringLiteral("resIpPos"), true, true);
    pulse(QStringLiteral("resIpNeg"), false, true);
    save(QStringLiteral("pulses/resIpNull.png"), 496, 2, [](QPainter& p, int w, int h) {
        p.fillRect(0, 0, w, h, QColor(40, 40, 40));
    });
    return 0;
}
