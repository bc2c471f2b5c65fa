// A developer's tool, not a test: grabs every tab of the main window, a session of
// 73,343 rows on the DATA page (its table and every display and mode), a new template's
// editor, the signal view and the message dialog as the program shows them, in English and Russian, and lists the height of
// what a finger hits. Built only on request:
//   cmake -S . -B build -DZAR_TOOLS=ON && cmake --build build --target zargrabscreens
//   xvfb-run -a -s '-screen 0 1024x600x24' build/scripts/grab-screens/zargrabscreens <output-dir>
#include "zartestsupport.h"

#include "frame/zarguistyle.h"
#include "frame/zarmainwidget.h"
#include "frame/zartranslator.h"
#include "frame/zarwarningdialog.h"
#include "sessions/zarsessionfile.h"
#include "service/zarsignalwidget.h"
#include "sessions/zarsessionwidget.h"
#include "templates/zaraddmodifyarraydialog.h"
#include "templates/zartemplatewidget.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDial>
#include <QDir>
#include <QFileDialog>
#include <QFontInfo>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QtMath>
#include <cstdio>

namespace {
void listControls(QWidget* page, const QString& where)
{
    for (QComboBox* box : page->findChildren<QComboBox*>())
        if (box->isVisible())
            std::printf("%s combo %s %dx%d, rows %d\n", qPrintable(where), qPrintable(box->objectName()),
                        box->width(), box->height(), box->view()->sizeHintForRow(0));
    for (QToolButton* button : page->findChildren<QToolButton*>())
        if (button->isVisible())
            std::printf("%s tool %s %dx%d\n", qPrintable(where), qPrintable(button->objectName()), button->width(),
                        button->height());
}

// A measured session of the size eight full sets on two cables give: 73,343 rows
// along 64 electrodes, resistivity and chargeability alike in every set.
QString writeLargeSession(const QString& path)
{
    zarSessionFile s;
    s.arrangement.arrayTypeSets.insert(0, 1);
    s.arrangement.maxDepths = { 40.0f };
    s.arrangement.profileLength = 315;
    s.arraySets = { zarArraySet(0, 1) };
    for (int i = 0; i < 64; ++i)
        s.cableConfiguration.wires.append({ 5.0f * i, true });
    const int rows = 73343;
    s.units.reserve(rows);
    for (int i = 0; i < rows; ++i) {
        zarSessionDataUnit u;
        const int level = 1 + (i / 57) % 16;
        const qint16 a = qint16(i % 57);
        u.coreQuadripole = { a, qint16(a + 1), qint16(qMin(a + 1 + level, 62)), qint16(qMin(a + 2 + level, 63)),
                             quint8(i & 15) };
        u.x = 5.0f * (a + 1 + level / 2.0f);
        u.z = 2.5f * level;
        u.k = 31.4159f * level;
        u.rho = 80.0f + 40.0f * level + a;
        u.setMask = 1;
        u.groupParity = (i / 4) & 1;
        u.measureSet = { 120000, 50.25f, -10.04f, 3.0f + level * 0.4f, 0.5f, {}, 1.25f, true, {} };
        s.units << u;
    }
    s.write(path);
    return path;
}

void grabSession(zarSessionWidget* screen, QWidget* window, const QString& out, const QString& language)
{
    screen->mainTabWidget->setCurrentIndex(0);
    screen->sessionTableView->scrollToBottom();
    QTest::qWait(50);
    window->grab().save(QStringLiteral("%1/%2-session-table.png").arg(out, language));
    std::printf("%s session # column %d\n", qPrintable(language),
                screen->sessionTableView->horizontalHeader()->sectionSize(0));
    screen->mainTabWidget->setCurrentIndex(1);
    for (int display = 0; display < 3; ++display) {
        for (int mode = 0; mode < 2; ++mode) {
            screen->displayComboBox->setCurrentIndex(display);
            screen->modeComboBox->setCurrentIndex(mode);
            QTest::qWait(50);
            window->grab().save(
                QStringLiteral("%1/%2-session-display%3-mode%4.png").arg(out, language).arg(display).arg(mode));
        }
    }
    screen->displayComboBox->setCurrentIndex(1);
    screen->modeComboBox->setCurrentIndex(1);
    listControls(screen, language + QStringLiteral("-session"));
    std::printf("%s session caption %s %d px high for %d px of text\n", qPrintable(language),
                qPrintable(screen->yChargeabilityLabel->objectName()), screen->yChargeabilityLabel->height(),
                screen->yChargeabilityLabel->sizeHint().height());
    for (const QLabel* caption : { screen->yDepthLabel, screen->yResistivitylabel, screen->yChargeabilityLabel,
                                   screen->xCenterLabel, screen->xResistivitylabel, screen->xChargeabilityLabel,
                                   screen->xDepthLabel })
        std::printf("%s session caption %s: %d px, in %s\n", qPrintable(language), qPrintable(caption->objectName()),
                    caption->font().pixelSize(), qPrintable(QFontInfo(caption->font()).family()));
}

// A new template's editor on the TEMPLATES page, its grid and its plot, and the signal
// view in the main window's place.
void grabTemplateAndSignals(zarMainWidget& window, const QString& out, const QString& language)
{
    window.tabWidget->setCurrentIndex(window.tabWidget->indexOf(window.templatesTab));
    window.templateMenu.newPushButton->click();
    if (zarTemplateWidget* screen = window.templateMenu.templateScreen()) {
        for (int tab = 1; tab < 3; ++tab) {
            screen->tabWidget->setCurrentIndex(tab);
            QTest::qWait(50);
            window.grab().save(QStringLiteral("%1/%2-template-tab%3.png").arg(out, language).arg(tab));
        }
        screen->requestClose();
        QTest::qWait(50);
    }
    zarSignalWidget view;
    view.resize(window.size());
    view.show();
    for (int tab = 0; tab < view.tabWidget->count(); ++tab) {
        view.tabWidget->setCurrentIndex(tab);
        QTest::qWait(50);
        view.grab().save(QStringLiteral("%1/%2-signals-tab%3.png").arg(out, language).arg(tab));
    }
}

// The transmitter dial dragged by a finger along the given angles (anticlockwise from
// 3 o'clock; the low end at 240, the high end at 300): the page is grabbed with the finger
// still down at the last angle and again once it is lifted there.
void grabDialDrag(zarMainWidget& window, const QString& out, const QString& language, const QString& name,
                  const QVector<int>& path)
{
    window.tabWidget->setCurrentIndex(1);
    QTest::qWait(50);
    QDial* dial = window.optionsPage.transmitterDial;
    const auto at = [dial](int degrees) {
        const double a = qDegreesToRadians(double(degrees));
        const int r = qMin(dial->width(), dial->height()) * 2 / 5;
        return QPoint(dial->width() / 2 + qRound(r * qCos(a)), dial->height() / 2 - qRound(r * qSin(a)));
    };
    QTest::mousePress(dial, Qt::LeftButton, {}, at(path.first()));
    std::printf("%s dial %s: pressed at %d %%", qPrintable(language), qPrintable(name), dial->value());
    // As a finger's moves come: with the button held (QTest::mouseMove would only warp
    // the pointer, which the X server reports with no button down).
    for (int degrees : path.mid(1)) {
        QMouseEvent move(QEvent::MouseMove, at(degrees), dial->mapToGlobal(at(degrees)), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(dial, &move);
        std::printf(", %d", dial->value());
    }
    QTest::qWait(50);
    window.grab().save(QStringLiteral("%1/%2-options-dial-%3-held.png").arg(out, language, name));
    QTest::mouseRelease(dial, Qt::LeftButton, {}, at(path.last()));
    QTest::qWait(50);
    window.grab().save(QStringLiteral("%1/%2-options-dial-%3.png").arg(out, language, name));
    std::printf("; lifted at %d %% (%s), knob %s\n", dial->value(),
                qPrintable(window.optionsPage.transmitterLabel->text()), dial->isSliderDown() ? "held" : "released");
    dial->setValue(25);
}

void grabDialog(const QString& path, const QString& text)
{
    QTimer::singleShot(200, [path] {
        auto* dialog = qobject_cast<zarWarningDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        std::printf("dialog %s %dx%d at %d,%d\n", qPrintable(QFileInfo(path).baseName()), dialog->width(),
                    dialog->height(), dialog->x(), dialog->y());
        dialog->grab().save(path);
        dialog->okYesPushButton->click();
    });
    zarWarningDialog::warning(text);
}

// The open dialog of a page, as the page's button shows it.
void grabFileDialog(const QString& path, QPushButton* button)
{
    QTimer::singleShot(500, [path] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        std::printf("file dialog %s %dx%d\n", qPrintable(QFileInfo(path).baseName()), dialog->width(),
                    dialog->height());
        dialog->grab().save(path);
        dialog->reject();
    });
    button->click();
}
}

