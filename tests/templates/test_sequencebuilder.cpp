#include "zartestsupport.h"
#include "zartemplatefixture.h"

#include "service/zarcableconfiguration.h"
#include "sessions/zarsessionfile.h"
#include "templates/zarsequencebuilder.h"

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

QList<zarQuadripole> generated(int type, int spacing, int level, int cables = 2, float cableSpacing = 1)
{
    QList<zarQuadripole> list;
    zarSequenceBuilder::instance()->generate(zarCable(cables), cableSpacing, quint8(type), zarSpacing(spacing),
                                             zarLevel(level), &list);
    return list;
}

double geometricFactor(const zarQuadripole& q, float spacing)
{
    zarMeasurement item;
    item.quadripole = q;
    zarSessionDataUnit unit;
    unit.configure(spacing, item);
    return unit.k;
}

zarCableConfiguration configuration(int wires, QList<int> disabled = {})
{
    zarCableConfiguration c;
    for (int i = 0; i < wires; ++i)
        c.wires.append({ 1.5f, !disabled.contains(i) });
    return c;
}

const QString sessionName = QStringLiteral("built.zarSession");

int build(const zarTemplateDataModel& model, const zarCableConfiguration& config)
{
    return zarSequenceBuilder::instance()->build(&model, &config, zarDriveRoot::path() + sessionName, 0);
}

// One Wenner set at the first cell of one cable: 29 measurements.
bool loadWenner(zarTemplateDataModel& model)
{
    return zarTemplateFixture::load(model, 1, 5, { { 0, { { 0, 0 } } } });
}
}

class TestSequenceBuilder : public QObject
{
    Q_OBJECT

    zarSessionFile session;

