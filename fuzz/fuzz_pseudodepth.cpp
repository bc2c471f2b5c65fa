// Pseudo-depth tables: the loader, then the depths computed from what it read.
#include "zarfuzzsupport.h"

#include "templates/zarpseudodepth.h"
#include "templates/zarquadripole.h"

ZAR_FUZZ_INITIALIZE

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    zarPseudoDepth table(zarFuzz::file("fuzz.base", data, size));
    if (!table.isLoaded())
        return 0;
    for (quint8 type = 0; type <= zarGrid::arrayTypes; ++type)
        for (zarSpacing spacing : { 0, 7, 29, 30 })
            for (zarLevel level : { 0, 50, 98, 99 })
                table.lookup(type, spacing, level);
    return 0;
}
