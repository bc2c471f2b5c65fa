#ifndef ZARSESSIONMODEDIALOG_H
#define ZARSESSIONMODEDIALOG_H

#include "ui_zsessionmodedialog.h"

#include <QDialog>

// Asks whether a new session covers the whole line ("Full", accepted) or is
// appended to a cable segment ("Append" or Escape, rejected).
class zarSessionModeDialog : public QDialog, public Ui::zSessionModeDialog
{
    Q_OBJECT

public:
    explicit zarSessionModeDialog(QWidget* parent = nullptr);

    // The builder's lowest electrode for the dialog's answer: 0 for Full,
    // 64 less the chosen segment for Append.
    static quint16 offsetFor(int result, const QString& segment);

public slots:
    void onTranslate();
};

#endif
