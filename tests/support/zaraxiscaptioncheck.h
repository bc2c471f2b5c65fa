#ifndef ZARAXISCAPTIONCHECK_H
#define ZARAXISCAPTIONCHECK_H

#include "frame/zaraxiscaptions.h"

#include <QFontMetrics>
#include <QLabel>

// What is wrong with a caption shown along an axis of the given length, or nothing: it
// lies within its label and the axis, at the captions' own size or, where that would
// run past the axis, at the largest size that does not.
inline QString zarAxisCaptionFault(const QLabel* caption, Qt::Orientation orientation, int axis)
{
    const auto along = [caption, orientation](int pixelSize) {
        QFont font = caption->font();
        font.setPixelSize(pixelSize);
        const QSize text = QFontMetrics(font).size(0, caption->text());
        return orientation == Qt::Vertical ? text.height() : text.width();
    };
    const int size = caption->font().pixelSize();
    const int text = along(size);
    const int label = orientation == Qt::Vertical ? caption->height() : caption->width();
    const bool largest = size == zarAxisCaptions::pixelSize || along(size + 1) > axis;
    if (size <= zarAxisCaptions::pixelSize && largest && text <= label && text <= axis)
        return QString();
    return QStringLiteral("%1: %2 px of text at %3 px, label %4 px, axis %5 px; one size larger %6 px")
        .arg(caption->objectName())
        .arg(text)
        .arg(size)
        .arg(label)
        .arg(axis)
        .arg(along(size + 1));
}

#endif
