#include "templates/zararrangementdialog.h"

#include "frame/zarstylesheet.h"
#include "frame/zartranslator.h"

zarArrangementDialog::zarArrangementDialog(QWidget* parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    setupUi(this);
    setFixedSize(500, 200);
    cablesComboBox->addItem(QStringLiteral("1"));
    cablesComboBox->addItem(QStringLiteral("2"));
    connect(incCableSpacingToolButton, &QToolButton::clicked, this, &zarArrangementDialog::onIncCableSpacing);
    connect(decCableSpacingToolButton, &QToolButton::clicked, this, &zarArrangementDialog::onDecCableSpacing);
    connect(cableSpacingHorizontalSlider, &QSlider::valueChanged, this,
            &zarArrangementDialog::onCableSpacingLabelUpdate);
    connect(zarTranslator::instance(), &zarTranslator::sendTranslate, this, &zarArrangementDialog::onTranslate);
    zarStyleSheet::apply(cableSpacingHorizontalSlider, QStringLiteral(":/system/system/hSlider.qss"));
    onTranslate();
}

void zarArrangementDialog::setCableSpacing(zarCableSpacing spacing)
{
    cableSpacingHorizontalSlider->setValue(int(10 * spacing + 0.5f));
}

zarCableSpacing zarArrangementDialog::cableSpacing() const
{
    return zarCableSpacing(cableSpacingHorizontalSlider->value() / 10.0);
}

void zarArrangementDialog::setCables(zarCable cables)
{
    cablesComboBox->setCurrentIndex(cables - 1);
}

zarCable zarArrangementDialog::cables() const
{
    return zarCable(cablesComboBox->currentIndex() + 1);
}

void zarArrangementDialog::onTranslate()
{
    setWindowTitle(tr("Edit arrangement"));
    acceptPushButton->setText(tr("Accept"));
    cancelPushButton->setText(tr("Cancel"));
    _cablesLabel->setText(tr("Cables:"));
    _cableSpacingLabel->setText(tr("Cable spacing:"));
    // The unit follows the language; a slider never set keeps its 0.
    if (cableSpacingHorizontalSlider->value() != 0)
        onCableSpacingLabelUpdate(cableSpacingHorizontalSlider->value());
}

void zarArrangementDialog::onCableSpacingLabelUpdate(int value)
{
    // A spacing of 0 m is never offered: the slider springs back to 0.1 m.
    if (value == 0) {
        cableSpacingHorizontalSlider->setValue(1);
        return;
    }
    cableSpacingLabel->setText(QStringLiteral("%1 <font color=BLACK>%2</font>")
                                   .arg(QString::number(value / 10.0, 'f', 1), tr("m")));
}

void zarArrangementDialog::onIncCableSpacing()
{
    cableSpacingHorizontalSlider->setValue(cableSpacingHorizontalSlider->value() + 1);
}

void zarArrangementDialog::onDecCableSpacing()
{
    cableSpacingHorizontalSlider->setValue(cableSpacingHorizontalSlider->value() - 1);
}
