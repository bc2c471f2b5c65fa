#ifndef ZARFILETABLEDATAMODEL_H
#define ZARFILETABLEDATAMODEL_H

#include "templates/zararrangement.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

// The stored templates (mode 0) or sessions (any other mode) as a read-only table:
// one row per file whose magic and header record can be read, listed once when the
// model is built.
class zarFileTableDataModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit zarFileTableDataModel(int mode, QObject* parent = nullptr);
    ~zarFileTableDataModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    bool isEmpty() const;
    // The file behind a row, with directory and extension as on disk: the shown
    // name cannot always be turned back into it (a doubled or differently cased
    // extension). Empty for a row outside the table.
    QString path(int row) const;

private:
    QString arrayCell(int row, int column) const;

    int columns = 0;
    int rows = 0;
    QList<zarArrangement> records;
    QStringList names;
    QStringList titles;
    QStringList paths;
};

#endif
