#include "zarengineerfixture.h"

#include "frame/zartranslator.h"

#include <QGridLayout>
#include <QTextEdit>

// The screen's modes, the form's order and the production test catalogue.
class TestEngineerScreen : public QObject
{
    Q_OBJECT

    static QList<int> disabledTests(const zarEngineerWidget& screen)
    {
        QList<int> codes;
        for (int code = 0; code < zarEngineerWidget::testCount; ++code)
            if (!screen.findChild<QToolButton*>(QStringLiteral("proToolButton%1").arg(code, 2, 10, QLatin1Char('0')))->isEnabled())
                codes << code;
        return codes;
    }

private slots:
    void cleanup() { zarTranslator::instance()->setLanguage(QStringLiteral("En")); }

    void modes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("tabs");
        QTest::addColumn<QList<int>>("disabled");
        QTest::newRow("first code: everything") << 0 << 10 << QList<int>();
        QTest::newRow("second code: production tests") << 1 << 1 << QList<int>();
        QTest::newRow("any other entry") << 3 << 1 << QList<int>({ 0, 16, 20 });
        QTest::newRow("mode 2") << 2 << 1 << QList<int>({ 0, 16, 20 });
        QTest::newRow("mode -1") << -1 << 1 << QList<int>({ 0, 16, 20 });
    }

    void modes()
    {
        QFETCH(int, mode);
        QFETCH(int, tabs);
        QFETCH(QList<int>, disabled);
        zarEngineerScreen fixture(mode);
        zarEngineerWidget& screen = fixture.screen;
        QCOMPARE(screen.tabWidget->count(), tabs);
        QCOMPARE(screen.tabWidget->tabText(0), QStringLiteral("Setup and testing"));
        QCOMPARE(disabledTests(screen), disabled);
        for (QPushButton* log : screen.proFrame->findChildren<QPushButton*>())
            QVERIFY2(log->isEnabled(), qPrintable(log->objectName()));
        QCOMPARE(screen.logs(), QVector<QString>(zarEngineerWidget::testCount));
    }

    // The list in the grid's order, each log button beside its test; tab titles and icons.
    void formOrder()
    {
        zarEngineerScreen fixture;
        zarEngineerWidget& screen = fixture.screen;
        QMap<int, int> byRow;
        for (int code = 0; code < zarEngineerWidget::testCount; ++code) {
            const QString number = QStringLiteral("%1").arg(code, 2, 10, QLatin1Char('0'));
            int testRow, logRow, column, span;
            screen.gridLayout_4->getItemPosition(screen.gridLayout_4->indexOf(screen.findChild<QWidget*>("proToolButton" + number)), &testRow, &column, &span, &span);
            QCOMPARE(column, 0);
            screen.gridLayout_4->getItemPosition(screen.gridLayout_4->indexOf(screen.findChild<QWidget*>("logPushButton" + number)), &logRow, &column, &span, &span);
            QCOMPARE(QList<int>({ logRow, column }), QList<int>({ testRow, 2 }));
            byRow.insert(testRow, code);
        }
        QCOMPARE(byRow.values(), QList<int>({ 0, 1, 2, 21, 13, 12, 18, 11, 10, 20, 16, 3, 17, 4, 5, 6, 7, 14, 15, 8, 9, 19 }));

        QStringList titles;
        for (int i = 0; i < screen.tabWidget->count(); ++i)
            titles << screen.tabWidget->tabText(i);
        QCOMPARE(titles, QStringList({ "Setup and testing", "Tx", "Rx", "Sw", "Calibrate", "Stress", "Misc", "Signal", "VES", "ET2D" }));
        QVERIFY(screen.tabWidget->tabIcon(0).isNull());
        QCOMPARE(screen.tabWidget->tabIcon(3).pixmap(32).toImage(), screen.tabWidget->tabIcon(5).pixmap(32).toImage());
        QVERIFY(screen.tabWidget->tabIcon(3).pixmap(32).toImage() != screen.tabWidget->tabIcon(1).pixmap(32).toImage());
        QCOMPARE(screen.tabWidget->tabPosition(), QTabWidget::South);
        QCOMPARE(screen.rxDeviceComboBox->currentText(), QStringLiteral("1"));
        QCOMPARE(screen.rxSamplesTextEdit->font().pointSize(), 8);
    }

    void catalogue_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("instruction");
        const QString inf = QChar(0x221E), pm = QChar(0x00B1), le = QChar(0x2264);
        QTest::newRow("En 2 resistor lines") << "En" << 2 << "Check A and B sockets and Rx channels for Tx monitoring"
            << "Please connect A and B sockets with resistor:\nresistance: 1.0 kOhm " + pm + " 10 %,\nmax. power: 1.4 W or more,\nmax voltage: 37.5 V or more.";
        QTest::newRow("En 5 infinity") << "En" << 5 << "Check Tx" + inf + " and Rx" + inf + " sockets"
            << "Please connect Tx" + inf + " and Rx" + inf + " sockets with resistor:\nresistance: 1.0 kOhm " + pm + " 10 %,\nmax. power: 1.4 W or more,\nmax voltage: 37.5 V or more.";
        QTest::newRow("En 13 or more") << "En" << 13 << "Check Tx output voltage"
            << "Please connect A and B sockets with resistor:\nresistance: 5.0 kOhm " + pm + " 10 % or more,\nmax. power: 50.0 W or more,\nmax voltage: 500.0 V or more.";
        QTest::newRow("En 16 ohm, power without stop") << "En" << 16 << "Check Tx operability (1 hour)"
            << "Please connect A and B sockets with resistor:\nresistance: 30.0 Ohm " + pm + " 10 % or more,\nmax power: 200.0 W or more.\nmax voltage: 500.0 V or more.";
        QTest::newRow("En 10 supply") << "En" << 10 << "Check Tx low supply voltage protection" << "Please make supply voltage less than 10.5 V.";
        QTest::newRow("En 21 reference") << "En" << 21 << "Check Rx channels reproducibility"
            << "Please connect reference voltage source (" + le + " 12000 mV) to A and B sockets.";
        QTest::newRow("Ru 3 trailing blank") << "Ru" << 3 << "Проверить соединения генераторных и измерительных коммутаторов "
            << "Подключите к разъёмам A и B резистор:\nсопротивление: 1.0 кОм " + pm + " 10 %,\nмакс. мощность: 1.4 Вт или больше,\nмакс. напряжение: 37.5 В или больше.";
        QTest::newRow("Ru 16") << "Ru" << 16 << "Проверить работоспособность генератора (1 час)"
            << "Подключите к разъёмам A и B резистор:\nсопротивление: 30.0 Ом " + pm + " 10 % или больше,\nмакс. мощность: 200.0 Вт или больше.\nмакс. напряжение: 500.0 В или больше.";
        QTest::newRow("Ru 9") << "Ru" << 9 << "Проверить LAN" << "Соедините LAN разъёмы прибора и локальной сети\nкабелем и подождите 20 секунд. ";
        QTest::newRow("Ru 21") << "Ru" << 21 << "Проверить повторяемость измерительных каналов"
            << "Подключите источник опорного напряжения (" + le + " 12000 мВ) к разъёмам A и B.";
    }

    // Titles and instructions in the language of the moment the screen is built;
    // every button shows its title.
    void catalogue()
    {
        QFETCH(QString, language);
        QFETCH(int, code);
        QFETCH(QString, title);
        QFETCH(QString, instruction);
        QVERIFY(zarTranslator::instance()->setLanguage(language));
        zarEngineerScreen fixture;
        QCOMPARE(fixture.screen.titles().size(), int(zarEngineerWidget::testCount));
        QCOMPARE(fixture.screen.instructions().size(), int(zarEngineerWidget::testCount));
        QCOMPARE(fixture.screen.titles().at(code), title);
        QCOMPARE(fixture.screen.instructions().at(code), instruction);
        for (int i = 0; i < zarEngineerWidget::testCount; ++i)
            QCOMPARE(fixture.screen.findChild<QToolButton*>(QStringLiteral("proToolButton%1").arg(i, 2, 10, QLatin1Char('0')))->text(),
                     fixture.screen.titles().at(i));
    }

    // A new language retitles the tab, Stop, Exit and the caution only.
    void languageChangeRetitlesTheFrameOnly()
    {
        zarEngineerScreen fixture;
        zarEngineerWidget& screen = fixture.screen;
        QVERIFY(zarTranslator::instance()->setLanguage(QStringLiteral("Ru")));
        QCOMPARE(QStringList({ screen.tabWidget->tabText(0), screen.proStopPushButton->text(), screen.proExitPushButton->text(),
                               screen.proToolButton08->text(), screen.proCautionLabel->text() }),
                 QStringList({ "Настройка и тестирование", "Стоп", "Выход", "Check USB",
                               "<b><font color=red>Отключите всё, что подключено к разъёмам прибора (кроме питания) перед "
                               "началом каждой операции!</font></b>" }));
        QCOMPARE(screen.instructions().at(0), QStringLiteral("Rx channels are going to be adjusted."));
    }
};

ZAR_TEST_MAIN(TestEngineerScreen)
#include "test_engineerscreen.moc"
