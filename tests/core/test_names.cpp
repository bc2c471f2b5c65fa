#include "zartestsupport.h"

#include "core/zarconstants.h"
#include "core/zarnames.h"

#include <QDirIterator>
#include <QXmlStreamReader>

// Device names, typed file names; every catalogue entry is finished and both languages hold the same keys.
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
        QTest::newRow("23 last registrator") << 23 << "Input voltage registrator 16";
        QTest::newRow("24 output voltage") << 24 << "Output voltage registrator (17)";
        QTest::newRow("26 first switch") << 26 << "Input voltage registrator 1 switch";
        QTest::newRow("43 unknown") << 43 << "Unknown device";
    }

    void deviceNames()
    {
        QFETCH(int, address);
        QFETCH(QString, name);
        QCOMPARE(deviceName(zarAddress(address)), name);
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
