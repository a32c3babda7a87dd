#include "response/TMyPEQType8.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "codec/SharedConstants.h"
#include "controls/buttons/rz/RzButton.h"
#include "controls/buttons/rz/RzCmboBx.h"
#include "controls/buttons/rz/RzLabel.h"
#include "platform/gui/Edit.h"
#include "platform/gui/Keys.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/text/FloatFormat.h"
#include "platform/text/Format.h"

namespace {
namespace peq = qx::peq;

constexpr std::array<TColor, 14> kRowColours = {clRed,   clYellow,  clFuchsia, clAqua, clLime,
                                                clBlue,  clSkyBlue, clPurple,  clTeal, clMaroon,
                                                clCream, clOlive,   clGray,    clNavy};
constexpr int kNumberFontSize = 12;
constexpr int kBoxMaxLength = 7;
constexpr int kStepperWidth = 20;
constexpr int kHiddenTop = 10000;
constexpr int kTitleHeight = 13;

std::string tenthsGainText(double db)
{
    return Format("%1.1fdB", db);
}

const qx::PeqGridVariant kNineTypes{{" Peak       ", " Low Shelf  ", " High Shelf ", " HPF -6dB   ",
                                     " HPF -12dB  ", " LPF -6dB   ", " LPF -12dB  ", " Allpass 1  ",
                                     " Allpass 2  "},
                                    "   BYPASS   ",
                                    peq::kTenthsScale,
                                    tenthsGainText,
                                    peq::gainStepFromDb,
                                    peq::frequencyStepFromHz,
                                    false};
} // namespace

TMyPEQType8::TMyPEQType8(TComponent* AOwner) : TMyPEQType8(AOwner, kNineTypes) {}

TMyPEQType8::TMyPEQType8(TComponent* AOwner, const qx::PeqGridVariant& variant)
    : TRzGroupBox(AOwner), variant_(variant), typeNames_(variant.typeNames), bypassName_(variant.bypassName)
{
    SetCaption("");
    const char* titles[] = {"EQ", "Frequency", "Q", "Gain", "Type", "Bypass"};
    for (std::size_t i = 0; i < titles_.size(); ++i) {
        auto* label = new TRzLabel(this);
        label->SetParent(this);
        label->SetCaption(titles[i]);
        label->SetVisible(false);
        titles_[i] = label;
    }
    // Rows are made when first shown or asked for: a window's grids show
    // 6 or 14 of their 50 rows.
    rows_.resize(kRows);
    SetBounds(Left(), Top(), 490, 420);
    relayout(false);
}

TMyPEQType8::~TMyPEQType8() = default;

TMyPEQType8::Row& TMyPEQType8::madeRow(int r)
{
    Row& row = rows_[static_cast<std::size_t>(r)];
    if (row.number) {
        return row;
    }
    makeRow(r);
    // What the grid did to its rows since it was made, as if this one had
    // been there: the last relayout and the last type list fill that took it.
    if (layout_.valid) {
        placeRow(r, false);
    }
    for (const auto& [below, select] : typeListFills_) {
        if (r < below) {
            fillTypeList(row, select);
            break;
        }
    }
    if (OnChange && r < channelNumber_) {
        colourBypass(row);
    }
    return row;
}

void TMyPEQType8::rememberTypeListFill(int rows, int select)
{
    // Later fills of as many rows or more replace the earlier ones.
    std::erase_if(typeListFills_, [rows](const auto& fill) { return fill.first <= rows; });
    typeListFills_.insert(typeListFills_.begin(), {rows, select});
}

