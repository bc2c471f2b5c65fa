#include "zaroperator.h"
#include "zartemplatefixture.h"

#include "templates/zartemplatemenuwidget.h"
#include "templates/zartemplatewidget.h"


// The TEMPLATES page: its two buttons and the one template screen in their place.
class TestTemplateMenu : public QObject
{
    Q_OBJECT

    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    static bool menuShown(zarTemplateMenuWidget& menu)
    {
        const QMargins margins = menu.verticalLayout->contentsMargins();
        return !menu.newPushButton->isHidden() && !menu.openPushButton->isHidden()
               && margins == QMargins(20, 20, 20, 20) && !menu.templateScreen();
    }

    static bool screenShown(zarTemplateMenuWidget& menu)
    {
        return menu.newPushButton->isHidden() && menu.openPushButton->isHidden()
               && menu.verticalLayout->contentsMargins() == QMargins(0, 0, 0, 0) && menu.templateScreen()
               && menu.templateScreen()->parentWidget() == &menu;
    }

private slots:
    void newTemplateAndClose()
    {
        zarTemplateMenuWidget menu;
        QVERIFY(menuShown(menu));
        menu.newPushButton->click();
        QVERIFY(screenShown(menu));
        zarTemplateWidget* screen = menu.templateScreen();
        QCOMPARE(screen->name(), QString());
        QCOMPARE(screen->templateModel().count(), 0);
        // One screen at a time.
        menu.newPushButton->click();
        QCOMPARE(menu.templateScreen(), screen);

        QPointer<zarTemplateWidget> watched(screen);
        screen->closePushButton->click();
        QVERIFY(menuShown(menu));
        flushDeletes();
        QVERIFY(watched.isNull());
    }

    void openThroughTheFileDialog()
    {
        const QString path = zarTemplateFixture::write(zarTemplateFixture::bytes(1, 2.5f, { { 3, { { 0, 0 } } } }),
                                                       QStringLiteral("opened.zarTemplate"));
        zarTemplateMenuWidget menu;
        zarOperator op;
        op.file(path);
        op.start();
        menu.openPushButton->click();
        QCOMPARE(op.shown, QStringList({ QStringLiteral("Open template|*.zarTemplate") }));
        QVERIFY(screenShown(menu));
        QCOMPARE(menu.templateScreen()->templateModel().cables(), zarCable(1));
        QCOMPARE(menu.templateScreen()->name(), zarDriveRoot::path() + QStringLiteral("opened"));
    }

    void cancelledDialogLeavesTheMenu()
    {
        zarTemplateMenuWidget menu;
        zarOperator op;
        op.file(QString());
        op.start();
        menu.openPushButton->click();
        QVERIFY(op.done());
        QVERIFY(menuShown(menu));
    }

    // A file that is not a template: the model's message, then the menu as before.
    void wrongMagicLeavesTheMenu()
    {
        QByteArray bytes = zarTemplateFixture::bytes(2, 5, { { 3, { { 0, 0 } } } });
        bytes[0] = 0x33;
        const QString path = zarTemplateFixture::write(bytes, QStringLiteral("foreign.zarTemplate"));
        zarTemplateMenuWidget menu;
        zarOperator op;
        op.file(path).answer(QMessageBox::Ok);
        op.start();
        menu.openPushButton->click();
        QCOMPARE(op.shown.last(), QStringLiteral("Template is corrupted"));
        QVERIFY(menuShown(menu));
        flushDeletes();
        QVERIFY(menu.findChildren<zarTemplateWidget*>().isEmpty());
        menu.newPushButton->click();
        QVERIFY(screenShown(menu));
    }
};

ZAR_TEST_MAIN(TestTemplateMenu)
#include "test_templatemenu.moc"
