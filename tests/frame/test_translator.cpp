#include "zartestsupport.h"

#include "core/zarconstants.h"
#include "frame/zartranslator.h"

#include <QDir>
#include <QSettings>
#include <QSignalSpy>
#include <QTranslator>

// Translator and the frame's catalogue entries.
class TestTranslator : public QObject
{
    Q_OBJECT

    static QString tab() { return QCoreApplication::translate("zarMainWidget", "MAIN"); }

private slots:
    void init() { zarTranslator::destroy(); QSettings(settingsScope, QStringLiteral("zarTranslator")).clear(); }

    // The fixed Russian texts, and a Russian text for every other text of the frame's screens.
    void russianCatalogueHoldsTheFrameTexts()
    {
        QTranslator ru;
        QVERIFY(ru.load(QStringLiteral(":/system/system/Ru.qm")));
        QStringList given;
        for (const char* t : { "zarMainWidget|MAIN", "zarMainWidget|OPTIONS", "zarMainWidget|TEMPLATES", "zarMainWidget|DATA",
                               "zarMainWidget|SYSTEM", "zarWarningDialog|Attention!", "zarWarningDialog|No", "zarWarningDialog|Cancel",
                               "zarWarningDialog|Yes", "zarLanguageWidget|Accept", "zarLanguageWidget|Language",
                               "zarLanguageWidget|RU", "zarLanguageWidget|US" })
            given << ru.translate(qPrintable(QString(t).section('|', 0, 0)), qPrintable(QString(t).section('|', 1)));
        QCOMPARE(given.join(QLatin1Char(',')),
                 QStringLiteral("ГЛАВНАЯ,НАСТРОЙКИ,ШАБЛОНЫ,ДАННЫЕ,СИСТЕМА,Внимание!,Нет,Отмена,Да,Принять,Язык,РУС,США"));

        // Every text the frame and the screens it opens hand to tr() has a Russian
        // text in the context of its class; only "GPS" reads the same. The menus
        // of other areas are checked while they live where they do now.
        const QRegularExpression call(QStringLiteral("\\btr\\(\"([^\"]+)\"\\)"));
        QStringList files = { "sessions/zarsessionmenuwidget.cpp", "sessions/zardatamenuwidget.cpp",
                              "templates/zartemplatemenuwidget.cpp" };
        for (const char* area : { "frame", "service", "engineer" })
            for (const QString& name : QDir(QStringLiteral(ZAR_SOURCE_DIR "/") + area).entryList({ "zar*.cpp" }))
                files << area + QLatin1Char('/') + name;
        int seen = 0;
        for (const QString& path : files) {
            QFile file(QStringLiteral(ZAR_SOURCE_DIR "/") + path);
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QString code = QString::fromUtf8(file.readAll());
            const QString context = QRegularExpression(QStringLiteral("\\b(zar\\w+)::\\1\\(")).match(code).captured(1);
            for (auto m = call.globalMatch(code); m.hasNext(); ++seen) {
                const QString source = m.next().captured(1);
                const QString text = ru.translate(qPrintable(context), qPrintable(source));
                QVERIFY2(!text.isEmpty() && (text != source || source == QLatin1String("GPS")),
                         qPrintable(path + QLatin1Char(' ') + context + QStringLiteral(": ") + source));
            }
        }
        QVERIFY(seen > 60);
    }

    // The stored language is installed at start; a code without a catalogue is kept
    // (so the language screen writes it back) but shows English.
    void storedLanguageAtStart()
    {
        QStringList seen;
        for (const char* stored : { "", "Ru", "De" }) {
            zarTranslator::destroy();
            if (*stored)
                QSettings(settingsScope, QStringLiteral("zarTranslator")).setValue(QStringLiteral("language"), stored);
            seen << zarTranslator::instance()->language();
            seen.last() += tab();
        }
        QCOMPARE(seen, QStringList({ "EnMAIN", "RuГЛАВНАЯ", "DeMAIN" }));
    }

    // Every good switch retranslates, a failed one changes nothing; destroy removes the catalogue.
    void switchingBackAndForth()
    {
        zarTranslator* t = zarTranslator::instance();
        QSignalSpy spy(t, &zarTranslator::sendTranslate);
        for (const QString code : { "Ru", "En", "Ru", "Ru" }) {
            QVERIFY(t->setLanguage(code));
            QCOMPARE(tab(), code == QLatin1String("Ru") ? QStringLiteral("ГЛАВНАЯ") : QStringLiteral("MAIN"));
        }
        QVERIFY(!t->setLanguage(QStringLiteral("Xx")));
        QCOMPARE(QStringLiteral("%1 %2 ").arg(spy.count()).arg(t->language()) + tab(), QStringLiteral("4 Ru ГЛАВНАЯ"));
        zarTranslator::destroy();
        QVERIFY(!zarTranslator::exists() && tab() == QLatin1String("MAIN"));
    }
};

ZAR_TEST_MAIN(TestTranslator)
#include "test_translator.moc"
