#include "zartestsupport.h"
#include "zarstreamhelpers.h"
#include "zartemplatefixture.h"

#include "templates/zarpseudodepth.h"
#include "templates/zarquadripole.h"

#include <cmath>
#include <limits>

class TestPseudoDepth : public QObject
{
    Q_OBJECT

private slots:
    void sampleDepths_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("spacing");
        QTest::addColumn<int>("level");
        QTest::addColumn<float>("depth");
        QTest::newRow("Wenner last cell") << 0 << 29 << 98 << 51.381f;
        QTest::newRow("Schlumberger") << 3 << 1 << 0 << 0.626f;
        QTest::newRow("dipole-dipole") << 4 << 0 << 1 << 0.696f;
        // n / m = 7 lies between the pole-dipole curve's points 6 and 15.
        QTest::newRow("pole-dipole on a curve point") << 5 << 0 << 4 << float(0.349f * 6);
        QTest::newRow("pole-dipole between curve points") << 5 << 0 << 6 << float((0.354 + (0.368 - 0.354) / 9) * 8);
        QTest::newRow("no such array") << 22 << 0 << 0 << 0.0f;
    }

    void sampleDepths()
    {
        QFETCH(int, type);
        QFETCH(int, spacing);
        QFETCH(int, level);
        zarPseudoDepth* table = zarPseudoDepth::instance(pseudoDepthResource);
        QVERIFY(table->isLoaded());
        QTEST(table->lookup(quint8(type), zarSpacing(spacing), zarLevel(level)), "depth");
    }

    // A gradient's depth falls off as its pair of moving electrodes leaves the middle
    // of the fixed pair; the other arrays keep the table's depth everywhere.
    void gradientDepthFallsOffAwayFromTheMiddle_data()
    {
        // Level 3, spacing 1: the fixed pair 7 steps apart, the moving pair at 1..2.
        const double off = std::exp(-0.5 * std::pow((1.5 - 3.5) / (0.22 * 7), 2));
        QTest::addColumn<int>("type");
        QTest::addColumn<zarQuadripole>("quadripole");
        QTest::addColumn<double>("factor");
        QTest::newRow("gradient 8 in the middle") << 8 << zarQuadripole(0, 7, 3, 4) << 1.0;
        QTest::newRow("gradient 8 off the middle") << 8 << zarQuadripole(0, 7, 1, 2) << off;
        QTest::newRow("reciprocal 18 off the middle") << 18 << zarQuadripole(1, 2, 0, 7) << off;
        QTest::newRow("reciprocal 21 off the middle") << 21 << zarQuadripole(1, 2, 0, 7) << off;
        QTest::newRow("reciprocal Schlumberger 15 anywhere") << 15 << zarQuadripole(1, 2, 0, 7) << 1.0;
    }

    void gradientDepthFallsOffAwayFromTheMiddle()
    {
        QFETCH(int, type);
        QFETCH(zarQuadripole, quadripole);
        QFETCH(double, factor);
        quadripole.spacing = 0;
        quadripole.level = 2;
        quadripole.computeDepth(2.0f, quint8(type));
        const double table = double(zarPseudoDepth::instance(pseudoDepthResource)->lookup(quint8(type), 0, 2)) * 2.0;
        QVERIFY(table > 0);
        QVERIFY2(std::fabs(quadripole.z / table - factor) < 1e-5,
                 qPrintable(QStringLiteral("depth %1, table %2").arg(quadripole.z).arg(table)));
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
    }

    // A damaged table file leaves the table unloaded: every depth is 0.
    void damagedFilesLeaveTheTableUnloaded_data()
    {
        QTest::addColumn<int>("at");
        QTest::addColumn<QByteArray>("value");
        // After the counts, the first type, its row count and the first row's column count.
        const int first = 2 + 4 + 1 + 4 + 4;
        QTest::newRow("array count") << 1 << QByteArray::fromHex("62");
        QTest::newRow("row count") << 2 << QByteArray::fromHex("7f");
        QTest::newRow("cut short") << -1 << QByteArray();
        QTest::newRow("factor NaN") << first << written(std::numeric_limits<double>::quiet_NaN());
        QTest::newRow("factor negative") << first + 8 * 50 << written(-0.5);
        QTest::newRow("factor huge, last row") << first + 29 * (4 + 99 * 8) + 8 * 98 << written(1e30);
    }

    void damagedFilesLeaveTheTableUnloaded()
    {
        QFETCH(int, at);
        QFETCH(QByteArray, value);
        QByteArray bytes = zarTemplateFixture::read(pseudoDepthResource);
        if (at < 0)
            bytes.chop(1);
        else
            bytes.replace(at, value.size(), value);
        const zarPseudoDepth table(zarTemplateFixture::write(bytes, QStringLiteral("damaged.base")));
        QVERIFY(!table.isLoaded());
        QCOMPARE(table.lookup(21, 0, 0), 0.0f);
    }
};

ZAR_TEST_MAIN(TestPseudoDepth)
#include "test_pseudodepth.moc"
