#include "sessions/zarsessionmenuwidget.h"

#include "core/zarconstants.h"
#include "frame/zartranslator.h"

#include <QSettings>

zarSessionMenuWidget::zarSessionMenuWidget(QWidget* parent)
    : QWidget(parent),
      m_normalIcon(QStringLiteral(":/icons/icons/folderTwo.png")),
      m_alternateIcon(QStringLiteral(":/icons/icons/folderThree.png"))
{
    setupUi(this);
    connect(newPushButton, &QPushButton::clicked, this, &zarSessionMenuWidget::onSessionCreate);
    connect(ertPushButton, &QPushButton::clicked, this, &zarSessionMenuWidget::onSessionERT);
    connect(openPushButton, &QPushButton::clicked, this, &zarSessionMenuWidget::onSessionLoad);
    connect(&m_blinkTimer, &QTimer::timeout, this, &zarSessionMenuWidget::onAuxTimeout);
    checkSessionClose();
    connect(zarTranslator::instance(), &zarTranslator::sendTranslate, this, &zarSessionMenuWidget::onTranslate);
    onTranslate();
    newPushButton->setDisabled(true);
    openPushButton->setDisabled(true);
}

void zarSessionMenuWidget::onTranslate()
{
    newPushButton->setText(tr("Start new session"));
    ertPushButton->setText(tr("Start new ERTLab session"));
    openPushButton->setText(tr("Open previous session"));
}

// After an unclean end the open button blinks.
void zarSessionMenuWidget::checkSessionClose()
{
    QSettings settings(settingsScope, QStringLiteral("zarSessionMenuWidget"));
    if (settings.value(QStringLiteral("sessionCloseSuccess"), 1).toInt() != 0) {
        m_blinkTimer.stop();
        openPushButton->setIcon(m_normalIcon);
    } else {
        m_blinkTimer.start(1000);
    }
}

void zarSessionMenuWidget::onAuxTimeout()
{
    openPushButton->setIcon(m_blinkPhase ? m_normalIcon : m_alternateIcon);
    m_blinkPhase = !m_blinkPhase;
}

void zarSessionMenuWidget::onSessionCreate()
{
}

void zarSessionMenuWidget::onSessionERT()
{
}

void zarSessionMenuWidget::onSessionLoad()
{
}
