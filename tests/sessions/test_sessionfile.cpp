#include "zartestsupport.h"
#include "zarsessionfixture.h"
#include "zardialoganswer.h"

#include "sessions/zarsessiondatamodel.h"

#include "frame/zarkeyboarddialog.h"

class TestSessionFile : public QObject
{
    Q_OBJECT

    zarDialogAnswer answer;

    static zarSessionFile::ReadResult parse(const QByteArray& bytes, zarSessionFile& into)
    {
        QDataStream stream(bytes);
        stream.setVersion(QDataStream::Qt_4_8);
        return into.read(stream);
    }

    // Types a name into the session name dialog; the proposal shown comes back.
    static void typeName(const QString& name, QString* proposal = nullptr)
    {
        zarWhenModal([=](QWidget* w) {
            auto* dialog = qobject_cast<zarKeyboardDialog*>(w);
            if (!dialog)
                return;
            if (proposal)
                *proposal = dialog->lineEdit->text();
            dialog->lineEdit->setText(name);
            dialog->accept();
        });
    }

private slots:
    void layoutAndByteIdenticalResave()
    {
        const zarSessionFile sample = zarSessionFixture::sample();
        const QByteArray bytes = zarSessionFixture::bytes(sample);
        QCOMPARE(bytes.left(4).toHex(), QByteArray("33114422"));
        const int header = 8 + 1 + 4 + 4 + 4 + 4 + 8 + 4 + 16, rows = 4 * 113 + 3 * 24;
        QCOMPARE(bytes.size(), 4 + header + 4 + 6 + 4 + 64 * 9 + 18 + 4 + 2 * 26 + 4 + rows + 26);
        // Electrodes go from the highest number down.
        const int electrodes = 4 + header + 10 + 598;
        QCOMPARE(bytes.mid(electrodes, 6).toHex(), QByteArray("000000020002"));

        const QString path = zarSessionFixture::write(sample, QStringLiteral("sample.zarSession"));
        QCOMPARE(zarSessionFixture::readFile(path), bytes);
        zarSessionDataModel model;
        QVERIFY(model.loadFromFile(path));
        QCOMPARE(model.rows(), 4);
        QDir().mkpath(systemDir);
        QVERIFY(model.saveToFile(QString(), true));
        QCOMPARE(zarSessionFixture::readFile(systemDir + autosaveName), bytes);
    }

    void truncationKeepsOnlyCompleteRows()
    {
        const zarSessionFile sample = zarSessionFixture::sample();
        const QByteArray bytes = zarSessionFixture::bytes(sample);
        const int rowsStart = bytes.size() - 26 - (4 * 113 + 3 * 24);
        for (int cut = 0; cut < bytes.size(); ++cut) {
            zarSessionFile read;
            const auto result = parse(bytes.left(cut), read);
            if (cut < rowsStart + 137) {
                QCOMPARE(result, zarSessionFile::Corrupted);
                continue;
            }
            QVERIFY2(result == zarSessionFile::Read, qPrintable(QStringLiteral("cut at %1").arg(cut)));
            int complete = 0, end = rowsStart;
            for (const auto& unit : sample.units) {
                end += 113 + 8 * unit.measureSet.samples.size();
                if (end <= cut)
                    ++complete;
            }
            QCOMPARE(read.units.size(), complete);
            for (int i = 0; i < complete; ++i)
                QCOMPARE(read.units[i].measureSet, sample.units[i].measureSet);
            QVERIFY(cut < bytes.size() - 26 ? read.gpsFix == zarGPSFix() : true);
        }
    }

    // Magic, header values and counts that cannot be the file's own.
    void hostileHeadersAreRefused_data()
    {
        const int header = 4 + 8 + 1 + 4 + 4 + 4 + 4 + 8 + 4 + 16, electrodes = header + 10 + 598;
        QTest::addColumn<int>("at");
        QTest::addColumn<QByteArray>("hex");
        QTest::newRow("template magic") << 0 << QByteArray("88993366");
        QTest::newRow("infinite spacing") << 4 << QByteArray("7ff0000000000000");
        QTest::newRow("five cables") << 12 << QByteArray("05");
        QTest::newRow("array type count") << header - 20 << QByteArray("ffffffff");
        QTest::newRow("nine set descriptions") << header << QByteArray("00000009");
        QTest::newRow("wire count") << header + 10 << QByteArray("7fffffff");
        QTest::newRow("electrode count") << electrodes << QByteArray("7fffffff");
        QTest::newRow("no rows") << electrodes + 4 + 52 << QByteArray("00000000");
    }

    void hostileHeadersAreRefused()
    {
        QFETCH(int, at);
        QFETCH(QByteArray, hex);
        const QByteArray bytes = zarSessionFixture::bytes(zarSessionFixture::sample());
        zarSessionFile read;
        QCOMPARE(parse(QByteArray(bytes).replace(at, hex.size() / 2, QByteArray::fromHex(hex)), read),
                 zarSessionFile::Corrupted);
    }

