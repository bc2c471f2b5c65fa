#include "zartestsupport.h"
#include "zartemplatefixture.h"

#include "service/zarcableconfiguration.h"
#include "sessions/zarsessionfile.h"
#include "templates/zarsequencebuilder.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <cmath>

namespace {
// Closed-form number of quadripoles of one cell on E electrodes.
int expectedCount(int type, int spacing, int level, int electrodes)
{
    const int m = spacing + 1, n = level + 1;
    auto slide = [&](int h) { return qMax(0, electrodes - h); };
    const bool wennerLike = type <= 2 || type == 7 || (type >= 12 && type <= 14) || type == 17;
    if (wennerLike && m != 1)
        return 0;
    switch (type) {
    case 0: case 1: case 2: case 12: case 13: case 14: return slide(3 * n);
    case 3: case 15: return slide(2 * n + m);
    case 4: case 16: return slide(n + 2 * m);
    case 5: case 6: return slide(n + m);
    case 7: case 17: return slide(n);
    default: {
        const int k = 3 + 2 * (type >= 18 ? type - 18 : type - 8);
        return (qMin(2 * n - 1, n + k) - qMax(1, n - k) + 1) * slide(m + 2 * n);
    }
    }
}

QList<zarQuadripole> generated(int type, int spacing, int level)
{
    QList<zarQuadripole> list;
    zarSequenceBuilder::instance()->generate(2, 1, quint8(type), zarSpacing(spacing), zarLevel(level), &list);
    return list;
}

double geometricFactor(const zarQuadripole& q)
{
    zarMeasurement item;
    item.quadripole = q;
    zarSessionDataUnit unit;
    unit.configure(1, item);
    return unit.k;
}

zarCableConfiguration configuration(int wires, int disabled = -1)
{
    zarCableConfiguration c;
    for (int i = 0; i < wires; ++i)
        c.wires.append({ 1.0f, i != disabled });
    return c;
}

const QString sessionName = QStringLiteral("built.zarSession");

int build(const zarTemplateDataModel& model, const zarCableConfiguration& config, quint16 offset = 0)
{
    return zarSequenceBuilder::instance()->build(&model, &config, zarDriveRoot::path() + sessionName, offset);
}

QByteArray builtSha1()
{
    const QByteArray bytes = zarTemplateFixture::read(zarDriveRoot::path() + sessionName);
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex();
}
}

class TestSequenceBuilder : public QObject
{
    Q_OBJECT

    zarSessionFile session;

    bool readBuilt() { return session.read(zarDriveRoot::path() + sessionName) == zarSessionFile::Read; }

private slots:
    void countsOverTheGrid()
    {
        for (int cables = 1; cables <= 2; ++cables)
            for (int type = 0; type < 22; ++type)
                for (int s = 0; s < zarGrid::spacings; ++s)
                    for (int l = 0; l < zarGrid::levels; ++l) {
                        QList<zarQuadripole> list;
                        const bool fits = zarSequenceBuilder::instance()->generate(
                            zarCable(cables), 2.5f, quint8(type), zarSpacing(s), zarLevel(l), &list);
                        const int expected = expectedCount(type, s, l, 32 * cables);
                        if (list.size() != expected || fits != (expected > 0))
                            QFAIL(qPrintable(QStringLiteral("type %1 cell %2,%3: %4 instead of %5")
                                                 .arg(type).arg(s).arg(l).arg(list.size()).arg(expected)));
                    }
    }

    // The builder appends a whole set to one vector: the vector must grow
    // geometrically, not once per cell, or every cell copies the cells before it.
    void wholeSetIntoOneVectorGrowsGeometrically_data()
    {
        QTest::addColumn<int>("type");
        for (int type = 0; type < zarGrid::arrayTypes; ++type)
            QTest::newRow(qPrintable(QStringLiteral("type %1").arg(type))) << type;
    }

    void wholeSetIntoOneVectorGrowsGeometrically()
    {
        QFETCH(int, type);
        QVector<zarQuadripole> set;
        int growths = 0;
        for (int s = 0; s < zarGrid::spacings; ++s)
            for (int l = 0; l < zarGrid::levels; ++l) {
                const int capacity = set.capacity();
                zarSequenceBuilder::instance()->generate(2, 5, quint8(type), zarSpacing(s), zarLevel(l), &set);
                if (set.capacity() != capacity)
                    ++growths;
            }
        QVERIFY(!set.isEmpty());
        const int bound = int(std::ceil(std::log2(set.size()))) + 2;
        QVERIFY2(growths <= bound, qPrintable(QStringLiteral("%1 growths for %2 quadripoles, at most %3")
                                                  .arg(growths).arg(set.size()).arg(bound)));
    }

