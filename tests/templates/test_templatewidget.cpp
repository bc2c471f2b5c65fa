#include "zarmodalof.h"
#include "zartemplatefixture.h"

#include "frame/zarkeyboarddialog.h"
#include "frame/zaroptionswidget.h"
#include "frame/zarwarningdialog.h"
#include "service/zarcableconfigdialog.h"
#include "service/zarsignalwidget.h"
#include "templates/zararrangementdialog.h"
#include "templates/zartemplatewidget.h"

#include <QDir>
#include <QMessageBox>
#include <QPointer>
#include <QSignalSpy>

// Answers the dialogs of one operation in order as the operator would: a message with a button (its
// text is kept), the keyboard with a name (the name it proposed is kept); others are cancelled, noted.
class zarOperator : public QObject
{
public:
    explicit zarOperator(const QVariantList& answers) : steps(answers) { startTimer(10); }
    QVariantList steps;
    QStringList shown;

private:
    void timerEvent(QTimerEvent*) override
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        const QVariant next = steps.value(0);
        auto* message = qobject_cast<zarWarningDialog*>(modal);
        auto* keyboard = qobject_cast<zarKeyboardDialog*>(modal);
        if (message && next.type() == QVariant::Int) {
            shown << message->messageLabel->text();
            (next == QMessageBox::No ? message->noPushButton
             : next == QMessageBox::Cancel ? message->cancelPushButton : message->okYesPushButton)->click();
        } else if (keyboard && next.type() == QVariant::String) {
            shown << keyboard->lineEdit->text();
            keyboard->lineEdit->setText(next.toString());
            keyboard->enterB->click();
        } else {
            shown << QStringLiteral("unexpected:") + modal->metaObject()->className();
            return qobject_cast<QDialog*>(modal)->reject();
        }
        steps.removeFirst();
    }
};

// The template editor worked through its buttons, its grid and its dialogs.
class TestTemplateWidget : public QObject
{
    Q_OBJECT

    static QString templatePath(const QString& name) { return templatesDir + name + QStringLiteral(".zarTemplate"); }
    static QString oneSet(zarCable cables = 2)
    {
        return zarTemplateFixture::write(zarTemplateFixture::bytes(cables, 5, { { 3, { { 0, 0 } } } }));
    }

    // Reads the view's interaction state; 0 is at rest (no drag going on).
    struct Probe : QAbstractItemView { static int stateOf(const QAbstractItemView& v) { return (v.*(&Probe::state))(); } };

    // The screen shown on its Setup tab, and a finger on its grid: pressed on a cell, moved held, lifted.
    struct Setup
    {
        zarTemplateWidget screen;
        zarTemplateTableView& table = screen.table();
        Setup()
        {
            QDir().mkpath(templatesDir);
            screen.open(oneSet());
            screen.show();
            (void)QTest::qWaitForWindowExposed(&screen);
            screen.tabWidget->setCurrentIndex(1);
        }
        QPoint cell(int spacing, int level) { return table.visualRect(table.model()->index(spacing, level)).center(); }
        void drag(QPoint from, QPoint to, QPoint lift)
        {
            QTest::mousePress(table.viewport(), Qt::LeftButton, {}, from);
            QMouseEvent move(QEvent::MouseMove, to, table.viewport()->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
            QApplication::sendEvent(table.viewport(), &move);
            QTest::mouseRelease(table.viewport(), Qt::LeftButton, {}, lift);
        }
        QVector<bool> levels() const { return screen.templateModel().sets().value(0).mainMatrix().value(2).mid(0, 5); }
    };

private slots:
    void fingerOnTheGrid_data()
    {
        QTest::addColumn<int>("lastLevel");
        QTest::addColumn<bool>("toEdge");
        QTest::addColumn<QPoint>("liftOffset");
        QTest::newRow("a tap") << 0 << false << QPoint();
        QTest::newRow("lifted on the last cell") << 3 << false << QPoint();
        QTest::newRow("lifted at the right edge") << 4 << true << QPoint();
        QTest::newRow("lifted outside the view") << 3 << false << QPoint(0, 2000);
    }

    // The cells touched go to the template at the lift, wherever it is; the view keeps no selection, at rest.
    void fingerOnTheGrid()
    {
        QFETCH(int, lastLevel);
        QFETCH(bool, toEdge);
        QFETCH(QPoint, liftOffset);
        Setup s;
        const QPoint end(toEdge ? s.table.viewport()->width() - 2 : s.cell(2, lastLevel).x(), s.cell(2, 0).y());
        s.drag(s.cell(2, 0), end, end + liftOffset);
        QCOMPARE(s.levels(), (QVector<bool>({ true, lastLevel > 0, lastLevel > 1, lastLevel > 2, lastLevel > 3 })));
        QCOMPARE(s.table.selectionModel()->selectedIndexes().size(), 0);
        QCOMPARE(Probe::stateOf(s.table), 0);
    }

    // Eight sets at most, cloned or added; a removal asks first.
    void setButtonsUpToEight()
    {
        Setup s;
        zarOperator op(QVector<QVariant>(8, QMessageBox::Ok).toList() << QMessageBox::No << QMessageBox::Yes);
        QVector<QPushButton*> taps(7, s.screen.clonePushButton);
        for (QPushButton* button : taps << s.screen.addPushButton << s.screen.removePushButton << s.screen.removePushButton)
            button->click();
        QCOMPARE(op.shown.value(7), QStringLiteral("Can not add one more set"));
        QCOMPARE(s.screen.setComboBox->count(), 7);
    }