    // A session places at most 64 electrodes.
    void electrodeCount_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("read");
        QTest::newRow("64") << 64 << true;
        QTest::newRow("65") << 65 << false;
    }

    void electrodeCount()
    {
        QFETCH(int, count);
        QFETCH(bool, read);
        zarSessionFile session = zarSessionFixture::sample();
        session.electrodes.clear();
        for (int i = 1; i <= count; ++i)
            session.electrodes.insert(qint16(i), zarPoint3D(float(i), 0, 0));
        zarSessionFile back;
        QCOMPARE(parse(zarSessionFixture::bytes(session), back) == zarSessionFile::Read, read);
        QCOMPARE(back.electrodes.size(), read ? count : 0);
    }

    // A row count beyond the rows present is a file that ended early; a sample count
    // that cannot fit ends the rows before that one.
    void hostileRowCountsEndTheRows_data()
    {
        const int rows = 4 + 8 + 1 + 4 + 4 + 4 + 4 + 8 + 4 + 16 + 10 + 598 + 4 + 52;
        QTest::addColumn<int>("at");
        QTest::addColumn<int>("units");
        QTest::newRow("rows beyond the file") << rows << 4;
        QTest::newRow("samples beyond the file") << rows + 4 + 137 + 44 + 32 << 1;
    }

    void hostileRowCountsEndTheRows()
    {
        QFETCH(int, at);
        const QByteArray bytes = zarSessionFixture::bytes(zarSessionFixture::sample());
        zarSessionFile read;
        QCOMPARE(parse(QByteArray(bytes).replace(at, 4, QByteArray::fromHex("7fffffff")), read), zarSessionFile::Read);
        QTEST(int(read.units.size()), "units");
    }

    void aMissingFileIsTold()
    {
        zarSessionDataModel model;
        zarDiagnosticCapture capture;
        answer.expect();
        QVERIFY(!model.loadFromFile(zarDriveRoot::path() + QStringLiteral("none.zarSession")));
        QCOMPARE(answer.text, QStringLiteral("Can not open file for reading"));
    }

    // The name dialog proposes nothing for the autosave and the file lands in the sessions directory.
    void namedSaveWritesTheSession()
    {
        zarSessionDataModel model;
        QVERIFY(model.loadFromFile(zarSessionFixture::write(zarSessionFixture::sample(), QStringLiteral("a.zarSession"))));
        QDir().mkpath(sessionsDir);
        QString proposal = QStringLiteral("unset");
        typeName(QStringLiteral("line 7"), &proposal);
        QVERIFY(model.saveToFile(autosaveName, false));
        QCOMPARE(proposal, QString());
        QCOMPARE(zarSessionFixture::readFile(sessionsDir + QStringLiteral("line 7.zarSession")),
                 zarSessionFixture::bytes(zarSessionFixture::sample()));
    }

    void anExistingFileIsKeptOnNo()
    {
        zarSessionDataModel model;
        QVERIFY(model.loadFromFile(zarSessionFixture::write(zarSessionFixture::sample(), QStringLiteral("a.zarSession"))));
        const QString kept = zarSessionFixture::write(zarSessionFile(), QStringLiteral("zar_0/sessions/kept.zarSession"));
        typeName(QStringLiteral("kept"));
        answer.expect(QMessageBox::No);
        QVERIFY(!model.saveToFile(QStringLiteral("kept"), false));
        QCOMPARE(answer.text, QStringLiteral("File exists, do you want to overwrite it?"));
        QCOMPARE(zarSessionFixture::readFile(kept), zarSessionFixture::bytes(zarSessionFile()));
    }

    void namesOutOfTheSessionsDirectoryAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("parent") << "../escape";
        QTest::newRow("subdirectory") << "a/b";
        QTest::newRow("backslash") << "a\\b";
        QTest::newRow("empty") << "";
    }

    void namesOutOfTheSessionsDirectoryAreRefused()
    {
        QFETCH(QString, name);
        zarSessionDataModel model;
        QDir().mkpath(sessionsDir);
        typeName(name);
        answer.expect();
        QVERIFY(!model.saveToFile(QStringLiteral("x"), false));
        QCOMPARE(answer.text, QStringLiteral("Session name is not valid"));
        QVERIFY(!QFile::exists(zarDriveRoot::path() + QStringLiteral("zar_0/escape.zarSession")));
    }

    // A failed write is a failure, so the screen stays open with its data.
    void aFailedWriteIsTold()
    {
        zarSessionDataModel model;
        zarDiagnosticCapture capture;
        QDir(sessionsDir).removeRecursively();
        typeName(QStringLiteral("lost"));
        answer.expect();
        QVERIFY(!model.saveToFile(QStringLiteral("lost"), false));
        QCOMPARE(answer.text, QStringLiteral("Can not open file for writing"));
        QVERIFY(capture.text().startsWith(QStringLiteral("File error: ")));
    }
};

ZAR_TEST_MAIN(TestSessionFile)
#include "test_sessionfile.moc"
