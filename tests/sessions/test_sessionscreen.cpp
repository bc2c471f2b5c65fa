// The session screen: opened from a template (mode and cable dialogs, the builder's
// refusals), and the measurement cycle end to end through zarCore and the board
// simulator on the job thread; the blinking "Open previous session".
#include "../templates/zartemplatefixture.h"
#include "zardialoganswer.h"
#include "zarmessagelog.h"
#include "zarmodalof.h"
#include "zarprogramfont.h"
#include "zarsessionfixture.h"
#include "zartestsupport.h"

#include "core/zarcore.h"
#include "frame/zarmainwidget.h"
#include "frame/zaroptionswidget.h"
#include "frame/zarsystemwidget.h"
#include "frame/zartranslator.h"
#include "service/zarcableconfigdialog.h"
#include "sessions/zarsessionmenuwidget.h"
#include "sessions/zarsessionmodedialog.h"
#include "sessions/zarsessionwidget.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QStyleFactory>
#include <algorithm>
#include <cmath>

typedef zarSessionFixture Fixture;

class TestSessionScreen : public QObject
{
    Q_OBJECT

    enum Shape { None, Error };

    static zarSessionDataModel& model(zarSessionWidget& w) { return w.sessionDataModel; }

    static int measured(zarSessionWidget& w)
    {
        const auto& units = model(w).units();
        return int(std::count_if(units.cbegin(), units.cend(), [](const zarSessionDataUnit& u) { return u.measureSet.measured; }));
    }

    static void openSession(zarSessionWidget& w)
    {
        QVERIFY(w.setup(Fixture::write(Fixture::session(29), QStringLiteral("cycle.zarSession"))));
    }

    // Presses Start and returns the warning that ends the run.
    static QString run(zarSessionWidget& w)
    {
        zarDialogAnswer answer;
        answer.expect();
        w.startPushButton->click();
        return zarWaitFor([&] { return answer.shown; }) ? answer.text : QStringLiteral("no warning");
    }

    // What the autosave file holds equals what the screen shows.
    static void compareWithAutosave(zarSessionWidget& w)
    {
        zarSessionFile autosave;
        QCOMPARE(autosave.read(Fixture::autosavePath()), zarSessionFile::Read);
        const auto& units = model(w).units();
        QCOMPARE(autosave.units.size(), units.size());
        for (int i = 0; i < units.size(); ++i) {
            QVERIFY2(autosave.units[i].measureSet == units[i].measureSet, qPrintable(QStringLiteral("row %1").arg(i)));
            QCOMPARE(autosave.units[i].rho, units[i].rho);
        }
    }

    // A stored template of one set of each array type.
    static QString storeTemplate(const QList<int>& types = { 4 }, zarCable cables = 2)
    {
        QList<zarTemplateFixture::Set> sets;
        for (int type : types)
            sets.append({ qint8(type), { { 0, 0 } } });
        return zarTemplateFixture::write(zarTemplateFixture::bytes(cables, 5.0f, sets));
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

    // Eight rows; the second measured with the given IP options.
    static QString measuredWith(bool ip, quint16 pauseCode)
    {
        zarSessionFile s = Fixture::session(8);
        s.units[1].measureSet.measured = true;
        s.units[1].measureSet.settings.ip = ip;
        s.units[1].measureSet.settings.pauseCode = pauseCode;
        return Fixture::write(s, QStringLiteral("ip.zarSession"));
    }

    // A session of the given number of rows: the rows of a small one over and over.
    static QString writeRows(int rows)
    {
        zarSessionFile s = Fixture::session(8);
        const QVector<zarSessionDataUnit> run = s.units;
        s.units.clear();
        s.units.reserve(rows);
        for (int i = 0; i < rows; ++i)
            s.units << run[i % run.size()];
        return Fixture::write(s, QStringLiteral("rows.zarSession"));
    }

    // Runs check on the screen of the session at path as the operator sees it: opened
    // on the DATA page of the program's window (its font and style, 1024 x 600) in the
    // given language. English again at the end.
    static void onScreen(const QString& path, const QString& language,
                         const std::function<void(zarSessionWidget&)>& check)
    {
        const auto font = zarUseProgramFont();
        const QString style = QApplication::style()->objectName();
        const auto restore = qScopeGuard([style] {
            zarTranslator::instance()->setLanguage(QStringLiteral("En"));
            if (QStyle* before = QStyleFactory::create(style))
                QApplication::setStyle(before);
        });
        QApplication::setStyle(new zarGuiStyle());
        QVERIFY(zarTranslator::instance()->setLanguage(language));
        zarMainWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.tabWidget->setCurrentWidget(window.dataTab);
        window.dataMenu.openSession(path);
        QVERIFY(window.dataMenu.sessionScreen());
        QApplication::processEvents();
        check(*window.dataMenu.sessionScreen());
    }

    // The item texts of a selector that its field cuts.
    static QStringList cutItems(const QComboBox* box)
    {
        QStyleOptionComboBox option;
        option.initFrom(box);
        option.frame = box->hasFrame();
        option.editable = box->isEditable();
        const QRect field =
            box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box);
        QStringList cut;
        for (int i = 0; i < box->count(); ++i) {
            // The label leaves a pixel on either side of the field.
            if (box->fontMetrics().horizontalAdvance(box->itemText(i)) > field.width() - 2)
                cut << box->itemText(i);
        }
        return cut;
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<zarCoreReportET2D>();
        QDir().mkpath(systemDir);
    }