void TMyPEQType8::makeRow(int r)
{
    Row& row = rows_[static_cast<std::size_t>(r)];
    row.number = new TRzLabel(this);
    row.number->SetParent(this);
    row.number->SetCaption(std::to_string(r + 1));
    row.number->SetTransparent(true);
    row.number->SetAlignment(taCenter);
    row.number->SetAutoSize(false);
    TFont font = row.number->Font();
    font.SetSize(kNumberFontSize);
    font.Color = kRowColours[static_cast<std::size_t>(r) % kRowColours.size()];
    row.number->SetFont(font);
    auto box = [&](void (TMyPEQType8::*keyDown)(TObject*, Word&, TShiftState),
                   void (TMyPEQType8::*exit)(TObject*)) {
        auto* edit = new TEdit(this);
        edit->SetParent(this);
        edit->SetTag(r);
        edit->SetAlignment(taCenter);
        edit->SetMaxLength(kBoxMaxLength);
        edit->SetColor(editBackColor_);
        edit->OnKeyDown = [this, keyDown](TObject* s, Word& k, TShiftState sh) {
            (this->*keyDown)(s, k, sh);
        };
        edit->OnExit = [this, exit](TObject* s) { (this->*exit)(s); };
        edit->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
            EditMouseDown(s, b, sh, x, y);
        };
        return edit;
    };
    row.frequency = box(&TMyPEQType8::FrequencyKeyDown, &TMyPEQType8::FrequencyExit);
    row.q = box(&TMyPEQType8::QfactorKeyDown, &TMyPEQType8::QfactorExit);
    row.gain = box(&TMyPEQType8::GainKeyDown, &TMyPEQType8::GainExit);
    row.q->SetText(peq::qText(0));
    row.gain->SetText(variant_.gainText(0.0));
    row.type = new TRzComboBox(this);
    row.type->SetParent(this);
    row.type->SetTag(r);
    row.type->SetStyle(csDropDownList);
    row.type->SetColor(editBackColor_);
    row.type->OnChange = [this](TObject* s) { PeqTypeChange(s); };
    row.type->OnMouseWheel = [this](TObject* s, TShiftState sh, int d, TPoint p, bool& h) {
        PeqTypeMouseWheel(s, sh, d, p, h);
    };
    row.bypass = new TRzButton(this);
    row.bypass->SetParent(this);
    row.bypass->SetTag(r);
    row.bypass->SetThemeAware(false);
    row.bypass->SetCaption(bypassName_);
    row.bypass->SetColor(bypassBackColor_);
    row.bypass->OnClick = [this](TObject* s) { ByPassClick(s); };
}

// ---- rows and their values

const TMyPEQType8::Row* TMyPEQType8::rowAt(int row) const
{
    return validRow(row) ? &rows_[static_cast<std::size_t>(row)] : nullptr;
}

TMyPEQType8::Row* TMyPEQType8::rowAt(int row)
{
    return validRow(row) ? &madeRow(row) : nullptr;
}

const TMyPEQType8::Row& TMyPEQType8::controlsOf(int row) const
{
    if (!validRow(row)) {
        throw std::out_of_range("no PEQ grid row " + std::to_string(row));
    }
    return const_cast<TMyPEQType8*>(this)->madeRow(row);
}

int TMyPEQType8::rowOf(TObject* Sender) const
{
    const auto* c = dynamic_cast<TComponent*>(Sender);
    return c ? static_cast<int>(c->Tag()) : -1;
}

double TMyPEQType8::GetFreqValue(int row) const
{
    const Row* r = rowAt(row);
    return r ? peq::frequencyOfStep(r->frequencyStep) : 0.0;
}

double TMyPEQType8::GetQValue(int row) const
{
    const Row* r = rowAt(row);
    return r ? peq::qOfStep(r->qStep) : 0.0;
}

double TMyPEQType8::GetGainValue(int row) const
{
    const Row* r = rowAt(row);
    return r ? r->gainStep / static_cast<double>(variant_.gainScale.stepsPerDb) : 0.0;
}

int TMyPEQType8::GetTypeValue(int row) const
{
    return validRow(row) ? controlsOf(row).type->ItemIndex() : -1;
}

int TMyPEQType8::GetBypassValue(int row) const
{
    const Row* r = rowAt(row);
    return r ? r->bypassed : 0;
}

void TMyPEQType8::showFrequency(Row& row)
{
    row.frequency->SetText(peq::frequencyStepText(row.frequencyStep));
}

void TMyPEQType8::showGain(Row& row, double db)
{
    row.gain->SetText(variant_.gainText(db));
}