    bool readBuilt() { return session.read(zarDriveRoot::path() + sessionName) == zarSessionFile::Read; }

private slots:
    void countsElectrodesAndCentresOverTheGrid()
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
                        if (cables == 1 || s % 4 || l % 7)
                            continue;
                        for (const zarQuadripole& q : list) {
                            const double centre = quadripolePosition(quint8(type), quint16(q.a), quint16(q.b),
                                                                     quint16(q.m), quint16(q.n)) * 2.5;
                            QVERIFY(std::fabs(q.x - centre) < 1e-3);
                        }
                    }
    }

    void geometricFactorsOfTheTextbook()
    {
        const double pi = 3.14159265358979;
        auto close = [](double actual, double expected, double tolerance) {
            return std::fabs(actual - expected) <= tolerance * std::fabs(expected);
        };
        for (int sp = 0; sp < 30; ++sp)
            for (int l = 0; l < 99; ++l) {
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
                        if (!close(geometricFactor(q, 1), array.k, array.tolerance))
                            QFAIL(qPrintable(QStringLiteral("type %1 cell %2,%3: K %4 instead of %5")
                                                 .arg(array.type).arg(sp).arg(l).arg(geometricFactor(q, 1)).arg(array.k)));
                // Each array and its reciprocal have the same factor.
                const int pairs[][2] = { { 0, 12 }, { 1, 13 }, { 2, 14 }, { 3, 15 }, { 4, 16 }, { 7, 17 },
                                         { 8, 18 }, { 11, 21 } };
                for (const auto& pair : pairs) {
                    const auto forward = generated(pair[0], sp, l, 2, 5), reverse = generated(pair[1], sp, l, 2, 5);
                    QCOMPARE(forward.size(), reverse.size());
                    for (int i = 0; i < forward.size(); i += 7)
                        QVERIFY(close(geometricFactor(forward[i], 5), geometricFactor(reverse[i], 5), 1e-3));
                }
            }
    }

    // One Wenner set on one cable: 29 runs of one row each, alternating parity.
    void oneSetSessionFile()
    {
        zarTemplateDataModel model;
        QVERIFY(loadWenner(model));
        QCOMPARE(build(model, configuration(32)), 29);
        QVERIFY(readBuilt());
        QCOMPARE(session.arrangement.runs, 29);
        QCOMPARE(session.arrangement.measurements, 29);
        QCOMPARE(session.arraySets.size(), 1);
        QCOMPARE(int(session.arraySets[0].count), 29);
        QCOMPARE(session.arrangement.maxDepths, QVector<float>({ float(double(0.519f) * 5) }));
        QCOMPARE(session.units.size(), 29);
        for (int i = 0; i < 29; ++i) {
            const zarSessionDataUnit& row = session.units[i];
            QCOMPARE(row.groupParity, i % 2 == 0);
            QVERIFY(!row.continues);
            QCOMPARE(int(row.setMask), 1);
            QVERIFY2(std::fabs(row.k - 2 * 3.14159265 * 5) < 1e-3, qPrintable(QString::number(row.k)));
        }
    }

    // A build without rows keeps the old file; a write that fails is -1.
    void failedBuildsKeepTheOldFile()
    {
        zarTemplateDataModel model;
        QVERIFY(loadWenner(model));
        QCOMPARE(build(model, configuration(32)), 29);
        const QByteArray before = zarTemplateFixture::read(zarDriveRoot::path() + sessionName);
        QList<int> all;
        for (int i = 0; i < 32; ++i)
            all << i;
        QCOMPARE(build(model, configuration(32, all)), 0);
        QCOMPARE(zarTemplateFixture::read(zarDriveRoot::path() + sessionName), before);
        zarDiagnosticCapture capture;
        const zarCableConfiguration config = configuration(32);
        QCOMPARE(zarSequenceBuilder::instance()->build(&model, &config, zarDriveRoot::path() + "none/x", 0), -1);
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
        QTest::newRow("remote receiver") << QList<zarQuadripole>({ { 0, 9, 0, 1 }, { 0, 9, -2, 5 } })
                                         << QList<int>({ 0, 1 }) << 1;
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

    // A run whose M or N carried current in one of the last three runs is put off.
    void runsAvoidElectrodesThatJustCarriedCurrent()
    {
        zarTemplateDataModel model;
        QVERIFY(loadWenner(model));
        QCOMPARE(build(model, configuration(32)), 29);
        QVERIFY(readBuilt());
        QList<int> order;
        for (const zarSessionDataUnit& row : session.units)
            order << row.coreQuadripole.a;
        QCOMPARE(order, QList<int>({ 0, 3, 6, 9, 12, 1, 4, 7, 10, 13, 2, 5, 8, 11, 14,
                                     17, 20, 23, 26, 15, 18, 21, 24, 27, 16, 19, 22, 25, 28 }));
    }

    // Runs of random templates: one current pair, one parity, distinct channels from
    // M or N, at most 16 rows; disabled electrodes never used; the same file twice.
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
            const zarCableConfiguration config = configuration(32 * cables, { disabled });
            const int runs = build(model, config);
            if (runs == 0)
                continue;
            const QByteArray first = zarTemplateFixture::read(zarDriveRoot::path() + sessionName);
            QCOMPARE(build(model, config), runs);
            QCOMPARE(zarTemplateFixture::read(zarDriveRoot::path() + sessionName), first);
            QVERIFY(readBuilt());
            QCOMPARE(session.arrangement.runs, runs);
            int ends = 0;
            QList<zarCoreQuadripole> run;
            for (const zarSessionDataUnit& row : session.units) {
                const zarCoreQuadripole& q = row.coreQuadripole;
                QCOMPARE(row.groupParity, ends % 2 == 0);
                QVERIFY(row.setMask > 0);
                for (int e : { q.a, q.b, q.m, q.n })
                    QVERIFY(e != disabled);
                if (q.m != -2)
                    QVERIFY(q.channel == (q.m & 15) || q.channel == (q.n & 15));
                for (const zarCoreQuadripole& other : run) {
                    QCOMPARE(q.a, other.a);
                    QCOMPARE(q.b, other.b);
                    QVERIFY(q.channel != other.channel);
                }
                run << q;
                QVERIFY(run.size() <= 16);
                if (!row.continues) {
                    ++ends;
                    run.clear();
                }
            }
            QVERIFY(run.isEmpty());
            QCOMPARE(ends, runs);
        }
    }
};

ZAR_TEST_MAIN(TestSequenceBuilder)
#include "test_sequencebuilder.moc"
