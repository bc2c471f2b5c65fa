// Which stored files the file table lists and how; the dialog that picks one.
#include "zartestsupport.h"

#include "core/zarconstants.h"
#include "frame/zartranslator.h"
#include "sessions/zarfiletabledatamodel.h"
#include "sessions/zarfiletabledialog.h"
#include "sessions/zarsessionfile.h"

#include <QAbstractItemModelTester>
#include <QStandardItemModel>
#include <QTableView>

typedef QMap<qint8, qint8> Sets;
Q_DECLARE_METATYPE(Sets)

namespace {
const qint32 templateMagic = qint32(0x88993366);
}

class TestFileTable : public QObject
{
    Q_OBJECT

    static QByteArray head(qint32 magic = templateMagic, const zarArrangement& record = zarArrangement())
    {
        QByteArray bytes;
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        stream.setVersion(QDataStream::Qt_4_8);
        stream << magic << record << qint32(0);
        return bytes;
    }

    static void write(const QString& path, const QByteArray& bytes = head())
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    static QStringList names(const zarFileTableDataModel& model)
    {
        QStringList shown;
        for (int row = 0; row < model.rowCount(); ++row)
            shown << model.data(model.index(row, 0)).toString();
        return shown;
    }

private slots:
    void init()
    {
        for (const QString& dir : { templatesDir.path(), sessionsDir.path() }) {
            QDir(dir).removeRecursively();
            QDir().mkpath(dir);
        }
    }

    void nothingToList_data()
    {
        QTest::addColumn<bool>("directory");
        QTest::newRow("missing directory") << false;
        QTest::newRow("directory named like a template") << true;
    }
    void nothingToList()
    {
        QFETCH(bool, directory);
        QDir(templatesDir.path()).removeRecursively();
        if (directory)
            QDir().mkpath(templatesDir + QStringLiteral("d.zarTemplate"));
        zarFileTableDataModel model(0);
        QVERIFY(model.isEmpty());
        QCOMPARE(model.rowCount(), 0);
    }

    // Listed by name without case: only files of the kind's extension and magic
    // number; a head cut short shows what could be read.
    void listing()
    {
        zarArrangement record;
        record.measurements = 700;
        for (const char* file : { "Gamma.zarTemplate", "beta.zarTemplate", "alpha.ZARTEMPLATE", "other.txt" })
            write(templatesDir + file);
        write(templatesDir + "b session.zarTemplate", head(zarSessionFile::magic));
        write(templatesDir + "c short.zarTemplate", QByteArray("\x88\x99\x33", 3));
        write(templatesDir + "d cut.zarTemplate", head(templateMagic, record).left(4 + 8 + 1 + 2));
        zarFileTableDataModel model(0);
        QCOMPARE(names(model), QStringList({ "alpha.ZARTEMPLATE", "beta", "d cut", "Gamma" }));
        QCOMPARE(model.data(model.index(2, 3)).toString(), QStringLiteral("0"));
        QCOMPARE(model.data(model.index(2, 2)).toString(), QStringLiteral("5.0"));
    }


    void cells_data()
    {
        QTest::addColumn<Sets>("sets");
        QTest::addColumn<float>("spacing");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::newRow("forward and reciprocal") << Sets { { 0, 2 }, { 12, 1 } } << 5.0f << 5 << "2S:1R";
        QTest::newRow("reciprocal only") << Sets { { 17, 1 } } << 5.0f << 12 << "1R";
        QTest::newRow("unused array") << Sets { { 17, 1 } } << 5.0f << 7 << "";
        QTest::newRow("forward pole-dipole has no reciprocal") << Sets { { 5, 1 }, { 17, 2 } } << 5.0f << 10 << "1S";
        QTest::newRow("spacing with a fraction") << Sets() << 2.5f << 2 << "2.5";
        QTest::newRow("measurements") << Sets() << 5.0f << 3 << "1234";
    }
    void cells()
    {
        QFETCH(Sets, sets);
        QFETCH(float, spacing);
        QFETCH(int, column);
        zarArrangement record;
        record.arrayTypeSets = sets;
        record.cableSpacing = spacing;
        record.measurements = 1234;
        write(templatesDir + "t.zarTemplate", head(templateMagic, record));
        zarFileTableDataModel model(0);
        QTEST(model.data(model.index(0, column)).toString(), "text");
    }

