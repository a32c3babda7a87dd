#include "controls/buttons/rz/RzCmboBx.h"

#include "platform/gui/Keys.h"
#include "platform/gui/MessageBox.h"
#include "platform/gui/Timer.h"
#include "platform/gui/canvas/Bitmap.h"
#include "platform/text/Unicode.h"

#include <algorithm>
#include <cctype>

namespace {

bool startsWithIgnoringCase(const std::string& item, const std::string& prefix)
{
    if (prefix.size() > item.size())
        return false;
    return std::equal(prefix.begin(), prefix.end(), item.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
}

/// Drops the last character, with the continuation bytes of a multi-byte one.
void dropLastCharacter(std::string& s)
{
    while (!s.empty() && (static_cast<unsigned char>(s.back()) & 0xC0) == 0x80)
        s.pop_back();
    if (!s.empty())
        s.pop_back();
}

/// Width of the drop button (the system's vertical scroll bar width).
constexpr int kDropButtonWidth = 17;

} // namespace

TRzComboBox::TRzComboBox(TComponent* AOwner) : TComboBox(AOwner), searchTimer_(std::make_unique<TTimer>(nullptr))
{
    searchTimer_->SetEnabled(false);
    searchTimer_->SetInterval(kSearchDelayMs);
    searchTimer_->OnTimer = [this](TObject*) { searchTimerFired(); };
    normalColor_ = Color();
    values_.OnChange = [this](TObject*) { setValue(Value(), true); };
}

TRzComboBox::~TRzComboBox() = default;

void TRzComboBox::Notification(TComponent* AComponent, TOperation Operation)
{
    TComboBox::Notification(AComponent, Operation);
    if (Operation == opRemove)
        frameLink_.removed(AComponent);
}

void TRzComboBox::Dispatch(TMessage& Message)
{
    TComboBox::Dispatch(Message);
    if (Message.Msg == CM_MOUSEENTER || Message.Msg == CM_MOUSELEAVE) {
        mouseHot_ = Message.Msg == CM_MOUSEENTER;
        hotChanged();
    }
}

void TRzComboBox::hotChanged()
{
    if ((flatButtons_ || frame_.hotTrack) && !DroppedDown())
        Invalidate();
    updateColor();
}

void TRzComboBox::PaintOver(TCanvas& canvas)
{
    const TRect client = ClientRect();
    const TRect b{Width() - kDropButtonWidth - 2, 2, Width() - 2, Height() - 2};
    // No desktop themes: the classic frame and drop button.
    if (frame_.visible)
        DrawSideRings(canvas, client, Color(), Color(), 2, kAllSides);
    canvas.Brush().Style = bsSolid;
    if (readOnly_) {
        canvas.Brush().Color = Color();
        canvas.FillRect(b);
    } else if (flatButtons_) {
        const bool hot = mouseHot_ || hasFocus_;
        const bool dropped = DroppedDown();
        TRect inside = b;
        TColor face = Color();
        if (hot) {
            face = flatButtonColor_;
            if (flatButtonColor_ == clBtnFace)
                inside = dropped ? DrawSideRings(canvas, b, clBtnShadow, clBtnHighlight, 1, kAllSides)
                                 : DrawSideRings(canvas, b, clBtnHighlight, clBtnShadow, 1, kAllSides);
            else
                inside = DrawColoredFrameStyleEdges(canvas, b, flatButtonColor_, dropped ? fsStatus : fsPopup);
        }
        canvas.Brush().Color = face;
        canvas.FillRect(inside);
        DrawDropDownArrow(canvas, inside, 0, Enabled());
    }
    if (!frame_.visible)
        return;
    const bool hotFrame = frame_.hotTrack && (mouseHot_ || hasFocus_);
    const TFrameStyle style = hotFrame ? frame_.hotStyle : frame_.style;
    const TColor color = hotFrame ? frameHotColor_ : frameColor_;
    if (style == fsFlat)
        DrawSideLines(canvas, client, color, color, frame_.sides);
    else if (style == fsFlatBold)
        DrawSideRings(canvas, client, color, color, 2, frame_.sides);
    else if (Color() == clWindow)
        DrawFrameStyleEdges(canvas, client, style, frame_.sides);
    else
        DrawColoredFrameStyleEdges(canvas, client, Color(), style, frame_.sides);
}

void TRzComboBox::SetDisabledColor(TColor Value)
{
    disabledColor_ = Value;
    updateColor();
}

void TRzComboBox::SetFocusColor(TColor Value)
{
    focusColor_ = Value;
    updateColor();
}

void TRzComboBox::SetReadOnlyColor(TColor Value)
{
    readOnlyColor_ = Value;
    updateColor();
}

void TRzComboBox::SetFrameHotTrack(bool Value)
{
    if (frame_.hotTrack == Value)
        return;
    frame_.hotTrack = Value;
    if (Value) {
        frame_.visible = true;
        if (!Loading())
            frame_.sides = kAllSides;
    }
    Invalidate();
}

void TRzComboBox::ReadOldFrameFlat(bool Value)
{
    SetFrameHotTrack(Value);
    frame_.readOldFrameFlat(Value);
}

void TRzComboBox::SetReadOnly(bool Value)
{
    if (readOnly_ == Value)
        return;
    readOnly_ = Value;
    updateColor();
    Invalidate();
}

void TRzComboBox::updateColor()
{
    if (Loading())
        return;
    updatingColor_ = true;
    TColor c = normalColor_;
    if (!Enabled())
        c = disabledColor_;
    else if (hasFocus_)
        c = readOnly_ && readOnlyColorOnFocus_ ? readOnlyColor_ : focusColor_;
    else if (readOnly_)
        c = readOnlyColor_;
    SetColor(c);
    updatingColor_ = false;
}

void TRzComboBox::ColorChanged()
{
    TComboBox::ColorChanged();
    if (updatingColor_)
        return;
    if (focusColor_ == normalColor_)
        focusColor_ = Color();
    normalColor_ = Color();
}

void TRzComboBox::EnabledChanged()
{
    TComboBox::EnabledChanged();
    updateColor();
}

void TRzComboBox::DoEnter()
{
    hasFocus_ = true;
    hotChanged();
    TComboBox::DoEnter();
}

void TRzComboBox::DoExit()
{
    hasFocus_ = false;
    searchString_.clear();
    hotChanged();
    TComboBox::DoExit();
    if (Style() == csDropDown && !Text().empty() && Items()->IndexOf(Text()) < 0)
        qx::fire(OnNotInList, this);
}

int TRzComboBox::FindPrefix(const std::string& Text) const
{
    for (int i = 0; i < Items()->Count(); ++i)
        if (startsWithIgnoringCase(Items()->Get(i), Text))
            return i;
    return -1;
}

bool TRzComboBox::FindItem(const std::string& S)
{
    const int i = Items()->IndexOf(S);
    if (i >= 0)
        SetItemIndex(i);
    return i >= 0;
}

bool TRzComboBox::FindClosestItem(const std::string& S)
{
    const int i = FindPrefix(S);
    if (i >= 0)
        SetItemIndex(i);
    return i >= 0;
}

void TRzComboBox::InvalidKey()
{
    if (beepOnInvalidKey_)
        MessageBeep();
}

void TRzComboBox::pick(int index)
{
    SetItemIndex(index);
    Click();
    Change();
}

bool TRzComboBox::listMatch(const std::string& text)
{
    const int i = FindPrefix(text);
    if (i < 0) {
        InvalidKey();
        return false;
    }
    searchString_ = text;
    pick(i);
    return true;
}

void TRzComboBox::searchBackspace()
{
    if (searchString_.empty()) {
        // Nothing left to take back: only the invalid-key signal.
        InvalidKey();
        return;
    }
    std::string shorter = searchString_;
    dropLastCharacter(shorter);
    if (!shorter.empty()) {
        listMatch(shorter);
        return;
    }
    pick(0);
    searchString_.clear();
}

void TRzComboBox::ForceText(const std::string& Value)
{
    if (Text() == Value)
        return;
    const bool saved = autoComplete_;
    autoComplete_ = false;
    SetText(Value);
    autoComplete_ = saved;
}

bool TRzComboBox::autoCompleteMatch(const std::string& text)
{
    const int before = ItemIndex();
    const int i = FindPrefix(text);
    if (i < 0)
        return false;
    if (keepSearchCase_) {
        const std::string item = Items()->Get(i);
        SetText(text + item.substr(std::min(text.size(), item.size())));
    } else {
        SetItemIndex(-1);
        SetItemIndex(i);
    }
    Click();
    Change();
    // The completed rest is selected, the caret after the typed part.
    const int typed = static_cast<int>(qx::Utf8ToUtf16(text).size());
    const int whole = static_cast<int>(qx::Utf8ToUtf16(Text()).size());
    SetSelStart(whole);
    SetSelLength(typed - whole);
    if (ItemIndex() != before)
        qx::fire(OnMatch, this);
    return true;
}

void TRzComboBox::editableBackspace(char16_t& Key)
{
    const std::u16string text = qx::Utf8ToUtf16(Text());
    const bool selected = SelLength() > 0;
    const int start = SelStart(); // the caret when nothing is selected
    std::u16string search = text.substr(0, selected ? static_cast<std::size_t>(start) : text.size());
    if (search.empty()) {
        InvalidKey();
        Key = 0;
        return;
    }
    if (start >= static_cast<int>(search.size()) || selected)
        search.pop_back();
    else if (allowEdit_ && start > 0)
        search.erase(static_cast<std::size_t>(start - 1), 1);
    searchString_ = qx::Utf16ToUtf8(search);
    Key = 0;
    if (searchString_.empty()) {
        SetItemIndex(-1);
        SetText({});
        Click();
        Change();
        return;
    }
    if (!autoCompleteMatch(searchString_)) {
        ForceText(searchString_);
        Change();
    }
}

void TRzComboBox::editableKey(char16_t& Key)
{
    if (Key == VK_BACK) {
        editableBackspace(Key);
        return;
    }
    TComboBox::KeyPress(Key);
    if (Key < 32)
        return;
    // The text as the key would leave it: typed over the selection, or at the caret.
    std::u16string typed = qx::Utf8ToUtf16(Text());
    const auto caret = std::min(static_cast<std::size_t>(std::max(SelStart(), 0)), typed.size());
    typed.erase(caret, static_cast<std::size_t>(std::max(SelLength(), 0)));
    typed.insert(caret, 1, Key);
    const std::string before = searchString_;
    searchString_ = qx::Utf16ToUtf8(typed);
    if (autoCompleteMatch(searchString_)) {
        Key = 0;
    } else if (!allowEdit_) {
        InvalidKey();
        searchString_ = before;
        Key = 0;
    }
}

void TRzComboBox::KeyPress(char16_t& Key)
{
    if (readOnly_) {
        Key = 0;
        return;
    }
    if (!listStyle()) {
        if (autoComplete_)
            editableKey(Key);
        else
            TComboBox::KeyPress(Key);
        return;
    }
    if (Key == VK_BACK) {
        searchBackspace();
        TComboBox::KeyPress(Key);
        Key = 0;
        return;
    }
    if (Key < 32 || Key > 255) {
        TComboBox::KeyPress(Key);
        return;
    }
    keyCount_ = 1;
    std::string text = searchString_;
    qx::AppendUtf8(text, Key);
    if (listMatch(text))
        TComboBox::KeyPress(Key);
    restartSearchTimer();
    keyCount_ = 0;
    // The search is ours: the toolkit's own keyboard search never sees the key.
    Key = 0;
}

int TRzComboBox::ListWidth()
{
    if (dropDownWidth_ > 0)
        return dropDownWidth_;
    TBitmap measure(1, 1);
    measure.Canvas().Font() = Font();
    int widest = 0;
    for (int i = 0; i < Items()->Count(); ++i)
        widest = std::max(widest, measure.Canvas().TextWidth(Items()->Get(i)));
    if (Items()->Count() > DropDownCount())
        widest += kDropButtonWidth;
    return std::max(widest + 8, Width());
}

void TRzComboBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    // The list may open on this press: size it first.
    SetDroppedWidth(ListWidth());
    TComboBox::MouseDown(Button, Shift, X, Y);
}

