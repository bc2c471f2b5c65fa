// Session data: rows and their resistivity, the file layout with the fast row writer
// and decoder, damaged files refused; the session table model and the file table.
#include "zardialoganswer.h"
#include "zarmessagelog.h"
#include "zarmodalof.h"
#include "zaroperator.h"
#include "zarsessionfixture.h"
#include "zarstreamhelpers.h"
#include "zartestsupport.h"

#include "frame/zarkeyboarddialog.h"
#include "frame/zartranslator.h"
#include "sessions/zarfiletabledatamodel.h"
#include "sessions/zarfiletabledialog.h"
#include "service/zargpsmanager.h"
#include "sessions/zarsessiondatamodel.h"

#include <QAbstractItemModelTester>
#include <QSlider>
#include <QSet>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <cmath>
#include <functional>
#include <limits>

typedef QVector<quint32> Rows;
typedef QMap<qint8, qint8> Sets;
Q_DECLARE_METATYPE(zarSessionFile)
Q_DECLARE_METATYPE(Rows)
Q_DECLARE_METATYPE(Sets)

namespace {
const float notANumber = std::numeric_limits<float>::quiet_NaN();
const float infinite = std::numeric_limits<float>::infinity();
// Bytes from the magic to the first row of the sample session.
const int header = 4 + 8 + 1 + 4 + 4 + 4 + 4 + 8 + 4 + 16;
const int electrodes = header + 10 + 598;
const int rowsStart = electrodes + 4 + 52 + 4;
const qint32 templateMagic = qint32(0x88993366);
}

class TestSessionData : public QObject
{
    Q_OBJECT

    zarDialogAnswer answer;

    // What happens to a session between two autosaves.
    enum Change { Nothing, SameResultStored, MeasuredRowDeleted, UnmeasuredRowDeleted, PositionFound,
                  SamePosition, NamedSaveAfterADelete, AnotherSessionLoaded };

    static QByteArray patched(int at, const char* hex)
    {
        const QByteArray with = QByteArray::fromHex(hex);
        return zarSessionFixture::bytes(zarSessionFixture::sample()).replace(at, with.size(), with);
    }

    static void load(zarSessionDataModel& model, const zarSessionFile& session = zarSessionFixture::sample())
    {
        QVERIFY(model.loadFromFile(zarSessionFixture::write(session, QStringLiteral("m.zarSession"))));
    }

    // A stored file's magic and header record.
    static void writeHead(const QString& path, const zarArrangement& record = {})
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QDataStream stream(&file);
        stream.setVersion(QDataStream::Qt_4_8);
        stream << templateMagic << record << qint32(0);
    }

    // Remote electrodes, flags and settings that are not their defaults.
    static zarSessionDataUnit measuredRow()
    {
        zarSessionDataUnit u = zarSessionFixture::row(-1, 3, -2, 40, 1.5f, 2.25f, true, 123.5f, 6);
        u.continues = true;
        u.measureSet.settings = { 21, true, 47, 2.5f, 4, 250, 90, 80 };
        return u;
    }

    static QString cutPath() { return zarDriveRoot::path() + QStringLiteral("cut.zarSession"); }

    // Types a name into the session name dialog.
    static void typeName(const QString& name)
    {
        zarWhenModalOf<zarKeyboardDialog>([name](zarKeyboardDialog* dialog) {
            dialog->lineEdit->setText(name);
            dialog->accept();
        });
    }

