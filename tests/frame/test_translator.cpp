#include "zartestsupport.h"

#include "core/zarconstants.h"
#include "frame/zarlanguagewidget.h"
#include "frame/zartranslator.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTranslator>

// Translator, language screen and the frame's catalogue entries.
class TestTranslator : public QObject
{
    Q_OBJECT

    static QString storedLanguage()
    {
        return QSettings(settingsScope, QStringLiteral("zarTranslator")).value(QStringLiteral("language")).toString();
    }

    static QString tab() { return QCoreApplication::translate("zarMainWidget", "MAIN"); }

private slots:
    void init()
    {
        zarTranslator::destroy();
        QSettings(settingsScope, QStringLiteral("zarTranslator")).clear();
    }

    // The Russian texts the design gives, and a Russian text for every other
    // source text of the frame's screens.
    void russianCatalogueHoldsTheFrameTexts()
    {
        QTranslator ru;
        QVERIFY(ru.load(QStringLiteral(":/system/system/Ru.qm")));
        const QList<QStringList> given = {
            { "zarMainWidget", "MAIN", "ГЛАВНАЯ" }, { "zarMainWidget", "OPTIONS", "НАСТРОЙКИ" },
            { "zarMainWidget", "TEMPLATES", "ШАБЛОНЫ" }, { "zarMainWidget", "DATA", "ДАННЫЕ" },
            { "zarMainWidget", "SYSTEM", "СИСТЕМА" }, { "zarWarningDialog", "Attention!", "Внимание!" },
            { "zarWarningDialog", "No", "Нет" }, { "zarWarningDialog", "Cancel", "Отмена" },
            { "zarWarningDialog", "Yes", "Да" }, { "zarLanguageWidget", "Accept", "Принять" },
            { "zarLanguageWidget", "Language", "Язык" }, { "zarLanguageWidget", "RU", "РУС" },
            { "zarLanguageWidget", "US", "США" },
        };
        for (const QStringList& e : given)
            QCOMPARE(ru.translate(qPrintable(e[0]), qPrintable(e[1])), e[2]);

        const QList<QPair<const char*, QStringList>> translated = {
            { "zarKeyboardDialog", { "Input file name:", "Cancel", "Clear", "Enter", "Shift", "Delete", "Backspace",
                                     "File name is empty" } },
            { "zarPasswordDialog", { "Enter password", "Enter", "Cancel" } },
            { "zarOptionsWidget", { "V", "msec", "RESISTIVITY", "IP", "Pulses", "Quality", "Transmitter voltage",
                                    "Pulse duration", "Pause duration", "Frequency", "Hz", "Mode:",
                                    "Relative standart deviation", "Min stacking:", "Max stacking:" } },
            { "zarStatusBar", { "Moisture:", "Ext. battery:", "Int. battery:", "V", "System time seems to be invalid" } },
            { "zarSystemWidget", { "Exit", "Devices", "Engineer", "Language", "Update", "Release", "Clock",
                                   "Stop all activities to exit", "Stop all activities to update",
                                   "Stop all activities to enter engineer mode",
                                   "Stop all activities to enter USB storage mode", "Are you sure you want to exit?",
                                   "Press OK to leave USB storage mode", "Please wait...", "System error",
                                   "Can not enter USB storage mode", "Can not leave USB storage mode" } },
            { "zarTemplateMenuWidget", { "New template", "Open template" } },
            { "zarSessionMenuWidget", { "Start new session", "Start new ERTLab session", "Open previous session" } },
            { "zarDataMenuWidget", { "Open session" } },
            { "zarClockWidget", { "Clock", "Accept" } },
            { "zarGPSWidget", { "Accept" } },
            { "zarReleaseWidget", { "Release", "Accept" } },
            { "zarDeviceTableWidget", { "Devices", "Close" } },
            { "zarUpdateWidget", { "Update", "Accept" } },
            { "zarEngineerWidget", { "Exit" } },
        };
        for (const auto& context : translated) {
            for (const QString& source : context.second) {
                const QString text = ru.translate(context.first, qPrintable(source));
                QVERIFY2(!text.isEmpty() && text != source, qPrintable(QLatin1String(context.first) + QStringLiteral(": ") + source));
            }
        }
        // "OK" stays untranslated in every language.
        QVERIFY(ru.translate("zarWarningDialog", "OK").isEmpty());
    }

