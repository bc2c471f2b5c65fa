#ifndef ZARERTTABLEDIALOG_H
#define ZARERTTABLEDIALOG_H

#include "ui_zerttabledialog.h"

#include <QDialog>
#include <QStringList>

// Full-screen chooser of one text out of a list.
class zarERTTableDialog : public QDialog, public Ui::zERTTableDialog
{
    Q_OBJECT

public:
    zarERTTableDialog(const QStringList& entries, QWidget* parent = nullptr);

    // The current row's text; empty when the list has no row.
    QString selectedText() const;

private slots:
    void onTranslate();
};

#endif
