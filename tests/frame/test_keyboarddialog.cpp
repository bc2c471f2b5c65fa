#include "zardialoganswer.h"

#include "frame/zarkeyboarddialog.h"

#include <QTimer>

// On-screen keyboard: typing, Shift latch, selection, the length limit, refusal of an empty name.
class TestKeyboardDialog : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { zarWarningDialog::hideBusy(); }

    // Enter gives 1 and the text as it stands, even blanks; Cancel gives 0.
    void enterAndCancel()
    {
        zarKeyboardDialog k(QStringLiteral("  "));
        QCOMPARE(k.size(), QSize(1024, 600));
        QTimer::singleShot(0, [&] { k.enterB->click(); });
        QCOMPARE(k.exec(), 1);
        QCOMPARE(k.text(), QStringLiteral("  "));
        QTimer::singleShot(0, [&] { k.aB->click(); k.cancelB->click(); });
        QCOMPARE(k.exec(), 0);
    }

    void emptyNameIsRefused()
    {
        zarKeyboardDialog k { QString() };
        zarDialogAnswer answer;
        QTimer::singleShot(0, [&] {
            answer.expect();
            k.enterB->click();
            QVERIFY(answer.shown && k.isVisible());
            k.n1B->click();
            k.enterB->click();
        });
        QCOMPARE(k.exec(), 1);
        QCOMPARE(answer.text, QStringLiteral("File name is empty"));
        QCOMPARE(k.text(), QStringLiteral("1"));
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
        k.clearB->click();
        QCOMPARE(k.text(), QString());
    }

    void editingKeysAndSelection()
    {
        zarKeyboardDialog k(QStringLiteral("profile"));
        for (QPushButton* key : { k.spaceB, k.cB, k.backspaceB })
            key->click();
        k.lineEdit->setCursorPosition(0);
        k.deleteB->click();
        QCOMPARE(k.text(), QStringLiteral("rofile "));
        // A key, Delete and Backspace each replace the selection, also when the
        // operator has just touched the line to select.
        k.show();
        QVERIFY(QTest::qWaitForWindowActive(&k));
        k.lineEdit->setFocus();
        k.lineEdit->setSelection(0, 3);
        QTest::mouseClick(k.xB, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), k.lineEdit);
        k.lineEdit->setSelection(1, 3);
        k.deleteB->click();
        QCOMPARE(k.text(), QStringLiteral("x "));
        k.lineEdit->selectAll();
        k.backspaceB->click();
        QCOMPARE(k.text(), QString());
    }

    void lengthStopsAt256()
    {
        const QString full(256, QLatin1Char('a'));
        zarKeyboardDialog k(full);
        for (QPushButton* key : { k.bB, k.spaceB, k.shiftB, k.n7B })
            key->click();
        QCOMPARE(k.text(), full);
        k.lineEdit->setText(QString(255, QLatin1Char('a')));
        k.n7B->click();
        k.n7B->click();
        QCOMPARE(k.text().size(), 256);
        QVERIFY(k.text().endsWith(QLatin1Char('&')));
    }
};

ZAR_TEST_MAIN(TestKeyboardDialog)
#include "test_keyboarddialog.moc"
