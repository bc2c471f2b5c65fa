#include "zardialoganswer.h"

#include "frame/zarkeyboarddialog.h"

// On-screen keyboard: editing keys, Shift latch, selection, the length limit, refusal of an empty name.
class TestKeyboardDialog : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { zarWarningDialog::hideBusy(); }

    void enterRefusesAnEmptyName()
    {
        zarKeyboardDialog k { QString() };
        zarDialogAnswer answer;
        answer.expect();
        k.enterB->click();
        QCOMPARE(answer.text, QStringLiteral("File name is empty"));
        QCOMPARE(k.result(), 0);
    }

    // The editing keys act at the cursor.
    void editingKeys_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::newRow("Delete") << "deleteB" << "prfile";
        QTest::newRow("Backspace") << "backspaceB" << "pofile";
    }

    void editingKeys()
    {
        QFETCH(QString, key);
        zarKeyboardDialog k(QStringLiteral("profile"));
        k.lineEdit->setCursorPosition(2);
        k.findChild<QPushButton*>(key)->click();
        QTEST(k.text(), "text");
    }

    // Shift stays down until pressed again, for letters and symbols.
    void shiftIsALatch()
    {
        zarKeyboardDialog k { QString() };
        k.shiftB->click();
        for (QPushButton* key : { k.n7B, k.dotB, k.pB })
            key->click();
        k.shiftB->click();
        for (QPushButton* key : { k.n7B, k.dotB, k.pB })
            key->click();
        QCOMPARE(k.text(), QStringLiteral("&,P7.p"));
    }

    void theLineStopsAt256Characters()
    {
        zarKeyboardDialog k { QString() };
        const QString almost(255, QLatin1Char('a'));
        k.lineEdit->setText(almost);
        for (QPushButton* key : { k.n7B, k.bB, k.spaceB })
            key->click();
        QCOMPARE(k.text(), almost + QLatin1Char('7'));
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
