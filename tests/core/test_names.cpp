#include "zartestsupport.h"

#include "core/zarconstants.h"
#include "core/zarcoreerror.h"
#include "core/zarnames.h"

#include <QDirIterator>
#include <QTranslator>
#include <QXmlStreamReader>

// Array and device names and error texts, in English and through the compiled Russian
// catalogue; typed file names; every catalogue entry is finished and both languages hold the same keys.
class TestNames : public QObject
{
    Q_OBJECT

    // context \x1f source -> translation; an unfinished entry reads as empty.
    static QHash<QString, QString> read(const QString& language)
    {
        QHash<QString, QString> entries;
        QDirIterator it(QStringLiteral(ZAR_SOURCE_DIR "/resources/translations"),
                        { QStringLiteral("*_%1.ts").arg(language) });
        while (it.hasNext()) {
            QFile file(it.next());
            if (!file.open(QIODevice::ReadOnly))
                qFatal("cannot read %s", qPrintable(file.fileName()));
            QXmlStreamReader xml(&file);
            QString context, source;
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement)
                    continue;
                if (xml.name() == QLatin1String("name"))
                    context = xml.readElementText();
                else if (xml.name() == QLatin1String("source"))
                    source = xml.readElementText();
                else if (xml.name() == QLatin1String("translation"))
                    entries.insert(context + QLatin1Char('\x1f') + source,
                                   xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished")
                                       ? QString() : xml.readElementText());
            }
            if (xml.hasError())
                qFatal("%s: %s", qPrintable(file.fileName()), qPrintable(xml.errorString()));
        }
        return entries;
    }

