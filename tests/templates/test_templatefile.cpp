#include "zardialoganswer.h"
#include "zarstreamhelpers.h"
#include "zartemplatefixture.h"

#include <limits>

Q_DECLARE_METATYPE(zarArrangement)

class TestTemplateFile : public QObject
{
    Q_OBJECT

    zarDialogAnswer answer;

    // Loads bytes into a fresh model; the message shown (if any) comes back, or "loaded".
    QString loadBytes(const QByteArray& bytes)
    {
        zarTemplateDataModel model;
        const QString path = zarTemplateFixture::write(bytes, QStringLiteral("probe.zarTemplate"));
        answer.expect();
        const bool loaded = model.loadTemplate(path, true);
        answer.disarm();
        return loaded ? QStringLiteral("loaded") : answer.text;
    }

    static QByteArray oneSetFile() { return zarTemplateFixture::bytes(2, 5, { { 3, { { 0, 0 }, { 1, 4 } } } }); }

    // The good file with its header replaced and its spacings patched.
    static QByteArray file(const zarArrangement& header, float spacing, float setSpacing)
    {
        QByteArray bytes = oneSetFile();
        const QByteArray head = written(header);
        bytes.replace(4, 33, head);
        bytes.replace(4 + head.size() + 1, 8, written(spacing));
        bytes.replace(bytes.size() - 8, 8, written(setSpacing));
        return bytes;
    }

private slots:
    void goldenOneSetFileAndRoundTrip()
    {
        zarTemplateDataModel model;
        QVERIFY(zarTemplateFixture::load(model, 2, 5, { { 3, { { 0, 0 }, { 1, 4 } } } }));
        const QString base = zarDriveRoot::path() + QStringLiteral("abc");
        QVERIFY(model.saveTemplateTo(base));
        const QByteArray bytes = zarTemplateFixture::read(base + QStringLiteral(".zarTemplate"));
        // magic, header with one array-type entry, cables, spacing, count, one set
        QCOMPARE(bytes.size(), 4 + 35 + 1 + 8 + 4 + 6198);
        const int measurements = model.measurementCount();
        QCOMPARE(bytes.left(13).toHex(), QByteArray("88993366401400000000000002"));
        QCOMPARE(bytes.mid(13, 4).toHex(), QByteArray::number(measurements, 16).rightJustified(8, '0'));
        QCOMPARE(bytes.mid(21, 6).toHex(), QByteArray("000000010301"));
        QCOMPARE(bytes.mid(39, 14).toHex(), QByteArray("0240140000000000000000000103"));
        QCOMPARE(bytes, oneSetFile().replace(4, 33, bytes.mid(4, 35)));

        const QByteArray three = zarTemplateFixture::bytes(
            1, 2.5f, { { 0, { { 0, 1 } } }, { 16, { { 2, 2 }, { 3, 1 } } }, { 7, { { 0, 5 } } } });
        QVERIFY(model.loadTemplate(zarTemplateFixture::write(three), false));
        QVERIFY(model.saveTemplateTo(base + QStringLiteral("3")));
        zarTemplateDataModel back;
        QVERIFY(back.loadTemplate(base + QStringLiteral("3.zarTemplate"), true));
        QVERIFY(back.count() == 3);
        QVERIFY(back.cables() == 1);
        QVERIFY(back.cableSpacing() == 2.5f);
        QVERIFY(back.header().runs == model.sequenceLength());
        QVERIFY(back.header().measurements == model.measurementCount());
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(back.sets()[i].arrayType(), model.sets()[i].arrayType());
            QCOMPARE(back.sets()[i].mainMatrix(), model.sets()[i].mainMatrix());
        }
    }

    void savingAsksAndReports()
    {
        zarTemplateDataModel model;
        QVERIFY(zarTemplateFixture::load(model, 2, 5, { { 0, { { 0, 0 } } } }));
        model.onSpacingLevelAuxConfig(0, 0, true);
        const QString base = zarDriveRoot::path() + QStringLiteral("exists");
        zarTemplateFixture::write("old", QStringLiteral("exists.zarTemplate"));
        answer.expect(QMessageBox::No);
        QVERIFY(!model.saveTemplateTo(base));
        QCOMPARE(answer.text, QStringLiteral("File exists, do you want to overwrite it?"));
        QVERIFY(zarTemplateFixture::read(base + QStringLiteral(".zarTemplate")) == "old");
        QVERIFY(model.isModified());
        zarDiagnosticCapture capture;
        answer.expect();
        QVERIFY(!model.saveTemplateTo(zarDriveRoot::path() + QStringLiteral("missing/dir/x")));
        QCOMPARE(answer.text, QStringLiteral("Can not open file for writing"));
        QVERIFY(capture.text().startsWith(QStringLiteral("File error: ")));
    }

    // Every cut of the header, and cuts through the sets.
    void truncationsAreRefused()
    {
        const QByteArray good = oneSetFile();
        QCOMPARE(loadBytes(good), QStringLiteral("loaded"));
        for (int cut = 0; cut < good.size(); cut += cut < 64 ? 1 : 401)
            QVERIFY2(loadBytes(good.left(cut)) == QStringLiteral("Template is corrupted"), qPrintable(QString::number(cut)));
        QCOMPARE(loadBytes(good.left(good.size() - 1)), QStringLiteral("Template is corrupted"));
    }

    void hostileValuesAreRefused_data()
    {
        const int cablesAt = 4 + 33, countAt = cablesAt + 9;
        QTest::addColumn<int>("at");
        QTest::addColumn<QByteArray>("hex");
        QTest::newRow("session magic") << 0 << QByteArray("33114422");
        QTest::newRow("three cables") << cablesAt << QByteArray("03");
        QTest::newRow("spacing not a number") << cablesAt + 1 << QByteArray("7ff8000000000000");
        QTest::newRow("zero spacing") << cablesAt + 1 << QByteArray("0000000000000000");
        QTest::newRow("nine sets") << countAt << QByteArray("00000009");
        QTest::newRow("negative set count") << countAt << QByteArray("ffffffff");
        QTest::newRow("set's row count") << countAt + 5 << QByteArray("7fffffff");
        QTest::newRow("set's column count") << countAt + 9 << QByteArray("00000062");
        QTest::newRow("header count at byte 21") << 21 << QByteArray("7fffffff");
        QTest::newRow("unknown array type") << countAt + 4 << QByteArray("40");
    }

    void hostileValuesAreRefused()
    {
        QFETCH(int, at);
        QFETCH(QByteArray, hex);
        const QByteArray bad = oneSetFile().replace(at, hex.size() / 2, QByteArray::fromHex(hex));
        QCOMPARE(loadBytes(bad), QStringLiteral("Template is corrupted"));
    }

    // A whole ninth set is refused, not only a count that runs past the end.
    void aNinthSetIsRefused()
    {
        const QList<zarTemplateFixture::Set> nine = QVector<zarTemplateFixture::Set>(9, { 0, { { 0, 0 } } }).toList();
        QCOMPARE(loadBytes(zarTemplateFixture::bytes(1, 5, nine)), QStringLiteral("Template is corrupted"));
    }

    // Numbers that later size or scale something: a damaged one refuses the file and
    // the model keeps the template it held.
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

ZAR_TEST_MAIN(TestTemplateFile)
#include "test_templatefile.moc"
