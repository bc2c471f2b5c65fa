#include "engineer/zarproductionlog.h"

#include "core/zarconstants.h"

#include <QSaveFile>

QString zarProductionLog::entry(const QString& title, const zarCoreReportProduction& report)
{
    QString log = QStringLiteral("<font color=blue>") + title + QStringLiteral(":</font>") + logBreak + logBreak;
    log += report.text1;
    if (report.error.code != zarErrorSuccess)
        log += logBreak + QStringLiteral("<font color=red>") + report.error.text() + QStringLiteral("</font>");
    return log;
}

QByteArray zarProductionLog::document(const QVector<QString>& logs, const QDateTime& when)
{
    QString html = QStringLiteral("<html>\n<head>\n</head>\n<body>\n");
    html += when.date().toString(Qt::TextDate) + QLatin1Char(' ') + when.time().toString(Qt::TextDate) + logBreak;
    html += QStringLiteral("%1 (%2)").arg(releaseNumber).arg(instrumentName) + logBreak + logBreak;
    for (const QString& log : logs)
        if (!log.isEmpty())
            html += log + logBreak;
    html += QStringLiteral("\n</body>\n</html>");
    return html.toUtf8();
}

QString zarProductionLog::path()
{
    return systemDir + QStringLiteral("engineer.html");
}

bool zarProductionLog::save(const QVector<QString>& logs, const QDateTime& when)
{
    QSaveFile file(path());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // A failed write makes the commit fail and leaves the earlier file.
    file.write(document(logs, when));
    return file.commit();
}
