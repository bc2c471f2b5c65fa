#include "frame/zardialends.h"

#include <QDial>
#include <QMouseEvent>
#include <QtMath>

#include <cmath>

namespace {
// The face runs clockwise from the low end at 240 degrees to the high end at -60;
// the gap lies between them at the bottom.
const double lowEnd = 4 * M_PI / 3;
const double highEnd = -M_PI / 3;

// Between two moves the finger took the shorter way round: the signed turn, at most
// half a circle either way.
double turn(double from, double to)
{
    return std::remainder(to - from, 2 * M_PI);
}
}

zarDialEnds::zarDialEnds(QDial* dial) : QObject(dial), m_dial(dial)
{
    dial->installEventFilter(this);
}

double zarDialEnds::angleOf(const QPointF& point) const
{
    const double a = std::atan2(m_dial->height() / 2.0 - point.y(), point.x() - m_dial->width() / 2.0);
    return a < -M_PI / 2 ? a + 2 * M_PI : a;
}

int zarDialEnds::valueAt(double angle) const
{
    const int low = m_dial->minimum();
    const int high = m_dial->maximum();
    const double along = qBound(0.0, (lowEnd - angle) / (lowEnd - highEnd), 1.0);
    const int value = low + int(0.5 + (high - low) * along);
    return m_dial->invertedAppearance() ? low + high - value : value;
}

int zarDialEnds::follow(const QPointF& point)
{
    const double angle = angleOf(point);
    const double by = turn(m_angle, angle);
    // How far on the finger's way the end lies: at or after its start, before the new
    // point when it left the face there, at or before it when it came back.
    const double low = turn(m_angle, lowEnd);
    const double high = turn(m_angle, highEnd);
    switch (m_held) {
    case Held::None:
        if (by > 0 && low >= 0 && low < by)
            m_held = Held::Low;
        else if (by < 0 && high <= 0 && high > by)
            m_held = Held::High;
        break;
    case Held::Low:
        if (by < 0 && low <= 0 && low >= by)
            m_held = Held::None;
        break;
    case Held::High:
        if (by > 0 && high >= 0 && high <= by)
            m_held = Held::None;
        break;
    }
    m_angle = angle;
    return valueAt(m_held == Held::Low ? lowEnd : m_held == Held::High ? highEnd : angle);
}

bool zarDialEnds::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (m_dial->wrapping() ||
        (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease))
        return QObject::eventFilter(watched, event);
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (type == QEvent::MouseButtonPress) {
        // The dial itself sets the value where the tap lands; a tap in the gap goes to
        // the end of the half it hit, and holds it. The dial takes the left button alone:
        // another button pressed during a drag leaves the drag, and the end it holds, as they are.
        if (mouse->button() == Qt::LeftButton && mouse->buttons() == Qt::LeftButton) {
            m_angle = angleOf(mouse->localPos());
            m_held = m_angle > lowEnd ? Held::Low : m_angle < highEnd ? Held::High : Held::None;
        }
        return QObject::eventFilter(watched, event);
    }
    if (!m_dial->isSliderDown())
        return QObject::eventFilter(watched, event);
    if (type == QEvent::MouseMove) {
        if (!(mouse->buttons() & Qt::LeftButton))
            return QObject::eventFilter(watched, event);
        m_dial->setSliderPosition(follow(mouse->localPos()));
        return true;
    }
    if (mouse->button() != Qt::LeftButton || (mouse->buttons() & ~Qt::LeftButton))
        return QObject::eventFilter(watched, event);
    // The dial would set the value of the point where the finger is lifted, whichever
    // way it came: the lift goes as a last move instead, and releases the knob.
    m_dial->setSliderPosition(follow(mouse->localPos()));
    m_dial->setSliderDown(false);
    return true;
}
