// Opening session screens: from the MAIN page (a stored template through the file
// table, the mode and cable dialogs; an ERTLab template; the previous session) and
// from the DATA page; the blinking "Open previous session".
#include "../templates/zartemplatefixture.h"
#include "zardialoganswer.h"
#include "zarmodalof.h"
#include "zarsessionscreenfixture.h"
#include "zartestsupport.h"

#include "core/zarcore.h"
#include "frame/zaroptionswidget.h"
#include "service/zarcableconfigdialog.h"
#include "sessions/zardatamenuwidget.h"
#include "sessions/zarfiletabledialog.h"
#include "sessions/zarsessionmenuwidget.h"
#include "sessions/zarsessionmodedialog.h"
#include "sessions/zarsessionwidget.h"

#include <QPointer>
#include <QSignalSpy>

typedef zarSessionScreenFixture Fixture;

class TestSessionOpening : public QObject
{
    Q_OBJECT

    // A stored template of one set of each array type.
    static QString storeTemplate(const QList<int>& types = { 4 }, zarCable cables = 2)
    {
        QList<zarTemplateFixture::Set> sets;
        for (int type : types)
            sets.append({ qint8(type), { { 0, 0 } } });
        QDir().mkpath(templatesDir);
        QFile file(templatesDir + QStringLiteral("t.") + templateExtension);
        file.open(QIODevice::WriteOnly);
        file.write(zarTemplateFixture::bytes(cables, 5.0f, sets));
        return file.fileName();
    }

