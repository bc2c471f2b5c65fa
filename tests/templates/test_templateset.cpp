#include "zartestsupport.h"

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
        QVERIFY(set.isEmpty());
        QCOMPARE(set.arrayType(), qint8(-1));
        set.setArrayType(0);
        set.applySelection(cells({ { 0, 0 } }));
        QCOMPARE(set.measurementCount(), 29);
        QVERIFY(!set.isEmpty());
        set.applySelection(cells({ { 0, 1 } }));
        QCOMPARE(set.measurementCount(), 29 + 26);
        set.applySelection(cells({ { 0, 1 } }));
        QCOMPARE(set.measurementCount(), 29);
        // Wenner exists only at the first spacing; a level too deep does not fit.
        set.applySelection(cells({ { 1, 0 }, { 0, 20 } }));
        QCOMPARE(set.measurementCount(), 29);
        QVERIFY(!set.mainMatrix()[1][0] && !set.mainMatrix()[0][20]);
        set.applySelection(cells({ { 0, 2 }, { 0, 2 } }));
        QCOMPARE(set.measurementCount(), 29);
        set.clear();
        QVERIFY(set.isEmpty());
        QCOMPARE(set.measurementCount(), 0);
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
        QVERIFY(set.mainMatrix()[0][0] && !set.mainMatrix()[0][20]);
        QVERIFY(set.auxMatrix()[0][0] && !set.auxMatrix()[0][20]);
        set.setArrangement(1, 2.5f);
        QVERIFY(!set.auxMatrix()[0][0]);
        QCOMPARE(set.quadripoles().value(zarCell(0, 0)).first().x, 3.75f);
        set.setAuxCell(0, 0, true);
        set.setArrayType(3);
        QVERIFY(set.auxMatrix()[0][0]);
        set.setArrayType(4);
        QVERIFY(!set.auxMatrix()[0][0]);
        QCOMPARE(set.measurementCount(), 29);
    }

    void streamLayoutAndRegeneration()
    {
        zarTemplateSet set(2, 5);
        set.setArrayType(0);
        set.applySelection(cells({ { 0, 12 } }));
        set.setAuxCell(7, 9, true);
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_4_8);
        out << set;
        QCOMPARE(bytes.size(), 6198);
        QCOMPARE(bytes.mid(1, 8).toHex(), QByteArray("0000001e00000063"));
        QCOMPARE(bytes.at(1 + 8 + 12), char(1));

        zarTemplateSet back(1, 1);
        QDataStream in(bytes);
        in.setVersion(QDataStream::Qt_4_8);
        in >> back;
        QCOMPARE(in.status(), QDataStream::Ok);
        QCOMPARE(back.measurementCount(), set.measurementCount());
        QCOMPARE(back.mainMatrix(), set.mainMatrix());
        QCOMPARE(back.auxMatrix(), set.auxMatrix());
        QCOMPARE(back.cable(), zarCable(2));

        // A set stored for two cables but read for one loses the cells that no longer fit.
        QByteArray shrunk = bytes;
        shrunk[6198 - 9] = 1;
        zarTemplateSet small;
        QDataStream s(shrunk);
        s.setVersion(QDataStream::Qt_4_8);
        s >> small;
        QVERIFY(small.isEmpty());
    }

    void hostileSetsAreRefused()
    {
        zarTemplateSet set(2, 5);
        set.setArrayType(0);
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_4_8);
        out << set;
        auto refused = [](const QByteArray& data) {
            zarTemplateSet target(2, 5);
            QDataStream in(data);
            in.setVersion(QDataStream::Qt_4_8);
            in >> target;
            return in.status() != QDataStream::Ok && target.arrayType() == -1;
        };
        QByteArray rows = bytes;
        rows[4] = char(0x7f);
        QVERIFY(refused(rows));
        QByteArray columns = bytes;
        columns[8] = 98;
        QVERIFY(refused(columns));
        QByteArray cables = bytes;
        cables[6198 - 9] = 3;
        QVERIFY(refused(cables));
        QByteArray spacing = bytes;
        spacing[6198 - 8] = char(0x7f);
        spacing[6198 - 7] = char(0xf0);
        QVERIFY(refused(spacing));
        QVERIFY(refused(bytes.left(100)));
    }
};

ZAR_TEST_MAIN(TestTemplateSet)
#include "test_templateset.moc"
