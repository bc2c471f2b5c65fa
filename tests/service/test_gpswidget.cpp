#include "zartestsupport.h"

#include "frame/zarsystemwidget.h"
#include "frame/zartranslator.h"
#include "service/zargpsmanager.h"
#include "service/zargpswidget.h"

#include <QPointer>
#include <QSignalSpy>

Q_DECLARE_METATYPE(zarGPSFix)

// The GPS position record, its manager and the GPS screen.
class TestGPSWidget : public QObject
{
    Q_OBJECT

    static QStringList values(const zarGPSWidget& screen)
    {
        return { screen.latitudeLabel->text(), screen.longitudeLabel->text(), screen.qualityLabel->text(),
                 screen.timeLabel->text(), screen.dateLabel->text() };
    }

private slots:
    void cleanup()
    {
        zarGPSManager::destroy();
        zarTranslator::instance()->setLanguage(QStringLiteral("En"));
    }

    // A default record is 26 bytes on a version 12 stream over a file and reads back equal.
    void recordBytes()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("fix")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QDataStream out(&file);
        out.setVersion(12);
        out << zarGPSFix();
        file.close();
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.toHex(), QByteArray("0000" + QByteArray(32, '0') + "00256859" + "00000000"));
        QDataStream in(bytes);
        in.setVersion(12);
        zarGPSFix back;
        back.rmc = true;
        in >> back;
        QVERIFY(in.status() == QDataStream::Ok && back == zarGPSFix());
    }

    // Any non-zero byte in place of a flag reads as set.
    void flagByteTwoReadsAsSet()
    {
        QByteArray bytes = QByteArray::fromHex("0200" + QByteArray(32, '0') + "00256859" + "00000000");
        QDataStream in(bytes);
        in.setVersion(12);
        zarGPSFix fix;
        in >> fix;
        QVERIFY(fix.rmc && !fix.valid);
    }

    // A fresh manager has the initial fix; destroy twice is harmless and the next
    // manager starts afresh.
    void managerLifecycle()
    {
        zarGPSManager::destroy();
        QVERIFY(zarGPSManager::instance()->fix() == zarGPSFix());
        zarGPSFix fix;
        fix.rmc = true;
        zarGPSManager::instance()->setFix(fix);
        QVERIFY(zarGPSManager::instance()->fix().rmc);
        zarGPSManager::destroy();
        zarGPSManager::destroy();
        QVERIFY(zarGPSManager::instance()->fix() == zarGPSFix());
    }

    void shownFix_data()
    {
        QTest::addColumn<zarGPSFix>("fix");
        QTest::addColumn<QStringList>("shown");
        zarGPSFix none;
        none.latitude = 12;
        QTest::newRow("no position") << none << QStringList({ "N/A", "N/A", "N/A", "N/A", "N/A" });
        zarGPSFix low;
        low.rmc = true;
        low.latitude = 55.75583f;
        low.longitude = 0;
        low.date = QDate(2026, 4, 3);
        low.time = QTime(9, 5, 7);
        QTest::newRow("position, not valid") << low
            << QStringList({ "55.7558", "0", "low", "09:05:07", QDate(2026, 4, 3).toString(Qt::TextDate) });
        zarGPSFix high = low;
        high.valid = true;
        high.latitude = 1234567;
        high.longitude = -37.61729f;
        QTest::newRow("valid position") << high
            << QStringList({ "1.23457e+06", "-37.6173", "high", "09:05:07", QDate(2026, 4, 3).toString(Qt::TextDate) });
    }

    // The five values from construction on: six significant digits, quality from the valid flag.
    void shownFix()
    {
        QFETCH(zarGPSFix, fix);
        QFETCH(QStringList, shown);
        zarGPSManager::instance()->setFix(fix);
        zarGPSWidget screen;
        QCOMPARE(values(screen), shown);
    }

    // Captions follow a language switch at once; the values at the next reading.
    void languageSwitch()
    {
        zarGPSWidget screen;
        zarTranslator::instance()->setLanguage(QStringLiteral("Ru"));
        QCOMPARE(screen._latLabel->text(), QStringLiteral("Широта:"));
        QCOMPARE(screen.acceptPushButton->text(), QStringLiteral("Принять"));
        QCOMPARE(screen.qualityLabel->text(), QStringLiteral("N/A"));
        QVERIFY(QMetaObject::invokeMethod(&screen, "onAuxTimeout"));
        QCOMPARE(screen.qualityLabel->text(), QStringLiteral("Н/Д"));
    }

    // The system menu's GPS slot opens the screen in its page; Accept closes it once.
    void opensAndClosesInTheMenu()
    {
        zarSystemWidget menu;
        QVERIFY(!menu.gpsToolButton->isEnabled());
        QVERIFY(QMetaObject::invokeMethod(&menu, "onGPS"));
        QPointer<zarGPSWidget> screen = qobject_cast<zarGPSWidget*>(menu.openScreen());
        QVERIFY(screen);
        QSignalSpy closed(screen.data(), &zarGPSWidget::sendGPSWidgetClose);
        screen->acceptPushButton->click();
        QCOMPARE(closed.count(), 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!screen && !menu.openScreen());
    }
};

ZAR_TEST_MAIN(TestGPSWidget)
#include "test_gpswidget.moc"
