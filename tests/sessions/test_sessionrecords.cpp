#include "zartestsupport.h"
#include "zardialoganswer.h"
#include "zarsessionfixture.h"
#include "zarstreamhelpers.h"

#include "sessions/zarsessiondatamodel.h"

#include <QSlider>
#include <cmath>
#include <cstring>
#include <limits>

Q_DECLARE_METATYPE(zarSessionFile)

namespace {
bool same(float l, float r)
{
    return std::memcmp(&l, &r, sizeof l) == 0;
}

template <typename T>
bool same(const T& l, const T& r)
{
    return l == r;
}

const float notANumber = std::numeric_limits<float>::quiet_NaN();
const float infinite = std::numeric_limits<float>::infinity();
}

#define SAME(field) QVERIFY2(same(decoded.field, reference.field), #field)

// Session rows: their resistivity, the fast writer and the in-memory decoder
// against the stream operators, and the numbers refused when a session is read.
class TestSessionRecords : public QObject
{
    Q_OBJECT

    zarDialogAnswer answer;

private slots:
    // k = 2 pi / (1/AM - 1/BM - 1/AN + 1/BN), electrodes at their number times the spacing.
    void geometricFactor_data()
    {
        QTest::addColumn<zarQuadripole>("quadripole");
        QTest::addColumn<float>("spacing");
        QTest::addColumn<float>("k");
        QTest::newRow("Wenner") << zarQuadripole(0, 3, 1, 2) << 5.0f << 31.415926f;
        QTest::newRow("dipole-dipole") << zarQuadripole(0, 1, 2, 3) << 1.0f << 18.849556f;
    }

    void geometricFactor()
    {
        QFETCH(zarQuadripole, quadripole);
        QFETCH(float, spacing);
        zarMeasurement measurement;
        measurement.quadripole = quadripole;
        zarSessionDataUnit unit;
        unit.configure(spacing, measurement);
        QTEST(unit.k, "k");
    }

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

    // The fast row writer leaves the bytes of the stream operators.
    void rowEncoderEqualsStreamOperators()
    {
        QCOMPARE(written(zarSessionDataUnit()).size(), 113);
        zarSessionDataUnit u = zarSessionFixture::row(-1, 3, -2, 40, 1.5f, 2.25f, true, 123.5f, 6);
        u.continues = true;
        u.measureSet.settings = { 21, true, 47, 2.5f, 4, 250, 90, 80 };
        QByteArray generic;
        QDataStream g(&generic, QIODevice::WriteOnly);
        g.setVersion(QDataStream::Qt_4_8);
        g << u.x << u.z << u.k << u.rho << u.setMask << u.continues << u.groupParity << u.coreQuadripole
          << u.measureSet;
        QCOMPARE(written(u), generic);
    }

