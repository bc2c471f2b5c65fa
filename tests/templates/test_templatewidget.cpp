#include "zarmodalof.h"
#include "zaroperator.h"
#include "zartestsupport.h"
#include "zartemplatefixture.h"

#include "frame/zarguistyle.h"
#include "frame/zarkeyboarddialog.h"
#include "frame/zarmainwidget.h"
#include "frame/zaroptionswidget.h"
#include "frame/zarwarningdialog.h"
#include "service/zarsignalwidget.h"
#include "templates/zararrangementdialog.h"
#include "templates/zartemplatewidget.h"

#include <QDir>
#include <QMessageBox>
#include <QScrollBar>
#include <QSignalSpy>
#include <qwt_series_data.h>

#include <algorithm>

// The template editor worked through its buttons, its grid and its dialogs.
class TestTemplateWidget : public QObject
{
    Q_OBJECT

    static QString templatePath(const QString& name) { return templatesDir + name + QStringLiteral(".zarTemplate"); }
    static QString oneSet() { return zarTemplateFixture::write(zarTemplateFixture::bytes(2, 5, { { 3, { { 0, 0 } } } })); }

    // Reads the view's interaction state; 0 is at rest (no drag going on).
    struct Probe : QAbstractItemView { static int stateOf(const QAbstractItemView& v) { return (v.*(&Probe::state))(); } };

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
