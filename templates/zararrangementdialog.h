#ifndef ZARARRANGEMENTDIALOG_H
#define ZARARRANGEMENTDIALOG_H

#include "templates/zargrid.h"
#include "ui_zarrangementdialog.h"

#include <QDialog>

// Number of cables and electrode spacing (0.1 m to 10.0 m in tenths) of a template.
class zarArrangementDialog : public QDialog, public Ui::zArrangementDialog
{
    Q_OBJECT

public:
    explicit zarArrangementDialog(QWidget* parent = nullptr);

    void setCableSpacing(zarCableSpacing spacing);
    zarCableSpacing cableSpacing() const;
    void setCables(zarCable cables);
    zarCable cables() const;

private slots:
    void onTranslate();
    void onCableSpacingLabelUpdate(int value);
    void onIncCableSpacing();
    void onDecCableSpacing();
};

#endif
