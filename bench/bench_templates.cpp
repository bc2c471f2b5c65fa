#include "zartestsupport.h"
#include "zarbenchdata.h"
#include "zartemplatefixture.h"

#include "core/zarconstants.h"

class BenchTemplates : public QObject
{
    Q_OBJECT

    // The build of a session file from the template, on every wire; the runs it made.
    static int benchmarkBuild(const zarTemplateDataModel& model, const QString& name)
    {
        const zarCableConfiguration configuration = zarBenchData::allWires();
        const QString out = zarDriveRoot::path() + name;
        int runs = 0;
        QBENCHMARK {
            runs = zarSequenceBuilder::instance()->build(&model, &configuration, out, 0);
        }
        return runs;
    }

    // Every array type over every cell of the grid on two cables.
    // The target holds for the builder's vectors; the list figure is a reference.
    template <typename List>
    static void reportGenerator(const char* name, bool withTarget)
    {
        int total = 0;
        const qint64 best = zarBench::bestOf(5, [&] {
            total = 0;
            for (quint8 type = 0; type < zarGrid::arrayTypes; ++type)
                total += zarBenchData::generateFullGrid<List>(type);
        });
        qInfo("%d quadripoles over the full grid in %.2f ms", total, best / 1e6);
        if (withTarget)
            zarBench::report(name, double(best) / total, "ns", 25, true);
        else
            qInfo("%s: %.3g ns (reference)", name, double(best) / total);
    }

    // Every array type over the full grid on two cables, each set appended to one
    // list; the best of five rounds in ns per quadripole.
    template <typename List>
    static double setAppendNs(int& total)
    {
        const qint64 best = zarBench::bestOf(5, [&] {
            total = 0;
            for (quint8 type = 0; type < zarGrid::arrayTypes; ++type)
                total += zarBenchData::generateFullSet<List>(type);
        });
        return double(best) / total;
    }

private slots:
    void generatorFullGridGradient()
    {
        int total = 0;
        QBENCHMARK {
            total = zarBenchData::generateFullGrid<QList<zarQuadripole>>(11);
        }
        if (zarBench::firstRun())
            qInfo("quadripoles generated: %d", total);
    }

    // The builder generates into vectors; the template sets keep lists, whose every
    // quadripole is a heap block of its own in Qt 5 (shown for comparison).
    void generatorPerQuadripole()
    {
        reportGenerator<QList<zarQuadripole>>("generator into a list (template set), per quadripole", false);
        reportGenerator<QVector<zarQuadripole>>("generator into a vector (builder), per quadripole", true);
    }

    // A whole set into one vector (the builder) must cost no more per quadripole
    // than into a list: room made per cell must not copy the cells before it.
    void generatorWholeSet()
    {
        int total = 0;
        const double list = setAppendNs<QList<zarQuadripole>>(total);
        const double vector = setAppendNs<QVector<zarQuadripole>>(total);
        qInfo("%d quadripoles, whole sets: list %.1f ns, vector %.1f ns per quadripole", total, list, vector);
        zarBench::report("whole set into a vector against into a list, per quadripole", vector, "ns", list, true);
    }

    // The build alone: no file is asked for.
    void builderRowsPerSecond()
    {
        zarTemplateDataModel model;
        zarBenchData::ertLabTemplate(model, 50000);
        const zarCableConfiguration configuration = zarBenchData::allWires();
        int runs = 0;
        const qint64 best = zarBench::bestOf(5, [&] {
            runs = zarSequenceBuilder::instance()->build(&model, &configuration, QString(), 0);
        });
        qInfo("%d rows in %d runs built in %.2f ms", model.ertQuadripoles.size(), runs, best / 1e6);
        zarBench::report("builder, rows per second", model.ertQuadripoles.size() / (best / 1e9), "rows/s", 1e6, false);
    }

    void builderEightSets()
    {
        QList<zarTemplateFixture::Set> sets;
        for (qint8 type : { 0, 3, 4, 5, 6, 7, 8, 16 })
            sets.append({ type, zarBenchData::cells(6, 8) });
        zarTemplateDataModel model;
        QVERIFY(zarTemplateFixture::load(model, 2, 5, sets));
        const int runs = benchmarkBuild(model, QStringLiteral("eight.zarSession"));
        if (zarBench::firstRun())
            qInfo("%d quadripoles in %d runs", model.measurementCount(), runs);
    }

    void builderFiftyThousandRows()
    {
        zarTemplateDataModel model;
        zarBenchData::ertLabTemplate(model, 50000);
        const int runs = benchmarkBuild(model, QStringLiteral("large.zarSession"));
        if (zarBench::firstRun())
            qInfo("%d rows in %d runs", model.ertQuadripoles.size(), runs);
    }
};

ZAR_TEST_MAIN(BenchTemplates)
#include "bench_templates.moc"
