#include "zardialoganswer.h"
#include "zarstreamhelpers.h"
#include "zartemplatefixture.h"

#include <limits>

Q_DECLARE_METATYPE(zarArrangement)

// Numbers of a template file that later size or scale something: a damaged one
// refuses the file and the model keeps the template it held.
class TestDamagedFiles : public QObject
{
    Q_OBJECT

    zarDialogAnswer answer;

    static QByteArray goodFile() { return zarTemplateFixture::bytes(2, 5, { { 3, { { 0, 0 }, { 1, 4 } } } }); }

    // The good file with its header replaced and its spacings patched.
    static QByteArray file(const zarArrangement& header, float spacing, float setSpacing)
    {
        QByteArray bytes = goodFile();
        const QByteArray head = written(header);
        bytes.replace(4, 33, head);
        bytes.replace(4 + head.size() + 1, 8, written(spacing));
        bytes.replace(bytes.size() - 8, 8, written(setSpacing));
        return bytes;
    }

private slots:
    void damagedNumbersAreRefused_data()
    {
        QTest::addColumn<zarArrangement>("header");
        QTest::addColumn<float>("spacing");
        QTest::addColumn<float>("setSpacing");
        const float nan = std::numeric_limits<float>::quiet_NaN();
        const float inf = std::numeric_limits<float>::infinity();
        auto header = [](float profile, const QVector<float>& depths, float spacing = 5) {
            zarArrangement a;
            a.profileLength = profile;
            a.maxDepths = depths;
            a.cableSpacing = spacing;
            return a;
        };
        QTest::newRow("profile length NaN") << header(nan, {}) << 5.0f << 5.0f;
        QTest::newRow("profile length huge") << header(1e30f, {}) << 5.0f << 5.0f;
        QTest::newRow("max depth huge") << header(315, { 3e9f }) << 5.0f << 5.0f;
        QTest::newRow("a depth for nine sets") << header(315, QVector<float>(9, 1)) << 5.0f << 5.0f;
        QTest::newRow("header spacing huge") << header(0, {}, 1e30f) << 5.0f << 5.0f;
        QTest::newRow("template spacing NaN") << header(0, {}) << nan << 5.0f;
        QTest::newRow("set spacing infinite") << header(0, {}) << 5.0f << inf;
    }

    void damagedNumbersAreRefused()
    {
        QFETCH(zarArrangement, header);
        QFETCH(float, spacing);
        QFETCH(float, setSpacing);
        zarTemplateDataModel model;
        QVERIFY(zarTemplateFixture::load(model, 1, 2.5f, { { 0, { { 0, 0 } } }, { 4, { { 0, 1 } } } }));
        const int measurements = model.measurementCount();
        const QString path = zarTemplateFixture::write(file(header, spacing, setSpacing), QStringLiteral("damaged.zarTemplate"));
        answer.expect();
        QVERIFY(!model.loadTemplate(path, true));
        QCOMPARE(answer.text, QStringLiteral("Template is corrupted"));
        QCOMPARE(model.count(), 2);
        QCOMPARE(int(model.cables()), 1);
        QCOMPARE(model.cableSpacing(), 2.5f);
        QCOMPARE(model.measurementCount(), measurements);
    }

    // The largest values the program itself can write still load.
    void boundaryValuesLoad()
    {
        zarArrangement header;
        header.cableSpacing = 10;
        header.profileLength = 630;
        header.maxDepths = QVector<float>(8, 500);
        zarTemplateDataModel model;
        answer.expect();
        QVERIFY(model.loadTemplate(zarTemplateFixture::write(file(header, 10, 10)), true));
        answer.disarm();
        QVERIFY(!answer.shown);
        QCOMPARE(model.cableSpacing(), 10.0f);
    }
};

ZAR_TEST_MAIN(TestDamagedFiles)
#include "test_damagedfiles.moc"
