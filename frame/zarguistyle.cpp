#include "frame/zarguistyle.h"

#include <QApplication>
#include <QComboBox>
#include <QStyleFactory>
#include <QStyleOptionToolButton>

void zarGuiStyle::install()
{
    installFonts();
    QApplication::setStyle(new zarGuiStyle());
}

// The families are the instrument's Windows fonts. Elsewhere a missing family would be
// whatever fontconfig prefers on that machine, with other metrics; the set-up installs
// DejaVu, so DejaVu stands in, tried before fontconfig's choice.
void zarGuiStyle::installFonts()
{
    const QString sans = QStringLiteral("DejaVu Sans");
    QFont::insertSubstitution(QStringLiteral("Consolas"), QStringLiteral("DejaVu Sans Mono"));
    for (const char* family : { "Segoe UI", "Calibri", "MS Shell Dlg 2" })
        QFont::insertSubstitution(QString::fromLatin1(family), sans);
#ifdef Q_OS_WIN
    QFont font;
#else
    QFont font(sans);
#endif
    font.setPixelSize(fontPixelSize);
    QApplication::setFont(font);
}

zarGuiStyle::zarGuiStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
}

int zarGuiStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    switch (metric) {
    case PM_SliderThickness:
        return 20;
    case PM_SliderLength:
        return 50;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QSize zarGuiStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                    const QWidget* widget) const
{
    QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
    switch (type) {
    case CT_ComboBox:
        result.setHeight(qMax(result.height(), touchSize));
        break;
    case CT_MenuItem:
        // The rows of a selector's list are menu items of the selector.
        if (qobject_cast<const QComboBox*>(widget))
            result.setHeight(qMax(result.height(), touchSize));
        break;
    case CT_ToolButton: {
        const auto* button = qstyleoption_cast<const QStyleOptionToolButton*>(option);
        if (button && (button->features & QStyleOptionToolButton::Arrow))
            result = result.expandedTo(QSize(touchSize, touchSize));
        break;
    }
    default:
        break;
    }
    return result;
}

// Fusion greys disabled text to #BEBEBE, 1.75:1 on the window colour of the forms
// (#FFF7EF); #7A7A7A keeps it above 3:1 there, on white and on buttons.
void zarGuiStyle::readableDisabledText(QPalette& palette)
{
    const QColor text(0x7A, 0x7A, 0x7A);
    for (QPalette::ColorRole role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText })
        palette.setColor(QPalette::Disabled, role, text);
}

QPalette zarGuiStyle::standardPalette() const
{
    QPalette palette = QProxyStyle::standardPalette();
    readableDisabledText(palette);
    return palette;
}

void zarGuiStyle::polish(QPalette& palette)
{
    QProxyStyle::polish(palette);
    readableDisabledText(palette);
}
