#include "frame/zaroptionswidget.h"

#include "core/zarconstants.h"
#include "frame/zardialends.h"
#include "frame/zarstylesheet.h"
#include "frame/zartranslator.h"

#include <QSettings>

zarOptionsWidget* zarOptionsWidget::s_instance = nullptr;

namespace {

const QString settingsName = QStringLiteral("zarOptionsWidget");

int pauseCodeOf(int pauseMs)
{
    return pauseMs > 20 ? (pauseMs - 40) / 20 : 0;
}

// A stored index outside the list (or not a number) falls back to the default item.
void selectStored(QComboBox* box, const QVariant& stored, int fallback)
{
    bool ok = false;
    const int index = stored.toInt(&ok);
    box->setCurrentIndex(ok && index >= 0 && index < box->count() ? index : fallback);
}

int storedInt(const QVariant& stored, int fallback)
{
    bool ok = false;
    const int value = stored.toInt(&ok);
    return ok ? value : fallback;
}

} // namespace

zarOptionsWidget::zarOptionsWidget(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    pulseDurationComboBox->addItems(pulseDurationList.split(QLatin1Char(',')));
    pauseDurationComboBox->addItems(pauseDurationList.split(QLatin1Char(',')));
    deviationComboBox->addItems(deviationLimitList.split(QLatin1Char(',')));

    m_resPos.load(QStringLiteral(":/pulses/pulses/resPos.png"));
    m_resNeg.load(QStringLiteral(":/pulses/pulses/resNeg.png"));
    m_resIpPos.load(QStringLiteral(":/pulses/pulses/resIpPos.png"));
    m_resIpNeg.load(QStringLiteral(":/pulses/pulses/resIpNeg.png"));

    loadSettings();

    connect(transmitterDial, &QDial::valueChanged, this, &zarOptionsWidget::onTransmitterLabelUpdate);
    new zarDialEnds(transmitterDial); // owned by the dial
    connect(minStackingSlider, &QSlider::valueChanged, this, &zarOptionsWidget::onMinStackingUpdate);
    connect(maxStackingSlider, &QSlider::valueChanged, this, &zarOptionsWidget::onMaxStackingUpdate);
    connect(pulseDurationComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &zarOptionsWidget::onPulseInfoUpdate);
    connect(pauseDurationComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &zarOptionsWidget::onPulseInfoUpdate);
    connect(decMinStackingToolButton, &QToolButton::clicked, this, &zarOptionsWidget::onDecMinStacking);
    connect(incMinStackingToolButton, &QToolButton::clicked, this, &zarOptionsWidget::onIncMinStacking);
    connect(decMaxStackingToolButton, &QToolButton::clicked, this, &zarOptionsWidget::onDecMaxStacking);
    connect(incMaxStackingToolButton, &QToolButton::clicked, this, &zarOptionsWidget::onIncMaxStacking);
    connect(zarTranslator::instance(), &zarTranslator::sendTranslate, this, &zarOptionsWidget::onTranslate);

    if (!s_instance)
        s_instance = this;

    zarStyleSheet::apply(minStackingSlider, QStringLiteral(":/system/system/hSlider.qss"));
    zarStyleSheet::apply(maxStackingSlider, QStringLiteral(":/system/system/hSlider.qss"));
    onTranslate();
}

zarOptionsWidget::~zarOptionsWidget()
{
    if (s_instance == this)
        s_instance = nullptr;
}

void zarOptionsWidget::loadSettings()
{
    QSettings settings(settingsScope, settingsName);
    transmitterDial->setValue(storedInt(settings.value(QStringLiteral("transmitterDial")), 25));
    selectStored(pulseDurationComboBox, settings.value(QStringLiteral("pulseDurationComboBox"), 0), 0);
    selectStored(pauseDurationComboBox, settings.value(QStringLiteral("pauseDurationComboBox"), 0), 0);
    selectStored(deviationComboBox, settings.value(QStringLiteral("deviationComboBox"), 3), 3);
    maxStackingSlider->setValue(storedInt(settings.value(QStringLiteral("maxStackingSlider")), 5));
    // A stored minimum above the maximum is lowered to it.
    minStackingSlider->setValue(
        qMin(storedInt(settings.value(QStringLiteral("minStackingSlider")), 3), maxStackingSlider->value()));
    // No slot is connected yet: label the values explicitly.
    onTransmitterLabelUpdate(transmitterDial->value());
    onMinStackingUpdate(minStackingSlider->value());
    onMaxStackingUpdate(maxStackingSlider->value());
}

void zarOptionsWidget::saveSettings()
{
    QSettings settings(settingsScope, settingsName);
    settings.setValue(QStringLiteral("transmitterDial"), transmitterDial->value());
    settings.setValue(QStringLiteral("pulseDurationComboBox"), pulseDurationComboBox->currentIndex());
    settings.setValue(QStringLiteral("pauseDurationComboBox"), pauseDurationComboBox->currentIndex());
    settings.setValue(QStringLiteral("deviationComboBox"), deviationComboBox->currentIndex());
    settings.setValue(QStringLiteral("minStackingSlider"), minStackingSlider->value());
    settings.setValue(QStringLiteral("maxStackingSlider"), maxStackingSlider->value());
}

int zarOptionsWidget::pulseMs() const
{
    return pulseDurationComboBox->currentText().toInt();
}

int zarOptionsWidget::pauseMs() const
{
    return pauseDurationComboBox->currentText().toInt();
}

