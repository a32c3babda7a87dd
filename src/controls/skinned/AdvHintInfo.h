#pragma once
// TAdvHintInfo: the rich hint record a picture control carries: title, notes and a picture.

#include "controls/skinned/GDIPicture.h"
#include "platform/gui/Component.h"
#include "platform/gui/Strings.h"

#include <memory>
#include <string>

class TAdvHintInfo : public TPersistent
{
public:
    TAdvHintInfo();
    ~TAdvHintInfo() override;

    TGDIPPicture& Picture() const { return *picture_; }
    bool ShowHelp() const { return showHelp_; }
    void SetShowHelp(bool Value) { showHelp_ = Value; }
    TStringList& Notes() const { return *notes_; }
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& Value) { title_ = Value; }
    std::u16string WideTitle;
    std::u16string WideNotes;

    // Copies title, notes, help flag, picture and the wide texts from another hint; any other
    // source does nothing.
    void Assign(const TPersistent& Source) override;
    // No title and no notes text; the picture does not count.
    bool IsEmpty() const { return title_.empty() && notes_->Text().empty(); }

private:
    std::unique_ptr<TGDIPPicture> picture_;
    bool showHelp_ = false;
    std::unique_ptr<TStringList> notes_;
    std::string title_;
};