private slots:
    // The ends of the ranges of bus addresses.
    void deviceNames_data()
    {
        QTest::addColumn<int>("address");
        QTest::addColumn<QString>("name");
        QTest::newRow("0 core") << 0 << "Core";
        QTest::newRow("6 reference") << 6 << "Reference voltage gererator";
        QTest::newRow("7 generator") << 7 << "Internal generator";
        QTest::newRow("8 first registrator") << 8 << "Input voltage registrator 1";
        QTest::newRow("23 last registrator") << 23 << "Input voltage registrator 16";
        QTest::newRow("24 output voltage") << 24 << "Output voltage registrator (17)";
        QTest::newRow("25 output current") << 25 << "Output current registrator (18)";
        QTest::newRow("26 first switch") << 26 << "Input voltage registrator 1 switch";
        QTest::newRow("41 last switch") << 41 << "Input voltage registrator 16 switch";
        QTest::newRow("42 generator switch") << 42 << "Generator switch";
        QTest::newRow("43 unknown") << 43 << "Unknown device";
        QTest::newRow("255 unknown") << 255 << "Unknown device";
    }

    void deviceNames()
    {
        QFETCH(int, address);
        QFETCH(QString, name);
        QCOMPARE(deviceName(zarAddress(address)), name);
    }

    // Each group of array names at its ends.
    void arrayNames_data()
    {
        const QString pm = QChar(0x00B1);
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("name");
        QTest::newRow("0") << 0 << QStringLiteral("Wenner ") + QChar(0x03B1);
        QTest::newRow("2") << 2 << QStringLiteral("Wenner ") + QChar(0x03B3);
        QTest::newRow("3") << 3 << "Schlumberger";
        QTest::newRow("6") << 6 << "Backward Pole-Dipole";
        QTest::newRow("7") << 7 << "Pole-Pole";
        QTest::newRow("8") << 8 << "Gradient [" + pm + "3]";
        QTest::newRow("11") << 11 << "Gradient [" + pm + "9]";
        QTest::newRow("12") << 12 << QStringLiteral("Reciprocal Wenner ") + QChar(0x03B1);
        QTest::newRow("14") << 14 << QStringLiteral("Reciprocal Wenner ") + QChar(0x03B3);
        QTest::newRow("17") << 17 << "Reciprocal Pole-Pole";
        QTest::newRow("18") << 18 << "Reciprocal Gradient [" + pm + "3]";
        QTest::newRow("21") << 21 << "Reciprocal Gradient [" + pm + "9]";
        QTest::newRow("22") << 22 << "Unknown array";
        QTest::newRow("-1") << -1 << "Unknown array";
    }
    void arrayNames()
    {
        QFETCH(int, type);
        QTEST(arrayName(zarArrayType(type)), "name");
    }

    void everyArrayHasItsOwnName()
    {
        QSet<QString> distinct;
        for (int code = 0; code < 22; ++code)
            distinct.insert(arrayName(zarArrayType(code)));
        QCOMPARE(distinct.size(), 22);
    }

    // An error's text names its command or device from the parameter.
    void errorTexts_data()
    {
        QTest::addColumn<int>("packed");
        QTest::addColumn<QString>("text");
        QTest::newRow("success") << 0 << "Success";
        QTest::newRow("simulated") << 1 << "Simulated error";
        QTest::newRow("send failure names the command") << 3 + 256 * 255 << "Can not send command 255";
        QTest::newRow("send failure of command 0") << 3 << "Can not send command 0";
        QTest::newRow("silence of the core") << 5 << "Device \"Core\" does not respond";
        QTest::newRow("silence names the device") << 5 + 256 * 7 << "Device \"Internal generator\" does not respond";
        QTest::newRow("silence of an unknown device") << 5 + 256 * 200 << "Device \"Unknown device\" does not respond";
        QTest::newRow("open circuit") << 10 << "Open circuit (detected by software)";
        QTest::newRow("cancel") << 14 << "Canceled by user";
        QTest::newRow("code bug ignores the parameter") << 15 + 256 * 9 << "Code bug";
        QTest::newRow("16") << 16 + 256 * 3 << "Unknown error";
        QTest::newRow("255") << 255 << "Unknown error";
    }
    void errorTexts()
    {
        QFETCH(int, packed);
        QTEST(zarCoreError(packed).text(), "text");
    }

    // The report's two bytes: the code low, the parameter high.
    void errorCodesPackTheirParameter()
    {
        const zarCoreError packed(0x0A05);
        QCOMPARE(int(packed.code), 5);
        QCOMPARE(int(packed.param), 10);
        QCOMPARE(packed.packed(), 0x0A05);
    }

    // Names and errors through the compiled Russian catalogue.
    void russianTexts_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("russian");
        QTest::newRow("array") << 0 << QStringLiteral("Веннер ") + QChar(0x03B2);
        QTest::newRow("reciprocal gradient")
            << 1 << QStringLiteral("Взаим. Градиентная [") + QChar(0x00B1) + QStringLiteral("5]");
        QTest::newRow("registrator") << 2 << "Измеритель входного напряжения 2";
        QTest::newRow("output registrator") << 3 << "Измеритель выходного напряжения (17)";
        QTest::newRow("send failure") << 4 << "Не удаётся послать команду 12";
        QTest::newRow("silent device") << 5 << "Устройство \"Внутренний генератор\" не отвечает";
        QTest::newRow("unknown error") << 6 << "Неизвестная ошибка";
    }
    void russianTexts()
    {
        QFETCH(int, which);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/system/system/Ru.qm")));
        QCoreApplication::installTranslator(&translator);
        const QString texts[] = { arrayName(1), arrayName(19), deviceName(9), deviceName(24),
                                  zarCoreError(3 + 256 * 12).text(), zarCoreError(5 + 256 * 7).text(),
                                  zarCoreError(99).text() };
        QCoreApplication::removeTranslator(&translator);
        QTEST(texts[which], "russian");
        QCOMPARE(arrayName(3), QStringLiteral("Schlumberger"));
    }

    // Every error code has its own Russian sentence.
    void everyErrorCodeHasItsOwnRussianSentence()
    {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/system/system/Ru.qm")));
        QCoreApplication::installTranslator(&translator);
        QSet<QString> errors;
        QStringList latin;
        for (int code = 0; code <= 16; ++code) {
            const QString text = zarCoreError(code).text();
            if (text.contains(QRegularExpression(QStringLiteral("[A-Za-z]{3}"))))
                latin << text;
            errors.insert(text);
        }
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(latin, QStringList());
        QCOMPARE(errors.size(), 17);
    }

    void resistanceUnit_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("unit");
        QTest::newRow("English: the sign") << "En" << QString(QChar(0x03A9));
        QTest::newRow("Russian: a word") << "Ru" << "Ом";
    }
    // The unit of the session table's resistances in each language.
    void resistanceUnit()
    {
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/system/system/%1.qm").arg(language)));
        QTEST(translator.translate("zarSessionDataModel", "Ohm"), "unit");
    }

    void plainFileNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<bool>("accepted");
        const QString tpl = templateExtension, ses = sessionExtension;
        // "." + "zarTemplate" takes 12 of the 255, "." + "zarSession" 11, and the
        // save's temporary copy adds "." and six more.
        const QString a(236, QLatin1Char('a'));
        // Two bytes each in UTF-8, one unit each in UTF-16.
        const QString ya(118, QChar(0x044F));
