#ifndef ZARTRANSLATOR_H
#define ZARTRANSLATOR_H

#include <QObject>

// Process-wide translator: installs the catalogue of the chosen language and
// tells every screen to set its texts again.
class zarTranslator : public QObject
{
    Q_OBJECT

public:
    static zarTranslator* instance();
    static void destroy();

signals:
    void sendTranslate();

private:
    zarTranslator() = default;
    static zarTranslator* s_instance;
};

#endif