    void cleanup()
    {
        QDir(Fixture::autosavePath()).removeRecursively();
        QFile::remove(Fixture::autosavePath());
        zarSystemWidget::setBusy(false);
    }

    void cleanupTestCase() { zarCore::destroy(); }

    void measuredToTheEnd()
    {
        zarSessionWidget w(nullptr, false);
        openSession(w);
        QAbstractItemModelTester tester(&model(w), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy groups(&model(w), &zarSessionDataModel::sendMoveForward);
        zarDialogAnswer answer;
        answer.expect();
        w.startPushButton->click();
        QVERIFY(zarSystemWidget::isBusy());
        QCOMPARE(w.sessionTableView->selectionMode(), QAbstractItemView::NoSelection);
        QVERIFY(!w.closePushButton->isEnabled());
        QVERIFY(zarWaitFor([&] { return answer.shown; }));
        QCOMPARE(answer.text, QStringLiteral("It is all done"));

        QList<int> sizes;
        for (const QList<QVariant>& group : groups)
            sizes << group.at(1).toInt();
        QCOMPARE(sizes, QList<int>({ 4, 4, 4, 4, 4, 4, 4, 1 }));
        QCOMPARE(measured(w), 29);
        compareWithAutosave(w);
        QVERIFY(!zarSystemWidget::isBusy());
        QCOMPARE(w.currentRow(), 28);
        QVERIFY(w.closePushButton->isEnabled());
        // Start stays locked a moment after the end; only the release stops the autosave.
        QVERIFY(!w.startPushButton->isEnabled());
        QVERIFY(w.autoSaveTimer.isActive());
        QVERIFY(zarWaitFor([&] { return w.startPushButton->isEnabled(); }, 5000));
    }

    // The timer goes on after the end; its ticks write the file again only after a
    // change, here a row the operator deletes in the plot.
    void autosaveTicksAfterTheEnd()
    {
        zarSessionWidget w(nullptr, false);
        openSession(w);
        QCOMPARE(run(w), QStringLiteral("It is all done"));
        QVERIFY(w.autoSaveTimer.isActive());
        const QByteArray untouched("untouched");
        {
            QFile file(Fixture::autosavePath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(untouched);
        }
        auto tick = [&w] { QVERIFY(QMetaObject::invokeMethod(&w.autoSaveTimer, "timeout")); };
        tick();
        tick();
        QCOMPARE(Fixture::readFile(Fixture::autosavePath()), untouched);
        emit w.pseudoSectionPlot.sendRowDelete(3);
        tick();
        QCOMPARE(measured(w), 28);
        compareWithAutosave(w);
    }

    // Released during a group: the job is cancelled, the group stays unmeasured and
    // is the first one measured on the next press.
    void stopAndResume()
    {
        zarSessionWidget w(nullptr, false);
        openSession(w);
        QSignalSpy groups(&model(w), &zarSessionDataModel::sendMoveForward);
        connect(&model(w), &zarSessionDataModel::sendMoveForward, &w, [&](int begin) {
            // Runs after the screen has already handed the next group to the core.
            if (begin == 0 && groups.size() == 1)
                w.startPushButton->click();
        });
        QCOMPARE(run(w), QStringLiteral("Canceled by user"));
        QCOMPARE(measured(w), 4);
        QCOMPARE(w.currentRow(), 4);
        QVERIFY(!zarSystemWidget::isBusy());
        QVERIFY(!w.autoSaveTimer.isActive());
        compareWithAutosave(w);

        const auto before = model(w).units().mid(0, 4);
        QVERIFY(zarWaitFor([&] { return w.startPushButton->isEnabled(); }, 5000));
        QCOMPARE(run(w), QStringLiteral("It is all done"));
        QCOMPARE(groups.at(1).first().toInt(), 4);
        QCOMPARE(measured(w), 29);
        for (int i = 0; i < 4; ++i)
            QVERIFY(model(w).units()[i].measureSet == before[i].measureSet);
    }

    void failedReport_data()
    {
        QTest::addColumn<int>("shape");
        QTest::addColumn<QString>("warning");
        QTest::newRow("no results") << int(None) << "No results were received";
        QTest::newRow("error report") << int(Error) << "Simulated error";
    }
    // The failed group is repeated by the next press; what was there is saved.
    void failedReport()
    {
        QFETCH(int, shape);
        zarSessionWidget w(nullptr, false);
        openSession(w);
        disconnect(zarCore::instance(), &zarCore::sendReportET2D, &w, nullptr);
        connect(zarCore::instance(), &zarCore::sendReportET2D, &w, [&](zarCoreReportET2D report) {
            if (shape == None)
                report.results.clear();
            else
                report.error.code = 1;
            w.onReportET2D(report);
        });
        w.sessionTableView->selectRow(5);
        QTEST(run(w), "warning");
        QCOMPARE(measured(w), 0);
        QVERIFY(!zarSystemWidget::isBusy());
        QVERIFY(!w.startPushButton->isChecked());
        QCOMPARE(w.currentRow(), 5);
        QVERIFY(QFile::exists(Fixture::autosavePath()));
    }

    // Without a row nothing is handed to the core and nothing stays locked.
    void startWithoutRow()
    {
        zarSessionWidget w(nullptr, false);
        openSession(w);
        QVERIFY(!model(w).startFrom(29));
        w.sessionTableView->clearSelection();
        w.startPushButton->click();
        QCOMPARE(w.jobsPending, 0);
        QVERIFY(!zarSystemWidget::isBusy());
        QCOMPARE(w.sessionTableView->selectionMode(), QAbstractItemView::SingleSelection);
        QVERIFY(!w.autoSaveTimer.isActive());
    }

    // A report of a job this screen did not start is no result of its rows.
    void strayReportIgnored()
    {
        zarSessionWidget w(nullptr, false);
        openSession(w);
        zarCoreReportET2D stray;
        stray.results << zarMeasureSet() << zarMeasureSet();
        emit zarCore::instance()->sendReportET2D(stray);
        QCOMPARE(measured(w), 0);
    }

    void timeLeft_data()
    {
        QTest::addColumn<qint64>("elapsed");
        QTest::addColumn<int>("done");
        QTest::addColumn<QString>("text");
        QTest::newRow("three seconds a row") << qint64(6000) << 2 << "Left: 00:00:30";
        QTest::newRow("just under a day") << qint64(8639900) << 1 << "Left: 23:59:59";
        QTest::newRow("a whole day is too long") << qint64(8640000) << 1 << "Left: too long";
    }
    // Ten rows remain.
    void timeLeft()
    {
        QFETCH(qint64, elapsed);
        QFETCH(int, done);
        QTEST(zarSessionWidget::timeLeftText(elapsed, done, 10), "text");
    }

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
        for (const zarSessionDataUnit& u : model(w).units()) {
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
        const QByteArray before = Fixture::readFile(autosave);
        zarSessionWidget w(nullptr, false);
        answerModeAndCables(QStringLiteral("32"));
        zarDialogAnswer message;
        message.expect();
        // One cable appended at segment 32 keeps nothing; two cables keep rows.
        QVERIFY(!w.openNew(storeTemplate({ 4 }, unwritable ? 2 : 1)));
        QTEST(message.text, "message");
        QVERIFY(!w.sessionTableView->model());
        QCOMPARE(Fixture::readFile(autosave), before);
    }

    // An ERTLab file refused for a repeated electrode or a coordinate that is not a
    // finite number builds nothing: the previous autosave stays as it was.
    void ertLabRefusalKeepsAutosave_data()
    {
        const QByteArray electrodes = "# X Y Z\n1 0 0 0\n2 1 0 0\n3 2 0 0\n4 3 0 0\n";
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("one electrode for all four")
            << electrodes + "# A B M N\n1 1 2 3 4\n2 1 1 1 1\n"
            << "Electrode 1 appears more than once in quadripole (row: 2)";
        QTest::newRow("coordinates not finite") << electrodes + "5 nan inf -inf\n# A B M N\n1 1 2 3 4\n"
                                                << "Coordinate of electrode 5 is not a finite number";
    }
    void ertLabRefusalKeepsAutosave()
    {
        QFETCH(QByteArray, text);
        const QString autosave = Fixture::autosavePath();
        Fixture::session(5).write(autosave);
        const QByteArray before = Fixture::readFile(autosave);
        zarSessionWidget w(nullptr, false);
        zarDialogAnswer message;
        message.expect();
        QVERIFY(!w.openFile(zarTemplateFixture::write(text, QStringLiteral("ertlab.txt"))));
        QTEST(message.text, "message");
        QVERIFY(!w.sessionTableView->model());
        QCOMPARE(Fixture::readFile(autosave), before);
    }

    // The phase is one for the whole program; a hidden menu stops on the normal image.
    void blinkPhase()
    {
        Fixture::setCloseFlag(0);
        zarSessionMenuWidget menu;
        const auto image = [](const QIcon& icon) { return icon.pixmap(32).toImage(); };
        QVERIFY(menu.isBlinking());
        QCOMPARE(image(menu.openPushButton->icon()), image(menu.normalIcon));
        menu.onAuxTimeout();
        QCOMPARE(image(menu.openPushButton->icon()), image(menu.alternateIcon));
        menu.showMenu(false);
        QVERIFY(!menu.isBlinking());
        QCOMPARE(image(menu.openPushButton->icon()), image(menu.normalIcon));
        zarSessionMenuWidget another;
        another.onAuxTimeout();
        QCOMPARE(image(another.openPushButton->icon()), image(another.normalIcon));
    }

    void rowNumberWhole_data()
    {
        QTest::addColumn<int>("rows");
        QTest::newRow("four digits") << 9999;
        QTest::newRow("the first of five digits") << 10000;
        QTest::newRow("five digits: eight full sets on two cables") << 73343;
    }
    // The "#" cell of the last row shows its number whole within the text margins the
    // view's style leaves (the cell's rect is the column's less its grid line).
    void rowNumberWhole()
    {
        QFETCH(int, rows);
        onScreen(writeRows(rows), QStringLiteral("En"), [rows](zarSessionWidget& screen) {
            QTableView* table = screen.sessionTableView;
            const QModelIndex last = table->model()->index(rows - 1, 0);
            QCOMPARE(last.data().toString(), QString::number(rows));
            table->scrollTo(last);
            const int margin = table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1;
            const int room = table->visualRect(last).width() - 2 * margin;
            const int text = table->fontMetrics().horizontalAdvance(last.data().toString());
            QVERIFY2(text <= room, qPrintable(QStringLiteral("%1 px in %2 px").arg(text).arg(room)));
        });
    }

    void selectorsFitAfterSwitch_data()
    {
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("switched");
        QTest::newRow("English to Russian") << "En" << "Ru";
        QTest::newRow("Russian to English") << "Ru" << "En";
    }
    // A language switch with a session open leaves every item of Display and Mode whole.
    void selectorsFitAfterSwitch()
    {
        QFETCH(QString, opened);
        QFETCH(QString, switched);
        onScreen(Fixture::write(Fixture::session(29), QStringLiteral("switch.zarSession")), opened,
                 [switched](zarSessionWidget& screen) {
                     screen.mainTabWidget->setCurrentIndex(1);
                     QApplication::processEvents();
                     QVERIFY(zarTranslator::instance()->setLanguage(switched));
                     QApplication::processEvents();
                     QCOMPARE(cutItems(screen.displayComboBox), QStringList());
                     QCOMPARE(cutItems(screen.modeComboBox), QStringList());
                 });
    }

    void captionsWhole_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("display");
        QTest::addColumn<int>("mode");
        const char* displays[] = { "pseudo section", "sounding curves", "profile curves" };
        const char* modes[] = { "resistivity", "chargeability" };
        for (const char* language : { "En", "Ru" }) {
            for (int display = 0; display < 3; ++display) {
                for (int mode = 0; mode < 2; ++mode)
                    QTest::addRow("%s, %s, %s", language, displays[display], modes[mode])
                        << language << display << mode;
            }
        }
    }
    // Each caption shown fits its label and stays within the length of its plot's axis.
    void captionsWhole()
    {
        QFETCH(QString, language);
        QFETCH(int, display);
        QFETCH(int, mode);
        onScreen(Fixture::write(Fixture::session(29), QStringLiteral("captions.zarSession")), language,
                 [display, mode](zarSessionWidget& screen) {
                     screen.mainTabWidget->setCurrentIndex(1);
                     screen.displayComboBox->setCurrentIndex(display);
                     screen.modeComboBox->setCurrentIndex(mode);
                     QApplication::processEvents();
                     const QWidget* canvas = display == 0 ? screen.pseudoSectionPlot.canvas()
                                                          : screen.soundingCurvePlot.canvas();
                     int shown = 0;
                     for (const QLabel* caption : { screen.yDepthLabel, screen.yResistivitylabel,
                                                    screen.yChargeabilityLabel, screen.xCenterLabel,
                                                    screen.xResistivitylabel, screen.xChargeabilityLabel,
                                                    screen.xDepthLabel }) {
                         if (!caption->isVisible())
                             continue;
                         ++shown;
                         const QSize text = caption->fontMetrics().size(0, caption->text());
                         const bool vertical = caption->objectName().startsWith(QLatin1Char('y'));
                         const int along = vertical ? text.height() : text.width();
                         const int label = vertical ? caption->height() : caption->width();
                         const int axis = vertical ? canvas->height() : canvas->width();
                         const QString what = caption->objectName() + QStringLiteral(": %1 px, label %2 px, axis %3 px")
                                                                          .arg(along).arg(label).arg(axis);
                         QVERIFY2(along <= label && along <= axis, qPrintable(what));
                     }
                     QCOMPARE(shown, display == 0 ? 3 : 2);
                 });
    }

    // "Open previous session" on an autosave cut short: the screen opens with the
    // rows read, says how many once, and its set label counts them.
    void cutAutosaveOpens()
    {
        const zarSessionFile s = Fixture::session(29);
        const int rowsStart = Fixture::bytes(s).size() - 26 - 29 * 113;
        Fixture::writeCut(s, rowsStart + 10 * 113 + 50, Fixture::autosavePath());
        zarSessionMenuWidget menu;
        zarMessageLog log;
        menu.onSessionLoad();
        QVERIFY(menu.sessionScreen());
        QCOMPARE(model(*menu.sessionScreen()).rows(), 10);
        QCOMPARE(log.texts, QStringList { QStringLiteral("Session file is incomplete. Rows read: 10") });
        QCOMPARE(menu.sessionScreen()->currentSetComboBox->itemText(0), QStringLiteral("1/1 Dipole-Dipole [10]"));
    }

    // Measured rows keep the IP options they were measured with, if the operator agrees.
    void ipCheck_data()
    {
        QTest::addColumn<bool>("storedIp");
        QTest::addColumn<int>("storedCode");
        QTest::addColumn<QString>("currentPause");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<QString>("pauseAfter");
        QTest::addColumn<bool>("asked");
        QTest::newRow("back to IP") << true << 3 << "20" << int(QMessageBox::Yes) << true << "100" << true;
        QTest::newRow("back to no IP selects 20 ms") << false << 0 << "100" << int(QMessageBox::Yes) << true << "20" << true;
        QTest::newRow("refused: the screen closes") << true << 3 << "20" << int(QMessageBox::No) << false << "20" << true;
        QTest::newRow("same options: no question") << true << 3 << "100" << int(QMessageBox::No) << true << "100" << false;
    }

    void ipCheck()
    {
        QFETCH(bool, storedIp);
        QFETCH(int, storedCode);
        QFETCH(QString, currentPause);
        QFETCH(int, answer);
        QFETCH(bool, opened);
        zarOptionsWidget options;
        options.pauseDurationComboBox->setCurrentText(currentPause);
        zarSessionWidget w(nullptr, false);
        QSignalSpy closed(&w, &zarSessionWidget::sendSessionClose);
        zarDialogAnswer question;
        question.expect(QMessageBox::StandardButton(answer));
        QCOMPARE(w.setup(measuredWith(storedIp, quint16(storedCode))), opened);
        question.disarm();
        QTEST(question.shown, "asked");
        QCOMPARE(closed.count(), opened ? 0 : 1);
        QTEST(options.pauseDurationComboBox->currentText(), "pauseAfter");
    }

};

ZAR_TEST_MAIN(TestSessionScreen)
#include "test_sessionscreen.moc"
