#ifndef ZARMODALOF_H
#define ZARMODALOF_H

#include "zartestsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>

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
    QObject::connect(timer, &QTimer::timeout, [timer, clock, action, timeoutMs] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        const bool found = dialog && dialog->isVisible();
        if (found || clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
        if (found)
            action(dialog);
    });
    timer->start(10);
}

// Answers the next file dialog: inspect sees it first, then an empty file cancels
// it and any other is chosen.
inline void zarAnswerFileDialog(const QString& file, std::function<void(QFileDialog*)> inspect = nullptr)
{
    zarWhenModalOf<QFileDialog>([file, inspect](QFileDialog* d) {
        if (inspect)
            inspect(d);
        if (file.isEmpty())
            return d->reject();
        // Typed into the name field: a choice in the list would be undone when the
        // dialog finishes reading the directory in the background.
        if (auto* name = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            name->setText(file);
        else
            d->selectFile(file);
        static_cast<QDialog*>(d)->done(QDialog::Accepted);
    });
}

#endif