    // An index of another model reaching past the table reads nothing.
    void modelBounds()
    {
        write(templatesDir + "t.zarTemplate");
        zarFileTableDataModel model(0);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QStandardItemModel other(40, 40);
        QVERIFY(!model.data(other.index(5, 0)).isValid());
        QVERIFY(!model.data(other.index(0, 17), Qt::TextAlignmentRole).isValid());
    }

    void sessions()
    {
        zarArrangement record;
        record.runs = 12;
        write(sessionsDir + "walk.zarSession", head(zarSessionFile::magic, record));
        write(sessionsDir + "template.zarSession");
        write(sessionsDir + "note.txt", head(zarSessionFile::magic));
        zarFileTableDataModel model(1);
        QCOMPARE(names(model), QStringList({ "walk" }));
        QCOMPARE(model.data(model.index(0, 4)).toString(), QStringLiteral("12"));
    }

    void columnTitles_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("titles");
        QTest::newRow("templates") << 0 << "Template Cbl CS[m] Qdps Runs W\u03b1 W\u03b2 W\u03b3 Sch DD FPD BPD PP G3 G5 G7 G9";
        QTest::newRow("sessions") << 1 << "Session Cbl CS[m] Qdps Runs W\u03b1 W\u03b2 W\u03b3 Sch DD FPD BPD PP G3 G5 G7 G9";
    }
    // Seventeen columns: the name, the arrangement, then one per array group in type order.
    void columnTitles()
    {
        QFETCH(int, kind);
        zarFileTableDataModel model { quint8(kind) };
        QStringList titles;
        for (int section = 0; section < model.columnCount(); ++section)
            titles << model.headerData(section, Qt::Horizontal).toString();
        QTEST(titles.join(QLatin1Char(' ')), "titles");
        QVERIFY(!model.headerData(0, Qt::Vertical).isValid());
    }

    void alignment_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("alignment");
        QTest::newRow("name to the left") << 0 << int(Qt::AlignLeft);
        QTest::newRow("numbers centred") << 9 << int(Qt::AlignCenter);
    }
    void alignment()
    {
        QFETCH(int, column);
        write(templatesDir + "t.zarTemplate");
        zarFileTableDataModel model(0);
        QTEST(model.data(model.index(0, column), Qt::TextAlignmentRole).toInt(), "alignment");
    }

    // Opens on the first row; a touch selects a whole row, which Accept opens; Cancel rejects.
    void dialogPicksAWholeRow()
    {
        for (const char* file : { "c.zarTemplate", "b.zarTemplate", "a.zarTemplate" })
            write(templatesDir + file);
        zarFileTableDataModel model(0);
        zarFileTableDialog dialog(&model);
        QCOMPARE(dialog.selectedName(), QStringLiteral("a"));
        QTableView* view = dialog.fileTableView;
        zarWhenModal([&](QWidget*) {
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(model.index(2, 7)).center());
            dialog.acceptPushButton->click();
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(dialog.selectedPath(), templatesDir + "c.zarTemplate");
        QCOMPARE(view->selectionModel()->selectedIndexes().size(), 17);
        zarWhenModal([&](QWidget*) { dialog.cancelPushButton->click(); });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    }

    // Buttons follow the language; the titles keep the language the model was made in.
    void languageChange()
    {
        write(templatesDir + "a.zarTemplate");
        zarFileTableDataModel model(0);
        zarFileTableDialog dialog(&model);
        QVERIFY(zarTranslator::instance()->setLanguage(QStringLiteral("Ru")));
        const QString accept = dialog.acceptPushButton->text();
        zarFileTableDataModel russian(0);
        QVERIFY(zarTranslator::instance()->setLanguage(QStringLiteral("En")));
        QCOMPARE(accept, QStringLiteral("Принять"));
        QCOMPARE(dialog.acceptPushButton->text(), QStringLiteral("Accept"));
        QCOMPARE(russian.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Шаблон"));
    }

    // A row is picked with a finger.
    void rowsFitAFinger()
    {
        write(templatesDir + "a.zarTemplate");
        zarFileTableDataModel model(0);
        zarFileTableDialog dialog(&model);
        QVERIFY(dialog.fileTableView->rowHeight(0) >= 48);
    }
};

ZAR_TEST_MAIN(TestFileTable)
#include "test_filetable.moc"
