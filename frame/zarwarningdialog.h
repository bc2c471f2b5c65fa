#ifndef ZARWARNINGDIALOG_H
#define ZARWARNINGDIALOG_H

#include <QString>

// The program's one modal message dialog.
class zarWarningDialog
{
public:
    static void warning(const QString& text);
    static int question(const QString& text);   // 1 Yes, 0 No
    static int question3(const QString& text);  // 1 Yes, 0 No, 2 Cancel
    static void showBusy();
    static void hideBusy();
};

#endif
