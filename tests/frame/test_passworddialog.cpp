#include "zartestsupport.h"

#include "core/zarconstants.h"
#include "frame/zarpassworddialog.h"

#include <QTimer>

// Password dialog: the mode for each kind of entry, the eight-digit field, Cancel.
class TestPasswordDialog : public QObject
{
    Q_OBJECT

    // Types the digits on the dialog's own keys, then presses Enter or Cancel.
    static int enter(zarPasswordDialog& dialog, const QString& digits, bool cancel = false)
    {
        QTimer::singleShot(0, [&dialog, digits, cancel] {
            for (QChar c : digits)
                dialog.findChild<QPushButton*>(QStringLiteral("pushButton") + c)->click();
            (cancel ? dialog.cancelPushButton : dialog.enterPushButton)->click();
        });
        return dialog.exec();
    }

private slots:
    void noModeBeforeAnEntry()
    {
        zarPasswordDialog dialog;
        QCOMPARE(dialog.mode(), 3);
    }

    void entryGivesTheMode_data()
    {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<int>("mode");
        QTest::newRow("first code") << engineerCodeA << 0;
        QTest::newRow("second code") << engineerCodeB << 1;
        QTest::newRow("a digit more") << engineerCodeA + QLatin1Char('1') << 3;
        QTest::newRow("a digit less") << engineerCodeA.left(4) << 3;
    }

    void entryGivesTheMode()
    {
        QFETCH(QString, digits);
        zarPasswordDialog dialog;
        QCOMPARE(enter(dialog, digits), 1);
        QTEST(dialog.mode(), "mode");
    }

    void cancelKeepsNoMode()
    {
        zarPasswordDialog dialog;
        QCOMPARE(enter(dialog, engineerCodeA, true), 0);
        QCOMPARE(dialog.mode(), 3);
    }

    // The field keeps the first eight digits, masked, and takes no typing of its own.
    void theFieldKeepsEightMaskedDigits()
    {
        zarPasswordDialog dialog;
        enter(dialog, QStringLiteral("123456789"));
        QCOMPARE(dialog.lineEdit->text(), QStringLiteral("12345678"));
        QVERIFY(dialog.lineEdit->isReadOnly());
        QVERIFY(!dialog.lineEdit->displayText().contains(QLatin1Char('1')));
    }
};

ZAR_TEST_MAIN(TestPasswordDialog)
#include "test_passworddialog.moc"
