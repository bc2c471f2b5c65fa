#include "frame/zarpassworddialog.h"

#include "core/zarconstants.h"
#include "frame/zartranslator.h"

zarPasswordDialog::zarPasswordDialog(QWidget* parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    setupUi(this);
    setFixedSize(300, 300);
    QPushButton* const digits[] = { pushButton0, pushButton1, pushButton2, pushButton3, pushButton4,
                                    pushButton5, pushButton6, pushButton7, pushButton8, pushButton9 };
    for (int digit = 0; digit < 10; ++digit)
        connect(digits[digit], &QPushButton::clicked, this, [this, digit] { append(digit); });
    connect(enterPushButton, &QPushButton::clicked, this, &zarPasswordDialog::onEnter);
    connect(zarTranslator::instance(), &zarTranslator::sendTranslate, this, &zarPasswordDialog::onTranslate);
    onTranslate();
}

void zarPasswordDialog::append(int digit)
{
    // The field's maximum length keeps the first eight digits.
    lineEdit->setText(lineEdit->text() + QString::number(digit));
}

void zarPasswordDialog::onEnter()
{
    const QString entry = lineEdit->text();
    if (entry == engineerCodeA)
        m_mode = 0;
    else if (entry == engineerCodeB)
        m_mode = 1;
    else
        m_mode = 3;
    accept();
}

void zarPasswordDialog::onTranslate()
{
    setWindowTitle(tr("Enter password"));
    enterPushButton->setText(tr("Enter"));
    cancelPushButton->setText(tr("Cancel"));
}
