#include "zartestsupport.h"

#include "core/zarconstants.h"
#include "core/zarcore.h"
#include "frame/zarmainwidget.h"
#include "frame/zartranslator.h"
#include "frame/zarusermessage.h"
#include "frame/zarwarningdialog.h"
#include "service/zargpsmanager.h"

#include <QDir>
#include <QSettings>

// Main window: directory tree, tabs and the shut-down.
class TestMainWidget : public QObject
{
    Q_OBJECT

    static int storedDial() { return QSettings(settingsScope, QStringLiteral("zarOptionsWidget")).value("transmitterDial", -1).toInt(); }

    static bool noneLeft() { return !zarTranslator::exists() && !zarUserMessage::exists() && !zarWarningDialog::current(); }

private slots:
    void init() { QSettings(settingsScope, QStringLiteral("zarOptionsWidget")).clear(); }

    // The tree is made under the drive root, and what is there stays.
    void theDirectoryTreeIsMadeAndKept()
    {
        QVERIFY(QDir(zarDriveRoot::path() + instrumentName).removeRecursively());
        QFile kept(templatesDir + QStringLiteral("kept.zarTemplate"));
        {
            zarMainWidget window;
            for (const QString& d : QStringList{ ertlabDir, templatesDir, sessionsDir, systemDir, tmpDir })
                QVERIFY2(QDir(d).exists(), qPrintable(d));
            QVERIFY(kept.open(QIODevice::WriteOnly));
            kept.close();
        }
        zarMainWidget again;
        QVERIFY(kept.exists());
    }

    // The menus sit on their tabs, in this order.
    void eachMenuSitsOnItsTab()
    {
        zarMainWidget window;
        const QList<QWidget*> menus = { &window.sessionMenu, &window.optionsPage, &window.templateMenu,
                                        &window.dataMenu, &window.systemMenu };
        const QStringList names = { "MAIN", "OPTIONS", "TEMPLATES", "DATA", "SYSTEM" };
        QCOMPARE(window.tabWidget->count(), menus.size());
        for (int tab = 0; tab < menus.size(); ++tab) {
            QCOMPARE(window.tabWidget->tabText(tab), names[tab]);
            QVERIFY2(window.tabWidget->widget(tab)->isAncestorOf(menus[tab]), qPrintable(names[tab]));
        }
    }

    // The status bar shows what any screen says through the hub, and keeps it a while.
    void userMessagesReachTheStatusBar()
    {
        zarMainWidget window;
        zarUserMessage::instance()->userMessage(QStringLiteral("Saved"));
        QCoreApplication::processEvents();
        QCOMPARE(window.statusBar.statusLabel->text(), QStringLiteral("Saved"));
        zarUserMessage::instance()->userMessageForever(QStringLiteral("Measuring"));
        QCOMPARE(window.statusBar.statusLabel->text(), QStringLiteral("Measuring"));
    }

    // Every singleton in use is destroyed, in order; the options are saved first.
    void closeRunsTheShutDownInOrder()
    {
        QStringList order;
        zarMainWidget window;
        window.optionsPage.transmitterDial->setValue(60);
        auto watch = [&order](QObject* o, const QString& n) { QObject::connect(o, &QObject::destroyed, [&order, n] { order << n; }); };
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
        QVERIFY(noneLeft());
    }


    void powerOffFromTheSystemMenuShutsDown()
    {
        zarMainWidget window;
        window.show();
        emit window.systemMenu.sendPowerOff();
        QVERIFY(!window.isVisible());
        QVERIFY(window.isShutDown());
    }

    // The updater's quit ends the loop without a close; main then shuts down all the
    // same, also without the singletons, and only once. Tearing down recreates none.
    void quitWithoutCloseAndWithoutSingletons()
    {
        auto* window = new zarMainWidget;
        window->show();
        zarUserMessage::destroy();
        zarTranslator::destroy();
        window->optionsPage.transmitterDial->setValue(42);
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCOMPARE(QCoreApplication::exec(), 0);
        window->shutDown();
        window->optionsPage.transmitterDial->setValue(90);
        QVERIFY(window->close());
        QCOMPARE(storedDial(), 42);
        delete window;
        QVERIFY(noneLeft());
    }
};

ZAR_TEST_MAIN(TestMainWidget)
#include "test_mainwidget.moc"
