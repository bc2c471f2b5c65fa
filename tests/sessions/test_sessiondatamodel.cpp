#include "zartestsupport.h"
#include "zarsessionfixture.h"

#include "service/zargpsmanager.h"
#include "sessions/zarsessiondatamodel.h"

#include <QAbstractEventDispatcher>
#include <QLabel>
#include <QSet>
#include <QSignalSpy>
#include <QSlider>
#include <limits>

typedef QVector<QPointF> Points;
typedef QVector<quint32> Rows;
Q_DECLARE_METATYPE(Points)
Q_DECLARE_METATYPE(Rows)
Q_DECLARE_METATYPE(QVector<float>)

class TestSessionDataModel : public QObject
{
    Q_OBJECT

    // Spies on the three plot signals of one model.
    struct Series
    {
        explicit Series(zarSessionDataModel& model)
            : section(&model, QOverload<Points, QVector<float>, Rows>::of(&zarSessionDataModel::sendPlotUpdate)),
              markers(&model, QOverload<Points, Rows>::of(&zarSessionDataModel::sendPlotUpdate)),
              curve(&model, QOverload<Points>::of(&zarSessionDataModel::sendPlotUpdate))
        {
        }
        QSignalSpy section, markers, curve;
        Points lastCurve() const { return curve.last().first().value<Points>(); }
        Rows lastSectionRows() const { return section.last().at(2).value<Rows>(); }
    };

    static void load(zarSessionDataModel& model, const zarSessionFile& session = zarSessionFixture::sample())
    {
        QVERIFY(model.loadFromFile(zarSessionFixture::write(session, QStringLiteral("m.zarSession"))));
    }

    static zarSessionFile curveSession()
    {
        zarSessionFile s = zarSessionFixture::sample();
        s.units.clear();
        const float xs[] = { 7.49f, 7.5f, 12.48f, 12.5f, 10.0f };
        const float zs[] = { 4.0f, 3.0f, 1.0f, 2.0f, 2.0f };
        for (int i = 0; i < 5; ++i)
            s.units << zarSessionFixture::row(0, 3, 1, 2, xs[i], zs[i], true, 10.0f * (i + 1), 3);
        s.units << zarSessionFixture::row(0, 3, 1, 2, 10, 2.4f, true, std::numeric_limits<float>::infinity(), 3);
        s.units << zarSessionFixture::row(0, 3, 1, 2, 10, 2.2f, true, 70, 2);
        return s;
    }

    // Timers of QTimer::singleShot live as children of the event dispatcher.
    static int pendingSingleShots()
    {
        int count = 0;
        for (QObject* o : QAbstractEventDispatcher::instance()->children())
            count += qstrcmp(o->metaObject()->className(), "QSingleShotTimer") == 0;
        return count;
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<Points>();
        qRegisterMetaType<Rows>();
        qRegisterMetaType<QVector<float>>();
    }

