#pragma once

#include "platform/gui/Control.h"
#include "platform/gui/ControlEnums.h"
#include "platform/gui/Strings.h"

#include <memory>

class QPlainTextEdit;

/// A multi-line edit box; Lines are its text line by line.
class TMemo : public TWinControl
{
public:
    explicit TMemo(TComponent* AOwner);
    ~TMemo() override;

    TStrings* Lines() const { return lines_.get(); }
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle Value);
    bool ReadOnly() const;
    void SetReadOnly(bool Value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool Value);
    void Clear() { lines_->Clear(); }

    TNotifyEvent OnChange;

    /// Keeps Enter and Esc (WM_GETDLGCODE): they edit the text, no dialog button takes them.
    void Dispatch(TMessage& Message) override;

private:
    QPlainTextEdit* edit() const;
    std::vector<std::string> split() const;
    void join(const std::vector<std::string>& lines);

    std::unique_ptr<TStrings> lines_;
    TScrollStyle scrollBars_ = ssNone;
    bool wordWrap_ = true;
};
