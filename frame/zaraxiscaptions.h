#ifndef ZARAXISCAPTIONS_H
#define ZARAXISCAPTIONS_H

#include <QObject>
#include <QPointer>
#include <QVector>

#include <initializer_list>

class QLabel;
class QWidget;

// The captions along a plot's axes: small bold blue plain text, alike in every
// language. Each keeps its size where its text fits the length of the axis it runs
// along, and takes the largest size that fits where it does not, whatever font
// stands in and whenever the axis is laid out anew.
class zarAxisCaptions : public QObject
{
public:
    static constexpr int pixelSize = 12;
    static constexpr int smallestPixelSize = 6;

    explicit zarAxisCaptions(QObject* parent = nullptr);

    // Captions running along the axes of the given orientation (a vertical caption
    // along the height); of the axes, those shown count.
    void add(Qt::Orientation orientation, std::initializer_list<QWidget*> axes,
             std::initializer_list<QLabel*> captions);
    // After the captions' texts change.
    void fit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Group {
        Qt::Orientation orientation;
        QVector<QPointer<QWidget>> axes;
        QVector<QPointer<QLabel>> captions;
    };
    static void fit(const Group& group);
    // The largest pixel size, at most the captions' own, at which text spans no more
    // than length along orientation; the smallest size when none does.
    static int fittingPixelSize(const QString& text, Qt::Orientation orientation, int length);

    QVector<Group> m_groups;
};

#endif