    // An array and its reciprocal place their electrodes so that the factors agree.
    void reciprocalArraysShareTheFactor()
    {
        const int pairs[][2] = { { 0, 12 }, { 1, 13 }, { 2, 14 }, { 3, 15 }, { 4, 16 }, { 7, 17 },
                                 { 8, 18 }, { 9, 19 }, { 10, 20 }, { 11, 21 } };
        for (const auto& pair : pairs)
            for (int s = 0; s < zarGrid::spacings; s += 7)
                for (int l = 0; l < zarGrid::levels; l += 7) {
                    const QList<zarQuadripole> forward = generated(pair[0], s, l), reverse = generated(pair[1], s, l);
                    QCOMPARE(forward.size(), reverse.size());
                    for (int i = 0; i < forward.size(); ++i)
                        if (std::fabs(geometricFactor(forward[i]) / geometricFactor(reverse[i]) - 1) > 1e-3)
                            QFAIL(qPrintable(QStringLiteral("types %1 and %2 differ in cell %3,%4")
                                                 .arg(pair[0]).arg(pair[1]).arg(s).arg(l)));
                }
    }

    // Within a run every measurement takes its M channel, else its N channel, else
    // waits for the next run; the remote receiver takes the first free channel.
    void groupingGivesEachMeasurementAChannel_data()
    {
        QTest::addColumn<QList<zarQuadripole>>("quadripoles");
        QTest::addColumn<QList<int>>("channels");
        QTest::addColumn<int>("runs");
        QTest::newRow("M channels free") << QList<zarQuadripole>({ { 0, 9, 1, 2 }, { 0, 9, 3, 4 } })
                                         << QList<int>({ 1, 3 }) << 1;
        QTest::newRow("M taken, N free") << QList<zarQuadripole>({ { 0, 40, 1, 2 }, { 0, 40, 17, 18 } })
                                         << QList<int>({ 1, 2 }) << 1;
        QTest::newRow("M and N taken") << QList<zarQuadripole>({ { 0, 40, 1, 2 }, { 0, 40, 17, 18 }, { 0, 40, 33, 34 } })
                                       << QList<int>({ 1, 2, 1 }) << 2;
        QList<zarQuadripole> remotes;
        QList<int> channels;
        for (int i = 0; i < 17; ++i) {
            remotes << zarQuadripole(0, 9, -2, qint16(10 + i));
            channels << i % 16;
        }
        QTest::newRow("seventeen remote receivers: sixteen in a run") << remotes << channels << 2;
    }

    void groupingGivesEachMeasurementAChannel()
    {
        QFETCH(QList<zarQuadripole>, quadripoles);
        QFETCH(QList<int>, channels);
        QList<zarMeasurement> measurements;
        for (const zarQuadripole& q : quadripoles) {
            zarMeasurement item;
            item.quadripole = q;
            item.setChannels();
            measurements << item;
        }
        QTEST(zarSequenceBuilder::group(measurements), "runs");
        QList<int> given;
        for (const zarMeasurement& item : measurements)
            given << item.channel;
        QCOMPARE(given, channels);
    }

    // One Wenner set on one cable: 29 runs of one row each, alternating parity.
    void oneSetSessionFile()
    {
        zarTemplateDataModel model;
        QVERIFY(zarTemplateFixture::load(model, 1, 5, { { 0, { { 0, 0 } } } }));
        QCOMPARE(build(model, configuration(32)), 29);
        QVERIFY(readBuilt());
        QCOMPARE(session.arrangement.runs, 29);
        QCOMPARE(session.arrangement.measurements, 29);
        QCOMPARE(session.arrangement.maxDepths, QVector<float>({ float(double(0.519f) * 5) }));
        QCOMPARE(session.units.size(), 29);
        for (int i = 0; i < 29; ++i) {
            const zarSessionDataUnit& row = session.units[i];
            QCOMPARE(row.groupParity, i % 2 == 0);
            QVERIFY(!row.continues);
            QCOMPARE(int(row.setMask), 1);
        }
    }

