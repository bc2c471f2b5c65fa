// Session and autosave files: the reader, then the table, the depth controls and
// the plot series of a session that was accepted.
#include "zarfuzzsupport.h"

#include "sessions/zarsessiondatamodel.h"

#include <QLabel>
#include <QSlider>

ZAR_FUZZ_INITIALIZE

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    zarSessionDataModel model;
    if (!model.loadFromFile(zarFuzz::file("fuzz.zarSession", data, size)))
        return 0;
    QSlider slider;
    QLabel header, value, unit;
    model.setDepthSlider(&slider);
    model.setHeaderLabel(&header);
    model.setDepthLabel(&value);
    model.setUnitLabel(&unit);
    for (int set = 0; set < 8; ++set) {
        QMetaObject::invokeMethod(&model, "onCurrentSetChange", Q_ARG(int, set));
        for (quint8 plot : { 1, 2, 0 }) {
            model.setPlot(plot);
            slider.setValue(slider.maximum() / 2);
            model.setMode(quint8(plot & 1));
        }
    }
    for (int row = 0; row < qMin(model.rows(), 64); ++row)
        for (int column = 0; column < model.columnCount(); ++column)
            for (int role : { int(Qt::DisplayRole), int(Qt::BackgroundRole) })
                model.data(model.index(row, column), role);
    model.quadripole(model.rows() - 1);
    model.checkIpOptions();
    return 0;
}
