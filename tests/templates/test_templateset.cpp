#include "zartestsupport.h"
#include "zarstreamhelpers.h"

#include "templates/zartemplateset.h"

#include <QStandardItemModel>

class TestTemplateSet : public QObject
{
    Q_OBJECT

    QStandardItemModel grid { zarGrid::spacings, zarGrid::levels };

    QModelIndexList cells(std::initializer_list<QPair<int, int>> list)
    {
        QModelIndexList result;
        for (const auto& c : list)
            result << grid.index(c.first, c.second);
        return result;
    }

private slots:
    void toggles()
    {
        zarTemplateSet set(1, 5);
        set.setArrayType(0);
        set.applySelection(cells({ { 0, 0 }, { 0, 1 } }));
        QCOMPARE(set.measurementCount(), 29 + 26);
        // Wenner exists only at the first spacing; a level too deep does not fit; a cell twice is no toggle.
        set.applySelection(cells({ { 0, 1 }, { 1, 0 }, { 0, 20 }, { 0, 2 }, { 0, 2 } }));
        QCOMPARE(set.measurementCount(), 29);
        QVERIFY(!set.mainMatrix()[1][0]);
        QVERIFY(!set.mainMatrix()[0][20]);
        set.clear();
        QVERIFY(set.isEmpty());
        QVERIFY(set.measurementCount() == 0);
    }

    void rebuildsOnArrangementAndType()
    {
        zarTemplateSet set(2, 5);
        set.setArrayType(3);
        set.applySelection(cells({ { 0, 0 }, { 0, 20 } }));
        set.setAuxCell(0, 0, true);
        set.setAuxCell(0, 20, true);
        QCOMPARE(set.measurementCount(), 61 + 21);
        set.setArrangement(1, 5);
        QCOMPARE(set.measurementCount(), 29);
        QVERIFY(set.mainMatrix()[0][0]);
        QVERIFY(!set.mainMatrix()[0][20]);
        QVERIFY(set.auxMatrix()[0][0]);
        QVERIFY(!set.auxMatrix()[0][20]);
        set.setArrangement(1, 2.5f);
        QVERIFY(!set.auxMatrix()[0][0]);
        QCOMPARE(set.quadripoles().value(zarCell(0, 0)).first().x, 3.75f);
        set.setAuxCell(0, 0, true);
        set.setArrayType(4);
        QVERIFY(!set.auxMatrix()[0][0]);
        QCOMPARE(set.measurementCount(), 29);
    }

    void streamRoundTripAndHostileSets()
    {
        zarTemplateSet set(2, 5);
        set.setArrayType(0);
        set.applySelection(cells({ { 0, 12 } }));
        set.setAuxCell(7, 9, true);
        const QByteArray bytes = written(set);
        QDataStream::Status status;
        const zarTemplateSet back = readBack<zarTemplateSet>(bytes, &status);
        QVERIFY(status == QDataStream::Ok);
        QVERIFY(back.cable() == 2);
        QVERIFY(back.measurementCount() == set.measurementCount());
        QVERIFY(back.mainMatrix() == set.mainMatrix());
        QVERIFY(back.auxMatrix() == set.auxMatrix());
        auto patched = [&](int at, const QByteArray& hex) {
            return QByteArray(bytes).replace(at, hex.size() / 2, QByteArray::fromHex(hex));
        };
        // Stored for two cables, read for one: the cells that no longer fit are gone.
        QVERIFY(readBack<zarTemplateSet>(patched(6198 - 9, "01")).isEmpty());
        for (const QByteArray& hostile : { patched(6198 - 9, "03"), patched(6198 - 8, "7ff0") }) {
            const zarTemplateSet refused = readBack<zarTemplateSet>(hostile, &status);
            QVERIFY(status != QDataStream::Ok);
            QVERIFY(refused.arrayType() == -1);
        }
    }
};

ZAR_TEST_MAIN(TestTemplateSet)
#include "test_templateset.moc"
