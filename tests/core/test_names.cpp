#include "zartestsupport.h"

#include "core/zarconstants.h"
#include "core/zarcoreerror.h"
#include "core/zarnames.h"

#include <QDirIterator>
#include <QTranslator>
#include <QXmlStreamReader>

// Names, error texts and constants, in English and through the compiled Russian
// catalogue; every catalogue entry is finished and both languages hold the same keys.
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
    void everyArrayHasItsOwnName()
    {
        QSet<QString> distinct;
        for (int code = 0; code < 22; ++code)
            distinct.insert(arrayName(zarArrayType(code)));
        QCOMPARE(distinct.size(), 22);
    }

    void errorTexts_data()
    {
        QTest::addColumn<int>("packed");
        QTest::addColumn<QString>("text");
        QTest::newRow("send failure names the command") << 3 + 256 * 255 << "Can not send command 255";
        QTest::newRow("silence names the device") << 5 + 256 * 7 << "Device \"Internal generator\" does not respond";
        QTest::newRow("cancel") << 14 << "Canceled by user";
        QTest::newRow("unknown code") << 99 << "Unknown error";
    }

    void errorTexts()
    {
        QFETCH(int, packed);
        QTEST(zarCoreError(packed).text(), "text");
    }

    void errorCodesPackTheirParameter()
    {
        const zarCoreError packed(0x0A05);
        QCOMPARE(int(packed.code), 5);
        QCOMPARE(int(packed.param), 10);
        QCOMPARE(packed.packed(), 0x0A05);
    }

    // Through the compiled Russian catalogue.
    void russianTexts_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("russian");
        QTest::newRow("device") << 0 << "Измеритель входного напряжения 2";
        QTest::newRow("error") << 1 << "Устройство \"Внутренний генератор\" не отвечает";
        QTest::newRow("unit") << 2 << "Ом";
    }

    void russianTexts()
    {
        QFETCH(int, which);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/system/system/Ru.qm")));
        QCoreApplication::installTranslator(&translator);
        const QString texts[] = { deviceName(9), zarCoreError(5 + 256 * 7).text(),
                                  translator.translate("zarSessionDataModel", "Ohm") };
        QCoreApplication::removeTranslator(&translator);
        QTEST(texts[which], "russian");
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

    // Each range of bus addresses at both of its ends and just outside them.
    void deviceNames_data()
    {
        QTest::addColumn<int>("address");
        QTest::addColumn<QString>("name");
        QTest::newRow("0 core") << 0 << "Core";
        QTest::newRow("7 generator") << 7 << "Internal generator";
        QTest::newRow("8 first registrator") << 8 << "Input voltage registrator 1";
        QTest::newRow("23 last registrator") << 23 << "Input voltage registrator 16";
        QTest::newRow("24 output voltage") << 24 << "Output voltage registrator (17)";
        QTest::newRow("25 output current") << 25 << "Output current registrator (18)";
        QTest::newRow("26 first switch") << 26 << "Input voltage registrator 1 switch";
        QTest::newRow("41 last switch") << 41 << "Input voltage registrator 16 switch";
        QTest::newRow("42 generator switch") << 42 << "Generator switch";
        QTest::newRow("43 unknown") << 43 << "Unknown device";
    }

    void deviceNames()
    {
        QFETCH(int, address);
        QFETCH(QString, name);
        QCOMPARE(deviceName(zarAddress(address)), name);
    }

    // Every array type at the ends of the name groups.
    void arrayNames_data()
    {
        const QString pm = QChar(0x00B1);
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("name");
        QTest::newRow("0") << 0 << QStringLiteral("Wenner ") + QChar(0x03B1);
        QTest::newRow("2") << 2 << QStringLiteral("Wenner ") + QChar(0x03B3);
        QTest::newRow("7") << 7 << "Pole-Pole";
        QTest::newRow("8") << 8 << "Gradient [" + pm + "3]";
        QTest::newRow("11") << 11 << "Gradient [" + pm + "9]";
        QTest::newRow("14") << 14 << QStringLiteral("Reciprocal Wenner ") + QChar(0x03B3);
        QTest::newRow("17") << 17 << "Reciprocal Pole-Pole";
        QTest::newRow("18") << 18 << "Reciprocal Gradient [" + pm + "3]";
        QTest::newRow("21") << 21 << "Reciprocal Gradient [" + pm + "9]";
        QTest::newRow("22") << 22 << "Unknown array";
    }

    void arrayNames()
    {
        QFETCH(int, type);
        QFETCH(QString, name);
        QCOMPARE(arrayName(zarArrayType(type)), name);
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

    // Selection lists hold clean, strictly rising numbers.
    void selectionLists_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("entries");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("pulses") << pulseDurationList << 21 << "80" << "2000";
        QTest::newRow("pauses") << pauseDurationList << 17 << "20" << "1000";
        QTest::newRow("deviations") << deviationLimitList << 9 << "0.10" << "10.0";
    }

    void selectionLists()
    {
        QFETCH(QString, list);
        const QStringList items = list.split(QLatin1Char(','));
        double previous = -1;
        for (const QString& item : items) {
            bool ok = false;
            const double value = item.toDouble(&ok);
            QVERIFY2(ok, qPrintable(item));
            QCOMPARE(item.trimmed(), item);
            QVERIFY2(value > previous, qPrintable(item));
            previous = value;
        }
        QTEST(items.size(), "entries");
        QTEST(items.first(), "first");
        QTEST(items.last(), "last");
    }

    // The second pause is the shortest one that measures IP.
    void shortestIpPause()
    {
        QCOMPARE(pauseDurationList.section(QLatin1Char(','), 1, 1), QStringLiteral("60"));
    }

    void testsNeverUseTheRealHome()
    {
        const QString root = zarDriveRoot::path();
        QVERIFY(!root.startsWith(QDir::homePath() + QLatin1Char('/')) || root.contains(QLatin1String("zar-test")));
    }

    void directoriesFollowTheDriveRoot_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("below");
        QTest::newRow("templates") << QString(templatesDir) << "zar_0/templates/";
        QTest::newRow("ERT Lab") << QString(ertlabDir) << "zar_0/ertlab/";
        QTest::newRow("sessions") << QString(sessionsDir) << "zar_0/sessions/";
        QTest::newRow("autosave") << systemDir + autosaveName << "zar_0/system/Rk4!wT9b$Le2Xq7#Hn5Vd8@Jc3Yf6M1";
        QTest::newRow("download") << tmpDir + downloadFileName << "zar_0/tmp/download";
    }

    void directoriesFollowTheDriveRoot()
    {
        QFETCH(QString, path);
        QFETCH(QString, below);
        QCOMPARE(path, zarDriveRoot::path() + below);
    }

    void aNewDriveRootMovesTheDirectories()
    {
        const QString root = zarDriveRoot::path();
        zarDriveRoot::setPath(QStringLiteral("/x"));
        const QString moved = templatesDir;
        zarDriveRoot::setPath(root);
        QCOMPARE(moved, QStringLiteral("/x/zar_0/templates/"));
    }
};

ZAR_TEST_MAIN(TestNames)
#include "test_names.moc"
