#include "zartestsupport.h"
#include "zarfakeboard.h"
#include "zarstreamhelpers.h"

#include "core/zarmeasureset.h"
#include "core/zarstreamguard.h"

#include <QBuffer>

namespace {
QByteArray floats(quint32 count, const QVector<float>& values)
{
    return written(count) + (values.isEmpty() ? QByteArray() : written(values).mid(4));
}
}

// The layouts of the records in the data files, and their refusal of damaged counts.
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
        zarMeasureSet set;
        set.rxDeviation = -7.568025f;
        set.samples = { 13.0f, 12.5f, -1.0f };
        set.chargeability = 4.5f;
        set.measured = true;
        set.settings.pulseCode = 98;
        const QByteArray bytes = written(set);
        QCOMPARE(bytes.mid(24, 8).toHex(), written(double(set.rxDeviation)).toHex());
        QCOMPARE(bytes.mid(32, 4).toHex(), QByteArray("00000003"));
        QCOMPARE(bytes.mid(60, 8).toHex(), written(4.5).toHex());
        QDataStream::Status status;
        zarMeasureSet back = readBack<zarMeasureSet>(bytes, &status);
        QCOMPARE(status, QDataStream::Ok);
        back.settings.pulseDuration = set.settings.pulseDuration;
        QVERIFY(back == set);
    }

    // A slice reads its own part of a shared block; one the block cannot hold is empty.
    void sampleSlices_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("count");
        QTest::addColumn<QVector<float>>("values");
        QTest::newRow("inside") << 1 << 2 << QVector<float> { 2, 3 };
        QTest::newRow("up to the end") << 2 << 2 << QVector<float> { 3, 4 };
        QTest::newRow("past the end") << 3 << 2 << QVector<float>();
        QTest::newRow("before the start") << -1 << 2 << QVector<float>();
    }
    void sampleSlices()
    {
        QFETCH(int, first);
        QFETCH(int, count);
        QFETCH(QVector<float>, values);
        const zarSamples slice(QVector<float> { 1, 2, 3, 4 }, first, count);
        QCOMPARE(slice.toVector(), values);
        QVERIFY(slice == zarSamples(values));
    }

    // A count of samples the file cannot hold is refused, and the vector left empty.
    void damagedCounts_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("count beyond the bytes") << floats(3, { 1.5f, -2.5f });
        // Four billion samples claimed: refused before anything is allocated.
        QTest::newRow("hostile count") << floats(0xFFFFFFF0u, { 1.5f });
    }

    void damagedCounts()
    {
        QFETCH(QByteArray, bytes);
        QBuffer file(&bytes);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QDataStream stream(&file);
        stream.setVersion(QDataStream::Qt_4_8);
        QVector<float> values { 9.0f };
        zarStreamGuard::readFloats(stream, values);
        QVERIFY(values.isEmpty());
        QCOMPARE(stream.status(), QDataStream::ReadCorruptData);
    }
};

ZAR_TEST_MAIN(TestRecords)
#include "test_records.moc"
