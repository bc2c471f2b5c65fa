#include "zartestsupport.h"

#include "core/zarconstants.h"

class TestConstants : public QObject
{
    Q_OBJECT

private slots:
    // Clean, strictly rising numbers, with the entries the devices know.
    void selectionLists()
    {
        for (const QString& list : { pulseDurationList, pauseDurationList, deviationLimitList }) {
            double previous = -1;
            for (const QString& item : list.split(QLatin1Char(','))) {
                bool ok = false;
                const double value = item.toDouble(&ok);
                QVERIFY2(ok && item.trimmed() == item && value > previous, qPrintable(list));
                previous = value;
            }
        }
        const QStringList pulses = pulseDurationList.split(QLatin1Char(','));
        QCOMPARE(pulses.size(), 21);
        QCOMPARE(pulses.first(), QStringLiteral("80"));
        for (int i = 1; i < pulses.size(); ++i)
            QCOMPARE(pulses[i].toInt(), i * 100);
        const QStringList pauses = pauseDurationList.split(QLatin1Char(','));
        QCOMPARE(pauses.size(), 17);
        QCOMPARE(pauses[1], QStringLiteral("60"));
        const QStringList deviations = deviationLimitList.split(QLatin1Char(','));
        QCOMPARE(deviations.size(), 9);
        QCOMPARE(deviations.last(), QStringLiteral("10.0"));
        for (const QString& item : deviations)
            QCOMPARE(item.size(), 4);
    }

    void directoriesFollowTheDriveRoot()
    {
        const QString root = zarDriveRoot::path();
        QVERIFY2(!root.startsWith(QDir::homePath() + QLatin1Char('/')) || root.contains(QLatin1String("zar-test")),
                 "tests must never use the real home directory");
        QCOMPARE(QString(templatesDir), root + QStringLiteral("zar_0/templates/"));
        QCOMPARE(QString(ertlabDir), root + QStringLiteral("zar_0/ertlab/"));
        QCOMPARE(QString(sessionsDir), root + QStringLiteral("zar_0/sessions/"));
        QCOMPARE(systemDir + autosaveName, root + QStringLiteral("zar_0/system/Rk4!wT9b$Le2Xq7#Hn5Vd8@Jc3Yf6M1"));
        QCOMPARE(tmpDir + downloadFileName, root + QStringLiteral("zar_0/tmp/download"));
        zarDriveRoot::setPath(QStringLiteral("/x"));
        QCOMPARE(QString(templatesDir), QStringLiteral("/x/zar_0/templates/"));
        zarDriveRoot::setPath(root);
    }

    void fixedTexts()
    {
        QCOMPARE(secondPortSettings, QStringLiteral("9600  , 8, N, 1, off"));
        QCOMPARE(logPassed, QStringLiteral("   <font color=blue>") + QChar(0x2713) + QStringLiteral("</font> <br> "));
        QCOMPARE(logFailed, QStringLiteral("   <font color=red>") + QChar(0x2717) + QStringLiteral("</font> <br> "));
    }
};

ZAR_TEST_MAIN(TestConstants)
#include "test_constants.moc"
