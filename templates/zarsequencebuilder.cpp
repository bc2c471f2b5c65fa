#include "templates/zarsequencebuilder.h"

zarSequenceBuilder* zarSequenceBuilder::s_instance = nullptr;

zarSequenceBuilder* zarSequenceBuilder::instance()
{
    if (!s_instance)
        s_instance = new zarSequenceBuilder();
    return s_instance;
}

void zarSequenceBuilder::destroy()
{
    delete s_instance;
    s_instance = nullptr;
}
