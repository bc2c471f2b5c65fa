#include "zardialoganswer.h"
#include "zartemplatefixture.h"

#include "core/zardiagnostics.h"

#include <QSignalSpy>
#include <cstring>

class TestTemplateFile : public QObject
{
    Q_OBJECT

    zarDialogAnswer answer;

    static QByteArray readFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Loads bytes into a fresh model; the message shown (if any) comes back.
    QString loadBytes(const QByteArray& bytes, bool* ok = nullptr)
    {
        zarTemplateDataModel model;
        const QString path = zarTemplateFixture::write(bytes, QStringLiteral("probe.zarTemplate"));
        answer.expect();
        const bool loaded = model.loadTemplate(path, true);
        answer.disarm();
        if (ok)
            *ok = loaded;
        return answer.shown ? answer.text : QString();
    }

    static QByteArray oneSetFile()
    {
        return zarTemplateFixture::bytes(2, 5, { { 3, { { 0, 0 }, { 1, 4 } } } });
    }

private slots:
    void goldenOneSetFile()
    {
        zarTemplateDataModel model;
        QVERIFY(zarTemplateFixture::load(model, 2, 5, { { 3, { { 0, 0 }, { 1, 4 } } } }));
        QVERIFY(!model.isModified());
        const QString base = zarDriveRoot::path() + QStringLiteral("abc");
        QVERIFY(model.saveTemplateTo(base));
        const QByteArray bytes = readFile(base + QStringLiteral(".zarTemplate"));
        // magic, header with one array-type entry, cables, spacing, count, one set
        QCOMPARE(bytes.size(), 4 + 35 + 1 + 8 + 4 + 6198);
        QCOMPARE(bytes.left(4).toHex(), QByteArray("88993366"));
        QCOMPARE(bytes.mid(4, 9).toHex(), QByteArray("401400000000000002"));
        const int measurements = model.measurementCount();
        QCOMPARE(bytes.mid(13, 4).toHex(), QByteArray::number(measurements, 16).rightJustified(8, '0'));
        QCOMPARE(bytes.mid(21, 6).toHex(), QByteArray("000000010301"));
        QCOMPARE(bytes.mid(39, 13).toHex(), QByteArray("02401400000000000000000001"));
        QCOMPARE(bytes.at(52), char(3));
        QVERIFY(QFile::exists(base + QStringLiteral(".zarTemplate")));

        zarTemplateDataModel back;
        QVERIFY(back.loadTemplate(base + QStringLiteral(".zarTemplate"), false));
        QCOMPARE(back.count(), 1);
        QCOMPARE(back.measurementCount(), measurements);
        QCOMPARE(back.sets().first().mainMatrix(), model.sets().first().mainMatrix());
        QCOMPARE(back.header().runs, model.sequenceLength());
        QCOMPARE(back.header().measurements, measurements);

        // The extension is always appended.
        QVERIFY(model.saveTemplateTo(base + QStringLiteral(".zarTemplate")));
        QVERIFY(QFile::exists(base + QStringLiteral(".zarTemplate.zarTemplate")));
    }

