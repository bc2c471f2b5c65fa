#include "zardialoganswer.h"
#include "zarstreamhelpers.h"
#include "zartemplatefixture.h"

#include "core/zarnames.h"
#include "templates/zaraddmodifyarraydialog.h"
#include "templates/zartemplatetableview.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <functional>
#include <limits>

Q_DECLARE_METATYPE(zarArrangement)
Q_DECLARE_METATYPE(zarTemplateFixture::Set)

// The template model: its grid and sets, the set commands, its file and the ERTLab
// import; the grid's touch view and the array dialog.
class TestTemplateDataModel : public QObject
{
    Q_OBJECT

    zarDialogAnswer answer;

    // The message a refused read showed; empty when the read succeeded.
    QString refusal(const std::function<bool()>& read)
    {
        answer.expect();
        const bool accepted = read();
        answer.disarm();
        return accepted ? QString() : answer.text;
    }

    QString loadBytes(const QByteArray& bytes)
    {
        zarTemplateDataModel model;
        const QString path = zarTemplateFixture::write(bytes, QStringLiteral("probe.zarTemplate"));
        return refusal([&] { return model.loadTemplate(path, true); });
    }

    QString importText(const QByteArray& text, zarTemplateDataModel& model)
    {
        const QString path = zarTemplateFixture::write(text, QStringLiteral("ertlab.txt"));
        return refusal([&] { return model.importErtLab(path); });
    }

    static QByteArray oneSetFile() { return zarTemplateFixture::bytes(2, 5, { { 3, { { 0, 0 }, { 1, 4 } } } }); }

    // The good file with its header replaced and its spacings patched.
    static QByteArray file(const zarArrangement& header, float spacing, float setSpacing)
    {
        QByteArray bytes = oneSetFile();
        const QByteArray head = written(header);
        bytes.replace(4, 33, head);
        bytes.replace(4 + head.size() + 1, 8, written(spacing));
        bytes.replace(bytes.size() - 8, 8, written(setSpacing));
        return bytes;
    }

    // Accepts the array dialog with the given type, or cancels it with -1.
    static void pickArray(int type)
    {
        zarWhenModal([type](QWidget* w) {
            auto* dialog = qobject_cast<zarAddModifyArrayDialog*>(w);
            if (dialog && type < 0)
                dialog->cancelPushButton->click();
            if (dialog && type >= 0) {
                dialog->arrayComboBox->setCurrentIndex(type);
                dialog->acceptPushButton->click();
            }
        });
    }

