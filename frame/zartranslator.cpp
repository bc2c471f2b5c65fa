#include "frame/zartranslator.h"

#include "core/zarconstants.h"
#include "core/zardiagnostics.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

zarTranslator* zarTranslator::s_instance = nullptr;
QString zarTranslator::s_qtCatalogueDir;

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
    auto* program = new QTranslator();
    install(program, program->load(m_language, catalogueDir));
}

zarTranslator::~zarTranslator()
{
    QCoreApplication::removeTranslator(m_translator);
    QCoreApplication::removeTranslator(m_qtTranslator);
    delete m_translator;
    delete m_qtTranslator;
}

// Replaces both catalogues. Qt's own goes in first, so the program's texts win
// where both translate the same text; English needs none, being Qt's own language.
// Without Qt's catalogue the program's texts are still translated.
void zarTranslator::install(QTranslator* program, bool loaded)
{
    QCoreApplication::removeTranslator(m_translator);
    QCoreApplication::removeTranslator(m_qtTranslator);
    delete m_translator;
    delete m_qtTranslator;
    m_translator = program;
    m_qtTranslator = nullptr;
    if (loaded && m_language != QLatin1String("En")) {
        const QString dir = s_qtCatalogueDir.isEmpty() ? QLibraryInfo::location(QLibraryInfo::TranslationsPath)
                                                       : s_qtCatalogueDir;
        const QString name = QStringLiteral("qtbase_") + m_language.toLower();
        auto* qt = new QTranslator();
        if (qt->load(name, dir)) {
            m_qtTranslator = qt;
            QCoreApplication::installTranslator(m_qtTranslator);
        } else {
            delete qt;
            zarDiagnostics::line(("zarTranslator error: Qt's catalogue not found: " + dir + QLatin1Char('/') + name +
                                  QStringLiteral(".qm")).toLocal8Bit().toStdString());
        }
    }
    QCoreApplication::installTranslator(m_translator);
}

bool zarTranslator::setLanguage(const QString& code)
{
    // Load into a fresh translator so a failed load keeps the installed one intact.
    auto* loaded = new QTranslator();
    if (code.isEmpty() || !loaded->load(code, catalogueDir)) {
        delete loaded;
        return false;
    }
    m_language = code;
    install(loaded, true);
    emit sendTranslate();
    return true;
}