    // A build without rows keeps the old file; a write that fails is -1.
    void failedBuildsKeepTheOldFile()
    {
        zarTemplateDataModel model;
        QVERIFY(zarTemplateFixture::load(model, 1, 5, { { 0, { { 0, 0 } } } }));
        QCOMPARE(build(model, configuration(32)), 29);
        const QByteArray before = zarTemplateFixture::read(zarDriveRoot::path() + sessionName);
        QCOMPARE(build(model, configuration(32), 32), 0);
        QCOMPARE(zarTemplateFixture::read(zarDriveRoot::path() + sessionName), before);
        zarDiagnosticCapture capture;
        const zarCableConfiguration config = configuration(32);
        QCOMPARE(zarSequenceBuilder::instance()->build(&model, &config, zarDriveRoot::path() + "none/x", 0), -1);
    }

    // Every quadripole of a cell uses distinct electrodes on the line (a remote A or M
    // off it), carries its cell and sits at its array's centre.
    void electrodesDistinctAndCentred()
    {
        for (int type = 0; type < zarGrid::arrayTypes; ++type)
            for (int s = 0; s < zarGrid::spacings; s += 4)
                for (int l = 0; l < zarGrid::levels; l += 7)
                    for (const zarQuadripole& q : generated(type, s, l)) {
                        const QString where = QStringLiteral("type %1 cell %2,%3").arg(type).arg(s).arg(l);
                        QSet<int> used;
                        for (int e : { q.a, q.b, q.m, q.n })
                            if (e >= 0 && e < 64)
                                used << e;
                        const bool ok = q.a >= -1 && q.m >= -2 && q.b >= 0 && q.n >= 0
                                        && used.size() == 2 + (q.a >= 0) + (q.m >= 0) && q.spacing == s && q.level == l
                                        && std::fabs(q.x - quadripolePosition(quint8(type), quint16(q.a), quint16(q.b),
                                                                              quint16(q.m), quint16(q.n))) < 1e-3;
                        if (!ok)
                            QFAIL(qPrintable(where));
                    }
    }