void TMyPEQType8::SetFreqValue(int row, double hz)
{
    if (Row* r = rowAt(row)) {
        r->frequencyStep = variant_.frequencyStepFromHz(hz);
        showFrequency(*r);
        Change();
    }
}

void TMyPEQType8::SetGainValue(int row, double db)
{
    if (Row* r = rowAt(row)) {
        r->gainStep = peq::gainStepTruncated(db, variant_.gainScale);
        const double limit = variant_.gainScale.limitDb;
        showGain(*r, std::isfinite(db) && std::abs(db) <= limit ? db : GetGainValue(row));
        Change();
    }
}

void TMyPEQType8::SetQValue(int row, double qStep)
{
    if (Row* r = rowAt(row)) {
        r->qStep = peq::qStepFromValue(qStep);
        r->q->SetText(peq::qText(r->qStep));
        Change();
    }
}

void TMyPEQType8::SetTypeValue(int row, int type)
{
    if (Row* r = rowAt(row)) {
        r->type->SetItemIndex(std::clamp(type, 0, static_cast<int>(typeNames_.size()) - 1));
        r->typeGiven = true;
        Change();
    }
}

void TMyPEQType8::SetBypassValue(int row, int bypass)
{
    if (Row* r = rowAt(row)) {
        r->bypassed = bypass != 0 ? 1 : 0;
        Change();
    }
}

void TMyPEQType8::SetEqParamValue(int row, double hz, double qStep, double db, int type, int bypass)
{
    Row* r = rowAt(row);
    if (!r) {
        return;
    }
    r->frequencyStep = variant_.frequencyStepFromHz(hz);
    showFrequency(*r);
    r->gainStep = variant_.gainStepFromDb(db);
    const double limit = variant_.gainScale.limitDb;
    showGain(*r, std::isfinite(db) && std::abs(db) <= limit ? db : GetGainValue(row));
    r->type->SetItemIndex(std::clamp(type, 0, static_cast<int>(typeNames_.size()) - 1));
    r->typeGiven = true;
    r->bypassed = bypass != 0 ? 1 : 0;
    r->qStep = peq::qStepFromValue(qStep);
    r->q->SetText(peq::qText(r->qStep));
    Change();
}

// ---- typed values

void TMyPEQType8::touchRow(int row)
{
    previous_ = current_;
    current_ = row;
}

namespace {
bool isEnter(Word key)
{
    return key == VK_RETURN;
}

// A refused entry: the box shows the stored value with the caret at the end.
void restore(TEdit& box, const std::string& text)
{
    box.SetText(text);
    box.SetSelStart(static_cast<int>(text.size()));
}
} // namespace

void TMyPEQType8::enterFrequency(TObject* Sender)
{
    Row* r = rowAt(rowOf(Sender));
    if (!r) {
        return;
    }
    if (const auto step = peq::frequencyStepFromText(r->frequency->Text())) {
        r->frequencyStep = *step;
        showFrequency(*r);
    } else {
        restore(*r->frequency, peq::frequencyStepText(r->frequencyStep));
    }
    touchRow(rowOf(Sender));
    Change();
}

void TMyPEQType8::enterQ(TObject* Sender)
{
    Row* r = rowAt(rowOf(Sender));
    if (!r) {
        return;
    }
    if (const auto step = peq::qStepFromText(r->q->Text())) {
        r->qStep = *step;
        r->q->SetText(peq::qText(r->qStep));
    } else {
        restore(*r->q, peq::qText(r->qStep));
    }
    touchRow(rowOf(Sender));
    Change();
}

void TMyPEQType8::enterGain(TObject* Sender)
{
    Row* r = rowAt(rowOf(Sender));
    if (!r) {
        return;
    }
    const double perDb = variant_.gainScale.stepsPerDb;
    if (const auto step = peq::gainStepFromText(r->gain->Text(), variant_.gainScale)) {
        r->gainStep = *step;
        showGain(*r, r->gainStep / perDb);
    } else {
        restore(*r->gain, variant_.gainText(r->gainStep / perDb));
    }
    touchRow(rowOf(Sender));
    Change();
}

void TMyPEQType8::FrequencyKeyDown(TObject* Sender, Word& Key, TShiftState)
{
    if (isEnter(Key)) {
        enterFrequency(Sender);
    }
}

