#include "zardialoganswer.h"

#include "core/zarconstants.h"
#include "templates/zartemplatedatamodel.h"

class TestErtLabImport : public QObject
{
    Q_OBJECT

    zarDialogAnswer answer;

    static QString write(const QByteArray& text)
    {
        const QString path = zarDriveRoot::path() + QStringLiteral("ertlab.txt");
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(text);
        return path;
    }

    // The message of a refused import, or an empty text when it succeeded.
    QString refusal(const QByteArray& text, zarTemplateDataModel* target = nullptr)
    {
        zarTemplateDataModel local;
        zarTemplateDataModel& model = target ? *target : local;
        answer.expect();
        const bool imported = model.importErtLab(write(text));
        answer.disarm();
        return imported ? QString() : answer.text;
    }

    static QByteArray header() { return "# X Y Z\n1 0 0 0\n2 1 0 0\n3 2 0 0\n4 3 0 0\n# A B M N\n"; }

private slots:
    void readsElectrodesAndQuadripoles()
    {
        zarTemplateDataModel model;
        QCOMPARE(refusal("# x y z\r\n12 1,5 0,0 -0,25\r\n1 0 0 0\r\n2 1 0 0\r\n3 2 0 0\r\n4 3 0 0\r\n"
                         "# a b m n\r\n1 1 2 3 4\r\n2 3 0 4 0\r\n\r\n7 9 9 9 9\r\n",
                         &model),
                 QString());
        QCOMPARE(model.ertElectrodes.size(), 5);
        QCOMPARE(model.ertElectrodes.value(12), zarPoint3D(1.5f, 0.0f, -0.25f));
        QCOMPARE(model.ertQuadripoles.size(), 2);
        QCOMPARE(model.ertQuadripoles[0], zarQuadripole(1, 0, 3, 2));
        QCOMPARE(model.ertQuadripoles[1], zarQuadripole(-1, 2, -2, 3));
        QVERIFY(!model.isModified());
        QCOMPARE(model.count(), 0);
    }

    void headerOnly()
    {
        zarTemplateDataModel model;
        QCOMPARE(refusal(header(), &model), QString());
        QCOMPARE(model.ertElectrodes.size(), 4);
        QVERIFY(model.ertQuadripoles.isEmpty());
        QCOMPARE(refusal(QByteArray(header()).append("\n1 1 2 3 4\n")), QString());
    }

    void headerFaults()
    {
        const QString noHeader = QStringLiteral("Can not find the beginning of header (# X Y Z)");
        QCOMPARE(refusal("1 0 0 0\n# X Y Z\n"), noHeader);
        QCOMPARE(refusal("\n# X Y Z\n"), noHeader);
        QCOMPARE(refusal("# X Y Z\n1 0 0 0\n\n# A B M N\n"), QStringLiteral("Electrode number 0 is not supported"));
        QCOMPARE(refusal("# X Y Z\n1 0 0 0\n"), QStringLiteral("Electrode number 0 is not supported"));
        QCOMPARE(refusal("# X Y Z\n65 0 0 0\n"), QStringLiteral("Electrode number 65 is not supported"));
        QCOMPARE(refusal("# X Y Z\n7 0 0 0\n7 1 0 0\n"), QStringLiteral("Electrode 7 appears more than once"));
        zarDiagnosticCapture capture;
        zarTemplateDataModel model;
        answer.expect();
        QVERIFY(!model.importErtLab(zarDriveRoot::path() + QStringLiteral("none.txt")));
        QCOMPARE(answer.text, QStringLiteral("Can not open file for reading"));
        QVERIFY(capture.text().startsWith(QStringLiteral("File error: ")));
    }

    void rowFaultsNameTheirRow()
    {
        auto rows = [](const QByteArray& lines) { return QByteArray(header()).append(lines); };
        QCOMPARE(refusal(rows("1 1 2 3 4\n9 0 2 3 4\n")), QStringLiteral("A electrode can not be remote (row: 2)"));
        QCOMPARE(refusal(rows("1 1 2 0 4\n")), QStringLiteral("M electrode can not be remote (row: 1)"));
        QCOMPARE(refusal(rows("1 1 2 3 40\n")), QStringLiteral("Header does not contains electrode 40 (row: 1)"));
        QCOMPARE(refusal(rows("1 9 2 3 4\n")), QStringLiteral("Header does not contains electrode 9 (row: 1)"));
        QCOMPARE(refusal(rows("1 1 9 3 4\n")), QStringLiteral("Header does not contains electrode 9 (row: 1)"));
        QCOMPARE(refusal(rows("1 1 2 9 4\n")), QStringLiteral("Header does not contains electrode 9 (row: 1)"));
        // Short or unreadable rows must not turn into remote electrodes.
        const QString unreadable = QStringLiteral("Quadripole row can not be read (row: %1)");
        QCOMPARE(refusal(rows("1 1 2 3\n")), unreadable.arg(1));
        QCOMPARE(refusal(rows("1 1 2 3 4\n2 1 x 3 4\n")), unreadable.arg(2));
        QCOMPARE(refusal(rows("1 1 2 3 -4\n")), unreadable.arg(1));
        QCOMPARE(refusal(rows("1 1 2 3 4,5\n")), unreadable.arg(1));
        QCOMPARE(refusal(rows("1 1 2 3 70000\n")), unreadable.arg(1));
    }
};

ZAR_TEST_MAIN(TestErtLabImport)
#include "test_ertlabimport.moc"
