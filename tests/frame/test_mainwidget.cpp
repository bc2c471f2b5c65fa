#include "../sessions/zarsessionfixture.h"
#include "../templates/zartemplatefixture.h"
#include "zarmodalof.h"
#include "zaroperator.h"
#include "zartestsupport.h"

#include "core/zarconstants.h"
#include "core/zarcore.h"
#include "frame/zarguistyle.h"
#include "frame/zarmainwidget.h"
#include "frame/zartranslator.h"
#include "frame/zarusermessage.h"
#include "frame/zarwarningdialog.h"
#include "service/zargpsmanager.h"
#include "service/zarsignalwidget.h"
#include "sessions/zarsessionwidget.h"
#include "templates/zartemplatewidget.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QSettings>
#include <QSignalSpy>
#include <cmath>

// The main window and what it holds for the whole program: the directory tree, its style and font (what a finger
// hits and the eye reads), its languages, status messages, and the shut-down with or without a close.
class TestMainWidget : public QObject
{
    Q_OBJECT

    static int storedDial() { return QSettings(settingsScope, QStringLiteral("zarOptionsWidget")).value("transmitterDial", -1).toInt(); }

    static bool noneLeft() { return !zarTranslator::exists() && !zarUserMessage::exists() && !zarWarningDialog::current(); }

    // Still running: the window shown and nothing of the shut-down done.
    static bool running(const zarMainWidget& window)
    {
        return window.isVisible() && !window.isShutDown() && zarTranslator::exists() && zarUserMessage::exists();
    }

    // Exit on the system menu, its question and those that follow answered in order.
    static QStringList exit(zarMainWidget& window, QVariantList answers)
    {
        answers.prepend(QMessageBox::Yes);
        zarOperator op(answers);
        window.systemMenu.exitToolButton->click();
        return op.shown;
    }

    // A template of one set opened on the TEMPLATES page and changed there.
    static zarTemplateWidget* openChangedTemplate(zarMainWidget& window)
    {
        const QString path = zarTemplateFixture::write(zarTemplateFixture::bytes(2, 5, { { 3, { { 0, 0 } } } }));
        zarAnswerFileDialog(path);
        window.templateMenu.openPushButton->click();
        zarTemplateWidget* screen = window.templateMenu.templateScreen();
        if (!screen)
            return nullptr;
        QMetaObject::invokeMethod(screen, "onSignalWidgetOpen", Q_ARG(zarQuadripole, zarQuadripole(0, 3, 1, 2)));
        emit screen->findChild<zarSignalWidget*>()->sendSpacingLevelAuxConfig(0, 0, true);
        return screen->templateModel().isModified() ? screen : nullptr;
    }

    static double luminance(const QColor& colour)
    {
        auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
    }

private slots:
    void initTestCase() { zarGuiStyle::install(); }

    void init()
    {
        zarTranslator::destroy();
        QSettings(settingsScope, QStringLiteral("zarOptionsWidget")).clear();
        QSettings(settingsScope, QStringLiteral("zarTranslator")).clear();
    }

    void cleanup()
    {
        zarTranslator::destroy();
        QSettings(settingsScope, QStringLiteral("zarTranslator")).clear();
    }

