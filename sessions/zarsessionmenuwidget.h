#ifndef ZARSESSIONMENUWIDGET_H
#define ZARSESSIONMENUWIDGET_H

#include "ui_zsessionmenuwidget.h"

#include <QIcon>
#include <QTimer>
#include <QWidget>

// The MAIN page: start a session, start an ERTLab session, open the previous one.
class zarSessionMenuWidget : public QWidget, public Ui::zSessionMenuWidget
{
    Q_OBJECT

public:
    explicit zarSessionMenuWidget(QWidget* parent = nullptr);

private slots:
    void onTranslate();
    void onSessionCreate();
    void onSessionERT();
    void onSessionLoad();
    void onAuxTimeout();

private:
    void checkSessionClose();

    QIcon m_normalIcon;
    QIcon m_alternateIcon;
    QTimer m_blinkTimer;
    bool m_blinkPhase = false;
};

#endif
