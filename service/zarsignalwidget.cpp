#include "service/zarsignalwidget.h"

#include "core/zarcore.h"
#include "frame/zaroptionswidget.h"
#include "frame/zartranslator.h"
#include "frame/zarusermessage.h"
#include "frame/zarwarningdialog.h"

#include <QCloseEvent>

#include <algorithm>

namespace {
// Distances on the time axis in ms.
const float sampleStep = 20.0f;
const float pulseFirstSample = 25.0f;
const float pulseEndAfterSample = 15.0f;
const float pauseFirstSample = 30.0f;
const float pauseEndAfterSample = 10.0f;
const float gapWithoutPause = 20.0f;
const int fingerHeight = 48;

// Vertical axis titles, one letter per line.
const char* const txVoltageTitle = QT_TR_NOOP("Tx\n\nV\no\nl\nt\na\ng\ne\n\n[V]");
const char* const txCurrentTitle = QT_TR_NOOP("Tx\n\nC\nu\nr\nr\ne\nn\nt\n\n[mA]");
const char* const rxVoltageTitle = QT_TR_NOOP("Rx\n\nV\no\nl\nt\na\ng\ne\n\n[mV]");

QString electrodeText(qint16 electrode, qint16 remote, const char* prefix)
{
    if (electrode == remote)
        return QString::fromLatin1(prefix) + QChar(0x221E);
    return QString::number(electrode + 1);
}
}

zarSignalWidget::zarSignalWidget(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    badPushButton->setEnabled(false);
    for (QPushButton* button : { startPushButton, acceptPushButton, badPushButton })
        button->setMinimumHeight(fingerHeight);
    txVoltageFrame->layout()->addWidget(&txVoltagePlot);
    txCurrentFrame->layout()->addWidget(&txCurrentPlot);
    rxVoltageFrame->layout()->addWidget(&rxVoltagePlot);
    axisCaptions.add(Qt::Horizontal, { rxVoltagePlot.canvas() }, { _timeLabel01 });
    axisCaptions.add(Qt::Vertical, { rxVoltagePlot.canvas() }, { _rxVoltageLabel });
    axisCaptions.add(Qt::Horizontal, { txVoltagePlot.canvas() }, { _timeLabel02 });
    axisCaptions.add(Qt::Vertical, { txVoltagePlot.canvas() }, { _txVoltageLabel });
    axisCaptions.add(Qt::Horizontal, { txCurrentPlot.canvas() }, { _timeLabel03 });
    axisCaptions.add(Qt::Vertical, { txCurrentPlot.canvas() }, { _txCurrentLabel });
    connect(startPushButton, &QPushButton::clicked, this, &zarSignalWidget::onStart);
    connect(acceptPushButton, &QPushButton::clicked, this, &zarSignalWidget::onAccept);
    connect(badPushButton, &QPushButton::clicked, this, &zarSignalWidget::onBad);
    connect(zarCore::instance(), &zarCore::sendReportSignal, this, &zarSignalWidget::onReportSignal);
    connect(zarTranslator::instance(), &zarTranslator::sendTranslate, this, &zarSignalWidget::onTranslate);
    onTranslate();
}

void zarSignalWidget::setQuadripole(zarQuadripole quadripole)
{
    m_quadripole = quadripole;
    const QString text = QStringLiteral("A: %1, B: %2, M: %3, N: %4")
                             .arg(electrodeText(quadripole.a, zarCoreQuadripole::remoteTransmitter, "Tx"),
                                  QString::number(quadripole.b + 1),
                                  electrodeText(quadripole.m, zarCoreQuadripole::remoteReceiver, "Rx"),
                                  QString::number(quadripole.n + 1));
    zarUserMessage::instance()->userMessage(text);
}

void zarSignalWidget::hideBadButton()
{
    badPushButton->setVisible(false);
}

