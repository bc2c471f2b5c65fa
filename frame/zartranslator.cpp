#include "frame/zartranslator.h"

#include "core/zarconstants.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTranslator>

zarTranslator* zarTranslator::s_instance = nullptr;

namespace {
const QString catalogueDir = QStringLiteral(":/system/system/");
}

zarTranslator* zarTranslator::instance()
{
    if (!s_instance)
        s_instance = new zarTranslator();
    return s_instance;
}

void zarTranslator::destroy()
{
    delete s_instance;
    s_instance = nullptr;
}

zarTranslator::zarTranslator() : QObject(nullptr), m_language(QStringLiteral("En"))
{
    QSettings settings(settingsScope, QStringLiteral("zarTranslator"));
    m_language = settings.value(QStringLiteral("language"), QStringLiteral("En")).toString();
    // A stored code without a catalogue leaves the texts in English but keeps the
    // code, so the language screen writes back what it found.
    m_translator = new QTranslator();
    m_translator->load(m_language, catalogueDir);
    QCoreApplication::installTranslator(m_translator);
}

zarTranslator::~zarTranslator()
{
    QCoreApplication::removeTranslator(m_translator);
    delete m_translator;
}

bool zarTranslator::setLanguage(const QString& code)
{
    // Load into a fresh translator so a failed load keeps the installed one intact.
    auto* loaded = new QTranslator();
    if (code.isEmpty() || !loaded->load(code, catalogueDir)) {
        delete loaded;
        return false;
    }
    QCoreApplication::removeTranslator(m_translator);
    delete m_translator;
    m_translator = loaded;
    QCoreApplication::installTranslator(m_translator);
    m_language = code;
    emit sendTranslate();
    return true;
}
