#ifndef ZARUSERMESSAGE_H
#define ZARUSERMESSAGE_H

#include <QObject>
#include <QString>

// Status-line messages from any screen to the status bar.
class zarUserMessage : public QObject
{
    Q_OBJECT

public:
    static zarUserMessage* instance();
    static void destroy();
    static bool exists() { return s_instance != nullptr; }
    void userMessage(const QString& text);
    void userMessageForever(const QString& text);

signals:
    void sendUserMessage(const QString text);
    void sendUserMessageForever(const QString text);

private:
    zarUserMessage() = default;
    static zarUserMessage* s_instance;
};

#endif