void TMyPEQType8::FrequencyExit(TObject* Sender)
{
    enterFrequency(Sender);
}

void TMyPEQType8::QfactorKeyDown(TObject* Sender, Word& Key, TShiftState)
{
    if (isEnter(Key)) {
        enterQ(Sender);
    }
}

void TMyPEQType8::QfactorExit(TObject* Sender)
{
    enterQ(Sender);
}

void TMyPEQType8::GainKeyDown(TObject* Sender, Word& Key, TShiftState)
{
    if (isEnter(Key)) {
        enterGain(Sender);
    }
}

void TMyPEQType8::GainExit(TObject* Sender)
{
    enterGain(Sender);
}

void TMyPEQType8::PeqTypeChange(TObject* Sender)
{
    Row* r = rowAt(rowOf(Sender));
    if (!r) {
        return;
    }
    r->typeGiven = true;
    touchRow(rowOf(Sender));
    Change();
}

void TMyPEQType8::ByPassClick(TObject* Sender)
{
    Row* r = rowAt(rowOf(Sender));
    if (!r) {
        return;
    }
    touchRow(rowOf(Sender));
    r->bypassed = r->bypassed ? 0 : 1;
    colourBypass(*r);
    Change();
}

void TMyPEQType8::EditMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (!rowAt(rowOf(Sender))) {
        return;
    }
    touchRow(rowOf(Sender));
    qx::fire(OnEditMouseDown, this, Button, Shift, X, Y);
}

void TMyPEQType8::PeqTypeMouseWheel(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos,
                                    bool& Handled)
{
    qx::fire(OnPeqTypeMouseWheel, Sender, Shift, WheelDelta, MousePos, Handled);
}

void TMyPEQType8::colourBypass(Row& row)
{
    row.bypass->SetColor(row.bypassed ? kBypassedColour : bypassBackColor_);
}

void TMyPEQType8::Change()
{
    if (!OnChange) {
        return;
    }
    for (int r = 0; r < channelNumber_; ++r) {
        if (Row& row = rows_[static_cast<std::size_t>(r)]; row.number) {
            colourBypass(row); // a row made later is coloured then
        }
    }
    OnChange(this);
}

// ---- highlight and colours

void TMyPEQType8::colourBoxes(int row, TColor colour)
{
    Row* r = rowAt(row);
    if (!r) {
        return;
    }
    for (TEdit* box : {r->gain, r->q, r->frequency}) {
        TFont f = box->Font();
        f.Color = colour;
        box->SetFont(f);
    }
}

void TMyPEQType8::SetNowIndex(int row)
{
    const TColor plain = variant_.restoreSnapshotColour ? snapshotColour_ : labelColor_;
    if (row == -1) {
        colourBoxes(current_, plain);
        return;
    }
    if (!validRow(row)) {
        return;
    }
    if (row == current_) {
        if (current_ == previous_) {
            return;
        }
        colourBoxes(previous_, plain);
        previous_ = current_;
        colourBoxes(current_, kHighlightColour);
        return;
    }
    colourBoxes(current_, plain);
    current_ = row;
    colourBoxes(current_, kHighlightColour);
}

void TMyPEQType8::SetColor(int row, TColor colour)
{
    if (row >= 0 && row < channelNumber_) {
        colourBoxes(row, colour);
    }
}

// ---- names

void TMyPEQType8::SetEqTypeString(const std::string& name, int n)
{
    if (n >= 0 && n < static_cast<int>(typeNames_.size())) {
        typeNames_[static_cast<std::size_t>(n)] = name;
    }
}

void TMyPEQType8::SetBypassString(const std::string& name)
{
    bypassName_ = name;
}

void TMyPEQType8::fillTypeList(Row& row, int select)
{
    row.type->Items()->Clear();
    for (const std::string& name : typeNames_) {
        row.type->Items()->Add(name);
    }
    row.type->SetItemIndex(select);
}

