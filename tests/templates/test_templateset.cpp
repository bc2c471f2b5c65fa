#include "zartestsupport.h"
#include "zarstreamhelpers.h"

#include "templates/zararrayset.h"
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

    // The grounding cells stay when the same array is chosen again.
    void sameArrayKeepsTheGrounding()
    {
        zarTemplateSet set(1, 5);
        set.setArrayType(3);
        set.applySelection(cells({ { 0, 0 } }));
        set.setAuxCell(0, 0, true);
        set.setArrayType(3);
        QVERIFY(set.auxMatrix()[0][0]);
        QCOMPARE(set.measurementCount(), 29);
    }

    // A set in the file form: the type, the 30 x 99 grid of cells, then cables and spacing.
    void streamLayout()
    {
        zarTemplateSet set(2, 5);
        set.setArrayType(0);
        set.applySelection(cells({ { 0, 12 } }));
        const QByteArray bytes = written(set);
        QCOMPARE(bytes.size(), 6198);
        QCOMPARE(bytes.mid(0, 9).toHex(), QByteArray("000000001e00000063"));
        QCOMPARE(int(bytes.at(1 + 8 + 12)), 1);
        QCOMPARE(bytes.mid(6198 - 9).toHex(), QByteArray("024014000000000000"));
    }

    void hostileGridsAreRefused_data()
    {
        QTest::addColumn<int>("at");
        QTest::addColumn<QByteArray>("hex");
        QTest::newRow("row count") << 4 << QByteArray("7f");
        QTest::newRow("column count") << 8 << QByteArray("62");
        QTest::newRow("cut short") << 100 << QByteArray();
    }
    // A grid of another size, or one cut short, leaves the set as it was.
    void hostileGridsAreRefused()
    {
        QFETCH(int, at);
        QFETCH(QByteArray, hex);
        zarTemplateSet set(2, 5);
        set.setArrayType(0);
        QByteArray bytes = written(set);
        if (hex.isEmpty())
            bytes = bytes.left(at);
        else
            bytes.replace(at, hex.size() / 2, QByteArray::fromHex(hex));
        QDataStream::Status status;
        const zarTemplateSet refused = readBack<zarTemplateSet>(bytes, &status);
        QVERIFY(status != QDataStream::Ok);
        QCOMPARE(refused.arrayType(), qint8(-1));
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

    // A session holds at most eight sets: a larger count, or one the bytes cannot
    // hold, is refused with nothing kept; eight sets read back whole.
    void arraySetCount_data()
    {
        QTest::addColumn<int>("sets");
        QTest::addColumn<int>("counted");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("eight") << 8 << 8 << true;
        QTest::newRow("nine") << 9 << 9 << false;
        QTest::newRow("more counted than written") << 2 << 3 << false;
    }
    void arraySetCount()
    {
        QFETCH(int, sets);
        QFETCH(int, counted);
        QFETCH(bool, accepted);
        QVector<zarArraySet> stored;
        for (int i = 0; i < sets; ++i)
            stored << zarArraySet(qint8(i), qint16(10 + i));
        QByteArray bytes = written(stored);
        bytes.replace(0, 4, written(quint32(counted)));
        QDataStream::Status status;
        const QVector<zarArraySet> back = readBack<QVector<zarArraySet>>(bytes, &status);
        QCOMPARE(status == QDataStream::Ok, accepted);
        QCOMPARE(back.size(), accepted ? sets : 0);
        if (accepted)
            QCOMPARE(back.last().count, qint16(10 + sets - 1));
    }
};

ZAR_TEST_MAIN(TestTemplateSet)
#include "test_templateset.moc"
