#include "zartestsupport.h"
#include "zartemplatefixture.h"

#include "service/zarcableconfiguration.h"
#include "sessions/zarsessionfile.h"
#include "templates/zarsequencebuilder.h"

#include <QCryptographicHash>
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