    void decoderMirrorsStreamOperators_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const zarSessionDataUnit plain;
        zarSessionDataUnit measured = zarSessionFixture::row(-1, 3, -2, 40, 1.5f, 2.25f, true, 123.5f, 6);
        measured.continues = true;
        measured.coreQuadripole.channel = 0x11;
        measured.measureSet.settings = { 21, true, 47, 2.5f, 4, 250, 90, 80 };
        zarSessionDataUnit odd = measured;
        odd.rho = infinite;
        odd.k = notANumber;
        odd.measureSet.samples = QVector<float>(40, -0.125f);
        odd.measureSet.txCurrent = 1e-40f;
        QTest::newRow("not measured") << written(plain);
        QTest::newRow("measured, remote electrodes") << written(measured);
        QTest::newRow("non-finite results, many samples") << written(odd);
        // Any non-zero byte reads as true.
        QTest::newRow("flags written by another program")
            << QByteArray(written(plain)).replace(33, 2, QByteArray::fromHex("02ff")).replace(96, 1, "\x80");
        QTest::newRow("sample count beyond the bytes")
            << QByteArray(written(measured)).replace(76, 4, QByteArray::fromHex("7fffffff"));
    }

    void decoderMirrorsStreamOperators()
    {
        QFETCH(QByteArray, bytes);
        QDataStream::Status status;
        const zarSessionDataUnit reference = readBack<zarSessionDataUnit>(bytes, &status);
        zarSessionDataUnit decoded;
        const char* end = zarSessionDataUnit::decode(bytes.constData(), bytes.constData() + bytes.size(), decoded);
        QCOMPARE(end != nullptr, status == QDataStream::Ok);
        if (!end)
            return;
        QCOMPARE(int(end - bytes.constData()), bytes.size());
        SAME(x); SAME(z); SAME(k); SAME(rho); SAME(setMask); SAME(continues); SAME(groupParity);
        SAME(coreQuadripole.a); SAME(coreQuadripole.b); SAME(coreQuadripole.m); SAME(coreQuadripole.n);
        SAME(coreQuadripole.channel);
        SAME(measureSet.txVoltage); SAME(measureSet.txCurrent); SAME(measureSet.rxVoltage);
        SAME(measureSet.rxDeviation); SAME(measureSet.samples.size()); SAME(measureSet.chargeability);
        SAME(measureSet.quality); SAME(measureSet.measured);
        for (int i = 0; i < reference.measureSet.samples.size(); ++i)
            QVERIFY2(same(decoded.measureSet.samples[i], reference.measureSet.samples[i]), qPrintable(QString::number(i)));
        SAME(measureSet.settings.pulseCode); SAME(measureSet.settings.ip); SAME(measureSet.settings.pauseCode);
        SAME(measureSet.settings.deviation); SAME(measureSet.settings.minStacking);
        SAME(measureSet.settings.maxStacking); SAME(measureSet.settings.transmitterPower);
        SAME(measureSet.settings.pulseDuration);
    }

    void damagedNumbersAreRefused_data()
    {
        QTest::addColumn<zarSessionFile>("session");
        auto with = [](const std::function<void(zarSessionFile&)>& change) {
            zarSessionFile s = zarSessionFixture::sample();
            change(s);
            return s;
        };
        QTest::newRow("profile length NaN") << with([](zarSessionFile& s) { s.arrangement.profileLength = notANumber; });
        QTest::newRow("profile length infinite") << with([](zarSessionFile& s) { s.arrangement.profileLength = infinite; });
        QTest::newRow("profile length negative") << with([](zarSessionFile& s) { s.arrangement.profileLength = -1; });
        QTest::newRow("profile length huge") << with([](zarSessionFile& s) { s.arrangement.profileLength = 1e30f; });
        QTest::newRow("max depth NaN") << with([](zarSessionFile& s) { s.arrangement.maxDepths[1] = notANumber; });
        QTest::newRow("max depth infinite") << with([](zarSessionFile& s) { s.arrangement.maxDepths[0] = -infinite; });
        QTest::newRow("max depth huge") << with([](zarSessionFile& s) { s.arrangement.maxDepths[0] = 3e9f; });
        QTest::newRow("a depth for nine sets") << with([](zarSessionFile& s) { s.arrangement.maxDepths.fill(1, 9); });
        QTest::newRow("cable spacing huge") << with([](zarSessionFile& s) { s.arrangement.cableSpacing = 1e30f; });
        QTest::newRow("row centre NaN") << with([](zarSessionFile& s) { s.units[1].x = notANumber; });
        QTest::newRow("row centre huge") << with([](zarSessionFile& s) { s.units[3].x = -1e30f; });
        QTest::newRow("row depth infinite") << with([](zarSessionFile& s) { s.units[0].z = infinite; });
    }

    void damagedNumbersAreRefused()
    {
        QFETCH(zarSessionFile, session);
        zarSessionDataModel model;
        zarSessionFile previous;
        previous.units << zarSessionFixture::row(5, 8, 6, 7, 30, 2.5f, true);
        previous.arrangement.profileLength = 150;
        QVERIFY(model.loadFromFile(zarSessionFixture::write(previous, QStringLiteral("previous.zarSession"))));
        answer.expect();
        QVERIFY(!model.loadFromFile(zarSessionFixture::write(session, QStringLiteral("damaged.zarSession"))));
        QCOMPARE(answer.text, QStringLiteral("Session is corrupted"));
        QCOMPARE(model.rows(), 1);
        QCOMPARE(model.units().first().coreQuadripole, previous.units.first().coreQuadripole);
        QCOMPARE(model.arrangement()->profileLength, 150.0f);
    }

    // Lengths set on the model by any other way still give the slider a range.
    void depthControlsTakeAnyLength_data()
    {
        QTest::addColumn<float>("length");
        QTest::addColumn<int>("maximum");
        QTest::newRow("ordinary") << 315.0f << 3150;
        QTest::newRow("NaN") << notANumber << 0;
        QTest::newRow("infinite") << infinite << 0;
        QTest::newRow("negative") << -20.0f << 0;
        QTest::newRow("huge") << 1e30f << 100000000;
    }

    void depthControlsTakeAnyLength()
    {
        QFETCH(float, length);
        QFETCH(int, maximum);
        zarSessionDataModel model;
        QSlider slider;
        model.setDepthSlider(&slider);
        model.arrangement()->profileLength = length;
        model.arrangement()->maxDepths = { length };
        model.setPlot(1);
        QCOMPARE(slider.maximum(), maximum);
        model.setPlot(2);
        QCOMPARE(slider.maximum(), maximum);
    }
};

ZAR_TEST_MAIN(TestSessionRecords)
#include "test_sessionrecords.moc"
