#include "zartestsupport.h"
#include "zarstreamhelpers.h"

#include "core/zarcoreparams.h"
#include "core/zarcorereports.h"
#include "core/zarmeasureset.h"

#include <QBuffer>

namespace {
zarMeasureSet sampleSet()
{
    zarMeasureSet set;
    set.txVoltage = 201000.0f;
    set.txCurrent = 53.07625f;
    set.rxVoltage = 10.030201f;
    set.chargeability = 4.5f;
    set.rxDeviation = -7.568025f;
    set.samples = { 13.0f, 12.5f, -1.0f };
    set.quality = 0.0015f;
    set.measured = true;
    set.settings.pulseCode = 98;
    set.settings.ip = true;
    set.settings.pauseCode = 48;
    set.settings.deviation = 0.25f;
    set.settings.minStacking = 200;
    set.settings.maxStacking = 255;
    set.settings.transmitterPower = 130;
    return set;
}
}

class TestRecords : public QObject
{
    Q_OBJECT

private slots:
    void defaultMeasureSetGoldenBytes()
    {
        const QByteArray bytes = written(zarMeasureSet());
        QCOMPARE(bytes.size(), 69);
        QByteArray expected(4 * 8 + 4 + 2 * 8 + 1, '\0');
        expected += QByteArray::fromHex("0002" "00" "0000" "3ff0000000000000" "03" "05" "19");
        QCOMPARE(bytes.toHex(), expected.toHex());
    }

    void measureSetRoundTrip()
    {
        const zarMeasureSet set = sampleSet();
        const QByteArray bytes = written(set);
        QCOMPARE(bytes.size(), 69 + 8 * 3);
        // Deviation travels before the samples and chargeability after them.
        QDataStream raw(bytes);
        double tx, ti, rx, dev;
        raw >> tx >> ti >> rx >> dev;
        QCOMPARE(float(dev), set.rxDeviation);
        QDataStream::Status status;
        zarMeasureSet back = readBack<zarMeasureSet>(bytes, &status);
        QCOMPARE(status, QDataStream::Ok);
        back.settings.pulseDuration = set.settings.pulseDuration;
        QVERIFY(back == set);
        QCOMPARE(int(back.settings.maxStacking), 255);
        QCOMPARE(int(back.settings.transmitterPower), 130);
    }

    void settingsLayoutAndPulseDuration()
    {
        zarMeasureSettings settings;
        settings.pulseCode = 98;
        settings.pulseDuration = 2000;
        settings.minStacking = 200;
        const QByteArray bytes = written(settings);
        QCOMPARE(bytes.size(), 16);
        QCOMPARE(quint8(bytes[13]), quint8(200));
        const zarMeasureSettings back = readBack<zarMeasureSettings>(bytes);
        QCOMPARE(int(back.pulseCode), 98);
        QCOMPARE(int(back.pulseDuration), 80); // not streamed
        QCOMPARE(int(back.minStacking), 200);
    }

    void quadripoleRemoteCodes()
    {
        zarCoreQuadripole q;
        q.a = zarCoreQuadripole::remoteTransmitter;
        q.b = 3;
        q.m = zarCoreQuadripole::remoteReceiver;
        q.n = 4;
        q.channel = zarCoreQuadripole::noChannel;
        const QByteArray bytes = written(q);
        QCOMPARE(bytes.toHex(), QByteArray("ffff" "0003" "fffe" "0004" "11"));
        QVERIFY(readBack<zarCoreQuadripole>(bytes) == q);
    }

    void singlePrecisionStream()
    {
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out.setFloatingPointPrecision(QDataStream::SinglePrecision);
        out << sampleSet();
        QCOMPARE(bytes.size(), 4 * 4 + 4 + 3 * 4 + 2 * 4 + 1 + 12);
        QDataStream in(bytes);
        in.setFloatingPointPrecision(QDataStream::SinglePrecision);
        zarMeasureSet back;
        in >> back;
        QCOMPARE(in.status(), QDataStream::Ok);
        QCOMPARE(back.samples, sampleSet().samples);
    }

    void truncatedInputNeverCrashes()
    {
        const QByteArray bytes = written(sampleSet());
        for (int cut = 0; cut < bytes.size(); ++cut) {
            QDataStream::Status status;
            readBack<zarMeasureSet>(bytes.left(cut), &status);
            QVERIFY2(status != QDataStream::Ok, qPrintable(QString::number(cut)));
        }
    }

    void hostileSampleCountIsRefused()
    {
        QByteArray bytes = written(zarMeasureSet());
        // The count sits after four doubles: claim four billion samples.
        bytes[32] = char(0xFF); bytes[33] = char(0xFF); bytes[34] = char(0xFF); bytes[35] = char(0xF0);
        QDataStream::Status status;
        const zarMeasureSet back = readBack<zarMeasureSet>(bytes, &status);
        QCOMPARE(status, QDataStream::ReadCorruptData);
        QVERIFY(back.samples.isEmpty());

        // A count that just exceeds the bytes left is refused too.
        QByteArray shortBy = written(sampleSet());
        shortBy.chop(69 - 32 - 4);
        shortBy.chop(1);
        readBack<zarMeasureSet>(shortBy, &status);
        QVERIFY(status != QDataStream::Ok);
    }

    void parameterAndReportDefaults()
    {
        QCOMPARE(int(zarCoreParamClock().set), 0);
        QCOMPARE(int(zarCoreParamProduction().test), 255);
        QCOMPARE(int(zarCoreParamSwAux().apply), 1);
        QCOMPARE(int(zarCoreParamCalibrate().samples), 40);
        QCOMPARE(zarCoreReportTxAux().temperature, -298.0f);
        const zarCoreReportProduction production;
        QCOMPARE(int(production.passed), 1);
        QVERIFY(production.text1.isEmpty() && production.text2.isEmpty() && production.text3.isEmpty());
        QVERIFY(zarCoreReportClock().date.isNull());
        QVERIFY(zarCoreReportClock().time.isNull());
    }

    void reportCopiesAreIndependent()
    {
        zarCoreReportET2D first;
        first.results.append(sampleSet());
        first.sensors.insert(1, 12.7f);
        zarCoreReportET2D copy = first;
        copy.results[0].txVoltage = 1.0f;
        copy.sensors[1] = 0.0f;
        QCOMPARE(first.results[0].txVoltage, 201000.0f);
        QCOMPARE(first.sensors.value(1), 12.7f);
    }
};

ZAR_TEST_MAIN(TestRecords)
#include "test_records.moc"