void zarSignalWidget::setButtonsEnabled(bool enabled)
{
    startPushButton->setEnabled(enabled);
    acceptPushButton->setEnabled(enabled);
    badPushButton->setEnabled(enabled);
}

void zarSignalWidget::onStart()
{
    setButtonsEnabled(false);
    zarCoreParamSignal param;
    param.quadripole = coreQuadripole(m_quadripole);
    param.settings = zarOptionsWidget::options();
    zarCore::instance()->signal(param);
}

zarCoreQuadripole zarSignalWidget::coreQuadripole(const zarQuadripole& quadripole)
{
    zarCoreQuadripole electrodes;
    electrodes.a = quadripole.a;
    electrodes.b = quadripole.b;
    electrodes.m = quadripole.m;
    electrodes.n = quadripole.n;
    electrodes.channel = quint8(quint16(quadripole.m) & 0xF);
    return electrodes;
}

float zarSignalWidget::interpolate(QPointF p1, QPointF p2, float x)
{
    if (p1.x() < p2.x() && x > p2.x())
        return float(p1.y() + (x - p1.x()) * (p2.y() - p1.y()) / (p2.x() - p1.x()));
    return -1.0f;
}

float zarSignalWidget::interpolateBack(QPointF p1, QPointF p2, float x)
{
    if (p1.x() > p2.x() && x < p2.x())
        return float(p2.y() - (p2.x() - x) * (p1.y() - p2.y()) / (p1.x() - p2.x()));
    return -1.0f;
}

QVector<QVector<QPointF>> zarSignalWidget::plotSeries(const zarMeasureSettings& settings,
                                                      const QVector<float>& positivePulse,
                                                      const QVector<float>& positivePause,
                                                      const QVector<float>& negativePulse,
                                                      const QVector<float>& negativePause, float divisor)
{
    const float pulse = 40.0f + sampleStep * settings.pulseCode;
    const float pause = 40.0f + sampleStep * settings.pauseCode;
    const float negativeStart = pulse + (settings.ip ? pause : gapWithoutPause);

    auto samples = [divisor](const QVector<float>& values, int wanted, float firstX) {
        QVector<QPointF> points;
        const int count = std::min(wanted, values.size());
        for (int k = 0; k < count; ++k)
            points.append(QPointF(firstX + sampleStep * k, values[k] / divisor));
        return points;
    };
    // The pulse curve rises at the start of the half and ends where the pulse ends,
    // on the line through its last two samples.
    auto pulseCurve = [](const QVector<QPointF>& points, float start) {
        QVector<QPointF> curve;
        if (points.isEmpty())
            return curve;
        curve << QPointF(start, 0) << QPointF(start, points.first().y()) << points;
        const QPointF last = points.last();
        const float endX = float(last.x()) + pulseEndAfterSample;
        const int n = points.size();
        curve << QPointF(endX, n > 1 ? interpolate(points[n - 2], last, endX) : last.y());
        return curve;
    };
    // The pause curve spans the pause without its first and last 20 ms.
    auto pauseCurve = [](const QVector<QPointF>& points) {
        QVector<QPointF> curve;
        if (points.isEmpty())
            return curve;
        const int n = points.size();
        const QPointF first = points.first();
        const QPointF last = points.last();
        const float startX = float(first.x()) - pauseEndAfterSample;
        const float endX = float(last.x()) + pauseEndAfterSample;
        curve << QPointF(startX, n > 1 ? interpolateBack(points[1], first, startX) : first.y()) << points
              << QPointF(endX, n > 1 ? interpolate(points[n - 2], last, endX) : last.y());
        return curve;
    };

    const int pulseValues = settings.pulseCode + 1;
    const int pauseValues = settings.ip ? settings.pauseCode : 0;
    const QVector<QPointF> positivePulsePoints = samples(positivePulse, pulseValues, pulseFirstSample);
    const QVector<QPointF> positivePausePoints = samples(positivePause, pauseValues, pulse + pauseFirstSample);
    const QVector<QPointF> negativePulsePoints = samples(negativePulse, pulseValues, negativeStart + pulseFirstSample);
    const QVector<QPointF> negativePausePoints =
        samples(negativePause, pauseValues, negativeStart + pulse + pauseFirstSample);
    return { positivePulsePoints, pulseCurve(positivePulsePoints, 0.0f),
             positivePausePoints, pauseCurve(positivePausePoints),
             negativePulsePoints, pulseCurve(negativePulsePoints, negativeStart),
             negativePausePoints, pauseCurve(negativePausePoints) };
}

