#ifndef ZARSYSTEMWIDGET_H
#define ZARSYSTEMWIDGET_H

#include "ui_zsystemwidget.h"

#include <QWidget>

class zarClockWidget;
class zarDeviceTableWidget;
class zarEngineerWidget;
class zarGPSWidget;
class zarLanguageWidget;
class zarReleaseWidget;
class zarUpdateWidget;

// The SYSTEM page: nine buttons; service screens open inside the page itself.
// Owns the program's busy flag.
class zarSystemWidget : public QWidget, public Ui::zSystemWidget
{
    Q_OBJECT

public:
    explicit zarSystemWidget(QWidget* parent = nullptr);

    static void setBusy(bool busy);
    static bool isBusy();

    // The screen open in the page, null while the buttons show.
    QWidget* openScreen() const;
    // Closes that screen through its own close handling; false when it stays open.
    bool closeOpenScreen();

signals:
    void sendPowerOff();

private slots:
    void onTranslate();
    void onExit();
    void onUsb();
    void onDevices();
    void onEngineer();
    void onLanguage();
    void onGPS();
    void onRelease();
    void onUpdate();
    void onClock();
    void onEngineerWidgetClose();
    void onLanguageWidgetClose();
    void onDeviceTableWidgetClose();
    void onGPSWidgetClose();
    void onReleaseWidgetClose();
    void onUpdateWidgetClose();
    void onClockWidgetClose();

private:
    void showButtons(bool visible);
    template <class Screen, class Create>
    void open(Screen*& member, Create create, void (Screen::*closeSignal)(), void (zarSystemWidget::*closeSlot)());
    template <class Screen>
    void closeScreen(Screen*& member);

    zarEngineerWidget* engineerWidget = nullptr;
    zarDeviceTableWidget* deviceTableWidget = nullptr;
    zarGPSWidget* gpsWidget = nullptr;
    zarLanguageWidget* languageWidget = nullptr;
    zarReleaseWidget* releaseWidget = nullptr;
    zarUpdateWidget* updateWidget = nullptr;
    zarClockWidget* clockWidget = nullptr;
    static bool s_busy;
};

#endif
