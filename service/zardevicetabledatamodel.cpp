#include "service/zardevicetabledatamodel.h"

#include "core/zarnames.h"

#include <QCoreApplication>

zarDeviceTableDataModel::zarDeviceTableDataModel(QObject* parent)
    : QAbstractTableModel(parent), point(QStringLiteral(":/points/points/blue.png")), present(devices, false)
{
    for (int address = 0; address < devices; ++address)
        names.append(deviceName(zarAddress(address)));
}

int zarDeviceTableDataModel::rowCount(const QModelIndex&) const
{
    return devices;
}

int zarDeviceTableDataModel::columnCount(const QModelIndex&) const
{
    return 2;
}

QVariant zarDeviceTableDataModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.model() != this || index.row() >= devices)
        return QVariant();
    if (role == Qt::DisplayRole && index.column() == 1)
        return names.at(index.row());
    if (role == Qt::DecorationRole && index.column() == 0 && present.at(index.row()))
        return point;
    return QVariant();
}

QVariant zarDeviceTableDataModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    if (section == 0)
        return QStringLiteral("+");
    // The model has no meta-object of its own: its text lives in the shared context.
    return QCoreApplication::translate("QObject", "Device");
}

void zarDeviceTableDataModel::setDevices(const QList<quint8>& addresses)
{
    present.fill(false);
    for (quint8 address : addresses)
        if (address < devices)
            present[address] = true;
    // Only the points change; proxy models ignore a change with an invalid range.
    emit dataChanged(index(0, 0), index(devices - 1, 0), { Qt::DecorationRole });
}
