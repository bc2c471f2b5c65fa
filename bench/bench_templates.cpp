#include "zartestsupport.h"
#include "zarbenchdata.h"

#include "core/zarconstants.h"
#include "templates/zarsequencebuilder.h"

#include <QStandardItemModel>

class BenchTemplates : public QObject
{
    Q_OBJECT

    template <typename List>
    static int generateFullGrid(quint8 arrayType)
    {
        int total = 0;
        for (int s = 0; s < zarGrid::spacings; ++s)
            for (int l = 0; l < zarGrid::levels; ++l) {
                List list;
                zarSequenceBuilder::instance()->generate(2, 5, arrayType, zarSpacing(s), zarLevel(l), &list);
                total += list.size();
            }
        return total;
    }

    // Every array type over every cell of the grid on two cables.
    template <typename List>
    static void reportGenerator(const char* name)
    {
        int total = 0;
        const qint64 best = zarBench::bestOf(5, [&] {
            total = 0;
            for (quint8 type = 0; type < zarGrid::arrayTypes; ++type)
                total += generateFullGrid<List>(type);
        });
        qInfo("%d quadripoles over the full grid in %.2f ms", total, best / 1e6);
        zarBench::report(name, double(best) / total, "ns", 25, true);
    }

private slots:
    void generatorFullGridGradient()
    {
        int total = 0;
        QBENCHMARK {
            total = generateFullGrid<QList<zarQuadripole>>(11);
        }
        if (zarBench::firstRun())
            qInfo("quadripoles generated: %d", total);
    }

    // The builder generates into vectors; the template sets keep lists, whose every
    // quadripole is a heap block of its own in Qt 5 (shown for comparison).
    void generatorPerQuadripole()
    {
        reportGenerator<QList<zarQuadripole>>("generator into a list (template set), per quadripole");
        reportGenerator<QVector<zarQuadripole>>("generator into a vector (builder), per quadripole");
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
        QByteArray bytes;
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        stream.setVersion(QDataStream::Qt_4_8);
        stream << qint32(0x88993366) << zarArrangement() << qint8(2) << 5.0f << qint32(8);
        QStandardItemModel grid(zarGrid::spacings, zarGrid::levels);
        const qint8 types[] = { 0, 3, 4, 5, 6, 7, 8, 16 };
        for (qint8 type : types) {
            zarTemplateSet set(2, 5);
            set.setArrayType(type);
            QModelIndexList cells;
            for (int s = 0; s < 6; ++s)
                for (int l = 0; l < 8; ++l)
                    cells << grid.index(s, l);
            set.applySelection(cells);
            stream << set;
        }
        const QString path = zarDriveRoot::path() + QStringLiteral("eight.zarTemplate");
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        file.close();
        zarTemplateDataModel model;
        QVERIFY(model.loadTemplate(path, true));
        const zarCableConfiguration configuration = zarBenchData::allWires();
        const QString out = zarDriveRoot::path() + QStringLiteral("eight.zarSession");
        int runs = 0;
        QBENCHMARK {
            runs = zarSequenceBuilder::instance()->build(&model, &configuration, out, 0);
        }
        if (zarBench::firstRun())
            qInfo("%d quadripoles in %d runs", model.measurementCount(), runs);
    }

    void builderFiftyThousandRows()
    {
        zarTemplateDataModel model;
        zarBenchData::ertLabTemplate(model, 50000);
        const zarCableConfiguration configuration = zarBenchData::allWires();
        const QString out = zarDriveRoot::path() + QStringLiteral("large.zarSession");
        int runs = 0;
        QBENCHMARK {
            runs = zarSequenceBuilder::instance()->build(&model, &configuration, out, 0);
        }
        if (zarBench::firstRun())
            qInfo("%d rows in %d runs", model.ertQuadripoles.size(), runs);
    }
};

ZAR_TEST_MAIN(BenchTemplates)
#include "bench_templates.moc"
