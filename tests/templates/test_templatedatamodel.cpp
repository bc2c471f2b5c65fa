#include "zardialoganswer.h"
#include "zartemplatefixture.h"

#include "core/zarnames.h"
#include "templates/zaraddmodifyarraydialog.h"
#include "templates/zartemplatetableview.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>

class TestTemplateDataModel : public QObject
{
    Q_OBJECT

    zarDialogAnswer answer;

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

    static void addSet(zarTemplateDataModel& model, int type)
    {
        pickArray(type);
        QVERIFY(model.onSetAdd());
    }

private slots:
    void emptyModelRefusesSetOperations()
    {
        zarTemplateDataModel model;
        QVERIFY(model.rowCount() == 30 && model.columnCount() == 99 && model.arrayType(3) == -1);
        QCOMPARE(model.headerData(98, Qt::Vertical, Qt::DisplayRole).toInt(), 99);
        QSignalSpy clear(&model, &zarTemplateDataModel::sendPlotClear);
        model.onCurrentSetChange(0);
        QCOMPARE(clear.count(), 1);
        QVERIFY(!model.onSetRemove() && !model.onSetClear() && !model.onSetModify() && !model.onSetClone());
        model.onSpacingLevelAuxConfig(0, 0, true);
        model.setArrangement(2, 5);
        QVERIFY(!model.isModified());
    }

    void selectionOpensTheArrayDialog()
    {
        zarTemplateDataModel model;
        pickArray(-1);
        model.onSpacingLevelMainConfig({ model.index(0, 0) });
        QCOMPARE(model.count(), 0);
        QVERIFY(!model.isModified());
        pickArray(3);
        QSignalSpy plot(&model, &zarTemplateDataModel::sendPlotUpdate);
        model.onSpacingLevelMainConfig({ model.index(0, 0), model.index(0, 1), model.index(2, 1) });
        QVERIFY(model.isModified());
        QCOMPARE(model.arrayType(0), qint8(3));
        QCOMPARE(model.measurementCount(), 61 + 59 + 57);
        QCOMPARE(plot.count(), 2);
        QCOMPARE(plot.last().at(0).value<zarSpacing>(), zarSpacing(2));
        QCOMPARE(plot.last().at(2).toBool(), true);
        QCOMPARE(plot.first().at(2).toBool(), false);
        model.onSpacingLevelAuxConfig(2, 1, true);
        QCOMPARE(model.data(model.index(2, 1), Qt::BackgroundRole).value<QColor>(), QColor(Qt::gray));
        // A new arrangement rebuilds every set.
        model.setArrangement(1, 5);
        QCOMPARE(model.measurementCount(), 29 + 27 + 25);
    }

