#ifndef ZARENGINEERWIDGET_H
#define ZARENGINEERWIDGET_H

#include "ui_zengineerwidget.h"

#include <QWidget>

// The engineer and production test screen. Mode 0 keeps every tab; any other mode
// keeps the production tests only, and modes other than 0 and 1 also lock tests
// 0, 16 and 20.
class zarEngineerWidget : public QWidget, public Ui::zEngineerWidget
{
    Q_OBJECT

public:
    explicit zarEngineerWidget(int mode, QWidget* parent = nullptr);
    int mode() const { return m_mode; }

signals:
    void sendEngineerWidgetClose();

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void onTranslate();

private:
    int m_mode;
};

#endif
