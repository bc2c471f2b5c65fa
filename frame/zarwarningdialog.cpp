#include "frame/zarwarningdialog.h"

#include "frame/zartranslator.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWindow>

zarWarningDialog* zarWarningDialog::s_instance = nullptr;

zarWarningDialog::zarWarningDialog(QWidget* parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    setupUi(this);
    messageLabel->setWordWrap(true);
    connect(cancelPushButton, &QPushButton::clicked, this, &zarWarningDialog::cancelSlot);
    connect(zarTranslator::instance(), &zarTranslator::sendTranslate, this, &zarWarningDialog::onTranslate);
    onTranslate();
}

zarWarningDialog::~zarWarningDialog()
{
    if (s_instance == this)
        s_instance = nullptr;
}

void zarWarningDialog::cancelSlot()
{
    done(2);
}

void zarWarningDialog::onTranslate()
{
    setWindowTitle(tr("Attention!"));
    noPushButton->setText(tr("No"));
    cancelPushButton->setText(tr("Cancel"));
}

void zarWarningDialog::warning(const QString& text)
{
    run(Warning, text);
}

int zarWarningDialog::question(const QString& text)
{
    return run(Question, text);
}

int zarWarningDialog::question3(const QString& text)
{
    return run(Question3, text);
}

int zarWarningDialog::run(Kind kind, const QString& text)
{
    if (!s_instance)
        s_instance = new zarWarningDialog();
    if (!s_instance->m_inExec)
        return s_instance->show(kind, text);
    // A message raised while the shared dialog waits for an answer (from a timer or
    // a report) gets a dialog of its own, so neither answer is lost.
    zarWarningDialog nested;
    return nested.show(kind, text);
}

int zarWarningDialog::show(Kind kind, const QString& text)
{
    if (kind == Question3)
        layout()->setSizeConstraint(QLayout::SetNoConstraint);
    messageLabel->setText(text);
    okYesPushButton->setText(kind == Warning ? QStringLiteral("OK") : tr("Yes"));
    okYesPushButton->setVisible(true);
    noPushButton->setVisible(kind != Warning);
    cancelPushButton->setVisible(kind == Question3);
    fitToScreen();
    adjustSize();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
    centre();

    // exec() makes only a hidden dialog modal: take down a busy message first.
    if (isVisible())
        hide();
    QPointer<zarWarningDialog> guard(this);
    m_inExec = true;
    const int result = exec();
    if (guard)
        m_inExec = false;
    return result;
}

void zarWarningDialog::centre()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // Centred with its frame, so a dialog as large as the screen stays whole on it.
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

// Long texts wrap; an endless word or text is cut rather than pushing the dialog
// and its buttons off the screen.
void zarWarningDialog::fitToScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The frame counts too; the native window is about to be shown anyway.
    winId();
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const QSize room = screen->availableGeometry().size()
        - QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    const QMargins margins = layout()->contentsMargins();
    const int buttons = okYesPushButton->sizeHint().height() + layout()->spacing();
    const int widest = room.width() - margins.left() - margins.right() - signLabel->maximumWidth()
        - horizontalLayout_2->spacing();
    messageLabel->setMaximumSize(widest, room.height() - margins.top() - margins.bottom() - buttons);
    // A short text stays on one line (a wrapping label alone would break it after a
    // word or two); a longer one wraps at two thirds of the screen.
    const int line = messageLabel->fontMetrics().size(0, messageLabel->text()).width() + 1;
    messageLabel->setMinimumWidth(qMin(line, qMin(widest, room.width() * 2 / 3)));
}

void zarWarningDialog::showBusy()
{
    if (s_instance)
        showBusy(s_instance->tr("Please wait..."));
}

void zarWarningDialog::showBusy(const QString& text)
{
    // Never over a dialog that still waits for an answer.
    if (!s_instance || s_instance->m_inExec)
        return;
    s_instance->messageLabel->setText(text);
    s_instance->okYesPushButton->setVisible(false);
    s_instance->noPushButton->setVisible(false);
    s_instance->cancelPushButton->setVisible(false);
    s_instance->fitToScreen();
    s_instance->adjustSize();
    s_instance->QDialog::show();
    s_instance->centre();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void zarWarningDialog::hideBusy()
{
    zarWarningDialog* dialog = s_instance;
    if (!dialog)
        return;
    s_instance = nullptr;
    if (dialog->m_inExec) {
        // Still inside exec(): end it and let its own loop unwind before deleting.
        dialog->reject();
        dialog->deleteLater();
        return;
    }
    dialog->close();
    delete dialog;
}