    void electrodeOrder_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("spacing");
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("last");
        QTest::addColumn<int>("cables");
        QTest::addColumn<zarQuadripole>("quadripole");
        QTest::newRow("Wenner, one cable, last") << 0 << 0 << 0 << true << 1 << zarQuadripole(28, 31, 29, 30);
        QTest::newRow("Schlumberger, first") << 3 << 2 << 0 << false << 2 << zarQuadripole(0, 5, 1, 4);
        QTest::newRow("pole-pole, last") << 7 << 0 << 0 << true << 2 << zarQuadripole(-1, 62, -2, 63);
        QTest::newRow("gradient, first") << 8 << 0 << 9 << false << 1 << zarQuadripole(0, 21, 7, 8);
    }
    // The electrodes of a few arrays in the order A, B, M, N.
    void electrodeOrder()
    {
        QFETCH(int, type);
        QFETCH(int, spacing);
        QFETCH(int, level);
        QFETCH(bool, last);
        QFETCH(int, cables);
        QList<zarQuadripole> list;
        zarSequenceBuilder::instance()->generate(zarCable(cables), 1, quint8(type), zarSpacing(spacing),
                                                 zarLevel(level), &list);
        QVERIFY(!list.isEmpty());
        QTEST(last ? list.last() : list.first(), "quadripole");
    }

    // Random templates built twice give the same file; every run has one current pair,
    // at most sixteen rows on distinct channels (their M or N), alternating parity, no
    // row on a wire switched off.
    void randomTemplatesKeepTheRules()
    {
        QRandomGenerator random(1234);
        for (int round = 0; round < 12; ++round) {
            QList<zarTemplateFixture::Set> sets;
            const int cables = 1 + int(random.bounded(2));
            for (int s = 0, count = 1 + int(random.bounded(4)); s < count; ++s) {
                zarTemplateFixture::Set set { qint8(random.bounded(22)), {} };
                for (int c = 0; c < 6; ++c)
                    set.cells << qMakePair(int(random.bounded(4)), int(random.bounded(12)));
                sets << set;
            }
            zarTemplateDataModel model;
            QVERIFY(zarTemplateFixture::load(model, zarCable(cables), 2.5f, sets));
            const int disabled = int(random.bounded(32));
            const zarCableConfiguration config = configuration(32 * cables, disabled);
            const int runs = build(model, config);
            if (runs == 0)
                continue;
            const QByteArray first = zarTemplateFixture::read(zarDriveRoot::path() + sessionName);
            QCOMPARE(build(model, config), runs);
            QCOMPARE(zarTemplateFixture::read(zarDriveRoot::path() + sessionName), first);
            QVERIFY(readBuilt());
            QCOMPARE(session.arrangement.runs, runs);
            int ends = 0;
            QVector<zarSessionDataUnit> run;
            for (const zarSessionDataUnit& row : session.units) {
                run << row;
                if (row.continues)
                    continue;
                QVERIFY(run.size() <= 16);
                QSet<int> channels;
                for (const zarSessionDataUnit& r : run) {
                    const zarCoreQuadripole& q = r.coreQuadripole;
                    const QString where = QStringLiteral("round %1, run %2").arg(round).arg(ends);
                    const bool ok = q.a == run.first().coreQuadripole.a && q.b == run.first().coreQuadripole.b
                                    && r.groupParity == (ends % 2 == 0) && q.channel < 16 && !r.measureSet.measured
                                    && r.setMask > 0 && q.a != disabled && q.b != disabled && q.m != disabled
                                    && q.n != disabled
                                    && (q.m == -2 || q.channel == (q.m & 15) || q.channel == (q.n & 15));
                    if (!ok)
                        QFAIL(qPrintable(where));
                    channels << q.channel;
                }
                QCOMPARE(channels.size(), run.size());
                ++ends;
                run.clear();
            }
            QVERIFY(run.isEmpty());
            QCOMPARE(ends, runs);
        }
    }

    // The factors of the textbook arrays in every cell, for the quadripoles the builder places.
    void geometricFactorsOfTheTextbook()
    {
        const double pi = 3.14159265358979;
        for (int sp = 0; sp < zarGrid::spacings; ++sp)
            for (int l = 0; l < zarGrid::levels; ++l) {
                const double m = sp + 1, n = l + 1;
                const struct { int type; double k; double tolerance; } arrays[] = {
                    { 0, 2 * pi * n, 1e-5 },
                    { 1, 6 * pi * n, 1e-5 },
                    { 2, 3 * pi * n, 1e-5 },
                    { 3, pi * n * (n + m) / m, 1e-5 },
                    { 4, pi * m * (n / m) * (n / m + 1) * (n / m + 2), 1e-5 },
                    { 5, 2 * pi * n * (n + m) / m, 1e-3 },
                    { 6, 2 * pi * n * (n + m) / m, 1e-3 },
                    { 7, 2 * pi * n, 1e-3 },
                };
                for (const auto& array : arrays)
                    for (const zarQuadripole& q : generated(array.type, sp, l))
                        if (std::fabs(geometricFactor(q) - array.k) > array.tolerance * array.k)
                            QFAIL(qPrintable(QStringLiteral("type %1 cell %2,%3: K %4 instead of %5")
                                                 .arg(array.type).arg(sp).arg(l)
                                                 .arg(geometricFactor(q)).arg(array.k)));
            }
    }

    // Centres and depths scale with the spacing; cells that fit nowhere give nothing.
    void wennerOnOneCable()
    {
        QList<zarQuadripole> wenner;
        QVERIFY(zarSequenceBuilder::instance()->generate(1, 5, 0, 0, 0, &wenner));
        QCOMPARE(wenner.size(), 29);
        QCOMPARE(wenner.first(), zarQuadripole(0, 3, 1, 2));
        QCOMPARE(wenner[1].x, 12.5f);
        QCOMPARE(wenner.last().z, wenner.first().z);
        QCOMPARE(wenner.first().z, float(double(0.519f) * 5));
    }

    void cellsThatFitNowhere_data()
    {
        QTest::addColumn<int>("cables");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("spacing");
        QTest::addColumn<int>("level");
        QTest::newRow("Wenner with a spacing") << 2 << 0 << 1 << 0;
        QTest::newRow("Wenner too deep for one cable") << 1 << 0 << 0 << 10;
        QTest::newRow("no such array") << 2 << 22 << 0 << 0;
        QTest::newRow("no cable") << 0 << 3 << 0 << 0;
    }
    void cellsThatFitNowhere()
    {
        QFETCH(int, cables);
        QFETCH(int, type);
        QFETCH(int, spacing);
        QFETCH(int, level);
        QList<zarQuadripole> none;
        QVERIFY(!zarSequenceBuilder::instance()->generate(zarCable(cables), 1, quint8(type), zarSpacing(spacing),
                                                          zarLevel(level), &none));
        QVERIFY(none.isEmpty());
    }

    void generateFilters_data()
    {
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("disabled");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("firstB");
        QTest::newRow("from electrode 48") << 48 << -1 << 16 << 48;
        QTest::newRow("from past the last electrode") << 64 << -1 << 0 << -1;
        QTest::newRow("wire 5 off") << 0 << 5 << 61 - 4 << 3;
    }
    // Quadripoles that end before the start electrode, or touch a wire switched off,
    // are left out; the cell still fits.
    void generateFilters()
    {
        QFETCH(int, limit);
        QFETCH(int, disabled);
        QFETCH(int, firstB);
        const QSet<quint16> off = disabled < 0 ? QSet<quint16>() : QSet<quint16>({ quint16(disabled) });
        QList<zarQuadripole> list;
        QVERIFY(zarSequenceBuilder::instance()->generate(2, 1, 0, 0, 0, &list, &off, quint16(limit)));
        QTEST(list.size(), "count");
        if (firstB >= 0)
            QCOMPARE(int(list.first().b), firstB);
        for (const zarQuadripole& q : list) {
            QVERIFY(q.a != disabled && q.b != disabled && q.m != disabled && q.n != disabled);
            QVERIFY(qMax(qMax(q.a, q.b), qMax(q.m, q.n)) >= limit);
        }
    }

    // The deepest pseudo-depth of a cell is kept: a deeper one given stays.
    void deepestDepth()
    {
        QList<zarQuadripole> list;
        float deepest = 1000;
        zarSequenceBuilder::instance()->generate(2, 1, 3, 5, 5, &list, nullptr, 0, &deepest);
        QCOMPARE(deepest, 1000.0f);
        deepest = 0;
        zarSequenceBuilder::instance()->generate(2, 1, 3, 5, 5, &list, nullptr, 0, &deepest);
        QCOMPARE(deepest, list.first().z);
    }

    // A run may not receive on an electrode that carried current in the run before.
    void conflicts_data()
    {
        QTest::addColumn<QList<int>>("recent");
        QTest::addColumn<zarQuadripole>("next");
        QTest::addColumn<bool>("conflict");
        QTest::newRow("M on a current electrode") << QList<int>({ 0, 3 }) << zarQuadripole(5, 6, 3, 4) << true;
        QTest::newRow("N on a current electrode") << QList<int>({ 0, 3 }) << zarQuadripole(5, 6, 1, 3) << true;
        QTest::newRow("same current pair") << QList<int>({ 0, 3 }) << zarQuadripole(0, 3, 1, 2) << false;
        QTest::newRow("nothing before") << QList<int>() << zarQuadripole(0, 3, 1, 2) << false;
    }
    void conflicts()
    {
        QFETCH(QList<int>, recent);
        QFETCH(zarQuadripole, next);
        QList<quint16> electrodes;
        for (int e : recent)
            electrodes << quint16(e);
        zarMeasurement item;
        item.quadripole = next;
        item.setChannels();
        QTEST(zarSequenceBuilder::conflicts(electrodes, { item }), "conflict");
    }

    // Receiver channels of a measurement: its M and N wires on the 16-channel board; a
    // remote receiver has none. Measurements sort by them.
    void measurementChannels()
    {
        auto channels = [](const zarQuadripole& q) {
            zarMeasurement item;
            item.quadripole = q;
            item.setChannels();
            return item;
        };
        const zarMeasurement a = channels(zarQuadripole(0, 1, 17, 18));
        QCOMPARE(int(a.mChannel), 1);
        QCOMPARE(int(a.nChannel), 2);
        const zarMeasurement remote = channels(zarQuadripole(-1, 0, -2, 5));
        QCOMPARE(int(remote.mChannel), int(zarMeasurement::noChannel));
        QCOMPARE(int(remote.nChannel), int(zarMeasurement::noChannel));
        QVERIFY(a < channels(zarQuadripole(0, 1, 1, 3)));
        QVERIFY(a < channels(zarQuadripole(0, 1, 2, 0)));
        QVERIFY(!(a < channels(zarQuadripole(0, 1, 1, 2))));
        QVERIFY(!(channels(zarQuadripole(0, 1, 1, 2)) < a));
    }

    // Current pairs follow each other so that an electrode that just carried current
    // is not used again at once.
    void runsAvoidElectrodesThatJustCarriedCurrent()
    {
        zarTemplateDataModel model;
        QVERIFY(zarTemplateFixture::load(model, 1, 5, { { 0, { { 0, 0 } } } }));
        QCOMPARE(build(model, configuration(32)), 29);
        QVERIFY(readBuilt());
        QList<int> order;
        for (const zarSessionDataUnit& row : session.units)
            order << row.coreQuadripole.a;
        QCOMPARE(order, QList<int>({ 0, 3, 6, 9, 12, 1, 4, 7, 10, 13, 2, 5, 8, 11, 14,
                                     17, 20, 23, 26, 15, 18, 21, 24, 27, 16, 19, 22, 25, 28 }));
    }

    // An electrode number beyond the cables still counts for the order of the runs.
    void electrodesBeyondTheCablesStillConflict()
    {
        zarTemplateDataModel model;
        model.ertQuadripoles = { zarQuadripole(1, 70, 2, 3), zarQuadripole(4, 5, 70, 6), zarQuadripole(7, 8, 9, 10) };
        const zarCableConfiguration config = configuration(64);
        QCOMPARE(build(model, config), 3);
        QVERIFY(readBuilt());
        QList<qint16> currents;
        for (const zarSessionDataUnit& unit : session.units)
            currents << unit.coreQuadripole.a;
        QCOMPARE(currents, (QList<qint16> { 1, 7, 4 }));
    }

    // Whole session files of an eight-set template pinned by their SHA-1: the order of
    // rows, runs, channels and parities must never change with the builder's workings.
    void eightSetTemplateGolden_data()
    {
        QTest::addColumn<int>("disabled");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("sha1");
        QTest::newRow("all wires") << -1 << 0 << QByteArray("4b7b1cd443971daa08f0b37e16cefe271a4127f5");
        QTest::newRow("wire 9 off, second cable") << 9 << 32 << QByteArray("4ed5d4aa615a36aa1b756dc9dce1c8c1a82fb4a0");
    }

    void eightSetTemplateGolden()
    {
        QFETCH(int, disabled);
        QFETCH(int, offset);
        QList<zarTemplateFixture::Set> sets;
        for (qint8 type : { 0, 3, 4, 5, 6, 7, 8, 16 }) {
            zarTemplateFixture::Set set { type, {} };
            for (int s = 0; s < 6; ++s)
                for (int l = 0; l < 8; ++l)
                    set.cells.append({ s, l });
            sets.append(set);
        }
        zarTemplateDataModel model;
        QVERIFY(zarTemplateFixture::load(model, 2, 5, sets));
        QVERIFY(build(model, configuration(64, disabled), quint16(offset)) > 0);
        QTEST(builtSha1(), "sha1");
    }

    void ertLabTemplateGolden()
    {
        zarTemplateDataModel model;
        for (int e = 1; e <= 64; ++e)
            model.ertElectrodes.insert(quint16(e), zarPoint3D(e, 0, 0));
        for (int a = 0; a < 64 && model.ertQuadripoles.size() < 3000; ++a)
            for (int b = 0; b < 64 && model.ertQuadripoles.size() < 3000; ++b)
                for (int m = 0; m < 64 && model.ertQuadripoles.size() < 3000; ++m) {
                    const int n = (m + 1) % 64;
                    if (a != b && m != a && m != b && n != a && n != b)
                        model.ertQuadripoles.append(zarQuadripole(qint16(a), qint16(b), qint16(m), qint16(n)));
                }
        model.ertQuadripoles.append(zarQuadripole(-1, 4, -2, 9));
        QVERIFY(build(model, configuration(64, 7)) > 0);
        QCOMPARE(builtSha1(), QByteArray("9d357642a90ec8d75f1a41ad73208f7074abb79c"));
    }
};

ZAR_TEST_MAIN(TestSequenceBuilder)
#include "test_sequencebuilder.moc"
