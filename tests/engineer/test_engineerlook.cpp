#include "zarengineerfixture.h"

#include "core/zarconstants.h"
#include "frame/zarguistyle.h"
#include "frame/zarmainwidget.h"
#include "frame/zarpassworddialog.h"
#include "frame/zartranslator.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QScrollArea>
#include <QSlider>
#include <QTabBar>
#include <QToolButton>

// Every tab of the engineer screen inside the 1024 x 600 window, in both languages:
// controls lie inside their page, show their whole text, do not overlap, and what
// a finger hits is at least 48 pixels high.
class TestEngineerLook : public QObject
{
    Q_OBJECT

    static bool isControl(const QWidget* w)
    {
        return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractSpinBox*>(w)
            || qobject_cast<const QComboBox*>(w) || qobject_cast<const QSlider*>(w) || qobject_cast<const QAbstractScrollArea*>(w);
    }

    static bool isTouched(const QWidget* w)
    {
        return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QComboBox*>(w)
            || qobject_cast<const QSlider*>(w);
    }

    // The page's own controls; the signal view's are its own business and the
    // production list scrolls.
    static QList<QWidget*> controls(QWidget* page)
    {
        QList<QWidget*> found;
        for (QWidget* w : page->findChildren<QWidget*>()) {
            if (!w->isVisible() || !isControl(w) || w->inherits("zarSignalWidget"))
                continue;
            bool inside = false;
            for (QWidget* p = w->parentWidget(); p && p != page; p = p->parentWidget())
                inside = inside || p->inherits("zarSignalWidget") || p->objectName() == QLatin1String("proFrame")
                    || qobject_cast<QAbstractScrollArea*>(p);
            if (!inside)
                found << w;
        }
        return found;
    }

private slots:
    // The program's own font and style, as main sets them.
    void initTestCase()
    {
        QFont font;
        font.setPixelSize(15);
        QApplication::setFont(font);
        QApplication::setStyle(new zarGuiStyle());
    }

    void everyTab_data()
    {
        QTest::addColumn<QString>("language");
        for (const char* language : { "En", "Ru" })
            QTest::newRow(language) << language;
    }

    void everyTab()
    {
        QFETCH(QString, language);
        QVERIFY(zarTranslator::instance()->setLanguage(language));
        zarMainWidget window;
        window.show();
        window.tabWidget->setCurrentIndex(4);
        zarWhenModal([](QWidget* w) {
            for (QChar digit : engineerCodeA)
                w->findChild<QPushButton*>(QStringLiteral("pushButton") + digit)->click();
            qobject_cast<zarPasswordDialog*>(w)->enterPushButton->click();
        });
        QVERIFY(QMetaObject::invokeMethod(&window.systemMenu, "onEngineer"));
        auto* screen = qobject_cast<zarEngineerWidget*>(window.systemMenu.openScreen());
        QVERIFY(screen);
        QTRY_VERIFY(screen->isVisible());
        QVERIFY(window.rect().contains(QRect(screen->mapTo(&window, QPoint()), screen->size())));

        QTabBar* bar = screen->tabWidget->tabBar();
        // Every tab is in sight with its whole title: the bar neither scrolls nor shortens.
        for (const QToolButton* arrow : bar->findChildren<QToolButton*>())
            QVERIFY2(!arrow->isVisible(), "tab bar scrolls");
        for (int i = 0; i < bar->count(); ++i) {
            const int whole = bar->fontMetrics().horizontalAdvance(bar->tabText(i))
                + (bar->tabIcon(i).isNull() ? 0 : bar->iconSize().width());
            QVERIFY2(bar->tabRect(i).width() >= whole, qPrintable(bar->tabText(i) + " shortened"));
        }
        for (int i = 0; i < screen->tabWidget->count(); ++i) {
            screen->tabWidget->setCurrentIndex(i);
            QApplication::processEvents();
            const QString tab = screen->tabWidget->tabText(i);
            QVERIFY2(bar->rect().contains(bar->tabRect(i)), qPrintable(tab + " tab outside the bar"));
            QVERIFY2(bar->tabRect(i).height() >= 48, qPrintable(tab));
            QWidget* page = screen->tabWidget->currentWidget();
            const QList<QWidget*> shown = controls(page);
            QVERIFY(!shown.isEmpty());
            for (QWidget* w : shown) {
                const QRect r(w->mapTo(page, QPoint()), w->size());
                const QString what = tab + QLatin1Char(' ') + w->objectName();
                QVERIFY2(page->rect().contains(r), qPrintable(what + " outside its page"));
                const auto* label = qobject_cast<QLabel*>(w);
                if (!(label && label->wordWrap()) && !qobject_cast<QAbstractScrollArea*>(w))
                    QVERIFY2(w->width() >= w->minimumSizeHint().width() && w->height() >= w->minimumSizeHint().height(),
                             qPrintable(what + " clipped"));
                if (isTouched(w))
                    QVERIFY2(w->height() >= 48, qPrintable(what + " lower than a finger"));
                for (QWidget* other : shown)
                    if (other != w && !other->isAncestorOf(w) && !w->isAncestorOf(other))
                        QVERIFY2(!r.intersects(QRect(other->mapTo(page, QPoint()), other->size())),
                                 qPrintable(what + " overlaps " + other->objectName()));
            }
        }
        // The production list: full titles, never wider than its view.
        screen->tabWidget->setCurrentIndex(0);
        QApplication::processEvents();
        for (QToolButton* test : screen->proFrame->findChildren<QToolButton*>()) {
            QVERIFY2(test->width() >= test->sizeHint().width() && test->height() >= 48, qPrintable(test->text()));
            QVERIFY(test->mapTo(screen->proScrollArea->viewport(), QPoint(test->width(), 0)).x() <= screen->proScrollArea->viewport()->width());
        }
        QVERIFY(window.close());
    }
};

ZAR_TEST_MAIN(TestEngineerLook)
#include "test_engineerlook.moc"
