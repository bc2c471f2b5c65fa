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

    // Installed for the life of one test.
    struct Russian {
        QTranslator translator;
        Russian()
        {
            if (!translator.load(QStringLiteral(":/system/system/Ru.qm")))
                qFatal("no Russian catalogue");
            QCoreApplication::installTranslator(&translator);
        }
        ~Russian() { QCoreApplication::removeTranslator(&translator); }
    };

private slots:
    void errorTexts_data()
    {
        QTest::addColumn<int>("packed");
        QTest::addColumn<QString>("text");
        QTest::newRow("send failure names the command") << 3 + 256 * 255 << "Can not send command 255";
        QTest::newRow("silence names the device") << 5 + 256 * 7 << "Device \"Internal generator\" does not respond";
        QTest::newRow("cancel") << 14 << "Canceled by user";
    }

    void errorTexts()
    {
        QFETCH(int, packed);
        QTEST(zarCoreError(packed).text(), "text");
    }

    // Through the compiled Russian catalogue.
    void russianTexts()
    {
        const Russian russian;
        QCOMPARE(deviceName(9), QStringLiteral("Измеритель входного напряжения 2"));
        QCOMPARE(zarCoreError(5 + 256 * 7).text(), QStringLiteral("Устройство \"Внутренний генератор\" не отвечает"));
    }

    void everyErrorCodeHasItsOwnRussianSentence()
    {
        const Russian russian;
        QSet<QString> errors;
        for (int code = 0; code <= 16; ++code) {
            const QString text = zarCoreError(code).text();
            QVERIFY2(!text.contains(QRegularExpression(QStringLiteral("[A-Za-z]{3}"))), qPrintable(text));
            errors.insert(text);
        }
        QCOMPARE(errors.size(), 17);
    }

    // Each range of bus addresses at both of its ends and just outside them.
    void deviceNames_data()
    {
        QTest::addColumn<int>("address");
        QTest::addColumn<QString>("name");
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
        QTest::newRow("pulses") << pulseDurationList;
        QTest::newRow("pauses") << pauseDurationList;
        QTest::newRow("deviations") << deviationLimitList;
    }

    void selectionLists()
    {
        QFETCH(QString, list);
        double previous = -1;
        for (const QString& item : list.split(QLatin1Char(','))) {
            bool ok = false;
            const double value = item.toDouble(&ok);
            QVERIFY2(ok && item.trimmed() == item, qPrintable(item));
            QVERIFY2(value > previous, qPrintable(item));
            previous = value;
        }
    }
};

ZAR_TEST_MAIN(TestNames)
#include "test_names.moc"
