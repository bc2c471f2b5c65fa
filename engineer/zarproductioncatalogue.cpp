#include "engineer/zarproductioncatalogue.h"

#include <QCoreApplication>

namespace {
const char* const context = "zarEngineerWidget";

QString text(const char* source)
{
    return QCoreApplication::translate(context, source);
}

QString number(double value)
{
    return QString::number(value, 'f', 1);
}

const QChar infinity(0x221E);
const QChar plusMinus(0x00B1);
const QChar lessOrEqual(0x2264);

const char* const titleTexts[] = {
    QT_TRANSLATE_NOOP("zarEngineerWidget", "Adjust Rx channels"),
    QT_TRANSLATE_NOOP("zarEngineerWidget", "Check Rx channels adjustment"),
    QT_TRANSLATE_NOOP("zarEngineerWidget", "Check A and B sockets and Rx channels for Tx monitoring"),
    QT_TRANSLATE_NOOP("zarEngineerWidget", "Check Tx and Rx switches interconnections"),
    QT_TRANSLATE_NOOP("zarEngineerWidget", "Check M and N sockets"),
    QT_TRANSLATE_NOOP("zarEngineerWidget", "Check Tx%1 and Rx%1 sockets"),
    QT_TRANSLATE_NOOP("zarEngineerWidget", "Check 1...32 cable socket"),
    QT_TRANSLATE_NOOP("zarEngineerWidget", "Check 33...64 cable socket"),
    QT_TRANSLATE_NOOP("zarEngineerWidget", "Check USB"),
    QT_TRANSLATE_NOOP("zarEngineerWidget", "Check LAN"),
    QT_TRANSLATE_NOOP("zarEngineerWidget", "Check Tx low supply voltage protection"),
    QT_TRANSLATE_NOOP("zarEngineerWidget", "Check Tx short circuit protection"),
    QT_TRANSLATE_NOOP("zarEngineerWidget", "Check Tx output power"),
    QT_TRANSLATE_NOOP("zarEngineerWidget", "Check Tx output voltage"),
    QT_TRANSLATE_NOOP("zarEngineerWidget", "Check 1...32 cable isolation"),
    QT_TRANSLATE_NOOP("zarEngineerWidget", "Check 33...64 cable isolation"),
    QT_TRANSLATE_NOOP("zarEngineerWidget", "Check Tx operability (1 hour)"),
    QT_TRANSLATE_NOOP("zarEngineerWidget", "Check Rx channels polarity"),
    QT_TRANSLATE_NOOP("zarEngineerWidget", "Check Tx output current"),
    QT_TRANSLATE_NOOP("zarEngineerWidget", "Check GPS"),
    QT_TRANSLATE_NOOP("zarEngineerWidget", "Check Tx overheat protection"),
    QT_TRANSLATE_NOOP("zarEngineerWidget", "Check Rx channels reproducibility"),
};

// The source lines of the resistor instructions.
const char* const connectAB = QT_TRANSLATE_NOOP("zarEngineerWidget", "Please connect A and B sockets with resistor:");
const char* const connectMN = QT_TRANSLATE_NOOP("zarEngineerWidget", "Please connect M and N sockets with resistor:");
const char* const connectRemote = QT_TRANSLATE_NOOP("zarEngineerWidget", "Please connect Tx%1 and Rx%1 sockets with resistor:");
const char* const kOhm = QT_TRANSLATE_NOOP("zarEngineerWidget", "resistance: %1 kOhm %2 %3 %,");
const char* const kOhmOrMore = QT_TRANSLATE_NOOP("zarEngineerWidget", "resistance: %1 kOhm %2 %3 % or more,");
const char* const ohm = QT_TRANSLATE_NOOP("zarEngineerWidget", "resistance: %1 Ohm %2 %3 %,");
const char* const ohmOrMore = QT_TRANSLATE_NOOP("zarEngineerWidget", "resistance: %1 Ohm %2 %3 % or more,");
const char* const powerComma = QT_TRANSLATE_NOOP("zarEngineerWidget", "max. power: %1 W or more,");
const char* const powerStop = QT_TRANSLATE_NOOP("zarEngineerWidget", "max power: %1 W or more.");
const char* const voltage = QT_TRANSLATE_NOOP("zarEngineerWidget", "max voltage: %1 V or more.");

QString resistor(const char* connectLine, const char* resistanceLine, double resistance, const char* powerLine,
                 double power, double volts)
{
    const QString connect = text(connectLine).replace(QStringLiteral("%1"), infinity);
    const QString tolerance = text(resistanceLine).arg(number(resistance)).arg(plusMinus).arg(10);
    return connect + QLatin1Char('\n') + tolerance + QLatin1Char('\n') + text(powerLine).arg(number(power))
        + QLatin1Char('\n') + text(voltage).arg(number(volts));
}
} // namespace

