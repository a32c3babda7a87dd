#include "platform/gui/Edit.h"

#include "platform/gui/Application.h"
#include "platform/gui/QtConversions.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace {
constexpr int kUnlimited = 32767;
}

TEdit::TEdit(TComponent* AOwner) : TWinControl(AOwner, new QLineEdit)
{
    SetControlStyle(ControlStyle() - TControlStyle{csSetCaption});
    SetTabStop(true);
    SetColor(clWindow);
    edit()->setMaxLength(kUnlimited);
    QObject::connect(edit(), &QLineEdit::textEdited, edit(), [this] { qx::guarded(this, [this] { userEdited(); }); });
    SetBounds(0, 0, 121, 21);
}

QLineEdit* TEdit::edit() const { return static_cast<QLineEdit*>(Widget()); }

std::string TEdit::cased(const std::string& text) const
{
    switch (charCase_) {
    case ecUpperCase: return qx::fromQt(qx::toQt(text).toUpper());
    case ecLowerCase: return qx::fromQt(qx::toQt(text).toLower());
    default: return text;
    }
}

void TEdit::userEdited()
{
    const int caret = edit()->cursorPosition();
    const std::string typed = qx::fromQt(edit()->text());
    const std::string text = cased(typed);
    if (text != typed) {
        const QSignalBlocker block(edit());
        edit()->setText(qx::toQt(text));
        edit()->setCursorPosition(caret);
    }
    fromWidget_ = true;
    SetText(text);
    fromWidget_ = false;
}

void TEdit::TextChanged()
{
    if (!fromWidget_) {
        const std::string text = cased(Text());
        if (text != Text()) {
            SetText(text); // raises its own change
            return;
        }
        const QSignalBlocker block(edit());
        edit()->setText(qx::toQt(text));
        if (qx::fromQt(edit()->text()) != text) {
            SetText(qx::fromQt(edit()->text())); // cut to MaxLength
            return;
        }
    }
    if (!Loading())
        Change();
}

void TEdit::Change() { qx::fire(OnChange, this); }

void TEdit::DoEnter()
{
    if (autoSelect_)
        edit()->selectAll();
    TWinControl::DoEnter();
}

void TEdit::SetMaxLength(int Value)
{
    maxLength_ = std::max(Value, 0);
    edit()->setMaxLength(maxLength_ > 0 ? maxLength_ : kUnlimited);
}

void TEdit::SetCharCase(TEditCharCase Value)
{
    charCase_ = Value;
    const std::string text = cased(Text());
    if (text != Text())
        SetText(text);
}

void TEdit::SetPasswordChar(char16_t Value)
{
    passwordChar_ = Value;
    edit()->setEchoMode(Value ? QLineEdit::Password : QLineEdit::Normal);
    edit()->setStyleSheet(Value ? QStringLiteral("QLineEdit { lineedit-password-character: %1; }").arg(int(Value))
                                : QString());
}

void TEdit::SetAlignment(TAlignment Value)
{
    alignment_ = Value;
    edit()->setAlignment(qx::qtAlignment(Value) | Qt::AlignVCenter);
}

bool TEdit::ReadOnly() const { return edit()->isReadOnly(); }
void TEdit::SetReadOnly(bool Value) { edit()->setReadOnly(Value); }

void TEdit::SetNumbersOnly(bool Value)
{
    numbersOnly_ = Value;
    edit()->setValidator(Value ? new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edit()) : nullptr);
}

int TEdit::SelStart() const
{
    return edit()->hasSelectedText() ? edit()->selectionStart() : edit()->cursorPosition();
}

void TEdit::SetSelStart(int Value)
{
    edit()->deselect();
    edit()->setCursorPosition(Value);
}

int TEdit::SelLength() const { return static_cast<int>(edit()->selectedText().size()); }

void TEdit::SetSelLength(int Value) { edit()->setSelection(SelStart(), Value); }

std::string TEdit::SelText() const { return qx::fromQt(edit()->selectedText()); }

void TEdit::SelectAll() { edit()->selectAll(); }
