#pragma once
// TMyPEQType8: the PEQ band grid of one channel. Each row is one band: a
// frequency, a Q and a gain box, a type list and a bypass button. The grid
// keeps each row's values as steps, turns what the user types into the
// device's scales (a bad entry goes back to the stored value), and reports
// every change through OnChange; it never talks to the model.
//
// Rows are numbered from 0; row numbers outside 0..49 are ignored by the
// setters and read as 0 (type -1) by the getters.

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "controls/buttons/rz/RzPanel.h"
#include "response/PeqBoxRules.h"

class TEdit;
class TRzButton;
class TRzComboBox;
class TRzLabel;

namespace qx {
// What sets the twin grid apart: its type names and its gain scale and texts.
struct PeqGridVariant
{
    std::vector<std::string> typeNames;
    std::string bypassName;
    peq::GainScale gainScale;
    std::string (*gainText)(double db);
    int (*gainStepFromDb)(double db);
    int (*frequencyStepFromHz)(double hz);
    // Rows that stop being highlighted take row 0's font colour of the last relayout.
    bool restoreSnapshotColour;
};
} // namespace qx

class TMyPEQType8 : public TRzGroupBox
{
public:
    static constexpr int kRows = 50;
    static constexpr TColor kHighlightColour = 0x00B000;
    static constexpr TColor kBypassedColour = 0x8080FF;

    explicit TMyPEQType8(TComponent* AOwner);
    ~TMyPEQType8() override;

    double GetFreqValue(int row) const;
    double GetQValue(int row) const;
    double GetGainValue(int row) const;
    int GetTypeValue(int row) const;
    int GetBypassValue(int row) const;
    int GetNowIndex() const { return current_; }
    int GetChannelNumber() const { return channelNumber_; }

    void SetFreqValue(int row, double hz);
    void SetGainValue(int row, double db);
    void SetQValue(int row, double qStep);
    void SetTypeValue(int row, int type);
    void SetBypassValue(int row, int bypass);
    void SetEqParamValue(int row, double hz, double qStep, double db, int type, int bypass);
    void SetNowIndex(int row);
    using TRzGroupBox::SetColor;
    void SetColor(int row, TColor colour);
    void SetEqTypeString(const std::string& name, int n);
    void SetBypassString(const std::string& name);
    void ChangeLanguage();

    // Published properties.
    bool UpdownVisable() const { return updownVisible_; }
    void SetUpdownVisable(bool v);
    bool TitleVisable() const { return titleVisible_; }
    void SetTitleVisable(bool v);
    int TopBottomSpace() const { return topBottomSpace_; }
    void SetTopBottomSpace(int v) { topBottomSpace_ = v; }
    int ChannelNumber() const { return channelNumber_; }
    // Clamped to 1..50.
    void SetChannelNumber(int v);
    TColor LabelColor() const { return labelColor_; }
    void SetLabelColor(TColor v);
    TColor EditBackColor() const { return editBackColor_; }
    void SetEditBackColor(TColor v);
    TColor BypassBackColor() const { return bypassBackColor_; }
    void SetBypassBackColor(TColor v);
    TNotifyEvent OnChange;
    TMouseEvent OnEditMouseDown;
    TMouseWheelEvent OnPeqTypeMouseWheel;

    // The row's controls, for the form and for tests (made when first asked
    // for); std::out_of_range for a row outside 0..49.
    TEdit* FrequencyBox(int row) const { return controlsOf(row).frequency; }
    TEdit* QBox(int row) const { return controlsOf(row).q; }
    TEdit* GainBox(int row) const { return controlsOf(row).gain; }
    TRzComboBox* TypeList(int row) const { return controlsOf(row).type; }
    TRzButton* BypassButton(int row) const { return controlsOf(row).bypass; }
    TRzLabel* NumberLabel(int row) const { return controlsOf(row).number; }
    TRzLabel* TitleLabel(int i) const { return titles_.at(static_cast<std::size_t>(i)); }
    int GetPreviousIndex() const { return previous_; }
    // The relayout: places the rows for the current size; nothing when the size is unchanged.
    void RePaint();

    // The row handlers, as the boxes, lists and buttons call them.
    void FrequencyKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void FrequencyExit(TObject* Sender);
    void QfactorKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void QfactorExit(TObject* Sender);
    void GainKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void GainExit(TObject* Sender);
    void PeqTypeChange(TObject* Sender);
    void ByPassClick(TObject* Sender);
    void EditMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void PeqTypeMouseWheel(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos,
                           bool& Handled);

    virtual void Change();

protected:
    TMyPEQType8(TComponent* AOwner, const qx::PeqGridVariant& variant);
    void CreateWnd() override;
    void Paint() override;

private:
    struct Row
    {
        TRzLabel* number = nullptr;
        TEdit* frequency = nullptr;
        TEdit* q = nullptr;
        TEdit* gain = nullptr;
        TRzComboBox* type = nullptr;
        TRzButton* bypass = nullptr;
        int frequencyStep = 0;
        int qStep = 0;
        int gainStep = 0;
        std::uint8_t bypassed = 0;
        bool typeGiven = false; // by code or by the user: a relayout keeps it
    };

    // The geometry of the last relayout, which a row made later takes.
    struct Layout
    {
        bool valid = false;
        int top = 0, w = 0, h = 0, boxWidth = 0;
        int rows = 0; // rows shown
    };

    static bool validRow(int row) { return row >= 0 && row < kRows; }
    // The stored values (the controls may not be made yet).
    const Row* rowAt(int row) const;
    // The row with its controls, made now if need be.
    Row* rowAt(int row);
    const Row& controlsOf(int row) const;
    Row& madeRow(int r);
    void relayout(bool makeShownRows);
    // Places a made row by the last relayout, and fills its type list as a relayout does.
    void placeRow(int r, bool fillTypeList);
    // A type list fill of the rows below a number, for rows made later.
    void rememberTypeListFill(int rows, int select);
    int rowOf(TObject* Sender) const;
    void makeRow(int r);
    void enterFrequency(TObject* Sender);
    void enterQ(TObject* Sender);
    void enterGain(TObject* Sender);
    void touchRow(int row);
    void fillTypeList(Row& row, int select);
    void colourBoxes(int row, TColor colour);
    void colourBypass(Row& row);
    void showFrequency(Row& row);
    void showGain(Row& row, double db);

    qx::PeqGridVariant variant_;
    std::array<TRzLabel*, 6> titles_{};
    std::vector<Row> rows_;
    bool updownVisible_ = false;
    bool titleVisible_ = false;
    int topBottomSpace_ = 15;
    int channelNumber_ = kRows;
    TColor labelColor_ = clBlack;
    TColor editBackColor_ = clWindow;
    TColor bypassBackColor_ = clWindow;
    Layout layout_;
    std::vector<std::pair<int, int>> typeListFills_; // (rows below, item selected), latest first
    int laidOutWidth_ = 0;
    int laidOutHeight_ = 0;
    int current_ = 0;
    int previous_ = 0;
    TColor snapshotColour_ = clBlack;
    std::vector<std::string> typeNames_;
    std::string bypassName_;
};

// The twin grid: seven band types and gain steps of 0.2 dB up to +-20 dB.
class TMyPEQAllpass2Steps : public TMyPEQType8
{
public:
    explicit TMyPEQAllpass2Steps(TComponent* AOwner);
};

namespace qx {
// Publishes both grids and their properties to the layouts.
void registerPeqGridClasses();
} // namespace qx
