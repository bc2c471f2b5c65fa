#include "frame/zarsystemwidget.h"

#include "engineer/zarengineerwidget.h"
#include "frame/zarcommandrunner.h"
#include "frame/zarlanguagewidget.h"
#include "frame/zarpassworddialog.h"
#include "frame/zartranslator.h"
#include "frame/zarwarningdialog.h"
#include "service/zarclockwidget.h"
#include "service/zardevicetablewidget.h"
#include "service/zargpswidget.h"
#include "service/zarreleasewidget.h"
#include "service/zarupdatewidget.h"

#include <exception>

bool zarSystemWidget::s_busy = false;

namespace {
const int usbCommandTimeoutMs = 30000;
}

zarSystemWidget::zarSystemWidget(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    for (QToolButton* button : { usbToolButton, devicesToolButton, updateToolButton, clockToolButton,
                                 gpsToolButton, engineerToolButton })
        button->setDisabled(true);
    connect(exitToolButton, &QToolButton::clicked, this, &zarSystemWidget::onExit);
    connect(usbToolButton, &QToolButton::clicked, this, &zarSystemWidget::onUsb);
    connect(devicesToolButton, &QToolButton::clicked, this, &zarSystemWidget::onDevices);
    connect(engineerToolButton, &QToolButton::clicked, this, &zarSystemWidget::onEngineer);
    connect(languageToolButton, &QToolButton::clicked, this, &zarSystemWidget::onLanguage);
    connect(gpsToolButton, &QToolButton::clicked, this, &zarSystemWidget::onGPS);
    connect(releaseToolButton, &QToolButton::clicked, this, &zarSystemWidget::onRelease);
    connect(updateToolButton, &QToolButton::clicked, this, &zarSystemWidget::onUpdate);
    connect(clockToolButton, &QToolButton::clicked, this, &zarSystemWidget::onClock);
    connect(zarTranslator::instance(), &zarTranslator::sendTranslate, this, &zarSystemWidget::onTranslate);
    onTranslate();
}

void zarSystemWidget::setBusy(bool busy)
{
    s_busy = busy;
}

bool zarSystemWidget::isBusy()
{
    return s_busy;
}

QWidget* zarSystemWidget::openScreen() const
{
    for (QWidget* screen : std::initializer_list<QWidget*> { engineerWidget, deviceTableWidget, gpsWidget,
                                                             languageWidget, releaseWidget, updateWidget, clockWidget })
        if (screen)
            return screen;
    return nullptr;
}

bool zarSystemWidget::closeOpenScreen()
{
    QWidget* screen = openScreen();
    return !screen || screen->close();
}

void zarSystemWidget::onTranslate()
{
    exitToolButton->setText(tr("Exit"));
    devicesToolButton->setText(tr("Devices"));
    engineerToolButton->setText(tr("Engineer"));
    languageToolButton->setText(tr("Language"));
    updateToolButton->setText(tr("Update"));
    releaseToolButton->setText(tr("Release"));
    clockToolButton->setText(tr("Clock"));
}

void zarSystemWidget::showButtons(bool visible)
{
    for (QToolButton* button : { exitToolButton, usbToolButton, engineerToolButton, devicesToolButton, updateToolButton,
                                 languageToolButton, gpsToolButton, releaseToolButton, clockToolButton })
        button->setVisible(visible);
}

template <class Screen, class Create>
void zarSystemWidget::open(Screen*& member, Create create, void (Screen::*closeSignal)(),
                           void (zarSystemWidget::*closeSlot)())
{
    try {
        member = create();
        showButtons(false);
        verticalLayout->setContentsMargins(0, 0, 0, 0);
        verticalLayout->addWidget(member);
        connect(member, closeSignal, this, closeSlot);
    } catch (...) {
        zarWarningDialog::warning(tr("System error"));
        (this->*closeSlot)();
    }
}

// Called from inside the screen's own close handler: take it out of the page now,
// delete it once that handler has returned.
template <class Screen>
void zarSystemWidget::closeScreen(Screen*& member)
{
    if (member) {
        verticalLayout->removeWidget(member);
        member->hide();
        member->disconnect(this);
        member->deleteLater();
    }
    member = nullptr;
    verticalLayout->setContentsMargins(6, 6, 6, 6);
    showButtons(true);
}

