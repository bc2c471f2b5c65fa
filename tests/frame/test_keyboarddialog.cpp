#include "zartestsupport.h"

#include "frame/zarkeyboarddialog.h"
#include "frame/zarwarningdialog.h"

#include <QTimer>

// On-screen keyboard: typing, Shift latch, selection, the length limit, refusal of an empty name.
class TestKeyboardDialog : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { zarWarningDialog::hideBusy(); }

    void initialTextIsAcceptedUnchanged()
    {
        zarKeyboardDialog k(QStringLiteral("  "));
        QCOMPARE(k.lineEdit->text(), QStringLiteral("  "));
        QCOMPARE(k.size(), QSize(1024, 600));
        QTimer::singleShot(0, [&] { k.enterB->click(); });
        QCOMPARE(k.exec(), 1);
        QCOMPARE(k.text(), QStringLiteral("  "));
    }

    void cancelReturnsZero()
    {
        zarKeyboardDialog k(QStringLiteral("line 3"));
        QTimer::singleShot(0, [&] { k.aB->click(); k.cancelB->click(); });
        QCOMPARE(k.exec(), 0);
    }

    void emptyNameIsRefused()
    {
        zarKeyboardDialog k { QString() };
        QString message;
        QTimer::singleShot(0, [&] {
            zarWhenModal([&](QWidget* w) {
                auto* d = qobject_cast<zarWarningDialog*>(w);
                QVERIFY(d);
                message = d->messageLabel->text();
                d->okYesPushButton->click();
                QTimer::singleShot(0, [&] {
                    QVERIFY(k.isVisible());
                    k.n1B->click();
                    k.enterB->click();
                });
            });
            k.enterB->click();
        });
        QCOMPARE(k.exec(), 1);
        QCOMPARE(message, QStringLiteral("File name is empty"));
        QCOMPARE(k.text(), QStringLiteral("1"));
    }

    void shiftIsALatch()
    {
        zarKeyboardDialog k { QString() };
        k.shiftB->click();
        QVERIFY(k.shiftB->isChecked());
        k.n7B->click();
        k.dotB->click();
        k.pB->click();
        k.shiftB->click();
        k.n7B->click();
        k.dotB->click();
        k.pB->click();
        QCOMPARE(k.text(), QStringLiteral("&,P7.p"));

        k.clearB->click();
        k.shiftB->click();
        for (QPushButton* key : { k.n1B, k.n2B, k.n3B, k.n4B, k.n5B, k.n6B, k.n8B, k.n9B, k.n0B, k.minusB, k.equalB, k.apB })
            key->click();
        QCOMPARE(k.text(), QStringLiteral("!@#$%^~()_+'"));
        k.shiftB->click();
        QCOMPARE(k.aB->text(), QStringLiteral("a"));
        QCOMPARE(k.n7B->text(), QStringLiteral("7"));
    }

    void spaceBackspaceDeleteClear()
    {
        zarKeyboardDialog k(QStringLiteral("ab"));
        k.spaceB->click();
        k.cB->click();
        QCOMPARE(k.text(), QStringLiteral("ab c"));
        k.backspaceB->click();
        QCOMPARE(k.text(), QStringLiteral("ab "));
        k.lineEdit->setCursorPosition(0);
        k.deleteB->click();
        QCOMPARE(k.text(), QStringLiteral("b "));
        k.clearB->click();
        QCOMPARE(k.text(), QString());
    }

    void keyReplacesTheSelection()
    {
        zarKeyboardDialog k(QStringLiteral("profile"));
        k.lineEdit->setSelection(0, 3);
        k.xB->click();
        QCOMPARE(k.text(), QStringLiteral("xfile"));
        k.lineEdit->setSelection(1, 4);
        k.deleteB->click();
        QCOMPARE(k.text(), QStringLiteral("x"));
        k.lineEdit->selectAll();
        k.backspaceB->click();
        QCOMPARE(k.text(), QString());
    }

    void lengthStopsAt256()
    {
        const QString full(256, QLatin1Char('a'));
        zarKeyboardDialog k(full);
        k.bB->click();
        k.spaceB->click();
        k.shiftB->click();
        k.n7B->click();
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
