#include "engineer/zarnetworkaddresses.h"

#include <QNetworkInterface>

namespace {
zarNetworkAddresses::Source& source()
{
    static zarNetworkAddresses::Source s;
    return s;
}
} // namespace

void zarNetworkAddresses::setSource(Source s)
{
    source() = std::move(s);
}

QList<zarNetworkAddresses::Entry> zarNetworkAddresses::list()
{
    if (source())
        return source()();
    QList<Entry> entries;
    for (const QNetworkInterface& nic : QNetworkInterface::allInterfaces()) {
        const QNetworkInterface::InterfaceFlags flags = nic.flags();
        const bool up = flags.testFlag(QNetworkInterface::IsUp) && flags.testFlag(QNetworkInterface::IsRunning);
        for (const QNetworkAddressEntry& address : nic.addressEntries())
            entries.append({ address.ip(), up });
    }
    return entries;
}

bool zarNetworkAddresses::counts(const Entry& entry)
{
    const QHostAddress& a = entry.address;
    return entry.interfaceUp && !a.isNull() && !a.isLoopback() && !a.isLinkLocal()
        && a != QHostAddress::AnyIPv4 && a != QHostAddress::AnyIPv6;
}