int main(int argc, char* argv[])
{
    zarTestEnvironment environment;
    QApplication application(argc, argv);
    zarGuiStyle::install();
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    QDir().mkpath(out);
    zarMainWidget window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    // Opened in English: the switch to Russian below acts on a screen already shown.
    zarTranslator::instance()->setLanguage(QStringLiteral("En"));
    window.tabWidget->setCurrentIndex(window.tabWidget->indexOf(window.dataTab));
    window.dataMenu.openSession(writeLargeSession(out + QStringLiteral("/large.zarSession")));
    QFile::remove(out + QStringLiteral("/large.zarSession"));
    for (const QString& language : { QStringLiteral("En"), QStringLiteral("Ru") }) {
        zarTranslator::instance()->setLanguage(language);
        if (zarSessionWidget* screen = window.dataMenu.sessionScreen()) {
            window.tabWidget->setCurrentIndex(window.tabWidget->indexOf(window.dataTab));
            grabSession(screen, &window, out, language);
        }
        for (int tab = 0; tab < window.tabWidget->count(); ++tab) {
            window.tabWidget->setCurrentIndex(tab);
            QTest::qWait(50);
            const QString where = QStringLiteral("%1-tab%2").arg(language).arg(tab);
            window.grab().save(QStringLiteral("%1/%2.png").arg(out, where));
            listControls(window.tabWidget->widget(tab), where);
        }
        grabTemplateAndSignals(window, out, language);
        grabDialDrag(window, out, language, QStringLiteral("slip"), { 240, 250, 260, 270, 280, 290 });
        grabDialDrag(window, out, language, QStringLiteral("flick-left"), { 30, 189 });
        grabDialDrag(window, out, language, QStringLiteral("flick-right"), { 150, -9 });
        grabDialDrag(window, out, language, QStringLiteral("run-past-low"), { 240, 265, 290, 330, 30, 90 });
        grabDialDrag(window, out, language, QStringLiteral("run-past-high"), { 300, 275, 250, 210, 150, 90 });
        grabDialDrag(window, out, language, QStringLiteral("back-past-low"), { 240, 265, 290, 265, 225, 195 });
        window.optionsPage.setEnabled(false);
        window.tabWidget->setCurrentIndex(1);
        QTest::qWait(50);
        window.grab().save(QStringLiteral("%1/%2-options-disabled.png").arg(out, language));
        window.optionsPage.setEnabled(true);
        zarAddModifyArrayDialog arrays;
        arrays.show();
        QTest::qWait(50);
        arrays.grab().save(QStringLiteral("%1/%2-arrays.png").arg(out, language));
        listControls(&arrays, language + QStringLiteral("-arrays"));
        arrays.close();
        grabDialog(QStringLiteral("%1/%2-dialog-long.png").arg(out, language),
                   QStringLiteral("The session file could not be written because the medium is full or removed; ")
                       .repeated(6));
        grabDialog(QStringLiteral("%1/%2-dialog-word.png").arg(out, language),
                   QStringLiteral("C:/zar_0/sessions/") + QString(200, QLatin1Char('x')) + QStringLiteral(".zarSession"));
        grabFileDialog(QStringLiteral("%1/%2-open-template.png").arg(out, language), window.templateMenu.openPushButton);
        grabFileDialog(QStringLiteral("%1/%2-open-session.png").arg(out, language), window.dataMenu.openPushButton);
    }
    window.optionsPage.pulseDurationComboBox->showPopup();
    QTest::qWait(100);
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->grab().save(out + QStringLiteral("/popup.png"));
    window.optionsPage.pulseDurationComboBox->hidePopup();
    window.close();
    return 0;
}