QStringList zarProductionCatalogue::titles()
{
    QStringList titles;
    for (const char* source : titleTexts)
        titles << text(source);
    titles[5].replace(QStringLiteral("%1"), infinity);
    return titles;
}

QStringList zarProductionCatalogue::instructions()
{
    return {
        text(QT_TRANSLATE_NOOP("zarEngineerWidget", "Rx channels are going to be adjusted.")),
        text(QT_TRANSLATE_NOOP("zarEngineerWidget", "Rx channels are going to be tested.")),
        resistor(connectAB, kOhm, 1.0, powerComma, 1.4, 37.5),
        resistor(connectAB, kOhm, 1.0, powerComma, 1.4, 37.5),
        resistor(connectMN, kOhm, 1.0, powerComma, 1.4, 37.5),
        resistor(connectRemote, kOhm, 1.0, powerComma, 1.4, 37.5),
        text(QT_TRANSLATE_NOOP("zarEngineerWidget", "Please connect checking module to 1...32 socket.")),
        text(QT_TRANSLATE_NOOP("zarEngineerWidget", "Please connect checking module to 33...64 socket.")),
        text(QT_TRANSLATE_NOOP("zarEngineerWidget",
                               "Please connect USB sockets of this device and\npowered-on computer with USB cable.")),
        text(QT_TRANSLATE_NOOP("zarEngineerWidget", "Please connect LAN sockets of this device and\nlocal network with "
                                                    "patch cord and wait for 20 seconds.")),
        text(QT_TRANSLATE_NOOP("zarEngineerWidget", "Please make supply voltage less than %1 V.")).arg(number(10.5)),
        text(QT_TRANSLATE_NOOP("zarEngineerWidget", "Please connect A and B sockets with a wire to\nmake short circuit.")),
        resistor(connectAB, kOhm, 1.0, powerComma, 200.0, 500.0),
        resistor(connectAB, kOhmOrMore, 5.0, powerComma, 50.0, 500.0),
        text(QT_TRANSLATE_NOOP("zarEngineerWidget", "Please connect multi-electrode cable to 1...32 socket.")),
        text(QT_TRANSLATE_NOOP("zarEngineerWidget", "Please connect multi-electrode cable to 33...64 socket.")),
        resistor(connectAB, ohmOrMore, 30.0, powerStop, 200.0, 500.0),
        resistor(connectAB, kOhmOrMore, 1.0, powerComma, 1.4, 37.5),
        resistor(connectAB, ohm, 30.0, powerStop, 120.0, 60.0),
        text(QT_TRANSLATE_NOOP("zarEngineerWidget", "GPS receiver is going to be tested.")),
        text(QT_TRANSLATE_NOOP("zarEngineerWidget", "Please start heating Tx.")),
        text(QT_TRANSLATE_NOOP("zarEngineerWidget",
                               "Please connect reference voltage source (%1 %2 mV) to A and B sockets."))
            .arg(lessOrEqual)
            .arg(12000),
    };
}