#ifdef Q_OS_WIN
        const bool countsBytes = false;
#else
        const bool countsBytes = true;
#endif
        QTest::newRow("ordinary") << "line 7, day 2" << tpl << true;
        QTest::newRow("dot") << "." << tpl << false;
        QTest::newRow("hidden") << ".hidden" << ses << false;
        QTest::newRow("blanks") << "   " << ses << false;
        QTest::newRow("blanks around a name") << "  a  " << ses << true;
        QTest::newRow("copy 255 long") << a << tpl << true;
        QTest::newRow("copy 256 long") << a + 'a' << tpl << false;
        QTest::newRow("copy 255 long with the shorter extension") << a + 'a' << ses << true;
        QTest::newRow("Cyrillic, copy 255 bytes") << ya << tpl << true;
        QTest::newRow("Cyrillic, copy 256 bytes in 138 letters") << ya + 'a' << tpl << !countsBytes;
        QTest::newRow("Cyrillic, copy 274 letters") << ya + ya + QString(18, QLatin1Char('a')) << tpl << false;
        QTest::newRow("device") << "con" << tpl << false;
        QTest::newRow("device with an extension") << "Com1.line" << ses << false;
        QTest::newRow("device name inside a name") << "console" << tpl << true;
        QTest::newRow("stream of a file") << "line:7" << tpl << false;
        QTest::newRow("wildcard") << "line*" << tpl << false;
    }

    // Typed names the file system or the open dialog would not keep as they are.
    void plainFileNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, extension);
        QTEST(isPlainFileName(name, extension), "accepted");
    }

    void entriesAreFinishedAndMatch()
    {
        const QHash<QString, QString> en = read(QStringLiteral("En"));
        const QHash<QString, QString> ru = read(QStringLiteral("Ru"));
        QVERIFY(!en.isEmpty());
        for (const QHash<QString, QString>* entries : { &en, &ru })
            for (auto e = entries->begin(); e != entries->end(); ++e) {
                QVERIFY2(!e.value().isEmpty(), qPrintable(e.key()));
                QCOMPARE(e.key().count(QStringLiteral("%1")), e.value().count(QStringLiteral("%1")));
            }
        const QSet<QString> enKeys(en.keyBegin(), en.keyEnd()), ruKeys(ru.keyBegin(), ru.keyEnd());
        QCOMPARE(enKeys - ruKeys, QSet<QString>());
        QCOMPARE(ruKeys - enKeys, QSet<QString>());
    }
};

ZAR_TEST_MAIN(TestNames)
#include "test_names.moc"
