#include "controls/plot/base/iVCLComponent.h"

#include "controls/plot/base/iPropertyText.h"
#include "platform/gui/canvas/Metafile.h"
#include "platform/gui/Messages.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/Timer.h"
#include "platform/gui/canvas/Bitmap.h"
#include "platform/image/JpegCodec.h"
#include "platform/image/PngCodec.h"

#include <algorithm>
#include <fstream>

TiVCLComponent::TiVCLComponent(TComponent* AOwner) : TiComponent(AOwner)
{
    FOPCItemManager.SetOwner(this);
    FOPCItemManager.OnGetDesigning = [this](TObject* s, bool& d) { GetIsDesigning(s, d); };
    FOPCItemManager.OnNewData = [this](TObject* s) { OPCItemNewData(s); };
    FOPCItemManager.OnGetType = [this](const std::string& name, TTypeKind& kind) { kind = GetPropertyType(name); };
}

TiVCLComponent::~TiVCLComponent()
{
    MarkDestroying();
    FTimer.reset();
    FTransparentBitmap.reset();
    FOPCItemManager.Clear();
}

void TiVCLComponent::Lock()
{
    if (!ComponentState().Contains(csDestroying))
        FDataCriticalSection.lock();
}

void TiVCLComponent::Unlock()
{
    if (!ComponentState().Contains(csDestroying))
        FDataCriticalSection.unlock();
}

void TiVCLComponent::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    if (ALeft == Left() && ATop == Top() && AWidth == Width() && AHeight == Height())
        return;
    TiComponent::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FTransparentBitmap && AWidth > 0 && AHeight > 0)
        FTransparentBitmap->SetSize(AWidth, AHeight);
    RequestTransparentCapture();
    BackGroundChange();
}

void TiVCLComponent::SetTransparent(bool Value)
{
    if (Value == FTransparent)
        return;
    FTransparent = Value;
    if (Value) {
        if (!FTransparentBitmap)
            FTransparentBitmap = std::make_unique<TBitmap>(std::max(Width(), 1), std::max(Height(), 1));
        RequestTransparentCapture();
    } else {
        FTransparentBitmap.reset();
        FNeedsTransparentCapture = false;
    }
    BackGroundChange();
}

void TiVCLComponent::RepaintAll()
{
    RequestTransparentCapture();
    TiComponent::RepaintAll();
}

void TiVCLComponent::RequestTransparentCapture()
{
    if (!FTransparent || FNeedsTransparentCapture)
        return;
    FNeedsTransparentCapture = true;
    BackGroundChange();
}

void TiVCLComponent::CaptureTransparency()
{
    TCanvas& canvas = FTransparentBitmap->Canvas();
    TWinControl* parent = Parent();
    if (!parent) {
        // Nothing beneath yet: the background colour, and another try at the next paint.
        canvas.Brush().Style = bsSolid;
        canvas.Brush().Color = BackGroundColor();
        canvas.FillRect({0, 0, FTransparentBitmap->Width(), FTransparentBitmap->Height()});
        return;
    }
    // The parent erases and draws its client area, shifted to the control's corner.
    canvas.SaveState();
    canvas.MoveOrigin(-Left(), -Top());
    canvas.IntersectClipRect({0, 0, parent->ClientWidth(), parent->ClientHeight()});
    parent->Perform(WM_ERASEBKGND, reinterpret_cast<std::uintptr_t>(&canvas));
    parent->Perform(WM_PRINTCLIENT, reinterpret_cast<std::uintptr_t>(&canvas));
    canvas.RestoreState();
    FNeedsTransparentCapture = false;
}

void TiVCLComponent::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        // Every key, Enter and Esc too, is the control's own.
        Message.Result |= DLGC_WANTALLKEYS;
        return;
    case WM_ERASEBKGND:
        Message.Result = 1;
        return;
    case CM_COLORCHANGED:
        BackGroundChange();
        return;
    case WM_SETFOCUS:
        userInput([this] { iSetFocus(); });
        break;
    case WM_KILLFOCUS:
        userInput([this] { iKillFocus(); });
        break;
    default:
        break;
    }
    TiComponent::Dispatch(Message);
}

bool TiVCLComponent::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos)
{
    return iMouseWheel(WheelDelta, Shift, MousePos);
}

