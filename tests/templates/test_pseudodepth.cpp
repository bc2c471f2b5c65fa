#include "zartestsupport.h"

#include "core/zarconstants.h"
#include "templates/zarpseudodepth.h"
#include "templates/zarquadripole.h"

#include <QFile>

class TestPseudoDepth : public QObject
{
    Q_OBJECT

    static QByteArray readAll(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

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
    }

    void interpolation()
    {
        QCOMPARE(zarPseudoDepth::interpolate(1, 2, 1, 4, 7), 3.0);
        QCOMPARE(zarPseudoDepth::interpolate(0, 2, 1, 4, 0), 2.0);
        QCOMPARE(zarPseudoDepth::interpolate(0, 2, 1, 4, 1), 4.0);
        QCOMPARE(zarPseudoDepth::interpolate(0, 2, 2, 4, 1), 3.0);
    }

    void generatedFileMatchesResource()
    {
        const QString path = QDir::tempPath() + QStringLiteral("/zar-pseudo-%1.base").arg(QCoreApplication::applicationPid());
        zarPseudoDepth created{QString()};
        QVERIFY(created.createBaseFile(path));
        const QByteArray bytes = readAll(path);
        QFile::remove(path);
        QCOMPARE(bytes.size(), 525476);
        QCOMPARE(bytes.left(11).toHex(), QByteArray("1e6300000016150000001e"));
        QCOMPARE(bytes, readAll(pseudoDepthResource));
        for (int s = 0; s < zarGrid::spacings; s += 7)
            for (int l = 0; l < zarGrid::levels; l += 5)
                for (quint8 t = 0; t < 22; ++t)
                    QCOMPARE(created.lookup(t, s, l), float(zarPseudoDepth::compute(t, s, l)));
    }

    void badHeadersLeaveTableUnloaded()
    {
        QByteArray good = readAll(pseudoDepthResource);
        const QString path = zarDriveRoot::path() + QStringLiteral("bad.base");
        auto attempt = [&](const QByteArray& bytes) {
            QFile file(path);
            file.open(QIODevice::WriteOnly);
            file.write(bytes);
            file.close();
            return zarPseudoDepth(path).isLoaded();
        };
        QVERIFY(attempt(good));
        QByteArray wrong = good;
        wrong[1] = 98;
        QVERIFY(!attempt(wrong));
        QVERIFY(!attempt(good.left(good.size() - 1)));
        QVERIFY(!attempt(good.left(1)));
        QByteArray hugeCount = good;
        hugeCount[2] = char(0x7f);
        QVERIFY(!attempt(hugeCount));
        zarDiagnosticCapture capture;
        zarPseudoDepth missing(path + QStringLiteral(".none"));
        QVERIFY(!missing.isLoaded());
        QCOMPARE(missing.lookup(0, 0, 0), 0.0f);
        QVERIFY(capture.text().startsWith(QStringLiteral("File error: ")));
    }

    void quadripolePositionAndDepth()
    {
        zarQuadripole q(0, 3, 1, 2);
        q.computeX(5, 0);
        q.computeDepth(5, 0);
        QCOMPARE(q.x, 7.5f);
        QCOMPARE(q.z, float(double(0.519f) * 5));
        zarQuadripole pp(-1, 0, -2, 4);
        pp.computeX(1, 7);
        QCOMPARE(pp.x, 2.0f);
        zarQuadripole unknown(0, 3, 1, 2);
        unknown.computeX(5, 22);
        unknown.computeDepth(5, 22);
        QCOMPARE(unknown.x, 0.0f);
        QCOMPARE(unknown.z, 0.0f);
        // Gradient: centred potential pair keeps the table depth, an offset one is shallower.
        zarQuadripole centred(0, 21, 10, 11);
        centred.level = 9;
        centred.computeDepth(1, 8);
        QCOMPARE(centred.z, zarPseudoDepth::instance(pseudoDepthResource)->lookup(8, 0, 9));
        zarQuadripole offset(0, 21, 7, 8);
        offset.level = 9;
        offset.computeDepth(1, 8);
        QVERIFY(offset.z < centred.z && offset.z > 0);
    }

    void equalityAndHashIgnoreCell()
    {
        zarQuadripole a(0, 3, 1, 2), b(0, 3, 1, 2);
        b.spacing = 4;
        b.level = 9;
        b.x = 11;
        b.z = 2;
        QVERIFY(a == b);
        QCOMPARE(qHash(a), qHash(b));
        QVERIFY(!(a == zarQuadripole(0, 3, 2, 1)));
        QCOMPARE(qHash(zarQuadripole(-1, 0, -2, 4)), qHash(QStringLiteral("65535,0,65534,4")));
    }

    void destroyedTableComesBack()
    {
        zarPseudoDepth::destroy();
        zarQuadripole q(0, 3, 1, 2);
        q.computeDepth(1, 0);
        QCOMPARE(q.z, 0.519f);
    }
};

ZAR_TEST_MAIN(TestPseudoDepth)
#include "test_pseudodepth.moc"
