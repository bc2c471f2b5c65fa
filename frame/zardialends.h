#ifndef ZARDIALENDS_H
#define ZARDIALENDS_H

#include <QObject>

class QDial;
class QPointF;

// A dial without wrapping turned by a finger as a knob against its stops. The dial
// follows the finger's way round the face, however far the finger went between two
// moves: a quick flick over the top lands where the finger points. A finger that runs
// on past an end into the gap, and perhaps on round the far side, leaves the dial at
// that end until it comes back onto the face past the same end. Taps still go where
// they land; a tap in the gap holds the end it went to.
class zarDialEnds : public QObject
{
public:
    // Lives as long as the dial.
    explicit zarDialEnds(QDial* dial);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Held { None, Low, High };

    // Anticlockwise from 3 o'clock, in radians, as the dial reads a point.
    double angleOf(const QPointF& point) const;
    int valueAt(double angle) const;
    // Where the dial stands once the finger has come to point.
    int follow(const QPointF& point);

    QDial* m_dial;
    double m_angle = 0;
    Held m_held = Held::None;
};

#endif
