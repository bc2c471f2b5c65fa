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
        QTest::addColumn<int>("arrow");
        QTest::addColumn<float>("result");
        QTest::newRow("2.44 m rounds down") << 2.44f << 0 << 2.4f;
        QTest::newRow("2.45 m rounds up") << 2.45f << 0 << 2.5f;
        QTest::newRow("up a tenth") << 0.1f << 1 << 0.2f;
        QTest::newRow("down from 0.1 m stays") << 0.1f << -1 << 0.1f;
    }

    // Whole tenths of a metre from 0.1 m to 10.0 m, shown with the unit.
    void spacingInTenths()
    {
        QFETCH(float, metres);
        QFETCH(int, arrow);
        QFETCH(float, result);
        zarArrangementDialog dialog;
        dialog.setCableSpacing(metres);
        if (arrow)
            (arrow > 0 ? dialog.incCableSpacingToolButton : dialog.decCableSpacingToolButton)->click();
        QCOMPARE(dialog.cableSpacing(), result);
        QCOMPARE(dialog.cableSpacingLabel->text(),
                 QString::number(double(result), 'f', 1) + QStringLiteral(" <font color=BLACK>m</font>"));
    }

    // The whole screen, a finger-high row per entry, the first chosen at once.
    void listChooser()
    {
        zarERTTableDialog dialog({ QStringLiteral("alpha"), QStringLiteral("beta"), QStringLiteral("gamma") });
        QCOMPARE(dialog.selectedText(), QStringLiteral("alpha"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.size(), QSize(1024, 600));
        QCOMPARE(dialog.listWidget->visualItemRect(dialog.listWidget->item(2)).height(), 48);
        QCOMPARE(zarERTTableDialog({}).selectedText(), QString());
    }
};

ZAR_TEST_MAIN(TestTemplateDialogs)
#include "test_templatedialogs.moc"
