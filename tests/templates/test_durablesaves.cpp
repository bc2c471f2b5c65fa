#include "zartestsupport.h"
#include "zartemplatefixture.h"

#include "core/zarsafesave.h"
#include "service/zarcableconfiguration.h"
#include "sessions/zarsessiondatamodel.h"
#include "templates/zarsequencebuilder.h"

#include <QTemporaryFile>

// Every save of a data file syncs the directory after the rename and clears the
// temporary copies that a killed save left beside the file.
class TestDurableSaves : public QObject
{
    Q_OBJECT

    enum Writer { Template, Builder, Autosave };

    QStringList synced;

    static QString directory() { return zarDriveRoot::path() + QStringLiteral("durable/"); }

    // Saves with the writer; the path of the file written comes back, empty on failure.
    static QString save(Writer writer)
    {
        zarTemplateDataModel model;
        if (!zarTemplateFixture::load(model, 2, 5, { { 0, { { 0, 0 } } } }))
            return QString();
        const QString line = directory() + QStringLiteral("line.zarTemplate");
        const QString built = directory() + QStringLiteral("new.zarSession");
        QFile::remove(line); // saved again without the question whether to overwrite
        if (writer == Template)
            return model.saveTemplateTo(directory() + QStringLiteral("line")) ? line : QString();
        zarCableConfiguration configuration;
        for (int i = 0; i < 64; ++i)
            configuration.wires.append({ 1.0f, true });
        if (zarSequenceBuilder::instance()->build(&model, &configuration, built, 0) <= 0)
            return QString();
        if (writer == Builder)
            return built;
        zarSessionDataModel session;
        return session.loadFromFile(built) && session.saveToFile(QString(), true) ? systemDir + autosaveName : QString();
    }

private slots:
    void initTestCase()
    {
        QDir().mkpath(directory());
        QDir().mkpath(systemDir);
        zarSafeSave::setSyncObserver([this](const QString& dir) { synced << QDir(dir).absolutePath(); });
    }

    void cleanupTestCase()
    {
        zarSafeSave::setSyncObserver(nullptr);
    }

    void writers_data()
    {
        QTest::addColumn<int>("writer");
        QTest::newRow("template") << int(Template);
        QTest::newRow("sequence builder") << int(Builder);
        QTest::newRow("session autosave") << int(Autosave);
    }

    void savesSyncTheirDirectory_data() { writers_data(); }

    void savesSyncTheirDirectory()
    {
        QFETCH(int, writer);
        synced.clear();
        const QString path = save(Writer(writer));
        QVERIFY(!path.isEmpty());
        QVERIFY2(synced.contains(QFileInfo(path).absolutePath()), qPrintable(synced.join(QLatin1Char(' '))));
    }

    void staleCopiesGoOnTheNextSave_data() { writers_data(); }

    void staleCopiesGoOnTheNextSave()
    {
        QFETCH(int, writer);
        const QString path = save(Writer(writer));
        QVERIFY(!path.isEmpty());
        const QStringList stale { path + QStringLiteral(".Ab12Cd"), path + QStringLiteral(".zzzzzz") };
        const QStringList kept { path + QStringLiteral(".backup7"), path + QStringLiteral(".AB12C"),
                                 QFileInfo(path).absolutePath() + QStringLiteral("/other.Ab12Cd") };
        for (const QString& name : stale + kept)
            zarTemplateFixture::write("old", QDir(zarDriveRoot::path()).relativeFilePath(name));
        QCOMPARE(save(Writer(writer)), path);
        for (const QString& name : stale)
            QVERIFY2(!QFile::exists(name), qPrintable(name));
        for (const QString& name : kept)
            QVERIFY2(QFile::exists(name), qPrintable(name));
    }

    // The copies are named as Qt names a save file's temporary twin.
    void temporaryTwinIsRecognised()
    {
        const QString path = directory() + QStringLiteral("twin [1].zarSession");
        QTemporaryFile twin(path);
        twin.setAutoRemove(false);
        QVERIFY(twin.open());
        twin.close();
        QVERIFY2(twin.fileName().startsWith(path + QLatin1Char('.')), qPrintable(twin.fileName()));
        QCOMPARE(zarSafeSave::removeStaleCopies(path), 1);
        QVERIFY(!QFile::exists(twin.fileName()));
    }

    // A directory that is not there is not synced, and says so.
    void missingDirectoryIsNotSynced()
    {
        QVERIFY(!zarSafeSave::syncDirectory(directory() + QStringLiteral("missing")));
        QVERIFY(zarSafeSave::syncDirectory(directory()));
    }
};

ZAR_TEST_MAIN(TestDurableSaves)
#include "test_durablesaves.moc"
