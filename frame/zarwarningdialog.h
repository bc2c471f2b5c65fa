#ifndef ZARWARNINGDIALOG_H
#define ZARWARNINGDIALOG_H

#include "ui_zwarningdialog.h"

#include <QDialog>
#include <QString>

// The program's one modal message dialog, driven through static operations.
class zarWarningDialog : public QDialog, public Ui::zWarningDialog
{
    Q_OBJECT

public:
    explicit zarWarningDialog(QWidget* parent = nullptr);
    ~zarWarningDialog() override;

    static void warning(const QString& text);
    static int question(const QString& text);   // 1 Yes, 0 No
    static int question3(const QString& text);  // 1 Yes, 0 No, 2 Cancel
    // Non-modal message without buttons on the existing dialog; shows nothing
    // while no modal message has created it.
    static void showBusy(const QString& text);
    static void showBusy();                     // "Please wait..."
    static void hideBusy();

    // The shared dialog, null while none exists (for tests and shut-down checks).
    static zarWarningDialog* current() { return s_instance; }

private slots:
    void cancelSlot();
    void onTranslate();

private:
    enum Kind { Warning, Question, Question3 };
    static int run(Kind kind, const QString& text);
    int show(Kind kind, const QString& text);
    void centre();
    void fitToScreen();

    bool m_inExec = false;
    static zarWarningDialog* s_instance;
};

#endif