private slots:
    // The file table lists the templates directory.
    void init()
    {
        QDir(templatesDir.path()).removeRecursively();
        QDir().mkpath(templatesDir);
    }

    // rho = |k U / I|; no current gives no finite value.
    void resistivity()
    {
        zarSessionDataUnit unit = zarSessionFixture::row(0, 3, 1, 2, 7.5f, 2.6f, true);
        unit.measureSet.rxVoltage = -10;
        unit.measureSet.txCurrent = 2;
        unit.derive();
        QCOMPARE(unit.rho, float(unit.k * 5.0));
        unit.measureSet.txCurrent = 0;
        unit.derive();
        QVERIFY(std::isinf(unit.rho));
    }

    // A row's geometric factor from its electrodes and the cable spacing, whatever
    // the spacing's sign; a remote electrode stands far out on the line.
    void geometricFactor_data()
    {
        QTest::addColumn<float>("spacing");
        QTest::addColumn<zarQuadripole>("quadripole");
        QTest::addColumn<double>("k");
        const double pi = 3.14159265358979;
        QTest::newRow("Schlumberger") << 5.0f << zarQuadripole(0, 3, 1, 2) << 10 * pi;
        QTest::newRow("negative spacing") << -5.0f << zarQuadripole(0, 3, 1, 2) << 10 * pi;
        QTest::newRow("remote A") << 5.0f << zarQuadripole(-1, 0, 1, 2) << 20 * pi;
        QTest::newRow("remote M") << 5.0f << zarQuadripole(0, 3, -2, 1) << 20 * pi;
        QTest::newRow("remote A and M") << 5.0f << zarQuadripole(-1, 0, -2, 1) << 10 * pi;
    }
    void geometricFactor()
    {
        QFETCH(float, spacing);
        QFETCH(zarQuadripole, quadripole);
        QFETCH(double, k);
        zarMeasurement item;
        item.quadripole = quadripole;
        zarSessionDataUnit unit;
        unit.configure(spacing, item);
        QVERIFY2(std::fabs(unit.k / k - 1) < 1e-4, qPrintable(QString::number(double(unit.k))));
    }

    // A row takes its place, sets, channel and run from the measurement.
    void configureTakesTheMeasurement()
    {
        zarMeasurement item;
        item.quadripole = zarQuadripole(4, 7, 5, 6);
        item.quadripole.x = 7.5f;
        item.quadripole.z = 2.6f;
        item.setMask(5);
        item.channel = 9;
        item.continues = 0;
        item.groupParity = 1;
        zarSessionDataUnit unit;
        unit.configure(5, item);
        QCOMPARE(unit.x, 7.5f);
        QCOMPARE(unit.z, 2.6f);
        QCOMPARE(unit.setMask, qint8(5));
        QCOMPARE(unit.coreQuadripole, zarCoreQuadripole({ 4, 7, 5, 6, 9 }));
        QCOMPARE(unit.continues, false);
        QCOMPARE(unit.groupParity, true);
    }

    // Without a spacing the factor stays 1 and the electrodes are left alone, with a
    // line for the service log.
    void zeroSpacingLeavesElectrodes()
    {
        zarDiagnosticCapture capture;
        zarMeasurement item;
        item.quadripole = zarQuadripole(4, 7, 5, 6);
        item.quadripole.x = 7.5f;
        item.channel = 9;
        zarSessionDataUnit unit;
        unit.configure(0, item);
        QCOMPARE(capture.text(), QStringLiteral("zarSessionDataUnit error: configure cableSpacing == 0\n\r"));
        QCOMPARE(unit.k, 1.0f);
        QCOMPARE(unit.coreQuadripole, zarCoreQuadripole({ 0, 0, 0, 0, 9 }));
        QCOMPARE(unit.x, 7.5f);
    }

    void columnTitles_data()
    {
        QTest::addColumn<bool>("resistanceOnly");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("title");
        QTest::newRow("row") << false << 0 << "#";
        QTest::newRow("electrode A") << false << 1 << "A";
        QTest::newRow("channel") << false << 5 << "Rx";
        QTest::newRow("current") << false << 6 << "Tx.I [mA]";
        QTest::newRow("power") << false << 8 << "Tx.P [W]";
        QTest::newRow("chargeability") << false << 11 << "M [mV/V]";
        QTest::newRow("resistivity") << false << 12 << "\u03c1 [\u03a9\u22c5m]";
        QTest::newRow("quality") << false << 13 << "Q [%]";
        QTest::newRow("resistance-only result") << true << 12 << "R [\u03a9]";
        QTest::newRow("past the last") << false << 14 << "";
        QTest::newRow("before the first") << false << -1 << "";
    }
    // Fourteen columns; a session of resistances names its result R.
    void columnTitles()
    {
        QFETCH(bool, resistanceOnly);
        QFETCH(int, column);
        zarSessionDataModel model;
        if (resistanceOnly)
            model.setResistanceOnly();
        QCOMPARE(model.columnCount(), 14);
        QTEST(model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString(), "title");
        QVERIFY(!model.headerData(1, Qt::Vertical, Qt::DisplayRole).isValid());
    }

    // What each cell shows: numbers from 1, remote electrodes, values of measured rows
    // in their units, without sign.
    void cells_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::newRow("row number") << 1 << 0 << "2";
        QTest::newRow("remote A") << 1 << 1 << "Tx\u221e";
        QTest::newRow("remote M") << 1 << 3 << "Rx\u221e";
        QTest::newRow("A from 1") << 0 << 1 << "1";
        QTest::newRow("B from 1") << 2 << 2 << "5";
        QTest::newRow("M from 1") << 0 << 3 << "2";
        QTest::newRow("N from 1") << 0 << 4 << "3";
        QTest::newRow("channel from 1") << 0 << 5 << "3";
        QTest::newRow("current") << 0 << 6 << "50.3";
        QTest::newRow("voltage in volts") << 0 << 7 << "120.0";
        QTest::newRow("power in watts") << 0 << 8 << "6.0";
        QTest::newRow("received voltage") << 0 << 9 << "10.0";
        QTest::newRow("deviation") << 0 << 10 << "0.5";
        QTest::newRow("chargeability") << 0 << 11 << "4.5";
        QTest::newRow("resistivity") << 0 << 12 << "120.5";
        QTest::newRow("negative resistivity") << 1 << 12 << "80.0";
        QTest::newRow("quality at 200") << 0 << 13 << "200.000";
        QTest::newRow("quality above 200") << 3 << 13 << "N / A";
        QTest::newRow("unmeasured current") << 2 << 6 << "";
        QTest::newRow("unmeasured quality") << 2 << 13 << "";
    }
    void cells()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        zarSessionFile s = zarSessionFixture::sample();
        s.units[3].measureSet.quality = 250;
        s.units[0].measureSet.quality = 200;
        s.units[1].rho = -80;
        zarSessionDataModel model;
        load(model, s);
        QCOMPARE(model.rowCount(), 4);
        QTEST(model.data(model.index(row, column), Qt::DisplayRole).toString(), "text");
        QCOMPARE(model.data(model.index(row, column), Qt::TextAlignmentRole).toInt(),
                 int(Qt::AlignRight | Qt::AlignVCenter));
    }

    // Columns are tinted by what they hold: the run, the current, the potential, the
    // channel and the results.
    void cellColours_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QColor>("colour");
        const QColor current(255, 127, 63, 63), potential(127, 255, 127, 63), result(127, 127, 255, 63);
        QTest::newRow("even run") << 0 << 0 << QColor(170, 170, 255, 255);
        QTest::newRow("odd run") << 1 << 0 << QColor(255, 127, 0, 255);
        QTest::newRow("A") << 0 << 1 << current;
        QTest::newRow("B") << 0 << 2 << current;
        QTest::newRow("M") << 0 << 3 << potential;
        QTest::newRow("N") << 0 << 4 << potential;
        QTest::newRow("channel") << 0 << 5 << QColor(255, 255, 127, 95);
        QTest::newRow("Tx.I") << 0 << 6 << current;
        QTest::newRow("Tx.U") << 0 << 7 << current;
        QTest::newRow("Tx.P") << 0 << 8 << current;
        QTest::newRow("Rx.U") << 0 << 9 << potential;
        QTest::newRow("Rx.S") << 0 << 10 << potential;
        QTest::newRow("M") << 0 << 11 << potential;
        QTest::newRow("rho") << 0 << 12 << result;
        QTest::newRow("Q") << 0 << 13 << result;
        QTest::newRow("unmeasured row keeps its tint") << 2 << 9 << potential;
    }
    void cellColours()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        zarSessionFile s = zarSessionFixture::sample();
        s.units[1].groupParity = true;
        zarSessionDataModel model;
        load(model, s);
        QTEST(model.data(model.index(row, column), Qt::BackgroundRole).value<QColor>(), "colour");
    }

    // The quadripole of a row, the last for a row past the end; none without rows.
    void quadripoleOfARow_data()
    {
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<int>("row");
        QTest::addColumn<zarQuadripole>("quadripole");
        QTest::newRow("remote electrodes") << true << 1 << zarQuadripole(-1, 0, -2, 4);
        QTest::newRow("past the end") << true << 99 << zarQuadripole(2, 9, 4, 7);
        QTest::newRow("before the first") << true << -3 << zarQuadripole(0, 3, 1, 2);
        QTest::newRow("no rows") << false << 3 << zarQuadripole();
    }
    void quadripoleOfARow()
    {
        QFETCH(bool, loaded);
        QFETCH(int, row);
        zarSessionDataModel model;
        if (loaded)
            load(model);
        QTEST(model.quadripole(row), "quadripole");
    }

    // A named save writes the session as it is; the autosave's own name is never
    // proposed.
    void namedSaveWritesTheSession()
    {
        zarSessionDataModel model;
        load(model);
        QDir().mkpath(sessionsDir);
        zarOperator op({ QStringLiteral("line 7") });
        QVERIFY(model.saveToFile(autosaveName, false));
        QCOMPARE(op.shown, QStringList({ QString() }));
        QCOMPARE(zarSessionFixture::readFile(sessionsDir + QStringLiteral("line 7.zarSession")),
                 zarSessionFixture::bytes(zarSessionFixture::sample()));
    }

    void anExistingFileIsAskedFor_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("saved");
        QTest::newRow("no keeps the old file") << int(QMessageBox::No) << false;
        QTest::newRow("yes overwrites it") << int(QMessageBox::Yes) << true;
    }
    // Saving over a session asks first.
    void anExistingFileIsAskedFor()
    {
        QFETCH(int, button);
        QFETCH(bool, saved);
        zarSessionDataModel model;
        load(model);
        QDir().mkpath(sessionsDir);
        const QString path = sessionsDir + QStringLiteral("kept.zarSession");
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("old");
        }
        zarOperator op({ QStringLiteral("kept"), button });
        QCOMPARE(model.saveToFile(QStringLiteral("kept"), false), saved);
        QCOMPARE(op.shown, QStringList({ QStringLiteral("kept"), QStringLiteral("File exists, do you want to overwrite it?") }));
        QCOMPARE(zarSessionFixture::readFile(path),
                 saved ? zarSessionFixture::bytes(zarSessionFixture::sample()) : QByteArray("old"));
    }

    // A cancelled keyboard writes nothing.
    void aCancelledNameSavesNothing()
    {
        zarSessionDataModel model;
        load(model);
        QDir(sessionsDir).removeRecursively();
        QDir().mkpath(sessionsDir);
        zarWhenModalOf<zarKeyboardDialog>([](zarKeyboardDialog* dialog) {
            dialog->lineEdit->setText(QStringLiteral("x"));
            dialog->reject();
        });
        QVERIFY(!model.saveToFile(QStringLiteral("x"), false));
        QCOMPARE(QDir(sessionsDir).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    // A valid position found once is kept; without one the receiver's is taken.
    void aValidPositionIsKept_data()
    {
        QTest::addColumn<bool>("valid");
        QTest::addColumn<float>("latitude");
        QTest::newRow("valid position kept") << true << 55.5f;
        QTest::newRow("invalid position replaced") << false << 12.25f;
    }
    void aValidPositionIsKept()
    {
        QFETCH(bool, valid);
        zarSessionFile s = zarSessionFixture::sample();
        s.gpsFix.rmc = true;
        s.gpsFix.valid = valid;
        s.gpsFix.latitude = 55.5f;
        zarSessionDataModel model;
        load(model, s);
        zarGPSFix receiver;
        receiver.latitude = 12.25f;
        zarGPSManager::instance()->setFix(receiver);
        model.onGPS();
        zarGPSManager::instance()->setFix(zarGPSFix());
        QTEST(model.gpsFix().latitude, "latitude");
    }

    // The centre and depth sliders stay within range for any length a header holds.
    void depthControlsTakeAnyLength_data()
    {
        QTest::addColumn<float>("length");
        QTest::addColumn<int>("maximum");
        QTest::newRow("ordinary") << 315.0f << 3150;
        QTest::newRow("NaN") << notANumber << 0;
        QTest::newRow("infinite") << infinite << 0;
        QTest::newRow("negative") << -20.0f << 0;
        QTest::newRow("huge") << 1e30f << 100000000;
    }
    void depthControlsTakeAnyLength()
    {
        QFETCH(float, length);
        zarSessionDataModel model;
        QSlider slider;
        model.setDepthSlider(&slider);
        model.session.arrangement.profileLength = length;
        model.session.arrangement.maxDepths = { length };
        model.setPlot(1);
        QTEST(slider.maximum(), "maximum");
        model.setPlot(2);
        QTEST(slider.maximum(), "maximum");
    }

    void electrodeCount_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("read");
        QTest::newRow("64") << 64 << true;
        QTest::newRow("65") << 65 << false;
    }
    // A session holds the places of at most 64 electrodes.
    void electrodeCount()
    {
        QFETCH(int, count);
        QFETCH(bool, read);
        zarSessionFile session = zarSessionFixture::sample();
        session.electrodes.clear();
        for (int i = 1; i <= count; ++i)
            session.electrodes.insert(qint16(i), zarPoint3D(float(i), 0, 0));
        zarSessionFile back;
        QCOMPARE(back.parse(zarSessionFixture::bytes(session)) == zarSessionFile::Read, read);
        QCOMPARE(back.electrodes.size(), read ? count : 0);
    }

    void loadFailuresAreTold_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << "none.zarSession" << "Can not open file for reading";
        QTest::newRow("empty") << "empty.zarSession" << "Session is corrupted";
    }
    // A session that cannot be read is told, and nothing is loaded.
    void loadFailuresAreTold()
    {
        QFETCH(QString, name);
        zarSessionFixture::write(zarSessionFile(), QStringLiteral("empty.zarSession"));
        QFile::remove(zarDriveRoot::path() + QStringLiteral("none.zarSession"));
        zarSessionDataModel model;
        zarDiagnosticCapture capture;
        answer.expect();
        QVERIFY(!model.loadFromFile(zarDriveRoot::path() + name));
        QTEST(answer.text, "message");
        QCOMPARE(model.rows(), 0);
    }

    // The position fix at a session's end: its flags, numbers and the date as a
    // day number; any non-zero flag byte reads as set.
    void positionFixLayout()
    {
        zarGPSFix fix;
        fix.rmc = true;
        fix.latitude = 1.5f;
        fix.longitude = -2;
        QCOMPARE(written(fix).toHex(), QByteArray("0100" "3ff8000000000000" "c000000000000000" "00256859" "00000000"));
        QByteArray bytes = written(fix);
        bytes[1] = 2;
        const zarGPSFix back = readBack<zarGPSFix>(bytes);
        QVERIFY(back.valid);
        QCOMPARE(back.latitude, 1.5f);
        QCOMPARE(back.longitude, -2.0f);
        QCOMPARE(back.date, QDate(2000, 1, 1));
    }

    // The fast row writer leaves the bytes of the stream operators.
    void rowWriterEqualsStreamOperators()
    {
        const zarSessionDataUnit u = measuredRow();
        QByteArray generic;
        QDataStream g(&generic, QIODevice::WriteOnly);
        g.setVersion(QDataStream::Qt_4_8);
        g << u.x << u.z << u.k << u.rho << u.setMask << u.continues << u.groupParity << u.coreQuadripole
          << u.measureSet;
        QCOMPARE(written(u), generic);
    }

    void decoderMirrorsStreamOperators_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const zarSessionDataUnit plain;
        const zarSessionDataUnit measured = measuredRow();
        zarSessionDataUnit odd = measured;
        odd.rho = infinite;
        odd.k = notANumber;
        odd.measureSet.samples = QVector<float>(40, -0.125f);
        QTest::newRow("not measured") << written(plain);
        QTest::newRow("measured, remote electrodes") << written(measured);
        QTest::newRow("non-finite results, many samples") << written(odd);
        // Any non-zero byte reads as true.
        QTest::newRow("flags written by another program")
            << QByteArray(written(plain)).replace(33, 2, QByteArray::fromHex("02ff")).replace(96, 1, "\x80");
        QTest::newRow("sample count beyond the bytes")
            << QByteArray(written(measured)).replace(76, 4, QByteArray::fromHex("7fffffff"));
    }
    // Compared as written again: every field, NaN included, to the bit.
    void decoderMirrorsStreamOperators()
    {
        QFETCH(QByteArray, bytes);
        QDataStream::Status status;
        const zarSessionDataUnit reference = readBack<zarSessionDataUnit>(bytes, &status);
        zarSessionDataUnit decoded;
        const char* end = zarSessionDataUnit::decode(bytes.constData(), bytes.constData() + bytes.size(), decoded);
        QCOMPARE(end != nullptr, status == QDataStream::Ok);
        if (!end)
            return;
        QCOMPARE(int(end - bytes.constData()), bytes.size());
        QCOMPARE(written(decoded), written(reference));
    }

    // Saved again unchanged, a session keeps every byte.
    void layoutAndByteIdenticalResave()
    {
        const zarSessionFile sample = zarSessionFixture::sample();
        const QByteArray bytes = zarSessionFixture::bytes(sample);
        QCOMPARE(bytes.left(4).toHex(), QByteArray("33114422"));
        QCOMPARE(bytes.size(), rowsStart + 4 * 113 + 3 * 24 + 26);
        // Electrodes go from the highest number down.
        QCOMPARE(bytes.mid(electrodes, 6).toHex(), QByteArray("000000020002"));
        zarSessionDataModel model;
        QVERIFY(model.loadFromFile(zarSessionFixture::write(sample, QStringLiteral("sample.zarSession"))));
        QVERIFY(model.saveToFile(QString(), true));
        QCOMPARE(zarSessionFixture::readFile(zarSessionFixture::autosavePath()), bytes);
    }

    // A file cut anywhere keeps its complete rows, and no position fix after a cut row.
    void truncationKeepsOnlyCompleteRows()
    {
        const zarSessionFile sample = zarSessionFixture::sample();
        const QByteArray bytes = zarSessionFixture::bytes(sample);
        for (int cut = 0; cut < bytes.size(); ++cut) {
            zarSessionFile read;
            const auto result = read.parse(bytes.left(cut));
            if (cut < rowsStart + 137) {
                QCOMPARE(result, zarSessionFile::Corrupted);
                continue;
            }
            QVERIFY2(result == zarSessionFile::Incomplete, qPrintable(QStringLiteral("cut at %1").arg(cut)));
            int complete = 0;
            int end = rowsStart;
            for (const auto& unit : sample.units) {
                end += 113 + 8 * unit.measureSet.samples.size();
                complete += end <= cut;
            }
            QCOMPARE(read.units.size(), complete);
            for (int i = 0; i < complete; ++i)
                QCOMPARE(read.units[i].measureSet, sample.units[i].measureSet);
            if (cut < bytes.size() - 26)
                QVERIFY(read.gpsFix == zarGPSFix());
        }
    }

    // The rows share blocks of samples, yet each keeps its own: one block when the
    // count is right, blocks as the rows come when the file ends early.
    void everyRowKeepsItsSamples_data()
    {
        QTest::addColumn<int>("cut");
        QTest::addColumn<int>("rows");
        QTest::newRow("whole file") << 0 << 3000;
        QTest::newRow("ended inside the last row") << 26 + 40 << 2999;
    }
    void everyRowKeepsItsSamples()
    {
        QFETCH(int, cut);
        zarSessionFile s = zarSessionFixture::sample();
        const zarSessionDataUnit row = s.units[0];
        s.units.clear();
        // Three samples a row: more than one block of a cut file holds.
        for (int i = 0; i < 3000; ++i) {
            s.units << row;
            s.units.last().measureSet.samples = { float(i), i + 0.5f, -float(i) };
        }
        const QByteArray bytes = zarSessionFixture::bytes(s);
        zarSessionFile read;
        read.parse(bytes.left(bytes.size() - cut));
        QTEST(read.units.size(), "rows");
        for (int i = 0; i < read.units.size(); ++i)
            QVERIFY2(read.units[i].measureSet.samples == s.units[i].measureSet.samples,
                     qPrintable(QStringLiteral("row %1").arg(i)));
    }

    // A file cut short opens its complete rows and says so once; an intact one says nothing.
    void cutFileOpensWithOneMessage_data()
    {
        QTest::addColumn<int>("kept");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("message");
        const int size = zarSessionFixture::bytes(zarSessionFixture::sample()).size();
        const QString incomplete = QStringLiteral("Session file is incomplete. Rows read: %1");
        QTest::newRow("inside the header") << header - 5 << false << 0 << "Session is corrupted";
        QTest::newRow("inside the second row") << rowsStart + 137 + 50 << true << 1 << incomplete.arg(1);
        QTest::newRow("at a row boundary") << rowsStart + 137 + 137 + 113 << true << 3 << incomplete.arg(3);
        QTest::newRow("inside the position fix") << size - 10 << true << 4 << incomplete.arg(4);
        QTest::newRow("intact") << size << true << 4 << QString();
    }
    void cutFileOpensWithOneMessage()
    {
        QFETCH(int, kept);
        QFETCH(QString, message);
        const QString path = zarSessionFixture::writeCut(zarSessionFixture::sample(), kept, cutPath());
        zarSessionDataModel model;
        zarMessageLog log;
        QTEST(model.loadFromFile(path), "opens");
        QTEST(model.rows(), "rows");
        QCOMPARE(log.texts.size(), message.isEmpty() ? 0 : 1);
        QCOMPARE(log.texts.value(0), message);
    }

    // The set labels of a cut file count the rows read; an intact file's header stands.
    void cutFileCountsTheRowsRead_data()
    {
        QTest::addColumn<int>("kept");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<int>("measurements");
        QTest::addColumn<int>("runs");
        const int size = zarSessionFixture::bytes(zarSessionFixture::sample()).size();
        QTest::newRow("intact") << size << QStringList { "1/2 Wenner \u03b1 [3]", "2/2 Schlumberger [1]" } << 4 << 2;
        // The row read begins a group that the cut ended: one run all the same.
        QTest::newRow("one row read") << rowsStart + 137 + 20
                                      << QStringList { "1/2 Wenner \u03b1 [1]", "2/2 Schlumberger [0]" } << 1 << 1;
    }
    void cutFileCountsTheRowsRead()
    {
        QFETCH(int, kept);
        QFETCH(QStringList, labels);
        zarSessionFile s = zarSessionFixture::sample();
        s.arrangement.measurements = 4;
        s.arrangement.runs = 2;
        s.units[0].continues = true;
        const QString path = zarSessionFixture::writeCut(s, kept, cutPath());
        zarSessionDataModel model;
        QSignalSpy label(&model, &zarSessionDataModel::sendSetInfoUpdate);
        zarMessageLog log;
        QVERIFY(model.loadFromFile(path));
        QCOMPARE(label.last().at(0).toStringList().join(QLatin1Char('|')), labels.join(QLatin1Char('|')));
        QTEST(model.arrangement()->measurements, "measurements");
        QTEST(model.arrangement()->runs, "runs");
    }

    // The message is the operator's language, with the count in its place.
    void cutFileMessageTranslated()
    {
        const QString path = zarSessionFixture::writeCut(zarSessionFixture::sample(), rowsStart + 137 + 50, cutPath());
        QVERIFY(zarTranslator::instance()->setLanguage(QStringLiteral("Ru")));
        zarSessionDataModel model;
        zarMessageLog log;
        model.loadFromFile(path);
        zarTranslator::instance()->setLanguage(QStringLiteral("En"));
        QCOMPARE(log.texts, QStringList { QStringLiteral("Файл сессии неполный. Прочитано строк: 1") });
    }

    // Magic, header values and counts that cannot be the file's own.
    void hostileHeadersAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("template magic") << patched(0, "88993366");
        QTest::newRow("infinite spacing") << patched(4, "7ff0000000000000");
        QTest::newRow("five cables") << patched(12, "05");
        QTest::newRow("array type count") << patched(header - 20, "ffffffff");
        QTest::newRow("nine set descriptions") << patched(header, "00000009");
        QTest::newRow("wire count") << patched(header + 10, "7fffffff");
        QTest::newRow("electrode count") << patched(electrodes, "7fffffff");
        QTest::newRow("no rows") << patched(rowsStart - 4, "00000000");
    }
    void hostileHeadersAreRefused()
    {
        QFETCH(QByteArray, bytes);
        zarSessionFile read;
        QCOMPARE(read.parse(bytes), zarSessionFile::Corrupted);
    }

    // A row count beyond the rows present is a file that ended early: nothing is
    // sized from it.
    void rowCountBeyondTheFile()
    {
        zarSessionFile read;
        QCOMPARE(read.parse(patched(rowsStart - 4, "7fffffff")), zarSessionFile::Incomplete);
        QCOMPARE(read.units.size(), 4);
    }

    // A count short of the rows the file holds leaves bytes after the position
    // record: the counted rows open with a new position, and the file says so once.
    void rowCountShortOfTheRows_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QString>("label");
        QTest::newRow("2 of 113 counted") << 2 << QByteArray() << "1/1 Dipole-Dipole [2]";
        QTest::newRow("a byte after the position") << 113 << QByteArray(1, '\0') << "1/1 Dipole-Dipole [113]";
    }
    void rowCountShortOfTheRows()
    {
        QFETCH(int, count);
        QFETCH(QByteArray, after);
        zarSessionFile s = zarSessionFixture::session(113);
        s.gpsFix.rmc = s.gpsFix.valid = true;
        s.gpsFix.latitude = 55.75f;
        QByteArray bytes = zarSessionFixture::bytes(s) + after;
        QByteArray counted;
        QDataStream(&counted, QIODevice::WriteOnly) << qint32(count);
        bytes.replace(bytes.size() - after.size() - 26 - 113 * 113 - 4, 4, counted);
        QFile file(cutPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        zarSessionDataModel model;
        QSignalSpy label(&model, &zarSessionDataModel::sendSetInfoUpdate);
        zarMessageLog log;
        QVERIFY(model.loadFromFile(cutPath()));
        QCOMPARE(model.rows(), count);
        QCOMPARE(log.texts, QStringList { QStringLiteral("Session file is incomplete. Rows read: %1").arg(count) });
        QTEST(label.last().at(0).toStringList().value(0), "label");
        QVERIFY(model.gpsFix() == zarGPSFix());
    }

    // A refused file leaves the session on screen as it was.
    void damagedNumbersAreRefused_data()
    {
        QTest::addColumn<zarSessionFile>("session");
        auto with = [](const std::function<void(zarSessionFile&)>& change) {
            zarSessionFile s = zarSessionFixture::sample();
            change(s);
            return s;
        };
        QTest::newRow("profile length NaN") << with([](zarSessionFile& s) { s.arrangement.profileLength = notANumber; });
        QTest::newRow("profile length negative") << with([](zarSessionFile& s) { s.arrangement.profileLength = -1; });
        QTest::newRow("max depth infinite") << with([](zarSessionFile& s) { s.arrangement.maxDepths[0] = -infinite; });
        QTest::newRow("a depth for nine sets") << with([](zarSessionFile& s) { s.arrangement.maxDepths.fill(1, 9); });
        QTest::newRow("cable spacing huge") << with([](zarSessionFile& s) { s.arrangement.cableSpacing = 1e30f; });
        QTest::newRow("row centre NaN") << with([](zarSessionFile& s) { s.units[1].x = notANumber; });
        QTest::newRow("row depth infinite") << with([](zarSessionFile& s) { s.units[0].z = infinite; });
    }
    void damagedNumbersAreRefused()
    {
        QFETCH(zarSessionFile, session);
        zarSessionDataModel model;
        zarSessionFile previous;
        previous.units << zarSessionFixture::row(5, 8, 6, 7, 30, 2.5f, true);
        previous.arrangement.profileLength = 150;
        QVERIFY(model.loadFromFile(zarSessionFixture::write(previous, QStringLiteral("previous.zarSession"))));
        answer.expect();
        QVERIFY(!model.loadFromFile(zarSessionFixture::write(session, QStringLiteral("damaged.zarSession"))));
        QCOMPARE(answer.text, QStringLiteral("Session is corrupted"));
        QCOMPARE(model.rows(), 1);
        QCOMPARE(model.arrangement()->profileLength, 150.0f);
    }

    void typedNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("parent") << "../escape" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("dot") << "." << false;
        QTest::newRow("blanks") << "   " << false;
        // With the extension and the save's temporary copy: 256 and 255 bytes.
        QTest::newRow("one byte over the limit") << QString(238, QLatin1Char('s')) << false;
        QTest::newRow("at the limit") << QString(237, QLatin1Char('s')) << true;
    }
    // A name is a visible file of the sessions directory that the file system keeps,
    // or it is refused before anything is written.
    void typedNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, accepted);
        zarSessionDataModel model;
        QDir(sessionsDir).removeRecursively();
        QDir().mkpath(sessionsDir);
        typeName(name);
        answer.expect();
        QCOMPARE(model.saveToFile(QStringLiteral("x"), false), accepted);
        answer.disarm();
        QCOMPARE(answer.shown ? answer.text : QString(), accepted ? QString() : QStringLiteral("Session name is not valid"));
        QCOMPARE(QFile::exists(sessionsDir + name + QStringLiteral(".zarSession")), accepted);
        QCOMPARE(QDir(sessionsDir).entryList(QDir::Files | QDir::Hidden).size(), int(accepted));
        QVERIFY(!QFile::exists(zarDriveRoot::path() + QStringLiteral("zar_0/escape.zarSession")));
    }

    void autosaveWritesOnlyChanges_data()
    {
        QTest::addColumn<int>("change");
        QTest::addColumn<bool>("written");
        QTest::newRow("nothing") << int(Nothing) << false;
        QTest::newRow("result stored") << int(SameResultStored) << true;
        QTest::newRow("measured row deleted") << int(MeasuredRowDeleted) << true;
        QTest::newRow("unmeasured row deleted") << int(UnmeasuredRowDeleted) << false;
        QTest::newRow("position found") << int(PositionFound) << true;
        QTest::newRow("same position") << int(SamePosition) << false;
        // The named file is another file: the autosave is still due.
        QTest::newRow("named save after a delete") << int(NamedSaveAfterADelete) << true;
        QTest::newRow("another session loaded") << int(AnotherSessionLoaded) << true;
    }
    // After one autosave the file is written again only for a change, and then
    // with the bytes of the session as it is.
    void autosaveWritesOnlyChanges()
    {
        QFETCH(int, change);
        QFETCH(bool, written);
        QDir().mkpath(sessionsDir);
        // Resistivities as a stored result makes them, so storing one again is no change.
        zarSessionFile session = zarSessionFixture::sample();
        for (zarSessionDataUnit& unit : session.units)
            unit.derive();
        zarSessionDataModel model;
        load(model, session);
        const QString autosave = zarSessionFixture::autosavePath();
        QVERIFY(model.saveToFile(QString(), true));
        const QByteArray first = zarSessionFixture::readFile(autosave);
        const QByteArray untouched("untouched");
        zarGPSFix found;
        found.rmc = found.valid = true;
        found.latitude = 55.75f;
        zarGPSManager::instance()->setFix(change == PositionFound ? found : zarGPSFix());
        {
            QFile file(autosave);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(untouched);
        }
        zarCoreReportET2D report;
        switch (change) {
        case SameResultStored:
            model.groupStart = 3;
            report.results << model.units()[3].measureSet;
            model.storeResults(report);
            break;
        case MeasuredRowDeleted: model.onRowDelete(0); break;
        case UnmeasuredRowDeleted: model.onRowDelete(2); break;
        case PositionFound: case SamePosition: model.onGPS(); break;
        case NamedSaveAfterADelete:
            model.onRowDelete(0);
            typeName(QStringLiteral("named"));
            QVERIFY(model.saveToFile(QString(), false));
            break;
        case AnotherSessionLoaded: load(model, zarSessionFixture::session(5)); break;
        default: break;
        }
        QVERIFY(model.saveToFile(QString(), true));
        zarGPSManager::instance()->setFix(zarGPSFix());
        const QByteArray now = zarSessionFixture::readFile(autosave);
        QCOMPARE(now != untouched, written);
        if (written)
            QCOMPARE(now, zarSessionFixture::bytes(model.session));
        if (change == SameResultStored)
            QCOMPARE(now, first);
    }

    // A failed autosave leaves it due: the next one writes.
    void failedAutosaveStaysDue()
    {
        zarSessionDataModel model;
        load(model);
        const QString autosave = zarSessionFixture::autosavePath();
        QFile::remove(autosave);
        QVERIFY(QDir().mkpath(autosave));
        zarDiagnosticCapture capture;
        QVERIFY(!model.saveToFile(QString(), true));
        QVERIFY(QDir(autosave).removeRecursively());
        QVERIFY(model.saveToFile(QString(), true));
        QCOMPARE(zarSessionFixture::readFile(autosave), zarSessionFixture::bytes(model.session));
    }

    // An autosave finds its file gone and writes it again, though nothing changed.
    void removedAutosaveIsWrittenAgain()
    {
        zarSessionDataModel model;
        load(model);
        const QString autosave = zarSessionFixture::autosavePath();
        QVERIFY(model.saveToFile(QString(), true));
        QVERIFY(QFile::remove(autosave));
        QVERIFY(model.saveToFile(QString(), true));
        QCOMPARE(zarSessionFixture::readFile(autosave), zarSessionFixture::bytes(model.session));
    }

    // A failed write is a failure, so the screen stays open with its data.
    void aFailedWriteIsTold()
    {
        zarSessionDataModel model;
        zarDiagnosticCapture capture;
        QDir(sessionsDir).removeRecursively();
        typeName(QStringLiteral("lost"));
        answer.expect();
        QVERIFY(!model.saveToFile(QStringLiteral("lost"), false));
        QCOMPARE(answer.text, QStringLiteral("Can not open file for writing"));
    }

    // Deleting a row forgets its measurement and takes it off the plot; an index
    // outside the table changes nothing.
    void rowDelete_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("measured");
        QTest::addColumn<Rows>("plotted");
        QTest::newRow("first") << 0 << 2 << Rows({ 1 });
        QTest::newRow("before the first") << -1 << 3 << Rows({ 0, 1 });
        QTest::newRow("past the last") << 4 << 3 << Rows({ 0, 1 });
    }
    void rowDelete()
    {
        QFETCH(int, row);
        zarSessionDataModel model;
        load(model);
        model.refresh();
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        model.onRowDelete(row);
        int measured = 0;
        for (const zarSessionDataUnit& unit : model.units())
            measured += unit.measureSet.measured;
        QTEST(measured, "measured");
        QCOMPARE(changed.isEmpty(), measured == 3);
        QTEST(model.rowIndexes(), "plotted");
    }

    // A value a log scale cannot place stays in the table but not in the plots.
    void nonFiniteValuesLeftOutOfThePlots()
    {
        zarSessionFile s = zarSessionFixture::sample();
        s.units[0].rho = std::numeric_limits<float>::infinity();
        zarSessionDataModel model;
        load(model, s);
        model.refresh();
        QCOMPARE(model.rowIndexes(), Rows({ 1 }));
    }

    // The view repaints what the model names: every cell of the stored rows'
    // measured columns, and nothing else.
    void storedCellsAnnounced()
    {
        zarSessionFile s = zarSessionFixture::sample();
        s.units = QVector<zarSessionDataUnit>(40, s.units[2]);
        zarSessionDataModel model;
        load(model, s);
        model.groupStart = 20;
        QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);
        zarCoreReportET2D report;
        report.results = { zarMeasureSet(), zarMeasureSet(), zarMeasureSet() };
        model.storeResults(report);
        QSet<QPair<int, int>> cells;
        QSet<QPair<int, int>> expected;
        for (const QList<QVariant>& change : changes) {
            const QModelIndex first = change.at(0).value<QModelIndex>();
            const QModelIndex last = change.at(1).value<QModelIndex>();
            for (int row = first.row(); row <= last.row(); ++row) {
                for (int column = first.column(); column <= last.column(); ++column)
                    cells.insert({ row, column });
            }
        }
        for (int row = 20; row < 23; ++row) {
            for (int column = 6; column < 14; ++column)
                expected.insert({ row, column });
        }
        QCOMPARE(cells, expected);
    }

    // The shown name cannot always be turned back into the file: the row gives it.
    void fileTableRealPath_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("name");
        QTest::newRow("doubled extension") << QStringLiteral("x.zarTemplate.zarTemplate") << QStringLiteral("x");
        QTest::newRow("upper-case extension") << QStringLiteral("y.ZARTEMPLATE") << QStringLiteral("y.ZARTEMPLATE");
    }
    void fileTableRealPath()
    {
        QFETCH(QString, file);
        writeHead(templatesDir + file);
        zarFileTableDataModel model(0);
        zarFileTableDialog dialog(&model);
        QTEST(dialog.selectedName(), "name");
        QCOMPARE(dialog.selectedPath(), templatesDir + file);
        QCOMPARE(model.path(1), QString());
    }

    // Forward sets and their reciprocals in one array column.
    void fileTableArrays_data()
    {
        QTest::addColumn<Sets>("sets");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::newRow("forward and reciprocal") << Sets { { 0, 2 }, { 12, 1 } } << 5 << "2S:1R";
        QTest::newRow("reciprocal only") << Sets { { 17, 1 } } << 12 << "1R";
        QTest::newRow("forward pole-dipole has no reciprocal") << Sets { { 5, 1 }, { 17, 2 } } << 10 << "1S";
    }
    void fileTableArrays()
    {
        QFETCH(Sets, sets);
        QFETCH(int, column);
        zarArrangement record;
        record.arrayTypeSets = sets;
        writeHead(templatesDir + "t.zarTemplate", record);
        zarFileTableDataModel model(0);
        QTEST(model.data(model.index(0, column)).toString(), "text");
    }

    // Both models pass Qt's own checks; an index of another model reaching just
    // past the file table reads nothing.
    void modelChecks()
    {
        writeHead(templatesDir + "t.zarTemplate");
        zarFileTableDataModel files(0);
        QAbstractItemModelTester fileTester(&files, QAbstractItemModelTester::FailureReportingMode::QtTest);
        zarSessionDataModel session;
        load(session);
        QAbstractItemModelTester sessionTester(&session, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QStandardItemModel other(40, 40);
        QVERIFY(!files.data(other.index(1, 0), Qt::TextAlignmentRole).isValid());
        QVERIFY(!files.data(other.index(0, 17), Qt::TextAlignmentRole).isValid());
    }
};

ZAR_TEST_MAIN(TestSessionData)
#include "test_sessiondata.moc"