    // Answers the mode dialog (Full, or Append at the segment), then the cable dialog,
    // noting which remote electrodes it offered.
    static void answerModeAndCables(const QString& segment, QPair<bool, bool>* remotes = nullptr, bool accept = true)
    {
        zarWhenModalOf<zarSessionModeDialog>([segment](zarSessionModeDialog* d) {
            d->appendComboBox->setCurrentText(segment);
            (segment.isEmpty() ? d->fullPushButton : d->appendPushButton)->click();
        });
        zarWhenModalOf<zarCableConfigDialog>([remotes, accept](zarCableConfigDialog* d) {
            if (remotes)
                *remotes = { d->remoteTxOffered(), d->remoteRxOffered() };
            accept ? d->accept() : d->reject();
        });
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
    static bool showsNormal(const zarSessionMenuWidget& m) { return image(m.openPushButton->icon()) == image(m.normalIcon); }

private slots:
    void initTestCase() { QDir().mkpath(systemDir); }
    void init() { Fixture::closeSettings().clear(); }

    void cleanup()
    {
        QDir(templatesDir).removeRecursively();
        QDir(systemDir).removeRecursively();
        QDir().mkpath(systemDir);
    }

    void cleanupTestCase() { zarCore::destroy(); }

    // Appending to a segment moves every electrode of the template up the cable.
    void offsets_data()
    {
        QTest::addColumn<QString>("segment");
        QTest::addColumn<int>("lowestTop");
        QTest::newRow("full") << QString() << 3;
        QTest::newRow("append 32") << "32" << 32;
        QTest::newRow("append 16") << "16" << 48;
    }
    void offsets()
    {
        QFETCH(QString, segment);
        zarSessionWidget w(nullptr, false);
        answerModeAndCables(segment);
        QVERIFY(w.openNew(storeTemplate()));
        int lowest = 1000;
        for (const zarSessionDataUnit& u : w.sessionDataModel.units()) {
            const zarCoreQuadripole& q = u.coreQuadripole;
            lowest = qMin(lowest, int(qMax(qMax(q.a, q.b), qMax(q.m, q.n))));
        }
        QTEST(lowest, "lowestTop");
    }

    void remoteElectrodes_data()
    {
        QTest::addColumn<QList<int>>("types");
        QTest::addColumn<bool>("tx");
        QTest::addColumn<bool>("rx");
        QTest::newRow("dipole-dipole only") << QList<int> { 4 } << false << false;
        QTest::newRow("forward pole-dipole") << QList<int> { 5 } << true << false;
        QTest::newRow("backward pole-dipole") << QList<int> { 6 } << true << false;
        QTest::newRow("reciprocal pole-pole") << QList<int> { 17 } << true << true;
        QTest::newRow("pole-pole before pole-dipole") << QList<int> { 7, 5 } << true << true;
    }
    // Cancelling the cable dialog ends the start without a message or a session.
    void remoteElectrodes()
    {
        QFETCH(QList<int>, types);
        zarSessionWidget w(nullptr, false);
        QPair<bool, bool> remotes;
        answerModeAndCables(QString(), &remotes, false);
        zarDialogAnswer message;
        message.expect();
        QVERIFY(!w.openNew(storeTemplate(types)));
        message.disarm();
        QVERIFY(!message.shown);
        QTEST(remotes.first, "tx");
        QTEST(remotes.second, "rx");
        QVERIFY(!QFile::exists(Fixture::autosavePath()));
    }

    // A build without rows or without a file never loads what the autosave held.
    void builderRefusals_data()
    {
        QTest::addColumn<bool>("unwritable");
        QTest::addColumn<QString>("message");
        QTest::newRow("no measurement") << false << "There are no measurements in session";
        QTest::newRow("autosave not written") << true << "Can not write data to file";
    }
    void builderRefusals()
    {
        QFETCH(bool, unwritable);
        const QString autosave = Fixture::autosavePath();
        if (unwritable)
            QVERIFY(QDir().mkpath(autosave));
        else
            Fixture::session(5).write(autosave);
        const QByteArray before = zarTemplateFixture::read(autosave);
        zarSessionWidget w(nullptr, false);
        answerModeAndCables(QStringLiteral("32"));
        zarDialogAnswer message;
        message.expect();
        // One cable appended at segment 32 keeps nothing; two cables keep rows.
        QVERIFY(!w.openNew(storeTemplate({ 4 }, unwritable ? 2 : 1)));
        QTEST(message.text, "message");
        QVERIFY(!w.sessionTableView->model());
        QCOMPARE(zarTemplateFixture::read(autosave), before);
    }

    // A new session starts from the template chosen in the table.
    void templateTable()
    {
        zarSessionWidget w(nullptr, false);
        zarDialogAnswer message;
        message.expect();
        QVERIFY(!w.open(QString()));
        QCOMPARE(message.text, QStringLiteral("Can not find templates"));
        storeTemplate();
        zarWhenModalOf<zarFileTableDialog>([](zarFileTableDialog* d) { d->reject(); });
        QVERIFY(!w.open(QString()));
        zarWhenModalOf<zarFileTableDialog>([](zarFileTableDialog* d) { d->accept(); });
        answerModeAndCables(QString());
        QVERIFY(w.open(QString()));
        QCOMPARE(w.sessionName, autosaveName);
        QVERIFY(w.sessionDataModel.rowCount() > 0);
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
            Fixture::setCloseFlag(flag.toInt());
        QTEST(zarSessionMenuWidget().isBlinking(), "blinking");
    }

    // The phase is one for the whole program; a hidden menu stops on the normal image.
    void blinkPhase()
    {
        Fixture::setCloseFlag(0);
        zarSessionMenuWidget menu;
        QVERIFY(!(image(menu.normalIcon) == image(menu.alternateIcon)));
        QVERIFY(showsNormal(menu));
        menu.onAuxTimeout();
        QVERIFY(!showsNormal(menu));
        menu.showMenu(false);
        QVERIFY(!menu.isBlinking());
        QVERIFY(showsNormal(menu));
        zarSessionMenuWidget another;
        another.onAuxTimeout();
        QVERIFY(showsNormal(another));
    }

    // The ERTLab start leaves its session in the autosave file and returns to the
    // buttons, which now blink; the previous session opens from there, once.
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
        QVERIFY(menu.isBlinking());

        menu.onSessionLoad();
        QPointer<zarSessionWidget> screen = menu.sessionScreen();
        QVERIFY(screen);
        QCOMPARE(screen->sessionDataModel.rowCount(), 2);
        QVERIFY(menu.openPushButton->isHidden());
        QVERIFY(!menu.isBlinking());
        menu.openSession(QString());
        QCOMPARE(menu.sessionScreen(), screen.data());

        options.pauseDurationComboBox->setEnabled(false);
        message.expect(QMessageBox::No);
        screen->closePushButton->click();
        QVERIFY(gone(screen));
        QVERIFY(!menu.openPushButton->isHidden());
        QVERIFY(!menu.isBlinking());
        QVERIFY(options.pauseDurationComboBox->isEnabled());
    }

    // DATA views a stored session in place of its button, and leaves the blink alone.
    void dataMenuViews()
    {
        const QString path = Fixture::write(Fixture::session(6), QStringLiteral("d"));
        zarDataMenuWidget menu;
        zarAnswerFileDialog(path);
        menu.openPushButton->click();
        QPointer<zarSessionWidget> screen = menu.sessionScreen();
        QVERIFY(screen);
        QVERIFY(screen->startPushButton->isHidden());
        QVERIFY(menu.openPushButton->isHidden());
        menu.openSession(path);
        QCOMPARE(menu.sessionScreen(), screen.data());
        screen->closePushButton->click();
        QVERIFY(gone(screen));
        QVERIFY(!menu.openPushButton->isHidden());
        QCOMPARE(Fixture::closeFlag(), 0);
    }

};

ZAR_TEST_MAIN(TestSessionOpening)
#include "test_sessionopening.moc"
