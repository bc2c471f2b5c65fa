// A developer's tool, not a test: grabs every tab of the main window and the message
// dialog as the program shows them, in English and Russian, and lists the height of
// what a finger hits. Built only on request:
//   cmake -S . -B build -DZAR_TOOLS=ON && cmake --build build --target zargrabscreens
//   xvfb-run -a -s '-screen 0 1024x600x24' build/scripts/grab-screens/zargrabscreens <output-dir>
#include "zartestsupport.h"

#include "frame/zarguistyle.h"
#include "frame/zarmainwidget.h"
#include "frame/zartranslator.h"
#include "frame/zarwarningdialog.h"
#include "templates/zaraddmodifyarraydialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
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
    for (const QString& language : { QStringLiteral("En"), QStringLiteral("Ru") }) {
        zarTranslator::instance()->setLanguage(language);
        for (int tab = 0; tab < window.tabWidget->count(); ++tab) {
            window.tabWidget->setCurrentIndex(tab);
            QTest::qWait(50);
            const QString where = QStringLiteral("%1-tab%2").arg(language).arg(tab);
            window.grab().save(QStringLiteral("%1/%2.png").arg(out, where));
            listControls(window.tabWidget->widget(tab), where);
        }
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
