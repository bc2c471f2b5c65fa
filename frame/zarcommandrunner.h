#ifndef ZARCOMMANDRUNNER_H
#define ZARCOMMANDRUNNER_H

#include <QString>
#include <QStringList>

#include <functional>

// Runs the instrument computer's external commands ("usb_start", "usb_stop",
// "date"). Tests put a handler in its place so nothing real is started.
class zarCommandRunner
{
public:
    enum Outcome { Succeeded, Failed, NotStarted, TimedOut };

    using Handler = std::function<Outcome(const QString& program, const QStringList& arguments, int timeoutMs)>;

    // Starts program and waits for it at most timeoutMs; a command still running
    // then is killed and reported as TimedOut.
    static Outcome run(const QString& program, const QStringList& arguments, int timeoutMs);
    // Starts program without waiting for it or looking at its result.
    static void start(const QString& program, const QStringList& arguments);
    // A null handler restores the real processes.
    static void setHandler(Handler handler);
};

#endif
