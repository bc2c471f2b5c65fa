#include "zartestsupport.h"

#include "core/zarconstants.h"
#include "frame/zartranslator.h"
#include "sessions/zarfiletabledatamodel.h"
#include "sessions/zarfiletabledialog.h"
#include "sessions/zarsessionfile.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QStandardItemModel>

typedef QMap<qint8, qint8> Sets;
Q_DECLARE_METATYPE(Sets)

// Which stored files the file table lists and how, and the picker over it.
class TestFileTable : public QObject
{
    Q_OBJECT

    static QByteArray head(qint32 magic, const zarArrangement& record = zarArrangement())
    {
        QByteArray bytes;
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        stream.setVersion(QDataStream::Qt_4_8);
        stream << magic << record << qint32(0);
        return bytes;
    }

    static void write(const QString& path, const QByteArray& bytes = head(qint32(0x88993366)))
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

    void emptyListing_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("missing directory") << QString();
        QTest::newRow("directory named like a template") << QStringLiteral("d.zarTemplate/");
    }

    void emptyListing()
    {
        QFETCH(QString, file);
        if (file.isEmpty())
            QDir(templatesDir.path()).removeRecursively();
        else if (file.endsWith(QLatin1Char('/')))
            QDir().mkpath(templatesDir + file);
        else
            write(templatesDir + file);
        zarFileTableDataModel model(0);
        QVERIFY(model.isEmpty());
        QCOMPARE(QList<int>({ model.rowCount(), model.columnCount() }), QList<int>({ 0, 17 }));
    }

    // Unreadable heads leave no gap; a head cut short shows what could be read.
    void damagedFiles()
    {
        zarArrangement record;
        record.measurements = 700;
        record.arrayTypeSets = { { 0, 2 } };
        write(templatesDir + "a.zarTemplate", head(qint32(0x88993366), record));
        write(templatesDir + "b session.zarTemplate", head(zarSessionFile::magic));
        write(templatesDir + "c short.zarTemplate", QByteArray("\x88\x99\x33", 3));
        write(templatesDir + "d cut.zarTemplate", head(qint32(0x88993366), record).left(4 + 8 + 1 + 2));
        zarFileTableDataModel model(0);
        QCOMPARE(names(model), QStringList({ "a", "d cut" }));
        QStringList cut;
        for (int column = 1; column < 6; ++column)
            cut << model.data(model.index(1, column)).toString();
        QCOMPARE(cut, QStringList({ "2", "5.0", "0", "0", "" }));
        QCOMPARE(model.data(model.index(0, 5)).toString(), QStringLiteral("2S"));
    }

    void nameOrderAndCase()
    {
        for (const char* file : { "Gamma.zarTemplate", "beta.zarTemplate", "Line 1.zarTemplate", "alpha.ZARTEMPLATE" })
            write(templatesDir + file);
        QCOMPARE(names(zarFileTableDataModel(0)), QStringList({ "alpha.ZARTEMPLATE", "beta", "Gamma", "Line 1" }));
    }

    // The shown name cannot always be turned back into the file: the row gives it.
    void realPath_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << QStringLiteral("plain.zarTemplate") << QStringLiteral("plain");
        QTest::newRow("doubled extension") << QStringLiteral("x.zarTemplate.zarTemplate") << QStringLiteral("x");
        QTest::newRow("upper-case extension") << QStringLiteral("y.ZARTEMPLATE") << QStringLiteral("y.ZARTEMPLATE");
    }

    void realPath()
    {
        QFETCH(QString, file);
        QFETCH(QString, name);
        write(templatesDir + file);
        zarFileTableDataModel model(0);
        zarFileTableDialog dialog(&model);
        QCOMPARE(dialog.selectedName(), name);
        QCOMPARE(dialog.selectedPath(), templatesDir + file);
        QCOMPARE(model.path(1), QString());
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
        QTest::newRow("whole spacing") << Sets() << 10.0f << 2 << "10.0";
        QTest::newRow("measurements") << Sets() << 5.0f << 3 << "1234";
    }

    void cells()
    {
        QFETCH(Sets, sets);
        QFETCH(float, spacing);
        QFETCH(int, column);
        QFETCH(QString, text);
        zarArrangement record;
        record.arrayTypeSets = sets;
        record.cableSpacing = spacing;
        record.measurements = 1234;
        write(templatesDir + "t.zarTemplate", head(qint32(0x88993366), record));
        zarFileTableDataModel model(0);
        QCOMPARE(model.data(model.index(0, column)).toString(), text);
    }

    void headerAndRoles()
    {
        write(templatesDir + "t.zarTemplate");
        zarFileTableDataModel model(0);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QStringList titles;
        for (int section = 0; section < 17; ++section)
            titles << model.headerData(section, Qt::Horizontal).toString();
        QCOMPARE(titles.join(QLatin1Char(' ')), QStringLiteral("Template Cbl CS[m] Qdps Runs W\u03b1 W\u03b2 W\u03b3 Sch DD "
                                                               "FPD BPD PP G3 G5 G7 G9"));
        QVERIFY(!model.headerData(0, Qt::Vertical).isValid());
        QCOMPARE(model.data(model.index(0, 0), Qt::TextAlignmentRole).toInt(), 1);
        QCOMPARE(model.data(model.index(0, 9), Qt::TextAlignmentRole).toInt(), 132);
        QVERIFY(!model.data(model.index(0, 0), Qt::ToolTipRole).isValid());
        // An index of another model reaching past the table reads nothing.
        QStandardItemModel other(40, 40);
        QVERIFY(!model.data(other.index(5, 0)).isValid());
        QVERIFY(!model.data(other.index(0, 30), Qt::TextAlignmentRole).isValid());
    }

    void sessionMode()
    {
        zarArrangement record;
        record.runs = 12;
        write(sessionsDir + "walk.zarSession", head(zarSessionFile::magic, record));
        write(sessionsDir + "template.zarSession");
        zarFileTableDataModel model(1);
        QCOMPARE(names(model), QStringList({ "walk" }));
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Session"));
        QCOMPARE(model.data(model.index(0, 4)).toString(), QStringLiteral("12"));
    }

    // Opens full-screen on the first row; a touch selects a whole row; Cancel rejects.
    void dialog()
    {
        for (const char* file : { "c.zarTemplate", "b.zarTemplate", "a.zarTemplate" })
            write(templatesDir + file);
        zarFileTableDataModel model(0);
        zarFileTableDialog dialog(&model);
        QCOMPARE(dialog.selectedName(), QStringLiteral("a"));
        QCOMPARE(dialog.minimumSize(), QSize(1024, 600));
        QCOMPARE(dialog.maximumSize(), QSize(1024, 600));
        QVERIFY(!(dialog.windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!dialog.fileTableView->horizontalHeader()->sectionsClickable());
        // A row is picked with a finger.
        QVERIFY(dialog.fileTableView->rowHeight(0) >= 48);

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
};

ZAR_TEST_MAIN(TestFileTable)
#include "test_filetable.moc"
