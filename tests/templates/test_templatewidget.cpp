#include "zarmodalof.h"
#include "zaroperator.h"
#include "zartestsupport.h"
#include "zartemplatefixture.h"

#include "frame/zarguistyle.h"
#include "frame/zarkeyboarddialog.h"
#include "frame/zarmainwidget.h"
#include "frame/zaroptionswidget.h"
#include "frame/zarwarningdialog.h"
#include "service/zarcableconfigdialog.h"
#include "service/zarsignalwidget.h"
#include "templates/zaraddmodifyarraydialog.h"
#include "templates/zararrangementdialog.h"
#include "templates/zarerttabledialog.h"
#include "frame/zartranslator.h"
#include "templates/zartemplatewidget.h"

#include <QDir>
#include <QPointer>
#include <QMessageBox>
#include <QScrollBar>
#include <QSignalSpy>
#include <qwt_series_data.h>

#include <algorithm>
#include <memory>

// The template editor worked through its buttons, its grid and its dialogs; the
// arrangement dialog and the list chooser.
class TestTemplateWidget : public QObject
{
    Q_OBJECT

    static QString templatePath(const QString& name) { return templatesDir + name + QStringLiteral(".zarTemplate"); }
    static QString oneSet() { return zarTemplateFixture::write(zarTemplateFixture::bytes(2, 5, { { 3, { { 0, 0 } } } })); }

    // Reads the view's interaction state; 0 is at rest (no drag going on).
    struct Probe : QAbstractItemView { static int stateOf(const QAbstractItemView& v) { return (v.*(&Probe::state))(); } };

    // A finger on the grid: on a cell, moved with the button held, lifted.
    static QPoint cellAt(zarTemplateWidget& screen, int spacing, int level)
    {
        return screen.table().visualRect(screen.table().model()->index(spacing, level)).center();
    }
    static void drag(zarTemplateWidget& screen, QPoint from, QPoint to, QPoint lift)
    {
        QWidget* viewport = screen.table().viewport();
        QTest::mousePress(viewport, Qt::LeftButton, {}, from);
        QMouseEvent move(QEvent::MouseMove, to, viewport->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(viewport, &move);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, lift);
    }
    static bool selected(const zarTemplateWidget& screen, int spacing, int level)
    {
        const zarTemplateDataModel& model = screen.templateModel();
        return model.count() > 0 && model.sets()[model.currentSetIndex()].mainMatrix()[spacing][level];
    }
    static void showOnTab(zarTemplateWidget& screen, int tab)
    {
        screen.resize(906, 551);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        screen.tabWidget->setCurrentIndex(tab);
    }
    // Accepts the next array dialog with the given type; counts the dialogs answered.
    static void pickArray(int type, int* answered = nullptr)
    {
        zarWhenModalOf<zarAddModifyArrayDialog>([type, answered](zarAddModifyArrayDialog* dialog) {
            dialog->arrayComboBox->setCurrentIndex(type);
            dialog->acceptPushButton->click();
            if (answered)
                ++*answered;
        });
    }

    // The grid of an empty Dipole-Dipole set on the TEMPLATES page of the 1024 x 600 window.
    static zarTemplateTableView* gridInWindow(zarMainWidget& window)
    {
        window.tabWidget->setCurrentWidget(window.templatesTab);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return nullptr;
        zarAnswerFileDialog(zarTemplateFixture::write(zarTemplateFixture::bytes(2, 5, { { 4, {} } })));
        window.templateMenu.openPushButton->click();
        zarTemplateWidget* screen = window.templateMenu.templateScreen();
        if (!screen)
            return nullptr;
        screen->tabWidget->setCurrentIndex(1);
        QCoreApplication::processEvents();
        return &screen->table();
    }

