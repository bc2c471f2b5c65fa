#ifndef ZARDEVICETABLEDATAMODEL_H
#define ZARDEVICETABLEDATAMODEL_H

#include <QAbstractTableModel>
#include <QList>
#include <QPixmap>
#include <QVector>

// The 43 bus addresses of the core board, one row each: a blue point for every
// device that answered the last discovery, then the device's name.
class zarDeviceTableDataModel : public QAbstractTableModel
{
public:
    static const int devices = 43;

    explicit zarDeviceTableDataModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Marks exactly the listed addresses; addresses without a row are ignored.
    void setDevices(const QList<quint8>& addresses);

private:
    QPixmap point;
    QList<QString> names;
    QVector<bool> present;
};

#endif