    void estimate_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("text");
        QList<QPair<int, int>> column;
        for (int level = 0; level < 30; ++level)
            column << qMakePair(0, level);
        // 1189 runs of 6305 ms and of 96305 ms: rounded to the second, the longest past midnight.
        QTest::newRow("rounded, wrapped after 24 hours")
            << zarTemplateFixture::bytes(2, 5, { { 3, column.mid(0, 20) }, { 0, column.mid(0, 20) } })
            << QStringLiteral("Measurements: <font color = blue>1490</font>, runs: <font color = blue>1189</font>, "
                              "duration: <font color = blue>02:04:57</font> ... <font color = blue>07:48:27</font>");
        QTest::newRow("refused when too many")
            << zarTemplateFixture::bytes(2, 5, { { 11, column } }) << "Template contains too many measurements";
    }

    void estimate()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, text);
        zarOptionsWidget options;
        options.pulseDurationComboBox->setCurrentText("2000");
        options.pauseDurationComboBox->setCurrentText("1000");
        options.minStackingSlider->setValue(1);
        options.maxStackingSlider->setValue(16);
        zarTemplateWidget screen;
        QVERIFY(screen.open(zarTemplateFixture::write(file)));
        zarOperator op({ QMessageBox::Ok });
        screen.estimatePushButton->click();
        QCOMPARE(op.shown, QStringList({ text }));
    }

    // Saved under a typed name, proposed again next time; reopened as the same template, named by its file.
    void saveAndReopen()
    {
        Setup s;
        zarOperator op({ "ridge", "ridge2" });
        s.drag(s.cell(2, 0), s.cell(2, 2), s.cell(2, 2));
        s.screen.savePushButton->click();
        s.screen.savePushButton->click();
        QCOMPARE(op.shown, QStringList({ "fixture", "ridge" }));
        zarTemplateWidget again;
        QVERIFY(again.open(templatePath(QStringLiteral("ridge2"))));
        QCOMPARE(again.name(), QStringLiteral("ridge2"));
        QCOMPARE(again.templateModel().sets().first().mainMatrix(), s.screen.templateModel().sets().first().mainMatrix());
        const zarTemplatePlot& plot = again.templatePlot(); // one marker per quadripole, by spacing
        QCOMPARE(int(plot.curve(0)->dataSize() + plot.curve(2)->dataSize()), again.templateModel().measurementCount());
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

    // Loaded from the template, applied only when accepted.
    void arrangement()
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
        QCOMPARE(screen.profileLengthLabel->text(), QStringLiteral("<font color=blue>77.5</font> m"));
    }

    // Both remotes offered with the template's cables; one dialog, kept till the screen goes; every wire in use.
    void grounding()
    {
        QScopedPointer<zarTemplateWidget> screen(new zarTemplateWidget);
        QVERIFY(screen->open(oneSet(1)));
        QList<QPointer<zarCableConfigDialog>> dialogs;
        for (int check = 0; check < 2; ++check) {
            zarWhenModalOf<zarCableConfigDialog>([&dialogs](zarCableConfigDialog* d) {
                dialogs << d;
                d->accept();
            });
            QMetaObject::invokeMethod(screen.data(), "onGrounding");
        }
        QVERIFY(dialogs.size() == 2 && dialogs[0] && dialogs[0] == dialogs[1]);
        QVERIFY(dialogs[0]->cables() == 1 && dialogs[0]->remoteTxOffered() && dialogs[0]->remoteRxOffered());
        QVERIFY(screen->templatePlot().isGroundingMode());
        QCOMPARE(screen->templatePlot().groundingData(), QSet<quint16>());
        screen.reset();
        QVERIFY(dialogs[0].isNull());
    }

    // The set controls show only on Setup or Graphics, and not while a signal view replaces the tabs.
    void setControlsFollowTabsAndSignalView()
    {
        Setup s;
        QList<bool> shown;
        auto note = [&] { shown << (s.screen.addPushButton->isVisible() && s.screen.setComboBox->isVisible()); };
        for (int tab : { 1, 0, 2 }) {
            s.screen.tabWidget->setCurrentIndex(tab);
            note();
        }
        QMetaObject::invokeMethod(&s.screen, "onSignalWidgetOpen", Q_ARG(zarQuadripole, zarQuadripole(4, 7, 5, 6)));
        auto* view = s.screen.findChild<zarSignalWidget*>();
        QVERIFY(zarWaitFor([view] { return view->isVisible(); }, 2000));
        QVERIFY(view->quadripole() == zarQuadripole(4, 7, 5, 6) && !s.screen.tabWidget->isVisible());
        note();
        emit view->sendSignalWidgetClose();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!s.screen.findChild<zarSignalWidget*>() && s.screen.tabWidget->isVisible());
        note();
        QCOMPARE(shown, QList<bool>({ true, false, true, false, true }));
    }
};

ZAR_TEST_MAIN(TestTemplateWidget)
#include "test_templatewidget.moc"
