#include "zartestsupport.h"

#include "frame/zaraxiscaptions.h"

#include <QLabel>

// What the session screen's captions do not show: the smallest size where nothing fits,
// and a fit made when a hidden plot is shown again.
class TestAxisCaptions : public QObject
{
    Q_OBJECT

    // A caption of the given number of lines, one letter each.
    static QString stacked(int letters)
    {
        QString text = QStringLiteral("x");
        for (int i = 1; i < letters; ++i)
            text += QStringLiteral("\nx");
        return text;
    }

private slots:
    void tooLongForAnySizeTakesTheSmallest()
    {
        QWidget axis;
        axis.resize(40, 20);
        axis.show();
        QLabel caption(stacked(30));
        zarAxisCaptions captions;
        captions.add(Qt::Vertical, { &axis }, { &caption });
        QCOMPARE(caption.font().pixelSize(), zarAxisCaptions::smallestPixelSize);
    }

    // Texts changed while the plot is hidden are fitted when it is shown again, even
    // with the length it had.
    void hiddenAxisFitsWhenShown()
    {
        QWidget axis;
        axis.resize(40, 300);
        axis.show();
        QLabel caption(stacked(10));
        zarAxisCaptions captions;
        captions.add(Qt::Vertical, { &axis }, { &caption });
        axis.hide();
        caption.setText(stacked(30));
        captions.fit();
        QCOMPARE(caption.font().pixelSize(), zarAxisCaptions::pixelSize);
        axis.show();
        QVERIFY(caption.font().pixelSize() < zarAxisCaptions::pixelSize);
        QVERIFY(QFontMetrics(caption.font()).size(0, caption.text()).height() <= axis.height());
    }
};

ZAR_TEST_MAIN(TestAxisCaptions)
#include "test_axiscaptions.moc"
