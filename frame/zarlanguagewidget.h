#ifndef ZARLANGUAGEWIDGET_H
#define ZARLANGUAGEWIDGET_H

#include "ui_zlanguagewidget.h"

#include <QWidget>

// The language screen: the flags switch at once, closing stores the choice.
class zarLanguageWidget : public QWidget, public Ui::zLanguageWidget
{
    Q_OBJECT

public:
    explicit zarLanguageWidget(QWidget* parent = nullptr);

signals:
    void sendLanguageWidgetClose();

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void onTranslate();
    void onRU();
    void onUS();
};

#endif
