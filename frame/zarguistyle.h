#ifndef ZARGUISTYLE_H
#define ZARGUISTYLE_H

#include <QProxyStyle>

#include <initializer_list>

class QLabel;

// Fusion made for a finger on a 1024 x 600 screen: touch-sized sliders, selectors,
// selector rows and arrow buttons, and disabled text that stays readable.
class zarGuiStyle : public QProxyStyle
{
public:
    // What a finger hits is at least this high where the form leaves room.
    static constexpr int touchSize = 48;
    static constexpr int fontPixelSize = 15;

    // The program's look on the application: this style and its font.
    static void install();
    // The captions along a plot's axes: small bold blue plain text, alike in every language.
    static void axisCaptions(std::initializer_list<QLabel*> captions, int pixelSize = axisCaptionPixelSize);
    static constexpr int axisCaptionPixelSize = 12;
    // A caption stacked one letter a line beside a plot's height: the longest, 24 lines,
    // stays within the height a plot gets on the screen.
    static constexpr int stackedCaptionPixelSize = 10;

    zarGuiStyle();
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    QPalette standardPalette() const override;
    void polish(QPalette& palette) override;
    using QProxyStyle::polish;

private:
    static void readableDisabledText(QPalette& palette);
};

#endif
