#ifndef ZARDIALOGANSWER_H
#define ZARDIALOGANSWER_H

#include "zartestsupport.h"

#include <QAbstractButton>
#include <QMessageBox>

// Answers the next message box with the given button and keeps its text.
struct zarDialogAnswer
{
    QString text;
    bool shown = false;

    void expect(QMessageBox::StandardButton button = QMessageBox::Ok)
    {
        text.clear();
        shown = false;
        zarWhenModal([this, button](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (!box)
                return;
            text = box->text();
            shown = true;
            if (QAbstractButton* b = box->button(button))
                b->click();
            else
                box->accept();
        });
    }
};

#endif
