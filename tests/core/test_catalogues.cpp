#include "zartestsupport.h"

#include <QDirIterator>
#include <QTranslator>
#include <QXmlStreamReader>

// Every catalogue entry is finished and both languages hold the same keys.
class TestCatalogues : public QObject
{
    Q_OBJECT

    // context \x1f source -> translation, failing on unfinished entries.
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
                else if (xml.name() == QLatin1String("translation")) {
                    const QString key = context + QLatin1Char('\x1f') + source;
                    if (xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished"))
                        entries.insert(key, QString());
                    else
                        entries.insert(key, xml.readElementText());
                }
            }
            if (xml.hasError())
                qFatal("%s: %s", qPrintable(file.fileName()), qPrintable(xml.errorString()));
        }
        return entries;
    }

private slots:
    void entriesAreFinishedAndMatch()
    {
        const QHash<QString, QString> en = read(QStringLiteral("En"));
        const QHash<QString, QString> ru = read(QStringLiteral("Ru"));
        QVERIFY(!en.isEmpty());
        for (const QHash<QString, QString>* entries : { &en, &ru })
            for (auto e = entries->begin(); e != entries->end(); ++e) {
                const QString source = e.key().section(QLatin1Char('\x1f'), 1);
                QVERIFY2(!e.value().isEmpty(), qPrintable(e.key()));
                QCOMPARE(source.count(QStringLiteral("%1")), e.value().count(QStringLiteral("%1")));
            }
        const QSet<QString> enKeys(en.keyBegin(), en.keyEnd()), ruKeys(ru.keyBegin(), ru.keyEnd());
        QCOMPARE(enKeys - ruKeys, QSet<QString>());
        QCOMPARE(ruKeys - enKeys, QSet<QString>());
    }

    // The compiled catalogues load; in English the unit is shown as its sign, in Russian as a word.
    void compiledCatalogues()
    {
        QTranslator en, ru;
        QVERIFY(en.load(QStringLiteral(":/system/system/En.qm")));
        QVERIFY(ru.load(QStringLiteral(":/system/system/Ru.qm")));
        QCOMPARE(en.translate("zarSessionDataModel", "Ohm"), QString(QChar(0x03A9)));
        QCOMPARE(ru.translate("zarSessionDataModel", "Ohm"), QStringLiteral("Ом"));
    }
};

ZAR_TEST_MAIN(TestCatalogues)
#include "test_catalogues.moc"
