#pragma once
// Small classes of the plot library: the one global repaint timer, the string lists that
// mark where a theme scheme came from, the per-pixel-column summary of a trace, a growable
// list of three-value records and a digital trace's state.

#include "platform/gui/Strings.h"

#include <cstdint>
#include <memory>
#include <vector>

class TTimer;
class TiUpdateClient;

/// Flushes the repaint requests that the controls' frame-rate rule held back. Made on the
/// first registration (no timer can exist before the application object); its timer runs
/// at the timers' default interval of 1000 ms while a control is registered.
class TiUpdateObject
{
public:
    /// The one instance, made when first asked for.
    static TiUpdateObject& Instance();
    /// The instance when it exists, else nullptr.
    static TiUpdateObject* Existing();

    ~TiUpdateObject();

    void AddUpdateControl(TiUpdateClient* Control);
    void RemoveUpdateControl(TiUpdateClient* Control);
    bool TimerEnabled() const;
    int ControlCount() const { return static_cast<int>(FControlList.size()); }
    /// One tick: every registered control outside an update bracket, with a pending request
    /// and whose frame interval has passed, repaints now.
    void Tick();

private:
    TiUpdateObject();

    std::unique_ptr<TTimer> FTimer;
    std::vector<TiUpdateClient*> FControlList;
};

/// A theme scheme's lines read from the user's scheme file; the class tells where the
/// scheme came from.
class TiUserSchemeList : public TStringList
{
};

/// A theme scheme's lines read from the library's own scheme files.
class TiSorvikSchemeList : public TStringList
{
};

/// All values that fall on one pixel column of a trace.
struct TiPlotMinMaxPoint
{
    bool Empty = true;
    int XPixels = 0;
    double XValue = 0;
    double YMax = -1e301;
    double YMin = 1e301;
    double YFirst = 0;
    double YLast = 0;

    void Clear();
    void AddData(double NewXValue, double NewYValue, int NewXPixels);
    void AssignDown(const TiPlotMinMaxPoint& Source) { *this = Source; }
};

struct TiLimitData
{
    double Value1 = 0;
    double Value2 = 0;
    double Value3 = 0;
};

/// A growable array of three-value records with the library's growth steps.
class TiLimitDataList
{
public:
    int Count() const { return FCount; }
    int Capacity() const { return static_cast<int>(FList.size()); }
    int Add(double Value1, double Value2, double Value3);
    /// Throws "Exceed Maximum List Size" above 134,217,727 entries.
    void SetCapacity(int NewCapacity);
    void Clear();
    /// Throws "Index out of Bounds".
    const TiLimitData& Item(int Index) const;

private:
    std::vector<TiLimitData> FList;
    int FCount = 0;
};

/// Start, stop and transition of a digital trace.
struct TDigitalSequenceData
{
    bool StartSet = false;
    double StartXValue = 0;
    bool StartYValue = false;
    bool StopSet = false;
    double StopXValue = 0;
    bool TransitionSet = false;
    double TransitionXValue = 0;

    void Clear() { StartSet = StopSet = TransitionSet = false; }
};
