#include "zaroperator.h"
#include "zartemplatefixture.h"

#include "frame/zaroptionswidget.h"
#include "service/zarcableconfigdialog.h"
#include "service/zarsignalwidget.h"
#include "templates/zararrangementdialog.h"
#include "templates/zartemplatewidget.h"

#include <QDir>
#include <QPointer>
#include <QSignalSpy>

#include <memory>

// The template editor worked through its buttons, its grid and its dialogs.
class TestTemplateWidget : public QObject
{
    Q_OBJECT

    static QString templatePath(const QString& name) { return templatesDir + name + QStringLiteral(".zarTemplate"); }
    static QString oneSet() { return zarTemplateFixture::write(zarTemplateFixture::bytes(2, 5, { { 3, { { 0, 0 } } } })); }

    // The view's interaction state; 0 is at rest (no drag selection going on).
    static int viewState(const QAbstractItemView& view)
    {
        struct Probe : QAbstractItemView
        {
            static int of(const QAbstractItemView& v) { return int((v.*(&Probe::state))()); }
        };
        return Probe::of(view);
    }

    // A finger on the grid: on a cell, moved with the button held, lifted.
    static QPoint cell(zarTemplateWidget& screen, int spacing, int level)
    {
        return screen.table().visualRect(screen.table().model()->index(spacing, level)).center();
    }
    static void moveHeld(zarTemplateWidget& screen, QPoint to)
    {
        QWidget* viewport = screen.table().viewport();
        QMouseEvent move(QEvent::MouseMove, to, viewport->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(viewport, &move);
    }
    static void drag(zarTemplateWidget& screen, QPoint from, QPoint to, QPoint lift)
    {
        QTest::mousePress(screen.table().viewport(), Qt::LeftButton, {}, from);
        moveHeld(screen, to);
        QTest::mouseRelease(screen.table().viewport(), Qt::LeftButton, {}, lift);
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

private slots:
    void initTestCase() { QDir().mkpath(templatesDir); }

    void nameFromPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name");
        QTest::newRow("new template") << QString() << QString();
        QTest::newRow("in the templates directory") << templatePath(QStringLiteral("north")) << "north";
        QTest::newRow("elsewhere keeps its directory")
            << zarDriveRoot::path() + QStringLiteral("south.zarTemplate") << zarDriveRoot::path() + QStringLiteral("south");
    }

    void nameFromPath()
    {
        QFETCH(QString, path);
        QFETCH(QString, name);
        QVERIFY(path.isEmpty() || QFile::copy(oneSet(), path));
        zarTemplateWidget screen;
        QVERIFY(screen.open(path));
        QCOMPARE(screen.name(), name);
        QCOMPARE(screen.setComboBox->count(), path.isEmpty() ? 0 : 1);
    }

    // Each tap toggles its cell (the first one asks for the array); the view keeps no selection.
    void tapSelectsAndDeselects()
    {
        zarTemplateWidget screen;
        showOnTab(screen, 1);
        zarOperator op;
        op.pickArray(3);
        QTest::mouseClick(screen.table().viewport(), Qt::LeftButton, {}, cell(screen, 2, 1));
        QVERIFY(op.done() && selected(screen, 2, 1) && !selected(screen, 2, 0) && !selected(screen, 1, 1));
        QVERIFY(screen.table().selectionModel()->selectedIndexes().isEmpty());
        QTest::mouseClick(screen.table().viewport(), Qt::LeftButton, {}, cell(screen, 2, 1));
        QVERIFY(!selected(screen, 2, 1));
    }

    void dragSelectsARun_data()
    {
        QTest::addColumn<bool>("toEdge");
        QTest::addColumn<QPoint>("liftOffset");
        QTest::newRow("lifted on the last cell") << false << QPoint();
        QTest::newRow("lifted at the right edge") << true << QPoint();
        QTest::newRow("lifted outside the view") << false << QPoint(0, 2000);
    }

    // The run goes to the template when the finger is lifted, wherever that is, and
    // the view is at rest again: a later move without the finger selects nothing.
    void dragSelectsARun()
    {
        QFETCH(bool, toEdge);
        QFETCH(QPoint, liftOffset);
        zarTemplateWidget screen;
        showOnTab(screen, 1);
        zarOperator op;
        op.pickArray(3);
        QPoint end = cell(screen, 0, 3);
        if (toEdge)
            end.setX(screen.table().viewport()->width() - 2);
        drag(screen, cell(screen, 0, 0), end, end + liftOffset);
        for (int level = 0; level <= 3; ++level)
            QVERIFY2(selected(screen, 0, level), qPrintable(QStringLiteral("level %1").arg(level)));
        QCOMPARE(viewState(screen.table()), 0);
        const int count = screen.templateModel().measurementCount();
        QTest::mouseMove(screen.table().viewport(), cell(screen, 4, 4));
        QTest::mouseRelease(screen.table().viewport(), Qt::LeftButton, {}, cell(screen, 4, 4));
        QCOMPARE(screen.templateModel().measurementCount(), count);
    }

    // Eight sets at most; a removal asks first.
    void setButtonsUpToEight()
    {
        zarTemplateWidget screen;
        zarOperator op;
        for (int i = 0; i < 8; ++i)
            op.pickArray(i);
        op.answer(QMessageBox::Ok).answer(QMessageBox::No).answer(QMessageBox::Yes);
        for (int i = 0; i < 9; ++i)
            screen.addPushButton->click();
        QCOMPARE(op.shown.last(), QStringLiteral("Can not add one more set"));
        screen.removePushButton->click();
        screen.removePushButton->click();
        QCOMPARE(screen.setComboBox->count(), 7);
        QCOMPARE(screen.templateModel().arrayType(6), qint8(6));
    }

    void estimate_data()
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
        // 1189 runs of 6305 ms and of 96305 ms: the longest passes midnight by 07:48:26.645.
        QTest::newRow("wraps after 24 hours")
            << "2000" << zarTemplateFixture::bytes(2, 5, { { 3, levels.mid(0, 20) }, { 0, levels.mid(0, 20) } })
            << text(1490, 1189, "02:04:57", "07:48:27");
        QTest::newRow("refused when too many")
            << "2000" << zarTemplateFixture::bytes(2, 5, { { 11, levels } }) << "Template contains too many measurements";
    }