void zarSignalWidget::onReportSignal(const zarCoreReportSignal report)
{
    if (report.error.code != 0) {
        for (zarSignalPlot* plot : { &txVoltagePlot, &txCurrentPlot, &rxVoltagePlot })
            plot->setReport({}, {}, {}, {}, {}, {}, {}, {});
        zarWarningDialog::warning(report.error.text());
    } else {
        const auto show = [&report](zarSignalPlot& plot, const QVector<float>& positivePulse,
                                    const QVector<float>& positivePause, const QVector<float>& negativePulse,
                                    const QVector<float>& negativePause, float divisor) {
            const QVector<QVector<QPointF>> s =
                plotSeries(report.settings, positivePulse, positivePause, negativePulse, negativePause, divisor);
            plot.setReport(s[0], s[1], s[2], s[3], s[4], s[5], s[6], s[7]);
        };
        show(txVoltagePlot, report.txVoltagePositivePulse, report.txVoltagePositivePause,
             report.txVoltageNegativePulse, report.txVoltageNegativePause, 1000.0f);
        show(txCurrentPlot, report.txCurrentPositivePulse, report.txCurrentPositivePause,
             report.txCurrentNegativePulse, report.txCurrentNegativePause, 1.0f);
        show(rxVoltagePlot, report.rxVoltagePositivePulse, report.rxVoltagePositivePause,
             report.rxVoltageNegativePulse, report.rxVoltageNegativePause, 1.0f);
    }
    setButtonsEnabled(true);
}

void zarSignalWidget::onAccept()
{
    emit sendSpacingLevelAuxConfig(m_quadripole.spacing, m_quadripole.level, false);
    close();
}

void zarSignalWidget::onBad()
{
    emit sendSpacingLevelAuxConfig(m_quadripole.spacing, m_quadripole.level, true);
    close();
}

void zarSignalWidget::closeEvent(QCloseEvent* event)
{
    zarUserMessage::instance()->userMessage(QString());
    event->accept();
    // The receiver may delete this view: nothing of it is touched afterwards.
    emit sendSignalWidgetClose();
}

void zarSignalWidget::onTranslate()
{
    badPushButton->setText(tr("Bad"));
    acceptPushButton->setText(tr("Accept"));
    startPushButton->setText(tr("Start"));
    tabWidget->setTabText(0, tr("Input voltage"));
    tabWidget->setTabText(1, tr("Output voltage"));
    tabWidget->setTabText(2, tr("Output current"));
    fitTabs();
    const QString time = tr("T i m e  [msec]");
    _timeLabel01->setText(time);
    _timeLabel02->setText(time);
    _timeLabel03->setText(time);
    _txVoltageLabel->setText(tr(txVoltageTitle));
    _txCurrentLabel->setText(tr(txCurrentTitle));
    _rxVoltageLabel->setText(tr(rxVoltageTitle));
    axisCaptions.fit();
}

void zarSignalWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fitTabs();
}

// The plot tabs stand at the side; where the view is too low for all of them
// (the engineer screen's signal tab), they go above the plots rather than scroll.
void zarSignalWidget::fitTabs()
{
    const QSize hint = tabWidget->tabBar()->sizeHint();
    const int length = tabWidget->tabPosition() == QTabWidget::West ? hint.height() : hint.width();
    tabWidget->setTabPosition(length <= tabWidget->height() ? QTabWidget::West : QTabWidget::North);
}
