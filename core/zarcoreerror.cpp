#include "core/zarcoreerror.h"

#include "core/zarnames.h"

#include <QCoreApplication>

namespace {
QString tr(const char* text)
{
    return QCoreApplication::translate("QObject", text);
}
}

QString zarCoreError::text() const
{
    switch (code) {
    case 0: return tr("Success");
    case 1: return tr("Simulated error");
    case 2: return tr("Can not establish connection with core");
    case 3: return tr("Can not send command") + QStringLiteral(" %1").arg(param);
    case 4: return tr("Can not receive data");
    case 5: return tr("Device \"%1\" does not respond").arg(deviceName(param));
    case 6: return tr("External battery is low");
    case 7: return tr("Condensation inside");
    case 8: return tr("Short circuit (detected by software)");
    case 9: return tr("Short circuit (detected by hardware)");
    case 10: return tr("Open circuit (detected by software)");
    case 11: return tr("Open circuit (detected by hardware)");
    case 12: return tr("External battery is low or short circuit");
    case 13: return tr("Generator is overheated");
    case 14: return tr("Canceled by user");
    case 15: return tr("Code bug");
    default: return tr("Unknown error");
    }
}
