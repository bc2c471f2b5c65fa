#include "zartestsupport.h"
#include "zartemplatefixture.h"

#include "service/zarcableconfiguration.h"
#include "sessions/zarsessiondataunit.h"
#include "templates/zarsequencebuilder.h"

#include <QRandomGenerator>
#include <cmath>

namespace {
// Closed-form number of quadripoles of one cell on E electrodes.
int expectedCount(int type, int spacing, int level, int electrodes)
{
    const int m = spacing + 1, n = level + 1;
    auto slide = [&](int h) { return qMax(0, electrodes - h); };
    const int gradientK[] = { 3, 5, 7, 9 };
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
        const int k = gradientK[type >= 18 ? type - 18 : type - 8];
        const int kept = qMin(2 * n - 1, n + k) - qMax(1, n - k) + 1;
        return kept * slide(m + 2 * n);
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

// Reads a session file the plain way, byte by byte, to check the builder's layout.
struct RawSession
{
    struct Row
    {
        double k;
        qint8 setMask;
        bool continues, parity;
        zarQuadripole q;
        quint8 channel;
        bool measured;
    };
    int runs = 0, measurements = 0, wires = 0;
    QList<QPair<qint8, qint16>> arraySets;
    QList<double> maxDepths;
    QList<Row> rows;
    bool ok = false;

    explicit RawSession(const QString& path)
    {
        const QByteArray d = zarTemplateFixture::read(path);
        int p = 0;
        auto u8 = [&] { return p < d.size() ? quint8(d.at(p++)) : quint8(p++ * 0); };
        auto u16 = [&] { quint16 v = quint16(u8() << 8); return quint16(v | u8()); };
        auto u32 = [&] { quint32 v = 0; for (int i = 0; i < 4; ++i) v = (v << 8) | u8(); return v; };
        auto f64 = [&] { quint64 v = 0; for (int i = 0; i < 8; ++i) v = (v << 8) | u8(); double r; memcpy(&r, &v, 8); return r; };
        if (u32() != 0x33114422)
            return;
        f64(); u8(); measurements = int(u32()); runs = int(u32());
        for (quint32 i = 0, c = u32(); i < c; ++i) { u8(); u8(); }
        f64();
        for (quint32 i = 0, c = u32(); i < c; ++i) maxDepths << f64();
        for (quint32 i = 0, c = u32(); i < c; ++i) { qint8 t = qint8(u8()); arraySets << qMakePair(t, qint16(u16())); }
        wires = int(u32());
        p += wires * 9 + 18;
        for (quint32 i = 0, c = u32(); i < c; ++i) { u16(); p += 24; }
        for (quint32 i = 0, count = u32(); i < count; ++i) {
            Row r;
            p += 16; r.k = f64(); f64();
            r.setMask = qint8(u8()); r.continues = u8(); r.parity = u8();
            r.q.a = qint16(u16()); r.q.b = qint16(u16()); r.q.m = qint16(u16()); r.q.n = qint16(u16()); r.channel = u8();
            p += 4 * 8;
            p += int(u32()) * 8 + 16;
            r.measured = u8();
            p += 2 + 1 + 2 + 8 + 3;
            rows << r;
        }
        ok = p + 26 == d.size();
    }
};

zarCableConfiguration configuration(int wires, QList<int> disabled = {})
{
    zarCableConfiguration c;
    for (int i = 0; i < wires; ++i)
        c.wires.append({ 1.5f, !disabled.contains(i) });
    return c;
}

int build(const zarTemplateDataModel& model, const zarCableConfiguration& config, const QString& name)
{
    return zarSequenceBuilder::instance()->build(&model, &config, zarDriveRoot::path() + name, 0);
}
}

class TestSequenceBuilder : public QObject
{
    Q_OBJECT

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
                            QSet<int> used;
                            for (int e : { q.a, q.b, q.m, q.n })
                                if (e >= 0 && e < 64)
                                    used << e;
                            QVERIFY(q.a >= -1);
                            QVERIFY(q.m >= -2);
                            QVERIFY(q.b >= 0);
                            QVERIFY(q.n >= 0);
                            QCOMPARE(used.size(), 2 + (q.a >= 0) + (q.m >= 0));
                            const double centre = quadripolePosition(quint8(type), quint16(q.a), quint16(q.b),
                                                                     quint16(q.m), quint16(q.n)) * 2.5;
                            QVERIFY(std::fabs(q.x - centre) < 1e-3);
                            QVERIFY(q.spacing == s);
                            QVERIFY(q.level == l);
                        }
                    }
        // Electrode order of a few arrays: A, B, M, N.
        QVERIFY(generated(0, 0, 0, 1).last() == zarQuadripole(28, 31, 29, 30));
        QVERIFY(generated(3, 2, 0).first() == zarQuadripole(0, 5, 1, 4));
        QVERIFY(generated(7, 0, 0).last() == zarQuadripole(-1, 62, -2, 63));
        QVERIFY(generated(8, 0, 9, 1).first() == zarQuadripole(0, 21, 7, 8));
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
        QVERIFY(zarTemplateFixture::load(model, 1, 5, { { 0, { { 0, 0 } } } }));
        const QString name = QStringLiteral("wenner.zarSession");
        QCOMPARE(build(model, configuration(32), name), 29);
        const RawSession session(zarDriveRoot::path() + name);
        QVERIFY(session.ok);
        QCOMPARE(session.runs, 29);
        QCOMPARE(session.measurements, 29);
        QCOMPARE(session.wires, 32);
        QCOMPARE(session.rows.size(), 29);
        QCOMPARE(session.arraySets, (QList<QPair<qint8, qint16>>({ qMakePair(qint8(0), qint16(29)) })));
        QCOMPARE(session.maxDepths, QList<double>({ double(float(double(0.519f) * 5)) }));
        for (int i = 0; i < 29; ++i) {
            const RawSession::Row& row = session.rows[i];
            QCOMPARE(row.parity, i % 2 == 0);
            QVERIFY(!row.continues);
            QCOMPARE(int(row.setMask), 1);
            QVERIFY2(std::fabs(row.k - 2 * 3.14159265 * 5) < 1e-4, qPrintable(QString::number(row.k)));
        }
    }

    // A build without rows keeps the old file.
    void aBuildWithoutRowsKeepsTheOldFile()
    {
        zarTemplateDataModel model;
        QVERIFY(zarTemplateFixture::load(model, 1, 5, { { 0, { { 0, 0 } } } }));
        const QString name = QStringLiteral("kept.zarSession"), path = zarDriveRoot::path() + name;
        QCOMPARE(build(model, configuration(32), name), 29);
        const QByteArray before = zarTemplateFixture::read(path);
        QList<int> all;
        for (int i = 0; i < 32; ++i)
            all << i;
        QCOMPARE(build(model, configuration(32, all), name), 0);
        QCOMPARE(zarTemplateFixture::read(path), before);
    }

    void aWriteThatFailsIsMinusOne()
    {
        zarTemplateDataModel model;
        QVERIFY(zarTemplateFixture::load(model, 1, 5, { { 0, { { 0, 0 } } } }));
        zarDiagnosticCapture capture;
        QCOMPARE(build(model, configuration(32), QStringLiteral("none/x")), -1);
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
        QFETCH(int, runs);
        QList<zarMeasurement> measurements;
        for (const zarQuadripole& q : quadripoles) {
            zarMeasurement item;
            item.quadripole = q;
            item.setChannels();
            measurements << item;
        }
        QCOMPARE(zarSequenceBuilder::group(measurements), runs);
        QList<int> given;
        for (const zarMeasurement& item : measurements)
            given << item.channel;
        QCOMPARE(given, channels);
    }

    // A run whose M or N carried current in one of the last three runs is put off.
    void runsAvoidElectrodesThatJustCarriedCurrent()
    {
        zarTemplateDataModel model;
        QVERIFY(zarTemplateFixture::load(model, 1, 5, { { 0, { { 0, 0 } } } }));
        const QString name = QStringLiteral("order.zarSession");
        QCOMPARE(build(model, configuration(32), name), 29);
        const RawSession session(zarDriveRoot::path() + name);
        QVERIFY(session.ok);
        QList<int> order;
        for (const RawSession::Row& row : session.rows)
            order << row.q.a;
        QCOMPARE(order, QList<int>({ 0, 3, 6, 9, 12, 1, 4, 7, 10, 13, 2, 5, 8, 11, 14,
                                     17, 20, 23, 26, 15, 18, 21, 24, 27, 16, 19, 22, 25, 28 }));
    }

    void randomTemplatesKeepTheRules()
    {
        QRandomGenerator random(1234);
        const QString path = zarDriveRoot::path() + QStringLiteral("random.zarSession");
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
            const int runs = build(model, config, QStringLiteral("random.zarSession"));
            if (runs == 0)
                continue;
            const QByteArray first = zarTemplateFixture::read(path);
            QCOMPARE(build(model, config, QStringLiteral("random.zarSession")), runs);
            QCOMPARE(zarTemplateFixture::read(path), first);
            const RawSession session(path);
            QVERIFY(session.ok);
            QVERIFY(session.runs == runs);
            int ends = 0;
            QList<RawSession::Row> run;
            for (const auto& row : session.rows) {
                run << row;
                if (row.continues)
                    continue;
                QVERIFY(run.size() <= 16);
                QSet<int> channels;
                for (const auto& r : run) {
                    QVERIFY(r.q.a == run.first().q.a);
                    QVERIFY(r.q.b == run.first().q.b);
                    QVERIFY(r.parity == (ends % 2 == 0));
                    QVERIFY(r.channel < 16);
                    QVERIFY(!r.measured);
                    QVERIFY(r.setMask > 0);
                    QVERIFY(r.q.a != disabled);
                    QVERIFY(r.q.b != disabled);
                    QVERIFY(r.q.m != disabled);
                    QVERIFY(r.q.n != disabled);
                    channels << r.channel;
                    if (r.q.m != -2)
                        QVERIFY(r.channel == (r.q.m & 15) || r.channel == (r.q.n & 15));
                }
                QCOMPARE(channels.size(), run.size());
                ++ends;
                run.clear();
            }
            QVERIFY(run.isEmpty());
            QCOMPARE(ends, runs);
        }
    }
};

ZAR_TEST_MAIN(TestSequenceBuilder)
#include "test_sequencebuilder.moc"
