#include "sessions/zarsessionmenuwidget.h"

#include "core/zarconstants.h"
#include "frame/zaroptionswidget.h"
#include "frame/zartranslator.h"
#include "frame/zarwarningdialog.h"

#include <QFile>
#include <QSettings>

bool zarSessionMenuWidget::s_blinkPhase = false;

zarSessionMenuWidget::zarSessionMenuWidget(QWidget* parent)
    : zarSessionHostWidget(parent),
      normalIcon(QStringLiteral(":/icons/icons/folderTwo.png")),
      alternateIcon(QStringLiteral(":/icons/icons/folderThree.png"))
{
    setupUi(this);
    connect(newPushButton, &QPushButton::clicked, this, &zarSessionMenuWidget::onSessionCreate);
    connect(ertPushButton, &QPushButton::clicked, this, &zarSessionMenuWidget::onSessionERT);
    connect(openPushButton, &QPushButton::clicked, this, &zarSessionMenuWidget::onSessionLoad);
    connect(&blinkTimer, &QTimer::timeout, this, &zarSessionMenuWidget::onAuxTimeout);
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
        blinkTimer.stop();
        openPushButton->setIcon(normalIcon);
    } else {
        blinkTimer.start(1000);
    }
}

void zarSessionMenuWidget::onAuxTimeout()
{
    openPushButton->setIcon(s_blinkPhase ? normalIcon : alternateIcon);
    s_blinkPhase = !s_blinkPhase;
}

void zarSessionMenuWidget::showMenu(bool show)
{
    if (show) {
        checkSessionClose();
    } else {
        blinkTimer.stop();
        openPushButton->setIcon(normalIcon);
    }
    for (QPushButton* button : { newPushButton, ertPushButton, openPushButton })
        button->setVisible(show);
    const int margin = show ? 20 : 0;
    verticalLayout->setContentsMargins(margin, margin, margin, margin);
}

void zarSessionMenuWidget::onSessionCreate()
{
    openSession(QString());
}

void zarSessionMenuWidget::onSessionERT()
{
    openSession(ertlabMarker);
}

void zarSessionMenuWidget::onSessionLoad()
{
    const QString path = systemDir + autosaveName;
    if (QFile::exists(path))
        openSession(path);
    else
        zarWarningDialog::warning(tr("Can not find previous session"));
}

void zarSessionMenuWidget::openSession(const QString& what)
{
    openScreen(false, what);
}

void zarSessionMenuWidget::onSessionClose()
{
    closeScreen();
    zarOptionsWidget::setPauseDurationDisabled(false);
}
