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
#include <QTimer>

#include <functional>

typedef std::function<QWidget*(zarMainWidget&)> PagePart;
Q_DECLARE_METATYPE(PagePart)

// Main window: directory tree, window, tabs and the shut-down.
class TestMainWidget : public QObject
{
    Q_OBJECT

    static QStringList dirs() { return { ertlabDir, templatesDir, sessionsDir, systemDir, tmpDir }; }

    static int storedDial() { return QSettings(settingsScope, QStringLiteral("zarOptionsWidget")).value("transmitterDial", -1).toInt(); }

    static bool noneLeft() { return !zarTranslator::exists() && !zarUserMessage::exists() && !zarWarningDialog::current(); }

private slots:
    void init() { QSettings(settingsScope, QStringLiteral("zarOptionsWidget")).clear(); }

    // The tree is made under the drive root, and what is there stays.
    void theDirectoryTreeIsMadeAndKept()
    {
        QVERIFY(QDir(zarDriveRoot::path() + instrumentName).removeRecursively());
        for (const QString& d : dirs())
            QVERIFY2(d.startsWith(zarDriveRoot::path()) && !QDir(d).exists(), qPrintable(d));
        {
            zarMainWidget window;
            for (const QString& d : dirs())
                QVERIFY2(QDir(d).exists(), qPrintable(d));
            QFile keep(templatesDir + QStringLiteral("kept.zarTemplate"));
            QVERIFY(keep.open(QIODevice::WriteOnly));
        }
        zarMainWidget again;
        QVERIFY(QFile::exists(templatesDir + QStringLiteral("kept.zarTemplate")));
    }

    void aFixedWindowWithFiveTabs()
    {
        zarMainWidget window;
        QCOMPARE(window.windowTitle(), QStringLiteral("K-Tal"));
        QStringList tabs;
        for (int i = 0; i < window.tabWidget->count(); ++i)
            tabs << window.tabWidget->tabText(i);
        QCOMPARE(tabs, QStringList({ "MAIN", "OPTIONS", "TEMPLATES", "DATA", "SYSTEM" }));
        QCOMPARE(window.minimumSize(), QSize(1024, 600));
        QCOMPARE(window.maximumSize(), QSize(1024, 600));
    }

    void powerOffFromTheSystemMenuShutsDown()
    {
        zarMainWidget window;
        window.show();
        emit window.systemMenu.sendPowerOff();
        QVERIFY(!window.isVisible());
        QVERIFY(window.isShutDown());
    }

    void eachMenuSitsOnItsTab_data()
    {
        QTest::addColumn<PagePart>("part");
        QTest::addColumn<int>("tab");
        QTest::newRow("session menu") << PagePart([](zarMainWidget& w) -> QWidget* { return &w.sessionMenu; }) << 0;
        QTest::newRow("options") << PagePart([](zarMainWidget& w) -> QWidget* { return &w.optionsPage; }) << 1;
        QTest::newRow("template menu") << PagePart([](zarMainWidget& w) -> QWidget* { return &w.templateMenu; }) << 2;
        QTest::newRow("data menu") << PagePart([](zarMainWidget& w) -> QWidget* { return &w.dataMenu; }) << 3;
        QTest::newRow("system menu") << PagePart([](zarMainWidget& w) -> QWidget* { return &w.systemMenu; }) << 4;
    }

    void eachMenuSitsOnItsTab()
    {
        QFETCH(PagePart, part);
        QFETCH(int, tab);
        zarMainWidget window;
        QVERIFY(window.tabWidget->widget(tab)->isAncestorOf(part(window)));
    }

    // The status bar under the tabs shows what any screen says through the hub.
    void userMessagesReachTheStatusBar_data()
    {
        QTest::addColumn<bool>("permanent");
        QTest::newRow("timed") << false;
        QTest::newRow("permanent") << true;
    }

    void userMessagesReachTheStatusBar()
    {
        QFETCH(bool, permanent);
        zarMainWidget window;
        QVERIFY(window.isAncestorOf(&window.statusBar));
        QVERIFY(!window.tabWidget->isAncestorOf(&window.statusBar));
        if (permanent)
            zarUserMessage::instance()->userMessageForever(QStringLiteral("Measuring"));
        else
            zarUserMessage::instance()->userMessage(QStringLiteral("Measuring"));
        QCOMPARE(window.statusBar.statusLabel->text(), QStringLiteral("Measuring"));
    }

    // Every singleton in use is destroyed, in order; the options are saved first.
    void closeRunsTheShutDownInOrder()
    {
        QStringList order;
        zarMainWidget window;
        window.optionsPage.transmitterDial->setValue(60);
        auto watch = [&order](QObject* o, const QString& n) { QObject::connect(o, &QObject::destroyed, [&order, n] { order << n; }); };
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
        QVERIFY(noneLeft());
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
