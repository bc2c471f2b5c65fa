#include "service/zargpsmanager.h"

#include <QMutexLocker>

zarGPSManager* zarGPSManager::s_instance = nullptr;

zarGPSManager::zarGPSManager() : QThread(nullptr)
{
    start(QThread::InheritPriority);
}

zarGPSManager::~zarGPSManager() = default;

zarGPSManager* zarGPSManager::instance()
{
    if (!s_instance)
        s_instance = new zarGPSManager();
    return s_instance;
}

void zarGPSManager::destroy()
{
    if (!s_instance)
        return;
    s_instance->stopRequest = true;
    s_instance->wait();
    delete s_instance;
    s_instance = nullptr;
}

zarGPSFix zarGPSManager::fix() const
{
    QMutexLocker lock(&mutex);
    return current;
}

void zarGPSManager::setFix(const zarGPSFix& fix)
{
    QMutexLocker lock(&mutex);
    current = fix;
}

void zarGPSManager::run()
{
}
