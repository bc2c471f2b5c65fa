#include "zartestsupport.h"

#include <QDirIterator>
#include <QTranslator>
#include <QXmlStreamReader>

// Every catalogue entry is finished and both languages hold the same keys.
class TestCatalogues : public QObject
{
    Q_OBJECT

    struct Entry
    {
        QString context;
        QString source;
        QString translation;
        bool unfinished = false;
    };

    static QList<Entry> read(const QString& language)
    {
        QList<Entry> entries;
        QDirIterator it(QStringLiteral(ZAR_SOURCE_DIR "/resources/translations"),
                        { QStringLiteral("*_%1.ts").arg(language) });
        while (it.hasNext()) {
            QFile file(it.next());
            if (!file.open(QIODevice::ReadOnly))
                qFatal("cannot read %s", qPrintable(file.fileName()));
            QXmlStreamReader xml(&file);
            QString context;
            Entry entry;
            while (!xml.atEnd()) {
                xml.readNext();
                if (!xml.isStartElement())
                    continue;
                if (xml.name() == QLatin1String("name"))
                    context = xml.readElementText();
                else if (xml.name() == QLatin1String("message"))
                    entry = Entry { context, QString(), QString(), false };
                else if (xml.name() == QLatin1String("source"))
                    entry.source = xml.readElementText();
                else if (xml.name() == QLatin1String("translation")) {
                    entry.unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
                    entry.translation = xml.readElementText();
                    entries << entry;
                }
            }
            if (xml.hasError())
                qFatal("%s: %s", qPrintable(file.fileName()), qPrintable(xml.errorString()));
        }
        return entries;
    }

private slots:
    void noUnfinishedEntries()
    {
        for (const QString& language : { QStringLiteral("En"), QStringLiteral("Ru") }) {
            const QList<Entry> entries = read(language);
            QVERIFY(!entries.isEmpty());
            for (const Entry& e : entries) {
                QVERIFY2(!e.unfinished && !e.translation.isEmpty(),
                         qPrintable(language + QLatin1Char(' ') + e.context + QStringLiteral(": ") + e.source));
                QCOMPARE(e.source.count(QStringLiteral("%1")), e.translation.count(QStringLiteral("%1")));
            }
        }
    }

    void languagesHoldTheSameKeys()
    {
        auto keys = [](const QList<Entry>& entries) {
            QSet<QString> set;
            for (const Entry& e : entries)
                set.insert(e.context + QLatin1Char('\x1f') + e.source);
            return set;
        };
        const QSet<QString> en = keys(read(QStringLiteral("En")));
        const QSet<QString> ru = keys(read(QStringLiteral("Ru")));
        QCOMPARE(en - ru, QSet<QString>());
        QCOMPARE(ru - en, QSet<QString>());
    }

    void compiledCataloguesLoad()
    {
        for (const QString& language : { QStringLiteral("En"), QStringLiteral("Ru") }) {
            QTranslator translator;
            QVERIFY(translator.load(QStringLiteral(":/system/system/%1.qm").arg(language)));
            QVERIFY(!translator.isEmpty());
        }
    }

    // In English the unit is shown as its sign; in Russian as a word.
    void resistanceUnit()
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
