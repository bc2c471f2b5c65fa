#ifndef ZARDIALENDS_H
#define ZARDIALENDS_H

#include <QObject>

class QDial;

// A dial without wrapping, dragged past one of its ends into its gap, would turn to the
// other end at once: round the face no step of a finger spans half the range, so such
// a step keeps the end it came from. Taps still go where they land.
class zarDialEnds : public QObject
{
public:
    // Lives as long as the dial.
    explicit zarDialEnds(QDial* dial);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onAction(int action);

    QDial* m_dial;
};

#endif
