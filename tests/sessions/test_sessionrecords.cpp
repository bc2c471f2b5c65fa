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
        zarSessionDataUnit unit, negative, pole, zero;
        unit.configure(5, measurement(0, 3, 1, 2));
        QVERIFY(std::fabs(unit.k - 31.4159265f) < 1e-4f);
        QVERIFY(unit.x == 7.5f && unit.setMask == 5 && unit.coreQuadripole.channel == 9);
        QVERIFY(!unit.continues && unit.groupParity);
        negative.configure(-5, measurement(0, 3, 1, 2));
        QCOMPARE(negative.k, unit.k);
        pole.configure(5, measurement(-1, 0, -2, 1));
        QVERIFY(std::fabs(pole.k - 2 * 3.14159265 * 5) < 1e-2);
        unit.measureSet.rxVoltage = -10;
        unit.measureSet.txCurrent = 2;
        unit.derive();
        QCOMPARE(unit.rho, float(unit.k * 5.0));
        unit.measureSet.txCurrent = 0;
        unit.derive();
        QVERIFY(std::isinf(unit.rho));
        // No spacing: the factor stays 1 and the electrodes stay unplaced, with a diagnostic line.
        zarDiagnosticCapture capture;
        zero.configure(0, measurement(4, 7, 5, 6));
        QCOMPARE(capture.text(), QStringLiteral("zarSessionDataUnit error: configure cableSpacing == 0\n\r"));
        QVERIFY(zero.k == 1.0f && zero.coreQuadripole.a == 0 && zero.x == 7.5f);
    }

    void unitAndCableLayouts()
    {
        QCOMPARE(written(zarSessionDataUnit()).size(), 113);
        const zarSessionDataUnit u = zarSessionFixture::row(-1, 3, -2, 40, 1.5f, 2.25f, true, 123.5f, 6);
        // The row writer must give exactly the fields in the generic stream form.
        QByteArray generic;
        QDataStream g(&generic, QIODevice::WriteOnly);
        g.setVersion(QDataStream::Qt_4_8);
        g << u.x << u.z << u.k << u.rho << u.setMask << u.continues << u.groupParity << u.coreQuadripole
          << u.measureSet;
        QCOMPARE(written(u), generic);
        QCOMPARE(generic.size(), 113 + 24);
        QDataStream::Status status;
        const zarSessionDataUnit back = readBack<zarSessionDataUnit>(generic, &status);
        QCOMPARE(status, QDataStream::Ok);
        QVERIFY(back.coreQuadripole == u.coreQuadripole && back.measureSet == u.measureSet);
        QVERIFY(back.rho == u.rho && back.setMask == u.setMask);

        QCOMPARE(written(zarCableConfiguration()).toHex(), QByteArray(44, '0'));
        zarCableConfiguration two;
        for (int i = 0; i < 64; ++i)
            two.wires.append({ i == 3 ? -1.0f : float(i), i % 7 != 0 });
        two.remoteTx = true;
        two.remoteTxResistance = 2.5f;
        const QByteArray bytes = written(two);
        QCOMPARE(bytes.size(), 598);
        zarCableConfiguration cables = readBack<zarCableConfiguration>(bytes);
        QVERIFY(cables.wires.size() == 64 && cables.wires[3].resistance == -1.0f && !cables.wires[7].enabled);
        QVERIFY(cables.remoteTx && cables.remoteTxResistance == 2.5f && !cables.remoteRx);
        cables = readBack<zarCableConfiguration>(QByteArray(bytes).replace(0, 1, "\x7f"), &status);
        QVERIFY(status != QDataStream::Ok && cables.wires.isEmpty());
        readBack<zarCableConfiguration>(bytes.left(100), &status);
        QVERIFY(status != QDataStream::Ok);
    }

    void headerRecords()
    {
        QCOMPARE(written(zarArrangement()).size(), 33);
        zarArrangement a;
        a.arrayTypeSets.insert(3, 1);
        a.arrayTypeSets.insert(0, 2);
        a.maxDepths = { 1.5f, 2.5f };
        a.runs = 7;
        const QByteArray bytes = written(a);
        QCOMPARE(bytes.mid(17, 8).toHex(), QByteArray("0000000203010002"));
        const zarArrangement back = readBack<zarArrangement>(bytes);
        QVERIFY(back.arrayTypeSets == a.arrayTypeSets && back.maxDepths == a.maxDepths && back.runs == 7);
        QDataStream::Status status;
        readBack<zarArrangement>(QByteArray(bytes).replace(17, 1, "\x40"), &status);
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
        QByteArray bytes = written(zarGPSFix());
        QCOMPARE(bytes.toHex(), QByteArray("0000") + QByteArray(32, '0') + "0025685900000000");
        bytes[0] = 2;
        const zarGPSFix back = readBack<zarGPSFix>(bytes);
        QVERIFY(back.rmc && back.date == QDate(2000, 1, 1));
        // Destroying twice, and coming back after, is safe.
        zarGPSManager::destroy();
        QVERIFY(zarGPSManager::instance()->fix() == zarGPSFix());
        zarGPSManager::destroy();
        zarGPSManager::destroy();
        QVERIFY(zarGPSManager::instance()->fix() == zarGPSFix());
        zarGPSManager::destroy();
    }
};

ZAR_TEST_MAIN(TestSessionRecords)
#include "test_sessionrecords.moc"