zarMeasureSettings zarOptionsWidget::options()
{
    zarMeasureSettings result;
    if (!s_instance)
        return result;
    const zarOptionsWidget* page = s_instance;
    result.pulseDuration = quint16(page->pulseMs());
    result.pulseCode = quint16((int(result.pulseDuration) - 40) / 20);
    const quint16 pause = quint16(page->pauseMs());
    result.ip = pause > 20;
    result.pauseCode = result.ip ? quint16((int(pause) - 40) / 20) : 0;
    result.deviation = page->deviationComboBox->currentText().toFloat();
    result.minStacking = quint8(page->minStackingSlider->value());
    result.maxStacking = quint8(page->maxStackingSlider->value());
    result.transmitterPower = quint8(page->transmitterDial->value());
    return result;
}

void zarOptionsWidget::estimateDuration(int& shortest, int& longest)
{
    shortest = 0;
    longest = 0;
    if (!s_instance)
        return;
    const int stack = 2 * s_instance->pulseMs() + 2 * s_instance->pauseMs();
    shortest = s_instance->minStackingSlider->value() * stack + 305;
    longest = s_instance->maxStackingSlider->value() * stack + 305;
}

void zarOptionsWidget::setPauseDurationDisabled(bool disabled)
{
    if (s_instance)
        s_instance->pauseDurationComboBox->setDisabled(disabled);
}

void zarOptionsWidget::selectPauseByCode(const zarMeasureSettings& settings)
{
    if (!s_instance)
        return;
    QComboBox* box = s_instance->pauseDurationComboBox;
    for (int i = 0; i < box->count(); ++i) {
        if (pauseCodeOf(box->itemText(i).toInt()) == settings.pauseCode) {
            box->setCurrentIndex(i);
            return;
        }
    }
}

void zarOptionsWidget::onTransmitterLabelUpdate(int percent)
{
    const int p = qBound(0, percent, 100);
    const double volts = double(462.50003f) * p * double(0.01f) + 37.5;
    transmitterLabel->setText(QStringLiteral("<font color=blue>%1</font> ").arg(volts, 0, 'f', 0) + tr("V"));
}

void zarOptionsWidget::onPulseInfoUpdate()
{
    const int pulse = pulseMs();
    const int pause = pauseMs();
    const QString value = QStringLiteral("<font color=BLUE>%1</font> %2");
    pulsePosLabel->setText(value.arg(pulse).arg(tr("msec")));
    pulseNegLabel->setText(value.arg(pulse).arg(tr("msec")));
    pausePosLabel->setText(value.arg(pause).arg(tr("msec")));
    pauseNegLabel->setText(value.arg(pause).arg(tr("msec")));
    // The lists never hold a zero period; guard anyway rather than divide by zero.
    const int period = 2 * (pulse + pause);
    const double frequency = period > 0 ? 1000.0 / period : 0.0;
    frequencyLabel->setText(QStringLiteral("%1").arg(frequency, 0, 'f', 2));
    if (pause <= 20) {
        posPixLabel->setPixmap(m_resPos);
        negPixLabel->setPixmap(m_resNeg);
        modeLabel->setText(QStringLiteral("<font color=BLUE>%1</font>").arg(tr("RESISTIVITY")));
    } else {
        posPixLabel->setPixmap(m_resIpPos);
        negPixLabel->setPixmap(m_resIpNeg);
        modeLabel->setText(QStringLiteral("<font color=BLUE>%1</font> + <font color=BLUE>%2</font>")
                               .arg(tr("RESISTIVITY"), tr("IP")));
    }
}

void zarOptionsWidget::onMinStackingUpdate(int value)
{
    if (maxStackingSlider->value() < value) {
        minStackingSlider->setValue(maxStackingSlider->value());
        return;
    }
    minStackingLabel->setText(QStringLiteral("<font color=BLUE>%1</font>").arg(value));
}

void zarOptionsWidget::onMaxStackingUpdate(int value)
{
    if (minStackingSlider->value() > value) {
        maxStackingSlider->setValue(minStackingSlider->value());
        return;
    }
    maxStackingLabel->setText(QStringLiteral("<font color=BLUE>%1</font>").arg(value));
}

void zarOptionsWidget::onDecMinStacking()
{
    minStackingSlider->setValue(minStackingSlider->value() - 1);
}

void zarOptionsWidget::onIncMinStacking()
{
    minStackingSlider->setValue(minStackingSlider->value() + 1);
}

void zarOptionsWidget::onDecMaxStacking()
{
    maxStackingSlider->setValue(maxStackingSlider->value() - 1);
}

void zarOptionsWidget::onIncMaxStacking()
{
    maxStackingSlider->setValue(maxStackingSlider->value() + 1);
}

void zarOptionsWidget::onTranslate()
{
    pulsesGroupBox->setTitle(tr("Pulses"));
    qualityGroupBox->setTitle(tr("Quality"));
    transmitterVoltageGroupBox->setTitle(tr("Transmitter voltage"));
    const QString unit = QStringLiteral("%1 [%2]:");
    _pulseDurationLabel->setText(unit.arg(tr("Pulse duration"), tr("msec")));
    _pauseDurationLabel->setText(unit.arg(tr("Pause duration"), tr("msec")));
    _frequencyLabel->setText(unit.arg(tr("Frequency"), tr("Hz")));
    _modeLabel->setText(tr("Mode:"));
    _deviationLabel->setText(QStringLiteral("%1 [%]:").arg(tr("Relative standart deviation")));
    _minStackingLabel->setText(tr("Min stacking:"));
    _maxStackingLabel->setText(tr("Max stacking:"));
    onPulseInfoUpdate();
    onTransmitterLabelUpdate(transmitterDial->value());
}
