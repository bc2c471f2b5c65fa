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

    void fixedRussianTexts_data()
    {
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("russian");
        QTest::newRow("MAIN") << "zarMainWidget" << "MAIN" << "ГЛАВНАЯ";
        QTest::newRow("OPTIONS") << "zarMainWidget" << "OPTIONS" << "НАСТРОЙКИ";
        QTest::newRow("TEMPLATES") << "zarMainWidget" << "TEMPLATES" << "ШАБЛОНЫ";
        QTest::newRow("DATA") << "zarMainWidget" << "DATA" << "ДАННЫЕ";
        QTest::newRow("SYSTEM") << "zarMainWidget" << "SYSTEM" << "СИСТЕМА";
        QTest::newRow("Attention!") << "zarWarningDialog" << "Attention!" << "Внимание!";
        QTest::newRow("No") << "zarWarningDialog" << "No" << "Нет";
        QTest::newRow("Cancel") << "zarWarningDialog" << "Cancel" << "Отмена";
        QTest::newRow("Yes") << "zarWarningDialog" << "Yes" << "Да";
        QTest::newRow("Accept") << "zarLanguageWidget" << "Accept" << "Принять";
        QTest::newRow("Language") << "zarLanguageWidget" << "Language" << "Язык";
        QTest::newRow("RU") << "zarLanguageWidget" << "RU" << "РУС";
        QTest::newRow("US") << "zarLanguageWidget" << "US" << "США";
    }

    void fixedRussianTexts()
    {
        QFETCH(QString, context);
        QFETCH(QString, source);
        QTranslator ru;
        QVERIFY(ru.load(QStringLiteral(":/system/system/Ru.qm")));
        QTEST(ru.translate(qPrintable(context), qPrintable(source)), "russian");
    }

    void everyFrameTextHasARussianText()
    {
        QTranslator ru;
        QVERIFY(ru.load(QStringLiteral(":/system/system/Ru.qm")));
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
    void storedLanguageAtStart_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("tab");
        QTest::newRow("nothing stored") << "" << "En" << "MAIN";
        QTest::newRow("Russian") << "Ru" << "Ru" << "ГЛАВНАЯ";
        QTest::newRow("no catalogue") << "De" << "De" << "MAIN";
    }

    void storedLanguageAtStart()
    {
        QFETCH(QString, stored);
        if (!stored.isEmpty())
            QSettings(settingsScope, QStringLiteral("zarTranslator")).setValue(QStringLiteral("language"), stored);
        QTEST(zarTranslator::instance()->language(), "language");
        QTEST(tab(), "tab");
        zarTranslator::destroy();
    }

    // Every good switch retranslates, a failed one changes nothing.
    void switchingBackAndForth()
    {
        zarTranslator* t = zarTranslator::instance();
        QSignalSpy spy(t, &zarTranslator::sendTranslate);
        for (const QString code : { "Ru", "En", "Ru", "Ru" }) {
            QVERIFY(t->setLanguage(code));
            QCOMPARE(tab(), code == QLatin1String("Ru") ? QStringLiteral("ГЛАВНАЯ") : QStringLiteral("MAIN"));
        }
        QVERIFY(!t->setLanguage(QStringLiteral("Xx")));
        QCOMPARE(spy.count(), 4);
        QCOMPARE(t->language(), QStringLiteral("Ru"));
        QCOMPARE(tab(), QStringLiteral("ГЛАВНАЯ"));
    }

    void destroyRemovesTheCatalogue()
    {
        QVERIFY(zarTranslator::instance()->setLanguage(QStringLiteral("Ru")));
        zarTranslator::destroy();
        QVERIFY(!zarTranslator::exists());
        QCOMPARE(tab(), QStringLiteral("MAIN"));
    }
};

ZAR_TEST_MAIN(TestTranslator)
#include "test_translator.moc"