    // Loaded for the screen: the selector and labels follow.
    static bool loadShown(zarTemplateDataModel& model, const QList<zarTemplateFixture::Set>& sets)
    {
        return model.loadTemplate(zarTemplateFixture::write(zarTemplateFixture::bytes(2, 5, sets)), false);
    }

private slots:
    // A new model: the 30 x 99 grid numbered from 1, no set, nothing changed.
    void newModel()
    {
        zarTemplateDataModel model;
        QCOMPARE(model.rowCount(), 30);
        QCOMPARE(model.columnCount(), 99);
        QCOMPARE(model.count(), 0);
        QCOMPARE(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toInt(), 1);
        QCOMPARE(model.headerData(98, Qt::Vertical, Qt::DisplayRole).toInt(), 99);
        QCOMPARE(model.headerData(3, Qt::Vertical, Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
        QVERIFY(!model.data(model.index(0, 0), Qt::DecorationRole).isValid());
        QVERIFY(!model.isModified());
        QCOMPARE(model.arrayType(3), qint8(-1));
        QCOMPARE(model.measurementCount(), 0);
    }

    // Without a set the set commands refuse and the plot is cleared.
    void withoutASetNothingIsEdited()
    {
        zarTemplateDataModel model;
        QSignalSpy clear(&model, &zarTemplateDataModel::sendPlotClear);
        model.onCurrentSetChange(0);
        QCOMPARE(clear.count(), 1);
        QCOMPARE(clear.first().first().toBool(), true);
        QVERIFY(!model.onSetRemove());
        QVERIFY(!model.onSetClear());
        QVERIFY(!model.onSetModify());
        QVERIFY(!model.onSetClone());
        model.onSpacingLevelAuxConfig(0, 0, true);
        QVERIFY(!model.isModified());
        QCOMPARE(model.count(), 0);
    }

    void selectionWithoutASetAsksForTheArray_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("sets");
        QTest::addColumn<int>("measurements");
        QTest::newRow("cancelled") << -1 << 0 << 0;
        QTest::newRow("Schlumberger") << 3 << 1 << 61 + 59 + 57;
    }
    // Cells touched before any set exist ask for the array of a new set first.
    void selectionWithoutASetAsksForTheArray()
    {
        QFETCH(int, type);
        QFETCH(int, sets);
        zarTemplateDataModel model;
        pickArray(type);
        model.onSpacingLevelMainConfig({ model.index(0, 0), model.index(0, 1), model.index(2, 1) });
        QCOMPARE(model.count(), sets);
        QCOMPARE(model.isModified(), sets > 0);
        QTEST(model.measurementCount(), "measurements");
        if (sets)
            QCOMPARE(model.arrayType(0), qint8(type));
    }

    // Touching a selected cell again takes it out; a cell's picture follows.
    void selectionToggles()
    {
        zarTemplateDataModel model;
        QVERIFY(zarTemplateFixture::load(model, 2, 5, { { 3, { { 0, 0 }, { 0, 1 }, { 2, 1 } } } }));
        QVERIFY(model.data(model.index(0, 1), Qt::DecorationRole).isValid());
        model.onSpacingLevelMainConfig({ model.index(0, 1) });
        QCOMPARE(model.measurementCount(), 61 + 57);
        QVERIFY(!model.data(model.index(0, 1), Qt::DecorationRole).isValid());
        QVERIFY(model.isModified());
    }

    // The plots get the current set's quadripoles one spacing at a time, drawn once
    // with the last.
    void plotsGetOneSeriesPerSpacing()
    {
        zarTemplateDataModel model;
        QVERIFY(zarTemplateFixture::load(model, 2, 5, { { 3, { { 0, 0 }, { 0, 1 }, { 2, 1 } } } }));
        QSignalSpy clear(&model, &zarTemplateDataModel::sendPlotClear);
        QSignalSpy plot(&model, &zarTemplateDataModel::sendPlotUpdate);
        model.onCurrentSetChange(0);
        QCOMPARE(clear.count(), 1);
        QCOMPARE(clear.first().first().toBool(), false);
        QCOMPARE(plot.count(), 2);
        QCOMPARE(plot.first().at(0).value<zarSpacing>(), zarSpacing(0));
        QCOMPARE(plot.first().at(1).value<QList<zarQuadripole>>().size(), 61 + 59);
        QCOMPARE(plot.first().at(2).toBool(), false);
        QCOMPARE(plot.last().at(0).value<zarSpacing>(), zarSpacing(2));
        QCOMPARE(plot.last().at(1).value<QList<zarQuadripole>>().size(), 57);
        QCOMPARE(plot.last().at(2).toBool(), true);
    }

    // Grounding cells are grey.
    void auxCellsAreGrey()
    {
        zarTemplateDataModel model;
        QVERIFY(zarTemplateFixture::load(model, 2, 5, { { 3, { { 0, 0 } } } }));
        model.onSpacingLevelAuxConfig(2, 1, true);
        QVERIFY(model.isModified());
        QCOMPARE(model.data(model.index(2, 1), Qt::BackgroundRole).value<QColor>(), QColor(Qt::gray));
        QVERIFY(!model.data(model.index(1, 2), Qt::BackgroundRole).isValid());
        model.onSpacingLevelAuxConfig(2, 1, false);
        QVERIFY(!model.data(model.index(2, 1), Qt::BackgroundRole).isValid());
    }

    // A new arrangement rebuilds every set and its labels and marks the template changed.
    void arrangementRebuildsEverySet()
    {
        zarTemplateDataModel model;
        QLabel cables, electrodes, spacing, length;
        model.setInfoLabels(&cables, &electrodes, &spacing, &length);
        QVERIFY(zarTemplateFixture::load(model, 2, 5, { { 3, { { 0, 0 }, { 2, 1 } } }, { 0, { { 0, 0 } } } }));
        QVERIFY(!model.isModified());
        model.setArrangement(1, 2.5f);
        QVERIFY(model.isModified());
        QCOMPARE(model.cables(), zarCable(1));
        QCOMPARE(model.sets()[0].measurementCount(), 29 + 25);
        QCOMPARE(model.sets()[1].measurementCount(), 29);
        QCOMPARE(cables.text(), QStringLiteral("<font color=blue>1</font>"));
        QCOMPARE(electrodes.text(), QStringLiteral("<font color=blue>32</font>"));
        QCOMPARE(spacing.text(), QStringLiteral("<font color=blue>2.5</font> m"));
        QCOMPARE(length.text(), QStringLiteral("<font color=blue>77.5</font> m"));
    }

    void sameArrangementChangesNothing()
    {
        zarTemplateDataModel model;
        QVERIFY(zarTemplateFixture::load(model, 2, 5, { { 3, { { 0, 0 } } } }));
        model.setArrangement(2, 5);
        QVERIFY(!model.isModified());
    }

    // The labels of a new model: two cables of 5 m.
    void infoLabels()
    {
        zarTemplateDataModel model;
        QLabel cables, electrodes, spacing, length;
        model.setInfoLabels(&cables, &electrodes, &spacing, &length);
        QCOMPARE(cables.text(), QStringLiteral("<font color=blue>2</font>"));
        QCOMPARE(electrodes.text(), QStringLiteral("<font color=blue>64</font>"));
        QCOMPARE(spacing.text(), QStringLiteral("<font color=blue>5.0</font> m"));
        QCOMPARE(length.text(), QStringLiteral("<font color=blue>315.0</font> m"));
    }

    // A load for the screen updates the selector; a quiet one leaves it.
    void aLoadForTheScreenUpdatesIt_data()
    {
        QTest::addColumn<bool>("quiet");
        QTest::addColumn<int>("entries");
        QTest::newRow("for the screen") << false << 1;
        QTest::newRow("quiet") << true << 0;
    }
    void aLoadForTheScreenUpdatesIt()
    {
        QFETCH(bool, quiet);
        zarTemplateDataModel model;
        QComboBox selector;
        model.setSetComboBox(&selector);
        const QString path = zarTemplateFixture::write(zarTemplateFixture::bytes(1, 5, { { 0, { { 0, 0 } } } }));
        QVERIFY(model.loadTemplate(path, quiet));
        QTEST(selector.count(), "entries");
    }

    void invalidTemplates_data()
    {
        QTest::addColumn<QList<zarTemplateFixture::Set>>("sets");
        QTest::addColumn<QString>("message");
        QTest::newRow("no set") << QList<zarTemplateFixture::Set>() << "Template is empty";
        QTest::newRow("an empty set") << QList<zarTemplateFixture::Set>({ { 3, { { 0, 0 } } }, { 11, {} } })
                                      << "Template contains an empty set";
        QTest::newRow("valid") << QList<zarTemplateFixture::Set>({ { 3, { { 0, 0 } } } }) << "";
    }
    // A template is saved only with sets, none of them empty.
    void invalidTemplates()
    {
        QFETCH(QList<zarTemplateFixture::Set>, sets);
        QFETCH(QString, message);
        zarTemplateDataModel model;
        QVERIFY(zarTemplateFixture::load(model, 2, 5, sets));
        answer.expect();
        QCOMPARE(model.isValid(), message.isEmpty());
        answer.disarm();
        QCOMPARE(answer.text, message);
    }

    // The selector names each set with its place, array and measurements, and picks
    // the current set.
    void theSelectorNamesEachSet()
    {
        zarTemplateDataModel model;
        QComboBox selector;
        model.setSetComboBox(&selector);
        QVERIFY(loadShown(model, { { 3, { { 0, 0 }, { 0, 1 } } }, { 0, {} } }));
        QCOMPARE(selector.count(), 2);
        QCOMPARE(selector.itemText(0), QStringLiteral("1/2 Schlumberger [120]"));
        QCOMPARE(selector.itemText(1), QStringLiteral("2/2 %1 [0]").arg(arrayName(0)));
        selector.setCurrentIndex(1);
        QCOMPARE(model.currentSetIndex(), 1);
        selector.setCurrentIndex(0);
        QCOMPARE(model.currentSetIndex(), 0);
    }

    // A new set becomes the current one.
    void anAddedSetIsCurrent()
    {
        zarTemplateDataModel model;
        QComboBox selector;
        model.setSetComboBox(&selector);
        QVERIFY(loadShown(model, { { 3, { { 0, 0 } } } }));
        pickArray(7);
        QVERIFY(model.onSetAdd());
        QCOMPARE(model.count(), 2);
        QCOMPARE(model.currentSetIndex(), 1);
        QCOMPARE(model.arrayType(1), qint8(7));
        QCOMPARE(selector.currentIndex(), 1);
        QVERIFY(model.isModified());
    }

    void cloneAddsACopyAndSaysSo()
    {
        zarTemplateDataModel model;
        QVERIFY(zarTemplateFixture::load(model, 2, 5, { { 3, { { 0, 0 }, { 0, 1 } } }, { 0, {} } }));
        model.onCurrentSetChange(0);
        answer.expect();
        QVERIFY(model.onSetClone());
        QCOMPARE(answer.text, QStringLiteral("Set was cloned successfully"));
        QCOMPARE(model.count(), 3);
        QCOMPARE(model.currentSetIndex(), 2);
        QCOMPARE(model.sets()[2].mainMatrix(), model.sets()[0].mainMatrix());
        QCOMPARE(model.arrayType(2), qint8(3));
    }

    void atMostEightSets_data()
    {
        QTest::addColumn<bool>("clone");
        QTest::newRow("add") << false;
        QTest::newRow("clone") << true;
    }
    // A ninth set is refused, said so.
    void atMostEightSets()
    {
        QFETCH(bool, clone);
        zarTemplateDataModel model;
        QList<zarTemplateFixture::Set> sets;
        for (int i = 0; i < 8; ++i)
            sets.append({ 4, { { 0, 0 } } });
        QVERIFY(zarTemplateFixture::load(model, 2, 5, sets));
        answer.expect();
        QVERIFY(!(clone ? model.onSetClone() : model.onSetAdd()));
        QCOMPARE(answer.text, QStringLiteral("Can not add one more set"));
        QCOMPARE(model.count(), 8);
    }

    // Removing asks first and keeps the set on No; the current set stays within the sets.
    void removeAsks_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("current");
        QTest::addColumn<QList<int>>("types");
        QTest::addColumn<int>("currentAfter");
        QTest::newRow("no") << int(QMessageBox::No) << 0 << QList<int>({ 3, 4, 5 }) << 0;
        QTest::newRow("yes, the first") << int(QMessageBox::Yes) << 0 << QList<int>({ 4, 5 }) << 0;
        QTest::newRow("yes, the middle") << int(QMessageBox::Yes) << 1 << QList<int>({ 3, 5 }) << 1;
        QTest::newRow("yes, the last") << int(QMessageBox::Yes) << 2 << QList<int>({ 3, 4 }) << 1;
    }
    void removeAsks()
    {
        QFETCH(int, button);
        QFETCH(int, current);
        QFETCH(QList<int>, types);
        zarTemplateDataModel model;
        QVERIFY(zarTemplateFixture::load(model, 2, 5, { { 3, { { 0, 0 } } }, { 4, { { 0, 0 } } }, { 5, { { 0, 0 } } } }));
        model.onCurrentSetChange(current);
        answer.expect(QMessageBox::StandardButton(button));
        QCOMPARE(model.onSetRemove(), button == QMessageBox::Yes);
        QCOMPARE(answer.text, QStringLiteral("Are you sure you want to remove current set?"));
        QList<int> left;
        for (const zarTemplateSet& set : model.sets())
            left << set.arrayType();
        QCOMPARE(left, types);
        QTEST(model.currentSetIndex(), "currentAfter");
    }

