#include "frame/zarcommandrunner.h"

#include <QProcess>

namespace {
zarCommandRunner::Handler& handler()
{
    static zarCommandRunner::Handler h;
    return h;
}
} // namespace

void zarCommandRunner::setHandler(Handler h)
{
    handler() = std::move(h);
}

zarCommandRunner::Outcome zarCommandRunner::run(const QString& program, const QStringList& arguments, int timeoutMs)
{
    if (handler())
        return handler()(program, arguments, timeoutMs);
    QProcess process;
    process.start(program, arguments, QIODevice::ReadWrite);
    if (!process.waitForStarted(timeoutMs))
        return NotStarted;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        return TimedOut;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return Failed;
    return Succeeded;
}

void zarCommandRunner::start(const QString& program, const QStringList& arguments)
{
    if (handler()) {
        handler()(program, arguments, 0);
        return;
    }
    QProcess::startDetached(program, arguments);
}
