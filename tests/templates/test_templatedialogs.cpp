#include "zartestsupport.h"

#include "templates/zararrangementdialog.h"
#include "templates/zarerttabledialog.h"

// The arrangement dialog and the full-screen list chooser.
class TestTemplateDialogs : public QObject
{
    Q_OBJECT

private slots:
    void spacingInTenths_data()
    {
        QTest::addColumn<float>("metres");
        QTest::addColumn<float>("result");
        QTest::addColumn<QString>("label");
        QTest::newRow("5.0 m") << 5.0f << 5.0f << "5.0 <font color=BLACK>m</font>";
        QTest::newRow("2.44 m rounds down") << 2.44f << 2.4f << "2.4 <font color=BLACK>m</font>";
        QTest::newRow("2.45 m rounds up") << 2.45f << 2.5f << "2.5 <font color=BLACK>m</font>";
        QTest::newRow("25 m stops at 10") << 25.0f << 10.0f << "10.0 <font color=BLACK>m</font>";
    }

    void spacingInTenths()
    {
        QFETCH(float, metres);
        QFETCH(float, result);
        QFETCH(QString, label);
        zarArrangementDialog dialog;
        dialog.setCableSpacing(metres);
        QCOMPARE(dialog.cableSpacing(), result);
        QCOMPARE(dialog.cableSpacingLabel->text(), label);
    }

    // The arrows move by a tenth, within 0.1 m to 10.0 m.
    void arrowsStepWithinRange()
    {
        zarArrangementDialog dialog;
        dialog.setCableSpacing(0.1f);
        dialog.decCableSpacingToolButton->click();
        QCOMPARE(dialog.cableSpacing(), 0.1f);
        dialog.incCableSpacingToolButton->click();
        QCOMPARE(dialog.cableSpacing(), 0.2f);
        dialog.setCableSpacing(10.0f);
        dialog.incCableSpacingToolButton->click();
        QCOMPARE(dialog.cableSpacing(), 10.0f);
    }

    void cables()
    {
        zarArrangementDialog dialog;
        dialog.setCables(2);
        QCOMPARE(dialog.cables(), zarCable(2));
        dialog.setCables(1);
        QCOMPARE(dialog.cables(), zarCable(1));
    }

    void listChooser_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("first row at once") << -1 << true << "alpha";
        QTest::newRow("third row") << 2 << true << "gamma";
        QTest::newRow("cancelled") << 1 << false << "beta";
    }

    void listChooser()
    {
        QFETCH(int, row);
        QFETCH(bool, accept);
        QFETCH(QString, chosen);
        zarERTTableDialog dialog({ QStringLiteral("alpha"), QStringLiteral("beta"), QStringLiteral("gamma") });
        QVERIFY(dialog.listWidget->item(2)->text() == QStringLiteral("gamma") && dialog.listWidget->currentRow() == 0);
        zarWhenModal([row, accept](QWidget* w) {
            auto* d = qobject_cast<zarERTTableDialog*>(w);
            if (d && row >= 0)
                QTest::mouseClick(d->listWidget->viewport(), Qt::LeftButton, {},
                                  d->listWidget->visualItemRect(d->listWidget->item(row)).center());
            if (d)
                (accept ? d->acceptPushButton : d->cancelPushButton)->click();
        });
        QCOMPARE(dialog.exec(), int(accept));
        QCOMPARE(dialog.selectedText(), chosen);
        QCOMPARE(dialog.size(), QSize(1024, 600));
    }

    void emptyListChoosesNothing() { QCOMPARE(zarERTTableDialog({}).selectedText(), QString()); }
};

ZAR_TEST_MAIN(TestTemplateDialogs)
#include "test_templatedialogs.moc"
