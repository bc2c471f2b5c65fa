#ifndef ZARMESSAGELOG_H
#define ZARMESSAGELOG_H

#include "zartestsupport.h"

#include "frame/zarwarningdialog.h"

#include <QStringList>
#include <QTimer>

// Answers every message of the program's message dialog with its first button for
// as long as it lives, keeping their texts in order: counts what a call showed.
class zarMessageLog
{
public:
    zarMessageLog()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<zarWarningDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            texts << dialog->messageLabel->text();
            dialog->okYesPushButton->click();
        });
        timer.start(10);
    }

    QStringList texts;

private:
    QTimer timer;
};

#endif
