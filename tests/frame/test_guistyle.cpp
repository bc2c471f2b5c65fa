#include "zartestsupport.h"

#include "frame/zarguistyle.h"

#include <QFontInfo>
#include <QStyleFactory>

// The style: touch-sized sliders, Fusion for everything else, and the program's fonts.
class TestGuiStyle : public QObject
{
    Q_OBJECT

private slots:
    void sliderMetrics()
    {
        zarGuiStyle style;
        QScopedPointer<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        QCOMPARE(QList<int>({ style.pixelMetric(QStyle::PM_SliderThickness), style.pixelMetric(QStyle::PM_SliderLength),
                              style.pixelMetric(QStyle::PM_ScrollBarExtent) }),
                 QList<int>({ 20, 50, fusion->pixelMetric(QStyle::PM_ScrollBarExtent) }));
    }

    void fontsStandIn_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("drawnIn");
        QTest::newRow("plot captions") << "Consolas" << "DejaVu Sans Mono";
        QTest::newRow("session table") << "Segoe UI" << "DejaVu Sans";
        QTest::newRow("resistivity unit") << "Calibri" << "DejaVu Sans";
        QTest::newRow("form texts") << "MS Shell Dlg 2" << "DejaVu Sans";
        QTest::newRow("application") << QString() << "DejaVu Sans";
    }
    // Each font is drawn in the family installed with the program, whatever else the
    // machine holds and prefers for a family it lacks: here fontconfig prefers DejaVu
    // Serif for all of them (the test's own fonts.conf).
    void fontsStandIn()
    {
        QFETCH(QString, family);
        QFETCH(QString, drawnIn);
        QFont::removeSubstitutions(family);
        QApplication::setFont(QFont());
        zarGuiStyle::install();
        QFont font = family.isEmpty() ? QApplication::font() : QFont(family);
        font.setBold(true);
        QCOMPARE(QFontInfo(font).family(), drawnIn);
        // Named, not left to the platform's default, which differs between platforms.
        QCOMPARE(QApplication::font().family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(QApplication::font().pixelSize(), zarGuiStyle::fontPixelSize);
    }
};

ZAR_TEST_MAIN(TestGuiStyle)
#include "test_guistyle.moc"
