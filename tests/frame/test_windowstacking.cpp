#include "zartestsupport.h"

#include "frame/zarkeyboarddialog.h"
#include "frame/zarwarningdialog.h"

#include <QLineEdit>
#include <QPointer>
#include <QScopeGuard>

#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <cstdlib>

// The X server's own view through a connection of the test's own: which window is
// on top and which has the input focus, and taps and keys given as a person gives
// them. Without a window manager nothing else puts a window on top or hands it the
// keys, so what Qt believes is not enough.
class zarXServer
{
public:
    zarXServer() : m_connection(xcb_connect(nullptr, nullptr))
    {
        if (xcb_connection_has_error(m_connection))
            return;
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const xcb_query_extension_reply_t* xtest = xcb_get_extension_data(m_connection, &xcb_test_id);
        m_ready = xtest && xtest->present;
    }
    ~zarXServer() { xcb_disconnect(m_connection); }

    bool ready() const { return m_ready; }

    // The viewable top-level window highest in the stacking order.
    xcb_window_t topWindow() const
    {
        xcb_window_t top = XCB_WINDOW_NONE;
        auto* tree = xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, m_root), nullptr);
        if (!tree)
            return top;
        const xcb_window_t* children = xcb_query_tree_children(tree);
        // Listed from the bottom of the stack to the top.
        for (int i = xcb_query_tree_children_length(tree) - 1; i >= 0 && top == XCB_WINDOW_NONE; --i) {
            auto* attributes = xcb_get_window_attributes_reply(
                m_connection, xcb_get_window_attributes(m_connection, children[i]), nullptr);
            if (attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE)
                top = children[i];
            std::free(attributes);
        }
        std::free(tree);
        return top;
    }

    xcb_window_t focus() const
    {
        auto* reply = xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr);
        const xcb_window_t window = reply ? reply->focus : xcb_window_t(XCB_WINDOW_NONE);
        std::free(reply);
        return window;
    }

    // A finger on the middle of the widget: wherever the server delivers it.
    void tap(const QWidget* widget)
    {
        const QPoint at = widget->mapToGlobal(widget->rect().center());
        xcb_test_fake_input(m_connection, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, m_root, qint16(at.x()),
                            qint16(at.y()), 0);
        xcb_test_fake_input(m_connection, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, m_root, 0, 0, 0);
        xcb_test_fake_input(m_connection, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, m_root, 0, 0, 0);
        sync();
    }

    // A key of a real keyboard: it goes to the window with the input focus.
    bool press(xcb_keysym_t keysym)
    {
        const xcb_keycode_t code = keycode(keysym);
        if (!code)
            return false;
        xcb_test_fake_input(m_connection, XCB_KEY_PRESS, code, XCB_CURRENT_TIME, m_root, 0, 0, 0);
        xcb_test_fake_input(m_connection, XCB_KEY_RELEASE, code, XCB_CURRENT_TIME, m_root, 0, 0, 0);
        sync();
        return true;
    }

private:
    void sync() const { std::free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr)); }

    xcb_keycode_t keycode(xcb_keysym_t keysym) const
    {
        const xcb_setup_t* setup = xcb_get_setup(m_connection);
        const int count = setup->max_keycode - setup->min_keycode + 1;
        auto* map = xcb_get_keyboard_mapping_reply(
            m_connection, xcb_get_keyboard_mapping(m_connection, setup->min_keycode, quint8(count)), nullptr);
        xcb_keycode_t found = 0;
        if (map) {
            const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(map);
            for (int i = 0; i < count && !found; ++i)
                if (keysyms[i * map->keysyms_per_keycode] == keysym)
                    found = xcb_keycode_t(setup->min_keycode + i);
        }
        std::free(map);
        return found;
    }

    xcb_connection_t* m_connection;
    xcb_window_t m_root = XCB_WINDOW_NONE;
    bool m_ready = false;
};

// Waits from a timer (the test itself sits in the message's exec()) for the message
// dialog to come up, notes whether the server put it on top with the keys, and taps
// its OK as a finger would. A message the tap cannot reach is answered directly
// after a while, so that the fault fails the test instead of hanging it.
class zarMessageTap
{
public:
    explicit zarMessageTap(zarXServer& x) : m_x(x)
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { tick(); });
    }

    void arm()
    {
        onTop = focused = tapped = answered = m_tapSent = false;
        text.clear();
        m_dialog = nullptr;
        m_timer.start();
    }

    bool onTop = false;
    bool focused = false;
    bool tapped = false;     // the tap reached OK
    bool answered = false;   // the message is gone, by the tap or directly
    QString text;

