#include "zartestsupport.h"
#include "zarsessionfixture.h"

#include "sessions/zarsessiondatamodel.h"

#include <QLabel>
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
        Rows lastRows() const { return markers.last().at(1).value<Rows>(); }
    };

    static void load(zarSessionDataModel& model, const zarSessionFile& session)
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

private slots:
    void initTestCase()
    {
        qRegisterMetaType<Points>();
        qRegisterMetaType<Rows>();
        qRegisterMetaType<QVector<float>>();
    }

    void columnsAndCells()
    {
        zarSessionDataModel model;
        QCOMPARE(model.columnCount(), 14);
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.headerData(12, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("\u03c1 [\u03a9\u22c5m]"));
        QCOMPARE(model.headerData(6, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Tx.I [mA]"));
        QCOMPARE(model.headerData(13, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Q [%]"));
        QVERIFY(!model.headerData(1, Qt::Vertical, Qt::DisplayRole).isValid());
        QCOMPARE(model.quadripole(3), zarQuadripole());

        zarSessionFile s = zarSessionFixture::sample();
        s.units[3].measureSet.quality = 250;
        s.units[0].measureSet.quality = 200;
        load(model, s);
        QCOMPARE(model.rowCount(), 4);
        auto cell = [&](int row, int column, int role = Qt::DisplayRole) { return model.data(model.index(row, column), role); };
        QCOMPARE(cell(1, 0).toInt(), 2);
        QCOMPARE(cell(1, 1).toString(), QStringLiteral("Tx\u221e"));
        QCOMPARE(cell(1, 3).toString(), QStringLiteral("Rx\u221e"));
        QCOMPARE(cell(0, 1).toInt(), 1);
        QCOMPARE(cell(0, 4).toInt(), 3);
        QCOMPARE(cell(0, 5).toInt(), 3);
        QCOMPARE(cell(0, 6).toString(), QStringLiteral("50.3"));
        QCOMPARE(cell(0, 7).toString(), QStringLiteral("120.0"));
        QCOMPARE(cell(0, 8).toString(), QStringLiteral("6.0"));
        QCOMPARE(cell(0, 9).toString(), QStringLiteral("10.0"));
        QCOMPARE(cell(0, 11).toString(), QStringLiteral("4.5"));
        QCOMPARE(cell(0, 12).toString(), QStringLiteral("120.5"));
        QCOMPARE(cell(0, 13).toString(), QStringLiteral("200.000"));
        QCOMPARE(cell(3, 13).toString(), QStringLiteral("N / A"));
        QCOMPARE(cell(2, 2).toInt(), 5);
        for (int c = 6; c < 14; ++c)
            QVERIFY(!cell(2, c).isValid());
        QCOMPARE(cell(2, 7, Qt::TextAlignmentRole).toInt(), 130);
        QCOMPARE(cell(0, 0, Qt::BackgroundRole).value<QColor>(), QColor(170, 170, 255, 255));
        QCOMPARE(cell(0, 2, Qt::BackgroundRole).value<QColor>(), QColor(255, 127, 63, 63));
        QCOMPARE(cell(0, 10, Qt::BackgroundRole).value<QColor>(), QColor(127, 255, 127, 63));
        QCOMPARE(cell(0, 5, Qt::BackgroundRole).value<QColor>(), QColor(255, 255, 127, 95));
        QCOMPARE(cell(0, 13, Qt::BackgroundRole).value<QColor>(), QColor(127, 127, 255, 63));
        QVERIFY(!cell(0, 3, Qt::ToolTipRole).isValid());
        QCOMPARE(model.quadripole(99), zarQuadripole(2, 9, 4, 7));
        QVERIFY(model.hasElectrodes());

        model.onRowDelete(4);
        QVERIFY(cell(3, 6).isValid());
        model.onRowDelete(3);
        QVERIFY(!cell(3, 6).isValid());

        // A failed load leaves the loaded session whole.
        QVERIFY(!QTest::currentTestFailed());
        zarSessionFile empty;
        zarWhenModal([](QWidget* w) { w->close(); });
        QVERIFY(!model.loadFromFile(zarSessionFixture::write(empty, QStringLiteral("e.zarSession"))));
        QCOMPARE(model.rowCount(), 4);
    }

    void pseudoSectionAndMasks()
    {
        zarSessionDataModel model;
        load(model, zarSessionFixture::sample());
        Series series(model);
        model.refresh();
        QCOMPARE(series.section.count(), 1);
        QCOMPARE(series.section.last().at(2).value<Rows>(), Rows({ 0, 1 }));
        QCOMPARE(series.section.last().at(0).value<Points>().first(), QPointF(7.5, 2.5));
        model.onCurrentSetChange(1);
        QCOMPARE(series.section.last().at(2).value<Rows>(), Rows({ 1, 3 }));
        model.onCurrentSetChange(-1);
        QCOMPARE(series.section.last().at(2).value<Rows>(), Rows({ 0, 1 }));
        model.onCurrentSetChange(9);
        QCOMPARE(model.rowIndexes(), Rows({ 1, 3 }));
        model.setPlot(0);
        QCOMPARE(series.section.count(), 4);
    }

    void soundingAndProfileWindows()
    {
        zarSessionDataModel model;
        load(model, curveSession());
        Series series(model);
        QSlider slider;
        QLabel caption, value, unit;
        model.setDepthLabel(&value);
        QCOMPARE(value.text(), QStringLiteral("<font color=blue>0.0</font>"));
        model.setHeaderLabel(&caption);
        model.setUnitLabel(&unit);
        model.setDepthSlider(&slider);
        model.setPlot(1);
        QCOMPARE(caption.text(), QStringLiteral("Measurement center:"));
        QCOMPARE(slider.maximum(), 3150);
        QCOMPARE(series.markers.count(), 1);
        QCOMPARE(series.lastRows(), Rows({ 0, 1, 2, 3, 4 }));
        slider.setValue(100);
        QCOMPARE(value.text(), QStringLiteral("<font color=blue>10.0</font>"));
        // 7.49 m < x < 12.49 m, sorted by depth, the infinite value left out
        QCOMPARE(series.lastCurve(), Points({ QPointF(1, 30), QPointF(2, 50), QPointF(3, 20) }));
        slider.setValue(125);
        QCOMPARE(value.text(), QStringLiteral("<font color=blue>12.5</font>"));

        model.setPlot(2);
        QCOMPARE(caption.text(), QStringLiteral("Pseudo depth:"));
        QCOMPARE(slider.maximum(), 25);
        slider.setValue(25);
        QCOMPARE(series.lastCurve(), Points({ QPointF(7.5, 20), QPointF(10, 50), QPointF(12.5, 40) }));
    }

    void negativeChargeability()
    {
        zarSessionFile s = curveSession();
        for (auto& u : s.units)
            u.measureSet.chargeability = -3;
        zarSessionDataModel model;
        load(model, s);
        Series series(model);
        QSlider slider;
        model.setDepthSlider(&slider);
        model.setMode(1);
        model.setPlot(1);
        QCOMPARE(series.markers.last().first().value<Points>().first().y(), 3.0);
        slider.setValue(100);
        QCOMPARE(series.lastCurve().first().y(), -3.0);
        const int before = series.markers.count();
        model.setMode(1);
        model.setPlot(1);
        QCOMPARE(series.markers.count(), before);
    }

    void resistanceOnlySessions()
    {
        zarSessionDataModel model;
        load(model, zarSessionFixture::sample());
        model.setResistanceOnly();
        QCOMPARE(model.headerData(12, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("R [\u03a9]"));
        Series series(model);
        model.setPlot(1);
        model.refresh();
        QCOMPARE(series.markers.count() + series.section.count() + series.curve.count(), 0);
    }

    void emptySeries()
    {
        zarSessionFile s;
        s.units << zarSessionFixture::row(0, 3, 1, 2, 1, 1, false);
        zarSessionDataModel model;
        load(model, s);
        Series series(model);
        model.refresh();
        QCOMPARE(series.section.count(), 1);
        QVERIFY(series.section.last().at(0).value<Points>().isEmpty());
        model.setPlot(2);
        QVERIFY(series.lastRows().isEmpty());
        QVERIFY(series.lastCurve().isEmpty());
    }
};

ZAR_TEST_MAIN(TestSessionDataModel)
#include "test_sessiondatamodel.moc"
