#include "zardialoganswer.h"

#include "frame/zarkeyboarddialog.h"

// On-screen keyboard: typing, the Shift latch, the editing keys, the length limit, and
// Enter and Cancel with an empty name refused.
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
    void editingKeysActAtTheCursor_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::newRow("Backspace") << "backspaceB" << "pofile";
        QTest::newRow("Clear") << "clearB" << "";
        QTest::newRow("Space") << "spaceB" << "pr ofile";
        QTest::newRow("a letter") << "xB" << "prxofile";
    }

    void editingKeysActAtTheCursor()
    {
        QFETCH(QString, key);
        zarKeyboardDialog k(QStringLiteral("profile"));
        k.lineEdit->setCursorPosition(2);
        QPushButton* button = k.findChild<QPushButton*>(key);
        QVERIFY(button);
        button->click();
        QTEST(k.text(), "text");
    }

    // Each key as Shift shows it; Shift stays down for every key until pressed again.
    void shiftIsALatch_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("shifted");
        QTest::addColumn<QString>("plain");
        QTest::newRow("letter") << "pB" << "P" << "p";
        QTest::newRow("1") << "n1B" << "!" << "1";
        QTest::newRow("2") << "n2B" << "@" << "2";
        QTest::newRow("3") << "n3B" << "#" << "3";
        QTest::newRow("4") << "n4B" << "$" << "4";
        QTest::newRow("5") << "n5B" << "%" << "5";
        QTest::newRow("6") << "n6B" << "^" << "6";
        QTest::newRow("7 types one ampersand") << "n7B" << "&" << "7";
        QTest::newRow("8") << "n8B" << "~" << "8";
        QTest::newRow("9") << "n9B" << "(" << "9";
        QTest::newRow("0") << "n0B" << ")" << "0";
        QTest::newRow("minus") << "minusB" << "_" << "-";
        QTest::newRow("equal") << "equalB" << "+" << "=";
        QTest::newRow("dot") << "dotB" << "," << ".";
        QTest::newRow("apostrophe stays") << "apB" << "'" << "'";
    }

    void shiftIsALatch()
    {
        QFETCH(QString, key);
        QFETCH(QString, shifted);
        QFETCH(QString, plain);
        zarKeyboardDialog k { QString() };
        QPushButton* button = k.findChild<QPushButton*>(key);
        QVERIFY(button);
        k.shiftB->click();
        QVERIFY(k.shiftB->isChecked());
        button->click();
        button->click();
        k.shiftB->click();
        QVERIFY(!k.shiftB->isChecked());
        button->click();
        QCOMPARE(k.text(), shifted + shifted + plain);
    }

    void lengthStopsAt256_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("shift");
        QTest::newRow("letter") << "bB" << false;
        QTest::newRow("space") << "spaceB" << false;
        QTest::newRow("shifted symbol") << "n7B" << true;
    }

    // A full line takes no more; one short of full takes one character.
    void lengthStopsAt256()
    {
        QFETCH(QString, key);
        QFETCH(bool, shift);
        const QString almost(255, QLatin1Char('a'));
        zarKeyboardDialog k(almost);
        if (shift)
            k.shiftB->click();
        QPushButton* button = k.findChild<QPushButton*>(key);
        QVERIFY(button);
        button->click();
        const QString full = k.text();
        QCOMPARE(full.size(), 256);
        QVERIFY(full.startsWith(almost));
        button->click();
        QCOMPARE(k.text(), full);
    }

    // A blank name is the caller's to refuse: Enter gives the line as it stands.
    void enterGivesABlankNameAsItStands()
    {
        zarKeyboardDialog k(QStringLiteral("  "));
        zarDialogAnswer answer;
        answer.expect();
        k.setResult(-1);
        k.enterB->click();
        answer.disarm();
        QVERIFY(!answer.shown);
        QCOMPARE(k.result(), int(QDialog::Accepted));
        QCOMPARE(k.text(), QStringLiteral("  "));
    }

    void cancelRejects()
    {
        zarKeyboardDialog k(QStringLiteral("line 3"));
        k.setResult(-1);
        k.cancelB->click();
        QCOMPARE(k.result(), int(QDialog::Rejected));
    }
};

ZAR_TEST_MAIN(TestKeyboardDialog)
#include "test_keyboarddialog.moc"
