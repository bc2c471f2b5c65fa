#include "zartestsupport.h"

#include "core/zarconstants.h"
#include "frame/zartranslator.h"
#include "sessions/zarfiletabledatamodel.h"
#include "sessions/zarfiletabledialog.h"
#include "sessions/zarsessionfile.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>

typedef QMap<qint8, qint8> Sets;
Q_DECLARE_METATYPE(Sets)

// The file table: which stored files it lists and how, and the picker over it.
class TestFileTable : public QObject
{
    Q_OBJECT

    static const qint32 templateMagic = qint32(0x88993366);

    static QString dir(int mode) { return mode == 0 ? templatesDir.path() : sessionsDir.path(); }

    static void writeBytes(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), qint64(bytes.size()));
    }

    static QByteArray head(qint32 magic, const zarArrangement& record)
    {
        QByteArray bytes;
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        stream.setVersion(QDataStream::Qt_4_8);
        stream << magic << record << qint32(0);
        return bytes;
    }

    static void writeTemplate(const QString& file, const zarArrangement& record = zarArrangement())
    {
        writeBytes(templatesDir + file, head(templateMagic, record));
    }

    static QStringList names(const zarFileTableDataModel& model)
    {
        QStringList shown;
        for (int row = 0; row < model.rowCount(); ++row)
            shown << model.data(model.index(row, 0)).toString();
        return shown;
    }

    static void clearDirectories()
    {
        for (int mode : { 0, 1 }) {
            QDir(dir(mode)).removeRecursively();
            QDir().mkpath(dir(mode));
        }
    }

