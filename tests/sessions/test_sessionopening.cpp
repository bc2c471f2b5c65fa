// Opening a measuring session: from a stored template through the file table,
// the mode dialog and the cable dialog; from an ERTLab template; and the
// builder's refusals.
#include "../templates/zartemplatefixture.h"
#include "zardialoganswer.h"
#include "zarmodalof.h"
#include "zarsessionscreenfixture.h"
#include "zartestsupport.h"

#include "core/zarcore.h"
#include "service/zarcableconfigdialog.h"
#include "sessions/zarfiletabledialog.h"
#include "sessions/zarsessionmodedialog.h"
#include "sessions/zarsessionwidget.h"

#include <QSignalSpy>

class TestSessionOpening : public QObject
{
    Q_OBJECT

    typedef QList<zarTemplateFixture::Set> Sets;

    static QString storeTemplate(const Sets& sets, zarCable cables = 2, const QString& name = "t")
    {
        QDir().mkpath(templatesDir);
        const QString path = templatesDir + name + QLatin1Char('.') + templateExtension;
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(zarTemplateFixture::bytes(cables, 5.0f, sets));
        return path;
    }

    // Answers the mode dialog: Full, or Append with the given segment.
    static void answerMode(const QString& segment)
    {
        zarWhenModalOf<zarSessionModeDialog>([segment](zarSessionModeDialog* d) {
            if (segment.isEmpty()) {
                d->fullPushButton->click();
            } else {
                d->appendComboBox->setCurrentText(segment);
                d->appendPushButton->click();
            }
        });
    }

    struct Offered
    {
        int cables = -1;
        bool tx = false, rx = false;
    };

    static void answerCables(Offered* offered, bool accept)
    {
        zarWhenModalOf<zarCableConfigDialog>([offered, accept](zarCableConfigDialog* d) {
            *offered = { d->cables(), d->remoteTxOffered(), d->remoteRxOffered() };
            accept ? d->accept() : d->reject();
        });
    }

    static const zarSessionDataModel* model(const zarSessionWidget& w)
    {
        return qobject_cast<const zarSessionDataModel*>(w.sessionTableView->model());
    }

    // The lowest of the rows' highest electrodes.
    static int lowestTop(const zarSessionDataModel* m)
    {
        int lowest = 1000;
        for (const zarSessionDataUnit& u : m->units()) {
            const zarCoreQuadripole& q = u.coreQuadripole;
            lowest = qMin(lowest, int(qMax(qMax(q.a, q.b), qMax(q.m, q.n))));
        }
        return lowest;
    }

private slots:
    void initTestCase() { QDir().mkpath(systemDir); }

    void cleanup()
    {
        QDir(templatesDir).removeRecursively();
        QDir(systemDir).removeRecursively();
        QDir().mkpath(systemDir);
    }

