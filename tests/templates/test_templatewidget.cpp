#include "zaroperator.h"
#include "zartemplatefixture.h"

#include "frame/zaroptionswidget.h"
#include "service/zarcableconfigdialog.h"
#include "service/zarsignalwidget.h"
#include "templates/zararrangementdialog.h"
#include "templates/zartemplatewidget.h"

#include <QDir>
#include <QSignalSpy>

// The template editor worked through its buttons, its table and its dialogs.
class TestTemplateWidget : public QObject
{
    Q_OBJECT

    static QString templatePath(const QString& name) { return templatesDir + name + QStringLiteral(".zarTemplate"); }

    // The view's interaction state; 0 is the resting state (no drag selection).
    static int viewState(const QAbstractItemView& view)
    {
        struct Probe : QAbstractItemView
        {
            static int of(const QAbstractItemView& v) { return int((v.*(&Probe::state))()); }
        };
        return Probe::of(view);
    }

    // A finger on the grid: press, move with the button held, lift.
    static QPoint cell(zarTemplateWidget& screen, int spacing, int level)
    {
        return screen.table().visualRect(screen.table().model()->index(spacing, level)).center();
    }
    static void press(zarTemplateWidget& screen, QPoint at)
    {
        QTest::mousePress(screen.table().viewport(), Qt::LeftButton, {}, at);
    }
    static void moveHeld(zarTemplateWidget& screen, QPoint to)
    {
        QWidget* viewport = screen.table().viewport();
        QMouseEvent move(QEvent::MouseMove, to, viewport->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(viewport, &move);
    }
    static void lift(zarTemplateWidget& screen, QPoint at)
    {
        QTest::mouseRelease(screen.table().viewport(), Qt::LeftButton, {}, at);
    }

    static bool selected(const zarTemplateWidget& screen, int spacing, int level)
    {
        const auto& sets = screen.templateModel().sets();
        return !sets.isEmpty() && sets[screen.templateModel().currentSetIndex()].mainMatrix()[spacing][level];
    }

    static void showOnTab(zarTemplateWidget& screen, int tab)
    {
        screen.resize(906, 551);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        screen.tabWidget->setCurrentIndex(tab);
    }

    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

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
        if (!path.isEmpty())
            QVERIFY(QFile::copy(zarTemplateFixture::write(zarTemplateFixture::bytes(2, 5, { { 3, { { 0, 0 } } } })), path));
        zarTemplateWidget screen;
        QVERIFY(screen.open(path));
        QCOMPARE(screen.name(), name);
        QCOMPARE(screen.templateModel().count(), path.isEmpty() ? 0 : 1);
        QVERIFY(!screen.templateModel().isModified());
    }

    void setControlsFollowTheTab()
    {
        zarTemplateWidget screen;
        showOnTab(screen, 0);
        QList<bool> visible;
        for (int tab : { 1, 2, 0 }) {
            screen.tabWidget->setCurrentIndex(tab);
            visible << (screen.addPushButton->isVisible() && screen.setComboBox->isVisible()
                        && screen.clearPushButton->isVisible() && screen.line->isVisible());
        }
        QCOMPARE(visible, QList<bool>({ true, true, false }));
        QVERIFY(!screen.groundingPushButton->isEnabled());
    }

    // Each tap toggles its cell; the view keeps no selection of its own.
    void tapSelectsAndDeselects()
    {
        zarTemplateWidget screen;
        showOnTab(screen, 1);
        zarOperator op;
        op.pickArray(3);
        op.start();
        QTest::mouseClick(screen.table().viewport(), Qt::LeftButton, {}, cell(screen, 2, 1));
        QCOMPARE(op.shown, QStringList({ QStringLiteral("array") }));
        QVERIFY(selected(screen, 2, 1));
        QVERIFY(!selected(screen, 2, 0) && !selected(screen, 1, 1));
        QVERIFY(screen.templateModel().isModified());
        QCOMPARE(screen.setComboBox->count(), 1);
        QVERIFY(screen.table().selectionModel()->selectedIndexes().isEmpty());
        QTest::mouseClick(screen.table().viewport(), Qt::LeftButton, {}, cell(screen, 2, 1));
        QVERIFY(!selected(screen, 2, 1));
        QCOMPARE(screen.templateModel().measurementCount(), 0);
    }

    void dragSelectsARun_data()
    {
        QTest::addColumn<QPoint>("liftOffset");
        QTest::addColumn<int>("lastLevel");
        QTest::newRow("lifted on the last cell") << QPoint(0, 0) << 3;
        QTest::newRow("lifted near the right edge") << QPoint(1, 0) << 3;
        QTest::newRow("lifted outside the view") << QPoint(0, 2000) << 3;
    }