private slots:
    void init() { clearDirectories(); }

    void emptyListing_data()
    {
        QTest::addColumn<bool>("missing");
        QTest::addColumn<QString>("file");
        QTest::newRow("missing directory") << true << QString();
        QTest::newRow("empty directory") << false << QString();
        QTest::newRow("only other extensions") << false << QStringLiteral("a.zarSession");
        QTest::newRow("directory named like a template") << false << QStringLiteral("d.zarTemplate/");
    }

    void emptyListing()
    {
        QFETCH(bool, missing);
        QFETCH(QString, file);
        if (missing)
            QDir(templatesDir.path()).removeRecursively();
        else if (file.endsWith(QLatin1Char('/')))
            QDir().mkpath(templatesDir + file);
        else if (!file.isEmpty())
            writeTemplate(file);
        zarFileTableDataModel model(0);
        QCOMPARE(model.rowCount(), 0);
        QVERIFY(model.isEmpty());
        QCOMPARE(model.columnCount(), 17);
    }

    // Unreadable heads are left out without a gap; a head cut short still shows.
    void damagedFiles()
    {
        zarArrangement record;
        record.cables = 2;
        record.measurements = 700;
        record.arrayTypeSets = { { 0, 2 } };
        writeTemplate(QStringLiteral("a.zarTemplate"), record);
        writeBytes(templatesDir + "b session.zarTemplate", head(zarSessionFile::magic, record));
        writeBytes(templatesDir + "c short.zarTemplate", QByteArray("\x88\x99\x33", 3));
        writeBytes(templatesDir + "d cut.zarTemplate", head(templateMagic, record).left(4 + 8 + 1 + 2));
        writeTemplate(QStringLiteral("e.zarTemplate"), record);

        zarFileTableDataModel model(0);
        QCOMPARE(names(model), QStringList({ "a", "d cut", "e" }));
        QStringList cut;
        for (int column = 1; column < 17; ++column)
            cut << model.data(model.index(1, column)).toString();
        // Spacing and cables were read; the rest lies past the end.
        QCOMPARE(cut, QStringList({ "2", "5.0", "0", "0", "", "", "", "", "", "", "", "", "", "", "", "" }));
        QCOMPARE(model.data(model.index(2, 5)).toString(), QStringLiteral("2S"));
    }

    void nameOrderAndCase()
    {
        for (const char* file : { "Gamma.zarTemplate", "beta.zarTemplate", "Line 1.zarTemplate", "alpha.ZARTEMPLATE",
                                  "double.zarTemplate.zarTemplate" })
            writeTemplate(QLatin1String(file));
        zarFileTableDataModel model(0);
        QCOMPARE(names(model), QStringList({ "alpha.ZARTEMPLATE", "beta", "double", "Gamma", "Line 1" }));
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
        writeTemplate(file);
        zarFileTableDataModel model(0);
        QCOMPARE(names(model), QStringList(name));
        QCOMPARE(model.path(0), templatesDir + file);
        QCOMPARE(model.path(1), QString());
        QCOMPARE(model.path(-1), QString());
        zarFileTableDialog dialog(&model);
        QCOMPARE(dialog.selectedPath(), templatesDir + file);
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
        QTest::newRow("gradient 9 both") << Sets { { 11, 3 }, { 21, 4 } } << 5.0f << 16 << "3S:4R";
        QTest::newRow("forward pole-dipole has no reciprocal") << Sets { { 5, 1 }, { 17, 2 } } << 5.0f << 10 << "1S";
        QTest::newRow("backward pole-dipole") << Sets { { 6, 2 } } << 5.0f << 11 << "2S";
        QTest::newRow("spacing with a fraction") << Sets() << 2.5f << 2 << "2.5";
        QTest::newRow("whole spacing") << Sets() << 10.0f << 2 << "10.0";
        QTest::newRow("cables") << Sets() << 5.0f << 1 << "2";
        QTest::newRow("measurements") << Sets() << 5.0f << 3 << "1234";
        QTest::newRow("runs") << Sets() << 5.0f << 4 << "77";
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
        record.runs = 77;
        writeTemplate(QStringLiteral("t.zarTemplate"), record);
        zarFileTableDataModel model(0);
        QCOMPARE(model.data(model.index(0, column)).toString(), text);
    }

    void headerAndRoles()
    {
        writeTemplate(QStringLiteral("t.zarTemplate"));
        zarFileTableDataModel model(0);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QStringList titles;
        for (int section = 0; section < model.columnCount(); ++section)
            titles << model.headerData(section, Qt::Horizontal).toString();
        QCOMPARE(titles, QStringList({ "Template", "Cbl", "CS[m]", "Qdps", "Runs", QStringLiteral("W\u03b1"),
                                       QStringLiteral("W\u03b2"), QStringLiteral("W\u03b3"), "Sch", "DD", "FPD", "BPD",
                                       "PP", "G3", "G5", "G7", "G9" }));
        QVERIFY(!model.headerData(0, Qt::Vertical).isValid());
        QVERIFY(!model.headerData(0, Qt::Horizontal, Qt::ToolTipRole).isValid());
        QCOMPARE(model.data(model.index(0, 0), Qt::TextAlignmentRole).toInt(), 1);
        QCOMPARE(model.data(model.index(0, 9), Qt::TextAlignmentRole).toInt(), 132);
        QVERIFY(!model.data(model.index(0, 0), Qt::ToolTipRole).isValid());
        QCOMPARE(model.flags(model.index(0, 3)), Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren);
    }

    // An index of another model reaching past the table reads nothing.
    void foreignIndexOutOfBounds()
    {
        writeTemplate(QStringLiteral("t.zarTemplate"));
        zarFileTableDataModel model(0);
        QStandardItemModel other(40, 40);
        for (const QModelIndex& index : { other.index(5, 0), other.index(0, 30), other.index(5, 30) }) {
            QVERIFY(!model.data(index).isValid());
            QVERIFY(!model.data(index, Qt::TextAlignmentRole).isValid());
        }
    }

    void sessionMode()
    {
        zarArrangement record;
        record.runs = 12;
        writeBytes(sessionsDir + "walk.zarSession", head(zarSessionFile::magic, record));
        writeBytes(sessionsDir + "template.zarSession", head(templateMagic, record));
        writeTemplate(QStringLiteral("t.zarTemplate"));
        zarFileTableDataModel model(1);
        QCOMPARE(names(model), QStringList({ "walk" }));
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Session"));
        QCOMPARE(model.data(model.index(0, 4)).toString(), QStringLiteral("12"));
        QCOMPARE(model.path(0), sessionsDir + "walk.zarSession");
    }

    void dialogOpensOnFirstRow()
    {
        for (const char* file : { "b.zarTemplate", "a.zarTemplate" })
            writeTemplate(QLatin1String(file));
        zarFileTableDataModel model(0);
        zarFileTableDialog dialog(&model);
        QCOMPARE(dialog.selectedName(), QStringLiteral("a"));
        QCOMPARE(dialog.size(), QSize(1024, 600));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QCOMPARE(dialog.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint), Qt::WindowFlags());
        QVERIFY(dialog.fileTableView->verticalHeader()->isHidden());
        QVERIFY(!dialog.fileTableView->horizontalHeader()->sectionsClickable());
        QCOMPARE(dialog.fileTableView->editTriggers(), QAbstractItemView::NoEditTriggers);
        QVERIFY(!dialog.fileTableView->horizontalHeader()->styleSheet().isEmpty());
    }

    // A touch anywhere on a row selects that whole row, and Accept hands back its name.
    void touchSelectsRow()
    {
        for (const char* file : { "a.zarTemplate", "b.zarTemplate", "c.zarTemplate" })
            writeTemplate(QLatin1String(file));
        zarFileTableDataModel model(0);
        zarFileTableDialog dialog(&model);
        QTableView* view = dialog.fileTableView;
        zarWhenModal([&](QWidget*) {
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(model.index(2, 7)).center());
            dialog.acceptPushButton->click();
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(dialog.selectedName(), QStringLiteral("c"));
        QCOMPARE(dialog.selectedPath(), templatesDir + "c.zarTemplate");
        QCOMPARE(view->selectionModel()->selectedRows().size(), 1);
        QCOMPARE(view->selectionModel()->selectedIndexes().size(), 17);
    }

    void cancel()
    {
        writeTemplate(QStringLiteral("a.zarTemplate"));
        zarFileTableDataModel model(0);
        zarFileTableDialog dialog(&model);
        zarWhenModal([&](QWidget*) { dialog.cancelPushButton->click(); });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    }

    void relabelledOnLanguageChange()
    {
        writeTemplate(QStringLiteral("a.zarTemplate"));
        zarFileTableDataModel model(0);
        zarFileTableDialog dialog(&model);
        QVERIFY(zarTranslator::instance()->setLanguage(QStringLiteral("Ru")));
        const QStringList ru { dialog.acceptPushButton->text(), dialog.cancelPushButton->text() };
        zarFileTableDataModel russian(0);
        const QString title = russian.headerData(0, Qt::Horizontal).toString();
        QVERIFY(zarTranslator::instance()->setLanguage(QStringLiteral("En")));
        QCOMPARE(ru, QStringList({ QStringLiteral("Принять"), QStringLiteral("Отмена") }));
        QCOMPARE(title, QStringLiteral("Шаблон"));
        QCOMPARE(dialog.acceptPushButton->text(), QStringLiteral("Accept"));
        // The titles keep the language the model was made in.
        QCOMPARE(russian.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Шаблон"));
    }
};

ZAR_TEST_MAIN(TestFileTable)
#include "test_filetable.moc"
