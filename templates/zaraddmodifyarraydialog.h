#ifndef ZARADDMODIFYARRAYDIALOG_H
#define ZARADDMODIFYARRAYDIALOG_H

#include "ui_zaddmodifyarraydialog.h"

#include <QDialog>

// Picks the electrode array of a template set.
class zarAddModifyArrayDialog : public QDialog, public Ui::zAddModifyArrayDialog
{
    Q_OBJECT

public:
    explicit zarAddModifyArrayDialog(QWidget* parent = nullptr);
    int array() const;

private slots:
    void onTranslate();
};

#endif
