#ifndef ZAROPERATOR_H
#define ZAROPERATOR_H

#include "zartestsupport.h"

#include "frame/zarkeyboarddialog.h"
#include "frame/zarwarningdialog.h"
#include "templates/zaraddmodifyarraydialog.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

// Answers the modal dialogs of one operation in order, as the operator would, and
// keeps what each showed. A dialog out of turn is cancelled and noted as unexpected.
class zarOperator
{
public:
    zarOperator()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] { step(); });
        timer.start(10);
    }

    // A message: its text is kept.
    zarOperator& answer(QMessageBox::StandardButton button)
    {
        return push<zarWarningDialog>([button](zarWarningDialog* d) {
            const QString text = d->messageLabel->text();
            (button == QMessageBox::No ? d->noPushButton
                                       : button == QMessageBox::Cancel ? d->cancelPushButton : d->okYesPushButton)->click();
            return text;
        });
    }

    // The keyboard: the proposed text is kept as "keyboard:" + text.
    zarOperator& type(const QString& name)
    {
        return push<zarKeyboardDialog>([name](zarKeyboardDialog* d) {
            const QString proposed = QStringLiteral("keyboard:") + d->lineEdit->text();
            d->lineEdit->setText(name);
            d->enterB->click();
            return proposed;
        });
    }

    zarOperator& pickArray(int type)
    {
        return push<zarAddModifyArrayDialog>([type](zarAddModifyArrayDialog* d) {
            d->arrayComboBox->setCurrentIndex(type);
            d->acceptPushButton->click();
            return QStringLiteral("array");
        });
    }

    // The file dialog: path typed whole (its listing is read in the background), or
    // cancelled when empty; its title and filters are kept.
    zarOperator& file(const QString& path)
    {
        return push<QFileDialog>([path](QFileDialog* d) {
            const QString seen = d->windowTitle() + QLatin1Char('|') + d->nameFilters().join(QLatin1Char(','));
            auto* name = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (!name)
                return QString();
            name->setText(path);
            static_cast<QDialog*>(d)->done(path.isEmpty() ? QDialog::Rejected : QDialog::Accepted);
            return seen;
        });
    }

    bool done() const { return steps.isEmpty(); }

    QStringList shown;

private:
    template <class Dialog>
    zarOperator& push(std::function<QString(Dialog*)> action)
    {
        steps.append([action](QWidget* w) {
            auto* dialog = qobject_cast<Dialog*>(w);
            return dialog ? action(dialog) : QString();
        });
        return *this;
    }

    void step()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        const QString text = steps.isEmpty() ? QString() : steps.first()(modal);
        if (text.isNull()) {
            shown << QStringLiteral("unexpected:") + modal->metaObject()->className();
            qobject_cast<QDialog*>(modal)->reject();
            return;
        }
        steps.removeFirst();
        shown << text;
    }

    QTimer timer;
    QList<std::function<QString(QWidget*)>> steps;
};

#endif
