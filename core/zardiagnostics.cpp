#include "core/zardiagnostics.h"

#include <QMutex>
#include <QMutexLocker>
#include <iostream>

namespace {
QMutex sinkMutex;
std::ostream* sink = nullptr;

std::ostream& out()
{
    return sink ? *sink : std::cerr;
}
}

void zarDiagnostics::line(const std::string& text)
{
    QMutexLocker lock(&sinkMutex);
    out() << text << std::endl;
    out() << '\r';
}

void zarDiagnostics::raw(const std::string& text)
{
    QMutexLocker lock(&sinkMutex);
    out() << text;
}

void zarDiagnostics::setStream(std::ostream* stream)
{
    QMutexLocker lock(&sinkMutex);
    sink = stream;
}