void TRzComboBox::KeyDown(Word& Key, TShiftState Shift)
{
    SetDroppedWidth(ListWidth());
    if (readOnly_) {
        Key = 0;
        return;
    }
    if (Key == VK_ESCAPE || (Key >= VK_PRIOR && Key <= VK_DOWN))
        searchString_.clear();
    TComboBox::KeyDown(Key, Shift);
}

void TRzComboBox::restartSearchTimer()
{
    searchTimer_->SetEnabled(false);
    searchTimer_->SetInterval(kSearchDelayMs);
    searchTimer_->SetEnabled(true);
}

void TRzComboBox::searchTimerFired()
{
    if (keyCount_ != 0)
        return;
    searchTimer_->SetEnabled(false);
    searchString_.clear();
}

bool TRzComboBox::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos)
{
    if (TComboBox::DoMouseWheel(Shift, WheelDelta, MousePos))
        return true;
    if (readOnly_ || DroppedDown())
        return true;
    const int last = Items()->Count() - 1;
    const int i = ItemIndex();
    if (last < 0)
        return true;
    if (WheelDelta < 0) {
        if (i < last)
            pick(i + 1);
    } else if (i <= 0) {
        SetItemIndex(0);
    } else {
        pick(i - 1);
    }
    return true;
}

void TRzComboBox::ClearItemsValues()
{
    Items()->Clear();
    values_.Clear();
}

