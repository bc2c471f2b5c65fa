#ifndef ZARDIALOGANSWER_H
#define ZARDIALOGANSWER_H

#include "zartestsupport.h"

#include "frame/zarwarningdialog.h"

#include <QMessageBox>
#include <QTimer>

// Presses the button of the message dialog that gives the answer: No, Cancel, or
// the first button for anything else.
inline void zarPressAnswer(zarWarningDialog* dialog, int answer)
{
    switch (answer) {
    case QMessageBox::No: dialog->noPushButton->click(); break;
    case QMessageBox::Cancel: dialog->cancelPushButton->click(); break;
    default: dialog->okYesPushButton->click(); break;
    }
}

// Answers the next message of the program's message dialog with the given button
// and keeps its text. The watch ends with disarm() or the object, so a call that
// showed no message leaves nothing behind to answer a later one.
class zarDialogAnswer
{
public:
    zarDialogAnswer()
    {
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<zarWarningDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            timer.stop();
            text = dialog->messageLabel->text();
            shown = true;
            zarPressAnswer(dialog, button);
        });
    }

    void expect(QMessageBox::StandardButton answer = QMessageBox::Ok)
    {
        text.clear();
        shown = false;
        button = answer;
        timer.start();
    }

    void disarm() { timer.stop(); }

    QString text;
    bool shown = false;

private:
    QTimer timer;
    QMessageBox::StandardButton button = QMessageBox::Ok;
};

#endif