    void cleanupTestCase() { zarCore::destroy(); }

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
        const QString path = storeTemplate({ { 4, { { 0, 0 } } } });
        zarSessionWidget w(nullptr, false);
        Offered offered;
        answerMode(segment);
        answerCables(&offered, true);
        QVERIFY(w.openNew(path));
        QCOMPARE(offered.cables, 2);
        QTEST(lowestTop(model(w)), "lowestTop");
    }

    void modeAnswers()
    {
        zarSessionModeDialog dialog;
        QCOMPARE(dialog.size(), QSize(450, 230));
        QCOMPARE(dialog.appendComboBox->count(), 2);
        QCOMPARE(dialog.appendComboBox->currentText(), QStringLiteral("32"));
        zarWhenModalOf<zarSessionModeDialog>([](zarSessionModeDialog* d) { QTest::keyClick(d, Qt::Key_Escape); });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    }

    void remoteElectrodes_data()
    {
        QTest::addColumn<QList<int>>("types");
        QTest::addColumn<bool>("tx");
        QTest::addColumn<bool>("rx");
        QTest::newRow("Schlumberger and pole-pole") << QList<int> { 3, 7 } << true << true;
        QTest::newRow("dipole-dipole only") << QList<int> { 4 } << false << false;
        QTest::newRow("forward pole-dipole") << QList<int> { 5 } << true << false;
        QTest::newRow("backward pole-dipole") << QList<int> { 6 } << true << false;
        QTest::newRow("reciprocal pole-pole") << QList<int> { 17 } << true << true;
        QTest::newRow("pole-pole before pole-dipole") << QList<int> { 7, 5 } << true << true;
    }

    // Cancelling the cable dialog ends the start without a message.
    void remoteElectrodes()
    {
        QFETCH(QList<int>, types);
        Sets sets;
        for (int type : types)
            sets.append({ qint8(type), { { 0, 0 } } });
        const QString path = storeTemplate(sets);
        QFile::remove(zarSessionScreenFixture::autosavePath());
        zarSessionWidget w(nullptr, false);
        Offered offered;
        answerMode(QString());
        answerCables(&offered, false);
        zarDialogAnswer message;
        message.expect();
        QVERIFY(!w.openNew(path));
        message.disarm();
        QVERIFY(!message.shown);
        QTEST(offered.tx, "tx");
        QTEST(offered.rx, "rx");
        QVERIFY(!QFile::exists(zarSessionScreenFixture::autosavePath()));
    }

    void ertLabRoad_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("choose");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("closes");
        QTest::newRow("valid") << QByteArray("# X Y Z\n1 0 0 0\n2 1 0 0\n3 2 0 0\n4 3 0 0\n# A B M N\n1 1 2 3 4\n")
                               << true << "ERTLab template is valid" << 1;
        QTest::newRow("rejected by the import") << QByteArray("1 0 0 0\n") << true
                                                << "Can not find the beginning of header (# X Y Z)" << 1;
        QTest::newRow("file dialog cancelled") << QByteArray() << false << QString() << 0;
    }

    // The ERTLab start checks the template, leaves its session in the autosave file
    // and closes the screen whatever happened after a file was chosen.
    void ertLabRoad()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, choose);
        const QString file = zarTemplateFixture::write(text, QStringLiteral("ertlab.txt"));
        zarSessionWidget w(nullptr, false);
        QSignalSpy closed(&w, &zarSessionWidget::sendSessionClose);
        QStringList filters;
        QString title;
        zarAnswerFileDialog(choose ? file : QString(), [&](QFileDialog* d) {
            filters = d->nameFilters();
            title = d->windowTitle();
        });
        zarDialogAnswer message;
        message.expect();
        QVERIFY(!w.open(ertlabMarker));
        message.disarm();
        QCOMPARE(filters, QStringList { "*.txt" });
        QCOMPARE(title, QStringLiteral("Open ERTLab template"));
        QTEST(message.text, "message");
        QTEST(int(closed.count()), "closes");
        const bool valid = message.text == QLatin1String("ERTLab template is valid");
        QCOMPARE(zarSessionScreenFixture::readAutosave().units.size(), valid ? 1 : 0);
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
        // One cable appended at segment 32 keeps nothing; two cables keep rows.
        const QString path = storeTemplate({ { 4, { { 0, 0 } } } }, unwritable ? 2 : 1);
        const QString autosave = zarSessionScreenFixture::autosavePath();
        if (unwritable)
            QVERIFY(QDir().mkpath(autosave));
        else
            zarSessionScreenFixture::session(5).write(autosave);
        const QByteArray before = zarTemplateFixture::read(autosave);
        zarSessionWidget w(nullptr, false);
        Offered offered;
        answerMode(QStringLiteral("32"));
        answerCables(&offered, true);
        zarDialogAnswer message;
        message.expect();
        QVERIFY(!w.openNew(path));
        QTEST(message.text, "message");
        QVERIFY(!w.sessionTableView->model());
        QCOMPARE(zarTemplateFixture::read(autosave), before);
    }

    void templateList()
    {
        zarSessionWidget w(nullptr, false);
        zarDialogAnswer message;
        message.expect();
        QVERIFY(!w.open(QString()));
        QCOMPARE(message.text, QStringLiteral("Can not find templates"));

        storeTemplate({ { 4, { { 0, 0 } } } }, 2, QStringLiteral("line"));
        message.expect();
        zarWhenModalOf<zarFileTableDialog>([](zarFileTableDialog* d) { d->reject(); });
        QVERIFY(!w.open(QString()));
        message.disarm();
        QVERIFY(!message.shown);

        Offered offered;
        zarWhenModalOf<zarFileTableDialog>([](zarFileTableDialog* d) { d->accept(); });
        answerMode(QString());
        answerCables(&offered, true);
        QVERIFY(w.open(QString()));
        QCOMPARE(w.sessionName, autosaveName);
        QVERIFY(model(w) && model(w)->rowCount() > 0);
    }

    void viewOnlyOpensOnlyFiles()
    {
        zarSessionWidget w(nullptr, true);
        const QString path = storeTemplate({ { 4, { { 0, 0 } } } });
        QVERIFY(!w.openNew(path));
        QVERIFY(!w.openFile(path));
        QVERIFY(!w.open(QString()));
        zarDialogAnswer message;
        message.expect();
        QVERIFY(!w.open(ertlabMarker));
        QCOMPARE(message.text, QStringLiteral("Can not open file for reading"));
    }
};

ZAR_TEST_MAIN(TestSessionOpening)
#include "test_sessionopening.moc"
