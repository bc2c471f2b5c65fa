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

};

ZAR_TEST_MAIN(TestTranslator)
#include "test_translator.moc"
