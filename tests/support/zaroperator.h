#ifndef ZAROPERATOR_H
#define ZAROPERATOR_H

#include "zardialoganswer.h"
#include "zartestsupport.h"

#include "frame/zarkeyboarddialog.h"
#include "frame/zarwarningdialog.h"

// Answers the dialogs of one operation in order as the operator would: a message with a button (its
// text is kept), the keyboard with a name (the name it proposed is kept); others are cancelled, noted.
class zarOperator : public QObject
{
public:
    explicit zarOperator(const QVariantList& answers) : steps(answers) { startTimer(10); }
    QVariantList steps;
    QStringList shown;

private:
    void timerEvent(QTimerEvent*) override
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        const QVariant next = steps.value(0);
        auto* message = qobject_cast<zarWarningDialog*>(modal);
        auto* keyboard = qobject_cast<zarKeyboardDialog*>(modal);
        if (message && next.type() == QVariant::Int) {
            shown << message->messageLabel->text();
            zarPressAnswer(message, next.toInt());
        } else if (keyboard && next.type() == QVariant::String) {
            shown << keyboard->lineEdit->text();
            keyboard->lineEdit->setText(next.toString());
            keyboard->enterB->click();
        } else {
            shown << QStringLiteral("unexpected:") + modal->metaObject()->className();
            return qobject_cast<QDialog*>(modal)->reject();
        }
        steps.removeFirst();
    }
};

#endif
