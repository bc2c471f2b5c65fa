#include "zartestsupport.h"

#include "frame/zarguistyle.h"

#include <QStyleFactory>

// The style: touch-sized sliders, Fusion for everything else.
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
};

ZAR_TEST_MAIN(TestGuiStyle)
#include "test_guistyle.moc"