void TiVCLComponent::StartInternalTimer(int FirstDelay, int Interval)
{
    if (FTimer)
        return;
    FTimerInterval = Interval;
    const int first = FirstDelay != 0 ? FirstDelay : Interval;
    if (first == 0)
        return;
    FTimer = std::make_unique<TTimer>(nullptr);
    FTimer->OnTimer = [this](TObject*) { TimerTick(); };
    FTimer->SetInterval(static_cast<unsigned>(first));
    FTimerFirstMessage = FirstDelay != 0;
}

void TiVCLComponent::StopInternalTimer() { FTimer.reset(); }

void TiVCLComponent::TimerTick()
{
    // After the first delay the timer goes on at the repeat interval.
    if (FTimerFirstMessage) {
        FTimerFirstMessage = false;
        if (FTimerInterval > 0)
            FTimer->SetInterval(static_cast<unsigned>(FTimerInterval));
    }
    qx::fire(OnInternalTimer, this);
}

void TiVCLComponent::DrawBackGround(TCanvas& Canvas, TColor Color)
{
    if (FPaintDCTransparent)
        return;
    if (!FTransparent) {
        TiComponent::DrawBackGround(Canvas, Color);
        return;
    }
    if (FNeedsTransparentCapture)
        CaptureTransparency();
    FBackGroundChanged = false;
    Canvas.Draw(0, 0, *FTransparentBitmap);
}

namespace {

/// An enumeration whose values run exactly from 0 to 1.
bool IsTwoValued(const qx::PropertyInfo& Property)
{
    if (Property.type == qx::PropertyType::Boolean)
        return true;
    if (Property.type != qx::PropertyType::Enum)
        return false;
    const auto* info = qx::ClassRegistry::instance().findEnum(Property.typeName);
    if (!info || info->values.empty())
        return false;
    const auto [low, high] = std::minmax_element(info->values.begin(), info->values.end(),
                                                 [](const auto& a, const auto& b) { return a.second < b.second; });
    return low->second == 0 && high->second == 1;
}

/// The text an enumeration property takes: "True" and "False" become "1" and "0",
/// and a two-valued enumeration (a Boolean among them) takes any text but "0" as 1.
std::string EnumerationText(TPersistent& Instance, const std::string& Path, const std::string& Text)
{
    const std::string text = qx::sameText(Text, "True") ? std::string("1")
                             : qx::sameText(Text, "False") ? std::string("0")
                                                            : Text;
    const qx::PropertyTarget target = [&] {
        try {
            return qx::resolvePropertyPath(Instance, Path);
        } catch (const qx::PropertyError&) {
            return qx::PropertyTarget{};
        }
    }();
    if (target.property && IsTwoValued(*target.property) && text != "0")
        return "1";
    return text;
}

} // namespace

void TiVCLComponent::SetPropertyFromVariant(TPersistent& Instance, const std::string& Path, const TiVariant& Value)
{
    const std::string text = Value.AsText();
    if (qx::plot::PropertyTypeOf(Instance, Path) == tkEnumeration)
        qx::plot::SetPropertyFromText(Instance, Path, EnumerationText(Instance, Path, text));
    else
        qx::plot::SetPropertyFromText(Instance, Path, text);
}

void TiVCLComponent::OPCItemNewData(TObject* Sender)
{
    auto* item = dynamic_cast<TiOPCItem*>(Sender);
    if (!item || item->PropertyName().empty())
        return;
    const int index = FOPCItemManager.FindIndex(item);
    TiVariant data = item->Data();
    qx::fire(OnBeforeNewOPCData, index, data);
    FOPCIncomingActive = true;
    try {
        if (item->QualityGood() && !OPCApplyProperty(item->PropertyName(), data))
            SetPropertyFromVariant(*this, item->PropertyName(), data);
    } catch (...) {
        FOPCIncomingActive = false;
        throw;
    }
    FOPCIncomingActive = false;
    qx::fire(OnNewOPCData, index);
}

bool TiVCLComponent::OPCPropertyChanged(const std::string& PropertyName, const TiVariant& Value)
{
    if (FOPCIncomingActive) {
        FOPCIncomingActive = false;
        return false;
    }
    bool sent = false;
    for (int i = 0; i < FOPCItemManager.Count(); ++i) {
        TiOPCItem& item = FOPCItemManager.Item(i);
        if (item.Active() && qx::sameText(item.PropertyName(), PropertyName)) {
            item.SetData(Value);
            sent = true;
        }
    }
    return sent;
}

