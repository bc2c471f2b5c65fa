#include "zartestsupport.h"
#include "zartemplatefixture.h"

#include "service/zarcableconfiguration.h"
#include "sessions/zarsessionfile.h"
#include "templates/zarsequencebuilder.h"

#include <QCryptographicHash>

// Whole session files built from two large templates, pinned by their SHA-1: the
// order of rows, runs, channels and parities must never change with the builder's
// inner workings.
class TestBuilderGolden : public QObject
{
    Q_OBJECT

    static zarCableConfiguration wires(int disabled)
    {
        zarCableConfiguration configuration;
        for (int i = 0; i < 64; ++i)
            configuration.wires.append({ 1.0f, i != disabled });
        return configuration;
    }

    static QByteArray built(const zarTemplateDataModel& model, const zarCableConfiguration& configuration,
                            quint16 offset)
    {
        const QString path = zarDriveRoot::path() + QStringLiteral("golden.zarSession");
        if (zarSequenceBuilder::instance()->build(&model, &configuration, path, offset) <= 0)
            return QByteArray();
        return QCryptographicHash::hash(zarTemplateFixture::read(path), QCryptographicHash::Sha1).toHex();
    }

private slots:
    void eightSetTemplate_data()
    {
        QTest::addColumn<int>("disabled");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("sha1");
        QTest::newRow("all wires") << -1 << 0 << QByteArray("4b7b1cd443971daa08f0b37e16cefe271a4127f5");
        QTest::newRow("wire 9 off, second cable") << 9 << 32 << QByteArray("4ed5d4aa615a36aa1b756dc9dce1c8c1a82fb4a0");
    }

    void eightSetTemplate()
    {
        QFETCH(int, disabled);
        QFETCH(int, offset);
        QFETCH(QByteArray, sha1);
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
        QCOMPARE(built(model, wires(disabled), quint16(offset)), sha1);
    }

    void ertLabTemplate()
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
        QCOMPARE(built(model, wires(7), 0), QByteArray("9d357642a90ec8d75f1a41ad73208f7074abb79c"));
    }

    // Numbers beyond the cables' 64 electrodes leave the bit sets for the exact test:
    // the run whose M carried current just before still waits its turn.
    void electrodesBeyondTheCablesStillConflict()
    {
        zarTemplateDataModel model;
        model.ertQuadripoles = { zarQuadripole(1, 70, 2, 3), zarQuadripole(4, 5, 70, 6), zarQuadripole(7, 8, 9, 10) };
        const QString path = zarDriveRoot::path() + QStringLiteral("beyond.zarSession");
        const zarCableConfiguration configuration = wires(-1);
        QCOMPARE(zarSequenceBuilder::instance()->build(&model, &configuration, path, 0), 3);
        zarSessionFile session;
        QCOMPARE(session.read(path), zarSessionFile::Read);
        QList<qint16> currents;
        for (const zarSessionDataUnit& unit : session.units)
            currents << unit.coreQuadripole.a;
        QCOMPARE(currents, (QList<qint16> { 1, 7, 4 }));
    }
};

ZAR_TEST_MAIN(TestBuilderGolden)
#include "test_buildergolden.moc"
