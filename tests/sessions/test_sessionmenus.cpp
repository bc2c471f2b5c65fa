// The MAIN and DATA pages: the blinking "Open previous session", and session
// screens hosted in place of the buttons.
#include "../templates/zartemplatefixture.h"
#include "zardialoganswer.h"
#include "zarmodalof.h"
#include "zarsessionscreenfixture.h"
#include "zartestsupport.h"

#include "core/zarcore.h"
#include "frame/zaroptionswidget.h"
#include "sessions/zardatamenuwidget.h"
#include "sessions/zarsessionmenuwidget.h"
#include "sessions/zarsessionwidget.h"

#include <QPointer>
#include <QSettings>

class TestSessionMenus : public QObject
{
    Q_OBJECT

    static QSettings settings() { return QSettings(settingsScope, QStringLiteral("zarSessionMenuWidget")); }
    static void setCloseFlag(int value) { settings().setValue(QStringLiteral("sessionCloseSuccess"), value); }
    static int closeFlag() { return settings().value(QStringLiteral("sessionCloseSuccess"), 1).toInt(); }

    // Buttons shown with margin 20, or all hidden with margin 0.
    static bool buttonsShown(const zarSessionMenuWidget& menu, bool shown)
    {
        const int margin = shown ? 20 : 0;
        return menu.ertPushButton->isHidden() != shown && menu.newPushButton->isHidden() != shown
            && menu.openPushButton->isHidden() != shown
            && menu.verticalLayout->contentsMargins() == QMargins(margin, margin, margin, margin);
    }

    // The screen goes with deleteLater from inside its own click handler.
    static bool gone(const QPointer<zarSessionWidget>& screen)
    {
        return zarWaitFor([&] {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            return screen.isNull();
        });
    }

    static QImage image(const QIcon& icon) { return icon.pixmap(32).toImage(); }
    static QImage icon(const zarSessionMenuWidget& menu) { return image(menu.openPushButton->icon()); }


private slots:
    void initTestCase() { QDir().mkpath(systemDir); }
    void init() { settings().clear(); }
    void cleanupTestCase() { zarCore::destroy(); }

    // Runs first: the phase is one for the whole program and starts with the
    // alternate image.
    void blinkPhaseIsProcessWide()
    {
        setCloseFlag(0);
        zarSessionMenuWidget menu;
        QVERIFY(menu.isBlinking());
        QCOMPARE(menu.blinkTimer.interval(), 1000);
        const QImage normal = image(menu.normalIcon);
        const QImage alternate = image(menu.alternateIcon);
        QVERIFY(normal != alternate);
        QCOMPARE(icon(menu), normal);
        menu.onAuxTimeout();
        QCOMPARE(icon(menu), alternate);
        menu.onAuxTimeout();
        QCOMPARE(icon(menu), normal);
        menu.onAuxTimeout();

        // Hidden: stops on the normal image; shown again: goes on from the phase.
        menu.showMenu(false);
        QVERIFY(!menu.isBlinking());
        QCOMPARE(icon(menu), normal);
        menu.showMenu(true);
        QVERIFY(menu.isBlinking());
        menu.onAuxTimeout();
        QCOMPARE(icon(menu), normal);

        zarSessionMenuWidget another;
        another.onAuxTimeout();
        QCOMPARE(icon(another), alternate);
    }

    void blinkFollowsTheFlag_data()
    {
        QTest::addColumn<QVariant>("flag");
        QTest::addColumn<bool>("blinking");
        QTest::newRow("absent") << QVariant() << false;
        QTest::newRow("unclean end") << QVariant(0) << true;
        QTest::newRow("clean end") << QVariant(1) << false;
    }

    void blinkFollowsTheFlag()
    {
        QFETCH(QVariant, flag);
        if (flag.isValid())
            setCloseFlag(flag.toInt());
        zarSessionMenuWidget menu;
        QTEST(menu.isBlinking(), "blinking");
        QVERIFY(!menu.newPushButton->isEnabled());
        QVERIFY(!menu.openPushButton->isEnabled());
        QVERIFY(menu.ertPushButton->isEnabled());
    }

