#ifndef ZARNETWORKADDRESSES_H
#define ZARNETWORKADDRESSES_H

#include <QHostAddress>
#include <QList>

#include <functional>

// The computer's network addresses with the state of their interface. Tests put
// a list in place of the machine's own interfaces.
class zarNetworkAddresses
{
public:
    struct Entry
    {
        QHostAddress address;
        bool interfaceUp = false; // up and running
    };
    using Source = std::function<QList<Entry>()>;

    static QList<Entry> list();
    // A null source restores the machine's interfaces.
    static void setSource(Source source);
    // An address that shows a working network: its interface is up and running and
    // it is neither loopback, link-local nor unset.
    static bool counts(const Entry& entry);
};

#endif