void TRzComboBox::AddItemValue(const std::string& Item, const std::string& Value)
{
    Items()->Add(Item);
    values_.Add(Value);
}

std::string TRzComboBox::ValueOfItem(int Index) const
{
    if (Index >= 0 && Index < values_.Count() && !values_.Get(Index).empty())
        return values_.Get(Index);
    if (Index >= 0 && Index < Items()->Count())
        return Items()->Get(Index);
    return {};
}

std::string TRzComboBox::Value() const
{
    const int i = listStyle() ? ItemIndex() : (Text().empty() ? -1 : Items()->IndexOf(Text()));
    if (i >= 0 && i < values_.Count() && !values_.Get(i).empty())
        return values_.Get(i);
    return Text();
}

void TRzComboBox::setValue(const std::string& v, bool force)
{
    if (v == value_ && !force)
        return;
    inSetValue_ = true;
    int found = -1;
    for (int i = 0; i < Items()->Count() && found < 0; ++i)
        if (ValueOfItem(i) == v)
            found = i;
    SetItemIndex(found);
    inSetValue_ = false;
    value_ = v;
}

void TRzComboBox::Change()
{
    if (inSetValue_ || forceSetValue_)
        return;
    TComboBox::Change();
    if (ItemIndex() >= 0)
        setValue(ValueOfItem(ItemIndex()), false);
}

void TRzComboBox::Click()
{
    if (inSetValue_)
        return;
    TComboBox::Click();
    if (ItemIndex() >= 0)
        setValue(ValueOfItem(ItemIndex()), false);
}
