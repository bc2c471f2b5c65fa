#include "zarmodalof.h"
#include "zartestsupport.h"

#include "core/zarconstants.h"
#include "frame/zartranslator.h"
#include "sessions/zardatamenuwidget.h"
#include "sessions/zarsessionmenuwidget.h"
#include "templates/zartemplatemenuwidget.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTranslator>

// Translator and the frame's catalogue entries.
class TestTranslator : public QObject
{
    Q_OBJECT

    static QString tab() { return QCoreApplication::translate("zarMainWidget", "MAIN"); }
    static QString lookIn() { return QCoreApplication::translate("QFileDialog", "Look in:"); }
    // The current row's context and source text through the compiled catalogue of a language.
    static QString fromCatalogue(const char* language)
    {
        QFETCH(QString, context);
        QFETCH(QString, source);
        QTranslator catalogue;
        if (!catalogue.load(QStringLiteral(":/system/system/%1.qm").arg(QLatin1String(language))))
            return QStringLiteral("(no catalogue %1)").arg(QLatin1String(language));
        return catalogue.translate(qPrintable(context), qPrintable(source));
    }

    // The labels and buttons of the file dialog a page opens from its button, read
    // before it is cancelled: look in, file name, file type, open, cancel.
    static QStringList openDialogOf(const QString& page)
    {
        QStringList texts;
        zarAnswerFileDialog(QString(), [&texts](QFileDialog* d) {
            // Only Qt's own widget dialog has them; a native one would leave them empty.
            for (const char* name : { "lookInLabel", "fileNameLabel", "fileTypeLabel" }) {
                auto* label = d->findChild<QLabel*>(QLatin1String(name));
                texts << (label ? label->text() : QString());
            }
            if (auto* box = d->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox")))
                texts << box->button(QDialogButtonBox::Open)->text() << box->button(QDialogButtonBox::Cancel)->text();
        });
        if (page == QLatin1String("TEMPLATES")) {
            zarTemplateMenuWidget menu;
            menu.openPushButton->click();
        } else if (page == QLatin1String("DATA")) {
            zarDataMenuWidget menu;
            menu.openPushButton->click();
        } else {
            zarSessionMenuWidget menu;
            menu.ertPushButton->click();
        }
        return texts;
    }

private slots:
    void init()
    {
        zarTranslator::destroy();
        zarTranslator::setQtCatalogueDir(QString());
        QSettings(settingsScope, QStringLiteral("zarTranslator")).clear();
    }

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
        QTest::newRow("Release, as the screen it opens") << "zarSystemWidget" << "Release" << "Выпуск";
    }

    void fixedRussianTexts() { QTEST(fromCatalogue("Ru"), "russian"); }

    void englishTextsMendTheKeys_data()
    {
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("english");
        QTest::newRow("deviation") << "zarOptionsWidget" << "Relative standart deviation"
                                   << "Relative standard deviation";
        QTest::newRow("device 6") << "QObject" << "Reference voltage gererator" << "Reference voltage generator";
    }

    // The texts are the keys, typos included; English reads them mended.
    void englishTextsMendTheKeys() { QTEST(fromCatalogue("En"), "english"); }

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
        QTest::addColumn<QString>("lookIn");
        QTest::newRow("nothing stored") << "" << "En" << "MAIN" << "Look in:";
        QTest::newRow("Russian") << "Ru" << "Ru" << "ГЛАВНАЯ" << "Перейти к:";
        // Qt has a German catalogue, but the program has none: all stays English.
        QTest::newRow("no catalogue") << "De" << "De" << "MAIN" << "Look in:";
    }

    void storedLanguageAtStart()
    {
        QFETCH(QString, stored);
        if (!stored.isEmpty())
            QSettings(settingsScope, QStringLiteral("zarTranslator")).setValue(QStringLiteral("language"), stored);
        QTEST(zarTranslator::instance()->language(), "language");
        QTEST(tab(), "tab");
        QTEST(lookIn(), "lookIn");
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
        QCOMPARE(lookIn(), QStringLiteral("Look in:"));
    }

    // The open dialogs of the pages are Qt's own, and speak the program's language.
    void fileDialogsFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("switches");
        QTest::addColumn<QStringList>("texts");
        const QStringList russian = { "Перейти к:", "&Имя файла:", "Типы файлов:", "&Открыть", "Отмена" };
        const QStringList english = { "Look in:", "File &name:", "Files of type:", "&Open", "Cancel" };
        for (const char* page : { "TEMPLATES", "DATA", "ERTLab" }) {
            QTest::addRow("%s in Russian", page) << page << QStringList({ "Ru" }) << russian;
            QTest::addRow("%s back in English", page) << page << QStringList({ "Ru", "En" }) << english;
        }
    }

    void fileDialogsFollowTheLanguage()
    {
        QFETCH(QString, page);
        QFETCH(QStringList, switches);
        QFETCH(QStringList, texts);
        for (const QString& code : switches)
            QVERIFY(zarTranslator::instance()->setLanguage(code));
        QCOMPARE(openDialogOf(page), texts);
    }

    // The menu of a text field, as in the keyboard and password dialogs.
    void contextMenusFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("selectAll");
        QTest::newRow("Russian") << "Ru" << "Выделить всё";
        QTest::newRow("English") << "En" << "Select All";
    }

    void contextMenusFollowTheLanguage()
    {
        QFETCH(QString, code);
        QFETCH(QString, selectAll);
        QVERIFY(zarTranslator::instance()->setLanguage(code));
        QLineEdit edit;
        std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
        QStringList shown;
        for (QAction* action : menu->actions())
            shown << action->text().section(QLatin1Char('\t'), 0, 0); // without the shortcut
        QVERIFY2(shown.contains(selectAll), qPrintable(shown.join(QLatin1String(" | "))));
    }

    // Without Qt's catalogue the program's own texts are still translated, and a
    // diagnostic line tells what was missing; English needs no catalogue of Qt's.
    void missingQtCatalogueKeepsTheProgramsTexts_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("tab");
        QTest::addColumn<QString>("diagnostic");
        QTest::newRow("Russian") << "Ru" << "ГЛАВНАЯ" << "zarTranslator error: Qt's catalogue not found: ";
        QTest::newRow("English") << "En" << "MAIN" << "";
    }

    void missingQtCatalogueKeepsTheProgramsTexts()
    {
        QFETCH(QString, code);
        QFETCH(QString, diagnostic);
        QTemporaryDir empty;
        zarTranslator::setQtCatalogueDir(empty.path());
        zarDiagnosticCapture diagnostics;
        QVERIFY(zarTranslator::instance()->setLanguage(code));
        QCOMPARE(zarTranslator::instance()->language(), code);
        QTEST(tab(), "tab");
        QCOMPARE(lookIn(), QStringLiteral("Look in:"));
        if (diagnostic.isEmpty())
            QCOMPARE(diagnostics.text(), QString());
        else
            QVERIFY2(diagnostics.text().startsWith(diagnostic + empty.path() + "/qtbase_ru.qm"),
                     qPrintable(diagnostics.text()));
    }
};

ZAR_TEST_MAIN(TestTranslator)
#include "test_translator.moc"
