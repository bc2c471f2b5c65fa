#include "zardialoganswer.h"
#include "zartemplatefixture.h"

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
        QVERIFY(back.count() == 3 && back.cables() == 1 && back.cableSpacing() == 2.5f);
        QVERIFY(back.header().runs == model.sequenceLength() && back.header().measurements == model.measurementCount());
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
        QVERIFY(zarTemplateFixture::read(base + QStringLiteral(".zarTemplate")) == "old" && model.isModified());
        zarDiagnosticCapture capture;
        answer.expect();
        QVERIFY(!model.saveTemplateTo(zarDriveRoot::path() + QStringLiteral("missing/dir/x")));
        QCOMPARE(answer.text, QStringLiteral("Can not open file for writing"));
        QVERIFY(capture.text().startsWith(QStringLiteral("File error: ")));
    }

    void everyTruncationAndHostileValueIsRefused()
    {
        const QByteArray good = oneSetFile();
        QCOMPARE(loadBytes(good), QStringLiteral("loaded"));
        QList<QByteArray> bad;
        for (int i = 0; i < good.size(); i += i < 64 ? 1 : 61)
            bad << good.left(i);
        bad << good.left(good.size() - 1);
        const int cablesAt = 4 + 33, countAt = cablesAt + 9;
        const QList<QPair<int, QByteArray>> patches {
            { 0, "33114422" }, { cablesAt, "03" }, { cablesAt, "00" }, { cablesAt + 1, "7ff8000000000000" },
            { cablesAt + 1, "c014000000000000" }, { cablesAt + 1, "0000000000000000" }, { countAt, "00000009" },
            { countAt, "ffffffff" }, { countAt + 5, "7fffffff" }, { countAt + 9, "00000062" }, { 21, "7fffffff" },
            { 33, "7fffffff" }, { countAt + 4, "40" },
        };
        for (const auto& p : patches)
            bad << QByteArray(good).replace(p.first, p.second.size() / 2, QByteArray::fromHex(p.second));
        for (int i = 0; i < bad.size(); ++i)
            QVERIFY2(loadBytes(bad[i]) == QStringLiteral("Template is corrupted"), qPrintable(QString::number(i)));
    }
};

ZAR_TEST_MAIN(TestTemplateFile)
#include "test_templatefile.moc"
