// The session screen outside the measurement cycle: set-up, display switch,
// view-only mode, signal view and Finish.
#include "zardialoganswer.h"
#include "zarmodalof.h"
#include "zarprogramfont.h"
#include "zarsessionscreenfixture.h"
#include "zartestsupport.h"

#include "core/zarcore.h"
#include "frame/zarkeyboarddialog.h"
#include "frame/zaroptionswidget.h"
#include "frame/zarsystemwidget.h"
#include "frame/zartranslator.h"
#include "service/zarsignalwidget.h"
#include "sessions/zarsessionwidget.h"

#include <QHeaderView>
#include <QPointer>
#include <QSettings>
#include <QSignalSpy>

class TestSessionWidget : public QObject
{
    Q_OBJECT

    static int closeFlag()
    {
        return QSettings(settingsScope, QStringLiteral("zarSessionMenuWidget"))
            .value(QStringLiteral("sessionCloseSuccess"), 1)
            .toInt();
    }

    static zarSessionFile measuredSession(bool ip, quint16 pauseCode)
    {
        zarSessionFile s = zarSessionScreenFixture::session(8);
        s.units[1].measureSet.measured = true;
        s.units[1].measureSet.settings.ip = ip;
        s.units[1].measureSet.settings.pauseCode = pauseCode;
        return s;
    }

    static QString path(const zarSessionFile& s = zarSessionScreenFixture::session(8))
    {
        return zarSessionScreenFixture::write(s, QStringLiteral("screen"));
    }

    // The widgets that the display switch shows, by name.
    static QStringList shown(zarSessionWidget& w)
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
        return names;
    }

