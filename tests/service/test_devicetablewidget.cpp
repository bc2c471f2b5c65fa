#include "zartestsupport.h"
#include "zardialoganswer.h"

#include "core/zarcore.h"
#include "frame/zarsystemwidget.h"
#include "frame/zartranslator.h"
#include "service/zardevicetabledatamodel.h"
#include "service/zardevicetablewidget.h"

#include <QHeaderView>
#include <QPointer>

typedef QList<quint8> Addresses;

// The device table: its model of the 43 bus addresses and the screen's discovery.
class TestDeviceTableWidget : public QObject
{
    Q_OBJECT

    static QList<int> marked(const QAbstractItemModel& model)
    {
        QList<int> rows;
        for (int row = 0; row < model.rowCount(); ++row)
            if (model.data(model.index(row, 0), Qt::DecorationRole).isValid())
                rows << row;
        return rows;
    }

    static QList<int> all()
    {
        QList<int> rows;
        for (int row = 0; row < 43; ++row)
            rows << row;
        return rows;
    }

    static zarCoreReportDiscover report(const Addresses& devices, quint8 error = 0)
    {
        zarCoreReportDiscover r;
        r.devices = devices;
        r.error.code = error;
        return r;
    }

    // Waits until the screen's discovery has answered.
    static bool idle(zarDeviceTableWidget& screen)
    {
        return zarWaitFor([&] { return screen.refreshPushButton->isEnabled(); }, 5000);
    }

private slots:
    void cleanup() { zarTranslator::instance()->setLanguage(QStringLiteral("En")); }

    // One row per bus address in address order, name in column 1; headers "+" and "Device" only.
    void modelShape()
    {
        zarDeviceTableDataModel model;
        QCOMPARE(QList<int>({ model.rowCount(), model.columnCount() }), QList<int>({ 43, 2 }));
        QCOMPARE(model.data(model.index(0, 1)).toString(), QStringLiteral("Core"));
        QCOMPARE(model.data(model.index(42, 1)).toString(), QStringLiteral("Generator switch"));
        QCOMPARE(model.data(model.index(9, 1)).toString(), QStringLiteral("Input voltage registrator 2"));
        QVERIFY(!model.data(model.index(0, 0)).isValid());
        QVERIFY(!model.data(model.index(0, 1), Qt::DecorationRole).isValid());
        QVERIFY(!model.data(QModelIndex()).isValid());
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("+"));
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Device"));
        QVERIFY(!model.headerData(0, Qt::Vertical).isValid());
        QVERIFY(!model.headerData(1, Qt::Horizontal, Qt::DecorationRole).isValid());
        QCOMPARE(model.flags(model.index(3, 1)) & Qt::ItemIsEditable, Qt::ItemFlags());
    }

    void marks_data()
    {
        QTest::addColumn<Addresses>("first");
        QTest::addColumn<Addresses>("second");
        QTest::addColumn<QList<int>>("rows");
        QTest::newRow("every address") << Addresses() << Addresses({ 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15,
                                                                    16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28,
                                                                    29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42 })
                                       << all();
        QTest::newRow("empty list clears") << Addresses({ 1, 2 }) << Addresses() << QList<int>();
        QTest::newRow("second replaces first") << Addresses({ 0, 5, 7 }) << Addresses({ 7, 5, 5 }) << QList<int>({ 5, 7 });
        QTest::newRow("addresses without a row") << Addresses() << Addresses({ 43, 200, 255, 42 }) << QList<int>({ 42 });
    }

    // The marks are exactly the addresses of the last list.
    void marks()
    {
        QFETCH(Addresses, first);
        QFETCH(Addresses, second);
        QFETCH(QList<int>, rows);
        zarDeviceTableDataModel model;
        model.setDevices(first);
        model.setDevices(second);
        QCOMPARE(marked(model), rows);
    }

    // Opening starts a discovery: both buttons wait, then every device answers.
    void discoveryAtOpening()
    {
        zarDeviceTableWidget screen;
        QVERIFY(!screen.refreshPushButton->isEnabled() && !screen.closePushButton->isEnabled());
        QCOMPARE(screen.refreshPushButton->text(), QStringLiteral("Please wait..."));
        QVERIFY(screen.windowTitle().isEmpty());
        QVERIFY(idle(screen));
        QVERIFY(screen.closePushButton->isEnabled());
        QCOMPARE(screen.refreshPushButton->text(), QStringLiteral("Refresh"));
        QCOMPARE(marked(screen.model()), all());
        QVERIFY(!screen.deviceTableView->horizontalHeader()->sectionsClickable());
        QCOMPARE(screen.deviceTableView->selectionMode(), QAbstractItemView::NoSelection);
        QCOMPARE(screen.deviceTableView->horizontalHeader()->sectionSize(0), 24);
        QCOMPARE(screen.deviceTableView->rowHeight(42), 24);
    }

    // An error report shows its text once and keeps the marks of the last good discovery.
    void errorKeepsTheMarks()
    {
        zarDeviceTableWidget screen;
        QVERIFY(idle(screen));
        emit zarCore::instance()->sendReportDiscover(report({ 3, 4 }));
        zarDialogAnswer answer;
        answer.expect();
        emit zarCore::instance()->sendReportDiscover(report({ 9 }, 14));
        QVERIFY(answer.shown);
        QCOMPARE(answer.text, QStringLiteral("Canceled by user"));
        QCOMPARE(marked(screen.model()), QList<int>({ 3, 4 }));
        QVERIFY(screen.refreshPushButton->isEnabled() && screen.closePushButton->isEnabled());
    }

    // Buttons follow the language at once; device names keep the language of the opening.
    void languageSwitch()
    {
        zarDeviceTableWidget screen;
        QVERIFY(idle(screen));
        zarTranslator::instance()->setLanguage(QStringLiteral("Ru"));
        QCOMPARE(screen.refreshPushButton->text(), QStringLiteral("Обновить"));
        QCOMPARE(screen.closePushButton->text(), QStringLiteral("Закрыть"));
        QCOMPARE(screen.model().data(screen.model().index(0, 1)).toString(), QStringLiteral("Core"));
        QCOMPARE(screen.model().headerData(1, Qt::Horizontal).toString(), QStringLiteral("Устройство"));
    }

    // The system menu's Devices slot opens the screen in its page; Close ends it without a question.
    void opensAndClosesInTheMenu()
    {
        zarSystemWidget menu;
        QVERIFY(!menu.devicesToolButton->isEnabled());
        QVERIFY(QMetaObject::invokeMethod(&menu, "onDevices"));
        QPointer<zarDeviceTableWidget> screen = qobject_cast<zarDeviceTableWidget*>(menu.openScreen());
        QVERIFY(screen);
        QVERIFY(idle(*screen));
        screen->closePushButton->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!screen && !menu.openScreen());
    }

    // A screen destroyed while its discovery runs takes no late report.
    void destroyedWhileDiscovering()
    {
        auto* screen = new zarDeviceTableWidget;
        QVERIFY(!screen->refreshPushButton->isEnabled());
        delete screen;
        zarDeviceTableWidget next;
        QVERIFY(idle(next));
    }
};

ZAR_TEST_MAIN(TestDeviceTableWidget)
#include "test_devicetablewidget.moc"
