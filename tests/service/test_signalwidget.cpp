#include "zardialoganswer.h"
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

// The points of curve n (1 to 11) of a signal plot, found by its attach position:
// the plot attaches them in the order 5, 10, 1, 3, 2, 4, 6, 8, 7, 9, 11.
static Points samples(const zarSignalPlot& plot, int number)
{
    static const QVector<int> attachOrder = { 5, 10, 1, 3, 2, 4, 6, 8, 7, 9, 11 };
    const auto* curve = static_cast<const QwtPlotCurve*>(
        plot.itemList(QwtPlotItem::Rtti_PlotCurve).value(attachOrder.indexOf(number)));
    Points points;
    for (size_t i = 0; curve && i < curve->dataSize(); ++i)
        points.append(curve->sample(int(i)));
    return points;
}

// The signal view and its plots: from a signal report to the points of the curves, and the
// view's buttons, status line, verdicts and plot tabs.
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
    static const zarSignalPlot& plot(const zarSignalWidget& view, const char* frame)
    {
        return *view.findChild<QFrame*>(QLatin1String(frame))->findChild<zarSignalPlot*>();
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<zarSpacing>("zarSpacing");
        qRegisterMetaType<zarLevel>("zarLevel");
    }

    void connectorsJoinAlongTheZeroLine_data()
    {
        QTest::addColumn<Points>("first");
        QTest::addColumn<Points>("second");
        QTest::addColumn<Points>("firstConnector");
        QTest::addColumn<Points>("secondConnector");
        QTest::newRow("first only") << Points({ { 0, 1 }, { 80, 3 } }) << Points() << Points({ { 80, 3 }, { 80, 0 } }) << Points();
        QTest::newRow("second only") << Points() << Points({ { 100, -1 }, { 180, -3 } }) << Points() << Points({ { 180, -3 }, { 180, 0 } });
        QTest::newRow("one point each") << Points({ { 25, 2 } }) << Points({ { 125, -2 } })
            << Points({ { 25, 2 }, { 25, 0 }, { 125, -2 } }) << Points({ { 125, -2 }, { 125, 0 }, { 225, 0 } });
    }
    void connectorsJoinAlongTheZeroLine()
    {
        QFETCH(Points, first);
        QFETCH(Points, second);
        zarSignalPlot plot;
        plot.setReport({}, first, {}, {}, {}, second, {}, {});
        QTEST(samples(plot, 5), "firstConnector");
        QTEST(samples(plot, 10), "secondConnector");
    }

    // Pulse P = 40 + 20 x pulse code ms, pause 40 + 20 x pause code ms (or a 20 ms gap
    // without pause); the negative half mirrors the positive one with negated values.
    void reportBecomesCurves_data()
    {
        QTest::addColumn<quint16>("pulseCode");
        QTest::addColumn<bool>("ip");
        QTest::addColumn<quint16>("pauseCode");
        QTest::addColumn<Values>("pulse");
        QTest::addColumn<Values>("pause");
        QTest::addColumn<Points>("pulseCurve");
        QTest::addColumn<Points>("pauseCurve");
        QTest::addColumn<Points>("negativePulseCurve");
        QTest::addColumn<Points>("negativePauseSamples");
        const Points rising({ { 0, 0 }, { 0, 1 }, { 25, 1 }, { 45, 2 }, { 65, 4 }, { 80, 5.5 } });
        QTest::newRow("pulse code 2 without pause")
            << quint16(2) << false << quint16(3) << Values({ 1, 2, 4 }) << Values({ 9 }) << rising << Points()
            << Points({ { 100, 0 }, { 100, -1 }, { 125, -1 }, { 145, -2 }, { 165, -4 }, { 180, -5.5 } }) << Points();
        QTest::newRow("pause code 2 extends the pause line both ways")
            << quint16(2) << true << quint16(2) << Values({ 1, 2, 4 }) << Values({ 4, 2 }) << rising
            << Points({ { 100, 5 }, { 110, 4 }, { 130, 2 }, { 140, 1 } })
            << Points({ { 160, 0 }, { 160, -1 }, { 185, -1 }, { 205, -2 }, { 225, -4 }, { 240, -5.5 } })
            << Points({ { 270, -4 }, { 290, -2 } });
        const Points flat({ { 0, 0 }, { 0, 3 }, { 25, 3 }, { 40, 3 } });
        QTest::newRow("short series drawn with what they hold") << quint16(2) << true << quint16(2) << Values({ 3 })
            << Values() << flat << Points() << Points({ { 160, 0 }, { 160, -3 }, { 185, -3 }, { 200, -3 } }) << Points();
    }
    void reportBecomesCurves()
    {
        QFETCH(quint16, pulseCode);
        QFETCH(bool, ip);
        QFETCH(quint16, pauseCode);
        QFETCH(Values, pulse);
        QFETCH(Values, pause);
        zarCoreReportSignal r = report(pulseCode, ip, pauseCode);
        r.rxVoltagePositivePulse = pulse;
        r.rxVoltagePositivePause = pause;
        for (float x : pulse)
            r.rxVoltageNegativePulse.append(-x);
        for (float x : pause)
            r.rxVoltageNegativePause.append(-x);
        zarSignalWidget view;
        view.onReportSignal(r);
        const zarSignalPlot& rx = plot(view, "rxVoltageFrame");
        QTEST(samples(rx, 2), "pulseCurve");
        QTEST(samples(rx, 4), "pauseCurve");
        QTEST(samples(rx, 7), "negativePulseCurve");
        QTEST(samples(rx, 8), "negativePauseSamples");
        QCOMPARE(samples(rx, 3).size(), samples(rx, 8).size());
        QCOMPARE(samples(rx, 9).size(), samples(rx, 4).size());
    }

    // Output voltage in V (from mV), current in mA, input voltage in mV.
    void eachQuantityGoesToItsPlot()
    {
        zarCoreReportSignal r = report(0, false, 0);
        r.txVoltagePositivePulse = { 2500 };
        r.txCurrentPositivePulse = { 30 };
        r.rxVoltagePositivePulse = { 4 };
        r.txVoltageNegativePulse = { -1500 };
        zarSignalWidget view;
        view.onReportSignal(r);
        QCOMPARE(samples(plot(view, "txVoltageFrame"), 1).value(0).y(), 2.5);
        QCOMPARE(samples(plot(view, "txVoltageFrame"), 6).value(0).y(), -1.5);
        QCOMPARE(samples(plot(view, "txCurrentFrame"), 1).value(0).y(), 30.0);
        QCOMPARE(samples(plot(view, "rxVoltageFrame"), 1).value(0).y(), 4.0);
    }

    // The receiver channel is the low four bits of M, remote receiver included.
    void jobTakesTheChannelOfM()
    {
        QCOMPARE(int(zarSignalWidget::coreQuadripole(zarQuadripole(-1, 4, 17, 6)).channel), 1);
        QCOMPARE(int(zarSignalWidget::coreQuadripole(zarQuadripole(-1, 4, -2, 6)).channel), 14);
    }

    // The negative half of each quantity, in the same units as the positive one.
    void negativeHalfGoesToItsPlot_data()
    {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<double>("negative");
        QTest::newRow("output voltage in V") << "txVoltageFrame" << -1.5;
        QTest::newRow("output current in mA") << "txCurrentFrame" << -31.0;
        QTest::newRow("input voltage in mV") << "rxVoltageFrame" << -5.0;
    }
    void negativeHalfGoesToItsPlot()
    {
        QFETCH(QString, frame);
        zarCoreReportSignal r = report(0, false, 0);
        r.txVoltageNegativePulse = { -1500 };
        r.txCurrentNegativePulse = { -31 };
        r.rxVoltageNegativePulse = { -5 };
        zarSignalWidget view;
        view.onReportSignal(r);
        QTEST(samples(plot(view, qPrintable(frame)), 6).value(0).y(), "negative");
    }

    // The scales always hold the origin, however far the signal lies from it.
    void scalesHoldTheOrigin()
    {
        zarSignalPlot plot;
        plot.setReport(Points({ { 25, -5 }, { 45, -7 } }), {}, {}, {}, {}, {}, {}, {});
        QCOMPARE(samples(plot, 11), Points({ { 0, 0 } }));
    }

    // An error is told and empties every curve; the buttons can be pressed again.
    void errorReportEmptiesThePlots()
    {
        zarSignalWidget view;
        zarCoreReportSignal r = report(0, false, 0);
        r.rxVoltagePositivePulse = { 4 };
        view.onReportSignal(r);
        QCOMPARE(samples(plot(view, "rxVoltageFrame"), 1).size(), 1);
        r.error.code = 1;
        zarDialogAnswer answer;
        answer.expect();
        view.onReportSignal(r);
        QCOMPARE(answer.text, QStringLiteral("Simulated error"));
        for (int curve = 1; curve <= 10; ++curve)
            QVERIFY2(samples(plot(view, "rxVoltageFrame"), curve).isEmpty(), qPrintable(QString::number(curve)));
        QVERIFY(view.startPushButton->isEnabled() && view.badPushButton->isEnabled());
    }

    // Start locks the buttons until the report; Bad can be pressed only after one.
    void startLocksTheButtonsUntilTheReport()
    {
        zarSignalWidget view;
        QVERIFY(!view.badPushButton->isEnabled() && view.acceptPushButton->isEnabled());
        view.startPushButton->click();
        QVERIFY(!view.startPushButton->isEnabled() && !view.acceptPushButton->isEnabled());
        QVERIFY(zarWaitFor([&view] { return view.startPushButton->isEnabled(); }, 5000));
        QVERIFY(view.acceptPushButton->isEnabled() && view.badPushButton->isEnabled());
    }

    // The session view shows no Bad: after a report the other buttons can be pressed, Bad stays hidden.
    void badCanBeHidden()
    {
        zarSignalWidget view;
        view.hideBadButton();
        view.show();
        view.onReportSignal(report(0, false, 0));
        QVERIFY(view.acceptPushButton->isVisible() && view.startPushButton->isEnabled());
        QVERIFY(!view.badPushButton->isVisible());
    }

    // Every open view shows a signal report, whichever started it.
    void everyViewShowsTheReport()
    {
        zarSignalWidget view;
        zarSignalWidget other;
        view.startPushButton->click();
        QVERIFY(zarWaitFor([&view] { return view.startPushButton->isEnabled(); }, 5000));
        // The default options: pulse code 2, so three samples.
        QCOMPARE(samples(plot(other, "txCurrentFrame"), 1).size(), 3);
    }

    void verdictsCarryTheCellAndClose_data()
    {
        QTest::addColumn<bool>("bad");
        QTest::newRow("Accept") << false;
        QTest::newRow("Bad") << true;
    }
    // A verdict names the cell, closes the view and clears the status line.
    void verdictsCarryTheCellAndClose()
    {
        QFETCH(bool, bad);
        zarSignalWidget view;
        zarQuadripole quadripole(-1, 4, -2, 6);
        quadripole.spacing = 3;
        quadripole.level = 7;
        view.setQuadripole(quadripole);
        QSignalSpy status(zarUserMessage::instance(), &zarUserMessage::sendUserMessage);
        QSignalSpy verdict(&view, &zarSignalWidget::sendSpacingLevelAuxConfig);
        QSignalSpy closed(&view, &zarSignalWidget::sendSignalWidgetClose);
        view.show();
        (bad ? view.badPushButton : view.acceptPushButton)->setEnabled(true);
        (bad ? view.badPushButton : view.acceptPushButton)->click();
        QCOMPARE(verdict.count(), 1);
        QCOMPARE(int(verdict[0].value(0).value<zarSpacing>()), 3);
        QCOMPARE(int(verdict[0].value(1).value<zarLevel>()), 7);
        QCOMPARE(verdict[0].value(2).toBool(), bad);
        QCOMPARE(closed.count(), 1);
        QCOMPARE(status.size(), 1);
        QCOMPARE(status.last().value(0).toString(), QString());
    }

    void statusLineNamesTheElectrodes_data()
    {
        QTest::addColumn<zarQuadripole>("quadripole");
        QTest::addColumn<QString>("text");
        QTest::newRow("counted from one") << zarQuadripole(0, 1, 17, 63) << "A: 1, B: 2, M: 18, N: 64";
        QTest::newRow("remote electrodes") << zarQuadripole(-1, 4, -2, 6)
                                           << QStringLiteral("A: Tx%1, B: 5, M: Rx%1, N: 7").arg(QChar(0x221E));
    }
    void statusLineNamesTheElectrodes()
    {
        QFETCH(zarQuadripole, quadripole);
        zarSignalWidget view;
        QSignalSpy status(zarUserMessage::instance(), &zarUserMessage::sendUserMessage);
        view.setQuadripole(quadripole);
        QTEST(status.value(0).value(0).toString(), "text");
    }

    // The job takes the four electrodes as they are.
    void jobTakesTheElectrodes()
    {
        const zarCoreQuadripole electrodes = zarSignalWidget::coreQuadripole(zarQuadripole(-1, 4, 17, 6));
        QCOMPARE(QList<int>({ electrodes.a, electrodes.b, electrodes.m, electrodes.n }), QList<int>({ -1, 4, 17, 6 }));
    }

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
        const auto english = qScopeGuard([] { zarTranslator::instance()->setLanguage(QStringLiteral("En")); });
        // Inside a page that may be lower than the view would like, as in the engineer screen.
        QWidget page;
        page.resize(1000, height);
        zarSignalWidget w(&page);
        w.setGeometry(0, 0, 1000, height);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QTEST(int(w.tabWidget->tabPosition()), "position");
        for (const QToolButton* arrow : w.tabWidget->tabBar()->findChildren<QToolButton*>())
            QVERIFY2(!arrow->isVisible(), "plot tabs scroll");
    }
};

ZAR_TEST_MAIN(TestSignalWidget)
#include "test_signalwidget.moc"
