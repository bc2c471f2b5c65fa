#include "templates/zarpseudodepth.h"

zarPseudoDepth* zarPseudoDepth::s_instance = nullptr;

zarPseudoDepth* zarPseudoDepth::instance()
{
    if (!s_instance)
        s_instance = new zarPseudoDepth();
    return s_instance;
}

void zarPseudoDepth::destroy()
{
    delete s_instance;
    s_instance = nullptr;
}
