#pragma once
// TiVCLComponent: the second base of the library's controls. It gives the data lock taken
// around every paint, the internal timer, painting into another canvas, image exports, and
// the binding of OPC items to the control's published properties.

#include "controls/plot/base/iComponent.h"
#include "controls/plot/base/iThemeSchemes.h"
#include "controls/plot/opc/iOPCItem.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class TBitmap;
class TTimer;

using TIndexObjectEvent = std::function<void(int Index)>;
using TBeforeOPCNewDataEvent = std::function<void(int Index, TiVariant& Data)>;

class TiVCLComponent : public TiComponent
{
public:
    explicit TiVCLComponent(TComponent* AOwner);
    ~TiVCLComponent() override;

    void Lock() override;
    void Unlock() override;

    // The control's OPC items.
    TiOPCItemManager& OPCItems() { return FOPCItemManager; }
    const TiOPCItemManager& OPCItems() const { return FOPCItemManager; }
    int OPCAddItem() { return FOPCItemManager.Add(); }
    int OPCItemCount() const { return FOPCItemManager.Count(); }
    void OPCRemoveAllItems() { FOPCItemManager.Clear(); }
    void OPCDeleteItem(int Index) { FOPCItemManager.Delete(Index); }
    void OPCItemActivate(int Index) { FOPCItemManager.Item(Index).Activate(); }
    void OPCItemDeactivate(int Index) { FOPCItemManager.Item(Index).Deactivate(); }
    void OPCItemUpdateResume(int Index) { FOPCItemManager.Item(Index).UpdateResume(); }
    void OPCItemUpdateSuspend(int Index) { FOPCItemManager.Item(Index).UpdateSuspend(); }
    void OPCItemLoaded(int Index) { FOPCItemManager.Item(Index).Loaded(); }
    void SetOPCItemData(int Index, const TiVariant& Value) { FOPCItemManager.Item(Index).SetData(Value); }
    const TiVariant& GetOPCItemData(int Index) const { return FOPCItemManager.Item(Index).Data(); }
    void SetOPCItemComputerName(int Index, const std::string& V) { FOPCItemManager.Item(Index).SetComputerName(V); }
    void SetOPCItemServerName(int Index, const std::string& V) { FOPCItemManager.Item(Index).SetServerName(V); }
    void SetOPCItemItemName(int Index, const std::string& V) { FOPCItemManager.Item(Index).SetItemName(V); }
    void SetOPCItemPropertyName(int Index, const std::string& V) { FOPCItemManager.Item(Index).SetPropertyName(V); }
    std::string GetOPCItemComputerName(int Index) const { return FOPCItemManager.Item(Index).ComputerName(); }
    std::string GetOPCItemServerName(int Index) const { return FOPCItemManager.Item(Index).ServerName(); }
    std::string GetOPCItemItemName(int Index) const { return FOPCItemManager.Item(Index).ItemName(); }
    std::string GetOPCItemPropertyName(int Index) const { return FOPCItemManager.Item(Index).PropertyName(); }
    void SetOPCItemAutoConnect(int Index, bool V) { FOPCItemManager.Item(Index).SetAutoConnect(V); }
    bool GetOPCItemAutoConnect(int Index) const { return FOPCItemManager.Item(Index).AutoConnect(); }
    void SetOPCItemUpdateRate(int Index, int V) { FOPCItemManager.Item(Index).SetUpdateRate(V); }
    int GetOPCItemUpdateRate(int Index) const { return FOPCItemManager.Item(Index).UpdateRate(); }
    int GetOPCItemQuality(int Index) const { return FOPCItemManager.Item(Index).Quality(); }
    double GetOPCItemTimeStamp(int Index) const { return FOPCItemManager.Item(Index).TimeStamp(); }

    /// Writes a value given as text into the property at Path (any case): "True"/"False"
    /// for Booleans (any other text but "0" counts as True), numbers, strings. A text that
    /// is not a number throws EConvertError.
    static void SetPropertyFromVariant(TPersistent& Instance, const std::string& Path, const TiVariant& Value);

