#include "zartestsupport.h"

#include "frame/zarguistyle.h"

#include <QSlider>
#include <QStyleOptionSlider>
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
        for (Qt::Orientation o : { Qt::Horizontal, Qt::Vertical }) {
            QSlider slider(o);
            QStyleOptionSlider option;
            option.orientation = o;
            QCOMPARE(style.pixelMetric(QStyle::PM_SliderThickness, &option, &slider), 20);
            QCOMPARE(style.pixelMetric(QStyle::PM_SliderLength, &option, &slider), 50);
        }
        QCOMPARE(style.pixelMetric(QStyle::PM_ScrollBarExtent), fusion->pixelMetric(QStyle::PM_ScrollBarExtent));
        QCOMPARE(style.pixelMetric(QStyle::PM_ButtonMargin), fusion->pixelMetric(QStyle::PM_ButtonMargin));
    }
};

ZAR_TEST_MAIN(TestGuiStyle)
#include "test_guistyle.moc"
