#ifndef ZARTRANSLATOR_H
#define ZARTRANSLATOR_H

#include <QObject>
#include <QString>

class QTranslator;

// Process-wide translator: installs the catalogue of the chosen language, and Qt's
// own catalogue for the texts of Qt's dialogs and menus, and tells every screen to
// set its texts again.
class zarTranslator : public QObject
{
    Q_OBJECT

public:
    static zarTranslator* instance();
    static void destroy();
    static bool exists() { return s_instance != nullptr; }

    // Switches to the catalogue of code ("En", "Ru"); false, and nothing changes,
    // when that catalogue cannot be loaded.
    bool setLanguage(const QString& code);
    QString language() const { return m_language; }

    // Where Qt's own catalogues are looked for; empty means Qt's translations directory.
    static void setQtCatalogueDir(const QString& dir) { s_qtCatalogueDir = dir; }

signals:
    void sendTranslate();

private:
    zarTranslator();
    ~zarTranslator() override;
    void install(QTranslator* program, bool loaded);

    QTranslator* m_translator = nullptr;
    QTranslator* m_qtTranslator = nullptr;
    QString m_language;
    static zarTranslator* s_instance;
    static QString s_qtCatalogueDir;
};

#endif
