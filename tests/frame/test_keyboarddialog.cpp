#include "zardialoganswer.h"

#include "frame/zarkeyboarddialog.h"

// On-screen keyboard: a key replaces the selection, Delete, and an empty name refused.
class TestKeyboardDialog : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { zarWarningDialog::hideBusy(); }

    // A real tap takes no focus from the line, so the selection it replaces stays.
    void aTapReplacesTheSelection()
    {
        zarKeyboardDialog k(QStringLiteral("profile"));
        k.show();
        QVERIFY(QTest::qWaitForWindowActive(&k));
        k.lineEdit->setSelection(0, 3);
        QTest::mouseClick(k.xB, Qt::LeftButton);
        QCOMPARE(k.text(), QStringLiteral("xfile"));
    }

    void deleteRemovesTheCharacterAfterTheCursor()
    {
        zarKeyboardDialog k(QStringLiteral("profile"));
        k.lineEdit->setCursorPosition(2);
        k.deleteB->click();
        QCOMPARE(k.text(), QStringLiteral("prfile"));
    }

    void enterRefusesAnEmptyName()
    {
        zarKeyboardDialog k { QString() };
        zarDialogAnswer answer;
        answer.expect();
        k.enterB->click();
        QCOMPARE(answer.text, QStringLiteral("File name is empty"));
        QCOMPARE(k.result(), 0);
    }
};

ZAR_TEST_MAIN(TestKeyboardDialog)
#include "test_keyboarddialog.moc"
