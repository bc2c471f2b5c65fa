#ifndef ZARMODALOF_H
#define ZARMODALOF_H

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

// Runs action on the next visible modal dialog of class Dialog within timeoutMs,
// passing over modal widgets of other classes (for chains of different dialogs).
template <class Dialog>
void zarWhenModalOf(std::function<void(Dialog*)> action, int timeoutMs = 5000)
{
    auto* timer = new QTimer(qApp);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, action, timeoutMs] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog && dialog->isVisible()) {
            timer->stop();
            timer->deleteLater();
            action(dialog);
        } else if (clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

#endif
