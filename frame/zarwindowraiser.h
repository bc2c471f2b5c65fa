#ifndef ZARWINDOWRAISER_H
#define ZARWINDOWRAISER_H

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

// The instrument's X display has no window manager: a window keeps its place in
// the stack when it is shown again, under any window made after it, and only the
// program hands out the keys. This filter on the application raises every window
// the program shows and gives it the keys, whichever way it is shown (exec, show,
// a dialog kept for reuse, Qt's own dialogs), and gives the keys back to the
// window below when the active one goes.
class zarWindowRaiser : public QObject
{
    Q_OBJECT

public:
    // Once per application; main and the tests call it.
    static void install();

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit zarWindowRaiser(QObject* parent);
    static bool takesKeys(const QWidget* window);
    void shown(QWidget* window);
    void hidden(QWidget* window);
    bool forget(const QWidget* window);

    // Shown windows that take keys, bottom to top, as this filter stacked them.
    QList<QPointer<QWidget>> m_stack;
};

#endif
