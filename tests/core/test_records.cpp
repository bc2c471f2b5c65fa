#include "zartestsupport.h"
#include "zarfakeboard.h"
#include "zarstreamhelpers.h"

#include "core/zarcoreparams.h"
#include "core/zarmeasureset.h"

namespace {
zarMeasureSet sampleSet()
{
    zarMeasureSet set;
    set.txVoltage = 201000.0f; set.txCurrent = 53.07625f; set.rxVoltage = 10.030201f;
    set.chargeability = 4.5f; set.rxDeviation = -7.568025f; set.quality = 0.0015f;
    set.samples = { 13.0f, 12.5f, -1.0f };
    set.measured = true;
    zarMeasureSettings& s = set.settings;
    s.pulseCode = 98; s.ip = true; s.pauseCode = 48; s.deviation = 0.25f;
    s.minStacking = 200; s.maxStacking = 255; s.transmitterPower = 130;
    return set;
}
}

class TestRecords : public QObject
{
    Q_OBJECT

private slots:
    void emptyMeasureSetBytes()
    {
        QByteArray expected(4 * 8 + 4 + 2 * 8 + 1, '\0');
        expected += QByteArray::fromHex("0002" "00" "0000" "3ff0000000000000" "03" "05" "19");
        QCOMPARE(written(zarMeasureSet()).toHex(), expected.toHex());
    }

    // Remote electrodes and "no channel" travel as their 16- and 8-bit patterns.
    void quadripoleBytesAndRoundTrip()
    {
        const zarCoreQuadripole q = zarQuadripole(zarCoreQuadripole::remoteTransmitter, 3, zarCoreQuadripole::remoteReceiver,
                                                  4, zarCoreQuadripole::noChannel);
        const QByteArray bytes = written(q);
        QCOMPARE(bytes.toHex(), QByteArray("ffff" "0003" "fffe" "0004" "11"));
        QVERIFY(readBack<zarCoreQuadripole>(bytes) == q);
    }

    // Deviation travels before the samples and chargeability after them.
    void measureSetLayoutAndRoundTrip()
    {
        const zarMeasureSet set = sampleSet();
        const QByteArray bytes = written(set);
        QCOMPARE(bytes.size(), 69 + 8 * 3);
        QDataStream raw(bytes);
        double skip, deviation;
        raw >> skip >> skip >> skip >> deviation;
        QCOMPARE(float(deviation), set.rxDeviation);
        QDataStream::Status status;
        zarMeasureSet back = readBack<zarMeasureSet>(bytes, &status);
        QCOMPARE(status, QDataStream::Ok);
        back.settings.pulseDuration = set.settings.pulseDuration;
        QVERIFY(back == set);
    }

    // The count sits after four doubles: claim four billion samples.
    void aHostileSampleCountIsRefused()
    {
        QByteArray hostile = written(zarMeasureSet());
        hostile.replace(32, 4, QByteArray::fromHex("fffffff0"));
        QDataStream::Status status;
        QVERIFY(readBack<zarMeasureSet>(hostile, &status).samples.isEmpty());
        QCOMPARE(status, QDataStream::ReadCorruptData);
    }
};

ZAR_TEST_MAIN(TestRecords)
#include "test_records.moc"