    void estimate()
    {
        QFETCH(QString, pulse);
        QFETCH(QByteArray, file);
        QFETCH(QString, text);
        zarOptionsWidget options;
        options.pulseDurationComboBox->setCurrentText(pulse);
        options.pauseDurationComboBox->setCurrentText(pulse == QLatin1String("80") ? "20" : "1000");
        options.minStackingSlider->setValue(1);
        options.maxStackingSlider->setValue(16);
        zarTemplateWidget screen;
        QVERIFY(screen.open(file.isEmpty() ? QString() : zarTemplateFixture::write(file)));
        zarOperator op;
        op.answer(QMessageBox::Ok);
        screen.estimatePushButton->click();
        QCOMPARE(op.shown, QStringList({ text }));
    }

    // Saved under a typed name (the last one proposed next time) into the templates
    // directory; the file opens on a new screen as the same template.
    void saveAndReopen()
    {
        zarTemplateWidget screen;
        showOnTab(screen, 1);
        zarOperator op;
        op.pickArray(3).type(QStringLiteral("ridge")).type(QStringLiteral("ridge2"));
        drag(screen, cell(screen, 0, 0), cell(screen, 1, 2), cell(screen, 1, 2));
        screen.savePushButton->click();
        QVERIFY(QFile::exists(templatePath(QStringLiteral("ridge"))) && !screen.templateModel().isModified());
        screen.savePushButton->click();
        QCOMPARE(op.shown, QStringList({ "array", "keyboard:", "keyboard:ridge" }));

        zarTemplateWidget again;
        QVERIFY(again.open(templatePath(QStringLiteral("ridge2"))));
        QCOMPARE(again.templateModel().sets().first().mainMatrix(), screen.templateModel().sets().first().mainMatrix());
        QCOMPARE(again.setComboBox->itemText(0), screen.setComboBox->itemText(0));
        // Spacings 0 and 1 on their own curves, one marker per quadripole.
        const zarTemplatePlot& plot = again.templatePlot();
        QCOMPARE(int(plot.curve(0)->dataSize() + plot.curve(1)->dataSize()), again.templateModel().measurementCount());
        QVERIFY(plot.curve(0)->dataSize() > 0 && plot.curve(1)->dataSize() > 0);
    }

