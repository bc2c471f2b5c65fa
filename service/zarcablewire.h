#ifndef ZARCABLEWIRE_H
#define ZARCABLEWIRE_H

class QLabel;
class QPushButton;

// One electrode wire of the cable dialog: its last grounding resistance, whether it
// is out of use, and the widgets that show it. Several wires may share widgets (all
// cables use the same 32 columns); the last refreshed one decides what they show.
class zarCableWire
{
public:
    // A remote electrode: a label only, "N / A" on one line when singleLine is set.
    zarCableWire(QLabel* label, bool singleLine);
    // A cable electrode with its state button.
    zarCableWire(QLabel* label, QPushButton* stateButton);

    void reset();
    // Values that are not positive (zero, negative, NaN) mean "not measured".
    void setResistance(float value);
    float resistance() const { return m_resistance; }
    // Disables the wire when it fails against threshold; never enables it.
    void markIfAbove(float threshold);
    void toggleDisabled() { m_disabled = !m_disabled; }
    bool isDisabled() const { return m_disabled; }
    bool isMeasured() const { return m_resistance != notMeasured; }
    // Fails: measured and at or above the threshold (kOhm).
    bool fails(float threshold) const { return isMeasured() && m_resistance >= threshold; }
    void refresh(float threshold) const;

    static constexpr float notMeasured = -1.0f;

private:
    float m_resistance = notMeasured;
    bool m_disabled = false;
    bool m_singleLine = false;
    QPushButton* m_stateButton = nullptr;
    QLabel* m_label = nullptr;
};

#endif
