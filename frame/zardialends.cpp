#include "frame/zardialends.h"

#include <QCoreApplication>
#include <QDial>
#include <QMouseEvent>

zarDialEnds::zarDialEnds(QDial* dial) : QObject(dial), m_dial(dial)
{
    connect(dial, &QDial::actionTriggered, this, &zarDialEnds::onAction);
    dial->installEventFilter(this);
}

// The position has moved with the finger; the value follows it after this returns.
void zarDialEnds::onAction(int action)
{
    if (action != QAbstractSlider::SliderMove || !m_dial->isSliderDown())
        return;
    const int from = m_dial->value();
    const int low = m_dial->minimum();
    const int high = m_dial->maximum();
    if (2 * qAbs(m_dial->sliderPosition() - from) > high - low)
        m_dial->setSliderPosition(2 * from < low + high ? low : high);
}

// The dial sets the value of the point where the finger is lifted without a move: the
// lift goes as a last move instead, then ends the drag.
bool zarDialEnds::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonRelease || !m_dial->isSliderDown())
        return QObject::eventFilter(watched, event);
    auto* release = static_cast<QMouseEvent*>(event);
    if (release->button() != Qt::LeftButton || (release->buttons() & ~Qt::LeftButton))
        return QObject::eventFilter(watched, event);
    QMouseEvent move(QEvent::MouseMove, release->localPos(), release->windowPos(), release->screenPos(),
                     Qt::NoButton, Qt::LeftButton, release->modifiers(), release->source());
    QCoreApplication::sendEvent(m_dial, &move);
    m_dial->setSliderDown(false);
    return true;
}