void TMyPEQType8::ChangeLanguage()
{
    for (int r = 0; r < channelNumber_; ++r) {
        Row& row = rows_[static_cast<std::size_t>(r)];
        if (!row.number) {
            continue; // made later with the names of then
        }
        fillTypeList(row, row.type->ItemIndex());
        row.bypass->SetCaption(bypassName_);
    }
}

void TMyPEQType8::CreateWnd()
{
    TRzGroupBox::CreateWnd();
    typeNames_ = variant_.typeNames;
    bypassName_ = variant_.bypassName;
    for (int r = 0; r < channelNumber_; ++r) {
        if (Row& row = rows_[static_cast<std::size_t>(r)]; row.number) {
            fillTypeList(row, 1);
        }
    }
    rememberTypeListFill(channelNumber_, 1);
}

// ---- layout and properties

void TMyPEQType8::Paint()
{
    TRzGroupBox::Paint();
    RePaint();
}

void TMyPEQType8::RePaint()
{
    relayout(true);
}

void TMyPEQType8::relayout(bool makeShownRows)
{
    if (Width() == laidOutWidth_ && Height() == laidOutHeight_) {
        return;
    }
    laidOutWidth_ = Width();
    laidOutHeight_ = Height();
    const int t = titleVisible_ ? kTitleHeight : 0;
    const int w = (Width() - 68) / 5;
    const int h = (Height() - topBottomSpace_ - t - 16) / channelNumber_;
    for (int i = 0; i < static_cast<int>(titles_.size()); ++i) {
        TRzLabel* label = titles_[static_cast<std::size_t>(i)];
        label->SetVisible(titleVisible_);
        label->SetAlignment(taCenter);
        if (titleVisible_) {
            label->SetBounds(i == 0 ? 12 : 8 * i + (i - 1) * w + 33, topBottomSpace_, i == 0 ? 20 : w - 15,
                             h);
        }
    }
    layout_ = {true, topBottomSpace_ + t, w, h, updownVisible_ ? w - kStepperWidth : w, channelNumber_};
    rememberTypeListFill(channelNumber_, 0);
    for (int r = 0; r < kRows; ++r) {
        const bool made = rows_[static_cast<std::size_t>(r)].number != nullptr;
        if (made) {
            placeRow(r, true);
        } else if (makeShownRows && r < channelNumber_) {
            madeRow(r); // placed as it is made
        }
    }
    snapshotColour_ = madeRow(0).frequency->Font().Color; // row 0 is always shown
}

void TMyPEQType8::placeRow(int r, bool fillTypeList)
{
    Row& row = rows_[static_cast<std::size_t>(r)];
    const bool shown = r < layout_.rows;
    for (TControl* c :
         std::initializer_list<TControl*>{row.number, row.frequency, row.q, row.gain, row.type, row.bypass}) {
        c->SetVisible(shown);
    }
    if (!shown) {
        for (TControl* c : std::initializer_list<TControl*>{row.number, row.frequency, row.q, row.gain,
                                                            row.type, row.bypass}) {
            c->SetTop(kHiddenTop);
        }
        return;
    }
    const int w = layout_.w;
    const int top = layout_.top + layout_.h * r + 8;
    row.number->SetBounds(12, top, 20, row.number->Height());
    row.frequency->SetBounds(40, top - 1, layout_.boxWidth, row.frequency->Height());
    row.q->SetBounds(w + 48, top - 1, layout_.boxWidth, row.q->Height());
    row.gain->SetBounds(2 * w + 56, top - 1, layout_.boxWidth, row.gain->Height());
    // A drop-down list keeps the height its font gives it.
    row.type->SetBounds(3 * w + 64, top - 1, w + 8, row.type->Height());
    row.bypass->SetBounds(4 * w + 78, top - 1, w - 14, row.gain->Height());
    // Rows given a type keep it; the others start with type 0.
    if (fillTypeList) {
        this->fillTypeList(row, row.typeGiven ? row.type->ItemIndex() : 0);
    }
    row.bypass->SetCaption(bypassName_);
}

void TMyPEQType8::SetChannelNumber(int v)
{
    v = std::clamp(v, 1, kRows);
    if (v != channelNumber_) {
        channelNumber_ = v;
        Change();
    }
}