    // The ERTLab start leaves its session in the autosave file and returns to the
    // buttons, which now blink; the previous session opens from there.
    void ertLabThenPreviousSession()
    {
        zarOptionsWidget options;
        const QString file = zarTemplateFixture::write(
            "# X Y Z\n1 0 0 0\n2 1 0 0\n3 2 0 0\n4 3 0 0\n# A B M N\n1 1 2 3 4\n2 1 2 4 3\n", QStringLiteral("e.txt"));
        zarSessionMenuWidget menu;
        zarAnswerFileDialog(file);
        zarDialogAnswer message;
        message.expect();
        menu.ertPushButton->click();
        QCOMPARE(message.text, QStringLiteral("ERTLab template is valid"));
        QVERIFY(!menu.sessionScreen());
        QVERIFY(buttonsShown(menu, true));
        QVERIFY(menu.isBlinking());

        menu.onSessionLoad();
        QPointer<zarSessionWidget> screen = menu.sessionScreen();
        QVERIFY(screen);
        QVERIFY(!screen->startPushButton->isHidden());
        QCOMPARE(screen->parentWidget(), &menu);
        QVERIFY(buttonsShown(menu, false));
        QVERIFY(!menu.isBlinking());
        menu.openSession(QString());
        QCOMPARE(menu.sessionScreen(), screen.data());

        options.pauseDurationComboBox->setEnabled(false);
        message.expect(QMessageBox::No);
        screen->closePushButton->click();
        QVERIFY(gone(screen));
        QVERIFY(!menu.sessionScreen());
        QVERIFY(buttonsShown(menu, true));
        QCOMPARE(closeFlag(), 1);
        QVERIFY(!menu.isBlinking());
        QVERIFY(options.pauseDurationComboBox->isEnabled());
    }

    void previousSessionMissing()
    {
        QFile::remove(zarSessionScreenFixture::autosavePath());
        zarSessionMenuWidget menu;
        zarDialogAnswer message;
        message.expect();
        menu.onSessionLoad();
        QCOMPARE(message.text, QStringLiteral("Can not find previous session"));
        QVERIFY(!menu.sessionScreen());
    }

    void dataMenuViews()
    {
        const QString path = zarSessionScreenFixture::write(zarSessionScreenFixture::session(6), QStringLiteral("d"));
        zarDataMenuWidget menu;
        QString title;
        QStringList filters;
        zarAnswerFileDialog(QString(), [&](QFileDialog* d) {
            title = d->windowTitle();
            filters = d->nameFilters();
        });
        menu.openPushButton->click();
        QCOMPARE(title, QStringLiteral("Open session"));
        QCOMPARE(filters, QStringList { "*.zarSession" });
        QVERIFY(!menu.sessionScreen());

        zarAnswerFileDialog(path);
        menu.openPushButton->click();
        QPointer<zarSessionWidget> screen = menu.sessionScreen();
        QVERIFY(screen);
        QVERIFY(screen->startPushButton->isHidden());
        QVERIFY(menu.openPushButton->isHidden());
        QCOMPARE(menu.verticalLayout->contentsMargins(), QMargins(0, 0, 0, 0));
        QCOMPARE(closeFlag(), 0);
        menu.openSession(path);
        QCOMPARE(menu.sessionScreen(), screen.data());

        screen->closePushButton->click();
        QVERIFY(gone(screen));
        QVERIFY(!menu.openPushButton->isHidden());
        QCOMPARE(menu.verticalLayout->contentsMargins(), QMargins(20, 20, 20, 20));
        QCOMPARE(closeFlag(), 0);
    }

    void dataMenuFailedOpen()
    {
        const QString path = sessionsDir + QStringLiteral("bad.zarSession");
        zarTemplateFixture::write("damaged", QStringLiteral("bad.zarSession"));
        QFile::copy(zarDriveRoot::path() + QStringLiteral("bad.zarSession"), path);
        zarDataMenuWidget menu;
        zarDialogAnswer message;
        message.expect();
        menu.openSession(path);
        QCOMPARE(message.text, QStringLiteral("Session is corrupted"));
        QVERIFY(!menu.sessionScreen());
        QVERIFY(!menu.openPushButton->isHidden());
    }
};

ZAR_TEST_MAIN(TestSessionMenus)
#include "test_sessionmenus.moc"
