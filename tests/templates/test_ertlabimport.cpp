#include "zardialoganswer.h"
#include "zartemplatefixture.h"

class TestErtLabImport : public QObject
{
    Q_OBJECT

    zarDialogAnswer answer;

    // The message of a refused import, or an empty text when it succeeded.
    QString refusal(const QByteArray& text, zarTemplateDataModel* target = nullptr)
    {
        const QString path = zarTemplateFixture::write(text, QStringLiteral("ertlab.txt"));
        zarTemplateDataModel local;
        answer.expect();
        const bool imported = (target ? target : &local)->importErtLab(path);
        answer.disarm();
        return imported ? QString() : answer.text;
    }

private slots:
    void readsElectrodesAndQuadripoles()
    {
        // CRLF, lower-case headers, decimal commas; an empty line ends the rows.
        zarTemplateDataModel model;
        QCOMPARE(refusal("# x y z\r\n12 1,5 0,0 -0,25\r\n1 0 0 0\r\n2 1 0 0\r\n3 2 0 0\r\n4 3 0 0\r\n"
                         "# a b m n\r\n1 1 2 3 4\r\n2 3 0 4 0\r\n\r\n7 9 9 9 9\r\n",
                         &model),
                 QString());
        QCOMPARE(model.ertElectrodes.size(), 5);
        QCOMPARE(model.ertElectrodes.value(12), zarPoint3D(1.5f, 0.0f, -0.25f));
        QCOMPARE(model.ertQuadripoles, QList<zarQuadripole>({ zarQuadripole(1, 0, 3, 2), zarQuadripole(-1, 2, -2, 3) }));
        QVERIFY(!model.isModified());
        QVERIFY(model.count() == 0);
        zarTemplateDataModel headerOnly;
        QCOMPARE(refusal("# X Y Z\n1 0 0 0\n# A B M N\n", &headerOnly), QString());
        QVERIFY(headerOnly.ertElectrodes.size() == 1);
        QVERIFY(headerOnly.ertQuadripoles.isEmpty());
    }

    void everyFaultIsNamed_data()
    {
        const QByteArray header = "# X Y Z\n1 0 0 0\n2 1 0 0\n3 2 0 0\n4 3 0 0\n# A B M N\n";
        const QString unreadable = QStringLiteral("Quadripole row can not be read (row: %1)");
        const QString missing = QStringLiteral("Header does not contains electrode %1 (row: 1)");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("no header") << QByteArray("1 0 0 0\n# X Y Z\n") << "Can not find the beginning of header (# X Y Z)";
        QTest::newRow("electrode 0") << QByteArray("# X Y Z\n1 0 0 0\n\n# A B M N\n") << "Electrode number 0 is not supported";
        QTest::newRow("electrode 65") << QByteArray("# X Y Z\n65 0 0 0\n") << "Electrode number 65 is not supported";
        QTest::newRow("electrode twice") << QByteArray("# X Y Z\n7 0 0 0\n7 1 0 0\n") << "Electrode 7 appears more than once";
        QTest::newRow("remote A") << header + "1 1 2 3 4\n9 0 2 3 4\n" << "A electrode can not be remote (row: 2)";
        QTest::newRow("remote M") << header + "1 1 2 0 4\n" << "M electrode can not be remote (row: 1)";
        QTest::newRow("N not in the header") << header + "1 1 2 3 40\n" << missing.arg(40);
        QTest::newRow("A not in the header") << header + "1 9 2 3 4\n" << missing.arg(9);
        // Short or unreadable rows must not turn into remote electrodes.
        QTest::newRow("short row") << header + "1 1 2 3\n" << unreadable.arg(1);
        QTest::newRow("not a number") << header + "1 1 2 3 4\n2 1 x 3 4\n" << unreadable.arg(2);
        QTest::newRow("negative") << header + "1 1 2 3 -4\n" << unreadable.arg(1);
        // Out of range is a missing electrode, checked in the usual order.
        QTest::newRow("beyond 16 bits") << header + "1 1 2 3 65537\n" << missing.arg(65537);
        QTest::newRow("remote A before N") << header + "1 0 2 3 70\n" << "A electrode can not be remote (row: 1)";
    }

    void everyFaultIsNamed()
    {
        QFETCH(QByteArray, text);
        QTEST(refusal(text), "message");
    }
};

ZAR_TEST_MAIN(TestErtLabImport)
#include "test_ertlabimport.moc"