    // A finger drawn over cells: pressed, resting a while on the first, moved held over
    // each of the others in turn, lifted on the last.
    static void drawFinger(QWidget* viewport, const QVector<QPoint>& path)
    {
        QTest::mousePress(viewport, Qt::LeftButton, {}, path.first());
        QTest::qWait(QApplication::doubleClickInterval() + 200);
        for (const QPoint& at : path) {
            QMouseEvent move(QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, {});
            QApplication::sendEvent(viewport, &move);
            QTest::qWait(20);
        }
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, path.last());
    }

private slots:
    void initTestCase() { zarGuiStyle::install(); }

    void fingerAlongAPartlyShownEdge_data()
    {
        QTest::addColumn<bool>("alongRow");
        QTest::addColumn<int>("cells");
        QTest::newRow("along the bottom row") << true << 11;
        QTest::newRow("down the right column") << false << 11;
        QTest::newRow("resting on the bottom row") << true << 1;
    }

    // The grid scrolled on a little, its last row (column) showing only in part: a finger
    // drawn along it hands on exactly the cells under it, and the grid stays still under it.
    void fingerAlongAPartlyShownEdge()
    {
        QFETCH(bool, alongRow);
        QFETCH(int, cells);
        zarMainWidget window;
        zarTemplateTableView* table = gridInWindow(window);
        QVERIFY(table);
        table->verticalScrollBar()->setValue(3);
        table->horizontalScrollBar()->setValue(3);
        const int vertical = table->verticalScrollBar()->value();
        const int horizontal = table->horizontalScrollBar()->value();
        QWidget* viewport = table->viewport();
        const int row = table->rowAt(alongRow ? viewport->height() - 1 : 0);
        const int column = table->columnAt(alongRow ? 0 : viewport->width() - 1);
        QVERIFY(row >= 0 && column >= 0);
        const QRect edge = table->visualRect(table->model()->index(row, column));
        QVERIFY2(alongRow ? edge.bottom() >= viewport->height() : edge.right() >= viewport->width(),
                 "the edge shows whole");
        QVector<QPoint> path;
        QList<QPoint> touched; // level, spacing
        for (int i = 0; i < cells; ++i) {
            const int r = alongRow ? row : row + i, c = alongRow ? column + i : column;
            const QRect cell = table->visualRect(table->model()->index(r, c));
            // On the part of the cell that shows.
            path << QPoint(alongRow ? cell.center().x() : (cell.left() + viewport->width()) / 2,
                           alongRow ? (cell.top() + viewport->height()) / 2 : cell.center().y());
            touched << QPoint(c, r);
        }
        QSignalSpy handedOn(table, &zarTemplateTableView::sendSelection);
        drawFinger(viewport, path);
        QCOMPARE(handedOn.count(), 1);
        QList<QPoint> handed;
        for (const QModelIndex& index : handedOn.first().first().value<QModelIndexList>())
            handed << QPoint(index.column(), index.row());
        std::sort(handed.begin(), handed.end(),
                  [](QPoint a, QPoint b) { return qMakePair(a.y(), a.x()) < qMakePair(b.y(), b.x()); });
        QCOMPARE(handed, touched);
        QCOMPARE(table->verticalScrollBar()->value(), vertical);
        QCOMPARE(table->horizontalScrollBar()->value(), horizontal);
    }

    void scrollBarsScroll_data()
    {
        QTest::addColumn<bool>("vertical");
        QTest::newRow("vertical") << true;
        QTest::newRow("horizontal") << false;
    }

    // A touch on a scroll bar's far arrow moves the grid on.
    void scrollBarsScroll()
    {
        QFETCH(bool, vertical);
        zarMainWidget window;
        zarTemplateTableView* table = gridInWindow(window);
        QVERIFY(table);
        QScrollBar* bar = vertical ? table->verticalScrollBar() : table->horizontalScrollBar();
        const int before = bar->value();
        QTest::mouseClick(bar, Qt::LeftButton, {}, vertical ? QPoint(bar->width() / 2, bar->height() - 5)
                                                             : QPoint(bar->width() - 5, bar->height() / 2));
        QVERIFY2(bar->value() > before, qPrintable(QString::number(bar->value())));
    }

    // The current cell moved with the keys past the shown part stays in view.
    void keysKeepTheCurrentCellInView()
    {
        zarMainWidget window;
        zarTemplateTableView* table = gridInWindow(window);
        QVERIFY(table);
        table->setFocus();
        table->setCurrentIndex(table->model()->index(0, 0));
        for (int i = 0; i < 29; ++i)
            QTest::keyClick(table, Qt::Key_Down);
        for (int i = 0; i < 60; ++i)
            QTest::keyClick(table, Qt::Key_Right);
        QCOMPARE(table->currentIndex(), table->model()->index(29, 60));
        const QRect cell = table->visualRect(table->currentIndex());
        QVERIFY2(table->viewport()->rect().contains(cell),
                 qPrintable(QStringLiteral("cell at %1,%2 outside %3 x %4")
                                .arg(cell.x()).arg(cell.y()).arg(table->viewport()->width()).arg(table->viewport()->height())));
    }

    void keysThatDoNotMoveLeaveTheGridScrolled_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Shift") << int(Qt::Key_Shift);
        QTest::newRow("Ctrl") << int(Qt::Key_Control);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
        QTest::newRow("Space") << int(Qt::Key_Space);
        QTest::newRow("a letter") << int(Qt::Key_A);
    }

    // Scrolled with the bars away from the current cell, the grid stays where it was put
    // on a key that does not move the current cell.
    void keysThatDoNotMoveLeaveTheGridScrolled()
    {
        QFETCH(int, key);
        zarMainWidget window;
        zarTemplateTableView* table = gridInWindow(window);
        QVERIFY(table);
        table->setFocus();
        table->setCurrentIndex(table->model()->index(0, 0));
        table->verticalScrollBar()->setValue(table->verticalScrollBar()->maximum());
        table->horizontalScrollBar()->setValue(table->horizontalScrollBar()->maximum());
        const int vertical = table->verticalScrollBar()->value();
        const int horizontal = table->horizontalScrollBar()->value();
        QVERIFY(vertical > 0 && horizontal > 0);
        QTest::keyClick(table, Qt::Key(key));
        QCOMPARE(table->verticalScrollBar()->value(), vertical);
        QCOMPARE(table->horizontalScrollBar()->value(), horizontal);
    }

    // Pressed on a cell, moved held, lifted outside the view: the cells touched go to the
    // template at the lift all the same; the view keeps no selection and is at rest.
    void fingerLiftedOutsideTheGrid()
    {
        zarTemplateWidget screen;
        QVERIFY(screen.open(oneSet()));
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        screen.tabWidget->setCurrentIndex(1);
        zarTemplateTableView& table = screen.table();
        const QPoint from = table.visualRect(table.model()->index(2, 0)).center();
        const QPoint to = table.visualRect(table.model()->index(2, 3)).center();
        QTest::mousePress(table.viewport(), Qt::LeftButton, {}, from);
        QMouseEvent move(QEvent::MouseMove, to, table.viewport()->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(table.viewport(), &move);
        QTest::mouseRelease(table.viewport(), Qt::LeftButton, {}, to + QPoint(0, 2000));
        QCOMPARE(screen.templateModel().sets().value(0).mainMatrix().value(2).mid(0, 5),
                 QVector<bool>({ true, true, true, true, false }));
        QCOMPARE(table.selectionModel()->selectedIndexes().size(), 0);
        QCOMPARE(Probe::stateOf(table), 0);
    }

    // 1189 runs of 6305 ms and of 96305 ms: rounded to the second, the longest past a day
    // counts its hours on.
    void estimateRoundsAndCountsHoursOn()
    {
        zarOptionsWidget options;
        options.pulseDurationComboBox->setCurrentText("2000");
        options.pauseDurationComboBox->setCurrentText("1000");
        options.minStackingSlider->setValue(1);
        options.maxStackingSlider->setValue(16);
        QList<QPair<int, int>> column;
        for (int level = 0; level < 20; ++level)
            column << qMakePair(0, level);
        zarTemplateWidget screen;
        QVERIFY(screen.open(zarTemplateFixture::write(zarTemplateFixture::bytes(2, 5, { { 3, column }, { 0, column } }))));
        zarOperator op({ QMessageBox::Ok });
        screen.estimatePushButton->click();
        QCOMPARE(op.shown, QStringList({ QStringLiteral(
                     "Measurements: <font color = blue>1490</font>, runs: <font color = blue>1189</font>, "
                     "duration: <font color = blue>02:04:57</font> ... <font color = blue>31:48:27</font>") }));
    }

    void closeQuestion_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariantList>("answers");
        QTest::addColumn<QString>("lastShown");
        QTest::addColumn<bool>("closed");
        const int yes = QMessageBox::Yes, ok = QMessageBox::Ok;
        const QString question = QStringLiteral("Do you want to save this template?");
        const QString notValid = QStringLiteral("Template name is not valid");
        QTest::newRow("unchanged closes at once") << "" << QVariantList() << QString() << true;
        QTest::newRow("cancel stays") << "" << QVariantList({ QMessageBox::Cancel }) << question << false;
        QTest::newRow("no discards") << "" << QVariantList({ QMessageBox::No }) << question << true;
        QTest::newRow("yes saves and closes") << "yes" << QVariantList({ yes, "yes" }) << "fixture" << true;
        // A directory in the way: overwrite asked, then the write fails and is reported.
        QTest::newRow("yes with a failing save stays")
            << "failing" << QVariantList({ yes, "failing", yes, ok }) << "Can not open file for writing" << false;
        // A typed name never leads out of the templates directory.
        QTest::newRow("parent directory") << "" << QVariantList({ yes, "../escape", ok }) << notValid << false;
        QTest::newRow("slash") << "" << QVariantList({ yes, "sub/name", ok }) << notValid << false;
        QTest::newRow("backslash") << "" << QVariantList({ yes, "sub\\name", ok }) << notValid << false;
        // Nor is it a hidden or blank-looking file, or one the file system cannot keep.
        QTest::newRow("dot") << "." << QVariantList({ yes, ".", ok }) << notValid << false;
        QTest::newRow("blanks") << "   " << QVariantList({ yes, "   ", ok }) << notValid << false;
        const QString tooLong(237, QLatin1Char('t'));
        QTest::newRow("too long") << tooLong << QVariantList({ yes, tooLong, ok }) << notValid << false;
    }

    // Asked only when changed; the screen closes only when the changes were saved or discarded.
    void closeQuestion()
    {
        QFETCH(QString, name);
        QFETCH(QVariantList, answers);
        QFETCH(QString, lastShown);
        QFETCH(bool, closed);
        QVERIFY(QDir().mkpath(name == QLatin1String("failing") ? templatePath(name) : templatesDir));
        zarTemplateWidget screen;
        QVERIFY(screen.open(oneSet()));
        if (!answers.isEmpty()) {
            QMetaObject::invokeMethod(&screen, "onSignalWidgetOpen", Q_ARG(zarQuadripole, zarQuadripole(0, 3, 1, 2)));
            emit screen.findChild<zarSignalWidget*>()->sendSpacingLevelAuxConfig(0, 0, true);
        }
        zarOperator op(answers);
        QSignalSpy closing(&screen, &zarTemplateWidget::sendTemplateClose);
        screen.closePushButton->click();
        QCOMPARE(op.shown.value(op.shown.size() - 1), lastShown);
        QCOMPARE(closing.count(), int(closed));
        QCOMPARE(QFileInfo(templatePath(name)).isFile(), name == QLatin1String("yes"));
        QCOMPARE(screen.templateModel().isModified(), !answers.isEmpty() && name != QLatin1String("yes"));
    }

    void nameFromPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name");
        QTest::newRow("new template") << QString() << QString();
        QTest::newRow("in the templates directory") << templatePath(QStringLiteral("north")) << "north";
        QTest::newRow("elsewhere keeps its directory")
            << zarDriveRoot::path() + QStringLiteral("south.zarTemplate") << zarDriveRoot::path() + QStringLiteral("south");
    }
    // The name shown and proposed: the file's, without the templates directory and extension.
    void nameFromPath()
    {
        QFETCH(QString, path);
        QDir().mkpath(templatesDir);
        QFile::remove(path);
        QVERIFY(path.isEmpty() || QFile::copy(oneSet(), path));
        zarTemplateWidget screen;
        QVERIFY(screen.open(path));
        QTEST(screen.name(), "name");
        QCOMPARE(screen.setComboBox->count(), path.isEmpty() ? 0 : 1);
    }

    // Each tap toggles its cell (the first one asks for the array); the view keeps no selection.
    void tapSelectsAndDeselects()
    {
        zarTemplateWidget screen;
        showOnTab(screen, 1);
        int arrays = 0;
        pickArray(3, &arrays);
        QTest::mouseClick(screen.table().viewport(), Qt::LeftButton, {}, cellAt(screen, 2, 1));
        QCOMPARE(arrays, 1);
        QCOMPARE(screen.templateModel().arrayType(0), qint8(3));
        QVERIFY(selected(screen, 2, 1));
        QVERIFY(!selected(screen, 2, 0));
        QVERIFY(!selected(screen, 1, 1));
        QVERIFY(screen.table().selectionModel()->selectedIndexes().isEmpty());
        QTest::mouseClick(screen.table().viewport(), Qt::LeftButton, {}, cellAt(screen, 2, 1));
        QVERIFY(!selected(screen, 2, 1));
    }

    void dragSelectsARun_data()
    {
        QTest::addColumn<bool>("toEdge");
        QTest::newRow("lifted on the last cell") << false;
        QTest::newRow("lifted at the right edge") << true;
    }
    // The run goes to the template when the finger is lifted; a later move without
    // the finger selects nothing.
    void dragSelectsARun()
    {
        QFETCH(bool, toEdge);
        zarTemplateWidget screen;
        showOnTab(screen, 1);
        pickArray(3);
        QPoint end = cellAt(screen, 0, 3);
        if (toEdge)
            end.setX(screen.table().viewport()->width() - 2);
        drag(screen, cellAt(screen, 0, 0), end, end);
        for (int level = 0; level <= 3; ++level)
            QVERIFY2(selected(screen, 0, level), qPrintable(QStringLiteral("level %1").arg(level)));
        const int count = screen.templateModel().measurementCount();
        QTest::mouseMove(screen.table().viewport(), cellAt(screen, 4, 4));
        QTest::mouseRelease(screen.table().viewport(), Qt::LeftButton, {}, cellAt(screen, 4, 4));
        QCOMPARE(screen.templateModel().measurementCount(), count);
    }

    // Eight sets at most through the buttons; a removal asks first.
    void setButtonsUpToEight()
    {
        zarTemplateWidget screen;
        for (int i = 0; i < 8; ++i) {
            pickArray(i);
            screen.addPushButton->click();
        }
        QCOMPARE(screen.setComboBox->count(), 8);
        zarOperator op({ QMessageBox::Ok, QMessageBox::No, QMessageBox::Yes });
        screen.addPushButton->click();
        screen.removePushButton->click();
        screen.removePushButton->click();
        QCOMPARE(op.shown, QStringList({ "Can not add one more set", "Are you sure you want to remove current set?",
                                         "Are you sure you want to remove current set?" }));
        QCOMPARE(screen.setComboBox->count(), 7);
        QCOMPARE(screen.templateModel().arrayType(6), qint8(6));
    }

    void estimateEdges_data()
    {
        QTest::addColumn<QString>("pulse");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("text");
        auto text = [](int count, int runs, const char* shortest, const char* longest) {
            return QStringLiteral("Measurements: <font color = blue>%1</font>, runs: <font color = blue>%2</font>, "
                                  "duration: <font color = blue>%3</font> ... <font color = blue>%4</font>")
                .arg(count).arg(runs).arg(QLatin1String(shortest), QLatin1String(longest));
        };
        QList<QPair<int, int>> levels;
        for (int level = 0; level < 30; ++level)
            levels << qMakePair(0, level);
        QTest::newRow("no runs") << "2000" << QByteArray() << text(0, 0, "00:00:00", "00:00:00");
        // One run of 505 ms and 3505 ms: half a second and more shows the next second.
        QTest::newRow("rounded to the second")
            << "80" << zarTemplateFixture::bytes(2, 5, { { 0, { { 0, 20 } } } }) << text(1, 1, "00:00:01", "00:00:04");
        QTest::newRow("refused when too many")
            << "2000" << zarTemplateFixture::bytes(2, 5, { { 11, levels } }) << "Template contains too many measurements";
    }
    // The estimate of an empty template, of one run, and of a template too big to measure.
    void estimateEdges()
    {
        QFETCH(QString, pulse);
        QFETCH(QByteArray, file);
        zarOptionsWidget options;
        options.pulseDurationComboBox->setCurrentText(pulse);
        options.pauseDurationComboBox->setCurrentText(pulse == QLatin1String("80") ? "20" : "1000");
        options.minStackingSlider->setValue(1);
        options.maxStackingSlider->setValue(16);
        zarTemplateWidget screen;
        QVERIFY(screen.open(file.isEmpty() ? QString() : zarTemplateFixture::write(file)));
        zarOperator op({ QMessageBox::Ok });
        screen.estimatePushButton->click();
        QFETCH(QString, text);
        QCOMPARE(op.shown, QStringList({ text }));
    }

    // Saved under a typed name (the last one proposed next time) into the templates
    // directory; the file opens on a new screen as the same template.
    void saveAndReopen()
    {
        QDir().mkpath(templatesDir);
        QFile::remove(templatePath(QStringLiteral("ridge")));
        QFile::remove(templatePath(QStringLiteral("ridge2")));
        zarTemplateWidget screen;
        showOnTab(screen, 1);
        pickArray(3);
        drag(screen, cellAt(screen, 0, 0), cellAt(screen, 1, 2), cellAt(screen, 1, 2));
        zarOperator op({ QStringLiteral("ridge"), QStringLiteral("ridge2") });
        screen.savePushButton->click();
        QVERIFY(QFile::exists(templatePath(QStringLiteral("ridge"))));
        QVERIFY(!screen.templateModel().isModified());
        screen.savePushButton->click();
        QCOMPARE(op.shown, QStringList({ "", "ridge" }));

        zarTemplateWidget again;
        QVERIFY(again.open(templatePath(QStringLiteral("ridge2"))));
        QCOMPARE(again.templateModel().sets().first().mainMatrix(), screen.templateModel().sets().first().mainMatrix());
        QCOMPARE(again.setComboBox->itemText(0), screen.setComboBox->itemText(0));
        // Spacings 0 and 1 on their own curves, one marker per quadripole.
        const zarTemplatePlot& plot = again.templatePlot();
        QCOMPARE(int(plot.curve(0)->dataSize() + plot.curve(1)->dataSize()), again.templateModel().measurementCount());
        QVERIFY(plot.curve(0)->dataSize() > 0);
        QVERIFY(plot.curve(1)->dataSize() > 0);
    }

    // The arrangement dialog opens with the template's; its choice is applied only when accepted.
    void arrangementAppliedWhenAccepted()
    {
        zarTemplateWidget screen;
        QVERIFY(screen.open(oneSet()));
        QList<float> seen;
        for (bool accept : { false, true }) {
            zarWhenModalOf<zarArrangementDialog>([&seen, accept](zarArrangementDialog* d) {
                seen << d->cables() << d->cableSpacing();
                d->setCables(1);
                d->setCableSpacing(2.5f);
                (accept ? d->acceptPushButton : d->cancelPushButton)->click();
            });
            screen.editPushButton->click();
        }
        QCOMPARE(seen, QList<float>({ 2, 5, 2, 5 }));
        QCOMPARE(screen.templateModel().cables(), zarCable(1));
        QCOMPARE(screen.profileLengthLabel->text(), QStringLiteral("<font color=blue>77.5</font> m"));
        QVERIFY(screen.templateModel().isModified());
    }

    // Both remote electrodes offered with the template's cables; the dialog is kept
    // for the next check and goes with the screen; a fresh check has every wire in use.
    void grounding()
    {
        auto screen = std::make_unique<zarTemplateWidget>();
        QVERIFY(screen->open(zarTemplateFixture::write(zarTemplateFixture::bytes(1, 5, { { 3, { { 0, 0 } } } }))));
        QList<QPointer<zarCableConfigDialog>> dialogs;
        QList<bool> offered;
        for (bool accept : { true, false }) {
            zarWhenModalOf<zarCableConfigDialog>([&dialogs, &offered, accept](zarCableConfigDialog* d) {
                dialogs << d;
                offered << (d->cables() == 1 && d->remoteTxOffered() && d->remoteRxOffered());
                accept ? d->accept() : d->reject();
            });
            QVERIFY(QMetaObject::invokeMethod(screen.get(), "onGrounding"));
        }
        QCOMPARE(offered, QList<bool>({ true, true }));
        QCOMPARE(dialogs[0], dialogs[1]);
        QVERIFY(screen->templatePlot().isGroundingMode());
        QCOMPARE(screen->templatePlot().groundingData(), QSet<quint16>());
        screen.reset();
        QVERIFY(dialogs[0].isNull());
    }

    // The set controls show exactly while Setup or Graphics is current and no signal
    // view has taken the place of the tabs.
    void setControlsFollowTabsAndSignalView()
    {
        zarTemplateWidget screen;
        showOnTab(screen, 0);
        auto controls = [&screen] { return screen.addPushButton->isVisible() && screen.setComboBox->isVisible(); };
        QList<bool> shown;
        for (int tab : { 1, 0, 2 }) {
            screen.tabWidget->setCurrentIndex(tab);
            shown << controls();
        }
        const zarQuadripole q(4, 7, 5, 6);
        QVERIFY(QMetaObject::invokeMethod(&screen, "onSignalWidgetOpen", Q_ARG(zarQuadripole, q)));
        auto* view = screen.findChild<zarSignalWidget*>();
        QVERIFY(view);
        QVERIFY(zarWaitFor([view] { return view->isVisible(); }, 2000));
        QCOMPARE(view->quadripole(), q);
        QVERIFY(!screen.tabWidget->isVisible());
        shown << controls();
        emit view->sendSignalWidgetClose();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!screen.findChild<zarSignalWidget*>());
        QVERIFY(screen.tabWidget->isVisible());
        shown << controls();
        QCOMPARE(shown, QList<bool>({ true, false, true, false, true }));
    }

    // Each tab is named after what it holds, in either language.
    void tabsNamedInOrder()
    {
        zarTemplateWidget screen;
        auto names = [&screen] {
            QStringList texts;
            for (int tab = 0; tab < screen.tabWidget->count(); ++tab)
                texts << screen.tabWidget->tabText(tab);
            return texts;
        };
        QCOMPARE(names(), QStringList({ "General", "Setup", "Graphics" }));
        QVERIFY(zarTranslator::instance()->setLanguage(QStringLiteral("Ru")));
        const QStringList russian = names();
        QVERIFY(zarTranslator::instance()->setLanguage(QStringLiteral("En")));
        QCOMPARE(russian, QStringList({ "Общие", "Настройка", "График" }));
    }

    void arrangementSpacingStopsAt10_data()
    {
        QTest::addColumn<float>("metres");
        QTest::addColumn<int>("arrow");
        QTest::newRow("25 m set") << 25.0f << 0;
        QTest::newRow("up from 10 m") << 10.0f << 1;
    }
    // The spacing goes no further than 10.0 m.
    void arrangementSpacingStopsAt10()
    {
        QFETCH(float, metres);
        QFETCH(int, arrow);
        zarArrangementDialog dialog;
        dialog.setCableSpacing(metres);
        if (arrow)
            dialog.incCableSpacingToolButton->click();
        QCOMPARE(dialog.cableSpacing(), 10.0f);
        QCOMPARE(dialog.cableSpacingLabel->text(), QStringLiteral("10.0 <font color=BLACK>m</font>"));
    }

    void listChooser_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("first row at once") << -1 << true << "alpha";
        QTest::newRow("third row") << 2 << true << "gamma";
        QTest::newRow("cancelled") << 1 << false << "beta";
    }
    // The full-screen list opens on its first entry; a touch picks another.
    void listChooser()
    {
        QFETCH(int, row);
        QFETCH(bool, accept);
        zarERTTableDialog dialog({ QStringLiteral("alpha"), QStringLiteral("beta"), QStringLiteral("gamma") });
        QCOMPARE(dialog.listWidget->currentRow(), 0);
        zarWhenModalOf<zarERTTableDialog>([row, accept](zarERTTableDialog* d) {
            if (row >= 0)
                QTest::mouseClick(d->listWidget->viewport(), Qt::LeftButton, {},
                                  d->listWidget->visualItemRect(d->listWidget->item(row)).center());
            (accept ? d->acceptPushButton : d->cancelPushButton)->click();
        });
        QCOMPARE(dialog.exec(), int(accept));
        QTEST(dialog.selectedText(), "chosen");
    }

    void emptyListChoosesNothing() { QCOMPARE(zarERTTableDialog({}).selectedText(), QString()); }

    // Markers of a spacing beyond the last go with the last spacing's.
    void plotTakesSpacingsBeyond29AsTheLast()
    {
        zarTemplatePlot plot;
        zarQuadripole q;
        q.x = 7;
        q.z = 8;
        plot.onPlotUpdate(200, { q }, false);
        const auto* last = static_cast<const QwtPointSeriesData*>(plot.curve(29)->data());
        QCOMPARE(last->samples(), QVector<QPointF>({ { 7, 8 } }));
    }

    void arrangementSpacingInTenths_data()
    {
        QTest::addColumn<float>("metres");
        QTest::addColumn<int>("arrow");
        QTest::addColumn<float>("result");
        QTest::newRow("2.44 m rounds down") << 2.44f << 0 << 2.4f;
        QTest::newRow("2.45 m rounds up") << 2.45f << 0 << 2.5f;
        QTest::newRow("up a tenth") << 0.1f << 1 << 0.2f;
        QTest::newRow("down from 0.1 m stays") << 0.1f << -1 << 0.1f;
    }

    // Whole tenths of a metre from 0.1 m, shown with the unit.
    void arrangementSpacingInTenths()
    {
        QFETCH(float, metres);
        QFETCH(int, arrow);
        QFETCH(float, result);
        zarArrangementDialog dialog;
        dialog.setCableSpacing(metres);
        if (arrow)
            (arrow > 0 ? dialog.incCableSpacingToolButton : dialog.decCableSpacingToolButton)->click();
        QCOMPARE(dialog.cableSpacing(), result);
        QCOMPARE(dialog.cableSpacingLabel->text(),
                 QString::number(double(result), 'f', 1) + QStringLiteral(" <font color=BLACK>m</font>"));
    }
};

ZAR_TEST_MAIN(TestTemplateWidget)
#include "test_templatewidget.moc"
