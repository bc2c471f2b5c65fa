#include "core/zarnames.h"

#include "core/zarsafesave.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

namespace {
QString tr(const char* text)
{
    return QCoreApplication::translate("QObject", text);
}

const QChar greek[3] = { QChar(0x03B1), QChar(0x03B2), QChar(0x03B3) };
const char* const gradientSteps[4] = { "3]", "5]", "7]", "9]" };

QString gradient(const QString& base, int step)
{
    return base + QStringLiteral(" [%1").arg(QChar(0x00B1)) + QLatin1String(gradientSteps[step]);
}

// Names Windows gives to devices, with or without an extension after them.
bool isDeviceName(const QString& name)
{
    const QString base = name.section(QLatin1Char('.'), 0, 0).trimmed().toUpper();
    static const QStringList devices = { QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"),
                                         QStringLiteral("NUL") };
    if (devices.contains(base))
        return true;
    return base.size() == 4 && (base.startsWith(QLatin1String("COM")) || base.startsWith(QLatin1String("LPT")))
           && base[3] >= QLatin1Char('1') && base[3] <= QLatin1Char('9');
}

bool hasForbiddenCharacter(const QString& name)
{
    for (const QChar c : name)
        if (c.unicode() < 0x20 || QStringLiteral("<>:\"/\\|?*").contains(c))
            return true;
    return false;
}

// The length the file system counts: UTF-16 units on Windows, the bytes of the
// encoded name elsewhere. The save's temporary copy is the longest name it meets.
int nameLength(const QString& fileName)
{
#ifdef Q_OS_WIN
    return fileName.size();
#else
    return QFile::encodeName(fileName).size();
#endif
}

const int nameMax = 255;
}

QString arrayName(zarArrayType type)
{
    switch (type) {
    case 0: case 1: case 2:
        return QStringLiteral("%1 %2").arg(tr("Wenner")).arg(greek[type]);
    case 12: case 13: case 14:
        return QStringLiteral("%1 %2").arg(tr("Reciprocal Wenner")).arg(greek[type - 12]);
    case 3: return tr("Schlumberger");
    case 4: return tr("Dipole-Dipole");
    case 5: return tr("Forward Pole-Dipole");
    case 6: return tr("Backward Pole-Dipole");
    case 7: return tr("Pole-Pole");
    case 8: case 9: case 10: case 11:
        return gradient(tr("Gradient"), type - 8);
    case 15: return tr("Reciprocal Schlumberger");
    case 16: return tr("Reciprocal Dipole-Dipole");
    case 17: return tr("Reciprocal Pole-Pole");
    case 18: case 19: case 20: case 21:
        return gradient(tr("Reciprocal Gradient"), type - 18);
    default:
        return tr("Unknown array");
    }
}

QString deviceName(zarAddress address)
{
    if (address >= 8 && address <= 23)
        return tr("Input voltage registrator %1").arg(address - 7);
    if (address >= 26 && address <= 41)
        return tr("Input voltage registrator %1 switch").arg(address - 25);
    switch (address) {
    case 0: return tr("Core");
    case 1: return tr("Internal battery indicator");
    case 2: return tr("External battery indicator");
    case 3: return tr("Moisture indicator");
    case 4: return tr("Speaker");
    case 5: return tr("Real-time clock");
    case 6: return tr("Reference voltage gererator");
    case 7: return tr("Internal generator");
    case 24: return tr("Output voltage registrator") + QStringLiteral(" (%1)").arg(17);
    case 25: return tr("Output current registrator") + QStringLiteral(" (%1)").arg(18);
    case 42: return tr("Generator switch");
    default: return tr("Unknown device");
    }
}

bool isPlainFileName(const QString& name, const QString& extension)
{
    return !name.trimmed().isEmpty() && !name.startsWith(QLatin1Char('.')) && !name.contains(QStringLiteral(".."))
           && !hasForbiddenCharacter(name) && !isDeviceName(name)
           && nameLength(name + QLatin1Char('.') + extension) + zarSafeSave::copySuffixLength <= nameMax;
}
