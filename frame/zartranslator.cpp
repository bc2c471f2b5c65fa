#include "frame/zartranslator.h"

zarTranslator* zarTranslator::s_instance = nullptr;

zarTranslator* zarTranslator::instance()
{
    if (!s_instance)
        s_instance = new zarTranslator();
    return s_instance;
}

void zarTranslator::destroy()
{
    delete s_instance;
    s_instance = nullptr;
}
