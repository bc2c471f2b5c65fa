// The session screen: opened from a template (mode and cable dialogs, the builder's
// refusals), and the measurement cycle end to end through zarCore and the board
// simulator on the job thread; the blinking "Open previous session"; the screen's
// display switch, view-only mode, signal view and Finish.
#include "../templates/zartemplatefixture.h"
#include "zaraxiscaptioncheck.h"
#include "zardialoganswer.h"
#include "zarmessagelog.h"
#include "zarmodalof.h"
#include "zaroperator.h"
#include "zarsessionfixture.h"
#include "zartestsupport.h"

#include "core/zarcore.h"
#include "frame/zarkeyboarddialog.h"
#include "frame/zarmainwidget.h"
#include "frame/zaroptionswidget.h"
#include "frame/zarsystemwidget.h"
#include "frame/zartranslator.h"
#include "service/zarcableconfigdialog.h"
#include "service/zarsignalwidget.h"
#include "sessions/zardatamenuwidget.h"
#include "sessions/zarfiletabledialog.h"
#include "sessions/zarsessionmenuwidget.h"
#include "sessions/zarsessionmodedialog.h"
#include "sessions/zarsessionwidget.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QPointer>
#include <QSettings>
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

    // A session of eight rows in the sessions directory, named "screen".
    static QString screenSession(const zarSessionFile& s = Fixture::session(8))
    {
        QDir().mkpath(sessionsDir);
        const QString path = sessionsDir + QStringLiteral("screen.zarSession");
        s.write(path);
        return path;
    }

    static int closeFlag()
    {
        return QSettings(settingsScope, QStringLiteral("zarSessionMenuWidget"))
            .value(QStringLiteral("sessionCloseSuccess"), 1)
            .toInt();
    }

    // The widgets the display switch shows, by name.
    static QStringList shownPlots(zarSessionWidget& w)
    {
        QStringList names;
        if (!w.pseudoSectionPlot.isHidden())
            names << QStringLiteral("section");
        if (!w.soundingCurvePlot.isHidden())
            names << QStringLiteral("curves");
        for (QWidget* widget : std::initializer_list<QWidget*> {
                 w.soundingCenterFrame, w.xCenterLabel, w.xDepthLabel, w.xResistivitylabel, w.xChargeabilityLabel,
                 w.yDepthLabel, w.yResistivitylabel, w.yChargeabilityLabel })
            if (!widget->isHidden())
                names << widget->objectName();
        names.sort();
        return names;
    }

    // The page's buttons shown with margin 20, or all hidden with margin 0.
    static bool menuButtonsShown(const zarSessionMenuWidget& menu, bool shown)
    {
        const int margin = shown ? 20 : 0;
        return menu.ertPushButton->isHidden() != shown && menu.newPushButton->isHidden() != shown
            && menu.openPushButton->isHidden() != shown
            && menu.verticalLayout->contentsMargins() == QMargins(margin, margin, margin, margin);
    }

    // The screen goes with deleteLater from inside its own click handler.
    static bool screenGone(const QPointer<zarSessionWidget>& screen)
    {
        return zarWaitFor([&] {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            return screen.isNull();
        });
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

    void displaySwitch_data()
    {
        QTest::addColumn<int>("display");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("visible");
        const QString centre = QStringLiteral("xCenterLabel"), depthX = QStringLiteral("xDepthLabel");
        const QString frame = QStringLiteral("soundingCenterFrame");
        const QStringList constructed { "section", centre, "xResistivitylabel", "yDepthLabel" };
        QTest::newRow("as constructed") << -1 << -1 << constructed;
        QTest::newRow("section, chargeability")
            << 0 << 1 << QStringList { "section", centre, "xChargeabilityLabel", "yDepthLabel" };
        QTest::newRow("sounding, resistivity") << 1 << 0 << QStringList { "curves", frame, depthX, "yResistivitylabel" };
        QTest::newRow("sounding, chargeability")
            << 1 << 1 << QStringList { "curves", frame, depthX, "yChargeabilityLabel" };
        QTest::newRow("profile, resistivity") << 2 << 0 << QStringList { "curves", frame, centre, "yResistivitylabel" };
        QTest::newRow("profile, chargeability")
            << 2 << 1 << QStringList { "curves", frame, centre, "yChargeabilityLabel" };
        QTest::newRow("unknown display changes nothing") << 3 << 0 << constructed;
        QTest::newRow("unknown mode changes nothing") << 0 << 2 << constructed;
    }
    // The plot and the axis captions of the display and mode chosen.
    void displaySwitch()
    {
        QFETCH(int, display);
        QFETCH(int, mode);
        QFETCH(QStringList, visible);
        zarSessionWidget w(nullptr, true);
        if (display >= 0)
            w.updatePlotVisibility(quint8(display), quint8(mode));
        visible.sort();
        QCOMPARE(shownPlots(w), visible);
    }

    // The display and mode boxes reach the model and the plots.
    void displayBoxesReachTheModel()
    {
        zarSessionWidget w(nullptr, true);
        QVERIFY(w.setup(screenSession()));
        w.displayComboBox->setCurrentIndex(2);
        w.modeComboBox->setCurrentIndex(1);
        QCOMPARE(int(model(w).plot()), 2);
        QCOMPARE(int(model(w).mode()), 1);
        QVERIFY(!w.soundingCurvePlot.isHidden());
        QVERIFY(!w.yChargeabilityLabel->isHidden());
        QCOMPARE(w.currentSetComboBox->count(), 1);
    }

    // Viewing leaves no trace of a clean end, measures nothing and closes without a question.
    void viewOnly()
    {
        Fixture::setCloseFlag(1);
        zarSessionWidget w(nullptr, true);
        QSignalSpy closed(&w, &zarSessionWidget::sendSessionClose);
        QVERIFY(w.setup(screenSession()));
        QVERIFY(w.startPushButton->isHidden());
        QVERIFY(w.signalsPushButton->isHidden());
        QCOMPARE(closeFlag(), 0);
        QCOMPARE(w.sessionName, QStringLiteral("screen"));
        zarCoreReportET2D report;
        report.results << zarMeasureSet();
        emit zarCore::instance()->sendReportET2D(report);
        QVERIFY(!model(w).units()[0].measureSet.measured);
        zarOperator none({});
        w.closePushButton->click();
        QCOMPARE(none.shown, QStringList());
        QCOMPARE(closed.count(), 1);
        QCOMPARE(closeFlag(), 0);
    }

    // A session of resistances has no graphics and names its result R.
    void withoutArrayTypes()
    {
        zarSessionFile s = Fixture::session(8);
        s.arrangement.arrayTypeSets.clear();
        zarSessionWidget w(nullptr, true);
        QVERIFY(w.setup(screenSession(s)));
        QVERIFY(!w.mainTabWidget->isTabEnabled(1));
        QVERIFY(w.mainTabWidget->isTabEnabled(0));
        QCOMPARE(model(w).headerData(12, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("R [%1]").arg(QChar(0x03A9)));
    }

    // No path opens nothing; a damaged file is told and closes the screen, leaving the
    // mark of the last clean end as it was.
    void setupRefusals()
    {
        Fixture::setCloseFlag(1);
        zarSessionWidget w(nullptr, false);
        QSignalSpy closed(&w, &zarSessionWidget::sendSessionClose);
        QVERIFY(!w.setup(QString()));
        QCOMPARE(closed.count(), 0);
        QDir().mkpath(sessionsDir);
        QFile damaged(sessionsDir + QStringLiteral("damaged.zarSession"));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("not a session");
        damaged.close();
        zarDialogAnswer answer;
        answer.expect();
        QVERIFY(!w.setup(damaged.fileName()));
        QCOMPARE(answer.text, QStringLiteral("Session is corrupted"));
        QCOMPARE(closed.count(), 1);
        QCOMPARE(closeFlag(), 1);
    }

    // "Go to" of a plot selects the row and shows the table, but not while measuring.
    void goToRow()
    {
        zarSessionWidget w(nullptr, false);
        QVERIFY(w.setup(screenSession()));
        w.mainTabWidget->setCurrentIndex(1);
        w.setControlsEnabled(false);
        emit w.pseudoSectionPlot.sendRowSelection(3);
        QCOMPARE(w.currentRow(), 0);
        QCOMPARE(w.mainTabWidget->currentIndex(), 1);
        w.setControlsEnabled(true);
        emit w.soundingCurvePlot.sendRowSelection(3);
        QCOMPARE(w.currentRow(), 3);
        QCOMPARE(w.mainTabWidget->currentIndex(), 0);
    }

    // Signals opens the view of the selected row in place of the table; closing it
    // brings the table back at the same row.
    void signalView()
    {
        zarSessionWidget w(nullptr, false);
        QVERIFY(w.setup(screenSession()));
        w.sessionTableView->selectRow(5);
        w.signalsPushButton->click();
        QPointer<zarSignalWidget> view = w.findChild<zarSignalWidget*>();
        QVERIFY(view);
        QVERIFY(w.mainTabWidget->isHidden());
        QCOMPARE(view->quadripole(), model(w).quadripole(5));
        view->close();
        QVERIFY(zarWaitFor([&] { return view.isNull(); }));
        QVERIFY(!w.mainTabWidget->isHidden());
        QCOMPARE(w.currentRow(), 5);
    }

    void finish_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("typedName");
        QTest::addColumn<bool>("closes");
        QTest::newRow("no: closes, clean end") << int(QMessageBox::No) << QString() << true;
        QTest::newRow("yes and a name: saved, clean end") << int(QMessageBox::Yes) << "kept" << true;
        QTest::newRow("yes, name cancelled: stays") << int(QMessageBox::Yes) << QString() << false;
        QTest::newRow("cancel: stays") << int(QMessageBox::Cancel) << QString() << false;
    }
    // Finish asks to save; the name offered is the session's own, without directory
    // and extension. Only a screen that closes marks a clean end.
    void finish()
    {
        QFETCH(int, answer);
        QFETCH(QString, typedName);
        QFETCH(bool, closes);
        Fixture::setCloseFlag(1);
        zarSessionWidget w(nullptr, false);
        QVERIFY(w.setup(screenSession()));
        QSignalSpy closed(&w, &zarSessionWidget::sendSessionClose);
        const QString kept = sessionsDir + QStringLiteral("kept.zarSession");
        QFile::remove(kept);
        zarDialogAnswer question;
        question.expect(QMessageBox::StandardButton(answer));
        QString offered;
        if (answer == QMessageBox::Yes)
            zarWhenModalOf<zarKeyboardDialog>([&offered, typedName](zarKeyboardDialog* keyboard) {
                offered = keyboard->lineEdit->text();
                keyboard->lineEdit->setText(typedName);
                typedName.isEmpty() ? keyboard->reject() : keyboard->accept();
            });
        w.closePushButton->click();
        QCOMPARE(question.text, QStringLiteral("Do you want to save current session?"));
        QCOMPARE(offered, answer == QMessageBox::Yes ? QStringLiteral("screen") : QString());
        QCOMPARE(closed.count(), closes ? 1 : 0);
        QCOMPARE(closeFlag(), closes ? 1 : 0);
        QCOMPARE(QFile::exists(kept), !typedName.isEmpty());
    }

    void captionsFit_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("En") << "En";
        QTest::newRow("Ru") << "Ru";
    }
    // Set up before it is laid out, as the menus do, then shown at the screen's width:
    // every caption of the measured values fits its column.
    void captionsFit()
    {
        QFETCH(QString, language);
        QVERIFY(zarTranslator::instance()->setLanguage(language));
        zarSessionWidget w(nullptr, true);
        QVERIFY(w.setup(screenSession()));
        w.resize(1024, 520);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QHeaderView* header = w.sessionTableView->horizontalHeader();
        QStringList cut;
        for (int column = 0; column < header->count(); ++column) {
            const QString caption = model(w).headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
            // The caption's own width inside the section's border and margin.
            if (header->sectionSize(column) < header->fontMetrics().horizontalAdvance(caption) + 8)
                cut << caption;
        }
        zarTranslator::instance()->setLanguage(QStringLiteral("En"));
        QCOMPARE(cut, QStringList());
    }

    void reportsOfAnotherSize_data()
    {
        QTest::addColumn<bool>("fewer");
        QTest::addColumn<int>("startRow");
        QTest::addColumn<int>("measuredRows");
        QTest::addColumn<int>("secondGroup");
        QTest::newRow("fewer results: the rest of the group goes next") << true << 0 << 29 << 2;
        QTest::newRow("more results than rows: the surplus is dropped") << false << 28 << 1 << -1;
    }
    // The first report holds fewer or more results than its group has rows.
    void reportsOfAnotherSize()
    {
        QFETCH(bool, fewer);
        QFETCH(int, startRow);
        QFETCH(int, secondGroup);
        zarSessionWidget w(nullptr, false);
        openSession(w);
        disconnect(zarCore::instance(), &zarCore::sendReportET2D, &w, nullptr);
        bool first = true;
        connect(zarCore::instance(), &zarCore::sendReportET2D, &w, [&](zarCoreReportET2D report) {
            if (first && fewer)
                report.results = report.results.mid(0, 2);
            else if (first)
                report.results << report.results.first() << report.results.first();
            first = false;
            w.onReportET2D(report);
        });
        QSignalSpy groups(&model(w), &zarSessionDataModel::sendMoveForward);
        w.sessionTableView->selectRow(startRow);
        QCOMPARE(run(w), QStringLiteral("It is all done"));
        QTEST(measured(w), "measuredRows");
        QCOMPARE(model(w).rowCount(), 29);
        if (secondGroup >= 0) {
            // Started inside a group: from that row to the group's end.
            QCOMPARE(groups.at(1).first().toInt(), secondGroup);
            QCOMPARE(groups.at(1).at(1).toInt(), 4 - secondGroup);
        }
        QVERIFY(!zarSystemWidget::isBusy());
    }

    // Each group is measured with the options current when it starts.
    void optionsTakenPerGroup()
    {
        zarOptionsWidget options;
        options.pulseDurationComboBox->setCurrentIndex(0);
        QObject context;
        QList<int> pulseCodes;
        connect(zarCore::instance(), &zarCore::sendReportET2D, &context, [&](const zarCoreReportET2D& report) {
            pulseCodes << report.results.value(0).settings.pulseCode;
            options.pulseDurationComboBox->setCurrentIndex(3);
        });
        zarSessionWidget w(nullptr, false);
        QVERIFY(w.setup(Fixture::write(Fixture::session(9), QStringLiteral("nine.zarSession"))));
        QCOMPARE(run(w), QStringLiteral("It is all done"));
        const int later = zarOptionsWidget::options().pulseCode;
        QCOMPARE(pulseCodes.size(), 3);
        QVERIFY(pulseCodes[0] != later);
        QCOMPARE(pulseCodes[1], later);
        QCOMPARE(pulseCodes[2], later);
    }

    // A row before the first is no place to start.
    void startFromBeforeTheFirstRow()
    {
        zarSessionWidget w(nullptr, false);
        openSession(w);
        QVERIFY(!model(w).startFrom(-1));
        QCOMPARE(w.jobsPending, 0);
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
        QFile::remove(Fixture::autosavePath());
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
        zarSessionFile autosave;
        autosave.read(Fixture::autosavePath());
        QCOMPARE(autosave.units.size(), message.text == QLatin1String("ERTLab template is valid") ? 1 : 0);
    }

    // A new session starts from a template chosen in the list; without templates it says so.
    void templateList()
    {
        QDir(templatesDir).removeRecursively();
        zarSessionWidget w(nullptr, false);
        zarDialogAnswer message;
        message.expect();
        QVERIFY(!w.open(QString()));
        QCOMPARE(message.text, QStringLiteral("Can not find templates"));
        QDir().mkpath(templatesDir);
        QVERIFY(QFile::copy(storeTemplate(), templatesDir + QStringLiteral("line.zarTemplate")));
        message.expect();
        zarWhenModalOf<zarFileTableDialog>([](zarFileTableDialog* d) { d->reject(); });
        QVERIFY(!w.open(QString()));
        message.disarm();
        QVERIFY(!message.shown);
        zarWhenModalOf<zarFileTableDialog>([](zarFileTableDialog* d) { d->accept(); });
        answerModeAndCables(QString());
        QVERIFY(w.open(QString()));
        QCOMPARE(w.sessionName, QString(autosaveName));
        QVERIFY(model(w).rowCount() > 0);
        QDir(templatesDir).removeRecursively();
    }

    // A view-only screen opens session files only.
    void viewOnlyOpensOnlyFiles()
    {
        zarSessionWidget w(nullptr, true);
        const QString path = storeTemplate();
        QVERIFY(!w.openNew(path));
        QVERIFY(!w.openFile(path));
        QVERIFY(!w.open(QString()));
        zarDialogAnswer message;
        message.expect();
        QVERIFY(!w.open(ertlabMarker));
        QCOMPARE(message.text, QStringLiteral("Can not open file for reading"));
        QVERIFY(!w.sessionTableView->model());
    }

    void blinkFollowsTheFlag_data()
    {
        QTest::addColumn<QVariant>("flag");
        QTest::addColumn<bool>("blinking");
        QTest::newRow("absent") << QVariant() << false;
        QTest::newRow("unclean end") << QVariant(0) << true;
        QTest::newRow("clean end") << QVariant(1) << false;
    }
    // "Open previous session" blinks after an unclean end; of the buttons only the
    // ERTLab start is enabled.
    void blinkFollowsTheFlag()
    {
        QFETCH(QVariant, flag);
        QSettings(settingsScope, QStringLiteral("zarSessionMenuWidget")).clear();
        if (flag.isValid())
            Fixture::setCloseFlag(flag.toInt());
        zarSessionMenuWidget menu;
        QTEST(menu.isBlinking(), "blinking");
        QVERIFY(!menu.newPushButton->isEnabled());
        QVERIFY(!menu.openPushButton->isEnabled());
        QVERIFY(menu.ertPushButton->isEnabled());
    }

    // The ERTLab start leaves its session in the autosave file and returns to the
    // buttons, which now blink; the previous session opens from there in place of
    // the buttons, and Finish brings them back after a clean end.
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
        QVERIFY(menuButtonsShown(menu, true));
        QVERIFY(menu.isBlinking());

        menu.onSessionLoad();
        QPointer<zarSessionWidget> screen = menu.sessionScreen();
        QVERIFY(screen);
        QVERIFY(!screen->startPushButton->isHidden());
        QCOMPARE(model(*screen).rows(), 2);
        QCOMPARE(screen->parentWidget(), &menu);
        QVERIFY(menuButtonsShown(menu, false));
        QVERIFY(!menu.isBlinking());
        menu.openSession(QString());
        QCOMPARE(menu.sessionScreen(), screen.data());

        options.pauseDurationComboBox->setEnabled(false);
        message.expect(QMessageBox::No);
        screen->closePushButton->click();
        QVERIFY(screenGone(screen));
        QVERIFY(!menu.sessionScreen());
        QVERIFY(menuButtonsShown(menu, true));
        QCOMPARE(closeFlag(), 1);
        QVERIFY(!menu.isBlinking());
        QVERIFY(options.pauseDurationComboBox->isEnabled());
    }

    void previousSessionMissing()
    {
        QFile::remove(Fixture::autosavePath());
        zarSessionMenuWidget menu;
        zarDialogAnswer message;
        message.expect();
        menu.onSessionLoad();
        QCOMPARE(message.text, QStringLiteral("Can not find previous session"));
        QVERIFY(!menu.sessionScreen());
    }

    // DATA opens a stored session for viewing in place of its button, and gets the
    // button back when it closes; a cancelled dialog opens nothing.
    void dataMenuViews()
    {
        const QString path = screenSession(Fixture::session(6));
        Fixture::setCloseFlag(1);
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
        QCOMPARE(model(*screen).rows(), 6);
        QVERIFY(screen->startPushButton->isHidden());
        QVERIFY(menu.openPushButton->isHidden());
        QCOMPARE(menu.verticalLayout->contentsMargins(), QMargins(0, 0, 0, 0));
        menu.openSession(path);
        QCOMPARE(menu.sessionScreen(), screen.data());

        screen->closePushButton->click();
        QVERIFY(screenGone(screen));
        QVERIFY(!menu.openPushButton->isHidden());
        QCOMPARE(menu.verticalLayout->contentsMargins(), QMargins(20, 20, 20, 20));
    }

    // A session that cannot be read is told, and the button stays.
    void dataMenuFailedOpen()
    {
        QDir().mkpath(sessionsDir);
        const QString path = sessionsDir + QStringLiteral("bad.zarSession");
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("damaged");
        }
        zarDataMenuWidget menu;
        zarDialogAnswer message;
        message.expect();
        menu.openSession(path);
        QCOMPARE(message.text, QStringLiteral("Session is corrupted"));
        QVERIFY(!menu.sessionScreen());
        QVERIFY(!menu.openPushButton->isHidden());
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
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("switchFirst");
        QTest::addColumn<int>("display");
        QTest::addColumn<int>("mode");
        const char* displays[] = { "pseudo section", "sounding curves", "profile curves" };
        const char* modes[] = { "resistivity", "chargeability" };
        struct Languages {
            const char* name;
            const char* opened;
            const char* shown;
            bool switchFirst;
        };
        const Languages languages[] = { { "En", "En", "En", false },
                                        { "Ru", "Ru", "Ru", false },
                                        { "En, display chosen, then Ru", "En", "Ru", false },
                                        { "Ru, then En, then display chosen", "Ru", "En", true } };
        for (const Languages& l : languages) {
            for (int display = 0; display < 3; ++display) {
                for (int mode = 0; mode < 2; ++mode)
                    QTest::addRow("%s: %s, %s", l.name, displays[display], modes[mode])
                        << l.opened << l.shown << l.switchFirst << display << mode;
            }
        }
    }
    // Each caption shown fits its label and the length of its plot's axis, at 12 px where
    // that fits, else at the largest size that does; also after a language switch, made
    // with the plot shown or before it is.
    void captionsWhole()
    {
        QFETCH(QString, opened);
        QFETCH(QString, shown);
        QFETCH(bool, switchFirst);
        QFETCH(int, display);
        QFETCH(int, mode);
        onScreen(Fixture::write(Fixture::session(29), QStringLiteral("captions.zarSession")), opened,
                 [shown, switchFirst, display, mode](zarSessionWidget& screen) {
                     screen.mainTabWidget->setCurrentIndex(1);
                     QApplication::processEvents();
                     if (switchFirst) {
                         // The plot to be checked laid out once, then hidden while the language changes.
                         screen.modeComboBox->setCurrentIndex(mode);
                         screen.displayComboBox->setCurrentIndex(display);
                         QApplication::processEvents();
                         screen.displayComboBox->setCurrentIndex(display == 0 ? 1 : 0);
                         QApplication::processEvents();
                         QVERIFY(zarTranslator::instance()->setLanguage(shown));
                     }
                     screen.displayComboBox->setCurrentIndex(display);
                     screen.modeComboBox->setCurrentIndex(mode);
                     QApplication::processEvents();
                     if (!switchFirst) {
                         QVERIFY(zarTranslator::instance()->setLanguage(shown));
                         QApplication::processEvents();
                     }
                     const QWidget* canvas = display == 0 ? screen.pseudoSectionPlot.canvas()
                                                          : screen.soundingCurvePlot.canvas();
                     int count = 0;
                     for (const QLabel* caption : { screen.yDepthLabel, screen.yResistivitylabel,
                                                    screen.yChargeabilityLabel, screen.xCenterLabel,
                                                    screen.xResistivitylabel, screen.xChargeabilityLabel,
                                                    screen.xDepthLabel }) {
                         if (!caption->isVisible())
                             continue;
                         ++count;
                         const bool vertical = caption->objectName().startsWith(QLatin1Char('y'));
                         const QString fault =
                             zarAxisCaptionFault(caption, vertical ? Qt::Vertical : Qt::Horizontal,
                                                 vertical ? canvas->height() : canvas->width());
                         QVERIFY2(fault.isEmpty(), qPrintable(fault));
                     }
                     QCOMPARE(count, display == 0 ? 3 : 2);
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

    // Measured rows keep the IP options they were measured with, if the operator agrees,
    // and the pause stays locked.
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
        // Measured rows lock the pause: the rest is measured with the same options.
        QVERIFY(!options.pauseDurationComboBox->isEnabled());
    }

};

ZAR_TEST_MAIN(TestSessionScreen)
#include "test_sessionscreen.moc"
