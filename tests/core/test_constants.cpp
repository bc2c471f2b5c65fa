#include "zartestsupport.h"

#include "core/zarconstants.h"

class TestConstants : public QObject
{
    Q_OBJECT

private slots:
    void selectionLists()
    {
        const QStringList pulses = pulseDurationList.split(QLatin1Char(','));
        QCOMPARE(pulses.size(), 21);
        QCOMPARE(pulses.first(), QStringLiteral("80"));
        QCOMPARE(pulses.last(), QStringLiteral("2000"));
        for (int i = 1; i < pulses.size(); ++i)
            QCOMPARE(pulses[i].toInt(), i * 100);

        const QStringList pauses = pauseDurationList.split(QLatin1Char(','));
        QCOMPARE(pauses.size(), 17);
        QCOMPARE(pauses[1], QStringLiteral("60"));
        QVERIFY(!pauses.contains(QStringLiteral("40")));

        const QStringList deviations = deviationLimitList.split(QLatin1Char(','));
        QCOMPARE(deviations.size(), 9);
        QCOMPARE(deviations.last(), QStringLiteral("10.0"));

        for (const QString& list : { pulseDurationList, pauseDurationList, deviationLimitList }) {
            const QStringList items = list.split(QLatin1Char(','));
            double previous = -1;
            for (const QString& item : items) {
                bool ok = false;
                const double value = item.toDouble(&ok);
                QVERIFY2(ok && !item.isEmpty() && item.trimmed() == item, qPrintable(item));
                QVERIFY(value > previous);
                previous = value;
            }
        }
        for (const QString& item : deviations)
            QCOMPARE(item.size(), 4);
    }

    void directoriesFollowTheDriveRoot()
    {
        const QString root = zarDriveRoot::path();
        QVERIFY(root.endsWith(QLatin1Char('/')));
        QVERIFY2(!root.startsWith(QDir::homePath() + QLatin1Char('/')) || root.contains(QLatin1String("zar-test")),
                 "tests must never use the real home directory");
        QCOMPARE(QString(templatesDir), root + QStringLiteral("zar_0/templates/"));
        QCOMPARE(QString(ertlabDir), root + QStringLiteral("zar_0/ertlab/"));
        QCOMPARE(QString(sessionsDir), root + QStringLiteral("zar_0/sessions/"));
        QCOMPARE(systemDir + autosaveName, root + QStringLiteral("zar_0/system/") + autosaveName);
        QCOMPARE(tmpDir + downloadFileName, root + QStringLiteral("zar_0/tmp/download"));

        zarDriveRoot::setPath(QStringLiteral("/x"));
        QCOMPARE(QString(templatesDir), QStringLiteral("/x/zar_0/templates/"));
        zarDriveRoot::setPath(root);
    }

    void fixedTexts()
    {
        QCOMPARE(secondPortSettings, QStringLiteral("9600  , 8, N, 1, off"));
        QCOMPARE(autosaveName.size(), 31);
        QCOMPARE(autosaveName, QStringLiteral("Rk4!wT9b$Le2Xq7#Hn5Vd8@Jc3Yf6M1"));
        QCOMPARE(logPassed, QStringLiteral("   <font color=blue>") + QChar(0x2713) + QStringLiteral("</font> <br> "));
        QCOMPARE(logFailed, QStringLiteral("   <font color=red>") + QChar(0x2717) + QStringLiteral("</font> <br> "));
        QVERIFY(updateHost.endsWith(QLatin1String(".invalid")));
        QCOMPARE(updatePassword.size(), 11);
        QCOMPARE(engineerCodeA.size(), 5);
        QCOMPARE(engineerCodeB.size(), 5);
    }
};

ZAR_TEST_MAIN(TestConstants)
#include "test_constants.moc"
