#ifndef ZARPROGRAMFONT_H
#define ZARPROGRAMFONT_H

#include <QApplication>
#include <QFont>
#include <QScopeGuard>

// The program's own font (pixel size 15, as main sets it) until the returned guard ends:
// what fits a screen depends on it.
inline auto zarUseProgramFont()
{
    const QFont font = QApplication::font();
    QFont program = font;
    program.setPixelSize(15);
    QApplication::setFont(program);
    return qScopeGuard([font]() { QApplication::setFont(font); });
}

#endif