    void firstStartIsEnglish()
    {
        QCOMPARE(zarTranslator::instance()->language(), QStringLiteral("En"));
        QCOMPARE(tab(), QStringLiteral("MAIN"));
        QVERIFY(storedLanguage().isEmpty());
    }

    void storedLanguageIsInstalledAtStart()
    {
        QSettings(settingsScope, QStringLiteral("zarTranslator")).setValue(QStringLiteral("language"), QStringLiteral("Ru"));
        QCOMPARE(zarTranslator::instance()->language(), QStringLiteral("Ru"));
        QCOMPARE(tab(), QStringLiteral("ГЛАВНАЯ"));
    }

    void unknownStoredLanguageShowsEnglish()
    {
        QSettings(settingsScope, QStringLiteral("zarTranslator")).setValue(QStringLiteral("language"), QStringLiteral("De"));
        QCOMPARE(zarTranslator::instance()->language(), QStringLiteral("De"));
        QCOMPARE(tab(), QStringLiteral("MAIN"));
    }

    void switchingBackAndForth()
    {
        zarTranslator* t = zarTranslator::instance();
        QSignalSpy spy(t, &zarTranslator::sendTranslate);
        QVERIFY(t->setLanguage(QStringLiteral("Ru")));
        QCOMPARE(tab(), QStringLiteral("ГЛАВНАЯ"));
        QVERIFY(t->setLanguage(QStringLiteral("En")));
        QCOMPARE(tab(), QStringLiteral("MAIN"));
        QVERIFY(t->setLanguage(QStringLiteral("Ru")));
        QVERIFY(t->setLanguage(QStringLiteral("Ru")));
        QCOMPARE(spy.count(), 4);
        QCOMPARE(t->language(), QStringLiteral("Ru"));
        QCOMPARE(tab(), QStringLiteral("ГЛАВНАЯ"));
    }

    void failedLoadKeepsTheInstalledCatalogue()
    {
        zarTranslator* t = zarTranslator::instance();
        QVERIFY(t->setLanguage(QStringLiteral("Ru")));
        QSignalSpy spy(t, &zarTranslator::sendTranslate);
        QVERIFY(!t->setLanguage(QStringLiteral("Xx")));
        QVERIFY(!t->setLanguage(QString()));
        QCOMPARE(spy.count(), 0);
        QCOMPARE(t->language(), QStringLiteral("Ru"));
        QCOMPARE(tab(), QStringLiteral("ГЛАВНАЯ"));
    }

    void destroyRemovesTheTranslation()
    {
        QVERIFY(zarTranslator::instance()->setLanguage(QStringLiteral("Ru")));
        zarTranslator::destroy();
        QVERIFY(!zarTranslator::exists());
        QCOMPARE(tab(), QStringLiteral("MAIN"));
    }

    void languageScreenStoresTheChoiceOnClose()
    {
        zarLanguageWidget screen;
        QSignalSpy closed(&screen, &zarLanguageWidget::sendLanguageWidgetClose);
        screen.ruPushButton->click();
        QCOMPARE(screen.groupBox->title(), QStringLiteral("Язык"));
        QCOMPARE(screen.ruPushButton->text(), QStringLiteral("РУС"));
        QVERIFY(storedLanguage().isEmpty());
        screen.usPushButton->click();
        QCOMPARE(screen.pushButton->text(), QStringLiteral("Accept"));
        screen.pushButton->click();
        QCOMPARE(closed.count(), 1);
        QCOMPARE(storedLanguage(), QStringLiteral("En"));
    }

    void closingWithoutAFlagWritesTheCurrentLanguage()
    {
        QVERIFY(zarTranslator::instance()->setLanguage(QStringLiteral("Ru")));
        zarLanguageWidget screen;
        QCOMPARE(screen.pushButton->text(), QStringLiteral("Принять"));
        screen.close();
        QCOMPARE(storedLanguage(), QStringLiteral("Ru"));
    }
};

ZAR_TEST_MAIN(TestTranslator)
#include "test_translator.moc"
