#include "frame/zaraxiscaptions.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>

namespace {
QFont captionFont(int pixelSize)
{
    QFont font(QStringLiteral("Consolas"));
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Bold);
    return font;
}
}

zarAxisCaptions::zarAxisCaptions(QObject* parent) : QObject(parent)
{
}

void zarAxisCaptions::add(Qt::Orientation orientation, std::initializer_list<QWidget*> axes,
                          std::initializer_list<QLabel*> captions)
{
    Group group { orientation, {}, {} };
    for (QWidget* axis : axes) {
        group.axes << axis;
        axis->installEventFilter(this);
    }
    for (QLabel* caption : captions) {
        group.captions << caption;
        caption->setFont(captionFont(pixelSize));
        QPalette palette = caption->palette();
        palette.setBrush(QPalette::All, QPalette::WindowText, QBrush(Qt::blue));
        caption->setPalette(palette);
        caption->setTextFormat(Qt::PlainText);
    }
    m_groups << group;
    fit(group);
}

void zarAxisCaptions::fit()
{
    for (const Group& group : qAsConst(m_groups))
        fit(group);
}

int zarAxisCaptions::fittingPixelSize(const QString& text, Qt::Orientation orientation, int length)
{
    for (int size = pixelSize; size > smallestPixelSize; --size) {
        const QSize extent = QFontMetrics(captionFont(size)).size(0, text);
        if ((orientation == Qt::Vertical ? extent.height() : extent.width()) <= length)
            return size;
    }
    return smallestPixelSize;
}

// Only an axis shown has its length: a hidden plot's is what it last had, or nothing yet.
void zarAxisCaptions::fit(const Group& group)
{
    int length = -1;
    for (const QPointer<QWidget>& axis : group.axes) {
        if (!axis || !axis->isVisible())
            continue;
        const int along = group.orientation == Qt::Vertical ? axis->height() : axis->width();
        length = length < 0 ? along : qMin(length, along);
    }
    if (length < 0)
        return;
    for (const QPointer<QLabel>& caption : group.captions) {
        if (!caption)
            continue;
        const int size = fittingPixelSize(caption->text(), group.orientation, length);
        if (caption->font().pixelSize() != size)
            caption->setFont(captionFont(size));
    }
}

bool zarAxisCaptions::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize || event->type() == QEvent::Show) {
        for (const Group& group : qAsConst(m_groups)) {
            for (const QPointer<QWidget>& axis : group.axes) {
                if (axis == watched)
                    fit(group);
            }
        }
    }
    return QObject::eventFilter(watched, event);
}
