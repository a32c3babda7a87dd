#include "platform/gui/Memo.h"

#include "platform/gui/Application.h"
#include "platform/gui/ItemStrings.h"
#include "platform/gui/QtConversions.h"

#include <QPlainTextEdit>

TMemo::TMemo(TComponent* AOwner) : TWinControl(AOwner, new QPlainTextEdit)
{
    SetControlStyle(ControlStyle() - TControlStyle{csSetCaption});
    SetTabStop(true);
    SetColor(clWindow);
    qx::ItemStrings::Access access;
    access.count = [this] { return static_cast<int>(split().size()); };
    access.get = [this](int i) { return split()[static_cast<std::size_t>(i)]; };
    access.insert = [this](int i, const std::string& s) {
        auto lines = split();
        lines.insert(lines.begin() + i, s);
        join(lines);
    };
    access.remove = [this](int i) {
        auto lines = split();
        lines.erase(lines.begin() + i);
        join(lines);
    };
    access.clear = [this] { join({}); };
    access.put = [this](int i, const std::string& s) {
        auto lines = split();
        lines[static_cast<std::size_t>(i)] = s;
        join(lines);
    };
    lines_ = std::make_unique<qx::ItemStrings>(std::move(access));
    QObject::connect(edit(), &QPlainTextEdit::textChanged, edit(),
                     [this] { qx::guarded(this, [this] { qx::fire(OnChange, this); }); });
    SetScrollBars(ssNone);
    SetBounds(0, 0, 185, 89);
}

TMemo::~TMemo() = default;

QPlainTextEdit* TMemo::edit() const { return static_cast<QPlainTextEdit*>(Widget()); }

std::vector<std::string> TMemo::split() const
{
    const QString text = edit()->toPlainText();
    if (text.isEmpty())
        return {};
    std::vector<std::string> lines;
    for (const QString& line : text.split('\n'))
        lines.push_back(qx::fromQt(line));
    return lines;
}

void TMemo::join(const std::vector<std::string>& lines)
{
    QStringList list;
    for (const auto& line : lines)
        list << qx::toQt(line);
    edit()->setPlainText(list.join('\n'));
}

void TMemo::SetScrollBars(TScrollStyle Value)
{
    scrollBars_ = Value;
    qx::applyScrollBars(edit(), Value);
}

bool TMemo::ReadOnly() const { return edit()->isReadOnly(); }
void TMemo::SetReadOnly(bool Value) { edit()->setReadOnly(Value); }

void TMemo::SetWordWrap(bool Value)
{
    wordWrap_ = Value;
    edit()->setLineWrapMode(Value ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TMemo::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    }
    TWinControl::Dispatch(Message);
}