    // A drag hands over its whole run when the finger is lifted, wherever that is,
    // and leaves the view ready for the next touch.
    void dragSelectsARun()
    {
        QFETCH(QPoint, liftOffset);
        QFETCH(int, lastLevel);
        zarTemplateWidget screen;
        showOnTab(screen, 1);
        zarOperator op;
        op.pickArray(3);
        op.start();
        QSignalSpy handed(&screen.table(), &zarTemplateTableView::sendSelection);
        press(screen, cell(screen, 0, 0));
        QPoint end = cell(screen, 0, lastLevel);
        moveHeld(screen, end);
        if (liftOffset.x() > 0) {
            end = QPoint(screen.table().viewport()->width() - 2, end.y());
            moveHeld(screen, end);
        }
        lift(screen, end + liftOffset);
        QCOMPARE(handed.count(), 1);
        const QModelIndexList cells = handed.first().first().value<QModelIndexList>();
        QVERIFY(cells.size() >= lastLevel + 1);
        for (int level = 0; level <= lastLevel; ++level)
            QVERIFY2(selected(screen, 0, level), qPrintable(QString::number(level)));
        QCOMPARE(viewState(screen.table()), 0);
        QVERIFY(screen.table().selectionModel()->selectedIndexes().isEmpty());

        // A move without the finger selects nothing; the next lift hands over nothing.
        const int count = screen.templateModel().measurementCount();
        QTest::mouseMove(screen.table().viewport(), cell(screen, 4, 4));
        lift(screen, cell(screen, 4, 4));
        QCOMPARE(handed.last().first().value<QModelIndexList>().size(), 0);
        QCOMPARE(screen.templateModel().measurementCount(), count);
    }

    // Add up to eight sets; a ninth is refused; remove asks first.
    void setButtonsUpToEight()
    {
        zarTemplateWidget screen;
        showOnTab(screen, 1);
        zarOperator op;
        for (int i = 0; i < 8; ++i)
            op.pickArray(i);
        op.answer(QMessageBox::Ok).answer(QMessageBox::No).answer(QMessageBox::Yes);
        op.start();
        for (int i = 0; i < 9; ++i)
            screen.addPushButton->click();
        QCOMPARE(screen.setComboBox->count(), 8);
        QCOMPARE(op.shown.last(), QStringLiteral("Can not add one more set"));
        screen.removePushButton->click();
        QCOMPARE(screen.templateModel().count(), 8);
        screen.removePushButton->click();
        QCOMPARE(screen.templateModel().count(), 7);
        QCOMPARE(screen.setComboBox->count(), 7);
        QCOMPARE(screen.templateModel().arrayType(6), qint8(6));
        QVERIFY(op.done());
    }

    void estimate_data()
    {
        QTest::addColumn<QString>("pulse");
        QTest::addColumn<QString>("pause");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("text");
        const QString blue = QStringLiteral("<font color = blue>%1</font>");
        auto text = [blue](int count, int runs, const char* shortest, const char* longest) {
            return QStringLiteral("Measurements: ") + blue.arg(count) + QStringLiteral(", runs: ") + blue.arg(runs)
                   + QStringLiteral(", duration: ") + blue.arg(QLatin1String(shortest)) + QStringLiteral(" ... ")
                   + blue.arg(QLatin1String(longest));
        };
        QList<QPair<int, int>> twenty;
        for (int level = 0; level < 20; ++level)
            twenty << qMakePair(0, level);
        QTest::newRow("no runs") << "2000" << "1000" << QByteArray() << text(0, 0, "00:00:00", "00:00:00");
        // 505 ms and 3505 ms: half a second and more shows the next second.
        QTest::newRow("one run rounds to the second")
            << "80" << "20" << zarTemplateFixture::bytes(2, 5, { { 0, { { 0, 20 } } } })
            << text(1, 1, "00:00:01", "00:00:04");
        // 1189 runs of 6305 ms and of 96305 ms: the longest passes midnight by 07:48:26.645.
        QTest::newRow("wraps after 24 hours")
            << "2000" << "1000" << zarTemplateFixture::bytes(2, 5, { { 3, twenty }, { 0, twenty } })
            << text(1490, 1189, "02:04:57", "07:48:27");
    }

    void estimate()
    {
        QFETCH(QString, pulse);
        QFETCH(QString, pause);
        QFETCH(QByteArray, file);
        QFETCH(QString, text);
        zarOptionsWidget options;
        options.pulseDurationComboBox->setCurrentText(pulse);
        options.pauseDurationComboBox->setCurrentText(pause);
        options.minStackingSlider->setValue(1);
        options.maxStackingSlider->setValue(16);
        zarTemplateWidget screen;
        QVERIFY(screen.open(file.isEmpty() ? QString() : zarTemplateFixture::write(file)));
        zarOperator op;
        op.answer(QMessageBox::Ok);
        op.start();
        screen.estimatePushButton->click();
        QCOMPARE(op.shown, QStringList({ text }));
    }

