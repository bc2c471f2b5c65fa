#ifndef ZARSESSIONSCREENFIXTURE_H
#define ZARSESSIONSCREENFIXTURE_H

#include "core/zarconstants.h"
#include "sessions/zarsessionfile.h"

#include <QDir>
#include <QSettings>
#include <algorithm>

// Unmeasured sessions for the session screens: runs of four rows (each run one
// current pair, four receiver channels) and a shorter last run.
struct zarSessionScreenFixture
{
    static zarSessionFile session(int rows = 29)
    {
        zarSessionFile s;
        s.arrangement.arrayTypeSets.insert(4, 1);
        s.arrangement.maxDepths = { 10.0f };
        s.arrangement.profileLength = 315;
        s.arrangement.measurements = rows;
        s.arrangement.runs = (rows + 3) / 4;
        s.arraySets = { zarArraySet(4, qint16(rows)) };
        for (int i = 0; i < 64; ++i)
            s.cableConfiguration.wires.append({ -1.0f, true });
        for (int i = 0; i < rows; ++i) {
            const int run = i / 4, place = i % 4;
            zarSessionDataUnit u;
            const qint16 a = qint16(2 * run), m = qint16(a + 2 + 2 * place);
            u.coreQuadripole = { a, qint16(a + 1), m, qint16(m + 1), quint8((m + 1) & 15) };
            u.x = 5.0f * (a + m) / 2;
            u.z = 1.0f + place;
            u.k = 10.0f + i;
            u.setMask = 1;
            u.continues = place != 3 && i != rows - 1;
            u.groupParity = run & 1;
            s.units << u;
        }
        return s;
    }

    // Written as a named session; returns its path.
    static QString write(const zarSessionFile& s, const QString& name = QStringLiteral("screen"))
    {
        QDir().mkpath(sessionsDir);
        QDir().mkpath(systemDir);
        const QString path = sessionsDir + name + QLatin1Char('.') + sessionExtension;
        s.write(path);
        return path;
    }

    static QString autosavePath() { return systemDir + autosaveName; }
    static zarSessionFile readAutosave()
    {
        zarSessionFile s;
        s.read(autosavePath());
        return s;
    }

    static int measured(const QVector<zarSessionDataUnit>& units)
    {
        return int(std::count_if(units.cbegin(), units.cend(),
                                 [](const zarSessionDataUnit& u) { return u.measureSet.measured; }));
    }

    // The mark of a clean end, which makes "Open previous session" blink when 0.
    static QSettings closeSettings() { return QSettings(settingsScope, QStringLiteral("zarSessionMenuWidget")); }
    static void setCloseFlag(int value) { closeSettings().setValue(QStringLiteral("sessionCloseSuccess"), value); }
    static int closeFlag() { return closeSettings().value(QStringLiteral("sessionCloseSuccess"), 1).toInt(); }
};

#endif
