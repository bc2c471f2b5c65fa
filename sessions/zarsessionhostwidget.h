#ifndef ZARSESSIONHOSTWIDGET_H
#define ZARSESSIONHOSTWIDGET_H

#include <QWidget>

class QBoxLayout;
class zarSessionWidget;

// A menu page that hosts at most one session screen in place of its buttons.
class zarSessionHostWidget : public QWidget
{
    Q_OBJECT

public:
    explicit zarSessionHostWidget(QWidget* parent = nullptr);

    // The open session screen, null while the buttons show.
    zarSessionWidget* sessionScreen() const { return sessionWidget; }
    // At the program's end: the open screen closes through its own handling
    // (zarSessionWidget::closeForExit); false when it stays open.
    bool closeOpenScreen();

protected:
    // Opens a session screen with what; a failed open returns to the buttons.
    void openScreen(bool viewOnly, const QString& what);
    // Takes the screen out of the page and shows the buttons again.
    void closeScreen();

    virtual void showMenu(bool show) = 0;
    virtual QBoxLayout* pageLayout() const = 0;

protected slots:
    // The open screen announced that it closes.
    virtual void onSessionClose() = 0;

private:
    zarSessionWidget* sessionWidget = nullptr;
};

#endif
