#include "zartestsupport.h"

#include "core/zarcoreerror.h"
#include "core/zarnames.h"

#include <QTranslator>

// Names and error texts, in English and through the compiled Russian catalogue.
class TestNames : public QObject
{
    Q_OBJECT

private slots:
    void english()
    {
        const QString pm = QChar(0x00B1);
        const QList<QPair<int, QString>> arrays {
            { 0, QStringLiteral("Wenner ") + QChar(0x03B1) }, { 2, QStringLiteral("Wenner ") + QChar(0x03B3) },
            { 12, QStringLiteral("Reciprocal Wenner ") + QChar(0x03B1) },
            { 8, QStringLiteral("Gradient [") + pm + QStringLiteral("3]") },
            { 11, QStringLiteral("Gradient [") + pm + QStringLiteral("9]") },
            { 18, QStringLiteral("Reciprocal Gradient [") + pm + QStringLiteral("3]") },
            { 6, QStringLiteral("Backward Pole-Dipole") }, { 17, QStringLiteral("Reciprocal Pole-Pole") },
            { 22, QStringLiteral("Unknown array") }, { -1, QStringLiteral("Unknown array") } };
        for (const auto& a : arrays)
            QCOMPARE(arrayName(zarArrayType(qint8(a.first))), a.second);
        QSet<QString> distinct;
        for (int code = 0; code < 22; ++code)
            distinct.insert(arrayName(zarArrayType(code)));
        QCOMPARE(distinct.size(), 22);

        const QList<QPair<int, QString>> devices {
            { 0, QStringLiteral("Core") }, { 6, QStringLiteral("Reference voltage gererator") },
            { 8, QStringLiteral("Input voltage registrator 1") }, { 23, QStringLiteral("Input voltage registrator 16") },
            { 26, QStringLiteral("Input voltage registrator 1 switch") },
            { 41, QStringLiteral("Input voltage registrator 16 switch") },
            { 24, QStringLiteral("Output voltage registrator (17)") },
            { 25, QStringLiteral("Output current registrator (18)") }, { 42, QStringLiteral("Generator switch") },
            { 43, QStringLiteral("Unknown device") }, { 255, QStringLiteral("Unknown device") } };
        for (const auto& d : devices)
            QCOMPARE(deviceName(zarAddress(d.first)), d.second);

        const QList<QPair<int, QString>> errors {
            { 0, QStringLiteral("Success") }, { 3 + 256 * 255, QStringLiteral("Can not send command 255") },
            { 5 + 256 * 7, QStringLiteral("Device \"Internal generator\" does not respond") },
            { 5 + 256 * 200, QStringLiteral("Device \"Unknown device\" does not respond") },
            { 1, QStringLiteral("Simulated error") }, { 14, QStringLiteral("Canceled by user") },
            { 15 + 256 * 9, QStringLiteral("Code bug") }, { 16 + 256 * 3, QStringLiteral("Unknown error") },
            { 255, QStringLiteral("Unknown error") } };
        for (const auto& e : errors)
            QCOMPARE(zarCoreError(e.first).text(), e.second);
        const zarCoreError packed(0x0A05);
        QCOMPARE(int(packed.code), 5);
        QCOMPARE(int(packed.param), 10);
        QCOMPARE(packed.packed(), 0x0A05);
    }

    void russian()
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
            QVERIFY2(!text.contains(QRegularExpression(QStringLiteral("[A-Za-z]{3}"))), qPrintable(text));
            texts.insert(text);
        }
        QCOMPARE(texts.size(), 17);
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(arrayName(3), QStringLiteral("Schlumberger"));
    }
};

ZAR_TEST_MAIN(TestNames)
#include "test_names.moc"
