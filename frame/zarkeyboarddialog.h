#ifndef ZARKEYBOARDDIALOG_H
#define ZARKEYBOARDDIALOG_H

#include "ui_zkeyboarddialog.h"

#include <QDialog>

// Full-screen on-screen keyboard for typing a file name.
class zarKeyboardDialog : public QDialog, public Ui::zKeyboardDialog
{
    Q_OBJECT

public:
    explicit zarKeyboardDialog(const QString& text, QWidget* parent = nullptr);
    QString text() const;

private slots:
    void onTranslate();
    void enter();
    void backspace();
    void shift(bool on);
    void space();
    void del();
    void clear();

private:
    void type(QPushButton* key);
    void insert(const QString& characters);
};

#endif
