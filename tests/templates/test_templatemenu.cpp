#include "zaroperator.h"
#include "zartemplatefixture.h"

#include "templates/zartemplatemenuwidget.h"
#include "templates/zartemplatewidget.h"

// The TEMPLATES page: its two buttons, or the one template screen in their place.
class TestTemplateMenu : public QObject
{
    Q_OBJECT

    static bool menuShown(zarTemplateMenuWidget& menu)
    {
        return !menu.newPushButton->isHidden() && !menu.openPushButton->isHidden() && !menu.templateScreen()
               && menu.verticalLayout->contentsMargins() == QMargins(20, 20, 20, 20);
    }

    static bool screenShown(zarTemplateMenuWidget& menu)
    {
        return menu.newPushButton->isHidden() && menu.openPushButton->isHidden() && menu.templateScreen()
               && menu.templateScreen()->parentWidget() == &menu
               && menu.verticalLayout->contentsMargins() == QMargins(0, 0, 0, 0);
    }

private slots:
    // One empty screen at a time; closing it brings the buttons back.
    void newTemplateAndClose()
    {
        zarTemplateMenuWidget menu;
        menu.newPushButton->click();
        QVERIFY(screenShown(menu));
        QPointer<zarTemplateWidget> screen(menu.templateScreen());
        QVERIFY(screen->name().isEmpty() && screen->templateModel().count() == 0);
        menu.newPushButton->click();
        QCOMPARE(menu.templateScreen(), screen.data());
        screen->closePushButton->click();
        QVERIFY(menuShown(menu));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(screen.isNull());
    }

    void openThroughTheFileDialog_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<QStringList>("shown");
        const QString title = QStringLiteral("Open template|*.zarTemplate");
        QByteArray good = zarTemplateFixture::bytes(1, 2.5f, { { 3, { { 0, 0 } } } });
        QTest::newRow("a template") << good << true << QStringList({ title });
        QTest::newRow("cancelled") << QByteArray() << false << QStringList({ title });
        QTest::newRow("wrong magic") << good.replace(0, 1, "\x33") << false
                                     << QStringList({ title, QStringLiteral("Template is corrupted") });
    }

    // A file that does not open leaves the page as it was, with no screen behind.
    void openThroughTheFileDialog()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, opened);
        QFETCH(QStringList, shown);
        zarTemplateMenuWidget menu;
        zarOperator op;
        op.file(bytes.isEmpty() ? QString() : zarTemplateFixture::write(bytes, QStringLiteral("opened.zarTemplate")));
        if (shown.size() > 1)
            op.answer(QMessageBox::Ok);
        menu.openPushButton->click();
        QCOMPARE(op.shown, shown);
        QVERIFY(opened ? screenShown(menu) : menuShown(menu));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(menu.findChildren<zarTemplateWidget*>().size(), int(opened));
        if (opened)
            QCOMPARE(menu.templateScreen()->name(), zarDriveRoot::path() + QStringLiteral("opened"));
    }
};

ZAR_TEST_MAIN(TestTemplateMenu)
#include "test_templatemenu.moc"