    // Too many measurements in a set: the model's message and no estimate.
    void estimateRefusedWhenTooLarge()
    {
        QList<QPair<int, int>> row;
        for (int level = 0; level < 30; ++level)
            row << qMakePair(0, level);
        zarTemplateWidget screen;
        QVERIFY(screen.open(zarTemplateFixture::write(zarTemplateFixture::bytes(2, 5, { { 11, row } }))));
        zarOperator op;
        op.answer(QMessageBox::Ok);
        op.start();
        screen.estimatePushButton->click();
        QCOMPARE(op.shown, QStringList({ QStringLiteral("Template contains too many measurements") }));
    }

    // Save proposes the name, writes into the templates directory, and the file
    // opens again on a new screen with the same template.
    void saveAndReopen()
    {
        zarTemplateWidget screen;
        QVERIFY(screen.open(QString()));
        showOnTab(screen, 1);
        zarOperator op;
        op.pickArray(3).type(QStringLiteral("ridge")).type(QStringLiteral("ridge2"));
        op.start();
        press(screen, cell(screen, 0, 0));
        moveHeld(screen, cell(screen, 1, 2));
        lift(screen, cell(screen, 1, 2));
        const int count = screen.templateModel().measurementCount();
        QVERIFY(count > 0);
        screen.savePushButton->click();
        QVERIFY(QFile::exists(templatePath(QStringLiteral("ridge"))));
        QVERIFY(!screen.templateModel().isModified());
        QCOMPARE(screen.name(), QStringLiteral("ridge"));
        screen.savePushButton->click();
        QCOMPARE(op.shown, QStringList({ QStringLiteral("array"), QStringLiteral("keyboard:"),
                                         QStringLiteral("keyboard:ridge") }));

        zarTemplateWidget again;
        QVERIFY(again.open(templatePath(QStringLiteral("ridge2"))));
        QCOMPARE(again.name(), QStringLiteral("ridge2"));
        QCOMPARE(again.templateModel().measurementCount(), count);
        QCOMPARE(again.templateModel().sets().first().mainMatrix(), screen.templateModel().sets().first().mainMatrix());
        QCOMPARE(again.setComboBox->count(), 1);
        QCOMPARE(again.cablesLabel->text(), QStringLiteral("<font color=blue>2</font>"));
    }

