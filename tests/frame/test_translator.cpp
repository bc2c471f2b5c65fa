#include "zartestsupport.h"

#include "core/zarconstants.h"
#include "frame/zartranslator.h"

#include <QSettings>
#include <QSignalSpy>

// Translator: the stored language at start and switching.
class TestTranslator : public QObject
{
    Q_OBJECT

    static QString tab() { return QCoreApplication::translate("zarMainWidget", "MAIN"); }

private slots:
    void init() { zarTranslator::destroy(); QSettings(settingsScope, QStringLiteral("zarTranslator")).clear(); }

    // A stored code without a catalogue is kept (the language screen writes it back) but shows English.
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
        QVERIFY(t->setLanguage(QStringLiteral("Ru")));
        QVERIFY(t->setLanguage(QStringLiteral("En")));
        QCOMPARE(tab(), QStringLiteral("MAIN"));
        QVERIFY(t->setLanguage(QStringLiteral("Ru")));
        QVERIFY(!t->setLanguage(QStringLiteral("Xx")));
        QCOMPARE(spy.count(), 3);
        QCOMPARE(t->language(), QStringLiteral("Ru"));
        QCOMPARE(tab(), QStringLiteral("ГЛАВНАЯ"));
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
};

ZAR_TEST_MAIN(TestTranslator)
#include "test_translator.moc"
