#include "zardialoganswer.h"

#include "frame/zarkeyboarddialog.h"

#include <QTimer>

// On-screen keyboard: typing, Shift latch, selection, the length limit, refusal of an empty name.
class TestKeyboardDialog : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { zarWarningDialog::hideBusy(); }

    // Enter refuses an empty name and then gives 1 and the text as it stands, even a blank.
    void enterRefusesAnEmptyName()
    {
        zarKeyboardDialog k { QString() };
        zarDialogAnswer answer;
        QTimer::singleShot(0, [&] {
            answer.expect();
            k.enterB->click();
            QVERIFY(answer.shown && k.isVisible());
            k.spaceB->click();
            k.enterB->click();
        });
        QCOMPARE(k.exec(), 1);
        QCOMPARE(answer.text + QLatin1Char('|') + k.text() + QLatin1Char('|'), QStringLiteral("File name is empty| |"));
    }

    // Shift stays down until pressed again; shifted 7 types a single "&".
    void shiftIsALatch()
    {
        zarKeyboardDialog k { QString() };
        for (int i = 0; i < 2; ++i) {
            k.shiftB->click();
            QCOMPARE(k.shiftB->isChecked(), i == 0);
            for (QPushButton* key : { k.n7B, k.dotB, k.pB })
                key->click();
        }
        QCOMPARE(k.text(), QStringLiteral("&,P7.p"));
        QCOMPARE(k.aB->text() + k.n7B->text(), QStringLiteral("a7"));
        // The line stops at 256 characters.
        const QString almost(255, QLatin1Char('a'));
        k.lineEdit->setText(almost);
        for (QPushButton* key : { k.shiftB, k.n7B, k.bB, k.spaceB })
            key->click();
        QCOMPARE(k.text(), almost + QLatin1Char('&'));
    }

    // A key replaces the selection also when the operator has just touched the line to select.
    void aRealTapReplacesTheSelection()
    {
        zarKeyboardDialog k(QStringLiteral("profile"));
        k.show();
        QVERIFY(QTest::qWaitForWindowActive(&k));
        k.lineEdit->setSelection(0, 3);
        QTest::mouseClick(k.xB, Qt::LeftButton);
        QCOMPARE(k.text(), QStringLiteral("xfile"));
    }
};

ZAR_TEST_MAIN(TestKeyboardDialog)
#include "test_keyboarddialog.moc"
