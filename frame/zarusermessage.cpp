#include "frame/zarusermessage.h"

zarUserMessage* zarUserMessage::s_instance = nullptr;

zarUserMessage* zarUserMessage::instance()
{
    if (!s_instance)
        s_instance = new zarUserMessage();
    return s_instance;
}

void zarUserMessage::destroy()
{
    delete s_instance;
    s_instance = nullptr;
}

void zarUserMessage::userMessage(const QString& text)
{
    emit sendUserMessage(text);
}

void zarUserMessage::userMessageForever(const QString& text)
{
    emit sendUserMessageForever(text);
}