void TMyPEQType8::SetTitleVisable(bool v)
{
    if (v == titleVisible_) {
        return;
    }
    for (TRzLabel* label : titles_) {
        label->SetVisible(v);
    }
    titleVisible_ = v;
    RePaint();
}

void TMyPEQType8::SetUpdownVisable(bool v)
{
    if (v == updownVisible_) {
        return;
    }
    updownVisible_ = v;
    RePaint();
}

void TMyPEQType8::SetLabelColor(TColor v)
{
    if (v == labelColor_) {
        return;
    }
    for (TRzLabel* label : titles_) {
        TFont f = label->Font();
        f.Color = v;
        label->SetFont(f);
    }
    labelColor_ = v;
    RePaint();
}

void TMyPEQType8::SetEditBackColor(TColor v)
{
    if (v == editBackColor_) {
        return;
    }
    editBackColor_ = v;
    for (int r = 0; r < channelNumber_; ++r) {
        Row& row = rows_[static_cast<std::size_t>(r)];
        if (!row.number) {
            continue; // made with the colour of then
        }
        for (TControl* c : std::initializer_list<TControl*>{row.frequency, row.q, row.gain, row.type}) {
            c->SetColor(v);
        }
    }
    RePaint();
}

void TMyPEQType8::SetBypassBackColor(TColor v)
{
    if (v == bypassBackColor_) {
        return;
    }
    bypassBackColor_ = v;
    for (int r = 0; r < channelNumber_; ++r) {
        if (Row& row = rows_[static_cast<std::size_t>(r)]; row.number) {
            row.bypass->SetColor(v);
        }
    }
    RePaint();
}

// ---- the twin grid

namespace {
std::string fifthsGainText(double db)
{
    return FloatToStr(db) + "dB";
}

int fifthsFromDb(double db)
{
    const int limit = peq::kFifthsScale.stepsPerDb * peq::kFifthsScale.limitDb;
    if (std::isnan(db)) {
        return 0;
    }
    const long double steps = std::trunc(std::clamp(static_cast<long double>(db) * 5, -1e6L, 1e6L));
    return static_cast<int>(std::clamp<long double>(steps, -limit, limit));
}

const qx::PeqGridVariant kSevenTypes{{" Peak       ", " Low Shelf  ", " High Shelf ", " Low Cut    ",
                                      " High Cut   ", " Allpass 1  ", " Allpass 2  "},
                                     "   BYPASS   ",
                                     peq::kFifthsScale,
                                     fifthsGainText,
                                     fifthsFromDb,
                                     peq::twinFrequencyStepFromHz,
                                     true};
} // namespace

TMyPEQAllpass2Steps::TMyPEQAllpass2Steps(TComponent* AOwner) : TMyPEQType8(AOwner, kSevenTypes) {}

namespace qx {

void registerPeqGridClasses()
{
    using G = TMyPEQType8;
    registerClass<TMyPEQType8, TRzGroupBox>("TMyPEQType8")
        .event("OnChange", &G::OnChange)
        .property("UpdownVisable", &G::UpdownVisable, &G::SetUpdownVisable)
        .defaultValue(true)
        .property("TitleVisable", &G::TitleVisable, &G::SetTitleVisable)
        .defaultValue(false)
        .property("TopBottomSpace", &G::TopBottomSpace, &G::SetTopBottomSpace)
        .defaultValue(15)
        .property("ChannelNumber", &G::ChannelNumber, &G::SetChannelNumber)
        .defaultValue(50)
        .color("LabelColor", &G::LabelColor, &G::SetLabelColor)
        .colorDefault(clBlack)
        .color("EditBackColor", &G::EditBackColor, &G::SetEditBackColor)
        .colorDefault(clWindow)
        .color("BypassBackColor", &G::BypassBackColor, &G::SetBypassBackColor)
        .colorDefault(clWindow)
        .event("OnEditMouseDown", &G::OnEditMouseDown)
        .event("OnPeqTypeMouseWheel", &G::OnPeqTypeMouseWheel);
    registerClass<TMyPEQAllpass2Steps, TMyPEQType8>("TMyPEQAllpass2Steps"); // the same properties
}

} // namespace qx
