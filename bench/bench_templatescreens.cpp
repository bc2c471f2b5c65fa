#include "zartestsupport.h"
#include "zarbenchdata.h"
#include "zartemplatefixture.h"

#include "core/zarconstants.h"
#include "templates/zartemplatewidget.h"

// The template screen redrawing the largest array over the whole grid.
class BenchTemplateScreens : public QObject
{
    Q_OBJECT

private slots:
    void replotFullGridGradient()
    {
        zarTemplateWidget screen;
        // A gradient set on 2 cables with every cell of the grid selected.
        const QList<zarTemplateFixture::Set> gradient { { 11, zarBenchData::cells(zarGrid::spacings, zarGrid::levels) } };
        QVERIFY(screen.open(zarTemplateFixture::write(zarTemplateFixture::bytes(2, 5, gradient))));
        screen.resize(906, 551);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        screen.tabWidget->setCurrentIndex(2);
        auto& model = const_cast<zarTemplateDataModel&>(screen.templateModel());
        QWidget* canvas = const_cast<QWidget*>(screen.templatePlot().canvas());
        // The model hands every spacing to the plot, which redraws once; the canvas
        // is painted at once instead of at the next paint event.
        auto replot = [&] {
            model.onCurrentSetChange(0);
            canvas->repaint();
        };
        if (zarBench::firstRun()) {
            const qint64 screenNs = zarBench::bestOf(5, replot);
            const qint64 dataNs = zarBench::bestOf(5, [&] { model.onCurrentSetChange(0); });
            const qint64 generatorNs = zarBench::bestOf(5, [] { zarBenchData::generateFullGrid<QList<zarQuadripole>>(11); });
            qInfo("%d markers: screen replot %.1f ms (target 100 ms), of which handing the data to the plot %.1f ms; "
                  "generator alone %.1f ms",
                  model.measurementCount(), screenNs / 1e6, dataNs / 1e6, generatorNs / 1e6);
        }
        QBENCHMARK {
            replot();
        }
    }
};

ZAR_TEST_MAIN(BenchTemplateScreens)
#include "bench_templatescreens.moc"
