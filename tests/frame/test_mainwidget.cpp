#include "zartestsupport.h"

#include "core/zarconstants.h"
#include "core/zarcore.h"
#include "frame/zarmainwidget.h"
#include "frame/zartranslator.h"
#include "frame/zarusermessage.h"
#include "frame/zarwarningdialog.h"
#include "service/zargpsmanager.h"
#include "templates/zarpseudodepth.h"
#include "templates/zarsequencebuilder.h"

#include <QDir>
#include <QSettings>
#include <QSignalSpy>
#include <QTimer>

// Main window: directory tree, window, tabs, status line wiring and the shut-down.
class TestMainWidget : public QObject
{
    Q_OBJECT

    static QStringList dirs()
    {
        return { ertlabDir, templatesDir, sessionsDir, systemDir, tmpDir };
    }

    static int storedDial()
    {
        return QSettings(settingsScope, QStringLiteral("zarOptionsWidget")).value(QStringLiteral("transmitterDial"), -1).toInt();
    }

private slots:
    void init()
    {
        QSettings(settingsScope, QStringLiteral("zarOptionsWidget")).clear();
    }

    void createsTheDirectoryTree()
    {
        QDir(zarDriveRoot::path() + instrumentName).removeRecursively();
        for (const QString& d : dirs())
            QVERIFY(!QDir(d).exists());
        {
            zarMainWidget window;
            for (const QString& d : dirs())
                QVERIFY2(QDir(d).exists(), qPrintable(d));
            QVERIFY(dirs().first().startsWith(zarDriveRoot::path()));
            window.shutDown();
        }
        // Present directories and their files stay as they are.
        QFile keep(templatesDir + QStringLiteral("kept.zarTemplate"));
        QVERIFY(keep.open(QIODevice::WriteOnly));
        keep.close();
        zarMainWidget window;
        QVERIFY(keep.exists());
        window.shutDown();
    }

    void windowTabsAndStatusBar()
    {
        zarMainWidget window;
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("K-Tal"));
        QCOMPARE(window.size(), QSize(1024, 600));
        QCOMPARE(window.minimumSize(), QSize(1024, 600));
        QCOMPARE(window.maximumSize(), QSize(1024, 600));
        QCOMPARE(window.tabWidget->count(), 5);
        QCOMPARE(window.tabWidget->currentIndex(), 0);
        const QStringList texts = { "MAIN", "OPTIONS", "TEMPLATES", "DATA", "SYSTEM" };
        for (int i = 0; i < 5; ++i)
            QCOMPARE(window.tabWidget->tabText(i), texts[i]);
        QVERIFY(window.mainTab->isAncestorOf(&window.sessionMenu));
        QVERIFY(window.optionsTab->isAncestorOf(&window.optionsPage));
        QVERIFY(window.templatesTab->isAncestorOf(&window.templateMenu));
        QVERIFY(window.dataTab->isAncestorOf(&window.dataMenu));
        QVERIFY(window.systemTab->isAncestorOf(&window.systemMenu));
        QVERIFY(!window.statusBar.isEnabled());

        zarUserMessage::instance()->userMessage(QStringLiteral("12 min left"));
        QCOMPARE(window.statusBar.statusLabel->text(), QStringLiteral("12 min left"));
        zarUserMessage::instance()->userMessageForever(QStringLiteral("A1 B2 M3 N4"));
        QCOMPARE(window.statusBar.statusLabel->text(), QStringLiteral("A1 B2 M3 N4"));
        zarUserMessage::instance()->userMessage(QStringLiteral("now"));
        QCOMPARE(window.statusBar.statusLabel->text(), QStringLiteral("now"));
        zarUserMessage::instance()->userMessageForever(QString());
        QCOMPARE(window.statusBar.statusLabel->text(), QString());

        QVERIFY(zarTranslator::instance()->setLanguage(QStringLiteral("Ru")));
        QCOMPARE(window.tabWidget->tabText(4), QStringLiteral("СИСТЕМА"));
        QCOMPARE(window.windowTitle(), QStringLiteral("K-Tal"));
        QVERIFY(zarTranslator::instance()->setLanguage(QStringLiteral("En")));
        QCOMPARE(window.tabWidget->tabText(0), QStringLiteral("MAIN"));
        window.close();
    }

    // Every singleton in use is destroyed, in order; the options are saved first.
    void closeRunsTheShutDownInOrder()
    {
        QStringList order;
        zarMainWidget window;
        window.show();
        window.optionsPage.transmitterDial->setValue(60);
        auto watch = [&order](QObject* o, const QString& name) {
            QObject::connect(o, &QObject::destroyed, [&order, name] { order << name; });
        };
        zarPseudoDepth::instance(pseudoDepthResource);
        zarSequenceBuilder::instance();
        zarCore::instance()->discover();
        watch(zarCore::instance(), QStringLiteral("core"));
        watch(zarGPSManager::instance(), QStringLiteral("gps"));
        watch(zarUserMessage::instance(), QStringLiteral("hub"));
        zarWhenModal([](QWidget* w) { static_cast<zarWarningDialog*>(w)->okYesPushButton->click(); });
        zarWarningDialog::warning(QStringLiteral("x"));
        watch(zarWarningDialog::current(), QStringLiteral("dialog"));
        watch(zarTranslator::instance(), QStringLiteral("translator"));
        QObject::connect(zarCore::instance(), &QObject::destroyed, [&order] { order << QString::number(storedDial()); });

        QVERIFY(window.close());
        QCOMPARE(order, QStringList({ "core", "60", "gps", "hub", "dialog", "translator" }));
        QVERIFY(window.isShutDown());
        QVERIFY(!zarTranslator::exists());
        QVERIFY(!zarUserMessage::exists());
        QVERIFY(!zarWarningDialog::current());
    }

    void shutDownWithoutSingletonsAndOnlyOnce()
    {
        auto* window = new zarMainWidget;
        zarUserMessage::destroy();
        zarTranslator::destroy();
        window->shutDown();
        window->optionsPage.transmitterDial->setValue(90);
        QVERIFY(window->close());
        QCOMPARE(storedDial(), 25);
        // Tearing the window down recreates none of the singletons.
        delete window;
        QVERIFY(!zarTranslator::exists());
        QVERIFY(!zarUserMessage::exists());
        QVERIFY(!zarWarningDialog::current());
    }

    // The updater's quit ends the loop without a close; main then shuts down all the same.
    void quitWithoutCloseStillSaves()
    {
        zarMainWidget window;
        window.show();
        window.optionsPage.transmitterDial->setValue(42);
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!window.isShutDown());
        window.shutDown();
        QCOMPARE(storedDial(), 42);
        QVERIFY(!zarTranslator::exists());
    }

    void powerOffClosesTheWindow()
    {
        zarMainWidget window;
        window.show();
        QVERIFY(window.isVisible());
        emit window.systemMenu.sendPowerOff();
        QVERIFY(!window.isVisible());
        QVERIFY(window.isShutDown());
    }
};

ZAR_TEST_MAIN(TestMainWidget)
#include "test_mainwidget.moc"