    void refusedNames_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("outside");
        QTest::newRow("parent directory") << "../escape" << zarDriveRoot::path() + QStringLiteral("zar_0/escape.zarTemplate");
        QTest::newRow("slash") << "sub/name" << templatesDir + QStringLiteral("sub/name.zarTemplate");
        QTest::newRow("backslash") << "sub\\name" << templatesDir + QStringLiteral("sub\\name.zarTemplate");
    }

    // A typed name never leads out of the templates directory.
    void refusedNames()
    {
        QFETCH(QString, typed);
        QFETCH(QString, outside);
        zarTemplateWidget screen;
        QVERIFY(screen.open(oneSet()));
        zarOperator op;
        op.type(typed).answer(QMessageBox::Ok);
        screen.savePushButton->click();
        QCOMPARE(op.shown.last(), QStringLiteral("Template name is not valid"));
        QVERIFY(!QFile::exists(outside));
    }

    void closeQuestion_data()
    {
        QTest::addColumn<bool>("modify");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("written");
        const int yes = QMessageBox::Yes, no = QMessageBox::No, name = 0;
        QTest::newRow("unchanged closes at once") << false << QList<int>() << true << false;
        QTest::newRow("cancel stays") << true << QList<int>({ QMessageBox::Cancel }) << false << false;
        QTest::newRow("no discards") << true << QList<int>({ no }) << true << false;
        QTest::newRow("yes saves and closes") << true << QList<int>({ yes, name }) << true << true;
        // A directory in the way: overwrite asked, then the write fails and is reported.
        QTest::newRow("yes with a failing save stays") << true << QList<int>({ yes, name, yes, QMessageBox::Ok }) << false
                                                       << false;
    }

    void closeQuestion()
    {
        QFETCH(bool, modify);
        QFETCH(QList<int>, answers);
        QFETCH(bool, closed);
        QFETCH(bool, written);
        const QString name = QStringLiteral("close%1").arg(answers.size());
        const bool failing = answers.size() == 4;
        QVERIFY(!failing || QDir().mkpath(templatePath(name)));
        zarTemplateWidget screen;
        QVERIFY(screen.open(oneSet()));
        if (modify) {
            QMetaObject::invokeMethod(&screen, "onSignalWidgetOpen", Q_ARG(zarQuadripole, zarQuadripole(0, 3, 1, 2)));
            emit screen.findChild<zarSignalWidget*>()->sendSpacingLevelAuxConfig(0, 0, true);
        }
        zarOperator op;
        for (int answer : answers)
            answer ? op.answer(QMessageBox::StandardButton(answer)) : op.type(name);
        QSignalSpy closing(&screen, &zarTemplateWidget::sendTemplateClose);
        zarDiagnosticCapture diagnostics;
        screen.closePushButton->click();
        QVERIFY(op.done());
        QCOMPARE(op.shown.value(0, QStringLiteral("Do you want to save this template?")),
                 QStringLiteral("Do you want to save this template?"));
        QCOMPARE(closing.count(), int(closed));
        QCOMPARE(QFileInfo(templatePath(name)).isFile(), written);
        QCOMPARE(screen.templateModel().isModified(), modify && !written);
        if (failing)
            QCOMPARE(op.shown.last(), QStringLiteral("Can not open file for writing"));
    }

    // Loaded from the template, applied only when accepted.
    void arrangement()
    {
        zarTemplateWidget screen;
        QVERIFY(screen.open(oneSet()));
        QList<float> seen;
        for (bool accept : { false, true }) {
            zarWhenModal([&seen, accept](QWidget* w) {
                auto* d = qobject_cast<zarArrangementDialog*>(w);
                if (!d)
                    return;
                seen << d->cables() << d->cableSpacing();
                d->setCables(1);
                d->setCableSpacing(2.5f);
                (accept ? d->acceptPushButton : d->cancelPushButton)->click();
            });
            screen.editPushButton->click();
        }
        QCOMPARE(seen, QList<float>({ 2, 5, 2, 5 }));
        QCOMPARE(screen.profileLengthLabel->text(), QStringLiteral("<font color=blue>77.5</font> m"));
    }

    // Both remote electrodes offered with the template's cables; the dialog is kept
    // for the next check; the wires switched off go to the plot.
    void grounding()
    {
        auto screen = std::make_unique<zarTemplateWidget>();
        QVERIFY(screen->open(zarTemplateFixture::write(zarTemplateFixture::bytes(1, 5, { { 3, { { 0, 0 } } } }))));
        QList<QPointer<zarCableConfigDialog>> dialogs;
        for (bool accept : { true, false }) {
            zarWhenModal([&dialogs, accept](QWidget* w) {
                auto* d = qobject_cast<zarCableConfigDialog*>(w);
                if (!d)
                    return;
                dialogs << (d->cables() == 1 && d->remoteTxOffered() && d->remoteRxOffered() ? d : nullptr);
                accept ? d->accept() : d->reject();
            });
            QMetaObject::invokeMethod(screen.get(), "onGrounding");
        }
        QVERIFY(dialogs.size() == 2 && dialogs[0] && dialogs[0] == dialogs[1]);
        QVERIFY(screen->templatePlot().isGroundingMode());
        // A fresh check has every wire in use.
        QCOMPARE(screen->templatePlot().groundingData(), QSet<quint16>());
        // The dialog has no parent: it goes with the screen.
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
        zarQuadripole q(4, 7, 5, 6);
        QMetaObject::invokeMethod(&screen, "onSignalWidgetOpen", Q_ARG(zarQuadripole, q));
        auto* view = screen.findChild<zarSignalWidget*>();
        QVERIFY(zarWaitFor([view] { return view->isVisible(); }, 2000));
        QVERIFY(view->quadripole() == q && !screen.tabWidget->isVisible());
        shown << controls();
        emit view->sendSignalWidgetClose();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!screen.findChild<zarSignalWidget*>() && screen.tabWidget->isVisible());
        shown << controls();
        QCOMPARE(shown, QList<bool>({ true, false, true, false, true }));
    }
};

ZAR_TEST_MAIN(TestTemplateWidget)
#include "test_templatewidget.moc"
