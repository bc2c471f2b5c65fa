#ifndef ZARPROGRAMFONT_H
#define ZARPROGRAMFONT_H

#include "frame/zarguistyle.h"

#include <QApplication>
#include <QFont>
#include <QScopeGuard>

// The program's own font until the returned guard ends: what fits a screen depends on it.
inline auto zarUseProgramFont()
{
    const QFont font = QApplication::font();
    QFont program = font;
    program.setPixelSize(zarGuiStyle::fontPixelSize);
    QApplication::setFont(program);
    return qScopeGuard([font]() { QApplication::setFont(font); });
}

#endif
