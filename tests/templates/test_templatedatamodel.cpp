#include "zardialoganswer.h"
#include "zarstreamhelpers.h"
#include "zartemplatefixture.h"

#include <functional>
#include <limits>

Q_DECLARE_METATYPE(zarArrangement)

// The template model: its sets, its file and the ERTLab import.
class TestTemplateDataModel : public QObject
{
    Q_OBJECT

    zarDialogAnswer answer;

    // The message a refused read showed; empty when the read succeeded.
    QString refusal(const std::function<bool()>& read)
    {
        answer.expect();
        const bool accepted = read();
        answer.disarm();
        return accepted ? QString() : answer.text;
    }

    QString loadBytes(const QByteArray& bytes)
    {
        zarTemplateDataModel model;
        const QString path = zarTemplateFixture::write(bytes, QStringLiteral("probe.zarTemplate"));
        return refusal([&] { return model.loadTemplate(path, true); });
    }

    QString importText(const QByteArray& text, zarTemplateDataModel& model)
    {
        const QString path = zarTemplateFixture::write(text, QStringLiteral("ertlab.txt"));
        return refusal([&] { return model.importErtLab(path); });
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
    // A set may hold 3168 measurements per cable and not one more.
    void tooManyMeasurementsFromOneOverTheLimit_data()
    {
        QTest::addColumn<int>("beyond");
        QTest::addColumn<bool>("tooMany");
        QTest::newRow("at the limit") << 0 << false;
        QTest::newRow("one over") << 1 << true;
    }

    void tooManyMeasurementsFromOneOverTheLimit()
    {
        QFETCH(int, beyond);
        QFETCH(bool, tooMany);
        zarTemplateDataModel model;
        QVERIFY(zarTemplateFixture::load(model, 2, 5, { { 4, {} } }));
        // Dipole-dipole cells count 64 - (n + 2m) on two cables, down to single ones:
        // taking them greedily reaches the limit exactly.
        const int limit = 2 * 3168;
        for (int s = 0; s < zarGrid::spacings && model.measurementCount() < limit; ++s)
            for (int l = 0; l < zarGrid::levels && model.measurementCount() < limit; ++l) {
                model.onSpacingLevelMainConfig({ model.index(s, l) });
                if (model.measurementCount() > limit)
                    model.onSpacingLevelMainConfig({ model.index(s, l) });
            }
        QCOMPARE(model.measurementCount(), limit);
        if (beyond)
            model.onSpacingLevelMainConfig({ model.index(29, 2) }); // n + 2m = 63: one more
        QCOMPARE(model.measurementCount(), limit + beyond);
        answer.expect();
        QCOMPARE(model.hasTooManyMeasurements(), tooMany);
        answer.disarm();
        QCOMPARE(answer.shown, tooMany);
    }

    void goldenOneSetFile()
    {
        zarTemplateDataModel model;
        QVERIFY(zarTemplateFixture::load(model, 2, 5, { { 3, { { 0, 0 }, { 1, 4 } } } }));
        const QString base = zarDriveRoot::path() + QStringLiteral("abc");
        QVERIFY(model.saveTemplateTo(base));
        const QByteArray bytes = zarTemplateFixture::read(base + QStringLiteral(".zarTemplate"));
        // magic, header with one array-type entry, cables, spacing, count, one set
        QCOMPARE(bytes.size(), 4 + 35 + 1 + 8 + 4 + 6198);
        QCOMPARE(bytes.left(13).toHex(), QByteArray("88993366401400000000000002"));
        QCOMPARE(bytes.mid(13, 4).toHex(), QByteArray::number(model.measurementCount(), 16).rightJustified(8, '0'));
        QCOMPARE(bytes.mid(21, 6).toHex(), QByteArray("000000010301"));
        QCOMPARE(bytes.mid(39, 14).toHex(), QByteArray("0240140000000000000000000103"));
        QCOMPARE(bytes, oneSetFile().replace(4, 33, bytes.mid(4, 35)));
    }

    // Every cut of the header, and cuts through the sets.
    void truncationsAreRefused()
    {
        const QByteArray good = oneSetFile();
        QCOMPARE(loadBytes(good), QString());
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
        QTest::newRow("nine sets") << countAt << QByteArray("00000009");
        QTest::newRow("negative set count") << countAt << QByteArray("ffffffff");
        QTest::newRow("set's row count") << countAt + 5 << QByteArray("7fffffff");
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
        QCOMPARE(refusal([&] { return model.loadTemplate(path, true); }), QStringLiteral("Template is corrupted"));
        QCOMPARE(model.count(), 2);
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
        QCOMPARE(loadBytes(file(header, 10, 10)), QString());
    }

    // CRLF, lower-case headers, decimal commas; an empty line ends the rows.
    void ertLabFileIsRead()
    {
        zarTemplateDataModel model;
        QCOMPARE(importText("# x y z\r\n12 1,5 0,0 -0,25\r\n1 0 0 0\r\n2 1 0 0\r\n3 2 0 0\r\n4 3 0 0\r\n"
                            "# a b m n\r\n1 1 2 3 4\r\n2 3 0 4 0\r\n\r\n7 9 9 9 9\r\n",
                            model),
                 QString());
        QCOMPARE(model.ertElectrodes.size(), 5);
        QCOMPARE(model.ertElectrodes.value(12), zarPoint3D(1.5f, 0.0f, -0.25f));
        QCOMPARE(model.ertQuadripoles, QList<zarQuadripole>({ zarQuadripole(1, 0, 3, 2), zarQuadripole(-1, 2, -2, 3) }));
    }

    void ertLabFaultsAreNamed_data()
    {
        const QByteArray header = "# X Y Z\n1 0 0 0\n2 1 0 0\n3 2 0 0\n4 3 0 0\n# A B M N\n";
        const QString unreadable = QStringLiteral("Quadripole row can not be read (row: %1)");
        const QString missing = QStringLiteral("Header does not contains electrode %1 (row: 1)");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("no header") << QByteArray("1 0 0 0\n# X Y Z\n") << "Can not find the beginning of header (# X Y Z)";
        QTest::newRow("electrode 0") << QByteArray("# X Y Z\n1 0 0 0\n\n# A B M N\n") << "Electrode number 0 is not supported";
        QTest::newRow("electrode 65") << QByteArray("# X Y Z\n65 0 0 0\n") << "Electrode number 65 is not supported";
        QTest::newRow("electrode twice") << QByteArray("# X Y Z\n7 0 0 0\n7 1 0 0\n") << "Electrode 7 appears more than once";
        QTest::newRow("remote A") << header + "1 1 2 3 4\n9 0 2 3 4\n" << "A electrode can not be remote (row: 2)";
        QTest::newRow("remote M") << header + "1 1 2 0 4\n" << "M electrode can not be remote (row: 1)";
        QTest::newRow("N not in the header") << header + "1 1 2 3 40\n" << missing.arg(40);
        // Short or unreadable rows must not turn into remote electrodes.
        QTest::newRow("short row") << header + "1 1 2 3\n" << unreadable.arg(1);
        QTest::newRow("not a number") << header + "1 1 2 3 4\n2 1 x 3 4\n" << unreadable.arg(2);
        // Out of range is a missing electrode, not cut to 16 bits.
        QTest::newRow("beyond 16 bits") << header + "1 1 2 3 65537\n" << missing.arg(65537);
        // One electrode may not drive two poles; the remote code 0 may stand twice.
        const QString twice = QStringLiteral("Electrode %1 appears more than once in quadripole (row: %2)");
        QTest::newRow("all four alike") << header + "1 1 2 3 4\n2 1 1 1 1\n" << twice.arg(1).arg(2);
        QTest::newRow("A = B") << header + "1 2 2 3 4\n" << twice.arg(2).arg(1);
        QTest::newRow("M = A") << header + "1 1 2 1 4\n" << twice.arg(1).arg(1);
        QTest::newRow("N = B") << header + "1 1 2 3 2\n" << twice.arg(2).arg(1);
        QTest::newRow("M = N, B remote") << header + "1 1 0 3 3\n" << twice.arg(3).arg(1);
        QTest::newRow("both remote") << header + "1 1 0 2 0\n" << QString();
        // Coordinates must be finite floats: beyond the float range they read as inf.
        const QString notFinite = QStringLiteral("Coordinate of electrode %1 is not a finite number");
        QTest::newRow("nan inf -inf") << QByteArray("# X Y Z\n1 0 0 0\n2 nan inf -inf\n") << notFinite.arg(2);
        QTest::newRow("nan in Y") << QByteArray("# X Y Z\n3 0 nan 0\n") << notFinite.arg(3);
        QTest::newRow("-inf in Z") << QByteArray("# X Y Z\n5 0 0 -inf\n") << notFinite.arg(5);
        QTest::newRow("1e999") << QByteArray("# X Y Z\n6 0 1e999 0\n") << notFinite.arg(6);
        QTest::newRow("1e308") << QByteArray("# X Y Z\n2 1e308 1e308 0\n") << notFinite.arg(2);
        QTest::newRow("at the float range") << QByteArray("# X Y Z\n1 3.4e38 -3.4e38 0\n# A B M N\n") << QString();
    }

    void ertLabFaultsAreNamed()
    {
        QFETCH(QByteArray, text);
        zarTemplateDataModel model;
        QTEST(importText(text, model), "message");
    }
};

ZAR_TEST_MAIN(TestTemplateDataModel)
#include "test_templatedatamodel.moc"
