#include "templates/zaraddmodifyarraydialog.h"

#include "core/zarnames.h"
#include "frame/zartranslator.h"
#include "templates/zargrid.h"

zarAddModifyArrayDialog::zarAddModifyArrayDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
{
    setupUi(this);
    for (int type = 0; type < zarGrid::arrayTypes; ++type)
        arrayComboBox->addItem(arrayName(zarArrayType(type)));
    // As tall as the buttons with their large icons, for a finger.
    arrayComboBox->setMinimumSize(arrayComboBox->sizeHint().width(), acceptPushButton->sizeHint().height());
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    connect(zarTranslator::instance(), &zarTranslator::sendTranslate, this, &zarAddModifyArrayDialog::onTranslate);
    onTranslate();
}

int zarAddModifyArrayDialog::array() const
{
    return arrayComboBox->currentIndex();
}

void zarAddModifyArrayDialog::onTranslate()
{
    setWindowTitle(tr("Add / modify array"));
    arrayLabel->setText(tr("Array:"));
    acceptPushButton->setText(tr("Accept"));
    cancelPushButton->setText(tr("Cancel"));
}
