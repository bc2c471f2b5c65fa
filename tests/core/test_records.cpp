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

// Bytes that can only be read in order and whose size is unknown, as from a pipe.
class Pipe : public QIODevice
{
public:
    explicit Pipe(const QByteArray& bytes) : m_bytes(bytes) {}
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 size) override
    {
        const int n = int(qMin(size, qint64(m_bytes.size())));
        memcpy(data, m_bytes.constData(), size_t(n));
        m_bytes.remove(0, n);
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_bytes;
};

// Every field away from its default, the unsigned bytes above 127.
zarMeasureSet fullSet()
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

    // The settings' file form; the pulse duration travels in memory only.
    void settingsBytesAndRoundTrip()
    {
        zarMeasureSettings settings = fullSet().settings;
        settings.pulseDuration = 2000;
        const QByteArray bytes = written(settings);
        QCOMPARE(bytes.toHex(), QByteArray("0062" "01" "0030" "3fd0000000000000" "c8" "ff" "82"));
        const zarMeasureSettings back = readBack<zarMeasureSettings>(bytes);
        QCOMPARE(int(back.pulseDuration), int(zarMeasureSettings().pulseDuration));
        settings.pulseDuration = back.pulseDuration;
        QVERIFY(back == settings);
    }

    // Every field comes back, the settings' unsigned bytes included.
    void everyMeasureSetFieldComesBack()
    {
        const zarMeasureSet set = fullSet();
        QDataStream::Status status;
        zarMeasureSet back = readBack<zarMeasureSet>(written(set), &status);
        QCOMPARE(status, QDataStream::Ok);
        back.settings.pulseDuration = set.settings.pulseDuration;
        QVERIFY(back == set);
    }

    // A record cut anywhere is never read as whole.
    void everyTruncationIsRefused()
    {
        const QByteArray bytes = written(fullSet());
        for (int cut = 0; cut < bytes.size(); ++cut) {
            QDataStream::Status status;
            readBack<zarMeasureSet>(bytes.left(cut), &status);
            QVERIFY2(status != QDataStream::Ok, qPrintable(QString::number(cut)));
        }
    }

    // A measure set whose sample count was damaged gives no samples.
    void aHostileSampleCountInAMeasureSet()
    {
        QByteArray bytes = written(zarMeasureSet());
        // The count sits after four doubles: claim four billion samples.
        bytes.replace(32, 4, QByteArray::fromHex("fffffff0"));
        QDataStream::Status status;
        const zarMeasureSet back = readBack<zarMeasureSet>(bytes, &status);
        QCOMPARE(status, QDataStream::ReadCorruptData);
        QVERIFY(back.samples.isEmpty());
    }

    // What the vector held before never survives a read; a count is checked against
    // the bytes left, or, where their number is unknown, against a fixed limit.
    void readFloats_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("sequential");
        QTest::addColumn<bool>("single");
        QTest::addColumn<QVector<float>>("values");
        QTest::addColumn<int>("status");
        QTest::newRow("whole") << floats(2, { 1.5f, -2.5f }) << false << false << QVector<float>({ 1.5f, -2.5f })
                               << int(QDataStream::Ok);
        QTest::newRow("empty") << floats(0, {}) << false << false << QVector<float>() << int(QDataStream::Ok);
        QTest::newRow("single precision") << written(quint32(2)) + QByteArray::fromHex("3fc00000c0200000") << false << true
                                          << QVector<float>({ 1.5f, -2.5f }) << int(QDataStream::Ok);
        QTest::newRow("no count") << QByteArray(2, '\0') << false << false << QVector<float>()
                                  << int(QDataStream::ReadPastEnd);
        QTest::newRow("whole where the size is unknown") << floats(2, { 1.5f, -2.5f }) << true << false
                                                         << QVector<float>({ 1.5f, -2.5f }) << int(QDataStream::Ok);
        QTest::newRow("cut short where the size is unknown") << floats(3, { 1.5f, -2.5f }) << true << false
                                                             << QVector<float>() << int(QDataStream::ReadPastEnd);
        QTest::newRow("at the limit of any stream") << floats(zarStreamGuard::maxSequentialCount, {}) << true << false
                                                    << QVector<float>() << int(QDataStream::ReadPastEnd);
        QTest::newRow("beyond the limit of any stream") << floats(zarStreamGuard::maxSequentialCount + 1, {}) << true
                                                        << false << QVector<float>() << int(QDataStream::ReadCorruptData);
    }

    void readFloats()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, sequential);
        QFETCH(bool, single);
        Pipe pipe(bytes);
        QBuffer file(&bytes);
        QIODevice& device = sequential ? static_cast<QIODevice&>(pipe) : file;
        QVERIFY(device.open(QIODevice::ReadOnly));
        QDataStream stream(&device);
        stream.setVersion(QDataStream::Qt_4_8);
        if (single)
            stream.setFloatingPointPrecision(QDataStream::SinglePrecision);
        QVector<float> values { 9.0f };
        zarStreamGuard::readFloats(stream, values);
        QTEST(values, "values");
        QTEST(int(stream.status()), "status");
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
