#include "frame/zarwarningdialog.h"

#include <QMessageBox>

void zarWarningDialog::warning(const QString& text)
{
    QMessageBox::warning(nullptr, QString(), text);
}

int zarWarningDialog::question(const QString& text)
{
    return QMessageBox::question(nullptr, QString(), text) == QMessageBox::Yes ? 1 : 0;
}

int zarWarningDialog::question3(const QString& text)
{
    const auto answer = QMessageBox::question(nullptr, QString(), text,
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    return answer == QMessageBox::Yes ? 1 : answer == QMessageBox::No ? 0 : 2;
}

void zarWarningDialog::showBusy() {}
void zarWarningDialog::hideBusy() {}
