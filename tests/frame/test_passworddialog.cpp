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
        QTest::addColumn<int>("mode");
        QTest::newRow("empty") << QString() << 3;
        QTest::newRow("first code") << engineerCodeA << 0;
        QTest::newRow("second code") << engineerCodeB << 1;
        QTest::newRow("first code and one more") << engineerCodeA + QLatin1Char('1') << 3;
        QTest::newRow("wrong") << QStringLiteral("12") << 3;
    }

    void modes()
    {
        QFETCH(QString, entry);
        QFETCH(int, mode);
        zarPasswordDialog d;
        QCOMPARE(d.mode(), 3);
        QCOMPARE(enter(d, entry), 1);
        QCOMPARE(d.mode(), mode);
    }

    void fieldKeepsEightMaskedDigits()
    {
        zarPasswordDialog d;
        QCOMPARE(d.size(), QSize(300, 300));
        QVERIFY(d.lineEdit->isReadOnly());
        QCOMPARE(d.lineEdit->echoMode(), QLineEdit::Password);
        QCOMPARE(enter(d, QStringLiteral("123456789")), 1);
        QCOMPARE(d.lineEdit->text(), QStringLiteral("12345678"));
        QVERIFY(!d.lineEdit->displayText().contains(QLatin1Char('1')));
    }

    void cancelKeepsModeThree()
    {
        zarPasswordDialog d;
        QCOMPARE(enter(d, engineerCodeA, true), 0);
        QCOMPARE(d.mode(), 3);
    }
};

ZAR_TEST_MAIN(TestPasswordDialog)
#include "test_passworddialog.moc"
