// ERTLab template text files: the import, then a session built from what it read.
#include "zarfuzzsupport.h"

#include "service/zarcableconfiguration.h"
#include "templates/zarsequencebuilder.h"
#include "templates/zartemplatedatamodel.h"

ZAR_FUZZ_INITIALIZE

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    zarTemplateDataModel model;
    if (!model.importErtLab(zarFuzz::file("fuzz.txt", data, size)))
        return 0;
    zarCableConfiguration configuration;
    for (int i = 0; i < 64; ++i)
        configuration.wires.append({ 1.0f, i % 7 != 3 });
    zarSequenceBuilder::instance()->build(&model, &configuration, QString(), 0);
    return 0;
}
