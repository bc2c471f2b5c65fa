#include "service/zarcableconfigdialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

zarCableConfigDialog::zarCableConfigDialog(QWidget* parent, quint8 cables, bool remoteTx, bool remoteRx)
    : QDialog(parent), m_cables(cables == 0 ? 2 : cables), m_remoteTx(remoteTx), m_remoteRx(remoteRx)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

zarCableConfiguration zarCableConfigDialog::configuration() const
{
    zarCableConfiguration result;
    for (int i = 0; i < m_cables * 32; ++i)
        result.wires.append(zarCableConfiguration::Wire());
    result.remoteTx = m_remoteTx;
    result.remoteTxResistance = m_remoteTx ? -1.0f : 0.0f;
    result.remoteRx = m_remoteRx;
    result.remoteRxResistance = m_remoteRx ? -1.0f : 0.0f;
    return result;
}