private:
    void tick()
    {
        if (!m_dialog) {
            auto* dialog = qobject_cast<zarWarningDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->windowHandle() || !dialog->windowHandle()->isExposed())
                return;
            m_dialog = dialog;
            text = dialog->messageLabel->text();
            m_clock.start();
        }
        if (!m_dialog->isVisible()) {
            m_timer.stop();
            answered = true;
            return;
        }
        const xcb_window_t window = xcb_window_t(m_dialog->winId());
        if (!m_tapSent) {
            onTop = m_x.topWindow() == window;
            focused = m_x.focus() == window;
            // Give the server its moment to settle; then tap wherever the dialog is.
            if ((onTop && focused) || m_clock.elapsed() > settle) {
                m_tapSent = true;
                m_tapAt = m_clock.elapsed();
                QObject::connect(m_dialog.data(), &QDialog::finished, &m_timer, [this] { tapped = m_tapSent; });
                m_x.tap(m_dialog->okYesPushButton);
            }
            return;
        }
        if (m_clock.elapsed() - m_tapAt > settle) {
            m_tapSent = false;
            m_dialog->okYesPushButton->click();
        }
    }

    // Long enough for a loaded machine; only a fault waits it out.
    static constexpr qint64 settle = 3000;

    zarXServer& m_x;
    QTimer m_timer;
    QElapsedTimer m_clock;
    QPointer<zarWarningDialog> m_dialog;
    bool m_tapSent = false;
    qint64 m_tapAt = 0;
};

// Windows over full-screen windows on a real X server without a window manager, as
// on the instrument: a window shown comes up on top and takes the keys, and the
// window below takes them back when it goes.
class TestWindowStacking : public QObject
{
    Q_OBJECT

    zarXServer x;

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        QVERIFY2(x.ready(), "no X server with the XTEST extension");
        // The shared message dialog exists from an earlier message, as in the program.
        zarMessageTap first(x);
        first.arm();
        zarWarningDialog::warning(QStringLiteral("Template is empty"));
        QVERIFY(first.onTop);
        QVERIFY(first.tapped);
    }

    void cleanupTestCase() { zarWarningDialog::hideBusy(); }

    // The keyboard refuses an empty name with a message over itself that a tap answers.
    void anEmptyNameMessageIsOnTopOfTheKeyboard()
    {
        zarKeyboardDialog keyboard { QString() };
        zarMessageTap tap(x);
        QVERIFY(enterNoName(keyboard, tap));
        QCOMPARE(tap.text, QStringLiteral("File name is empty"));
        QVERIFY(tap.onTop);
        QVERIFY(tap.focused);
        QVERIFY(tap.tapped);
        QVERIFY(keyboard.isVisible());
    }

    // Once the message is answered, the keys of a real keyboard and the taps on the
    // on-screen keys go to the keyboard again.
    void theKeyboardTakesKeysAfterTheMessage()
    {
        zarKeyboardDialog keyboard { QString() };
        zarMessageTap tap(x);
        QVERIFY(enterNoName(keyboard, tap));
        QTRY_COMPARE(QApplication::activeWindow(), &keyboard);
        QTRY_COMPARE(x.focus(), xcb_window_t(keyboard.winId()));
        QVERIFY(x.press('a'));
        QTRY_COMPARE(keyboard.text(), QStringLiteral("a"));
        x.tap(keyboard.bB);
        QTRY_COMPARE(keyboard.text(), QStringLiteral("ab"));
    }

    // A window that is not modal, as the main window, gets the keys back too when a
    // message over it is answered.
    void theWindowBelowTakesKeysAfterTheMessage()
    {
        QWidget screen;
        auto* line = new QLineEdit(&screen);
        screen.setFixedSize(1024, 600);
        screen.show();
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        line->setFocus();
        zarMessageTap tap(x);
        tap.arm();
        zarWarningDialog::warning(QStringLiteral("Stop all activities to exit"));
        QVERIFY(tap.tapped);

        QTRY_COMPARE(x.focus(), xcb_window_t(screen.winId()));
        QVERIFY(x.press('a'));
        QTRY_COMPARE(line->text(), QStringLiteral("a"));
    }

    // The busy message reuses the dialog too; it must not stay hidden behind a
    // full-screen window made after it.
    void aBusyMessageIsOnTopOfAFullScreenWindow()
    {
        QWidget screen;
        screen.setFixedSize(1024, 600);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        zarWarningDialog::showBusy(QStringLiteral("Please wait..."));
        zarWarningDialog* busy = zarWarningDialog::current();
        QVERIFY(busy && busy->isVisible());
        const auto hide = qScopeGuard([busy] { busy->hide(); });
        QTRY_COMPARE(x.topWindow(), xcb_window_t(busy->winId()));
    }

private:
    // The keyboard up as the program runs it, and Enter tapped with no name; the
    // message that refuses it gets a tap on its OK.
    bool enterNoName(zarKeyboardDialog& keyboard, zarMessageTap& tap)
    {
        keyboard.setWindowModality(Qt::ApplicationModal);
        keyboard.show();
        if (!QTest::qWaitFor([&] { return x.topWindow() == xcb_window_t(keyboard.winId()); }))
            return false;
        tap.arm();
        x.tap(keyboard.enterB);
        return QTest::qWaitFor([&] { return tap.answered; }, 10000);
    }
};

ZAR_TEST_MAIN(TestWindowStacking)
#include "test_windowstacking.moc"