    // Removing the only set leaves an empty template.
    void removingTheLastSet()
    {
        zarTemplateDataModel model;
        QVERIFY(zarTemplateFixture::load(model, 2, 5, { { 3, { { 0, 0 } } } }));
        QSignalSpy clear(&model, &zarTemplateDataModel::sendPlotClear);
        answer.expect(QMessageBox::Yes);
        QVERIFY(model.onSetRemove());
        QCOMPARE(model.count(), 0);
        QCOMPARE(clear.last().first().toBool(), true);
        QVERIFY(!model.onSetRemove());
    }

    void modifyChangesTheArrayOfTheCurrentSet_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("changed");
        QTest::newRow("another array") << 15 << true;
        QTest::newRow("the same array") << 3 << false;
        QTest::newRow("cancelled") << -1 << false;
    }
    // The dialog opens at the set's array; picking it again changes nothing.
    void modifyChangesTheArrayOfTheCurrentSet()
    {
        QFETCH(int, type);
        QFETCH(bool, changed);
        zarTemplateDataModel model;
        QComboBox selector;
        model.setSetComboBox(&selector);
        QVERIFY(loadShown(model, { { 0, { { 0, 0 } } }, { 3, { { 0, 0 } } } }));
        model.onCurrentSetChange(1);
        int offered = -1;
        zarWhenModal([type, &offered](QWidget* w) {
            auto* dialog = qobject_cast<zarAddModifyArrayDialog*>(w);
            if (!dialog)
                return;
            offered = dialog->array();
            if (type < 0) {
                dialog->cancelPushButton->click();
            } else {
                dialog->arrayComboBox->setCurrentIndex(type);
                dialog->acceptPushButton->click();
            }
        });
        QCOMPARE(model.onSetModify(), changed);
        QCOMPARE(offered, 3);
        QCOMPARE(model.isModified(), changed);
        QCOMPARE(model.arrayType(1), qint8(changed ? type : 3));
        QCOMPARE(model.arrayType(0), qint8(0));
        QCOMPARE(selector.itemText(1), QStringLiteral("2/2 %1 [61]").arg(arrayName(zarArrayType(changed ? type : 3))));
    }

    void clearEmptiesTheCurrentSet_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QList<int>>("counts");
        QTest::newRow("yes") << int(QMessageBox::Yes) << QList<int>({ 61, 0 });
        QTest::newRow("no") << int(QMessageBox::No) << QList<int>({ 61, 61 + 58 });
    }
    // Clearing asks first and empties only the current set.
    void clearEmptiesTheCurrentSet()
    {
        QFETCH(int, button);
        zarTemplateDataModel model;
        QVERIFY(zarTemplateFixture::load(model, 2, 5, { { 3, { { 0, 0 } } }, { 0, { { 0, 0 }, { 0, 1 } } } }));
        model.onCurrentSetChange(1);
        answer.expect(QMessageBox::StandardButton(button));
        QCOMPARE(model.onSetClear(), button == QMessageBox::Yes);
        QCOMPARE(answer.text, QStringLiteral("Are you sure you want to clear current set?"));
        QList<int> counts;
        for (const zarTemplateSet& set : model.sets())
            counts << set.measurementCount();
        QTEST(counts, "counts");
        QCOMPARE(model.arrayType(1), qint8(0));
    }

    // Sets of each array are counted for the file's header.
    void arrayTypeCounts()
    {
        zarTemplateDataModel model;
        QVERIFY(zarTemplateFixture::load(model, 2, 5, { { 4, { { 0, 0 } } }, { 3, { { 0, 0 } } }, { 4, { { 1, 0 } } } }));
        QCOMPARE(model.arrayTypeCounts(), (QMap<qint8, qint8> { { 3, 1 }, { 4, 2 } }));
    }

    // The cells touched between press and release go to the model; the view keeps
    // no selection, and a release without a touch hands over nothing.
    void tableViewHandsOverTouchedCells()
    {
        zarTemplateDataModel model;
        zarTemplateTableView view;
        view.setModel(&model);
        view.resize(600, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QSignalSpy spy(&view, &zarTemplateTableView::sendSelection);
        const QPoint cell = view.visualRect(model.index(1, 2)).center();
        QTest::mousePress(view.viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, cell);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.first().first().value<QModelIndexList>(), QModelIndexList({ model.index(1, 2) }));
        QVERIFY(view.selectionModel()->selectedIndexes().isEmpty());
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, cell);
        QCOMPARE(spy.count(), 2);
        QVERIFY(spy.last().first().value<QModelIndexList>().isEmpty());
    }

    // The array dialog offers every array by its name, in type order.
    void arrayDialogListsEveryArray()
    {
        zarAddModifyArrayDialog dialog;
        QCOMPARE(dialog.arrayComboBox->count(), 22);
        QCOMPARE(dialog.arrayComboBox->itemText(0), arrayName(0));
        QCOMPARE(dialog.arrayComboBox->itemText(21), arrayName(21));
        dialog.arrayComboBox->setCurrentIndex(4);
        QCOMPARE(dialog.array(), 4);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Add / modify array"));
    }

    void hostileArrangementsAreRefused_data()
    {
        const int cablesAt = 4 + 33, countAt = cablesAt + 9;
        QTest::addColumn<int>("at");
        QTest::addColumn<QByteArray>("hex");
        QTest::newRow("no cable") << cablesAt << QByteArray("00");
        QTest::newRow("negative spacing") << cablesAt + 1 << QByteArray("c014000000000000");
        QTest::newRow("zero spacing") << cablesAt + 1 << QByteArray("0000000000000000");
        QTest::newRow("set's column count") << countAt + 9 << QByteArray("00000062");
        QTest::newRow("header count at byte 33") << 33 << QByteArray("7fffffff");
    }
    // Cables, spacings and grid sizes no template of the program has.
    void hostileArrangementsAreRefused()
    {
        QFETCH(int, at);
        QFETCH(QByteArray, hex);
        const QByteArray bad = oneSetFile().replace(at, hex.size() / 2, QByteArray::fromHex(hex));
        QCOMPARE(loadBytes(bad), QStringLiteral("Template is corrupted"));
    }

    // Three sets of one cable saved and read back: the sets in order, the arrangement,
    // and the header's runs and measurements.
    void roundTripKeepsSetsInOrder()
    {
        zarTemplateDataModel model;
        const QByteArray three = zarTemplateFixture::bytes(
            1, 2.5f, { { 0, { { 0, 1 } } }, { 16, { { 2, 2 }, { 3, 1 } } }, { 7, { { 0, 5 } } } });
        QVERIFY(model.loadTemplate(zarTemplateFixture::write(three), false));
        const QString base = zarDriveRoot::path() + QStringLiteral("three");
        QVERIFY(model.saveTemplateTo(base));
        zarTemplateDataModel back;
        QVERIFY(back.loadTemplate(base + QStringLiteral(".zarTemplate"), true));
        QCOMPARE(back.count(), 3);
        QCOMPARE(back.cables(), zarCable(1));
        QCOMPARE(back.cableSpacing(), 2.5f);
        QCOMPARE(back.header().runs, model.sequenceLength());
        QCOMPARE(back.header().measurements, model.measurementCount());
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(back.sets()[i].arrayType(), model.sets()[i].arrayType());
            QCOMPARE(back.sets()[i].mainMatrix(), model.sets()[i].mainMatrix());
        }
    }

    // Saving over a file asks first and No keeps it and the changes; a file that cannot
    // be opened is told.
    void savingAsksAndReports()
    {
        zarTemplateDataModel model;
        QVERIFY(zarTemplateFixture::load(model, 2, 5, { { 0, { { 0, 0 } } } }));
        model.onSpacingLevelAuxConfig(0, 0, true);
        const QString base = zarDriveRoot::path() + QStringLiteral("exists");
        zarTemplateFixture::write("old", QStringLiteral("exists.zarTemplate"));
        answer.expect(QMessageBox::No);
        QVERIFY(!model.saveTemplateTo(base));
        QCOMPARE(answer.text, QStringLiteral("File exists, do you want to overwrite it?"));
        QCOMPARE(zarTemplateFixture::read(base + QStringLiteral(".zarTemplate")), QByteArray("old"));
        QVERIFY(model.isModified());
        zarDiagnosticCapture capture;
        answer.expect();
        QVERIFY(!model.saveTemplateTo(zarDriveRoot::path() + QStringLiteral("missing/dir/x")));
        QCOMPARE(answer.text, QStringLiteral("Can not open file for writing"));
        QVERIFY(capture.text().startsWith(QStringLiteral("File error: ")));
        QVERIFY(model.isModified());
    }

    void arrangementOfOneValue_data()
    {
        QTest::addColumn<int>("cables");
        QTest::addColumn<float>("spacing");
        QTest::addColumn<QString>("length");
        QTest::addColumn<int>("measurements");
        QTest::newRow("cables only") << 1 << 5.0f << "<font color=blue>155.0</font> m" << 29;
        QTest::newRow("spacing only") << 2 << 2.5f << "<font color=blue>157.5</font> m" << 61;
    }
    // A change of the cables or of the spacing alone is a new arrangement too.
    void arrangementOfOneValue()
    {
        QFETCH(int, cables);
        QFETCH(float, spacing);
        zarTemplateDataModel model;
        QLabel cableCount, electrodes, spacingLabel, length;
        model.setInfoLabels(&cableCount, &electrodes, &spacingLabel, &length);
        QVERIFY(zarTemplateFixture::load(model, 2, 5, { { 3, { { 0, 0 } } } }));
        model.setArrangement(zarCable(cables), spacing);
        QVERIFY(model.isModified());
        QTEST(length.text(), "length");
        QTEST(model.measurementCount(), "measurements");
        QCOMPARE(model.cableSpacing(), spacing);
    }

    void ertLabFaultsInOrder_data()
    {
        const QByteArray header = "# X Y Z\n1 0 0 0\n2 1 0 0\n3 2 0 0\n4 3 0 0\n# A B M N\n";
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("A not in the header") << header + "1 9 2 3 4\n" << "Header does not contains electrode 9 (row: 1)";
        QTest::newRow("negative") << header + "1 1 2 3 -4\n" << "Quadripole row can not be read (row: 1)";
        QTest::newRow("remote A before N") << header + "1 0 2 3 70\n" << "A electrode can not be remote (row: 1)";
    }
    // Electrodes are checked A first, and a sign is no number of an electrode.
    void ertLabFaultsInOrder()
    {
        QFETCH(QByteArray, text);
        zarTemplateDataModel model;
        QTEST(importText(text, model), "message");
    }

    // A sequence of the electrodes alone imports, without quadripoles, and is no change
    // of the template's sets.
    void ertLabHeaderOnly()
    {
        zarTemplateDataModel model;
        QCOMPARE(importText("# X Y Z\n1 0 0 0\n# A B M N\n", model), QString());
        QCOMPARE(model.ertElectrodes.size(), 1);
        QVERIFY(model.ertQuadripoles.isEmpty());
        QVERIFY(!model.isModified());
        QCOMPARE(model.count(), 0);
    }

    void currentSetStaysWithinTheSets_data()
    {
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("current");
        QTest::newRow("the second") << 1 << 1;
        QTest::newRow("past the last: the last") << 99 << 2;
        QTest::newRow("before the first: the first") << -1 << 0;
    }
    // A set number outside the sets picks the nearest set, and its quadripoles are shown.
    void currentSetStaysWithinTheSets()
    {
        QFETCH(int, chosen);
        zarTemplateDataModel model;
        QVERIFY(zarTemplateFixture::load(model, 2, 5, { { 3, { { 0, 0 } } }, { 4, { { 0, 0 } } }, { 5, { { 0, 0 } } } }));
        QSignalSpy plot(&model, &zarTemplateDataModel::sendPlotUpdate);
        model.onCurrentSetChange(chosen);
        QTEST(model.currentSetIndex(), "current");
        QCOMPARE(plot.count(), 1);
        QVERIFY(model.data(model.index(0, 0), Qt::DecorationRole).isValid());
    }

    // No path is a new template, and announces its arrangement; a missing file is told.
    void loadingWithoutAFile()
    {
        zarTemplateDataModel model;
        QSignalSpy arrangement(&model, &zarTemplateDataModel::sendArrangementUpdate);
        QVERIFY(model.loadTemplate(QString(), false));
        QCOMPARE(arrangement.count(), 1);
        QCOMPARE(arrangement.first().at(0).value<zarCable>(), zarCable(2));
        zarDiagnosticCapture capture;
        QCOMPARE(refusal([&] { return model.loadTemplate(zarDriveRoot::path() + QStringLiteral("none.zarTemplate"), false); }),
                 QStringLiteral("Can not open file for reading"));
        QVERIFY(capture.text().startsWith(QStringLiteral("File error: ")));
    }

    // A set may hold 3168 measurements per cable and not one more.
    void tooManyMeasurementsFromOneOverTheLimit_data()
    {
        QTest::addColumn<int>("beyond");
        QTest::addColumn<bool>("tooMany");
        QTest::newRow("at the limit") << 0 << false;
        QTest::newRow("one over") << 1 << true;
    }

    void tooManyMeasurementsFromOneOverTheLimit()
    {
        QFETCH(int, beyond);
        QFETCH(bool, tooMany);
        zarTemplateDataModel model;
        QVERIFY(zarTemplateFixture::load(model, 2, 5, { { 4, {} } }));
        // Dipole-dipole cells count 64 - (n + 2m) on two cables, down to single ones:
        // taking them greedily reaches the limit exactly.
        const int limit = 2 * 3168;
        for (int s = 0; s < zarGrid::spacings && model.measurementCount() < limit; ++s)
            for (int l = 0; l < zarGrid::levels && model.measurementCount() < limit; ++l) {
                model.onSpacingLevelMainConfig({ model.index(s, l) });
                if (model.measurementCount() > limit)
                    model.onSpacingLevelMainConfig({ model.index(s, l) });
            }
        QCOMPARE(model.measurementCount(), limit);
        if (beyond)
            model.onSpacingLevelMainConfig({ model.index(29, 2) }); // n + 2m = 63: one more
        QCOMPARE(model.measurementCount(), limit + beyond);
        answer.expect();
        QCOMPARE(model.hasTooManyMeasurements(), tooMany);
        answer.disarm();
        QCOMPARE(answer.shown, tooMany);
    }

    void goldenOneSetFile()
    {
        zarTemplateDataModel model;
        QVERIFY(zarTemplateFixture::load(model, 2, 5, { { 3, { { 0, 0 }, { 1, 4 } } } }));
        const QString base = zarDriveRoot::path() + QStringLiteral("abc");
        QVERIFY(model.saveTemplateTo(base));
        const QByteArray bytes = zarTemplateFixture::read(base + QStringLiteral(".zarTemplate"));
        // magic, header with one array-type entry, cables, spacing, count, one set
        QCOMPARE(bytes.size(), 4 + 35 + 1 + 8 + 4 + 6198);
        QCOMPARE(bytes.left(13).toHex(), QByteArray("88993366401400000000000002"));
        QCOMPARE(bytes.mid(13, 4).toHex(), QByteArray::number(model.measurementCount(), 16).rightJustified(8, '0'));
        QCOMPARE(bytes.mid(21, 6).toHex(), QByteArray("000000010301"));
        QCOMPARE(bytes.mid(39, 14).toHex(), QByteArray("0240140000000000000000000103"));
        QCOMPARE(bytes, oneSetFile().replace(4, 33, bytes.mid(4, 35)));
    }

    // Every cut of the header, and cuts through the sets.
    void truncationsAreRefused()
    {
        const QByteArray good = oneSetFile();
        QCOMPARE(loadBytes(good), QString());
        for (int cut = 0; cut < good.size(); cut += cut < 64 ? 1 : 401)
            QVERIFY2(loadBytes(good.left(cut)) == QStringLiteral("Template is corrupted"), qPrintable(QString::number(cut)));
        QCOMPARE(loadBytes(good.left(good.size() - 1)), QStringLiteral("Template is corrupted"));
    }

    void hostileValuesAreRefused_data()
    {
        const int cablesAt = 4 + 33, countAt = cablesAt + 9;
        QTest::addColumn<int>("at");
        QTest::addColumn<QByteArray>("hex");
        QTest::newRow("session magic") << 0 << QByteArray("33114422");
        QTest::newRow("three cables") << cablesAt << QByteArray("03");
        QTest::newRow("spacing not a number") << cablesAt + 1 << QByteArray("7ff8000000000000");
        QTest::newRow("nine sets") << countAt << QByteArray("00000009");
        QTest::newRow("negative set count") << countAt << QByteArray("ffffffff");
        QTest::newRow("set's row count") << countAt + 5 << QByteArray("7fffffff");
        QTest::newRow("header count at byte 21") << 21 << QByteArray("7fffffff");
        QTest::newRow("unknown array type") << countAt + 4 << QByteArray("40");
    }

    void hostileValuesAreRefused()
    {
        QFETCH(int, at);
        QFETCH(QByteArray, hex);
        const QByteArray bad = oneSetFile().replace(at, hex.size() / 2, QByteArray::fromHex(hex));
        QCOMPARE(loadBytes(bad), QStringLiteral("Template is corrupted"));
    }

    // A whole ninth set is refused, not only a count that runs past the end.
    void aNinthSetIsRefused()
    {
        const QList<zarTemplateFixture::Set> nine = QVector<zarTemplateFixture::Set>(9, { 0, { { 0, 0 } } }).toList();
        QCOMPARE(loadBytes(zarTemplateFixture::bytes(1, 5, nine)), QStringLiteral("Template is corrupted"));
    }

    // Numbers that later size or scale something: a damaged one refuses the file and
    // the model keeps the template it held.
    void damagedNumbersAreRefused_data()
    {
        QTest::addColumn<zarArrangement>("header");
        QTest::addColumn<float>("spacing");
        QTest::addColumn<float>("setSpacing");
        const float nan = std::numeric_limits<float>::quiet_NaN();
        const float inf = std::numeric_limits<float>::infinity();
        auto header = [](float profile, const QVector<float>& depths, float spacing = 5) {
            zarArrangement a;
            a.profileLength = profile;
            a.maxDepths = depths;
            a.cableSpacing = spacing;
            return a;
        };
        QTest::newRow("profile length NaN") << header(nan, {}) << 5.0f << 5.0f;
        QTest::newRow("max depth huge") << header(315, { 3e9f }) << 5.0f << 5.0f;
        QTest::newRow("a depth for nine sets") << header(315, QVector<float>(9, 1)) << 5.0f << 5.0f;
        QTest::newRow("header spacing huge") << header(0, {}, 1e30f) << 5.0f << 5.0f;
        QTest::newRow("template spacing NaN") << header(0, {}) << nan << 5.0f;
        QTest::newRow("set spacing infinite") << header(0, {}) << 5.0f << inf;
    }

    void damagedNumbersAreRefused()
    {
        QFETCH(zarArrangement, header);
        QFETCH(float, spacing);
        QFETCH(float, setSpacing);
        zarTemplateDataModel model;
        QVERIFY(zarTemplateFixture::load(model, 1, 2.5f, { { 0, { { 0, 0 } } }, { 4, { { 0, 1 } } } }));
        const int measurements = model.measurementCount();
        const QString path = zarTemplateFixture::write(file(header, spacing, setSpacing), QStringLiteral("damaged.zarTemplate"));
        QCOMPARE(refusal([&] { return model.loadTemplate(path, true); }), QStringLiteral("Template is corrupted"));
        QCOMPARE(model.count(), 2);
        QCOMPARE(model.cableSpacing(), 2.5f);
        QCOMPARE(model.measurementCount(), measurements);
    }

    // The largest values the program itself can write still load.
    void boundaryValuesLoad()
    {
        zarArrangement header;
        header.cableSpacing = 10;
        header.profileLength = 630;
        header.maxDepths = QVector<float>(8, 500);
        QCOMPARE(loadBytes(file(header, 10, 10)), QString());
    }

    // CRLF, lower-case headers, decimal commas; an empty line ends the rows.
    void ertLabFileIsRead()
    {
        zarTemplateDataModel model;
        QCOMPARE(importText("# x y z\r\n12 1,5 0,0 -0,25\r\n1 0 0 0\r\n2 1 0 0\r\n3 2 0 0\r\n4 3 0 0\r\n"
                            "# a b m n\r\n1 1 2 3 4\r\n2 3 0 4 0\r\n\r\n7 9 9 9 9\r\n",
                            model),
                 QString());
        QCOMPARE(model.ertElectrodes.size(), 5);
        QCOMPARE(model.ertElectrodes.value(12), zarPoint3D(1.5f, 0.0f, -0.25f));
        QCOMPARE(model.ertQuadripoles, QList<zarQuadripole>({ zarQuadripole(1, 0, 3, 2), zarQuadripole(-1, 2, -2, 3) }));
    }

    void ertLabFaultsAreNamed_data()
    {
        const QByteArray header = "# X Y Z\n1 0 0 0\n2 1 0 0\n3 2 0 0\n4 3 0 0\n# A B M N\n";
        const QString unreadable = QStringLiteral("Quadripole row can not be read (row: %1)");
        const QString missing = QStringLiteral("Header does not contains electrode %1 (row: 1)");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("no header") << QByteArray("1 0 0 0\n# X Y Z\n") << "Can not find the beginning of header (# X Y Z)";
        QTest::newRow("electrode 0") << QByteArray("# X Y Z\n1 0 0 0\n\n# A B M N\n") << "Electrode number 0 is not supported";
        QTest::newRow("electrode 65") << QByteArray("# X Y Z\n65 0 0 0\n") << "Electrode number 65 is not supported";
        QTest::newRow("electrode twice") << QByteArray("# X Y Z\n7 0 0 0\n7 1 0 0\n") << "Electrode 7 appears more than once";
        QTest::newRow("remote A") << header + "1 1 2 3 4\n9 0 2 3 4\n" << "A electrode can not be remote (row: 2)";
        QTest::newRow("remote M") << header + "1 1 2 0 4\n" << "M electrode can not be remote (row: 1)";
        QTest::newRow("N not in the header") << header + "1 1 2 3 40\n" << missing.arg(40);
        // Short or unreadable rows must not turn into remote electrodes.
        QTest::newRow("short row") << header + "1 1 2 3\n" << unreadable.arg(1);
        QTest::newRow("not a number") << header + "1 1 2 3 4\n2 1 x 3 4\n" << unreadable.arg(2);
        // Out of range is a missing electrode, not cut to 16 bits.
        QTest::newRow("beyond 16 bits") << header + "1 1 2 3 65537\n" << missing.arg(65537);
        // One electrode may not drive two poles; the remote code 0 may stand twice.
        const QString twice = QStringLiteral("Electrode %1 appears more than once in quadripole (row: %2)");
        QTest::newRow("all four alike") << header + "1 1 2 3 4\n2 1 1 1 1\n" << twice.arg(1).arg(2);
        QTest::newRow("A = B") << header + "1 2 2 3 4\n" << twice.arg(2).arg(1);
        QTest::newRow("M = A") << header + "1 1 2 1 4\n" << twice.arg(1).arg(1);
        QTest::newRow("N = B") << header + "1 1 2 3 2\n" << twice.arg(2).arg(1);
        QTest::newRow("M = N, B remote") << header + "1 1 0 3 3\n" << twice.arg(3).arg(1);
        QTest::newRow("both remote") << header + "1 1 0 2 0\n" << QString();
        // Coordinates must be finite floats: beyond the float range they read as inf.
        const QString notFinite = QStringLiteral("Coordinate of electrode %1 is not a finite number");
        QTest::newRow("nan inf -inf") << QByteArray("# X Y Z\n1 0 0 0\n2 nan inf -inf\n") << notFinite.arg(2);
        QTest::newRow("nan in Y") << QByteArray("# X Y Z\n3 0 nan 0\n") << notFinite.arg(3);
        QTest::newRow("-inf in Z") << QByteArray("# X Y Z\n5 0 0 -inf\n") << notFinite.arg(5);
        QTest::newRow("1e999") << QByteArray("# X Y Z\n6 0 1e999 0\n") << notFinite.arg(6);
        QTest::newRow("1e308") << QByteArray("# X Y Z\n2 1e308 1e308 0\n") << notFinite.arg(2);
        QTest::newRow("at the float range") << QByteArray("# X Y Z\n1 3.4e38 -3.4e38 0\n# A B M N\n") << QString();
    }

    void ertLabFaultsAreNamed()
    {
        QFETCH(QByteArray, text);
        zarTemplateDataModel model;
        QTEST(importText(text, model), "message");
    }
};

ZAR_TEST_MAIN(TestTemplateDataModel)
#include "test_templatedatamodel.moc"
