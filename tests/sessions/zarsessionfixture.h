#ifndef ZARSESSIONFIXTURE_H
#define ZARSESSIONFIXTURE_H

#include "core/zarconstants.h"
#include "sessions/zarsessionfile.h"

#include <QDir>
#include <QFile>
#include <QSettings>

// Sessions for the tests: a small one of measured and unmeasured rows in two sets,
// and unmeasured ones in runs of four rows for the session screens.
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

    // Runs of four rows (one current pair, four receiver channels), the last shorter.
    static zarSessionFile session(int rows = 29)
    {
        zarSessionFile s;
        s.arrangement.arrayTypeSets.insert(4, 1);
        s.arrangement.maxDepths = { 10.0f };
        s.arrangement.profileLength = 315;
        s.arraySets = { zarArraySet(4, qint16(rows)) };
        for (int i = 0; i < 64; ++i)
            s.cableConfiguration.wires.append({ -1.0f, true });
        for (int i = 0; i < rows; ++i) {
            const int run = i / 4;
            const int place = i % 4;
            const qint16 a = qint16(2 * run);
            const qint16 m = qint16(a + 2 + 2 * place);
            zarSessionDataUnit u = row(a, qint16(a + 1), m, qint16(m + 1), 5.0f * (a + m) / 2, 1.0f + place, false, 0);
            u.k = 10.0f + i;
            u.continues = place != 3 && i != rows - 1;
            u.groupParity = run & 1;
            s.units << u;
        }
        return s;
    }

    // Written in the drive root; returns its path.
    static QString write(const zarSessionFile& s, const QString& name)
    {
        QDir().mkpath(systemDir);
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

    // The first kept bytes of the session's file at path, as a copy cut short leaves it.
    static QString writeCut(const zarSessionFile& s, int kept, const QString& path)
    {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes(s).left(kept));
        return path;
    }

    static QByteArray readFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static QString autosavePath() { return systemDir + autosaveName; }

    // The mark of a clean end; 0 makes "Open previous session" blink.
    static void setCloseFlag(int value)
    {
        QSettings(settingsScope, QStringLiteral("zarSessionMenuWidget")).setValue(QStringLiteral("sessionCloseSuccess"), value);
    }
};

#endif
