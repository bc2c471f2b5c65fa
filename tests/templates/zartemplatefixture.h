#ifndef ZARTEMPLATEFIXTURE_H
#define ZARTEMPLATEFIXTURE_H

#include "core/zarconstants.h"
#include "templates/zartemplatedatamodel.h"

#include <QFile>
#include <QModelIndex>
#include <QStandardItemModel>

// Builds templates for tests without the array dialog: the sets are written in the
// template file's layout and read back through the model.
struct zarTemplateFixture
{
    struct Set
    {
        qint8 type;
        QList<QPair<int, int>> cells;
    };

    static QByteArray bytes(zarCable cables, float spacing, const QList<Set>& sets)
    {
        QByteArray data;
        QDataStream stream(&data, QIODevice::WriteOnly);
        stream.setVersion(QDataStream::Qt_4_8);
        stream << qint32(0x88993366) << zarArrangement() << qint8(cables) << spacing << qint32(sets.size());
        static QStandardItemModel grid(zarGrid::spacings, zarGrid::levels);
        for (const Set& s : sets) {
            zarTemplateSet set(cables, spacing);
            set.setArrayType(s.type);
            QModelIndexList cells;
            for (const auto& c : s.cells)
                cells << grid.index(c.first, c.second);
            set.applySelection(cells);
            stream << set;
        }
        return data;
    }

    static QString write(const QByteArray& data, const QString& name = QStringLiteral("fixture.zarTemplate"))
    {
        const QString path = zarDriveRoot::path() + name;
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(data);
        return path;
    }

    static QByteArray read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static bool load(zarTemplateDataModel& model, zarCable cables, float spacing, const QList<Set>& sets)
    {
        return model.loadTemplate(write(bytes(cables, spacing, sets)), true);
    }
};

#endif
