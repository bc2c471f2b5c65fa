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
        const struct { quint8 type; int spacing, level; float depth; } samples[] = {
            { 0, 0, 0, 0.519f }, { 0, 29, 98, 51.381f }, { 12, 7, 98, 51.381f }, { 3, 1, 0, 0.626f }, { 4, 0, 1, 0.696f },
            { 22, 0, 0, 0.0f } };
        for (const auto& sample : samples)
            QCOMPARE(table->lookup(sample.type, sample.spacing, sample.level), sample.depth);
        for (int s = 0; s < zarGrid::spacings; ++s)
            for (int l = 0; l < zarGrid::levels; ++l) {
                QCOMPARE(table->lookup(5, s, l), table->lookup(6, s, l));
                for (quint8 t : { 8, 9, 10, 11, 15, 18, 19, 20, 21 })
                    QCOMPARE(table->lookup(t, s, l), table->lookup(3, s, l));
            }
        QCOMPARE(zarPseudoDepth::interpolate(1, 2, 1, 4, 7), 3.0);
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
        zarDiagnosticCapture capture;
        zarPseudoDepth missing(zarDriveRoot::path() + QStringLiteral("none.base"));
        QVERIFY(!missing.isLoaded() && missing.lookup(0, 0, 0) == 0.0f);
        QVERIFY(capture.text().startsWith(QStringLiteral("File error: ")));
    }
};

ZAR_TEST_MAIN(TestPseudoDepth)
#include "test_pseudodepth.moc"
