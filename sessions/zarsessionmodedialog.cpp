#include "sessions/zarsessionmodedialog.h"

#include "frame/zartranslator.h"

zarSessionModeDialog::zarSessionModeDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
{
    setupUi(this);
    appendComboBox->addItems({ QStringLiteral("32"), QStringLiteral("16") });
    setFixedSize(450, 230);
    connect(zarTranslator::instance(), &zarTranslator::sendTranslate, this, &zarSessionModeDialog::onTranslate);
    onTranslate();
}

quint16 zarSessionModeDialog::offsetFor(int result, const QString& segment)
{
    if (result == QDialog::Accepted)
        return 0;
    return quint16(64 - segment.toInt());
}

void zarSessionModeDialog::onTranslate()
{
    setWindowTitle(tr("Session mode"));
    fullPushButton->setText(tr("Full"));
    appendPushButton->setText(tr("Append"));
    _segmentLabel->setText(tr("Cable segment to append:"));
}
