#ifndef ZAROPERATOR_H
#define ZAROPERATOR_H

#include "zartestsupport.h"

#include "frame/zarkeyboarddialog.h"
#include "frame/zarwarningdialog.h"
#include "templates/zaraddmodifyarraydialog.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QLineEdit>
#include <QTimer>

// Answers the modal dialogs of one operation in order, like an operator would:
// messages with a button, the keyboard with a typed name, the array dialog with an
// array. What was shown is kept; a dialog the script did not expect is cancelled.
class zarOperator
{
public:
    zarOperator()
    {
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [this] { step(); });
    }

    zarOperator& answer(QMessageBox::StandardButton button)
    {
        return push([button](QWidget* w) {
            auto* d = qobject_cast<zarWarningDialog*>(w);
            if (!d)
                return QString();
            const QString text = d->messageLabel->text();
            (button == QMessageBox::No ? d->noPushButton
                                       : button == QMessageBox::Cancel ? d->cancelPushButton : d->okYesPushButton)
                ->click();
            return text;
        });
    }

    zarOperator& type(const QString& name)
    {
        return push([name](QWidget* w) {
            auto* d = qobject_cast<zarKeyboardDialog*>(w);
            if (!d)
                return QString();
            const QString proposed = QStringLiteral("keyboard:") + d->lineEdit->text();
            d->lineEdit->setText(name);
            d->enterB->click();
            return proposed;
        });
    }

    zarOperator& pickArray(int type)
    {
        return push([type](QWidget* w) {
            auto* d = qobject_cast<zarAddModifyArrayDialog*>(w);
            if (!d)
                return QString();
            d->arrayComboBox->setCurrentIndex(type);
            d->acceptPushButton->click();
            return QStringLiteral("array");
        });
    }

    // Picks path in the file dialog, or cancels it when path is empty.
    zarOperator& file(const QString& path)
    {
        return push([path](QWidget* w) {
            auto* d = qobject_cast<QFileDialog*>(w);
            if (!d)
                return QString();
            const QString seen = d->windowTitle() + QLatin1Char('|') + d->nameFilters().join(QLatin1Char(','));
            if (path.isEmpty()) {
                d->reject();
                return seen;
            }
            // Typed as a whole path: the dialog's own listing is read in the background.
            if (auto* name = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                name->setText(path);
            if (d->selectedFiles().value(0) != path)
                return retry();
            static_cast<QDialog*>(d)->done(QDialog::Accepted);
            return seen;
        });
    }

    // Starts answering until the operator goes; every dialog seen adds its text to shown.
    void start()
    {
        shown.clear();
        timer.start();
    }

    bool done() const { return steps.isEmpty(); }

    QStringList shown;

private:
    static QString retry() { return QStringLiteral("\x1f"); }

    zarOperator& push(std::function<QString(QWidget*)> action)
    {
        steps.append(action);
        return *this;
    }

    void step()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        if (steps.isEmpty()) {
            shown << QStringLiteral("unexpected:") + modal->metaObject()->className();
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            return;
        }
        const QString text = steps.first()(modal);
        // A dialog that never gets ready is given up after a few seconds.
        if (text == retry() && ++retries < 300)
            return;
        retries = 0;
        if (text.isNull()) {
            shown << QStringLiteral("unexpected:") + modal->metaObject()->className();
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            return;
        }
        steps.removeFirst();
        shown << text;
    }

    QTimer timer;
    int retries = 0;
    QList<std::function<QString(QWidget*)>> steps;
};

#endif
