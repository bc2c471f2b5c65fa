#include "zartestsupport.h"

#include "core/zarcoreerror.h"
#include "core/zarnames.h"

#include <QTranslator>

// Names and error texts, in English and through the compiled Russian catalogue.
class TestNames : public QObject
{
    Q_OBJECT

private slots:
    void arrayNames()
    {
        QCOMPARE(arrayName(0), QStringLiteral("Wenner ") + QChar(0x03B1));
        QCOMPARE(arrayName(2), QStringLiteral("Wenner ") + QChar(0x03B3));
        QCOMPARE(arrayName(12), QStringLiteral("Reciprocal Wenner ") + QChar(0x03B1));
        QCOMPARE(arrayName(8), QStringLiteral("Gradient [") + QChar(0x00B1) + QStringLiteral("3]"));
        QCOMPARE(arrayName(11), QStringLiteral("Gradient [") + QChar(0x00B1) + QStringLiteral("9]"));
        QCOMPARE(arrayName(18), QStringLiteral("Reciprocal Gradient [") + QChar(0x00B1) + QStringLiteral("3]"));
        QCOMPARE(arrayName(6), QStringLiteral("Backward Pole-Dipole"));
        QCOMPARE(arrayName(17), QStringLiteral("Reciprocal Pole-Pole"));
        QCOMPARE(arrayName(22), QStringLiteral("Unknown array"));
        QCOMPARE(arrayName(zarArrayType(qint8(-1))), QStringLiteral("Unknown array"));
        QSet<QString> distinct;
        for (int code = 0; code < 22; ++code)
            distinct.insert(arrayName(zarArrayType(code)));
        QCOMPARE(distinct.size(), 22);
    }

    void deviceNames()
    {
        QCOMPARE(deviceName(0), QStringLiteral("Core"));
        QCOMPARE(deviceName(6), QStringLiteral("Reference voltage gererator"));
        QCOMPARE(deviceName(8), QStringLiteral("Input voltage registrator 1"));
        QCOMPARE(deviceName(23), QStringLiteral("Input voltage registrator 16"));
        QCOMPARE(deviceName(26), QStringLiteral("Input voltage registrator 1 switch"));
        QCOMPARE(deviceName(41), QStringLiteral("Input voltage registrator 16 switch"));
        QCOMPARE(deviceName(24), QStringLiteral("Output voltage registrator (17)"));
        QCOMPARE(deviceName(25), QStringLiteral("Output current registrator (18)"));
        QCOMPARE(deviceName(42), QStringLiteral("Generator switch"));
        for (int address : { 43, 254, 255 })
            QCOMPARE(deviceName(zarAddress(address)), QStringLiteral("Unknown device"));
    }

    void errorTexts()
    {
        QCOMPARE(zarCoreError().text(), QStringLiteral("Success"));
        QCOMPARE(zarCoreError(3 + 256 * 255).text(), QStringLiteral("Can not send command 255"));
        QCOMPARE(zarCoreError(3).text(), QStringLiteral("Can not send command 0"));
        QCOMPARE(zarCoreError(5).text(), QStringLiteral("Device \"Core\" does not respond"));
        QCOMPARE(zarCoreError(5 + 256 * 7).text(), QStringLiteral("Device \"Internal generator\" does not respond"));
        QCOMPARE(zarCoreError(5 + 256 * 200).text(), QStringLiteral("Device \"Unknown device\" does not respond"));
        QCOMPARE(zarCoreError(1).text(), QStringLiteral("Simulated error"));
        QCOMPARE(zarCoreError(14).text(), QStringLiteral("Canceled by user"));
        QCOMPARE(zarCoreError(15 + 256 * 9).text(), QStringLiteral("Code bug"));
        for (int code : { 16, 200, 255 })
            QCOMPARE(zarCoreError(code + 256 * 3).text(), QStringLiteral("Unknown error"));
        zarCoreError packed(0x0A05);
        QCOMPARE(int(packed.code), 5);
        QCOMPARE(int(packed.param), 10);
        QCOMPARE(packed.packed(), 0x0A05);
    }

    void russianCatalogue()
    {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/system/system/Ru.qm")));
        QCoreApplication::installTranslator(&translator);
        QCOMPARE(arrayName(1), QStringLiteral("Веннер ") + QChar(0x03B2));
        QCOMPARE(arrayName(19), QStringLiteral("Взаим. Градиентная [") + QChar(0x00B1) + QStringLiteral("5]"));
        QCOMPARE(deviceName(9), QStringLiteral("Измеритель входного напряжения 2"));
        QCOMPARE(deviceName(24), QStringLiteral("Измеритель выходного напряжения (17)"));
        QCOMPARE(zarCoreError(3 + 256 * 12).text(), QStringLiteral("Не удаётся послать команду 12"));
        QCOMPARE(zarCoreError(5 + 256 * 7).text(), QStringLiteral("Устройство \"Внутренний генератор\" не отвечает"));
        QCOMPARE(zarCoreError(99).text(), QStringLiteral("Неизвестная ошибка"));
        // Every code has its own Russian sentence.
        QSet<QString> texts;
        for (int code = 0; code <= 16; ++code) {
            const QString text = zarCoreError(code).text();
            QVERIFY2(!text.contains(QRegularExpression(QStringLiteral("[A-Za-z]{3}"))),
                     qPrintable(text));
            texts.insert(text);
        }
        QCOMPARE(texts.size(), 17);
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(arrayName(3), QStringLiteral("Schlumberger"));
    }
};

ZAR_TEST_MAIN(TestNames)
#include "test_names.moc"
