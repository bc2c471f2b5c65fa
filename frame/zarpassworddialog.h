#ifndef ZARPASSWORDDIALOG_H
#define ZARPASSWORDDIALOG_H

#include "ui_zpassworddialog.h"

#include <QDialog>

// Digit pad for the engineer access code. Enter always accepts; mode() tells
// which code was entered: 0 the first, 1 the second, 3 neither.
class zarPasswordDialog : public QDialog, public Ui::zPasswordDialog
{
    Q_OBJECT

public:
    explicit zarPasswordDialog(QWidget* parent = nullptr);
    int mode() const { return m_mode; }

private slots:
    void onEnter();
    void onTranslate();

private:
    void append(int digit);

    int m_mode = 3;
};

#endif
