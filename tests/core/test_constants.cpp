#include "zartestsupport.h"

#include "core/zarconstants.h"

// The program's working directories below the drive root.
class TestConstants : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_root = zarDriveRoot::path(); }
    void cleanup() { zarDriveRoot::setPath(m_root); }

    // Each directory sits in the instrument's own directory under the drive root.
    void directoriesFollowTheDriveRoot_data()
    {
        QTest::addColumn<QString>("directory");
        QTest::addColumn<QString>("below");
        QTest::newRow("templates") << QString(templatesDir) << "zar_0/templates/";
        QTest::newRow("ertlab") << QString(ertlabDir) << "zar_0/ertlab/";
        QTest::newRow("sessions") << QString(sessionsDir) << "zar_0/sessions/";
        QTest::newRow("system") << QString(systemDir) << "zar_0/system/";
        QTest::newRow("tmp") << tmpDir + "download" << "zar_0/tmp/download";
    }

    void directoriesFollowTheDriveRoot()
    {
        QFETCH(QString, directory);
        QFETCH(QString, below);
        QCOMPARE(directory, m_root + below);
    }

    // A new drive root moves every directory, with or without its closing slash.
    void aNewDriveRootMovesTheDirectories_data()
    {
        QTest::addColumn<QString>("root");
        QTest::newRow("with the slash") << "/x/";
        QTest::newRow("without the slash") << "/x";
    }

    void aNewDriveRootMovesTheDirectories()
    {
        QFETCH(QString, root);
        zarDriveRoot::setPath(root);
        QCOMPARE(zarDriveRoot::path(), QStringLiteral("/x/"));
        QCOMPARE(QString(templatesDir), QStringLiteral("/x/zar_0/templates/"));
        QCOMPARE(sessionsDir + QStringLiteral("a.zarSession"), QStringLiteral("/x/zar_0/sessions/a.zarSession"));
    }

private:
    QString m_root;
};

ZAR_TEST_MAIN(TestConstants)
#include "test_constants.moc"
