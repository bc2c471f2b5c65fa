#ifndef ZARSESSIONFIXTURE_H
#define ZARSESSIONFIXTURE_H

#include "core/zarconstants.h"
#include "sessions/zarsessionfile.h"

#include <QFile>

// Sessions with a few measured and unmeasured rows, written as files for loading.
struct zarSessionFixture
{
    static zarSessionDataUnit row(qint16 a, qint16 b, qint16 m, qint16 n, float x, float z, bool measured,
                                  float rho = 100, qint8 mask = 1)
    {
        zarSessionDataUnit u;
        u.coreQuadripole = { a, b, m, n, quint8(n & 15) };
        u.x = x;
        u.z = z;
        u.k = 31.4159f;
        u.rho = rho;
        u.setMask = mask;
        if (measured)
            u.measureSet = { 120000, 50.25f, -10.04f, -4.5f, 0.5f, { 1.0f, 2.0f, 3.5f }, 1.25f, true, {} };
        return u;
    }

    static zarSessionFile sample()
    {
        zarSessionFile s;
        s.arrangement.arrayTypeSets.insert(0, 1);
        s.arrangement.arrayTypeSets.insert(3, 1);
        s.arrangement.maxDepths = { 2.5f, 10.0f };
        s.arrangement.profileLength = 315;
        s.arraySets = { zarArraySet(0, 3), zarArraySet(3, 1) };
        for (int i = 0; i < 64; ++i)
            s.cableConfiguration.wires.append({ float(i) / 4, i != 5 });
        s.electrodes.insert(1, zarPoint3D(0, 0, 0));
        s.electrodes.insert(2, zarPoint3D(5, 0, -0.5f));
        s.units << row(0, 3, 1, 2, 7.5f, 2.5f, true, 120.5f, 1)
                << row(-1, 0, -2, 4, 10, 3.74f, true, 80, 3)
                << row(1, 4, 2, 3, 12.5f, 1.24f, false)
                << row(2, 9, 4, 7, 12.48f, 3.0f, true, 95, 2);
        return s;
    }

    static QString write(const zarSessionFile& s, const QString& name)
    {
        const QString path = zarDriveRoot::path() + name;
        s.write(path);
        return path;
    }

    static QByteArray bytes(const zarSessionFile& s)
    {
        QByteArray data;
        QDataStream stream(&data, QIODevice::WriteOnly);
        stream.setVersion(QDataStream::Qt_4_8);
        s.write(stream);
        return data;
    }

    static QByteArray readFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

#endif
