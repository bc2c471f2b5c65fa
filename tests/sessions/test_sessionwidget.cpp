// The session screen outside the measurement cycle: display switch, view-only
// mode, "Go to" from a plot, Finish and the IP options check.
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

typedef zarSessionScreenFixture Fixture;

class TestSessionWidget : public QObject
{
    Q_OBJECT

    // Eight rows; the second measured with the given IP options.
    static QString path(bool ip = false, quint16 pauseCode = 0, bool measured = false)
    {
        zarSessionFile s = Fixture::session(8);
        s.units[1].measureSet.measured = measured;
        s.units[1].measureSet.settings.ip = ip;
        s.units[1].measureSet.settings.pauseCode = pauseCode;
        return Fixture::write(s);
    }

private slots:
    void init() { Fixture::closeSettings().clear(); }
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
        const QString curves = "soundingCurves", frame = "soundingCenterFrame";
        const QStringList start { "pseudoSection", "xCenterLabel", "xResistivitylabel", "yDepthLabel" };
        QTest::newRow("section, chargeability")
            << 0 << 1 << QStringList { "pseudoSection", "xCenterLabel", "xChargeabilityLabel", "yDepthLabel" };
        QTest::newRow("sounding, resistivity") << 1 << 0 << QStringList { curves, frame, "xDepthLabel", "yResistivitylabel" };
        QTest::newRow("profile, chargeability") << 2 << 1 << QStringList { curves, frame, "xCenterLabel", "yChargeabilityLabel" };
        QTest::newRow("unknown display changes nothing") << 3 << 0 << start;
        QTest::newRow("unknown mode changes nothing") << 1 << 2 << start;
    }
    void displaySwitch()
    {
        QFETCH(int, display);
        QFETCH(int, mode);
        QFETCH(QStringList, visible);
        zarSessionWidget w(nullptr, true);
        w.pseudoSectionPlot.setObjectName("pseudoSection");
        w.soundingCurvePlot.setObjectName("soundingCurves");
        w.updatePlotVisibility(quint8(display), quint8(mode));
        QStringList shown;
        for (QWidget* widget : std::initializer_list<QWidget*> {
                 &w.pseudoSectionPlot, &w.soundingCurvePlot, w.soundingCenterFrame, w.xCenterLabel, w.xDepthLabel,
                 w.xResistivitylabel, w.xChargeabilityLabel, w.yDepthLabel, w.yResistivitylabel, w.yChargeabilityLabel })
            if (!widget->isHidden())
                shown << widget->objectName();
        shown.sort();
        visible.sort();
        QCOMPARE(shown, visible);
    }

    // Viewing leaves no trace of a clean end and measures nothing.
    void viewOnly()
    {
        zarSessionWidget w(nullptr, true);
        QSignalSpy closed(&w, &zarSessionWidget::sendSessionClose);
        QVERIFY(w.setup(path(true, 3, true)));
        QCOMPARE(Fixture::closeFlag(), 0);
        zarCoreReportET2D report;
        report.results << zarMeasureSet();
        emit zarCore::instance()->sendReportET2D(report);
        QVERIFY(!w.sessionDataModel.units()[0].measureSet.measured);
        w.closePushButton->click();
        QCOMPARE(closed.count(), 1);
        QCOMPARE(Fixture::closeFlag(), 0);
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
        QCOMPARE(closed.count(), closes ? 1 : 0);
        QCOMPARE(Fixture::closeFlag(), closes ? 1 : 0);
        QCOMPARE(QFile::exists(saved), !typedName.isEmpty());
        // The name offered is the session's own, without directory and extension.
        QCOMPARE(offered, answer == QMessageBox::Yes ? QStringLiteral("screen") : QString());
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
        QFETCH(int, answer);
        QFETCH(bool, opened);
        zarOptionsWidget options;
        QFETCH(QString, currentPause);
        options.pauseDurationComboBox->setCurrentText(currentPause);
        zarSessionWidget w(nullptr, false);
        QSignalSpy closed(&w, &zarSessionWidget::sendSessionClose);
        zarDialogAnswer question;
        question.expect(QMessageBox::StandardButton(answer));
        QCOMPARE(w.setup(path(storedIp, quint16(storedCode), true)), opened);
        question.disarm();
        QTEST(question.shown, "asked");
        QCOMPARE(closed.count(), opened ? 0 : 1);
        QTEST(options.pauseDurationComboBox->currentText(), "pauseAfter");
        QVERIFY(!options.pauseDurationComboBox->isEnabled());
    }
};

ZAR_TEST_MAIN(TestSessionWidget)
#include "test_sessionwidget.moc"
