#include "zartestsupport.h"

#include "core/zarconstants.h"
#include "frame/zarpassworddialog.h"

#include <QTimer>

// Password dialog: the mode for each kind of entry, the eight-digit field, Cancel.
class TestPasswordDialog : public QObject
{
    Q_OBJECT

    static int enter(zarPasswordDialog& d, const QString& digits, bool cancel = false)
    {
        QTimer::singleShot(0, [&d, digits, cancel] {
            for (QChar c : digits)
                d.findChild<QPushButton*>(QStringLiteral("pushButton") + c)->click();
            (cancel ? d.cancelPushButton : d.enterPushButton)->click();
        });
        return d.exec();
    }

private slots:
    void modes_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<int>("mode");
        QTest::newRow("empty") << QString() << false << 3;
        QTest::newRow("first code") << engineerCodeA << false << 0;
        QTest::newRow("second code") << engineerCodeB << false << 1;
        QTest::newRow("first code and one more") << engineerCodeA + QLatin1Char('1') << false << 3;
        QTest::newRow("wrong") << QStringLiteral("12") << false << 3;
        QTest::newRow("cancelled") << engineerCodeA << true << 3;
    }

    void modes()
    {
        QFETCH(QString, entry);
        QFETCH(bool, cancel);
        zarPasswordDialog d;
        QCOMPARE(d.mode(), 3);
        QCOMPARE(enter(d, entry, cancel), int(!cancel));
        QTEST(d.mode(), "mode");
    }

    void fieldKeepsEightMaskedDigits()
    {
        zarPasswordDialog d;
        QVERIFY(d.lineEdit->isReadOnly());
        QCOMPARE(enter(d, QStringLiteral("123456789")), 1);
        QCOMPARE(d.lineEdit->text(), QStringLiteral("12345678"));
        QVERIFY(!d.lineEdit->displayText().contains(QLatin1Char('1')));
    }
};

ZAR_TEST_MAIN(TestPasswordDialog)
#include "test_passworddialog.moc"
