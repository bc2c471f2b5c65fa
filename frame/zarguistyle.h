#ifndef ZARGUISTYLE_H
#define ZARGUISTYLE_H

#include <QProxyStyle>

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
    // The application font, and a stand-in installed with the program for each family
    // the forms name, so whatever else a machine holds and prefers cannot change them.
    static void installFonts();

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
