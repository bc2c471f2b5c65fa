#ifndef ZARFILETABLEDIALOG_H
#define ZARFILETABLEDIALOG_H

#include "ui_zfiletabledialog.h"

#include <QDialog>

class zarFileTableDataModel;

// Full-screen picker of one stored file from a file table model; the caller keeps
// the model alive while the dialog exists.
class zarFileTableDialog : public QDialog, public Ui::zFileTableDialog
{
    Q_OBJECT

public:
    explicit zarFileTableDialog(zarFileTableDataModel* model, QWidget* parent = nullptr);
    ~zarFileTableDialog() override;

    // Column 0 of the current row: the file name without directory and extension.
    QString selectedName() const;
    // The file of the current row as it is on disk; empty without a current row.
    QString selectedPath() const;

private slots:
    void onTranslate();

private:
    zarFileTableDataModel* m_model;
};

#endif
