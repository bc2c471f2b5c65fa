#include "zardialoganswer.h"
#include "zartemplatefixture.h"

#include "core/zarnames.h"
#include "templates/zaraddmodifyarraydialog.h"

#include <QComboBox>

class TestTemplateDataModel : public QObject
{
    Q_OBJECT

    zarDialogAnswer answer;
    QStringList messages;

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

    // Runs a call that shows a message answered with the button; keeps the message.
    bool answered(bool call(zarTemplateDataModel&), zarTemplateDataModel& model,
                  QMessageBox::StandardButton button = QMessageBox::Ok)
    {
        answer.expect(button);
        const bool result = call(model);
        messages << answer.text;
        return result;
    }

private slots:
    void selectionTogglesAndArrangementRebuilds()
    {
        zarTemplateDataModel model;
        pickArray(-1);
        model.onSpacingLevelMainConfig({ model.index(0, 0) });
        QVERIFY(model.count() == 0);
        QVERIFY(!model.isModified());
        pickArray(3);
        model.onSpacingLevelMainConfig({ model.index(0, 0), model.index(0, 1), model.index(2, 1) });
        QVERIFY(model.isModified());
        QVERIFY(model.arrayType(0) == 3);
        QCOMPARE(model.measurementCount(), 61 + 59 + 57);
        model.onSpacingLevelMainConfig({ model.index(0, 1) });
        QCOMPARE(model.measurementCount(), 61 + 57);
        model.onSpacingLevelAuxConfig(2, 1, true);
        QCOMPARE(model.data(model.index(2, 1), Qt::BackgroundRole).value<QColor>(), QColor(Qt::gray));
        model.setArrangement(1, 5);
        QCOMPARE(model.measurementCount(), 29 + 25);
    }

    void aNewArrangementMarksALoadedTemplateModified()
    {
        zarTemplateDataModel model;
        QVERIFY(zarTemplateFixture::load(model, 2, 5, { { 0, { { 0, 0 } } } }));
        QVERIFY(!model.isModified());
        model.setArrangement(1, 5);
        QVERIFY(model.isModified());
    }

    // A model with one Schlumberger set over two cells, shown in a selector.
    static void oneSet(zarTemplateDataModel& model, QComboBox& selector)
    {
        model.setSetComboBox(&selector);
        pickArray(3);
        QVERIFY(model.onSetAdd());
        model.onSpacingLevelMainConfig({ model.index(0, 0), model.index(0, 1) });
    }

    // A load for the screen updates the selector and labels; a quiet one leaves them.
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

    // Reading a header replaces the array types the object held.
    void aReadArrangementReplacesTheArrayTypes()
    {
        zarArrangement written;
        written.arrayTypeSets.insert(3, 1);
        QByteArray bytes;
        {
            QDataStream out(&bytes, QIODevice::WriteOnly);
            out.setVersion(QDataStream::Qt_4_8);
            out << written;
        }
        zarArrangement read;
        read.arrayTypeSets.insert(7, 2);
        QDataStream in(bytes);
        in.setVersion(QDataStream::Qt_4_8);
        in >> read;
        QCOMPARE(in.status(), QDataStream::Ok);
        QCOMPARE(read.arrayTypeSets, written.arrayTypeSets);
    }

    void invalidTemplates_data()
    {
        QTest::addColumn<bool>("withSet");
        QTest::addColumn<QString>("message");
        QTest::newRow("no set") << false << "Template is empty";
        QTest::newRow("an empty set") << true << "Template contains an empty set";
    }

    void invalidTemplates()
    {
        QFETCH(bool, withSet);
        zarTemplateDataModel model;
        if (withSet) {
            pickArray(3);
            QVERIFY(model.onSetAdd());
        }
        QVERIFY(!answered([](zarTemplateDataModel& m) { return m.isValid(); }, model));
        QTEST(messages.last(), "message");
    }

    void cloneAddsACopyAndSaysSo()
    {
        zarTemplateDataModel model;
        QComboBox selector;
        oneSet(model, selector);
        QVERIFY(answered([](zarTemplateDataModel& m) { return m.onSetClone(); }, model));
        QCOMPARE(messages.last(), QStringLiteral("Set was cloned successfully"));
        QCOMPARE(selector.count(), 2);
        QCOMPARE(model.currentSetIndex(), 1);
        QCOMPARE(model.sets()[1].mainMatrix(), model.sets()[0].mainMatrix());
    }

    void atMostEightSets()
    {
        zarTemplateDataModel model;
        for (int i = 0; i < 8; ++i) {
            pickArray(4);
            QVERIFY(model.onSetAdd());
        }
        // Were the limit missed, the dialog would be accepted and the test fail at once.
        pickArray(4);
        QVERIFY(!answered([](zarTemplateDataModel& m) { return m.onSetAdd(); }, model));
        QCOMPARE(messages.last(), QStringLiteral("Can not add one more set"));
        QVERIFY(!answered([](zarTemplateDataModel& m) { return m.onSetClone(); }, model));
        QCOMPARE(messages.last(), QStringLiteral("Can not add one more set"));
        QCOMPARE(model.count(), 8);
    }

    // Removing asks first and keeps the set on No.
    void removeAsks_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("left");
        QTest::newRow("no") << int(QMessageBox::No) << 2;
        QTest::newRow("yes") << int(QMessageBox::Yes) << 1;
    }

    void removeAsks()
    {
        QFETCH(int, button);
        QFETCH(int, left);
        zarTemplateDataModel model;
        QComboBox selector;
        oneSet(model, selector);
        pickArray(4);
        QVERIFY(model.onSetAdd());
        selector.setCurrentIndex(0);
        QCOMPARE(answered([](zarTemplateDataModel& m) { return m.onSetRemove(); }, model,
                          QMessageBox::StandardButton(button)), left == 1);
        QCOMPARE(messages.last(), QStringLiteral("Are you sure you want to remove current set?"));
        QCOMPARE(model.count(), left);
        QCOMPARE(model.arrayType(0), quint8(left == 1 ? 4 : 3));
    }

    void modifyChangesTheArrayOfTheCurrentSet()
    {
        zarTemplateDataModel model;
        QComboBox selector;
        oneSet(model, selector);
        pickArray(15);
        QVERIFY(model.onSetModify());
        QCOMPARE(selector.itemText(0), QStringLiteral("1/1 %1 [120]").arg(arrayName(15)));
    }

    void clearEmptiesTheCurrentSet()
    {
        zarTemplateDataModel model;
        QComboBox selector;
        oneSet(model, selector);
        QVERIFY(answered([](zarTemplateDataModel& m) { return m.onSetClear(); }, model, QMessageBox::Yes));
        QCOMPARE(messages.last(), QStringLiteral("Are you sure you want to clear surrent set?"));
        QCOMPARE(model.count(), 1);
        QCOMPARE(model.measurementCount(), 0);
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
        pickArray(4);
        QVERIFY(model.onSetAdd());
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

};

ZAR_TEST_MAIN(TestTemplateDataModel)
#include "test_templatedatamodel.moc"
