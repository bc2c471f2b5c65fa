#ifndef ZARPRODUCTIONLOG_H
#define ZARPRODUCTIONLOG_H

#include "core/zarcorereports.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVector>

// The HTML log of the production tests: one entry per test (its last run) and the
// file "engineer.html" that gathers them when the screen closes.
class zarProductionLog
{
public:
    static const quint32 releaseNumber = 1;

    // The entry of one run: blue title, two breaks, the report's text and, after an
    // error, a break and the error text in red.
    static QString entry(const QString& title, const zarCoreReportProduction& report);
    // The whole file: header with date, time and release, every non-empty log with a
    // break, in test order; UTF-8 without byte-order mark, no final line feed.
    static QByteArray document(const QVector<QString>& logs, const QDateTime& when);
    static QString path();
    // Writes the file whole or leaves an earlier one as it was; false on failure.
    static bool save(const QVector<QString>& logs, const QDateTime& when);
};

#endif
