#include "core/zarcorereports.h"

void zarRegisterCoreReports()
{
    static const bool registered = [] {
        qRegisterMetaType<zarCoreReportDiscover>("zarCoreReportDiscover");
        qRegisterMetaType<zarCoreReportCalibrate>("zarCoreReportCalibrate");
        qRegisterMetaType<zarCoreReportSignal>("zarCoreReportSignal");
        qRegisterMetaType<zarCoreReportResistance>("zarCoreReportResistance");
        qRegisterMetaType<zarCoreReportET2D>("zarCoreReportET2D");
        qRegisterMetaType<zarCoreReportVES>("zarCoreReportVES");
        qRegisterMetaType<zarCoreReportSensor>("zarCoreReportSensor");
        qRegisterMetaType<zarCoreReportClock>("zarCoreReportClock");
        qRegisterMetaType<zarCoreReportSound>("zarCoreReportSound");
        qRegisterMetaType<zarCoreReportProduction>("zarCoreReportProduction");
        qRegisterMetaType<zarCoreReportTxAux>("zarCoreReportTxAux");
        qRegisterMetaType<zarCoreReportSwAux>("zarCoreReportSwAux");
        qRegisterMetaType<zarCoreReportRxAux>("zarCoreReportRxAux");
        qRegisterMetaType<zarCoreReportRxStress>("zarCoreReportRxStress");
        return true;
    }();
    Q_UNUSED(registered);
}
