#include "zartestsupport.h"
#include "zarbenchdata.h"

#include "core/zarconstants.h"
#include "sessions/zarsessiondatamodel.h"

#include <QSaveFile>

class BenchSessions : public QObject
{
    Q_OBJECT

    static QString fiftyThousandRows(const QString& name, int samples)
    {
        const QString path = zarDriveRoot::path() + name;
        zarBenchData::measuredSession(50000, samples).write(path);
        return path;
    }

private slots:
    void initTestCase()
    {
        QDir().mkpath(systemDir);
    }

    void saveAgainstRawWrite()
    {
        const zarSessionFile session = zarBenchData::measuredSession(50000);
        const QString path = zarDriveRoot::path() + QStringLiteral("bench.zarSession");
        QByteArray bytes;
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        stream.setVersion(QDataStream::Qt_4_8);
        session.write(stream);
        // The same bytes, the same atomic replacement, in one raw write.
        if (zarBench::firstRun()) {
            const qint64 raw = zarBench::bestOf(9, [&] {
                QSaveFile file(path);
                file.open(QIODevice::WriteOnly);
                file.write(bytes);
                file.commit();
            });
            const qint64 save = zarBench::bestOf(9, [&] { session.write(path); });
            qInfo("50000 rows, %d bytes: save %.2f ms, raw write %.2f ms", bytes.size(), save / 1e6, raw / 1e6);
            zarBench::report("save / raw write", double(save) / raw, "x", 2, true);
        }
        QBENCHMARK {
            session.write(path);
        }
    }

    void loadAgainstRawRead_data()
    {
        QTest::addColumn<int>("samples");
        QTest::newRow("induced polarisation, 4 samples a row") << 4;
        QTest::newRow("no samples") << 0;
    }

    // What the operator waits for: a model filled from the file, against reading its bytes.
    void loadAgainstRawRead()
    {
        QFETCH(int, samples);
        const QString path = fiftyThousandRows(QStringLiteral("load.zarSession"), samples);
        if (zarBench::firstRun()) {
            const qint64 raw = zarBench::bestOf(9, [&] {
                QFile file(path);
                file.open(QIODevice::ReadOnly);
                file.readAll();
            });
            // The model is made before and released after the timing: only the load counts.
            qint64 load = std::numeric_limits<qint64>::max();
            for (int i = 0; i < 9; ++i) {
                zarSessionDataModel model;
                QElapsedTimer clock;
                clock.start();
                model.loadFromFile(path);
                load = qMin(load, clock.nsecsElapsed());
            }
            qInfo("50000 rows, %lld bytes: load %.2f ms, raw read %.2f ms", QFileInfo(path).size(), load / 1e6,
                  raw / 1e6);
            zarBench::report("load / raw read", double(load) / raw, "x", 5, true);
        }
        QBENCHMARK {
            zarSessionDataModel model;
            model.loadFromFile(path);
        }
    }

    void refresh_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("display");
        for (int rows : { 6336, 50000 })
            for (int display : { 0, 1, 2 })
                QTest::addRow("%d rows, display %d", rows, display) << rows << display;
    }

    void refresh()
    {
        QFETCH(int, rows);
        QFETCH(int, display);
        const QString path = zarDriveRoot::path() + QStringLiteral("refresh.zarSession");
        zarBenchData::measuredSession(rows).write(path);
        zarSessionDataModel model;
        QVERIFY(model.loadFromFile(path));
        model.setPlot(quint8(display));
        QBENCHMARK {
            model.refresh();
        }
        if (zarBench::firstRun())
            zarBench::report(qPrintable(QStringLiteral("refresh of %1 rows, display %2").arg(rows).arg(display)),
                             zarBench::bestOf(20, [&] { model.refresh(); }) / 1e6, "ms", 10, true);
    }
};

ZAR_TEST_MAIN(BenchSessions)
#include "bench_sessions.moc"
