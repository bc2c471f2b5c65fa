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
    void english()
    {
        const QString pm = QChar(0x00B1);
        const QList<QPair<int, QString>> arrays {
            { 0, QStringLiteral("Wenner ") + QChar(0x03B1) }, { 12, QStringLiteral("Reciprocal Wenner ") + QChar(0x03B1) },
            { 11, QStringLiteral("Gradient [") + pm + QStringLiteral("9]") },
            { 18, QStringLiteral("Reciprocal Gradient [") + pm + QStringLiteral("3]") },
            { 6, QStringLiteral("Backward Pole-Dipole") }, { 22, QStringLiteral("Unknown array") },
            { -1, QStringLiteral("Unknown array") } };
        for (const auto& a : arrays)
            QCOMPARE(arrayName(zarArrayType(qint8(a.first))), a.second);
        QSet<QString> distinct;
        for (int code = 0; code < 22; ++code)
            distinct.insert(arrayName(zarArrayType(code)));
        QCOMPARE(distinct.size(), 22);

        for (int i = 1; i <= 16; ++i) {
            QCOMPARE(deviceName(zarAddress(7 + i)), QStringLiteral("Input voltage registrator %1").arg(i));
            QCOMPARE(deviceName(zarAddress(25 + i)), QStringLiteral("Input voltage registrator %1 switch").arg(i));
        }
        const QList<QPair<int, QString>> devices {
            { 0, QStringLiteral("Core") }, { 6, QStringLiteral("Reference voltage gererator") },
            { 24, QStringLiteral("Output voltage registrator (17)") },
            { 25, QStringLiteral("Output current registrator (18)") }, { 42, QStringLiteral("Generator switch") },
            { 43, QStringLiteral("Unknown device") }, { 255, QStringLiteral("Unknown device") } };
        for (const auto& d : devices)
            QCOMPARE(deviceName(zarAddress(d.first)), d.second);

        const QList<QPair<int, QString>> errors {
            { 0, QStringLiteral("Success") }, { 3 + 256 * 255, QStringLiteral("Can not send command 255") },
            { 5 + 256 * 7, QStringLiteral("Device \"Internal generator\" does not respond") },
            { 5 + 256 * 200, QStringLiteral("Device \"Unknown device\" does not respond") },
            { 14, QStringLiteral("Canceled by user") }, { 15 + 256 * 9, QStringLiteral("Code bug") },
            { 16 + 256 * 3, QStringLiteral("Unknown error") } };
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

    // Clean, strictly rising numbers, with the entries the devices know.
    void selectionLists()
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
        const QStringList pulses = pulseDurationList.split(QLatin1Char(','));
        QCOMPARE(pulses.size(), 21);
        QCOMPARE(pulses.first(), QStringLiteral("80"));
        for (int i = 1; i < pulses.size(); ++i)
            QCOMPARE(pulses[i].toInt(), i * 100);
        const QStringList pauses = pauseDurationList.split(QLatin1Char(','));
        QCOMPARE(pauses.size(), 17);
        QCOMPARE(pauses[1], QStringLiteral("60"));
        const QStringList deviations = deviationLimitList.split(QLatin1Char(','));
        QCOMPARE(deviations.size(), 9);
        QCOMPARE(deviations.last(), QStringLiteral("10.0"));
        for (const QString& item : deviations)
            QCOMPARE(item.size(), 4);
    }

    void directoriesAndFixedTexts()
    {
        const QString root = zarDriveRoot::path();
        QVERIFY2(!root.startsWith(QDir::homePath() + QLatin1Char('/')) || root.contains(QLatin1String("zar-test")),
                 "tests must never use the real home directory");
        QCOMPARE(QString(templatesDir), root + QStringLiteral("zar_0/templates/"));
        QCOMPARE(QString(ertlabDir), root + QStringLiteral("zar_0/ertlab/"));
        QCOMPARE(QString(sessionsDir), root + QStringLiteral("zar_0/sessions/"));
        QCOMPARE(systemDir + autosaveName, root + QStringLiteral("zar_0/system/Rk4!wT9b$Le2Xq7#Hn5Vd8@Jc3Yf6M1"));
        QCOMPARE(tmpDir + downloadFileName, root + QStringLiteral("zar_0/tmp/download"));
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