    void controlsAreFingerHigh_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("selector") << "deviationComboBox";
        QTest::newRow("arrow button") << "decMinStackingToolButton";
    }

    void controlsAreFingerHigh()
    {
        QFETCH(QString, name);
        zarMainWidget window;
        window.tabWidget->setCurrentIndex(1);
        window.show();
        const QWidget* control = window.findChild<QWidget*>(name);
        QVERIFY(control);
        QVERIFY2(control->height() >= zarGuiStyle::touchSize, qPrintable(QString::number(control->height())));
    }

    // The rows of a selector's list are as high as the selector.
    void selectorRowsAreFingerHigh_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("pulse") << "pulseDurationComboBox";
        QTest::newRow("pause") << "pauseDurationComboBox";
        QTest::newRow("deviation") << "deviationComboBox";
    }

    void selectorRowsAreFingerHigh()
    {
        QFETCH(QString, name);
        zarMainWidget window;
        window.tabWidget->setCurrentIndex(1);
        window.show();
        auto* box = window.findChild<QComboBox*>(name);
        QVERIFY(box);
        const int row = box->view()->sizeHintForRow(0);
        QVERIFY2(row >= zarGuiStyle::touchSize, qPrintable(QString::number(row)));
    }

    // Disabled text against what it is drawn on, at least 3:1.
    void disabledTextContrast_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<int>("text");
        QTest::addColumn<int>("background");
        QTest::newRow("status line on the window") << "statusLabel" << int(QPalette::WindowText) << int(QPalette::Window);
        QTest::newRow("selector on its button") << "deviationComboBox" << int(QPalette::ButtonText) << int(QPalette::Button);
    }

    void disabledTextContrast()
    {
        QFETCH(QString, where);
        QFETCH(int, text);
        QFETCH(int, background);
        zarMainWidget window;
        const QWidget* widget = window.findChild<QWidget*>(where);
        QVERIFY(widget);
        const QPalette palette = widget->palette();
        const double a = luminance(palette.color(QPalette::Disabled, QPalette::ColorRole(text)));
        const double b = luminance(palette.color(QPalette::Disabled, QPalette::ColorRole(background)));
        const double ratio = (qMax(a, b) + 0.05) / (qMin(a, b) + 0.05);
        QVERIFY2(ratio >= 3.0, qPrintable(QString::number(ratio, 'f', 2)));
    }

    // A language without a catalogue changes nothing: the texts stay, no retranslation.
    void aFailedSwitchKeepsTheLanguage()
    {
        zarTranslator* t = zarTranslator::instance();
        QVERIFY(t->setLanguage(QStringLiteral("Ru")));
        QSignalSpy spy(t, &zarTranslator::sendTranslate);
        QVERIFY(!t->setLanguage(QStringLiteral("Xx")));
        QCOMPARE(spy.count(), 0);
        QCOMPARE(t->language(), QStringLiteral("Ru"));
        QCOMPARE(QCoreApplication::translate("zarMainWidget", "MAIN"), QStringLiteral("ГЛАВНАЯ"));
    }

    // Started with Russian stored, the pages' own texts are Russian from the first
    // look, not the forms' English.
    void storedRussianAtStart_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("text");
        QTest::newRow("system menu's Exit") << "exitToolButton" << "Выход";
        QTest::newRow("system menu's Language") << "languageToolButton" << "Язык";
        QTest::newRow("options' transmitter group") << "transmitterVoltageGroupBox" << "Напряжение генератора";
        QTest::newRow("status bar's moisture") << "_mLabel" << "Влажность:";
    }

    void storedRussianAtStart()
    {
        QFETCH(QString, where);
        QSettings(settingsScope, QStringLiteral("zarTranslator")).setValue(QStringLiteral("language"), QStringLiteral("Ru"));
        zarMainWidget window;
        const QWidget* widget = window.findChild<QWidget*>(where);
        QVERIFY(widget);
        QString shown;
        if (auto* button = qobject_cast<const QAbstractButton*>(widget))
            shown = button->text();
        else if (auto* group = qobject_cast<const QGroupBox*>(widget))
            shown = group->title();
        else if (auto* label = qobject_cast<const QLabel*>(widget))
            shown = label->text();
        QTEST(shown, "text");
    }

    // The captions beside the readouts follow a switch made with the window open.
    void statusBarFollowsTheLanguage()
    {
        zarMainWidget window;
        QVERIFY(zarTranslator::instance()->setLanguage(QStringLiteral("Ru")));
        QCOMPARE(window.statusBar._mLabel->text(), QStringLiteral("Влажность:"));
        QCOMPARE(window.statusBar._eLabel->text(), QStringLiteral("Внеш. батарея:"));
        QCOMPARE(window.statusBar._iLabel->text(), QStringLiteral("Внутр. батарея:"));
        QVERIFY(zarTranslator::instance()->setLanguage(QStringLiteral("En")));
        QCOMPARE(window.statusBar._mLabel->text(), QStringLiteral("Moisture:"));
    }

    // Every text a screen hands to tr() has a Russian text in the context of its class
    // (QObject::tr in the general context) with the same %1.. places; only "GPS" reads
    // the same.
    void everyTextHasARussianText()
    {
        QTranslator ru;
        QVERIFY(ru.load(QStringLiteral(":/system/system/Ru.qm")));
        const QRegularExpression call(QStringLiteral("\\b(QObject::)?tr\\(\"([^\"]+)\"\\)"));
        const QRegularExpression place(QStringLiteral("%\\d"));
        auto places = [&place](const QString& text) {
            QStringList found;
            for (auto m = place.globalMatch(text); m.hasNext();)
                found << m.next().captured();
            found.sort();
            return found;
        };
        int seen = 0;
        for (const char* area : { "frame", "templates", "sessions", "service", "engineer" }) {
            const QDir dir(QStringLiteral(ZAR_SOURCE_DIR "/") + area);
            for (const QString& name : dir.entryList({ "*.cpp" })) {
                QFile file(dir.filePath(name));
                QVERIFY(file.open(QIODevice::ReadOnly));
                const QString code = QString::fromUtf8(file.readAll());
                const QString owner = QRegularExpression(QStringLiteral("\\b(zar\\w+)::\\1\\(")).match(code).captured(1);
                for (auto m = call.globalMatch(code); m.hasNext(); ++seen) {
                    const QRegularExpressionMatch found = m.next();
                    const QString context = found.captured(1).isEmpty() ? owner : QStringLiteral("QObject");
                    const QString source = found.captured(2).replace(QLatin1String("\\n"), QLatin1String("\n"));
                    const QString text = ru.translate(qPrintable(context), qPrintable(source));
                    const QString where = QStringLiteral("%1/%2 %3: %4").arg(area, name, context, source);
                    QVERIFY2(!text.isEmpty() && (text != source || source == QLatin1String("GPS")), qPrintable(where));
                    QVERIFY2(places(text) == places(source), qPrintable(where));
                }
            }
        }
        QVERIFY(seen > 200);
    }

    void userMessagesReachTheStatusBar()
    {
        zarMainWidget window;
        zarUserMessage::instance()->userMessage(QStringLiteral("Saved"));
        QCOMPARE(window.statusBar.statusLabel->text(), QStringLiteral("Saved"));
    }

    void permanentMessagesReachTheStatusBar()
    {
        zarMainWidget window;
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

    void exitWithOpenWork_data()
    {
        const int yes = QMessageBox::Yes, no = QMessageBox::No, cancel = QMessageBox::Cancel;
        QTest::addColumn<bool>("session");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariantList>("answers");
        QTest::addColumn<bool>("closed");
        QTest::newRow("template: yes saves") << false << "kept" << QVariantList({ yes, "kept" }) << true;
        QTest::newRow("template: no discards") << false << "" << QVariantList({ no }) << true;
        QTest::newRow("template: cancel stays") << false << "" << QVariantList({ cancel }) << false;
        // A directory in the way: overwrite asked, then the write fails and is reported.
        QTest::newRow("template: a failing save stays")
            << false << "failing" << QVariantList({ yes, "failing", yes, QMessageBox::Ok }) << false;
        QTest::newRow("session: yes saves") << true << "kept" << QVariantList({ yes, "kept" }) << true;
        QTest::newRow("session: cancel stays") << true << "" << QVariantList({ cancel }) << false;
    }

    // Exit asks the open screen's own question before anything is destroyed: a changed
    // template's, or that of a session not measuring. A window kept open ends on the next Exit.
    void exitWithOpenWork()
    {
        QFETCH(bool, session);
        QFETCH(QString, name);
        QFETCH(QVariantList, answers);
        QFETCH(bool, closed);
        const QString file = session ? sessionsDir + name + QStringLiteral(".zarSession")
                                     : templatesDir + name + QStringLiteral(".zarTemplate");
        zarMainWidget window;
        window.show();
        if (name == QLatin1String("failing"))
            QVERIFY(QDir().mkpath(file));
        if (session)
            window.sessionMenu.openSession(zarSessionFixture::write(zarSessionFixture::session(8), "idle.zarSession"));
        QVERIFY(session ? bool(window.sessionMenu.sessionScreen()) : bool(openChangedTemplate(window)));
        window.tabWidget->setCurrentWidget(window.systemTab);
        const QStringList shown = exit(window, answers);
        QCOMPARE(shown.value(1), session ? QStringLiteral("Do you want to save current session?")
                                         : QStringLiteral("Do you want to save this template?"));
        QCOMPARE(running(window), !closed);
        QCOMPARE(QFileInfo(file).isFile(), name == QLatin1String("kept"));
        if (!closed) {
            // The screen that asked stays in front.
            QCOMPARE(window.tabWidget->currentWidget(), session ? window.mainTab : window.templatesTab);
            exit(window, { QMessageBox::No });
            QVERIFY(!running(window));
        }
        QVERIFY(noneLeft());
    }

    // Closed by the window system while measuring (Exit is refused then): the run stops
    // and every row measured so far is in the autosave file, left as the previous session.
    void measuringSessionAtExit()
    {
        QFile::remove(zarSessionFixture::autosavePath());
        zarMainWidget window;
        window.show();
        window.sessionMenu.openSession(zarSessionFixture::write(zarSessionFixture::session(29), "exit.zarSession"));
        zarSessionWidget* screen = window.sessionMenu.sessionScreen();
        QVERIFY(screen);
        int delivered = 0;
        connect(zarCore::instance(), &zarCore::sendReportET2D, &window, [&](const zarCoreReportET2D report) {
            if (report.error.code == 0 && delivered == 0)
                QTimer::singleShot(0, &window, &QWidget::close);
            if (report.error.code == 0)
                delivered += report.results.size();
        });
        zarOperator none({});
        screen->startPushButton->click();
        QVERIFY(zarWaitFor([&] { return !window.isVisible(); }, 5000));
        QCOMPARE(none.shown, QStringList());
        QVERIFY(!zarSystemWidget::isBusy());
        QVERIFY(noneLeft());
        zarSessionFile autosave;
        QCOMPARE(autosave.read(zarSessionFixture::autosavePath()), zarSessionFile::Read);
        const int measured = int(std::count_if(autosave.units.cbegin(), autosave.units.cend(),
                                               [](const zarSessionDataUnit& u) { return u.measureSet.measured; }));
        QVERIFY(delivered >= 4);
        QCOMPARE(measured, delivered);
        QCOMPARE(QSettings(settingsScope, QStringLiteral("zarSessionMenuWidget")).value("sessionCloseSuccess").toInt(), 0);
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
    void createsTheDirectoryTree_data()
    {
        QTest::addColumn<QString>("dir");
        QTest::newRow("ertlab") << QString(ertlabDir);
        QTest::newRow("templates") << QString(templatesDir);
        QTest::newRow("sessions") << QString(sessionsDir);
        QTest::newRow("system") << QString(systemDir);
        QTest::newRow("tmp") << QString(tmpDir);
    }

    // The working directories are made under the drive root at start-up.
    void createsTheDirectoryTree()
    {
        QFETCH(QString, dir);
        QVERIFY(dir.startsWith(zarDriveRoot::path()));
        QVERIFY(QDir(zarDriveRoot::path() + instrumentName).removeRecursively());
        QVERIFY(!QDir(dir).exists());
        zarMainWidget window;
        QVERIFY(QDir(dir).exists());
    }

    // A tree that is there already keeps its files.
    void keepsTheFilesInTheTree()
    {
        const QString kept = templatesDir + QStringLiteral("kept.zarTemplate");
        QVERIFY(QDir().mkpath(templatesDir));
        QFile file(kept);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write("x"), qint64(1));
        file.close();
        zarMainWidget window;
        QCOMPARE(QFileInfo(kept).size(), qint64(1));
        QVERIFY(QFile::remove(kept));
    }
};

ZAR_TEST_MAIN(TestMainWidget)
#include "test_mainwidget.moc"
