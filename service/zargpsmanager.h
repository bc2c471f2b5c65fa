#ifndef ZARGPSMANAGER_H
#define ZARGPSMANAGER_H

#include "service/zargpsfix.h"

#include <QMutex>
#include <QThread>

// Holder of the current GPS position. No position source is attached: the thread
// body returns at once and the fix keeps its initial values.
class zarGPSManager : public QThread
{
    Q_OBJECT

public:
    static zarGPSManager* instance();
    static void destroy();

    zarGPSFix fix() const;
    // For a position source: replaces the whole fix at once.
    void setFix(const zarGPSFix& fix);

protected:
    void run() override;

private:
    zarGPSManager();
    ~zarGPSManager() override;

    zarGPSFix current;
    mutable QMutex mutex;
    bool stopRequest = false;

    static zarGPSManager* s_instance;
};

#endif
