// Drawing helpers shared by the image generators under scripts/.
#ifndef ZARDRAWKIT_H
#define ZARDRAWKIT_H

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <QtMath>

#include <functional>

// The folder the pictures go to, named on the command line.
inline QString outDir;

// Held by each generator's main: the application the fonts need, and outDir set.
struct zarDrawing
{
    QGuiApplication app;

    zarDrawing(int& argc, char* argv[], const char* usage) : app(argc, argv)
    {
        if (argc < 2)
            qFatal("usage: %s", usage);
        outDir = QString::fromLocal8Bit(argv[1]);
    }
};

inline void save(const QString& path, int w, int h, const std::function<void(QPainter&, int, int)>& draw)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        draw(p, w, h);
    }
    const QString file = outDir + QLatin1Char('/') + path;
    QDir().mkpath(QFileInfo(file).path());
    if (!image.save(file, "PNG"))
        qFatal("cannot write %s", qPrintable(file));
}

// A square picture under icons/.
inline void icon(const QString& name, int size, const std::function<void(QPainter&, int)>& draw)
{
    save(QStringLiteral("icons/%1.png").arg(name), size, size, [draw](QPainter& p, int s, int) { draw(p, s); });
}

inline QFont font(int pixels, bool bold = true)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// A rounded tile with a vertical gradient: the common ground of the icons.
inline void tile(QPainter& p, int s, QColor c)
{
    QLinearGradient g(0, 0, 0, s);
    g.setColorAt(0, c.lighter(150));
    g.setColorAt(1, c.darker(120));
    p.setPen(QPen(c.darker(170), s / 32.0 + 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(s * 0.06, s * 0.06, s * 0.88, s * 0.88), s * 0.16, s * 0.16);
}

inline void label(QPainter& p, const QRectF& r, const QString& text, int px, QColor c = Qt::white)
{
    p.setFont(font(px));
    p.setPen(c);
    p.drawText(r, Qt::AlignCenter, text);
}

inline void gear(QPainter& p, QPointF c, double r, QColor col)
{
    QPainterPath path;
    const int teeth = 8;
    for (int i = 0; i < teeth * 2; ++i) {
        const double a0 = i * M_PI / teeth, a1 = (i + 1) * M_PI / teeth;
        const double rr = (i % 2) ? r * 0.78 : r;
        const QPointF p0 = c + QPointF(rr * qCos(a0), rr * qSin(a0));
        const QPointF p1 = c + QPointF(rr * qCos(a1), rr * qSin(a1));
        if (i == 0)
            path.moveTo(p0);
        else
            path.lineTo(p0);
        path.lineTo(p1);
    }
    path.closeSubpath();
    path.addEllipse(c, r * 0.3, r * 0.3);
    path.setFillRule(Qt::OddEvenFill);
    p.setPen(QPen(col.darker(150), 1));
    p.setBrush(col);
    p.drawPath(path);
}

inline void folder(QPainter& p, int s, QColor c, const QString& mark)
{
    p.setPen(QPen(c.darker(160), s / 40.0 + 1));
    p.setBrush(c.darker(110));
    QPainterPath back;
    back.moveTo(s * 0.08, s * 0.22);
    back.lineTo(s * 0.38, s * 0.22);
    back.lineTo(s * 0.46, s * 0.30);
    back.lineTo(s * 0.92, s * 0.30);
    back.lineTo(s * 0.92, s * 0.84);
    back.lineTo(s * 0.08, s * 0.84);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(QRectF(s * 0.16, s * 0.26, s * 0.68, s * 0.3));
    p.setBrush(c);
    QPainterPath front;
    front.moveTo(s * 0.04, s * 0.40);
    front.lineTo(s * 0.96, s * 0.40);
    front.lineTo(s * 0.90, s * 0.84);
    front.lineTo(s * 0.10, s * 0.84);
    front.closeSubpath();
    p.drawPath(front);
    label(p, QRectF(0, s * 0.42, s, s * 0.42), mark, s / 4);
}

inline void list(QPainter& p, int s, QColor c, const QString& mark)
{
    p.setPen(QPen(QColor(90, 90, 90), s / 48.0 + 1));
    p.setBrush(QColor(255, 255, 250));
    p.drawRect(QRectF(s * 0.18, s * 0.08, s * 0.64, s * 0.84));
    p.setPen(QPen(c, s / 24.0));
    for (int i = 0; i < 6; ++i)
        p.drawLine(QPointF(s * 0.28, s * (0.2 + i * 0.1)), QPointF(s * 0.72, s * (0.2 + i * 0.1)));
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(s * 0.74, s * 0.78), s * 0.2, s * 0.2);
    label(p, QRectF(s * 0.54, s * 0.58, s * 0.4, s * 0.4), mark, s / 5);
}

#endif
