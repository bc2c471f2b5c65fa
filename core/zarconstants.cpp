#include "core/zarconstants.h"

#include <QDir>

namespace {
QString& driveRoot()
{
#ifdef Q_OS_WIN
    static QString root = QStringLiteral("C:/");
#else
    static QString root = QDir::homePath() + QLatin1Char('/');
#endif
    return root;
}
}

QString zarDriveRoot::path()
{
    return driveRoot();
}

void zarDriveRoot::setPath(const QString& root)
{
    driveRoot() = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
}

QString zarDirectory::path() const
{
    return zarDriveRoot::path() + instrumentName + QLatin1String(m_part);
}

const QString pulseDurationList = QStringLiteral("80,100,200,300,400,500,600,700,800,900,1000,1100,1200,1300,1400,1500,1600,1700,1800,1900,2000");
const QString pauseDurationList = QStringLiteral("20,60,80,100,120,140,160,180,200,300,400,500,600,700,800,900,1000");
const QString deviationLimitList = QStringLiteral("0.10,0.25,0.50,1.00,2.00,3.00,4.00,5.00,10.0");
const QString instrumentName = QStringLiteral("zar_0");
const zarDirectory templatesDir("/templates/");
const zarDirectory ertlabDir("/ertlab/");
const zarDirectory sessionsDir("/sessions/");
const zarDirectory systemDir("/system/");
const zarDirectory tmpDir("/tmp/");
const QString corePortName = QStringLiteral("COM3");
const QString corePortSettings = QStringLiteral("115200, 8, N, 1, off");
const QString secondPortName = QStringLiteral("COM16");
const QString secondPortSettings = QStringLiteral("9600  , 8, N, 1, off");
const QString ertlabMarker = QStringLiteral("ERT/SIGN");
const QString downloadFileName = QStringLiteral("download");
const QString settingsScope = QStringLiteral("zar.Project");
const QString autosaveName = QStringLiteral("Rk4!wT9b$Le2Xq7#Hn5Vd8@Jc3Yf6M%1").arg(1u);
const QString pseudoDepthResource = QStringLiteral(":/system/system/pseudoDepth.base");
const QString templateExtension = QStringLiteral("zarTemplate");
const QString sessionExtension = QStringLiteral("zarSession");
const QString releaseExtension = QStringLiteral("zarRelease");
const QString engineerCodeA = QStringLiteral("40917");
const QString engineerCodeB = QStringLiteral("61358");
// Reserved name: the release server is configured per installation ("auxServer").
const QString updateHost = QStringLiteral("update.zar.invalid");
const QString updateUser = QStringLiteral("zarLogin");
const QString updatePassword = QStringLiteral("Kq8Ternwick");
const QString logBreak = QStringLiteral(" <br> ");
const QString logPassed = QStringLiteral("   <font color=blue>%1</font>").arg(QChar(0x2713)) + logBreak;
const QString logFailed = QStringLiteral("   <font color=red>%1</font>").arg(QChar(0x2717)) + logBreak;
const QString logLessThan = QStringLiteral("&lt;");
const QString logGreaterThan = QStringLiteral("&gt;");
