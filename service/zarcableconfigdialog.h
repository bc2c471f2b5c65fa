#ifndef ZARCABLECONFIGDIALOG_H
#define ZARCABLECONFIGDIALOG_H

#include "service/zarcableconfiguration.h"

#include <QDialog>

// Cable configuration with the grounding check of every wire.
// Interim shape: accepts or cancels and hands over the wires' initial state.
class zarCableConfigDialog : public QDialog
{
    Q_OBJECT

public:
    zarCableConfigDialog(QWidget* parent, quint8 cables, bool remoteTx, bool remoteRx);

    zarCableConfiguration configuration() const;

    quint8 cables() const { return m_cables; }
    bool remoteTxOffered() const { return m_remoteTx; }
    bool remoteRxOffered() const { return m_remoteRx; }

private:
    quint8 m_cables = 2;
    bool m_remoteTx = false;
    bool m_remoteRx = false;
};

#endif