private slots:
    void init() { QSettings(settingsScope, QStringLiteral("zarSessionMenuWidget")).clear(); }
    void cleanup()
    {
        zarSystemWidget::setBusy(false);
        zarTranslator::instance()->setLanguage(QStringLiteral("En"));
    }
    void cleanupTestCase() { zarCore::destroy(); }

    void displaySwitch_data()
    {
        QTest::addColumn<int>("display");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("visible");
        const QString centre = QStringLiteral("xCenterLabel"), depthX = QStringLiteral("xDepthLabel");
        const QString frame = QStringLiteral("soundingCenterFrame");
        QTest::newRow("as constructed") << -1 << -1
                                        << QStringList { "section", centre, "xResistivitylabel", "yDepthLabel" };
        QTest::newRow("section, chargeability")
            << 0 << 1 << QStringList { "section", centre, "xChargeabilityLabel", "yDepthLabel" };
        QTest::newRow("sounding, resistivity") << 1 << 0 << QStringList { "curves", frame, depthX, "yResistivitylabel" };
        QTest::newRow("sounding, chargeability")
            << 1 << 1 << QStringList { "curves", frame, depthX, "yChargeabilityLabel" };
        QTest::newRow("profile, resistivity") << 2 << 0 << QStringList { "curves", frame, centre, "yResistivitylabel" };
        QTest::newRow("profile, chargeability")
            << 2 << 1 << QStringList { "curves", frame, centre, "yChargeabilityLabel" };
        QTest::newRow("unknown display changes nothing")
            << 3 << 0 << QStringList { "section", centre, "xResistivitylabel", "yDepthLabel" };
        QTest::newRow("unknown mode changes nothing")
            << 0 << 2 << QStringList { "section", centre, "xResistivitylabel", "yDepthLabel" };
    }

    void displaySwitch()
    {
        QFETCH(int, display);
        QFETCH(int, mode);
        zarSessionWidget w(nullptr, true);
        if (display >= 0)
            w.updatePlotVisibility(quint8(display), quint8(mode));
        QFETCH(QStringList, visible);
        QStringList actual = shown(w);
        actual.sort();
        visible.sort();
        QCOMPARE(actual, visible);
    }

    void displayBoxesReachTheModel()
    {
        zarSessionWidget w(nullptr, true);
        QVERIFY(w.setup(path()));
        w.displayComboBox->setCurrentIndex(2);
        w.modeComboBox->setCurrentIndex(1);
        QCOMPARE(int(w.sessionDataModel.plot()), 2);
        QCOMPARE(int(w.sessionDataModel.mode()), 1);
        QVERIFY(!w.soundingCurvePlot.isHidden());
        QVERIFY(!w.yChargeabilityLabel->isHidden());
        QCOMPARE(w.currentSetComboBox->count(), 1);
    }

    // Viewing leaves no trace of a clean end and measures nothing.
    void viewOnly()
    {
        zarSessionWidget w(nullptr, true);
        QSignalSpy closed(&w, &zarSessionWidget::sendSessionClose);
        QVERIFY(w.setup(path(measuredSession(true, 3))));
        QVERIFY(w.startPushButton->isHidden());
        QVERIFY(w.signalsPushButton->isHidden());
        QCOMPARE(closeFlag(), 0);
        QCOMPARE(w.sessionName, QStringLiteral("screen"));

        zarCoreReportET2D report;
        report.results << zarMeasureSet();
        emit zarCore::instance()->sendReportET2D(report);
        QVERIFY(!w.sessionDataModel.units()[0].measureSet.measured);

        w.closePushButton->click();
        QCOMPARE(closed.count(), 1);
        QCOMPARE(closeFlag(), 0);
    }

    void captionsFit_data()
    {
        QTest::addColumn<QString>("language");
        for (const char* language : { "En", "Ru" })
            QTest::newRow(language) << language;
    }

    // Set up before it is laid out, as the menus do, then shown at the screen's width.
    void captionsFit()
    {
        QFETCH(QString, language);
        QVERIFY(zarTranslator::instance()->setLanguage(language));
        const auto font = zarUseProgramFont();
        zarSessionWidget w(nullptr, true);
        QVERIFY(w.setup(path()));
        w.resize(1024, 520);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QHeaderView* header = w.sessionTableView->horizontalHeader();
        for (int column = 6; column < header->count(); ++column) {
            const QString caption = w.sessionDataModel.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
            // The caption's own width inside the section's border and margin.
            const int needed = header->fontMetrics().horizontalAdvance(caption) + 8;
            QVERIFY2(header->sectionSize(column) >= needed, qPrintable(caption));
        }
    }

    void withoutArrayTypes()
    {
        zarSessionFile s = zarSessionScreenFixture::session(8);
        s.arrangement.arrayTypeSets.clear();
        zarSessionWidget w(nullptr, true);
        QVERIFY(w.setup(path(s)));
        QVERIFY(!w.mainTabWidget->isTabEnabled(1));
        QCOMPARE(w.sessionDataModel.headerData(12, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("R [%1]").arg(QChar(0x03A9)));
    }

    void setupRefusals()
    {
        zarSessionWidget w(nullptr, false);
        QSignalSpy closed(&w, &zarSessionWidget::sendSessionClose);
        QVERIFY(!w.setup(QString()));
        QCOMPARE(closed.count(), 0);

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
        QVERIFY(w.setup(path()));
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

    void signalView()
    {
        zarSessionWidget w(nullptr, false);
        QVERIFY(w.setup(path()));
        w.sessionTableView->selectRow(5);
        w.signalsPushButton->click();
        QPointer<zarSignalWidget> view = w.findChild<zarSignalWidget*>();
        QVERIFY(view);
        QVERIFY(w.mainTabWidget->isHidden());
        const zarCoreQuadripole& q = w.sessionDataModel.units()[5].coreQuadripole;
        QCOMPARE(view->quadripole().a, q.a);
        QCOMPARE(view->quadripole().n, q.n);

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
        QTest::newRow("No: closes, clean end") << int(QMessageBox::No) << QString() << true;
        QTest::newRow("Yes and a name: saved, clean end") << int(QMessageBox::Yes) << "kept" << true;
        QTest::newRow("Yes, name cancelled: stays") << int(QMessageBox::Yes) << QString() << false;
        QTest::newRow("Cancel: stays") << int(QMessageBox::Cancel) << QString() << false;
    }

    void finish()
    {
        QFETCH(int, answer);
        QFETCH(QString, typedName);
        QFETCH(bool, closes);
        zarSessionWidget w(nullptr, false);
        QVERIFY(w.setup(path()));
        QSignalSpy closed(&w, &zarSessionWidget::sendSessionClose);
        const QString saved = sessionsDir + QStringLiteral("kept.zarSession");
        QFile::remove(saved);
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
        QCOMPARE(closed.count(), closes ? 1 : 0);
        QCOMPARE(closeFlag(), closes ? 1 : 0);
        QCOMPARE(QFile::exists(saved), !typedName.isEmpty());
        // The name offered is the session's own, without directory and extension.
        QCOMPARE(offered, answer == QMessageBox::Yes ? QStringLiteral("screen") : QString());
    }

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
        zarOptionsWidget options;
        options.pauseDurationComboBox->setCurrentText(currentPause);
        zarSessionWidget w(nullptr, false);
        QSignalSpy closed(&w, &zarSessionWidget::sendSessionClose);
        zarDialogAnswer question;
        question.expect(QMessageBox::StandardButton(answer));
        QFETCH(bool, opened);
        QCOMPARE(w.setup(path(measuredSession(storedIp, quint16(storedCode)))), opened);
        question.disarm();
        QTEST(question.shown, "asked");
        QCOMPARE(closed.count(), opened ? 0 : 1);
        QTEST(options.pauseDurationComboBox->currentText(), "pauseAfter");
        QVERIFY(!options.pauseDurationComboBox->isEnabled());
    }
};

ZAR_TEST_MAIN(TestSessionWidget)
#include "test_sessionwidget.moc"
