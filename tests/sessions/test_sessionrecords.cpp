#include "zartestsupport.h"
#include "zarstreamhelpers.h"
#include "zarsessionfixture.h"

#include "service/zargpsmanager.h"

#include <cmath>

class TestSessionRecords : public QObject
{
    Q_OBJECT

private slots:
    void resistivity()
    {
        zarSessionDataUnit unit = zarSessionFixture::row(0, 3, 1, 2, 7.5f, 2.6f, true);
        unit.measureSet.rxVoltage = -10;
        unit.measureSet.txCurrent = 2;
        unit.derive();
        QCOMPARE(unit.rho, float(unit.k * 5.0));
        unit.measureSet.txCurrent = 0;
        unit.derive();
        QVERIFY(std::isinf(unit.rho));
    }

    void gpsManagerSurvivesRepeatedDestroy()
    {
        zarGPSManager::destroy();
        zarGPSManager::destroy();
        QVERIFY(zarGPSManager::instance()->fix() == zarGPSFix());
        zarGPSManager::destroy();
    }

    void rowEncoderEqualsStreamOperators()
    {
        QCOMPARE(written(zarSessionDataUnit()).size(), 113);
        const zarSessionDataUnit u = zarSessionFixture::row(-1, 3, -2, 40, 1.5f, 2.25f, true, 123.5f, 6);
        QByteArray generic;
        QDataStream g(&generic, QIODevice::WriteOnly);
        g.setVersion(QDataStream::Qt_4_8);
        g << u.x << u.z << u.k << u.rho << u.setMask << u.continues << u.groupParity << u.coreQuadripole
          << u.measureSet;
        QCOMPARE(written(u), generic);
        QDataStream::Status status;
        const zarSessionDataUnit back = readBack<zarSessionDataUnit>(generic, &status);
        QCOMPARE(status, QDataStream::Ok);
        QVERIFY(back.coreQuadripole == u.coreQuadripole);
        QVERIFY(back.measureSet == u.measureSet);
        QVERIFY(back.rho == u.rho);
        QVERIFY(back.setMask == u.setMask);
    }
};

ZAR_TEST_MAIN(TestSessionRecords)
#include "test_sessionrecords.moc"
