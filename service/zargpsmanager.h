#ifndef ZARGPSMANAGER_H
#define ZARGPSMANAGER_H

#include <QThread>

// Holder of the current GPS position.
class zarGPSManager : public QThread
{
    Q_OBJECT

public:
    static zarGPSManager* instance();
    static void destroy();

private:
    zarGPSManager() = default;
    static zarGPSManager* s_instance;
};

#endif