void zarSystemWidget::onExit()
{
    if (s_busy) {
        zarWarningDialog::warning(tr("Stop all activities to exit"));
        return;
    }
    if (zarWarningDialog::question(tr("Are you sure you want to exit?")) == 1)
        emit sendPowerOff();
}

void zarSystemWidget::onUsb()
{
    if (s_busy) {
        zarWarningDialog::warning(tr("Stop all activities to enter USB storage mode"));
        return;
    }
    const zarCommandRunner::Outcome started =
        zarCommandRunner::run(QStringLiteral("usb_start"), {}, usbCommandTimeoutMs);
    if (started == zarCommandRunner::Succeeded)
        zarWarningDialog::warning(tr("Press OK to leave USB storage mode"));
    else
        zarWarningDialog::warning(tr("Can not enter USB storage mode"));
    // Always undo: a failed or hung start may have left the storage half shared.
    zarWarningDialog::showBusy(tr("Please wait..."));
    const zarCommandRunner::Outcome stopped =
        zarCommandRunner::run(QStringLiteral("usb_stop"), {}, usbCommandTimeoutMs);
    zarWarningDialog::hideBusy();
    if (stopped != zarCommandRunner::Succeeded && started == zarCommandRunner::Succeeded)
        zarWarningDialog::warning(tr("Can not leave USB storage mode"));
}

void zarSystemWidget::onDevices()
{
    open(deviceTableWidget, [] { return new zarDeviceTableWidget(); },
         &zarDeviceTableWidget::sendDeviceTableWidgetClose, &zarSystemWidget::onDeviceTableWidgetClose);
}

void zarSystemWidget::onEngineer()
{
    if (s_busy) {
        zarWarningDialog::warning(tr("Stop all activities to enter engineer mode"));
        return;
    }
    zarPasswordDialog password;
    if (engineerWidget)
        return;
    if (password.exec() != QDialog::Accepted)
        return;
    const int mode = password.mode();
    open(engineerWidget, [mode] { return new zarEngineerWidget(mode); },
         &zarEngineerWidget::sendEngineerWidgetClose, &zarSystemWidget::onEngineerWidgetClose);
}

void zarSystemWidget::onLanguage()
{
    open(languageWidget, [] { return new zarLanguageWidget(); },
         &zarLanguageWidget::sendLanguageWidgetClose, &zarSystemWidget::onLanguageWidgetClose);
}

void zarSystemWidget::onGPS()
{
    open(gpsWidget, [] { return new zarGPSWidget(); }, &zarGPSWidget::sendGPSWidgetClose,
         &zarSystemWidget::onGPSWidgetClose);
}

void zarSystemWidget::onRelease()
{
    open(releaseWidget, [] { return new zarReleaseWidget(); }, &zarReleaseWidget::sendReleaseWidgetClose,
         &zarSystemWidget::onReleaseWidgetClose);
}

void zarSystemWidget::onUpdate()
{
    if (s_busy) {
        zarWarningDialog::warning(tr("Stop all activities to update"));
        return;
    }
    open(updateWidget, [] { return new zarUpdateWidget(); }, &zarUpdateWidget::sendUpdateWidgetClose,
         &zarSystemWidget::onUpdateWidgetClose);
}

void zarSystemWidget::onClock()
{
    open(clockWidget, [] { return new zarClockWidget(); }, &zarClockWidget::sendClockWidgetClose,
         &zarSystemWidget::onClockWidgetClose);
}

void zarSystemWidget::onEngineerWidgetClose() { closeScreen(engineerWidget); }
void zarSystemWidget::onLanguageWidgetClose() { closeScreen(languageWidget); }
void zarSystemWidget::onDeviceTableWidgetClose() { closeScreen(deviceTableWidget); }
void zarSystemWidget::onGPSWidgetClose() { closeScreen(gpsWidget); }
void zarSystemWidget::onReleaseWidgetClose() { closeScreen(releaseWidget); }
void zarSystemWidget::onUpdateWidgetClose() { closeScreen(updateWidget); }
void zarSystemWidget::onClockWidgetClose() { closeScreen(clockWidget); }
