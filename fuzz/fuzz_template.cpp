// Template files: the reader, then what the template screen and the builder do
// with a template that was accepted.
#include "zarfuzzsupport.h"

#include "templates/zartemplatedatamodel.h"

ZAR_FUZZ_INITIALIZE

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    zarTemplateDataModel model;
    if (!model.loadTemplate(zarFuzz::file("fuzz.zarTemplate", data, size), false))
        return 0;
    for (int i = 0; i < model.count(); ++i)
        model.onCurrentSetChange(i);
    model.sequenceLength();
    return 0;
}
