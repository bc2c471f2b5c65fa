#include "service/zarcablewire.h"

#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

namespace {
// Built with the first cable wire, shared by all, kept until the program ends.
const QIcon* enabledIcon = nullptr;
const QIcon* disabledIcon = nullptr;

QString trObject(const char* text)
{
    return QCoreApplication::translate("QObject", text);
}
}

zarCableWire::zarCableWire(QLabel* label, bool singleLine) : m_singleLine(singleLine), m_label(label) {}

zarCableWire::zarCableWire(QLabel* label, QPushButton* stateButton) : m_stateButton(stateButton), m_label(label)
{
    if (!enabledIcon) {
        enabledIcon = new QIcon(QStringLiteral(":/wires/wires/enabled.png"));
        disabledIcon = new QIcon(QStringLiteral(":/wires/wires/disabled.png"));
    }
}

void zarCableWire::reset()
{
    m_resistance = notMeasured;
    m_disabled = false;
}

void zarCableWire::setResistance(float value)
{
    m_resistance = value > 0.0f ? value : notMeasured;
}

void zarCableWire::markIfAbove(float threshold)
{
    if (m_resistance >= threshold)
        m_disabled = true;
}

void zarCableWire::refresh(float threshold) const
{
    if (m_stateButton)
        m_stateButton->setIcon(m_disabled ? *disabledIcon : *enabledIcon);
    if (!m_label)
        return;
    QPalette palette;
    QColor colour;
    if (isMeasured()) {
        m_label->setText(QStringLiteral("%1\n%2").arg(m_resistance, 0, 'f', 2).arg(trObject("k")) + trObject("Ohm"));
        colour = m_resistance >= threshold ? Qt::red : Qt::blue;
    } else {
        m_label->setText(m_singleLine ? trObject("N / A") : QStringLiteral("%1\n ").arg(trObject("N / A")));
        colour = Qt::black;
    }
    // Inactive too: the colour tells failed wires, also while a message is on top.
    for (QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive })
        palette.setBrush(group, QPalette::WindowText, QBrush(colour, Qt::SolidPattern));
    m_label->setPalette(palette);
}
