#include "zartestsupport.h"
#include "zarstreamhelpers.h"
#include "zarsessionfixture.h"

#include "service/zargpsmanager.h"
#include "core/zarnames.h"
#include "templates/zararrangement.h"

#include <cmath>

namespace {
zarMeasurement measurement(qint16 a, qint16 b, qint16 m, qint16 n)
{
    zarMeasurement item;
    item.quadripole = zarQuadripole(a, b, m, n);
    item.quadripole.x = 7.5f;
    item.quadripole.z = 2.6f;
    item.setMask(5);
    item.channel = 9;
    item.continues = 0;
    item.groupParity = 1;
    return item;
}
}

class TestSessionRecords : public QObject
{
    Q_OBJECT

private slots:
    void geometricFactorAndResistivity()
    {
        zarSessionDataUnit unit;
        unit.configure(5, measurement(0, 3, 1, 2));
        QVERIFY(std::fabs(unit.k - 31.4159265f) < 1e-4f);
        QCOMPARE(unit.x, 7.5f);
        QCOMPARE(unit.setMask, qint8(5));
        QCOMPARE(unit.coreQuadripole.channel, quint8(9));
        QVERIFY(!unit.continues && unit.groupParity);
        zarSessionDataUnit negative;
        negative.configure(-5, measurement(0, 3, 1, 2));
        QCOMPARE(negative.k, unit.k);
        zarSessionDataUnit pole;
        pole.configure(5, measurement(-1, 0, -2, 1));
        QVERIFY(std::fabs(pole.k - 2 * 3.14159265 * 5) < 1e-2);

        unit.measureSet.rxVoltage = -10;
        unit.measureSet.txCurrent = 2;
        unit.derive();
        QCOMPARE(unit.rho, float(unit.k * 5.0));
        unit.measureSet.txCurrent = 0;
        unit.derive();
        QVERIFY(std::isinf(unit.rho));
    }

    void zeroSpacingLeavesElectrodes()
    {
        zarDiagnosticCapture capture;
        zarSessionDataUnit unit;
        unit.configure(0, measurement(4, 7, 5, 6));
        QCOMPARE(capture.text(), QStringLiteral("zarSessionDataUnit error: configure cableSpacing == 0\n\r"));
        QCOMPARE(unit.k, 1.0f);
        QCOMPARE(unit.coreQuadripole.a, qint16(0));
        QCOMPARE(unit.x, 7.5f);
        QCOMPARE(unit.coreQuadripole.channel, quint8(9));
    }

    void unitLayout()
    {
        const zarSessionDataUnit plain;
        QCOMPARE(written(plain).size(), 113);
        const zarSessionDataUnit u = zarSessionFixture::row(-1, 3, -2, 40, 1.5f, 2.25f, true, 123.5f, 6);
        // The row writer must give exactly the fields in the generic stream form.
        QByteArray generic;
        QDataStream g(&generic, QIODevice::WriteOnly);
        g.setVersion(QDataStream::Qt_4_8);
        g << u.x << u.z << u.k << u.rho << u.setMask << u.continues << u.groupParity << u.coreQuadripole
          << u.measureSet;
        QCOMPARE(written(u), generic);
        QCOMPARE(written(u).size(), 113 + 24);
        QDataStream::Status status;
        const zarSessionDataUnit back = readBack<zarSessionDataUnit>(written(u), &status);
        QCOMPARE(status, QDataStream::Ok);
        QCOMPARE(back.coreQuadripole, u.coreQuadripole);
        QCOMPARE(back.measureSet, u.measureSet);
        QCOMPARE(back.rho, u.rho);
        QCOMPARE(back.setMask, u.setMask);
    }

    void cableConfiguration()
    {
        zarCableConfiguration empty;
        QCOMPARE(written(empty).toHex(), QByteArray("00000000") + QByteArray(36, '0'));
        zarCableConfiguration two;
        for (int i = 0; i < 64; ++i)
            two.wires.append({ i == 3 ? -1.0f : float(i), i % 7 != 0 });
        two.remoteTx = true;
        two.remoteTxResistance = 2.5f;
        QCOMPARE(written(two).size(), 598);
        zarCableConfiguration back = readBack<zarCableConfiguration>(written(two));
        QCOMPARE(back.wires.size(), 64);
        QCOMPARE(back.wires[3].resistance, -1.0f);
        QCOMPARE(back.wires[7].enabled, false);
        QVERIFY(back.remoteTx && back.remoteTxResistance == 2.5f && !back.remoteRx);

        QDataStream::Status status;
        QByteArray hostile = written(two);
        hostile[0] = char(0x7f);
        back = readBack<zarCableConfiguration>(hostile, &status);
        QVERIFY(status != QDataStream::Ok);
        QVERIFY(back.wires.isEmpty());
        readBack<zarCableConfiguration>(written(two).left(100), &status);
        QVERIFY(status != QDataStream::Ok);
    }

    void headerRecords()
    {
        const zarArrangement plain;
        QCOMPARE(written(plain).size(), 33);
        zarArrangement a;
        a.arrayTypeSets.insert(3, 1);
        a.arrayTypeSets.insert(0, 2);
        a.maxDepths = { 1.5f, 2.5f };
        a.runs = 7;
        const QByteArray bytes = written(a);
        QCOMPARE(bytes.mid(17, 8).toHex(), QByteArray("0000000203010002"));
        const zarArrangement back = readBack<zarArrangement>(bytes);
        QCOMPARE(back.arrayTypeSets, a.arrayTypeSets);
        QCOMPARE(back.maxDepths, a.maxDepths);
        QCOMPARE(back.runs, 7);
        QCOMPARE(back.cableSpacing, 5.0f);

        QDataStream::Status status;
        QByteArray hostile = bytes;
        hostile[17] = char(0x40);
        readBack<zarArrangement>(hostile, &status);
        QVERIFY(status != QDataStream::Ok);

        const QVector<zarArraySet> sets { zarArraySet(0, 3), zarArraySet(4, 120), zarArraySet(3, qint16(40000)) };
        QCOMPARE(written(sets).toHex(), QByteArray("00000003000003040078039c40"));
        QCOMPARE(readBack<QVector<zarArraySet>>(written(sets)).size(), 3);
        const QStringList lines = arraySetDescriptions(sets);
        QCOMPARE(lines[1], QStringLiteral("2/3 %1 [120]").arg(arrayName(4)));
        QCOMPARE(lines[2], QStringLiteral("3/3 %1 [40000]").arg(arrayName(3)));
        QCOMPARE(arraySetDescriptions({ zarArraySet(-1, 1) }).first(), QStringLiteral("1/1 Unknown array [1]"));
        QCOMPARE(written(zarPoint3D(1, 2, 3)).size(), 24);
    }

    void gpsFixAndManager()
    {
        const zarGPSFix fix;
        QCOMPARE(written(fix).toHex(), QByteArray("0000") + QByteArray(32, '0') + "0025685900000000");
        QByteArray bytes = written(fix);
        bytes[0] = 2;
        const zarGPSFix back = readBack<zarGPSFix>(bytes);
        QVERIFY(back.rmc);
        QCOMPARE(back.date, QDate(2000, 1, 1));

        zarGPSManager::destroy();
        zarGPSManager* manager = zarGPSManager::instance();
        QVERIFY(manager->fix() == zarGPSFix());
        zarGPSManager::destroy();
        zarGPSManager::destroy();
        QVERIFY(zarGPSManager::instance()->fix() == zarGPSFix());
        zarGPSManager::destroy();
    }
};

ZAR_TEST_MAIN(TestSessionRecords)
#include "test_sessionrecords.moc"
