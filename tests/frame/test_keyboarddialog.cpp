#include "zardialoganswer.h"

#include "frame/zarkeyboarddialog.h"
#include "frame/zartranslator.h"

#include <QTimer>

// On-screen keyboard: typing, Shift latch, selection, the length limit, refusal of an empty name.
class TestKeyboardDialog : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { zarWarningDialog::hideBusy(); }

    void theKeyboardFillsTheScreen()
    {
        zarKeyboardDialog k { QString() };
        QCOMPARE(k.minimumSize(), QSize(1024, 600));
        QCOMPARE(k.maximumSize(), QSize(1024, 600));
    }

    void theTitleAsksForAFileName_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("title");
        QTest::newRow("English") << "En" << "Input file name:";
        QTest::newRow("Russian") << "Ru" << "Введите имя файла:";
    }

    void theTitleAsksForAFileName()
    {
        QFETCH(QString, language);
        QVERIFY(zarTranslator::instance()->setLanguage(language));
        const QString title = zarKeyboardDialog(QString()).titlePushButton->text();
        QVERIFY(zarTranslator::instance()->setLanguage(QStringLiteral("En")));
        QTEST(title, "title");
    }

    void enterRefusesAnEmptyName()
    {
        zarKeyboardDialog k { QString() };
        zarDialogAnswer answer;
        answer.expect();
        k.enterB->click();
        QVERIFY(answer.shown);
        QCOMPARE(answer.text, QStringLiteral("File name is empty"));
        QCOMPARE(k.result(), 0);
    }

    // A blank name is the operator's to refuse elsewhere: Enter gives it as it stands.
    void enterGivesABlankNameAsItStands()
    {
        zarKeyboardDialog k { QString() };
        QTimer::singleShot(0, [&] {
            k.spaceB->click();
            k.enterB->click();
        });
        QCOMPARE(k.exec(), 1);
        QCOMPARE(k.text(), QStringLiteral(" "));
    }

    // The editing keys act at the cursor.
    void editingKeys_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::newRow("Delete") << "deleteB" << "prfile";
        QTest::newRow("Backspace") << "backspaceB" << "pofile";
        QTest::newRow("Clear") << "clearB" << "";
        QTest::newRow("Space") << "spaceB" << "pr ofile";
    }

    void editingKeys()
    {
        QFETCH(QString, key);
        QFETCH(QString, text);
        zarKeyboardDialog k(QStringLiteral("profile"));
        k.lineEdit->setCursorPosition(2);
        k.findChild<QPushButton*>(key)->click();
        QCOMPARE(k.text(), text);
    }

    // Shift stays down until pressed again.
    void shiftIsALatch()
    {
        zarKeyboardDialog k { QString() };
        k.shiftB->click();
        QVERIFY(k.shiftB->isChecked());
        for (QPushButton* key : { k.n7B, k.dotB, k.pB })
            key->click();
        k.shiftB->click();
        QVERIFY(!k.shiftB->isChecked());
        for (QPushButton* key : { k.n7B, k.dotB, k.pB })
            key->click();
        QCOMPARE(k.text(), QStringLiteral("&,P7.p"));
    }

    void shiftReleasedRestoresTheLabels()
    {
        zarKeyboardDialog k { QString() };
        k.shiftB->click();
        QCOMPARE(k.aB->text(), QStringLiteral("A"));
        QCOMPARE(k.n7B->text(), QStringLiteral("&&"));
        k.shiftB->click();
        QCOMPARE(k.aB->text(), QStringLiteral("a"));
        QCOMPARE(k.n7B->text(), QStringLiteral("7"));
    }

    // The line stops at 256 characters.
    void theLineStopsAt256Characters()
    {
        zarKeyboardDialog k { QString() };
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
