#include "zardialoganswer.h"
#include "zarprogramfont.h"
#include "zarsignalcurves.h"
#include "zartestsupport.h"

#include "core/zarcore.h"
#include "frame/zartranslator.h"
#include "frame/zarusermessage.h"
#include "service/zarsignalwidget.h"

#include <QSignalSpy>
#include <QTabBar>
#include <QToolButton>

using Points = QVector<QPointF>;
using Values = QVector<float>;

// The signal view: from a signal report to the points of its three plots, and the
// view's buttons, status line and verdicts.
class TestSignalWidget : public QObject
{
    Q_OBJECT

    static zarCoreReportSignal report(quint16 pulseCode, bool ip, quint16 pauseCode)
    {
        zarCoreReportSignal r;
        r.settings.pulseCode = pulseCode;
        r.settings.ip = ip;
        r.settings.pauseCode = pauseCode;
        return r;
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<zarSpacing>("zarSpacing");
        qRegisterMetaType<zarLevel>("zarLevel");
    }

    void cleanup() { zarTranslator::instance()->setLanguage(QStringLiteral("En")); }

    void plotTabsInReach_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("position");
        QTest::newRow("En, a session page: at the side") << "En" << 520 << int(QTabWidget::West);
        QTest::newRow("Ru, a session page: at the side") << "Ru" << 520 << int(QTabWidget::West);
        QTest::newRow("Ru, the engineer's signal tab: above") << "Ru" << 420 << int(QTabWidget::North);
    }

    // Every plot tab can be reached with a finger: none hides behind scroll arrows.
    void plotTabsInReach()
    {
        QFETCH(QString, language);
        QFETCH(int, height);
        QVERIFY(zarTranslator::instance()->setLanguage(language));
        const auto font = zarUseProgramFont();
        // Inside a page that may be lower than the view would like, as in the engineer screen.
        QWidget page;
        page.resize(1000, height);
        zarSignalWidget w(&page);
        w.setGeometry(0, 0, 1000, height);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QTEST(int(w.tabWidget->tabPosition()), "position");
        QTabBar* bar = w.tabWidget->tabBar();
        for (const QToolButton* arrow : bar->findChildren<QToolButton*>())
            QVERIFY2(!arrow->isVisible(), "plot tabs scroll");
        w.setGeometry(0, 0, 1000, 520);
        QTRY_COMPARE(w.tabWidget->tabPosition(), QTabWidget::West);
    }

    void reportBecomesCurves_data()
    {
        QTest::addColumn<quint16>("pulseCode");
        QTest::addColumn<bool>("ip");
        QTest::addColumn<quint16>("pauseCode");
        QTest::addColumn<Values>("pulse");
        QTest::addColumn<Values>("pause");
        QTest::addColumn<Points>("pulseSamples");
        QTest::addColumn<Points>("pulseCurve");
        QTest::addColumn<Points>("pauseCurve");
        QTest::addColumn<Points>("negativePulseCurve");
        QTest::addColumn<Points>("negativePauseSamples");

        // The negative half mirrors the positive one: its values are the negated ones.
        QTest::newRow("pulse code 2 without pause")
            << quint16(2) << false << quint16(3) << Values({ 1, 2, 4 }) << Values({ 9 })
            << Points({ { 25, 1 }, { 45, 2 }, { 65, 4 } })
            << Points({ { 0, 0 }, { 0, 1 }, { 25, 1 }, { 45, 2 }, { 65, 4 }, { 80, 5.5 } }) << Points()
            << Points({ { 100, 0 }, { 100, -1 }, { 125, -1 }, { 145, -2 }, { 165, -4 }, { 180, -5.5 } })
            << Points();
        QTest::newRow("pause code 1 with pause")
            << quint16(2) << true << quint16(1) << Values({ 1, 2, 4 }) << Values({ 3 })
            << Points({ { 25, 1 }, { 45, 2 }, { 65, 4 } })
            << Points({ { 0, 0 }, { 0, 1 }, { 25, 1 }, { 45, 2 }, { 65, 4 }, { 80, 5.5 } })
            << Points({ { 100, 3 }, { 110, 3 }, { 120, 3 } })
            << Points({ { 140, 0 }, { 140, -1 }, { 165, -1 }, { 185, -2 }, { 205, -4 }, { 220, -5.5 } })
            << Points({ { 250, -3 } });
        QTest::newRow("pause code 2 extends the pause line both ways")
            << quint16(2) << true << quint16(2) << Values({ 1, 2, 4 }) << Values({ 4, 2 })
            << Points({ { 25, 1 }, { 45, 2 }, { 65, 4 } })
            << Points({ { 0, 0 }, { 0, 1 }, { 25, 1 }, { 45, 2 }, { 65, 4 }, { 80, 5.5 } })
            << Points({ { 100, 5 }, { 110, 4 }, { 130, 2 }, { 140, 1 } })
            << Points({ { 160, 0 }, { 160, -1 }, { 185, -1 }, { 205, -2 }, { 225, -4 }, { 240, -5.5 } })
            << Points({ { 270, -4 }, { 290, -2 } });
        QTest::newRow("pulse code 0 ends flat")
            << quint16(0) << false << quint16(0) << Values({ 3 }) << Values()
            << Points({ { 25, 3 } }) << Points({ { 0, 0 }, { 0, 3 }, { 25, 3 }, { 40, 3 } }) << Points()
            << Points({ { 60, 0 }, { 60, -3 }, { 85, -3 }, { 100, -3 } }) << Points();
        QTest::newRow("short series drawn with what they hold")
            << quint16(2) << true << quint16(2) << Values({ 3 }) << Values()
            << Points({ { 25, 3 } }) << Points({ { 0, 0 }, { 0, 3 }, { 25, 3 }, { 40, 3 } }) << Points()
            << Points({ { 160, 0 }, { 160, -3 }, { 185, -3 }, { 200, -3 } }) << Points();
        QTest::newRow("extra values beyond the pulse code left out")
            << quint16(0) << false << quint16(0) << Values({ 3, 8 }) << Values({ 1 })
            << Points({ { 25, 3 } }) << Points({ { 0, 0 }, { 0, 3 }, { 25, 3 }, { 40, 3 } }) << Points()
            << Points({ { 60, 0 }, { 60, -3 }, { 85, -3 }, { 100, -3 } }) << Points();
    }
    void reportBecomesCurves()
    {
        QFETCH(quint16, pulseCode);
        QFETCH(bool, ip);
        QFETCH(quint16, pauseCode);
        QFETCH(Values, pulse);
        QFETCH(Values, pause);
        auto negated = [](Values v) {
            for (float& x : v)
                x = -x;
            return v;
        };
        zarCoreReportSignal r = report(pulseCode, ip, pauseCode);
        r.rxVoltagePositivePulse = pulse;
        r.rxVoltagePositivePause = pause;
        r.rxVoltageNegativePulse = negated(pulse);
        r.rxVoltageNegativePause = negated(pause);
        zarSignalWidget view;
        view.onReportSignal(r);
        const zarSignalPlot& plot = *view.rxVoltageFrame->findChild<zarSignalPlot*>();
        QTEST(signalSamples(plot, 1), "pulseSamples");
        QTEST(signalSamples(plot, 2), "pulseCurve");
        QTEST(signalSamples(plot, 4), "pauseCurve");
        QTEST(signalSamples(plot, 7), "negativePulseCurve");
        QTEST(signalSamples(plot, 8), "negativePauseSamples");
        QCOMPARE(signalSamples(plot, 3).size(), signalSamples(plot, 8).size());
    }

    void eachQuantityGoesToItsPlot_data()
    {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<double>("positive");
        QTest::addColumn<double>("negative");
        QTest::newRow("output voltage in V") << "txVoltageFrame" << 2.5 << -1.5;
        QTest::newRow("output current in mA") << "txCurrentFrame" << 30.0 << -31.0;
        QTest::newRow("input voltage in mV") << "rxVoltageFrame" << 4.0 << -5.0;
    }
    void eachQuantityGoesToItsPlot()
    {
        QFETCH(QString, frame);
        zarCoreReportSignal r = report(0, false, 0);
        r.txVoltagePositivePulse = { 2500 };
        r.txCurrentPositivePulse = { 30 };
        r.rxVoltagePositivePulse = { 4 };
        r.txVoltageNegativePulse = { -1500 };
        r.txCurrentNegativePulse = { -31 };
        r.rxVoltageNegativePulse = { -5 };
        zarSignalWidget view;
        view.onReportSignal(r);
        const zarSignalPlot& plot = *view.findChild<QFrame*>(frame)->findChild<zarSignalPlot*>();
        QTEST(signalSamples(plot, 1).value(0).y(), "positive");
        QTEST(signalSamples(plot, 6).value(0).y(), "negative");
    }

    void errorReportEmptiesThePlots()
    {
        zarSignalWidget view;
        zarCoreReportSignal r = report(0, false, 0);
        r.rxVoltagePositivePulse = { 4 };
        view.onReportSignal(r);
        r.error.code = 1;
        zarDialogAnswer answer;
        answer.expect();
        view.onReportSignal(r);
        QCOMPARE(answer.text, QStringLiteral("Simulated error"));
        const zarSignalPlot& plot = *view.rxVoltageFrame->findChild<zarSignalPlot*>();
        for (int curve = 1; curve <= 10; ++curve)
            QVERIFY2(signalSamples(plot, curve).isEmpty(), qPrintable(QStringLiteral("curve %1").arg(curve)));
        QVERIFY(view.startPushButton->isEnabled() && view.badPushButton->isEnabled());
    }

    void startRecordsAndEveryViewShowsTheReport_data()
    {
        QTest::addColumn<bool>("badHidden");
        QTest::newRow("template view") << false;
        QTest::newRow("session view without Bad") << true;
    }
    void startRecordsAndEveryViewShowsTheReport()
    {
        QFETCH(bool, badHidden);
        zarSignalWidget view;
        zarSignalWidget other;
        if (badHidden)
            view.hideBadButton();
        view.show();
        QVERIFY(!view.badPushButton->isEnabled() && view.acceptPushButton->isEnabled());
        view.startPushButton->click();
        QVERIFY(!view.startPushButton->isEnabled() && !view.acceptPushButton->isEnabled());
        QVERIFY(zarWaitFor([&view] { return view.startPushButton->isEnabled(); }, 3000));
        QVERIFY(view.badPushButton->isEnabled());
        QCOMPARE(view.badPushButton->isVisible(), !badHidden);
        // The default options: pulse code 2, no pause.
        for (zarSignalWidget* shown : { &view, &other })
            QCOMPARE(signalSamples(*shown->txCurrentFrame->findChild<zarSignalPlot*>(), 1).size(), 3);
    }

    void verdictsCarryTheCellAndClose_data()
    {
        QTest::addColumn<bool>("bad");
        QTest::newRow("Accept") << false;
        QTest::newRow("Bad") << true;
    }
    void verdictsCarryTheCellAndClose()
    {
        QFETCH(bool, bad);
        zarSignalWidget view;
        zarQuadripole quadripole(-1, 4, -2, 6);
        quadripole.spacing = 3;
        quadripole.level = 7;
        QSignalSpy status(zarUserMessage::instance(), &zarUserMessage::sendUserMessage);
        view.setQuadripole(quadripole);
        QCOMPARE(status.value(0).value(0).toString(),
                 QStringLiteral("A: Tx%1, B: 5, M: Rx%1, N: 7").arg(QChar(0x221E)));
        QSignalSpy verdict(&view, &zarSignalWidget::sendSpacingLevelAuxConfig);
        QSignalSpy closed(&view, &zarSignalWidget::sendSignalWidgetClose);
        view.show();
        bad ? view.onBad() : view.onAccept();
        QCOMPARE(verdict.count(), 1);
        QCOMPARE(verdict[0].value(0).value<zarSpacing>(), zarSpacing(3));
        QCOMPARE(verdict[0].value(1).value<zarLevel>(), zarLevel(7));
        QCOMPARE(verdict[0].value(2).toBool(), bad);
        QCOMPARE(closed.count(), 1);
        QCOMPARE(status.last().value(0).toString(), QString());
    }

    void jobTakesTheElectrodesAndTheChannelOfM_data()
    {
        QTest::addColumn<qint16>("m");
        QTest::addColumn<int>("channel");
        QTest::newRow("electrode 17") << qint16(17) << 1;
        QTest::newRow("remote receiver") << qint16(-2) << 14;
        QTest::newRow("electrode 0") << qint16(0) << 0;
    }
    void jobTakesTheElectrodesAndTheChannelOfM()
    {
        QFETCH(qint16, m);
        const zarCoreQuadripole electrodes = zarSignalWidget::coreQuadripole(zarQuadripole(-1, 4, m, 6));
        QCOMPARE(electrodes.a, qint16(-1));
        QCOMPARE(electrodes.b, qint16(4));
        QCOMPARE(electrodes.m, m);
        QCOMPARE(electrodes.n, qint16(6));
        QTEST(int(electrodes.channel), "channel");
    }

    void electrodesCountFromOne()
    {
        zarSignalWidget view;
        QSignalSpy status(zarUserMessage::instance(), &zarUserMessage::sendUserMessage);
        view.setQuadripole(zarQuadripole(0, 1, 17, 63));
        QCOMPARE(status.value(0).value(0).toString(), QStringLiteral("A: 1, B: 2, M: 18, N: 64"));
        QCOMPARE(view.quadripole(), zarQuadripole(0, 1, 17, 63));
    }
};

ZAR_TEST_MAIN(TestSignalWidget)
#include "test_signalwidget.moc"
