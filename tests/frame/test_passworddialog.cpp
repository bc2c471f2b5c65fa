#include "zartestsupport.h"

#include "core/zarconstants.h"
#include "frame/zarpassworddialog.h"

#include <QTimer>

// Password dialog: the mode for each kind of entry, the eight-digit field, Cancel.
class TestPasswordDialog : public QObject
{
    Q_OBJECT

private slots:
    // The two codes, a code with a digit more, a good code cancelled, nine digits: answer,
    // mode before and after, digits kept (masked, never typed into directly).
    void modes()
    {
        const QStringList entries = { engineerCodeA, engineerCodeB, engineerCodeA + QLatin1Char('1'), engineerCodeA, "123456789" };
        QStringList seen;
        for (int i = 0; i < entries.size(); ++i) {
            zarPasswordDialog d;
            const int mode = d.mode();
            QTimer::singleShot(0, [&] {
                for (QChar c : entries[i])
                    d.findChild<QPushButton*>(QStringLiteral("pushButton") + c)->click();
                (i == 3 ? d.cancelPushButton : d.enterPushButton)->click();
            });
            const int result = d.exec();
            seen << QStringLiteral("%1 %2>%3 %4").arg(result).arg(mode).arg(d.mode()).arg(d.lineEdit->text().size());
            QVERIFY(d.lineEdit->isReadOnly() && d.lineEdit->displayText() != d.lineEdit->text());
        }
        QCOMPARE(seen, QStringList({ "1 3>0 5", "1 3>1 5", "1 3>3 6", "0 3>3 5", "1 3>3 8" }));
    }
};

ZAR_TEST_MAIN(TestPasswordDialog)
#include "test_passworddialog.moc"