    void refusedNames_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("outside");
        QTest::newRow("parent directory") << "../escape" << zarDriveRoot::path() + QStringLiteral("zar_0/escape.zarTemplate");
        QTest::newRow("slash") << "sub/name" << templatesDir + QStringLiteral("sub/name.zarTemplate");
        QTest::newRow("backslash") << "sub\\name" << templatesDir + QStringLiteral("sub\\name.zarTemplate");
        QTest::newRow("dots inside") << "a..b" << templatesDir + QStringLiteral("a..b.zarTemplate");
    }

    // A typed name never leads out of the templates directory.
    void refusedNames()
    {
        QFETCH(QString, typed);
        QFETCH(QString, outside);
        zarTemplateWidget screen;
        QVERIFY(screen.open(zarTemplateFixture::write(zarTemplateFixture::bytes(2, 5, { { 3, { { 0, 0 } } } }))));
        zarOperator op;
        op.type(typed).answer(QMessageBox::Ok);
        op.start();
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
        const int yes = QMessageBox::Yes, no = QMessageBox::No, cancel = QMessageBox::Cancel, ok = QMessageBox::Ok;
        QTest::newRow("unchanged closes at once") << false << QList<int>() << true << false;
        QTest::newRow("cancel stays") << true << QList<int>({ cancel }) << false << false;
        QTest::newRow("no discards") << true << QList<int>({ no }) << true << false;
        QTest::newRow("yes saves and closes") << true << QList<int>({ yes, 0 }) << true << true;
        // A directory in the way: asked to overwrite, then the write fails.
        QTest::newRow("yes with a failing save stays") << true << QList<int>({ yes, 0, yes, ok }) << false << false;
    }

    void closeQuestion()
    {
        QFETCH(bool, modify);
        QFETCH(QList<int>, answers);
        QFETCH(bool, closed);
        QFETCH(bool, written);
        const QString name = QStringLiteral("close%1").arg(QTest::currentDataTag()[0] == 'y' ? answers.size() : 0);
        if (answers.size() == 4)
            QVERIFY(QDir().mkpath(templatePath(name)));
        auto* screen = new zarTemplateWidget;
        QVERIFY(screen->open(zarTemplateFixture::write(zarTemplateFixture::bytes(2, 5, { { 3, { { 0, 0 } } } }))));
        zarOperator op;
        if (modify) {
            // The signal view marks a cell: the template is changed.
            QMetaObject::invokeMethod(screen, "onSignalWidgetOpen", Q_ARG(zarQuadripole, zarQuadripole(0, 3, 1, 2)));
            auto* view = screen->findChild<zarSignalWidget*>();
            QVERIFY(view);
            emit view->sendSpacingLevelAuxConfig(0, 0, true);
            emit view->sendSignalWidgetClose();
            QVERIFY(screen->templateModel().isModified());
        }
        for (int answer : answers) {
            if (answer == 0)
                op.type(name);
            else
                op.answer(QMessageBox::StandardButton(answer));
        }
        op.start();
        QSignalSpy closing(screen, &zarTemplateWidget::sendTemplateClose);
        screen->closePushButton->click();
        QVERIFY(op.done());
        if (modify)
            QCOMPARE(op.shown.first(), QStringLiteral("Do you want to save this template?"));
        QCOMPARE(closing.count(), closed ? 1 : 0);
        QCOMPARE(QFileInfo(templatePath(name)).isFile(), written);
        if (answers.size() == 4) {
            QCOMPARE(op.shown.last(), QStringLiteral("Can not open file for writing"));
            QVERIFY(screen->templateModel().isModified());
        }
        delete screen;
    }

    // The arrangement dialog starts from the template and applies only when accepted.
    void arrangement()
    {
        zarTemplateWidget screen;
        QVERIFY(screen.open(zarTemplateFixture::write(zarTemplateFixture::bytes(2, 5, { { 3, { { 0, 0 } } } }))));
        QList<QPair<int, float>> seen;
        for (bool accept : { false, true }) {
            zarWhenModal([&seen, accept](QWidget* w) {
                auto* d = qobject_cast<zarArrangementDialog*>(w);
                if (!d)
                    return;
                seen << qMakePair(int(d->cables()), d->cableSpacing());
                d->setCables(1);
                d->setCableSpacing(2.5f);
                (accept ? d->acceptPushButton : d->cancelPushButton)->click();
            });
            screen.editPushButton->click();
        }
        QCOMPARE(seen, (QList<QPair<int, float>>({ { 2, 5.0f }, { 2, 5.0f } })));
        QCOMPARE(screen.templateModel().cables(), zarCable(1));
        QCOMPARE(screen.templateModel().cableSpacing(), 2.5f);
        QCOMPARE(screen.profileLengthLabel->text(), QStringLiteral("<font color=blue>77.5</font> m"));
        QVERIFY(screen.templateModel().isModified());
    }

    // The check asks for both remote electrodes with the template's cables, keeps its
    // dialog for the next check and hands the switched-off wires to the plot.
    void grounding()
    {
        zarTemplateWidget screen;
        QVERIFY(screen.open(zarTemplateFixture::write(zarTemplateFixture::bytes(1, 5, { { 3, { { 0, 0 } } } }))));
        QList<zarCableConfigDialog*> dialogs;
        for (bool accept : { true, false }) {
            zarWhenModal([&dialogs, accept](QWidget* w) {
                auto* d = qobject_cast<zarCableConfigDialog*>(w);
                if (!d)
                    return;
                dialogs << d;
                QVERIFY(d->cables() == 1 && d->remoteTxOffered() && d->remoteRxOffered());
                accept ? d->accept() : d->reject();
            });
            QMetaObject::invokeMethod(&screen, "onGrounding");
            QCOMPARE(screen.templatePlot().isGroundingMode(), true);
        }
        QCOMPARE(dialogs.size(), 2);
        QCOMPARE(dialogs[0], dialogs[1]);
        // Every wire of a fresh check is in use: nothing is switched off.
        QCOMPARE(screen.templatePlot().groundingData(), QSet<quint16>());
    }

    // The signal view takes the place of the tabs and gives them back for the same tab.
    void signalViewReplacesTheTabs()
    {
        zarTemplateWidget screen;
        showOnTab(screen, 2);
        zarQuadripole q(4, 7, 5, 6);
        q.spacing = 1;
        q.level = 2;
        QMetaObject::invokeMethod(&screen, "onSignalWidgetOpen", Q_ARG(zarQuadripole, q));
        auto* view = screen.findChild<zarSignalWidget*>();
        QVERIFY(view);
        QCOMPARE(view->quadripole(), q);
        QVERIFY(zarWaitFor([view] { return view->isVisible(); }, 2000));
        QVERIFY(!screen.tabWidget->isVisible() && !screen.addPushButton->isVisible());
        emit view->sendSignalWidgetClose();
        flushDeletes();
        QVERIFY(!screen.findChild<zarSignalWidget*>());
        QVERIFY(screen.tabWidget->isVisible() && screen.addPushButton->isVisible());
        QCOMPARE(screen.tabWidget->currentIndex(), 2);
    }
};

ZAR_TEST_MAIN(TestTemplateWidget)
#include "test_templatewidget.moc"