    void columnTitles_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("title");
        QTest::newRow("current") << 6 << "Tx.I [mA]";
        QTest::newRow("resistivity") << 12 << "\u03c1 [\u03a9\u22c5m]";
        QTest::newRow("quality, the last") << 13 << "Q [%]";
    }

    void columnTitles()
    {
        QFETCH(int, column);
        zarSessionDataModel model;
        QCOMPARE(model.columnCount(), 14);
        QTEST(model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString(), "title");
    }

    // What each cell shows: numbers from 1, remote electrodes, values of measured
    // rows, none for a row not measured.
    void cells_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QVariant>("shown");
        QTest::newRow("row number") << 1 << 0 << QVariant("2");
        QTest::newRow("remote A") << 1 << 1 << QVariant("Tx\u221e");
        QTest::newRow("remote M") << 1 << 3 << QVariant("Rx\u221e");
        QTest::newRow("A from 1") << 0 << 1 << QVariant("1");
        QTest::newRow("B from 1") << 2 << 2 << QVariant("5");
        QTest::newRow("N from 1") << 0 << 4 << QVariant("3");
        QTest::newRow("channel from 1") << 0 << 5 << QVariant("3");
        QTest::newRow("current") << 0 << 6 << QVariant("50.3");
        QTest::newRow("voltage in volts") << 0 << 7 << QVariant("120.0");
        QTest::newRow("power in watts") << 0 << 8 << QVariant("6.0");
        QTest::newRow("received voltage") << 0 << 9 << QVariant("10.0");
        QTest::newRow("chargeability") << 0 << 11 << QVariant("4.5");
        QTest::newRow("resistivity") << 0 << 12 << QVariant("120.5");
        QTest::newRow("quality at 200") << 0 << 13 << QVariant("200.000");
        QTest::newRow("quality above 200") << 3 << 13 << QVariant("N / A");
        QTest::newRow("unmeasured current") << 2 << 6 << QVariant();
        QTest::newRow("unmeasured quality") << 2 << 13 << QVariant();
    }

    void cells()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QVariant, shown);
        zarSessionFile s = zarSessionFixture::sample();
        s.units[3].measureSet.quality = 250;
        s.units[0].measureSet.quality = 200;
        zarSessionDataModel model;
        load(model, s);
        const QVariant cell = model.data(model.index(row, column), Qt::DisplayRole);
        QCOMPARE(cell.isValid(), shown.isValid());
        QCOMPARE(cell.toString(), shown.toString());
    }

    void aRowPastTheEndGivesTheLastQuadripole()
    {
        zarSessionDataModel model;
        load(model);
        QCOMPARE(model.quadripole(99), zarQuadripole(2, 9, 4, 7));
    }

    // Deleting a row forgets its measurement and takes it off the plot; an index
    // outside the table changes nothing.
    void rowDelete_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QList<bool>>("measured");
        QTest::addColumn<int>("changes");  // rows announced as changed
        QTest::addColumn<Rows>("plotted");
        QTest::newRow("first") << 0 << QList<bool>({ false, true, false, true }) << 1 << Rows({ 1 });
        QTest::newRow("last") << 3 << QList<bool>({ true, true, false, false }) << 1 << Rows({ 0, 1 });
        QTest::newRow("before the first") << -1 << QList<bool>({ true, true, false, true }) << 0 << Rows({ 0, 1 });
        QTest::newRow("past the last") << 4 << QList<bool>({ true, true, false, true }) << 0 << Rows({ 0, 1 });
    }

    void rowDelete()
    {
        QFETCH(int, row);
        QFETCH(int, changes);
        zarSessionDataModel model;
        load(model);
        model.refresh();
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        model.onRowDelete(row);
        QList<bool> measured;
        for (const zarSessionDataUnit& unit : model.units())
            measured << unit.measureSet.measured;
        QTEST(measured, "measured");
        QSet<int> rows;
        for (const QList<QVariant>& signal : changed)
            rows << signal.at(0).toModelIndex().row() << signal.at(1).toModelIndex().row();
        QCOMPARE(rows.size(), changes);
        QCOMPARE(rows.contains(row), changes > 0);
        QTEST(model.rowIndexes(), "plotted");
    }

    // Mode 1 plots the chargeability instead of the resistivity; the same mode
    // again redraws nothing.
    void modePicksThePlottedValue_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("redraws");
        QTest::addColumn<QVector<float>>("values");
        QTest::newRow("resistivity") << 1 << 0 << 1 << QVector<float>({ 120.5f, 80.0f });
        QTest::newRow("chargeability") << 0 << 1 << 1 << QVector<float>({ 4.5f, 4.5f });
        QTest::newRow("same mode again") << 1 << 1 << 0 << QVector<float>();
    }

    void modePicksThePlottedValue()
    {
        QFETCH(int, from);
        QFETCH(int, mode);
        QFETCH(int, redraws);
        zarSessionDataModel model;
        load(model);
        model.setMode(quint8(from));
        Series series(model);
        model.setMode(quint8(mode));
        QCOMPARE(model.mode(), quint8(mode));
        QCOMPARE(series.section.count(), redraws);
        if (redraws)
            QTEST(series.section.last().at(1).value<QVector<float>>(), "values");
    }

    // A resistance-only session names its result column R and draws no plots.
    void resistanceOnlyShowsROhmAndNoPlots()
    {
        zarSessionDataModel model;
        load(model);
        model.setResistanceOnly();
        QCOMPARE(model.headerData(12, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("R [\u03a9]"));
        Series series(model);
        model.refresh();
        QCOMPARE(series.section.count(), 0);
    }

    // Without a valid position the session takes the receiver's and asks again
    // later; a valid one is kept and no more asked for.
    void gpsPositionPolledUntilValid_data()
    {
        QTest::addColumn<bool>("valid");
        QTest::addColumn<float>("latitude");
        QTest::addColumn<int>("polls");
        QTest::newRow("valid position kept") << true << 55.5f << 0;
        QTest::newRow("invalid position replaced") << false << 0.0f << 1;
    }

    void gpsPositionPolledUntilValid()
    {
        QFETCH(bool, valid);
        zarSessionFile s = zarSessionFixture::sample();
        s.gpsFix.rmc = true;
        s.gpsFix.valid = valid;
        s.gpsFix.latitude = 55.5f;
        zarSessionDataModel model;
        load(model, s);
        const int before = pendingSingleShots();
        model.onGPS();
        zarGPSManager::destroy();
        QTEST(model.gpsFix().latitude, "latitude");
        QTEST(pendingSingleShots() - before, "polls");
    }

    // The pseudo-section shows the measured rows of the current set only.
    void pseudoSectionAndMasks()
    {
        zarSessionDataModel model;
        load(model);
        Series series(model);
        model.refresh();
        QCOMPARE(series.lastSectionRows(), Rows({ 0, 1 }));
        QCOMPARE(series.section.last().at(0).value<Points>().first(), QPointF(7.5, 2.5));
        model.onCurrentSetChange(1);
        QCOMPARE(series.lastSectionRows(), Rows({ 1, 3 }));
        model.onCurrentSetChange(9);
        QCOMPARE(model.rowIndexes(), Rows({ 1, 3 }));
    }

    void soundingAndProfileWindows()
    {
        zarSessionDataModel model;
        load(model, curveSession());
        Series series(model);
        QSlider slider;
        QLabel caption, value;
        model.setDepthLabel(&value);
        model.setHeaderLabel(&caption);
        model.setDepthSlider(&slider);
        model.setPlot(1);
        QCOMPARE(caption.text(), QStringLiteral("Measurement center:"));
        QCOMPARE(slider.maximum(), 3150);
        QCOMPARE(series.markers.last().at(1).value<Rows>(), Rows({ 0, 1, 2, 3, 4 }));
        slider.setValue(100);
        QCOMPARE(value.text(), QStringLiteral("<font color=blue>10.0</font>"));
        // 7.49 m < x < 12.49 m, sorted by depth, the infinite value left out
        QCOMPARE(series.lastCurve(), Points({ QPointF(1, 30), QPointF(2, 50), QPointF(3, 20) }));

        model.setPlot(2);
        QCOMPARE(caption.text(), QStringLiteral("Pseudo depth:"));
        QCOMPARE(slider.maximum(), 25);
        slider.setValue(25);
        QCOMPARE(series.lastCurve(), Points({ QPointF(7.5, 20), QPointF(10, 50), QPointF(12.5, 40) }));
    }

    // The view repaints what the model names: every cell of the stored rows'
    // measured columns, and nothing else.
    void storedCellsAnnounced()
    {
        zarSessionFile s = zarSessionFixture::sample();
        s.units = QVector<zarSessionDataUnit>(40, s.units[2]);
        zarSessionDataModel model;
        load(model, s);
        model.groupStart = 20;
        QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);
        zarCoreReportET2D report;
        report.results = { zarMeasureSet(), zarMeasureSet(), zarMeasureSet() };
        model.storeResults(report);
        QSet<QPair<int, int>> cells, expected;
        for (const QList<QVariant>& change : changes) {
            const QModelIndex first = change.at(0).value<QModelIndex>(), last = change.at(1).value<QModelIndex>();
            QVERIFY(first.isValid() && last.isValid());
            for (int row = first.row(); row <= last.row(); ++row)
                for (int column = first.column(); column <= last.column(); ++column)
                    cells.insert({ row, column });
        }
        for (int row = 20; row < 23; ++row)
            for (int column = 6; column < 14; ++column)
                expected.insert({ row, column });
        QCOMPARE(cells, expected);
    }

    // Hidden plots are brought up to date when shown, with what was stored meanwhile.
    void hiddenPlotsCatchUp()
    {
        zarSessionDataModel model;
        load(model);
        Series series(model);
        model.setPlotsShown(false);
        model.groupStart = 2;
        zarCoreReportET2D report;
        report.results = { zarMeasureSet() };
        report.results[0].txCurrent = 40;
        report.results[0].rxVoltage = 12;
        model.storeResults(report);
        model.refresh();
        QCOMPARE(series.section.count(), 0);
        model.setPlotsShown(true);
        QCOMPARE(series.section.count(), 1);
        QCOMPARE(series.lastSectionRows(), Rows({ 0, 1, 2 }));
        model.setPlotsShown(true);
        QCOMPARE(series.section.count(), 1);
    }
};

ZAR_TEST_MAIN(TestSessionDataModel)
#include "test_sessiondatamodel.moc"
