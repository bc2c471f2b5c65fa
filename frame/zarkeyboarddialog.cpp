#include "frame/zarkeyboarddialog.h"

#include "frame/zartranslator.h"
#include "frame/zarwarningdialog.h"

namespace {
struct Relabel
{
    QPushButton* Ui::zKeyboardDialog::*key;
    const char* off;
    const char* on;
};

const Relabel symbolKeys[] = {
    { &Ui::zKeyboardDialog::n1B, "1", "!" }, { &Ui::zKeyboardDialog::n2B, "2", "@" },
    { &Ui::zKeyboardDialog::n3B, "3", "#" }, { &Ui::zKeyboardDialog::n4B, "4", "$" },
    { &Ui::zKeyboardDialog::n5B, "5", "%" }, { &Ui::zKeyboardDialog::n6B, "6", "^" },
    { &Ui::zKeyboardDialog::n7B, "7", "&&" }, { &Ui::zKeyboardDialog::n8B, "8", "~" },
    { &Ui::zKeyboardDialog::n9B, "9", "(" }, { &Ui::zKeyboardDialog::n0B, "0", ")" },
    { &Ui::zKeyboardDialog::minusB, "-", "_" }, { &Ui::zKeyboardDialog::equalB, "=", "+" },
    { &Ui::zKeyboardDialog::dotB, ".", "," },
};
} // namespace

zarKeyboardDialog::zarKeyboardDialog(const QString& text, QWidget* parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    setupUi(this);
    lineEdit->setText(text);
    // A tap must not take the focus from the line: it would drop the selection
    // that the key is meant to replace.
    for (QPushButton* key : findChildren<QPushButton*>())
        key->setFocusPolicy(Qt::NoFocus);
    lineEdit->setFocus();

    connect(enterB, &QPushButton::clicked, this, &zarKeyboardDialog::enter);
    connect(cancelB, &QPushButton::clicked, this, &zarKeyboardDialog::reject);
    connect(shiftB, &QPushButton::clicked, this, &zarKeyboardDialog::shift);
    connect(backspaceB, &QPushButton::clicked, this, &zarKeyboardDialog::backspace);
    connect(spaceB, &QPushButton::clicked, this, &zarKeyboardDialog::space);
    connect(deleteB, &QPushButton::clicked, this, &zarKeyboardDialog::del);
    connect(clearB, &QPushButton::clicked, this, &zarKeyboardDialog::clear);

    // Every character key types the label it shows, so Shift works by relabelling.
    QList<QPushButton*> characterKeys = { apB, aB, bB, cB, dB, eB, fB, gB, hB, iB, jB, kB, lB, mB,
                                          nB, oB, pB, qB, rB, sB, tB, uB, vB, wB, xB, yB, zB };
    for (const Relabel& r : symbolKeys)
        characterKeys << this->*r.key;
    for (QPushButton* key : characterKeys)
        connect(key, &QPushButton::clicked, this, [this, key] { type(key); });

    setFixedSize(1024, 600);
    connect(zarTranslator::instance(), &zarTranslator::sendTranslate, this, &zarKeyboardDialog::onTranslate);
    onTranslate();
}

QString zarKeyboardDialog::text() const
{
    return lineEdit->text();
}

void zarKeyboardDialog::onTranslate()
{
    titlePushButton->setText(tr("Input file name:"));
    cancelB->setText(tr("Cancel"));
    clearB->setText(tr("Clear"));
    enterB->setText(tr("Enter"));
    shiftB->setText(tr("Shift"));
    deleteB->setText(tr("Delete"));
    backspaceB->setText(tr("Backspace"));
}

void zarKeyboardDialog::type(QPushButton* key)
{
    // "&&" is how a button shows one "&".
    QString label = key->text();
    label.replace(QStringLiteral("&&"), QStringLiteral("&"));
    insert(label);
}

void zarKeyboardDialog::insert(const QString& characters)
{
    // QLineEdit::insert cuts the text at maxLength and replaces a selection.
    lineEdit->insert(characters);
}

void zarKeyboardDialog::enter()
{
    if (lineEdit->text().isEmpty()) {
        zarWarningDialog::warning(tr("File name is empty"));
        return;
    }
    accept();
}

void zarKeyboardDialog::backspace()
{
    lineEdit->backspace();
}

void zarKeyboardDialog::del()
{
    lineEdit->del();
}

void zarKeyboardDialog::clear()
{
    lineEdit->clear();
}

void zarKeyboardDialog::space()
{
    insert(QStringLiteral(" "));
}

void zarKeyboardDialog::shift(bool on)
{
    for (QPushButton* key : { aB, bB, cB, dB, eB, fB, gB, hB, iB, jB, kB, lB, mB,
                              nB, oB, pB, qB, rB, sB, tB, uB, vB, wB, xB, yB, zB })
        key->setText(on ? key->text().toUpper() : key->text().toLower());
    for (const Relabel& r : symbolKeys)
        (this->*r.key)->setText(QLatin1String(on ? r.on : r.off));
}
