#ifndef ZARDIALOGANSWER_H
#define ZARDIALOGANSWER_H

#include "zartestsupport.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>

// Answers the next message box with the given button and keeps its text. The
// watch ends with disarm() or the object, so a call that showed no message leaves
// nothing behind to answer a later one.
class zarDialogAnswer
{
public:
    zarDialogAnswer()
    {
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            timer.stop();
            text = box->text();
            shown = true;
            if (QAbstractButton* b = box->button(button))
                b->click();
            else
                box->accept();
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
