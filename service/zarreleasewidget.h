#ifndef ZARRELEASEWIDGET_H
#define ZARRELEASEWIDGET_H

#include "ui_zreleasewidget.h"

#include <QWidget>

// The release notes screen. Opened inside the system menu's page; announces its end with its close signal.
class zarReleaseWidget : public QWidget, public Ui::zReleaseWidget
{
    Q_OBJECT

public:
    explicit zarReleaseWidget(QWidget* parent = nullptr);

signals:
    void sendReleaseWidgetClose();

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void onTranslate();
};

#endif
