#ifndef ZARMAINWIDGET_H
#define ZARMAINWIDGET_H

#include "frame/zaroptionswidget.h"
#include "frame/zarstatusbar.h"
#include "frame/zarsystemwidget.h"
#include "sessions/zardatamenuwidget.h"
#include "sessions/zarsessionmenuwidget.h"
#include "templates/zartemplatemenuwidget.h"
#include "ui_zmainwidget.h"

#include <QWidget>

class zarUserMessage;

// The one top-level window: five tab pages above the status bar.
class zarMainWidget : public QWidget, public Ui::zMainWidget
{
    Q_OBJECT

public:
    explicit zarMainWidget(QWidget* parent = nullptr);

    // Saves the options and destroys the process-wide singletons. Runs once,
    // from the close handler or, when the event loop ended without a close, from main.
    void shutDown();
    bool isShutDown() const { return m_shutDown; }

    zarSessionMenuWidget sessionMenu;
    zarOptionsWidget optionsPage;
    zarTemplateMenuWidget templateMenu;
    zarDataMenuWidget dataMenu;
    zarSystemWidget systemMenu;
    zarStatusBar statusBar;

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void onTranslate();

private:
    // False when one of them stays open, and with it the window.
    bool closeOpenScreens();

    zarUserMessage* userMessage = nullptr;
    bool m_shutDown = false;
};

#endif
