#include "zartestsupport.h"

#include "core/zarstreamguard.h"

#include <QBuffer>

namespace {
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

QByteArray floats(quint32 count, const QVector<float>& values)
{
    QByteArray data;
    QDataStream stream(&data, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_4_8);
    stream << count;
    for (float v : values)
        stream << v;
    return data;
}
}

// Reading a vector of floats whose count comes from a file.
class TestStreamGuard : public QObject
{
    Q_OBJECT

private slots:
    void readFloats_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("sequential");
        QTest::addColumn<QVector<float>>("values");
        QTest::addColumn<int>("status");
        QTest::newRow("whole") << floats(2, { 1.5f, -2.5f }) << false << QVector<float>({ 1.5f, -2.5f })
                               << int(QDataStream::Ok);
        QTest::newRow("count beyond the bytes") << floats(3, { 1.5f, -2.5f }) << false << QVector<float>()
                                                << int(QDataStream::ReadCorruptData);
        QTest::newRow("cut short where the size is unknown") << floats(3, { 1.5f, -2.5f }) << true << QVector<float>()
                                                             << int(QDataStream::ReadPastEnd);
        QTest::newRow("count beyond any stream") << floats(zarStreamGuard::maxSequentialCount + 1, {}) << true
                                                 << QVector<float>() << int(QDataStream::ReadCorruptData);
    }

    // What the vector held before never survives a read.
    void readFloats()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, sequential);
        Pipe pipe(bytes);
        QBuffer file(&bytes);
        QIODevice& device = sequential ? static_cast<QIODevice&>(pipe) : file;
        QVERIFY(device.open(QIODevice::ReadOnly));
        QDataStream stream(&device);
        stream.setVersion(QDataStream::Qt_4_8);
        QVector<float> values { 9.0f };
        zarStreamGuard::readFloats(stream, values);
        QTEST(values, "values");
        QTEST(int(stream.status()), "status");
    }

};

ZAR_TEST_MAIN(TestStreamGuard)
#include "test_streamguard.moc"
