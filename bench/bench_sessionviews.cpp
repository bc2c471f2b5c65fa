#include "zartestsupport.h"
#include "zarbenchdata.h"

#include "core/zarconstants.h"
#include "sessions/zarfiletabledatamodel.h"
#include "sessions/zarpseudosectionplot.h"

#include <cmath>

// The pseudo-section repainted after a group, and the file table over many files.
class BenchSessionViews : public QObject
{
    Q_OBJECT

private slots:
    void pseudoSectionReplot_data()
    {
        QTest::addColumn<int>("centres");
        QTest::addColumn<int>("levels");
        // Every cell of a full two-cable session.
        QTest::newRow("6336 cells, 64 centres by 99 levels") << 64 << 99;
        // As many cells on as many pixel centres: none covers another.
        QTest::newRow("50000 cells, 250 centres by 200 levels") << 250 << 200;
    }

    void pseudoSectionReplot()
    {
        QFETCH(int, centres);
        QFETCH(int, levels);
        QVector<QPointF> xy;
        QVector<float> f;
        QVector<quint32> idx;
        for (int level = 0; level < levels; ++level)
            for (int centre = 0; centre < centres; ++centre) {
                xy << QPointF(centre * 5.0, 1.0 + level * 2.5);
                f << float(20 * std::pow(10.0, 1.0 + std::sin(centre / 8.0 + level / 9.0)));
                idx << quint32(idx.size());
            }
        zarPseudoSectionPlot plot;
        plot.resize(1000, 440);
        plot.show();
        QVERIFY(QTest::qWaitForWindowExposed(&plot));
        // replot() only schedules the canvas; the repaint is the frame the operator waits for.
        const auto frame = [&] {
            plot.onPlotUpdate(xy, f, idx);
            plot.canvas()->repaint();
        };
        frame();
        if (zarBench::firstRun())
            qInfo("pseudo-section update and repaint of %d cells: %.2f ms (target 16 ms for 6336)", xy.size(),
                  zarBench::bestOf(20, frame) / 1e6);
        QBENCHMARK {
            frame();
        }
    }

    void initTestCase()
    {
        QDir().mkpath(templatesDir);
        QByteArray head;
        {
            QDataStream stream(&head, QIODevice::WriteOnly);
            stream.setVersion(QDataStream::Qt_4_8);
            zarArrangement record;
            record.arrayTypeSets = { { 0, 2 }, { 12, 1 }, { 4, 3 } };
            record.maxDepths = QVector<float>(8, 10.0f);
            // A set's worth of bytes after the head, never read by the table.
            stream << qint32(0x88993366) << record << QByteArray(4096, '\0');
        }
        for (int i = 0; i < 10000; ++i) {
            QFile file(templatesDir + QStringLiteral("profile %1.zarTemplate").arg(i));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(head);
        }
    }

    void fileTable()
    {
        if (zarBench::firstRun())
            qInfo("file table over 10000 templates: %.1f ms", zarBench::bestOf(3, [] { zarFileTableDataModel model(0); }) / 1e6);
        QBENCHMARK {
            zarFileTableDataModel model(0);
            QCOMPARE(model.rowCount(), 10000);
        }
    }
};

ZAR_TEST_MAIN(BenchSessionViews)
#include "bench_sessionviews.moc"
