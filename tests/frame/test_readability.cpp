#include "zartestsupport.h"

#include "frame/zarguistyle.h"
#include "frame/zarmainwidget.h"
#include "frame/zarwarningdialog.h"

#include <QScreen>
#include <cmath>

// What a finger hits and what the eye reads on the 1024 x 600 screen, with the
// program's own style and font.
class TestReadability : public QObject
{
    Q_OBJECT

    QScopedPointer<zarMainWidget> window;

    static double luminance(const QColor& colour)
    {
        auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
    }

    QWidget* options(const QString& name) const { return window->optionsPage.findChild<QWidget*>(name); }

    // Shows a warning and looks at the laid-out dialog before answering it.
    static void shown(const QString& text, std::function<void(zarWarningDialog*)> look)
    {
        zarWhenModal([look](QWidget* w) {
            auto* d = qobject_cast<zarWarningDialog*>(w);
            look(d);
            d->okYesPushButton->click();
        });
        zarWarningDialog::warning(text);
    }

private slots:
    void initTestCase()
    {
        QFont font;
        font.setPixelSize(15);
        QApplication::setFont(font);
        QApplication::setStyle(new zarGuiStyle());
        window.reset(new zarMainWidget);
        window->tabWidget->setCurrentIndex(1);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.data()));
    }

    void cleanupTestCase() { window.reset(); }

    void controlsAreFingerHigh_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("deviation selector") << "deviationComboBox";
        QTest::newRow("fewer at least") << "decMinStackingToolButton";
        QTest::newRow("more at most") << "incMaxStackingToolButton";
    }

    void controlsAreFingerHigh()
    {
        QFETCH(QString, name);
        QVERIFY(options(name));
        QVERIFY2(options(name)->height() >= zarGuiStyle::touchSize, qPrintable(QString::number(options(name)->height())));
    }

    // Disabled text against what it is drawn on, at least 3:1.
    void disabledTextContrast_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<int>("text");
        QTest::addColumn<int>("background");
        QTest::newRow("status line on the window") << "statusLabel" << int(QPalette::WindowText) << int(QPalette::Window);
        QTest::newRow("selector on its button") << "deviationComboBox" << int(QPalette::ButtonText) << int(QPalette::Button);
        QTest::newRow("entry on its base") << "deviationComboBox" << int(QPalette::Text) << int(QPalette::Base);
    }

    void disabledTextContrast()
    {
        QFETCH(QString, where);
        QFETCH(int, text);
        QFETCH(int, background);
        QWidget* widget = where == QLatin1String("statusLabel") ? window->statusBar.statusLabel : options(where);
        QVERIFY(widget);
        const QPalette palette = widget->palette();
        const double a = luminance(palette.color(QPalette::Disabled, QPalette::ColorRole(text)));
        const double b = luminance(palette.color(QPalette::Disabled, QPalette::ColorRole(background)));
        const double ratio = (qMax(a, b) + 0.05) / (qMin(a, b) + 0.05);
        QVERIFY2(ratio >= 3.0, qPrintable(QString::number(ratio, 'f', 2)));
    }

    // However long the text, the dialog stays on the screen with its button in reach.
    void warningDialogStaysOnTheScreen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("long sentence") << QStringLiteral("The session file could not be written to the medium. ").repeated(8);
        QTest::newRow("endless word") << QString(400, QLatin1Char('x'));
        QTest::newRow("endless text") << QStringLiteral("Not written. ").repeated(600);
    }

    void warningDialogStaysOnTheScreen()
    {
        QFETCH(QString, text);
        QRect dialog, button;
        shown(text, [&](zarWarningDialog* d) {
            dialog = d->frameGeometry();
            button = QRect(d->okYesPushButton->mapTo(d, QPoint()), d->okYesPushButton->size());
            QVERIFY(d->okYesPushButton->isVisible());
            QVERIFY(d->rect().contains(button));
        });
        QVERIFY2(QGuiApplication::primaryScreen()->availableGeometry().contains(dialog),
                 qPrintable(QStringLiteral("%1x%2 at %3,%4").arg(dialog.width()).arg(dialog.height()).arg(dialog.x()).arg(dialog.y())));
    }

    void aLongSentenceWrapsOntoLines()
    {
        int labelHeight = 0, lineHeight = 0;
        shown(QStringLiteral("The session file could not be written to the medium. ").repeated(8), [&](zarWarningDialog* d) {
            labelHeight = d->messageLabel->height();
            lineHeight = d->messageLabel->fontMetrics().height();
        });
        QVERIFY2(labelHeight >= 3 * lineHeight, qPrintable(QString::number(labelHeight)));
    }
};

ZAR_TEST_MAIN(TestReadability)
#include "test_readability.moc"
