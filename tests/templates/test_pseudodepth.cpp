#include "zartestsupport.h"
#include "zartemplatefixture.h"

#include "templates/zarpseudodepth.h"

class TestPseudoDepth : public QObject
{
    Q_OBJECT

private slots:
    void sampleFactors()
    {
        zarPseudoDepth* table = zarPseudoDepth::instance(pseudoDepthResource);
        QVERIFY(table->isLoaded());
        QCOMPARE(table->lookup(0, 0, 0), 0.519f);
        QCOMPARE(table->lookup(0, 29, 98), 51.381f);
        QCOMPARE(table->lookup(12, 7, 98), 51.381f);
        QCOMPARE(table->lookup(3, 1, 0), 0.626f);
        QCOMPARE(table->lookup(4, 0, 1), 0.696f);
        QCOMPARE(table->lookup(22, 0, 0), 0.0f);
        QCOMPARE(zarPseudoDepth::compute(30, 3, 3), 0.0);
        for (int s = 0; s < zarGrid::spacings; ++s)
            for (int l = 0; l < zarGrid::levels; ++l) {
                QCOMPARE(table->lookup(5, s, l), table->lookup(6, s, l));
                for (quint8 t : { 8, 9, 10, 11, 15, 18, 19, 20, 21 })
                    QCOMPARE(table->lookup(t, s, l), table->lookup(3, s, l));
            }
        QCOMPARE(zarPseudoDepth::interpolate(1, 2, 1, 4, 7), 3.0);
        QCOMPARE(zarPseudoDepth::interpolate(0, 2, 2, 4, 1), 3.0);
    }

    void generatedFileMatchesResource()
    {
        const QString path = QDir::tempPath() + QStringLiteral("/zar-pseudo-%1.base").arg(QCoreApplication::applicationPid());
        zarPseudoDepth created{QString()};
        QVERIFY(created.createBaseFile(path));
        const QByteArray bytes = zarTemplateFixture::read(path);
        QFile::remove(path);
        QCOMPARE(bytes.size(), 525476);
        QCOMPARE(bytes.left(11).toHex(), QByteArray("1e6300000016150000001e"));
        QCOMPARE(bytes, zarTemplateFixture::read(pseudoDepthResource));
        for (int s = 0; s < zarGrid::spacings; s += 7)
            for (int l = 0; l < zarGrid::levels; l += 5)
                for (quint8 t = 0; t < 22; ++t)
                    QCOMPARE(created.lookup(t, s, l), float(zarPseudoDepth::compute(t, s, l)));
    }

    void badHeadersLeaveTableUnloaded()
    {
        const QByteArray good = zarTemplateFixture::read(pseudoDepthResource);
        auto loads = [&](QByteArray bytes, int at = -1, char value = 0) {
            if (at >= 0)
                bytes[at] = value;
            return zarPseudoDepth(zarTemplateFixture::write(bytes, QStringLiteral("bad.base"))).isLoaded();
        };
        QVERIFY(loads(good));
        QVERIFY(!loads(good, 1, 98));
        QVERIFY(!loads(good, 2, 0x7f));
        QVERIFY(!loads(good.left(good.size() - 1)));
        QVERIFY(!loads(good.left(1)));
        zarDiagnosticCapture capture;
        zarPseudoDepth missing(zarDriveRoot::path() + QStringLiteral("none.base"));
        QVERIFY(!missing.isLoaded());
        QCOMPARE(missing.lookup(0, 0, 0), 0.0f);
        QVERIFY(capture.text().startsWith(QStringLiteral("File error: ")));
    }

    void quadripolePositionAndDepth()
    {
        zarPseudoDepth::destroy(); // the table comes back on first use
        zarQuadripole q(0, 3, 1, 2), unknown(0, 3, 1, 2), pole(-1, 0, -2, 4);
        q.computeX(5, 0);
        q.computeDepth(5, 0);
        QCOMPARE(q.x, 7.5f);
        QCOMPARE(q.z, float(double(0.519f) * 5));
        pole.computeX(1, 7);
        QCOMPARE(pole.x, 2.0f);
        unknown.computeX(5, 22);
        unknown.computeDepth(5, 22);
        QCOMPARE(unknown.x + unknown.z, 0.0f);
        // Gradient: a centred potential pair keeps the table depth, an offset one is shallower.
        zarQuadripole centred(0, 21, 10, 11), offset(0, 21, 7, 8);
        centred.level = offset.level = 9;
        centred.computeDepth(1, 8);
        offset.computeDepth(1, 8);
        QCOMPARE(centred.z, zarPseudoDepth::instance(pseudoDepthResource)->lookup(8, 0, 9));
        QVERIFY(offset.z < centred.z && offset.z > 0);
        // The cell and position take no part in equality: shared quadripoles of two sets are one run.
        q.level = 9;
        QVERIFY(q == zarQuadripole(0, 3, 1, 2) && qHash(q) == qHash(zarQuadripole(0, 3, 1, 2)));
        QVERIFY(!(q == zarQuadripole(0, 3, 2, 1)));
    }
};

ZAR_TEST_MAIN(TestPseudoDepth)
#include "test_pseudodepth.moc"
