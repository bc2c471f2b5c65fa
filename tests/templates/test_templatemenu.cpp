#include "zardialoganswer.h"
#include "zarmodalof.h"
#include "zartemplatefixture.h"

#include "templates/zartemplatemenuwidget.h"
#include "templates/zartemplatewidget.h"

// The TEMPLATES page: its two buttons, or the one template screen in their place.
class TestTemplateMenu : public QObject
{
    Q_OBJECT

    // The buttons with their margins, or the screen alone.
    static void checkShown(zarTemplateMenuWidget& menu, bool screen)
    {
        QCOMPARE(menu.newPushButton->isHidden(), screen);
        QCOMPARE(menu.openPushButton->isHidden(), screen);
        QCOMPARE(menu.verticalLayout->contentsMargins(), screen ? QMargins() : QMargins(20, 20, 20, 20));
        QCOMPARE(bool(menu.templateScreen()), screen);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(menu.findChildren<zarTemplateWidget*>().size(), int(screen));
    }

private slots:
    // One new screen at a time; closing it brings the buttons back.
    void newTemplateAndClose()
    {
        zarTemplateMenuWidget menu;
        menu.newPushButton->click();
        menu.newPushButton->click();
        checkShown(menu, true);
        menu.templateScreen()->closePushButton->click();
        checkShown(menu, false);
    }

    void openThroughTheFileDialog_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<QString>("message");
        QByteArray good = zarTemplateFixture::bytes(1, 2.5f, { { 3, { { 0, 0 } } } });
        QTest::newRow("a template") << good << true << QString();
        QTest::newRow("cancelled") << QByteArray() << false << QString();
        QTest::newRow("wrong magic") << good.replace(0, 1, "\x33") << false << "Template is corrupted";
    }

    // Asked for a template file; one that does not open leaves the page as it was.
    void openThroughTheFileDialog()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, opened);
        QFETCH(QString, message);
        zarTemplateMenuWidget menu;
        QStringList filters;
        zarAnswerFileDialog(bytes.isEmpty() ? QString() : zarTemplateFixture::write(bytes, "opened.zarTemplate"),
                            [&filters](QFileDialog* d) { filters = d->nameFilters(); });
        zarDialogAnswer answer;
        answer.expect();
        menu.openPushButton->click();
        QCOMPARE(filters, QStringList({ "*.zarTemplate" }));
        QCOMPARE(answer.text, message);
        checkShown(menu, opened);
        if (opened)
            QCOMPARE(menu.templateScreen()->name(), zarDriveRoot::path() + "opened");
    }
};

ZAR_TEST_MAIN(TestTemplateMenu)
#include "test_templatemenu.moc"
