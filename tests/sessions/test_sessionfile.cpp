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
    static void typeName(const QString& name, QString* proposal = nullptr, bool accept = true)
    {
        zarWhenModal([=](QWidget* w) {
            auto* dialog = qobject_cast<zarKeyboardDialog*>(w);
            if (!dialog)
                return;
            if (proposal)
                *proposal = dialog->lineEdit->text();
            dialog->lineEdit->setText(name);
            accept ? dialog->accept() : dialog->reject();
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
            QVERIFY2(result == zarSessionFile::Read, qPrintable(QStringLiteral("cut %1 of %2, rows at %3").arg(cut).arg(bytes.size()).arg(rowsStart)));
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

    void hostileCountsAreRefused()
    {
        const QByteArray bytes = zarSessionFixture::bytes(zarSessionFixture::sample());
        const int header = 4 + 8 + 1 + 4 + 4 + 4 + 4 + 8 + 4 + 16, electrodes = header + 10 + 598;
        const int rows = electrodes + 4 + 52;
        auto patched = [&](int at, const QByteArray& hex) {
            return QByteArray(bytes).replace(at, hex.size() / 2, QByteArray::fromHex(hex));
        };
        const QList<QPair<int, QByteArray>> hostile {
            { 0, "88993366" }, { 4, "7ff0000000000000" }, { 12, "05" }, { header - 20, "ffffffff" },
            { header, "00000009" }, { header + 10, "7fffffff" }, { electrodes, "7fffffff" }, { rows, "00000000" },
        };
        zarSessionFile read;
        for (const auto& h : hostile)
            QVERIFY2(parse(patched(h.first, h.second), read) == zarSessionFile::Corrupted, qPrintable(QString::number(h.first)));
        // A row count beyond the rows present is a file that ended early.
        QCOMPARE(parse(patched(rows, "7fffffff"), read), zarSessionFile::Read);
        QCOMPARE(read.units.size(), 4);
        // A sample count that cannot fit ends the rows before that one.
        QCOMPARE(parse(patched(rows + 4 + 137 + 44 + 32, "7fffffff"), read), zarSessionFile::Read);
        QCOMPARE(read.units.size(), 1);

        zarSessionDataModel model;
        const QList<QPair<QString, QString>> failures {
            { zarDriveRoot::path() + QStringLiteral("none.zarSession"), QStringLiteral("Can not open file for reading") },
            { zarSessionFixture::write(zarSessionFile(), QStringLiteral("empty.zarSession")), QStringLiteral("Session is corrupted") },
        };
        zarDiagnosticCapture capture;
        for (const auto& f : failures) {
            answer.expect();
            QVERIFY(!model.loadFromFile(f.first));
            QCOMPARE(answer.text, f.second);
        }
    }

    void namedSave()
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

        const QString kept = zarSessionFixture::write(zarSessionFile(), QStringLiteral("zar_0/sessions/kept.zarSession"));
        typeName(QStringLiteral("kept"));
        answer.expect(QMessageBox::No);
        QVERIFY(!model.saveToFile(QStringLiteral("kept"), false));
        QCOMPARE(zarSessionFixture::readFile(kept), zarSessionFixture::bytes(zarSessionFile()));
        typeName(QStringLiteral("x"), nullptr, false);
        QVERIFY(!model.saveToFile(QStringLiteral("x"), false));
        for (const QString& bad : { QStringLiteral("../escape"), QStringLiteral("a/b"), QString() }) {
            typeName(bad);
            answer.expect();
            QVERIFY(!model.saveToFile(QStringLiteral("x"), false));
            QCOMPARE(answer.text, QStringLiteral("Session name is not valid"));
        }
        QVERIFY(!QFile::exists(zarDriveRoot::path() + QStringLiteral("zar_0/escape.zarSession")));

        // A failed write is a failure, so the screen stays open with its data.
        zarDiagnosticCapture capture;
        QDir(sessionsDir).removeRecursively();
        typeName(QStringLiteral("lost"));
        answer.expect();
        QVERIFY(!model.saveToFile(QStringLiteral("lost"), false));
        QCOMPARE(answer.text, QStringLiteral("Can not open file for writing"));
        QVERIFY(capture.text().startsWith(QStringLiteral("File error: ")));
    }

    // Measured rows made with other IP options: the operator is asked to change back.
    void ipOptionsCheck()
    {
        zarSessionFile session;
        session.units << zarSessionFixture::row(0, 3, 1, 2, 1, 1, false);
        zarSessionDataModel model;
        QVERIFY(model.loadFromFile(zarSessionFixture::write(session, QStringLiteral("u.zarSession"))));
        QVERIFY(model.checkIpOptions());
        session.units[0].measureSet.measured = true;
        session.units[0].measureSet.settings.ip = true;
        session.units[0].measureSet.settings.pauseCode = 3;
        QVERIFY(model.loadFromFile(zarSessionFixture::write(session, QStringLiteral("m.zarSession"))));
        answer.expect(QMessageBox::No);
        QVERIFY(!model.checkIpOptions());
        QCOMPARE(answer.text, QStringLiteral("IP options were changed since last session. Change back?"));
        answer.expect(QMessageBox::Yes);
        QVERIFY(model.checkIpOptions());
    }
};

ZAR_TEST_MAIN(TestSessionFile)
#include "test_sessionfile.moc"
