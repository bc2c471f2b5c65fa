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

    static QStringList texts()
    {
        return { arrayName(12), arrayName(11), arrayName(22), deviceName(9), deviceName(33), deviceName(6),
                 deviceName(25), deviceName(43), zarCoreError(3 + 256 * 255).text(),
                 zarCoreError(5 + 256 * 7).text(), zarCoreError(14).text(), zarCoreError(99).text() };
    }

private slots:
    void englishAndRussian()
    {
        const QString pm = QChar(0x00B1);
        QCOMPARE(texts(), QStringList({ QStringLiteral("Reciprocal Wenner ") + QChar(0x03B1),
                                        "Gradient [" + pm + "9]", "Unknown array",
                                        "Input voltage registrator 2", "Input voltage registrator 8 switch",
                                        "Reference voltage gererator", "Output current registrator (18)",
                                        "Unknown device", "Can not send command 255",
                                        "Device \"Internal generator\" does not respond", "Canceled by user",
                                        "Unknown error" }));
        QSet<QString> distinct;
        for (int code = 0; code < 22; ++code)
            distinct.insert(arrayName(zarArrayType(code)));
        QCOMPARE(distinct.size(), 22);
        const zarCoreError packed(0x0A05);
        QCOMPARE(QList<int>({ packed.code, packed.param, packed.packed() }), QList<int>({ 5, 10, 0x0A05 }));

        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/system/system/Ru.qm")));
        QCoreApplication::installTranslator(&translator);
        const QStringList ru = texts();
        QCOMPARE(ru.at(3), QStringLiteral("Измеритель входного напряжения 2"));
        QCOMPARE(ru.at(9), QStringLiteral("Устройство \"Внутренний генератор\" не отвечает"));
        // Every code has its own Russian sentence.
        QSet<QString> errors;
        for (int code = 0; code <= 16; ++code) {
            const QString text = zarCoreError(code).text();
            QVERIFY2(!text.contains(QRegularExpression(QStringLiteral("[A-Za-z]{3}"))), qPrintable(text));
            errors.insert(text);
        }
        QCOMPARE(errors.size(), 17);
        QCOMPARE(translator.translate("zarSessionDataModel", "Ohm"), QStringLiteral("Ом"));
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(arrayName(3), QStringLiteral("Schlumberger"));
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

    // Selection lists hold clean, strictly rising numbers with the entries the devices
    // know; the directories follow the drive root.
    void constants()
    {
        for (const QString& list : { pulseDurationList, pauseDurationList, deviationLimitList }) {
            double previous = -1;
            for (const QString& item : list.split(QLatin1Char(','))) {
                bool ok = false;
                const double value = item.toDouble(&ok);
                QVERIFY2(ok && item.trimmed() == item && value > previous, qPrintable(list));
                previous = value;
            }
        }
        const QChar comma = QLatin1Char(',');
        QCOMPARE(QStringList({ pulseDurationList.section(comma, 0, 2), pulseDurationList.section(comma, 20),
                               pauseDurationList.section(comma, 1, 1), pauseDurationList.section(comma, 16),
                               deviationLimitList.section(comma, 8), QString::number(deviationLimitList.size()) }),
                 QStringList({ "80,100,200", "2000", "60", "1000", "10.0", "44" })); // 9 entries of 4 characters

        const QString root = zarDriveRoot::path();
        QVERIFY2(!root.startsWith(QDir::homePath() + QLatin1Char('/')) || root.contains(QLatin1String("zar-test")),
                 "tests must never use the real home directory");
        QCOMPARE(QStringList({ templatesDir, ertlabDir, sessionsDir, systemDir + autosaveName, tmpDir + downloadFileName }),
                 QStringList({ root + "zar_0/templates/", root + "zar_0/ertlab/", root + "zar_0/sessions/",
                               root + "zar_0/system/Rk4!wT9b$Le2Xq7#Hn5Vd8@Jc3Yf6M1", root + "zar_0/tmp/download" }));
        zarDriveRoot::setPath(QStringLiteral("/x"));
        QCOMPARE(QString(templatesDir), QStringLiteral("/x/zar_0/templates/"));
        zarDriveRoot::setPath(root);

        QCOMPARE(secondPortSettings, QStringLiteral("9600  , 8, N, 1, off"));
        QCOMPARE(logPassed, QStringLiteral("   <font color=blue>") + QChar(0x2713) + QStringLiteral("</font> <br> "));
        QCOMPARE(logFailed, QStringLiteral("   <font color=red>") + QChar(0x2717) + QStringLiteral("</font> <br> "));
    }
};

ZAR_TEST_MAIN(TestNames)
#include "test_names.moc"