    // Image export: the whole control drawn by iPaint into a fresh bitmap (a drawing for
    // the metafile, written as SVG with the creator "Sorvik").
    void SaveImageToMetaFile(const std::string& FileName);
    void SaveImageToJPEG(const std::string& FileName, int Compression, bool Progressive);
    void SaveImageToPNG(const std::string& FileName, int Compression);
    std::vector<std::uint8_t> GetBytesJPEG(int Compression, bool Progressive);
    std::vector<std::uint8_t> GetBytesPNG(int Compression);
    /// Paints the control into Canvas with its (0, 0) at (X, Y), clipped to its size;
    /// with Transparent no background is drawn. Exceptions are swallowed.
    void iPaintToCanvas(int X, int Y, bool Transparent, TCanvas& Canvas);

    TIndexObjectEvent OnNewOPCData;
    TBeforeOPCNewDataEvent OnBeforeNewOPCData;
    TNotifyEvent OnInternalTimer;

    /// With Transparent the control shows what lies beneath it (its parent's drawing) as
    /// its background, captured again after every move, resize or RepaintAll.
    bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool Value);
    void RepaintAll() override;

    /// A change of position or size repaints the background.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void Dispatch(TMessage& Message) override;

    bool InternalTimerActive() override { return FTimer != nullptr; }
    void StartInternalTimer(int FirstDelay, int Interval) override;
    void StopInternalTimer() override;
    bool OPCPropertyChanged(const std::string& PropertyName, const TiVariant& Value) override;

    // Theme schemes: property presets of the control's class from its scheme files.
    void LoadThemes();
    void ClearThemes() { FThemes.Clear(); }
    int GetThemeCategoryCount() const { return FThemes.CategoryCount(); }
    std::string GetThemeCategoryName(int CategoryIndex) const { return FThemes.CategoryName(CategoryIndex); }
    int GetThemeCategorySchemeCount(int CategoryIndex) const { return FThemes.SchemeCount(CategoryIndex); }
    std::string GetThemeCategorySchemeName(int CategoryIndex, int SchemeIndex) const
    {
        return FThemes.SchemeName(CategoryIndex, SchemeIndex);
    }
    bool GetThemeCategorySchemeIsUser(int CategoryIndex, int SchemeIndex) const
    {
        return FThemes.SchemeIsUser(CategoryIndex, SchemeIndex);
    }
    /// Writes each line's value into the property at its path, first to last; a value that
    /// does not convert raises the conversion error with the lines before it applied.
    void ApplyScheme(int CategoryIndex, int SchemeIndex);

protected:
    /// A descendant returns true when it applied incoming OPC data itself.
    virtual bool OPCApplyProperty(const std::string&, TiVariant&) { return false; }
    void DrawBackGround(TCanvas& Canvas, TColor Color) override;
    /// The wheel goes to the hook only; the class library's wheel events are not raised.
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;

private:
    void OPCItemNewData(TObject* Sender);
    void RequestTransparentCapture();
    void CaptureTransparency();
    void TimerTick();
    std::vector<std::uint8_t> renderEncoded(bool Jpeg, int Compression, bool Progressive);
    std::vector<std::uint8_t> lockedEncoded(bool Jpeg, int Compression, bool Progressive);

    std::recursive_mutex FDataCriticalSection;
    bool FPaintDCTransparent = false;
    std::unique_ptr<TBitmap> FTransparentBitmap;
    bool FTransparent = false;
    bool FNeedsTransparentCapture = false;
    TiOPCItemManager FOPCItemManager;
    TiThemeSchemes FThemes;
    bool FOPCIncomingActive = false;
    std::unique_ptr<TTimer> FTimer;
    bool FTimerFirstMessage = false;
    int FTimerInterval = 0;
};

namespace qx {
void registerVCLComponentClasses();
}
