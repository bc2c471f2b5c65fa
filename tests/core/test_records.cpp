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
    void goldenBytesRoundTripAndHostileInput()
    {
        QByteArray expected(4 * 8 + 4 + 2 * 8 + 1, '\0');
        expected += QByteArray::fromHex("0002" "00" "0000" "3ff0000000000000" "03" "05" "19");
        QCOMPARE(written(zarMeasureSet()).toHex(), expected.toHex());

        const zarCoreQuadripole q = zarQuadripole(zarCoreQuadripole::remoteTransmitter, 3, zarCoreQuadripole::remoteReceiver,
                                                  4, zarCoreQuadripole::noChannel);
        const QByteArray bytes = written(q);
        QCOMPARE(bytes.toHex(), QByteArray("ffff" "0003" "fffe" "0004" "11"));
        QVERIFY(readBack<zarCoreQuadripole>(bytes) == q);

        // The pulse duration is derived, not streamed; counts above 127 travel as signed bytes.
        zarMeasureSettings settings = sampleSet().settings;
        settings.pulseDuration = 2000;
        const QByteArray settingsBytes = written(settings);
        QCOMPARE(settingsBytes.toHex(), QByteArray("0062" "01" "0030" "3fd0000000000000" "c8" "ff" "82"));
        zarMeasureSettings back = readBack<zarMeasureSettings>(settingsBytes);
        QCOMPARE(int(back.pulseDuration), 80);
        back.pulseDuration = 2000;
        QVERIFY(back == settings);

        // Deviation travels before the samples and chargeability after them.
        const zarMeasureSet set = sampleSet();
        const QByteArray setBytes = written(set);
        QCOMPARE(setBytes.size(), 69 + 8 * 3);
        QDataStream raw(setBytes);
        double skip, dev;
        raw >> skip >> skip >> skip >> dev;
        QCOMPARE(float(dev), set.rxDeviation);
        QDataStream::Status status;
        zarMeasureSet setBack = readBack<zarMeasureSet>(setBytes, &status);
        QCOMPARE(status, QDataStream::Ok);
        setBack.settings.pulseDuration = set.settings.pulseDuration;
        QVERIFY(setBack == set);

        // Truncated and hostile input.
        for (int cut = 0; cut < setBytes.size(); ++cut) {
            readBack<zarMeasureSet>(setBytes.left(cut), &status);
            QVERIFY2(status != QDataStream::Ok, qPrintable(QString::number(cut)));
        }

        // The count sits after four doubles: claim four billion samples.
        QByteArray hostile = written(zarMeasureSet());
        hostile.replace(32, 4, QByteArray::fromHex("fffffff0"));
        QVERIFY(readBack<zarMeasureSet>(hostile, &status).samples.isEmpty());
        QCOMPARE(status, QDataStream::ReadCorruptData);
    }
};

ZAR_TEST_MAIN(TestRecords)
#include "test_records.moc"
