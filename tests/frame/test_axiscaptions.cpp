#include "zaraxiscaptioncheck.h"
#include "zartestsupport.h"

#include "frame/zaraxiscaptions.h"

#include <QLabel>

// Captions along a plot's axis take their own size where it fits, else the largest that
// does, for the length the axis has while it is shown.
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
    void fitsItsAxis_data()
    {
        QTest::addColumn<int>("letters");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("size");
        QTest::newRow("room to spare: its own size") << 10 << 400 << zarAxisCaptions::pixelSize;
        QTest::newRow("too long for its own size: smaller") << 30 << 300 << -1;
        QTest::newRow("too long for any size: the smallest") << 30 << 20 << zarAxisCaptions::smallestPixelSize;
    }
    void fitsItsAxis()
    {
        QFETCH(int, letters);
        QFETCH(int, length);
        QFETCH(int, size);
        QWidget axis;
        axis.resize(40, length);
        axis.show();
        QLabel caption(stacked(letters));
        zarAxisCaptions captions;
        captions.add(Qt::Vertical, { &axis }, { &caption });
        caption.resize(caption.sizeHint());
        if (size > 0) {
            QCOMPARE(caption.font().pixelSize(), size);
        } else {
            const QString fault = zarAxisCaptionFault(&caption, Qt::Vertical, length);
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
            QVERIFY(caption.font().pixelSize() < zarAxisCaptions::pixelSize);
        }
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

    // A caption serving two plots, one shown at a time, follows the one shown.
    void followsTheAxisShown()
    {
        QWidget wide;
        QWidget narrow;
        wide.resize(900, 40);
        narrow.resize(250, 40);
        QLabel caption(QStringLiteral("M e a s u r e m e n t  c e n t e r  [m]"));
        zarAxisCaptions captions;
        captions.add(Qt::Horizontal, { &wide, &narrow }, { &caption });
        wide.show();
        QCOMPARE(caption.font().pixelSize(), zarAxisCaptions::pixelSize);
        wide.hide();
        narrow.show();
        QVERIFY(caption.font().pixelSize() < zarAxisCaptions::pixelSize);
        QVERIFY(QFontMetrics(caption.font()).horizontalAdvance(caption.text()) <= narrow.width());
    }
};

ZAR_TEST_MAIN(TestAxisCaptions)
#include "test_axiscaptions.moc"
