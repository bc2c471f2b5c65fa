#include "zartestsupport.h"

#include "core/zarconstants.h"
#include "frame/zarpassworddialog.h"

#include <QTimer>

// Password dialog: the mode for each kind of entry and for Cancel.
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
    // Mode 3 is no engineer mode.
    void entryGivesTheMode_data()
    {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<int>("mode");
        QTest::newRow("first code") << engineerCodeA << false << 0;
        QTest::newRow("second code") << engineerCodeB << false << 1;
        QTest::newRow("a digit more") << engineerCodeA + QLatin1Char('1') << false << 3;
        QTest::newRow("a digit less") << engineerCodeA.left(4) << false << 3;
        QTest::newRow("cancelled") << engineerCodeA << true << 3;
    }

    void entryGivesTheMode()
    {
        QFETCH(QString, digits);
        QFETCH(bool, cancel);
        zarPasswordDialog dialog;
        QCOMPARE(enter(dialog, digits, cancel), int(!cancel));
        QTEST(dialog.mode(), "mode");
    }

};

ZAR_TEST_MAIN(TestPasswordDialog)
#include "test_passworddialog.moc"
