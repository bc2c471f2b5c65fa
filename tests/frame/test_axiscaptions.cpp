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

    // A stacked caption beside a shown axis of the given height.
    struct Beside {
        Beside(int height, int letters) : caption(stacked(letters))
        {
            axis.resize(40, height);
            axis.show();
            captions.add(Qt::Vertical, { &axis }, { &caption });
        }
        QWidget axis;
        QLabel caption;
        zarAxisCaptions captions;
    };

private slots:
    void tooLongForAnySizeTakesTheSmallest()
    {
        Beside b(20, 30);
        QCOMPARE(b.caption.font().pixelSize(), 6);
    }

    // A caption that fits is 12 px. Texts changed while the plot is hidden are fitted
    // when it is shown again, even with the length it had.
    void hiddenAxisFitsWhenShown()
    {
        Beside b(300, 10);
        QCOMPARE(b.caption.font().pixelSize(), 12);
        b.axis.hide();
        b.caption.setText(stacked(30));
        b.captions.fit();
        QCOMPARE(b.caption.font().pixelSize(), 12);
        b.axis.show();
        QVERIFY(b.caption.font().pixelSize() < 12);
        QVERIFY(QFontMetrics(b.caption.font()).size(0, b.caption.text()).height() <= b.axis.height());
    }
};

ZAR_TEST_MAIN(TestAxisCaptions)
#include "test_axiscaptions.moc"