    void roundTripKeepsSetsInOrder()
    {
        const QByteArray bytes = zarTemplateFixture::bytes(
            1, 2.5f, { { 0, { { 0, 1 } } }, { 16, { { 2, 2 }, { 3, 1 } } }, { 7, { { 0, 5 } } } });
        zarTemplateDataModel model;
        QVERIFY(model.loadTemplate(zarTemplateFixture::write(bytes), false));
        QCOMPARE(model.count(), 3);
        QCOMPARE(model.cables(), zarCable(1));
        QCOMPARE(model.cableSpacing(), 2.5f);
        QCOMPARE(model.arrayType(1), qint8(16));
        const QString base = zarDriveRoot::path() + QStringLiteral("again");
        QVERIFY(model.saveTemplateTo(base));
        zarTemplateDataModel back;
        QVERIFY(back.loadTemplate(base + QStringLiteral(".zarTemplate"), true));
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(back.sets()[i].arrayType(), model.sets()[i].arrayType());
            QCOMPARE(back.sets()[i].mainMatrix(), model.sets()[i].mainMatrix());
            QCOMPARE(back.sets()[i].measurementCount(), model.sets()[i].measurementCount());
        }
    }

    void overwriteIsAskedFirst()
    {
        zarTemplateDataModel model;
        QVERIFY(zarTemplateFixture::load(model, 2, 5, { { 0, { { 0, 0 } } } }));
        model.onSpacingLevelAuxConfig(0, 0, true);
        const QString base = zarDriveRoot::path() + QStringLiteral("exists");
        zarTemplateFixture::write("old", QStringLiteral("exists.zarTemplate"));
        answer.expect(QMessageBox::No);
        QVERIFY(!model.saveTemplateTo(base));
        QCOMPARE(answer.text, QStringLiteral("File exists, do you want to overwrite it?"));
        QCOMPARE(readFile(base + QStringLiteral(".zarTemplate")), QByteArray("old"));
        QVERIFY(model.isModified());
        answer.expect(QMessageBox::Yes);
        QVERIFY(model.saveTemplateTo(base));
        QVERIFY(!model.isModified());

        zarTemplateDataModel empty;
        answer.expect();
        QVERIFY(!empty.saveTemplateTo(base));
        QCOMPARE(answer.text, QStringLiteral("Template is empty"));

        zarDiagnosticCapture capture;
        answer.expect();
        QVERIFY(!model.saveTemplateTo(zarDriveRoot::path() + QStringLiteral("missing/dir/x")));
        QCOMPARE(answer.text, QStringLiteral("Can not open file for writing"));
        QVERIFY(capture.text().startsWith(QStringLiteral("File error: ")));
    }

    void loadingFailures()
    {
        zarTemplateDataModel model;
        QSignalSpy arrangement(&model, &zarTemplateDataModel::sendArrangementUpdate);
        QVERIFY(model.loadTemplate(QString(), false));
        QCOMPARE(arrangement.count(), 1);
        zarDiagnosticCapture capture;
        answer.expect();
        QVERIFY(!model.loadTemplate(zarDriveRoot::path() + QStringLiteral("none.zarTemplate"), false));
        QCOMPARE(answer.text, QStringLiteral("Can not open file for reading"));
        QByteArray session = oneSetFile();
        session.replace(0, 4, QByteArray::fromHex("33114422"));
        QCOMPARE(loadBytes(session), QStringLiteral("Template is corrupted"));
    }

    void everyTruncationIsRefused()
    {
        const QByteArray bytes = oneSetFile();
        QList<int> offsets;
        for (int i = 0; i < 64; ++i)
            offsets << i;
        for (int i = 64; i < bytes.size(); i += 61)
            offsets << i;
        offsets << bytes.size() - 1;
        for (int offset : offsets) {
            bool ok = true;
            const QString message = loadBytes(bytes.left(offset), &ok);
            if (ok || message != QStringLiteral("Template is corrupted"))
                QFAIL(qPrintable(QStringLiteral("offset %1: %2").arg(offset).arg(message)));
        }
        bool ok = false;
        loadBytes(bytes, &ok);
        QVERIFY(ok);
    }

    void hostileValuesAreRefused()
    {
        const QByteArray good = oneSetFile();
        const int cablesAt = 4 + 33, countAt = cablesAt + 9;
        auto patched = [&](int at, const QByteArray& hex) {
            QByteArray b = good;
            b.replace(at, hex.size() / 2, QByteArray::fromHex(hex));
            return b;
        };
        const QList<QByteArray> hostile {
            patched(cablesAt, "03"),
            patched(cablesAt, "00"),
            patched(cablesAt + 1, "7ff8000000000000"),
            patched(cablesAt + 1, "c014000000000000"),
            patched(cablesAt + 1, "0000000000000000"),
            patched(countAt, "00000009"),
            patched(countAt, "ffffffff"),
            patched(countAt + 5, "7fffffff"),
            patched(countAt + 9, "00000062"),
            patched(21, "7fffffff"),
            patched(33, "7fffffff"),
            patched(countAt + 4, "40"),
        };
        for (int i = 0; i < hostile.size(); ++i) {
            bool ok = true;
            const QString message = loadBytes(hostile[i], &ok);
            if (ok || message != QStringLiteral("Template is corrupted"))
                QFAIL(qPrintable(QStringLiteral("case %1: %2").arg(i).arg(message)));
        }
    }
};

ZAR_TEST_MAIN(TestTemplateFile)
#include "test_templatefile.moc"
