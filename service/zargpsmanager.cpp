#include "service/zargpsmanager.h"

zarGPSManager* zarGPSManager::s_instance = nullptr;

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
    s_instance->wait();
    delete s_instance;
    s_instance = nullptr;
}
