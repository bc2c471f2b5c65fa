#include "frame/zarlanguagewidget.h"

#include "core/zarconstants.h"
#include "frame/zartranslator.h"

#include <QCloseEvent>
#include <QSettings>

zarLanguageWidget::zarLanguageWidget(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    connect(ruPushButton, &QPushButton::clicked, this, &zarLanguageWidget::onRU);
    connect(usPushButton, &QPushButton::clicked, this, &zarLanguageWidget::onUS);
    connect(zarTranslator::instance(), &zarTranslator::sendTranslate, this, &zarLanguageWidget::onTranslate);
    onTranslate();
}

void zarLanguageWidget::onTranslate()
{
    pushButton->setText(tr("Accept"));
    groupBox->setTitle(tr("Language"));
    ruPushButton->setText(tr("RU"));
    usPushButton->setText(tr("US"));
}

void zarLanguageWidget::onRU()
{
    zarTranslator::instance()->setLanguage(QStringLiteral("Ru"));
}

void zarLanguageWidget::onUS()
{
    zarTranslator::instance()->setLanguage(QStringLiteral("En"));
}

void zarLanguageWidget::closeEvent(QCloseEvent* event)
{
    {
        QSettings settings(settingsScope, QStringLiteral("zarTranslator"));
        settings.setValue(QStringLiteral("language"), zarTranslator::instance()->language());
    }
    // The receiver may delete this screen: touch nothing of it afterwards.
    event->accept();
    emit sendLanguageWidgetClose();
}
