#include "platform/gui/Edit.h"

#include "platform/gui/Application.h"
#include "platform/gui/QtConversions.h"
#include "platform/gui/canvas/QtBridge.h"

#include <QLineEdit>
#include <QPalette>
#include <QValidator>

#include <algorithm>
#include <utility>

namespace {

/// The box's rules for typed and pasted text: only digits with NumbersOnly,
/// and no growing past MaxLength. Text written from code is not checked, as
/// the system's edit box takes a longer text from code than the user may type.
class EditRules : public QValidator
{
public:
    explicit EditRules(const TEdit& edit, QObject* parent) : QValidator(parent), edit_(edit) {}

    State validate(QString& input, int&) const override
    {
        if (edit_.NumbersOnly() && std::any_of(input.begin(), input.end(), [](QChar c) { return !c.isDigit(); }))
            return Invalid;
        const auto length = input.size();
        const auto before = qx::toQt(edit_.Text()).size();
        if (edit_.MaxLength() > 0 && length > edit_.MaxLength() && length > before)
            return Invalid;
        return Acceptable;
    }

private:
    const TEdit& edit_;
};

/// The box's widget. A text written while the box is out of sight (on a
/// hidden page, or before its window is first shown) waits here, as laying
/// it out is most of a text's price: the widget takes it before it handles
/// any event (its show, paint, keys, mouse) and whenever the control uses it.
class LineEdit : public QLineEdit
{
public:
    void showText(const QString& text)
    {
        if (!isVisible()) {
            owed_ = text;
            textOwed_ = true;
            return;
        }
        textOwed_ = false;
        owed_.clear();
        const QSignalBlocker block(this);
        setText(text);
    }

    // The length of a text that waits, or -1.
    qsizetype owedLength() const { return textOwed_ ? owed_.size() : -1; }

    void payText()
    {
        if (!textOwed_)
            return;
        textOwed_ = false;
        const QSignalBlocker block(this);
        setText(std::exchange(owed_, QString()));
    }

protected:
    bool event(QEvent* e) override
    {
        payText();
        return QLineEdit::event(e);
    }

private:
    QString owed_;
    bool textOwed_ = false;
};

} // namespace

TEdit::TEdit(TComponent* AOwner) : TWinControl(AOwner, new LineEdit)
{
    SetControlStyle(ControlStyle() - TControlStyle{csSetCaption});
    SetTabStop(true);
    SetColor(clWindow);
    edit()->setValidator(new EditRules(*this, edit()));
    QObject::connect(edit(), &QLineEdit::textEdited, edit(), [this] { qx::guarded(this, [this] { userEdited(); }); });
    SetBounds(0, 0, 121, 21);
}

QLineEdit* TEdit::edit() const
{
    auto* widget = static_cast<LineEdit*>(Widget());
    widget->payText();
    return widget;
}

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

void TEdit::ColorChanged()
{
    QPalette palette = edit()->palette();
    palette.setColor(QPalette::Base, qx::toQColor(Color()));
    edit()->setPalette(palette);
}

void TEdit::TextChanged()
{
    if (!fromWidget_) {
        const std::string text = cased(Text());
        if (text != Text()) {
            SetText(text); // raises its own change
            return;
        }
        static_cast<LineEdit*>(Widget())->showText(qx::toQt(text));
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

void TEdit::SetMaxLength(int Value) { maxLength_ = std::max(Value, 0); }

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

void TEdit::SetImeMode(TImeMode Value)
{
    imeMode_ = Value;
    edit()->setAttribute(Qt::WA_InputMethodEnabled, Value != imDisable && Value != imClose);
}

std::string TEdit::TextHint() const { return qx::fromQt(edit()->placeholderText()); }
void TEdit::SetTextHint(const std::string& Value) { edit()->setPlaceholderText(qx::toQt(Value)); }

bool TEdit::Framed() const { return edit()->hasFrame(); }
void TEdit::SetFramed(bool Value) { edit()->setFrame(Value); }

bool TEdit::ReadOnly() const { return edit()->isReadOnly(); }
void TEdit::SetReadOnly(bool Value) { edit()->setReadOnly(Value); }

void TEdit::SetNumbersOnly(bool Value) { numbersOnly_ = Value; }

int TEdit::SelStart() const
{
    return edit()->hasSelectedText() ? edit()->selectionStart() : edit()->cursorPosition();
}

void TEdit::SetSelStart(int Value)
{
    // A text that waits for the widget gets its caret at its end, with
    // nothing selected, when the widget takes it.
    const qsizetype owed = static_cast<LineEdit*>(Widget())->owedLength();
    if (owed >= 0 && Value >= owed)
        return;
    // Deselecting finishes an edit in the widget; with nothing selected it
    // would change nothing at a price.
    if (edit()->hasSelectedText())
        edit()->deselect();
    edit()->setCursorPosition(Value);
}

int TEdit::SelLength() const { return static_cast<int>(edit()->selectedText().size()); }

void TEdit::SetSelLength(int Value) { edit()->setSelection(SelStart(), Value); }

std::string TEdit::SelText() const { return qx::fromQt(edit()->selectedText()); }

void TEdit::SelectAll() { edit()->selectAll(); }