    void setsSelectorAndLabels()
    {
        zarTemplateDataModel model;
        QComboBox selector;
        QLabel cables, electrodes, spacing, length;
        model.setSetComboBox(&selector);
        model.setInfoLabels(&cables, &electrodes, &spacing, &length);
        QCOMPARE(length.text(), QStringLiteral("<font color=blue>315.0</font> m"));
        QCOMPARE(electrodes.text(), QStringLiteral("<font color=blue>64</font>"));
        addSet(model, 3);
        model.onSpacingLevelMainConfig({ model.index(0, 0), model.index(0, 1) });
        addSet(model, 0);
        QCOMPARE(selector.count(), 2);
        QCOMPARE(selector.itemText(0), QStringLiteral("1/2 Schlumberger [120]"));
        QCOMPARE(selector.currentIndex(), 1);
        selector.setCurrentIndex(0);
        QCOMPARE(model.currentSetIndex(), 0);

        answer.expect();
        QVERIFY(model.onSetClone());
        QCOMPARE(answer.text, QStringLiteral("Set was cloned successfully"));
        QCOMPARE(model.currentSetIndex(), 2);
        for (int i = 3; i < 8; ++i)
            addSet(model, 4);
        answer.expect();
        QVERIFY(!model.onSetAdd());
        QCOMPARE(answer.text, QStringLiteral("Can not add one more set"));
        answer.expect();
        QVERIFY(!model.onSetClone());
        QCOMPARE(model.count(), 8);

        model.onCurrentSetChange(1);
        answer.expect(QMessageBox::Yes);
        QVERIFY(model.onSetRemove());
        QCOMPARE(model.currentSetIndex(), 1);
        QCOMPARE(model.arrayType(1), qint8(3));
        model.onCurrentSetChange(99);
        QCOMPARE(model.currentSetIndex(), 6);
        answer.expect(QMessageBox::Yes);
        QVERIFY(model.onSetRemove());
        QCOMPARE(model.currentSetIndex(), 5);
        answer.expect(QMessageBox::No);
        QVERIFY(!model.onSetRemove());
        QCOMPARE(answer.text, QStringLiteral("Are you sure you want to remove current set?"));

        model.onCurrentSetChange(0);
        pickArray(3);
        QVERIFY(!model.onSetModify());
        pickArray(15);
        QVERIFY(model.onSetModify());
        QCOMPARE(selector.itemText(0), QStringLiteral("1/6 %1 [120]").arg(arrayName(15)));
        answer.expect(QMessageBox::Yes);
        QVERIFY(model.onSetClear());
        QCOMPARE(answer.text, QStringLiteral("Are you sure you want to clear surrent set?"));
        QCOMPARE(model.measurementCount(), 120);
        QCOMPARE(model.arrayTypeCounts().value(4), qint8(4));
    }

    void validity()
    {
        zarTemplateDataModel model;
        answer.expect();
        QVERIFY(!model.isValid());
        QCOMPARE(answer.text, QStringLiteral("Template is empty"));
        addSet(model, 11);
        answer.expect();
        QVERIFY(!model.isValid());
        QCOMPARE(answer.text, QStringLiteral("Template contains an empty set"));
        model.onSpacingLevelMainConfig({ model.index(0, 0) });
        QVERIFY(model.isValid());
        QModelIndexList all;
        for (int l = 0; l < 30; ++l)
            all << model.index(0, l);
        model.onSpacingLevelMainConfig(all);
        QVERIFY(model.measurementCount() > 6336);
        answer.expect();
        QVERIFY(model.hasTooManyMeasurements());
        QCOMPARE(answer.text, QStringLiteral("Template contains too many measurements"));
    }

    void tableViewAndArrayDialog()
    {
        zarTemplateDataModel model;
        zarTemplateTableView view;
        view.setModel(&model);
        view.resize(600, 400);
        view.show();
        QSignalSpy spy(&view, &zarTemplateTableView::sendSelection);
        const QPoint cell = view.visualRect(model.index(1, 2)).center();
        QTest::mousePress(view.viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, cell);
        QCOMPARE(spy.first().first().value<QModelIndexList>(), QModelIndexList({ model.index(1, 2) }));
        QVERIFY(view.selectionModel()->selectedIndexes().isEmpty());
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, cell);
        QCOMPARE(spy.last().first().value<QModelIndexList>().size(), 0);
        // Scroll bars wide enough for a finger, from the compiled-in style sheets.
        QCOMPARE(view.horizontalScrollBar()->sizeHint().height(), 29);
        QCOMPARE(view.verticalScrollBar()->sizeHint().width(), 30);
        QVERIFY(view.horizontalHeader()->styleSheet().contains(QStringLiteral("QHeaderView::section")));

        zarAddModifyArrayDialog dialog;
        QCOMPARE(dialog.arrayComboBox->count(), 22);
        QCOMPARE(dialog.arrayComboBox->itemText(21), arrayName(21));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Add / modify array"));
    }
};

ZAR_TEST_MAIN(TestTemplateDataModel)
#include "test_templatedatamodel.moc"