std::vector<std::uint8_t> TiVCLComponent::renderEncoded(bool Jpeg, int Compression, bool Progressive)
{
    if (Jpeg && (Compression < 1 || Compression > 100))
        throw EiPlotError("Compression must be in the range of 1-100");
    if (!Jpeg && (Compression < 0 || Compression > 9))
        throw EiPlotError("Compression must be in the range of 0-9");
    TBitmap bitmap(std::max(Width(), 1), std::max(Height(), 1));
    iPaint(bitmap.Canvas());
    const qx::EncodeResult encoded =
        Jpeg ? qx::encodeJpeg(bitmap.ToImage(), Compression, Progressive) : qx::encodePng(bitmap.ToImage(), Compression);
    if (!encoded.ok())
        throw EiPlotError(encoded.error);
    return encoded.bytes;
}

namespace {
void writeFile(const std::string& FileName, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(FileName, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush())
        throw EiPlotError("Cannot create file \"" + FileName + "\"");
}
} // namespace

void TiVCLComponent::SaveImageToMetaFile(const std::string& FileName)
{
    TMetafile metafile;
    metafile.SetWidth(Width());
    metafile.SetHeight(Height());
    {
        TMetafileCanvas canvas(metafile, "Sorvik", "");
        iPaint(canvas);
    }
    std::string error;
    if (!metafile.SaveToFile(FileName, &error))
        throw EiPlotError(error);
}

void TiVCLComponent::SaveImageToJPEG(const std::string& FileName, int Compression, bool Progressive)
{
    writeFile(FileName, renderEncoded(true, Compression, Progressive));
}

void TiVCLComponent::SaveImageToPNG(const std::string& FileName, int Compression)
{
    writeFile(FileName, renderEncoded(false, Compression, false));
}

std::vector<std::uint8_t> TiVCLComponent::lockedEncoded(bool Jpeg, int Compression, bool Progressive)
{
    Lock();
    try {
        auto bytes = renderEncoded(Jpeg, Compression, Progressive);
        Unlock();
        return bytes;
    } catch (...) {
        Unlock();
        throw;
    }
}

std::vector<std::uint8_t> TiVCLComponent::GetBytesJPEG(int Compression, bool Progressive)
{
    return lockedEncoded(true, Compression, Progressive);
}

std::vector<std::uint8_t> TiVCLComponent::GetBytesPNG(int Compression) { return lockedEncoded(false, Compression, false); }

void TiVCLComponent::iPaintToCanvas(int X, int Y, bool Transparent, TCanvas& Canvas)
{
    Canvas.SaveState();
    Canvas.MoveOrigin(X, Y);
    Canvas.IntersectClipRect({0, 0, Width(), Height()});
    FPaintDCTransparent = Transparent;
    Lock();
    const bool cached = CachedDrawing();
    try {
        SetCachedDrawing(false);
        iPaint(Canvas);
    } catch (const std::exception&) {
    }
    SetCachedDrawing(cached);
    Unlock();
    FPaintDCTransparent = false;
    Canvas.RestoreState();
}

// ---- Theme schemes ----

void TiVCLComponent::LoadThemes()
{
    const qx::ClassInfo* info = qx::ClassRegistry::instance().classOf(*this);
    if (!info) {
        FThemes.Clear();
        return;
    }
    FThemes.Load(info->name());
}

void TiVCLComponent::ApplyScheme(int CategoryIndex, int SchemeIndex)
{
    const TStringList& lines = FThemes.SchemeLines(CategoryIndex, SchemeIndex);
    for (int i = 0; i < lines.Count(); ++i) {
        const std::string line = lines.Get(i);
        const auto equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        std::string name = line.substr(0, equals);
        name.erase(0, name.find_first_not_of(" \t"));
        name.erase(name.find_last_not_of(" \t") + 1);
        if (name.empty())
            continue;
        // The blank after "=" is dropped; the rest of the value stays as it is.
        const std::string value = equals + 2 <= line.size() ? line.substr(equals + 2) : std::string();
        SetPropertyFromVariant(*this, name, TiVariant(value));
    }
}

namespace qx {

void registerVCLComponentClasses()
{
    static std::once_flag once;
    std::call_once(once, [] {
        registerPlotComponentClasses();
        registerOPCItemClasses();
        registerClass<TiVCLComponent, TiComponent>("TiVCLComponent")
            .collection("OPCItems", [](TiVCLComponent& c) { return c.OPCItems().Items(); })
            .storedWhen([](const TiVCLComponent& c) { return c.OPCItems().DoWriteToStream(); })
            .event("OnNewOPCData", &TiVCLComponent::OnNewOPCData)
            .event("OnBeforeNewOPCData", &TiVCLComponent::OnBeforeNewOPCData);
    });
}

} // namespace qx
