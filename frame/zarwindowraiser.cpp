#include "frame/zarwindowraiser.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <algorithm>

zarWindowRaiser::zarWindowRaiser(QObject* parent) : QObject(parent)
{
}

void zarWindowRaiser::install()
{
    if (qApp->findChild<zarWindowRaiser*>(QString(), Qt::FindDirectChildrenOnly))
        return;
    qApp->installEventFilter(new zarWindowRaiser(qApp));
}

bool zarWindowRaiser::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::Show || type == QEvent::Hide) && !event->spontaneous() && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow()) {
            if (type == QEvent::Show)
                shown(widget);
            else
                hidden(widget);
        }
    }
    return QObject::eventFilter(watched, event);
}

// Popups and tool tips get the input from Qt's own grab, or none.
bool zarWindowRaiser::takesKeys(const QWidget* window)
{
    switch (window->windowType()) {
    case Qt::Popup:
    case Qt::ToolTip:
    case Qt::SplashScreen:
        return false;
    default:
        return !window->testAttribute(Qt::WA_ShowWithoutActivating)
            && !(window->windowFlags() & Qt::WindowDoesNotAcceptFocus);
    }
}

// The show event comes before the window is mapped: raised now, it is mapped on
// top, and the activation waits for the map.
void zarWindowRaiser::shown(QWidget* window)
{
    window->raise();
    if (!takesKeys(window))
        return;
    forget(window);
    m_stack.append(window);
    window->activateWindow();
}

// The server hands the keys of a window that goes to nobody; Qt passes them on only
// to a modal window below, so a dialog closing over the main window left it without.
void zarWindowRaiser::hidden(QWidget* window)
{
    if (!forget(window))
        return;
    const QWidget* active = QApplication::activeWindow();
    if (active && active != window)
        return;
    QWidget* below = QApplication::activeModalWidget();
    if (!below || !below->isVisible()) {
        below = nullptr;
        for (auto it = m_stack.crbegin(); it != m_stack.crend() && !below; ++it)
            if (*it && (*it)->isVisible())
                below = *it;
    }
    if (below && below != window)
        below->activateWindow();
}

bool zarWindowRaiser::forget(const QWidget* window)
{
    bool found = false;
    m_stack.erase(std::remove_if(m_stack.begin(), m_stack.end(),
                                 [window, &found](const QPointer<QWidget>& w) {
                                     found = found || w.data() == window;
                                     return !w || w.data() == window;
                                 }),
                  m_stack.end());
    return found;
}
