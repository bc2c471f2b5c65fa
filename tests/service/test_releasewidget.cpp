#include "zartestsupport.h"

#include "frame/zarsystemwidget.h"
#include "frame/zartranslator.h"
#include "service/zarreleasewidget.h"

#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTranslator>

// The release notes screen and the notes themselves.
class TestReleaseWidget : public QObject
{
    Q_OBJECT

    static QString notes(const char* name)
    {
        QFile file(QStringLiteral(":/release/release/") + QLatin1String(name));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private slots:
    void cleanup() { zarTranslator::instance()->setLanguage(QStringLiteral("En")); }

    void notesFormat_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("heading");
        QTest::newRow("English") << "eng.txt" << "Version 1 (";
        QTest::newRow("Russian") << "rus.txt" << "Версия 1 (";
    }

    // CR LF between lines, none after the last, a paragraph, an empty line, then the
    // version history; any address named is a reserved one.
    void notesFormat()
    {
        QFETCH(QString, name);
        QFETCH(QString, heading);
        QFile file(QStringLiteral(":/release/release/") + name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(!bytes.startsWith("\xEF\xBB\xBF") && !bytes.endsWith('\n') && !bytes.endsWith('\r'));
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        const QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 4);
        QVERIFY(!lines[0].isEmpty() && lines[1].isEmpty() && lines[2].startsWith(heading) && !lines[3].isEmpty());
        const QRegularExpression address(QStringLiteral("[\\w.-]+@([\\w-]+\\.)+([\\w-]+)"));
        for (auto m = address.globalMatch(lines[0]); m.hasNext();)
            QCOMPARE(m.next().captured(2), QStringLiteral("invalid"));
    }

    // The version line and the notes of the language, reloaded on every switch without repeating.
    void languageSwitch()
    {
        zarReleaseWidget screen;
        QCOMPARE(screen.currentVersionLabel->text(), QStringLiteral("Current version: 1 (zar_0)"));
        QCOMPARE(screen.textBrowser->toPlainText(), notes("eng.txt").replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        for (int i = 0; i < 2; ++i)
            zarTranslator::instance()->setLanguage(QStringLiteral("Ru"));
        QCOMPARE(screen.currentVersionLabel->text(), QStringLiteral("Текущая версия: 1 (zar_0)"));
        QCOMPARE(QStringList({ screen.groupBox->title(), screen.acceptPushButton->text() }),
                 QStringList({ "Выпуск", "Принять" }));
        QCOMPARE(screen.textBrowser->toPlainText(), notes("rus.txt").replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        zarTranslator::instance()->setLanguage(QStringLiteral("En"));
        QCOMPARE(screen.textBrowser->toPlainText(), notes("eng.txt").replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }

    // Notes named by the language that do not exist leave the browser empty, the rest set.
    void missingNotesLeaveTheBrowserEmpty()
    {
        struct Elsewhere : QTranslator
        {
            bool isEmpty() const override { return false; }
            QString translate(const char* context, const char* source, const char*, int) const override
            {
                return QLatin1String(context) == QLatin1String("zarReleaseWidget") && QLatin1String(source) == QLatin1String("eng")
                           ? QStringLiteral("none") : QString();
            }
        } elsewhere;
        zarReleaseWidget screen;
        QVERIFY(!screen.textBrowser->toPlainText().isEmpty());
        QCoreApplication::installTranslator(&elsewhere);
        emit zarTranslator::instance()->sendTranslate();
        QCoreApplication::removeTranslator(&elsewhere);
        QVERIFY(screen.textBrowser->toPlainText().isEmpty());
        QCOMPARE(screen.currentVersionLabel->text(), QStringLiteral("Current version: 1 (zar_0)"));
    }

    // The menu's Release button opens the screen in the page, also while busy; Accept closes it.
    void opensAndClosesInTheMenu()
    {
        zarSystemWidget menu;
        zarSystemWidget::setBusy(true);
        menu.releaseToolButton->click();
        zarSystemWidget::setBusy(false);
        QPointer<zarReleaseWidget> screen = qobject_cast<zarReleaseWidget*>(menu.openScreen());
        QVERIFY(screen);
        QSignalSpy closed(screen.data(), &zarReleaseWidget::sendReleaseWidgetClose);
        screen->acceptPushButton->click();
        QCOMPARE(closed.count(), 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!screen && !menu.openScreen());
    }
};

ZAR_TEST_MAIN(TestReleaseWidget)
#include "test_releasewidget.moc"
