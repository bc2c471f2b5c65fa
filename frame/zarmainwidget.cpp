#include "frame/zarmainwidget.h"

#include "core/zarconstants.h"
#include "core/zarcore.h"
#include "frame/zartranslator.h"
#include "frame/zarusermessage.h"
#include "frame/zarwarningdialog.h"
#include "service/zargpsmanager.h"
#include "templates/zarpseudodepth.h"
#include "templates/zarsequencebuilder.h"

#include <QCloseEvent>
#include <QDir>

zarMainWidget::zarMainWidget(QWidget* parent) : QWidget(parent)
{
    QDir dir;
    for (const zarDirectory* path : { &ertlabDir, &templatesDir, &sessionsDir, &systemDir, &tmpDir })
        dir.mkpath(*path);

    setupUi(this);
    setWindowTitle(QStringLiteral("K-Tal"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/icons/terminal.png")));
    statusBar.setDisabled(true);
    verticalLayout->addWidget(&statusBar);
    verticalLayout_4->addWidget(&sessionMenu);
    verticalLayout_5->addWidget(&optionsPage);
    verticalLayout_6->addWidget(&templateMenu);
    verticalLayout_2->addWidget(&dataMenu);
    verticalLayout_7->addWidget(&systemMenu);

    connect(&systemMenu, &zarSystemWidget::sendPowerOff, this, &zarMainWidget::close);
    connect(zarTranslator::instance(), &zarTranslator::sendTranslate, this, &zarMainWidget::onTranslate);
    // The captions beside the readouts follow a switch too, not only the start-up language.
    connect(zarTranslator::instance(), &zarTranslator::sendTranslate, &statusBar, &zarStatusBar::onTranslate);
    userMessage = zarUserMessage::instance();
    connect(userMessage, &zarUserMessage::sendUserMessage, &statusBar, &zarStatusBar::onUserMessage);
    connect(userMessage, &zarUserMessage::sendUserMessageForever, &statusBar, &zarStatusBar::onUserMessageForever);

    setFixedSize(1024, 600);
    onTranslate();
}

void zarMainWidget::onTranslate()
{
    tabWidget->setTabText(0, tr("MAIN"));
    tabWidget->setTabText(1, tr("OPTIONS"));
    tabWidget->setTabText(2, tr("TEMPLATES"));
    tabWidget->setTabText(3, tr("DATA"));
    tabWidget->setTabText(4, tr("SYSTEM"));
}

void zarMainWidget::shutDown()
{
    if (m_shutDown)
        return;
    m_shutDown = true;
    optionsPage.saveSettings();
    zarPseudoDepth::destroy();
    zarCore::destroy();
    zarGPSManager::destroy();
    zarSequenceBuilder::destroy();
    zarUserMessage::destroy();
    userMessage = nullptr;
    zarWarningDialog::hideBusy();
    zarTranslator::destroy();
}

// Before anything is destroyed, the open screens close through their own handling:
// the engineer's logs, a template's "save?" question, a session's measured rows. The
// session goes last: a measurement is stopped only once every other screen has agreed.
bool zarMainWidget::closeOpenScreens()
{
    // Each page asks on its own tab, so the operator sees what a question is about; a
    // page that keeps its screen stays in front.
    auto closeOn = [this](QWidget* tab, auto& page) {
        tabWidget->setCurrentWidget(tab);
        return page.closeOpenScreen();
    };
    QWidget* current = tabWidget->currentWidget();
    if (!(closeOn(systemTab, systemMenu) && closeOn(templatesTab, templateMenu) && closeOn(dataTab, dataMenu)
          && closeOn(mainTab, sessionMenu)))
        return false;
    tabWidget->setCurrentWidget(current);
    return true;
}

void zarMainWidget::closeEvent(QCloseEvent* event)
{
    if (!m_shutDown && !closeOpenScreens()) {
        event->ignore();
        return;
    }
    shutDown();
    event->accept();
}
