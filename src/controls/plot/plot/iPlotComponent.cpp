#include "controls/plot/plot/iPlotComponent.h"

#include "controls/plot/objects/iPlotAnnotation.h"
#include "controls/plot/objects/iPlotAxis.h"
#include "controls/plot/objects/iPlotChannel.h"
#include "controls/plot/objects/iPlotChannelCustom.h"
#include "controls/plot/objects/iPlotDataCursor.h"
#include "controls/plot/objects/iPlotDataView.h"
#include "controls/plot/objects/iPlotLegend.h"
#include "controls/plot/objects/iPlotLimit.h"
#include "controls/plot/objects/iPlotTable.h"
#include "controls/plot/objects/iPlotToolBar.h"
#include "controls/plot/objects/iXYPlotChannel.h"

#include "platform/gui/OpenDialog.h"
#include "platform/gui/canvas/Metafile.h"
#include "platform/gui/canvas/Picture.h"
#include "platform/gui/FilerErrors.h"
#include "platform/gui/ImageList.h"
#include "platform/gui/PictureResources.h"
#include "platform/gui/PopupMenu.h"

#include <algorithm>
#include <fstream>
#include <array>
#include <cmath>
#include <set>

namespace {

enum Side { kLeft, kRight, kTop, kBottom };
enum Family { fDown, fMove, fUp };

int Nearest(double Value) { return static_cast<int>(std::nearbyint(Value)); }

bool isCartesian(const TiPlotLayoutObject* Object)
{
    const auto* axis = dynamic_cast<const TiPlotAxis*>(Object);
    return axis && axis->CartesianStyle() != ipcsNone;
}

} // namespace

// ---- Construction ----

TiPlotComponent::TiPlotComponent(TComponent* AOwner) : TiVCLComponent(AOwner)
{
    SetBounds(Left(), Top(), 500, 200);
    FAnnotationDefaultFont.Color = clWhite;
    SetBackGroundColor(clBlack);
    SetBorderStyle(ibsLowered);
    SetUpdateFrameRate(60);
    SetAutoFrameRate(true);
    FMaster = std::make_unique<TiPlotMasterManager>(this);
    FMaster->OnChange = [this](TObject*) { InvalidateChange(); };
    FMaster->OnInsert = [this](TObject* s) { ObjectInserted(s); };
    FMaster->OnRemove = [this](TObject* s) { ObjectRemoved(s); };
    FMaster->OnInvalidateNow = [this](TObject*) { RepaintNow(); };
    FMaster->EditorStaysOnTop = [this] { return FEditorFormStyle == ipfsStayOnTop; };
    const TNotifyEvent none = [](TObject*) {};
    FLayoutManager = std::make_unique<TiPlotLayoutManager>(this, none, none, none, none);
    FPopupMenu = std::make_unique<TPopupMenu>(nullptr);
    for (auto& list : FImageLists) {
        list = std::make_unique<TImageList>(nullptr);
        list->SetWidth(24);
        list->SetHeight(24);
    }
    OnInternalTimer = [this](TObject*) { HintTimerFired(); };
}

TiPlotComponent::~TiPlotComponent()
{
    FMouseDownObject = FLastMouseOverObject = FLastMouseClickObject = FLastHintObject = nullptr;
    FMaster->ObjectManager()->ShutDownSetup();
    FMaster->OnInsert = nullptr;
    FMaster->OnRemove = nullptr;
    FMaster->OnChange = nullptr;
    FMaster->OnInvalidateNow = nullptr;
    FLayoutManager->SetEnabled(false);
    FMaster.reset();
    FLayoutManager.reset();
}

void TiPlotComponent::BeginStreamRead()
{
    if (!IsLoading() || FStreamReading)
        return;
    FStreamReading = true;
    FLayoutManager->SetEnabled(false);
    BeginUpdate();
}

void TiPlotComponent::Loaded()
{
    TiVCLComponent::Loaded();
    // Older streams put toolbar 0 and the title label in one place: the toolbar goes above.
    // A toolbar beside the label in its layer (spans apart) keeps its place.
    if (ToolBarCount() > 0 && LabelCount() > 0 && ToolBar(0).Horizontal() == Label(0).Horizontal() &&
        ToolBar(0).ZOrder() == Label(0).ZOrder() && ToolBar(0).SpanOverlaps(Label(0)))
        ToolBar(0).SetZOrder(ToolBar(0).ZOrder() + 1);
    FLayoutManager->SetEnabled(true);
    if (FStreamReading) {
        FStreamReading = false;
        EndUpdate();
    }
}

bool TiPlotComponent::StoresKind(TiPlotKind K) const
{
    return Kind(K)->Count() > 0 || std::find(FDefaultKinds.begin(), FDefaultKinds.end(), K) != FDefaultKinds.end();
}

TiPlotManagerItems* TiPlotComponent::KindItems(TiPlotKind K)
{
    BeginStreamRead();
    return Kind(K)->Items();
}

void TiPlotComponent::NoteDefaultObjects()
{
    FDefaultKinds.clear();
    for (int k = 0; k < static_cast<int>(TiPlotKind::None); ++k)
        if (Kind(static_cast<TiPlotKind>(k))->Count() > 0)
            FDefaultKinds.push_back(static_cast<TiPlotKind>(k));
}

// ---- Objects ----

TiPlotObjectManagerCustom* TiPlotComponent::Kind(TiPlotKind K) const
{
    switch (K) {
    case TiPlotKind::Channel:
        return FMaster->ChannelManager();
    case TiPlotKind::XAxis:
        return FMaster->XAxisManager();
    case TiPlotKind::YAxis:
        return FMaster->YAxisManager();
    case TiPlotKind::DataCursor:
        return FMaster->DataCursorManager();
    case TiPlotKind::DataView:
        return FMaster->DataViewManager();
    case TiPlotKind::Legend:
        return FMaster->LegendManager();
    case TiPlotKind::Limit:
        return FMaster->LimitManager();
    case TiPlotKind::Table:
        return FMaster->TableManager();
    case TiPlotKind::Annotation:
        return FMaster->AnnotationManager();
    case TiPlotKind::ToolBar:
        return FMaster->ToolBarManager();
    case TiPlotKind::Label:
        return FMaster->LabelManager();
    case TiPlotKind::None:
        break;
    }
    return nullptr;
}

int TiPlotComponent::IndexIn(const TObject* Object) const
{
    int index = -1;
    KindOf(Object, &index);
    return index;
}

TiPlotKind TiPlotComponent::KindOf(const TObject* Object, int* Index) const
{
    if (!FMaster)
        return TiPlotKind::None;
    for (int k = 0; k < static_cast<int>(TiPlotKind::None); ++k) {
        const auto kind = static_cast<TiPlotKind>(k);
        TiPlotObjectManagerCustom* manager = Kind(kind);
        if (!manager)
            continue;
        for (int i = 0; i < manager->Count(); ++i)
            if (manager->GetItem(i) == Object) {
                if (Index)
                    *Index = i;
                return kind;
            }
    }
    return TiPlotKind::None;
}

int TiPlotComponent::AddTranslation(const std::string& OriginalString, const std::string& ReplacementString)
{
    const int index = FTranslationManager.Add();
    FTranslationManager.Item(index).SetOriginalString(OriginalString);
    FTranslationManager.Item(index).SetReplacementString(ReplacementString);
    return index;
}

void TiPlotComponent::DeleteFrom(TiPlotObjectManagerCustom* Manager, int Index)
{
    delete Manager->GetItem(Index);
    RepaintNow();
}

void TiPlotComponent::DeleteLabel(int Index)
{
    if (Index == 0)
        throw EiPlotError("Label Index 0 can not be Deleted (Resevered for Title)");
    delete Kind(TiPlotKind::Label)->GetItem(Index);
}

void TiPlotComponent::ClearKind(TiPlotKind K)
{
    Kind(K)->Clear();
    RepaintNow();
}

void TiPlotComponent::RemoveAllLabels()
{
    while (LabelCount() > 1)
        delete Kind(TiPlotKind::Label)->GetItem(1);
}

template <class T>
static T& typedItem(TiPlotObjectManagerCustom* Manager, int Index)
{
    return dynamic_cast<T&>(*Manager->GetItem(Index));
}

TiPlotChannelCustom& TiPlotComponent::Channel(int Index) const
{
    return typedItem<TiPlotChannelCustom>(Kind(TiPlotKind::Channel), Index);
}
TiPlotAxis& TiPlotComponent::XAxis(int Index) const { return typedItem<TiPlotAxis>(Kind(TiPlotKind::XAxis), Index); }
TiPlotAxis& TiPlotComponent::YAxis(int Index) const { return typedItem<TiPlotAxis>(Kind(TiPlotKind::YAxis), Index); }
TiPlotDataView& TiPlotComponent::DataView(int Index) const
{
    return typedItem<TiPlotDataView>(Kind(TiPlotKind::DataView), Index);
}
TiPlotDataCursor& TiPlotComponent::DataCursor(int Index) const
{
    return typedItem<TiPlotDataCursor>(Kind(TiPlotKind::DataCursor), Index);
}
TiPlotLegend& TiPlotComponent::Legend(int Index) const
{
    return typedItem<TiPlotLegend>(Kind(TiPlotKind::Legend), Index);
}
TiPlotTable& TiPlotComponent::Table(int Index) const
{
    return typedItem<TiPlotTable>(Kind(TiPlotKind::Table), Index);
}
TiPlotToolBar& TiPlotComponent::ToolBar(int Index) const
{
    return typedItem<TiPlotToolBar>(Kind(TiPlotKind::ToolBar), Index);
}
TiPlotLabel& TiPlotComponent::Label(int Index) const
{
    return typedItem<TiPlotLabel>(Kind(TiPlotKind::Label), Index);
}

TiPlotLimit& TiPlotComponent::Limit(int Index) const
{
    return typedItem<TiPlotLimit>(Kind(TiPlotKind::Limit), Index);
}

TiPlotAnnotation& TiPlotComponent::Annotation(int Index) const
{
    return typedItem<TiPlotAnnotation>(Kind(TiPlotKind::Annotation), Index);
}

TiPlotObject* TiPlotComponent::GetObjectByName(TiPlotKind K, const std::string& Value) const
{
    return Kind(K)->GetObjectByName(Value);
}

int TiPlotComponent::GetIndexByName(TiPlotKind K, const std::string& Value) const
{
    return Kind(K)->GetIndexByName(Value);
}

TiPlotChannelCustom* TiPlotComponent::GetChannelByName(const std::string& Value) const
{
    return dynamic_cast<TiPlotChannelCustom*>(GetObjectByName(TiPlotKind::Channel, Value));
}
TiPlotAxis* TiPlotComponent::GetXAxisByName(const std::string& Value) const
{
    return dynamic_cast<TiPlotAxis*>(GetObjectByName(TiPlotKind::XAxis, Value));
}
TiPlotAxis* TiPlotComponent::GetYAxisByName(const std::string& Value) const
{
    return dynamic_cast<TiPlotAxis*>(GetObjectByName(TiPlotKind::YAxis, Value));
}

// ---- Notifications ----

namespace {

constexpr std::size_t kKindCount = static_cast<std::size_t>(TiPlotKind::None) + 1;
template <class E>
using KindTable = std::array<E TiPlotComponent::*, kKindCount>;
using C = TiPlotComponent;

// Entries in the order of TiPlotKind: Channel, XAxis, YAxis, DataCursor, DataView, Legend,
// Limit, Table, Annotation, ToolBar, Label, None.
#define QX_TABLE_8(Family, Type)                                                                                     \
    KindTable<Type>                                                                                                  \
    {                                                                                                                \
        &C::On##Family##Channel, &C::On##Family##XAxis, &C::On##Family##YAxis, &C::On##Family##DataCursor,          \
            &C::On##Family##DataView, &C::On##Family##Legend, &C::On##Family##Limit, nullptr,                       \
            &C::On##Family##Annotation, nullptr, nullptr, nullptr                                                    \
    }
#define QX_TABLE_7(Family, Type)                                                                                     \
    KindTable<Type>                                                                                                  \
    {                                                                                                                \
        &C::On##Family##Channel, &C::On##Family##XAxis, &C::On##Family##YAxis, &C::On##Family##DataCursor,          \
            &C::On##Family##DataView, &C::On##Family##Legend, nullptr, nullptr, &C::On##Family##Annotation,         \
            nullptr, nullptr, nullptr                                                                                \
    }
#define QX_TABLE_9(Family, Type)                                                                                     \
    KindTable<Type>                                                                                                  \
    {                                                                                                                \
        &C::On##Family##Channel, &C::On##Family##XAxis, &C::On##Family##YAxis, &C::On##Family##DataCursor,          \
            &C::On##Family##DataView, &C::On##Family##Legend, &C::On##Family##Limit, &C::On##Family##Table,         \
            &C::On##Family##Annotation, nullptr, nullptr, nullptr                                                    \
    }

const auto kAdd = QX_TABLE_9(Add, TiPlotObjectEvent);
const auto kRemove = QX_TABLE_9(Remove, TiPlotObjectEvent);
const auto kGetMouseCursor = QX_TABLE_9(GetMouseCursor, TiPlotObjectGetMouseCursorEvent);
const auto kClick = QX_TABLE_8(Click, TiPlotObjectEvent);
const auto kDblClick = QX_TABLE_8(DblClick, TiPlotObjectEvent);
const auto kMouseDown = QX_TABLE_8(MouseDown, TiPlotObjectMouseEvent);
const auto kMouseMove = QX_TABLE_8(MouseMove, TiPlotObjectMouseMoveEvent);
const auto kMouseUp = QX_TABLE_8(MouseUp, TiPlotObjectMouseEvent);
const auto kMouseWheel = QX_TABLE_8(MouseWheel, TiPlotObjectMouseWheelEvent);
const auto kPopupMenu = QX_TABLE_8(PopupMenu, TiPlotPopupMenuEvent);
const auto kGotFocus = QX_TABLE_7(GotFocus, TiPlotObjectEvent);
const auto kLostFocus = QX_TABLE_7(LostFocus, TiPlotObjectEvent);

} // namespace

template <class E, class... A>
void TiPlotComponent::RaiseKindEvent(const KindTable<E>& Table, const TObject* Object, A... Args)
{
    int index = -1;
    const TiPlotKind kind = KindOf(Object, &index);
    E TiPlotComponent::*event = Table[static_cast<std::size_t>(kind)];
    if (event && this->*event)
        (this->*event)(index, Args...);
}

void TiPlotComponent::ObjectInserted(TObject* Sender)
{
    FLayoutManager->NotificationInsert(Sender);
    RaiseKindEvent(kAdd, Sender);
}

void TiPlotComponent::ObjectRemoved(TObject* Sender)
{
    if (FMouseDownObject == Sender)
        FMouseDownObject = nullptr;
    if (FLastMouseOverObject == Sender)
        FLastMouseOverObject = nullptr;
    if (FLastMouseClickObject == Sender)
        FLastMouseClickObject = nullptr;
    if (FLastHintObject == Sender)
        FLastHintObject = nullptr;
    for (auto& list : FVisibleLists)
        list.erase(std::remove_if(list.begin(), list.end(), [Sender](TiPlotLayoutObject* o) { return o == Sender; }),
                   list.end());
    FLayerList.erase(std::remove_if(FLayerList.begin(), FLayerList.end(),
                                    [Sender](const auto& entry) { return entry.second == Sender; }),
                     FLayerList.end());
    FLayoutManager->NotificationRemove(Sender);
    RaiseKindEvent(kRemove, Sender);
}

void TiPlotComponent::SetXYAxesReverse(bool Value)
{
    FMaster->SetXYAxesReverse(Value);
    FLayoutManager->SetXYAxesReverse(Value);
}

void TiPlotComponent::RefreshLayoutManager()
{
    FLayoutManager->SetEnabled(false);
    FLayoutManager->SetEnabled(true);
}

void TiPlotComponent::ReCalcLayout()
{
    TBitmap bitmap(std::max(Width(), 1), std::max(Height(), 1));
    iPaint(bitmap.Canvas());
}

// ---- Title ----

bool TiPlotComponent::TitleVisible() const { return LabelCount() > 0 && Label(0).Visible(); }
void TiPlotComponent::SetTitleVisible(bool Value)
{
    if (LabelCount() > 0)
        Label(0).SetVisible(Value);
}
std::string TiPlotComponent::TitleText() const { return LabelCount() > 0 ? Label(0).Caption() : std::string(); }
void TiPlotComponent::SetTitleText(const std::string& Value)
{
    if (LabelCount() > 0)
        Label(0).SetCaption(Value);
}
TFont TiPlotComponent::TitleFont() const { return LabelCount() > 0 ? Label(0).Font() : Font(); }
void TiPlotComponent::SetTitleFont(const TFont& Value)
{
    if (LabelCount() > 0)
        Label(0).SetFont(Value);
}
double TiPlotComponent::TitleMargin() const { return LabelCount() > 0 ? Label(0).MarginBottom() : 0.0; }
void TiPlotComponent::SetTitleMargin(double Value)
{
    if (LabelCount() > 0)
        Label(0).SetMarginBottom(Value);
}

// ---- Properties ----

void TiPlotComponent::SetLogFileName(const std::string& Value)
{
    if (Value == FLogFileName)
        return;
    if (FLoggingActive)
        throw EiPlotError("Log File Name can not be changed while logging is active.");
    FLogFileName = Value;
}

void TiPlotComponent::SetDataFileColumnSeparator(TiPlotDataFileColumnSeparator Value)
{
    if (Value == FDataFileColumnSeparator)
        return;
    if (FLoggingActive)
        throw EiPlotError("Data File Column Seperator can not be changed while logging active");
    FDataFileColumnSeparator = Value;
}

void TiPlotComponent::SetDataFileFormat(TiPlotDataFileFormat Value)
{
    if (FLoggingActive)
        throw EiPlotError("Data File Format can not be changed while logging active");
    FDataFileFormat = Value;
}

TImageList* TiPlotComponent::PlotImageList(int Index)
{
    return Index >= 0 && Index < 3 ? FImageLists[Index].get() : nullptr;
}

void TiPlotComponent::ImageListClear(int ImageListIndex)
{
    TImageList* list = PlotImageList(ImageListIndex);
    if (!list)
        throw EiPlotError("ImageList Index must be 0-2");
    list->Clear();
    InvalidateChange();
}

void TiPlotComponent::ImageListLoadFromResourceName(int ImageListIndex, std::intptr_t, const std::string& ResName)
{
    if (!PlotImageList(ImageListIndex))
        throw EiPlotError("ImageList Index must be 0-2");
    TPicture picture;
    qx::loadPictureResource(picture, ResName);
    if (picture.Empty())
        throw EiPlotError("Resource " + ResName + " not found");
    ImageListAdd(ImageListIndex, picture.ToBitmap());
}

void TiPlotComponent::ImageListLoadFromResourceID(int ImageListIndex, std::intptr_t Instance, int ResID)
{
    std::string name(1, '#');
    name += std::to_string(ResID);
    ImageListLoadFromResourceName(ImageListIndex, Instance, name);
}

std::vector<std::uint8_t> TiPlotComponent::ImageListStream(int ImageListIndex) const
{
    if (ImageListIndex < 0 || ImageListIndex > 2)
        throw EiPlotError("ImageList Index must be 0-2");
    return FImageLists[ImageListIndex]->WriteStream();
}

void TiPlotComponent::SetImageListStream(int ImageListIndex, const std::vector<std::uint8_t>& Stream)
{
    TImageList* list = PlotImageList(ImageListIndex);
    if (!list)
        throw EiPlotError("ImageList Index must be 0-2");
    if (!list->ReadStream(Stream))
        throw EReadError("Failed to read ImageList data from stream");
    InvalidateChange();
}

int TiPlotComponent::ImageListCount(int ImageListIndex) const
{
    return ImageListIndex >= 0 && ImageListIndex <= 2 ? FImageLists[ImageListIndex]->Count() : 0;
}

void TiPlotComponent::ImageListAdd(int ImageListIndex, const TBitmap& ABitmap)
{
    TImageList* list = PlotImageList(ImageListIndex);
    if (!list)
        throw EiPlotError("ImageList Index must be 0-2");
    const TColor key = ABitmap.Empty() ? clNone : const_cast<TBitmap&>(ABitmap).Canvas().Pixel(0, ABitmap.Height() - 1);
    if (list->Count() == 0) {
        list->SetWidth(ABitmap.Width());
        list->SetHeight(ABitmap.Height());
        list->AddMasked(ABitmap, key);
    } else if (ABitmap.Width() < list->Width() && ABitmap.Height() < list->Height()) {
        TBitmap centred(list->Width(), list->Height());
        centred.Canvas().Brush().Color = key;
        centred.Canvas().FillRect({0, 0, list->Width(), list->Height()});
        centred.Canvas().Draw(list->Width() / 2 - ABitmap.Width() / 2, list->Height() / 2 - ABitmap.Height() / 2,
                              ABitmap);
        list->AddMasked(centred, key);
    } else if ((ABitmap.Width() > list->Width() && ABitmap.Height() > list->Height()) ||
               ABitmap.Width() == list->Width() || ABitmap.Height() == list->Height()) {
        list->AddMasked(ABitmap, key);
    } else
        throw EiPlotError(
            "Image Width and Height must be the same as other images, or both smaller, or both larger");
    InvalidateChange();
}

// ---- Data ----

int TiPlotComponent::AddAnnotation()
{
    const int index = FMaster->AddAnnotation();
    TiPlotAnnotation& note = Annotation(index);
    note.SetBrushStyle(FAnnotationDefaultBrushStlye);
    note.SetBrushColor(FAnnotationDefaultBrushColor);
    note.SetPenStyle(FAnnotationDefaultPenStlye);
    note.SetPenColor(FAnnotationDefaultPenColor);
    note.SetPenWidth(FAnnotationDefaultPenWidth);
    note.SetReference(FAnnotationDefaultReference);
    note.SetReferencePositionX(FAnnotationDefaultReferences[0]);
    note.SetReferencePositionY(FAnnotationDefaultReferences[1]);
    note.SetReferenceSizeX(FAnnotationDefaultReferences[2]);
    note.SetReferenceSizeY(FAnnotationDefaultReferences[3]);
    note.SetFont(FAnnotationDefaultFont);
    return index;
}

void TiPlotComponent::AddDataArray(double XValue, const TiVariantArray& Data)
{
    // Every element is converted before anything is added.
    if (Data.DimCount() == 1) {
        const int low = Data.LowBound(1), high = Data.HighBound(1);
        if (high - low + 1 > ChannelCount())
            throw EiPlotError("Data Array has more elements than the plot has channels");
        std::vector<double> values;
        for (int k = low; k <= high; ++k)
            values.push_back(Data.At(k).AsNumber());
        AddDataArray(XValue, values);
        return;
    }
    if (Data.DimCount() != 2)
        throw EiPlotError("Data Array must be 1 or 2 Dimensions");
    if (Data.LowBound(1) < 0 || Data.HighBound(1) >= ChannelCount())
        throw EiPlotError("Data Array has more elements than the plot has channels");
    std::vector<std::vector<double>> rows;
    for (int i = Data.LowBound(1); i <= Data.HighBound(1); ++i) {
        rows.emplace_back();
        for (int j = Data.LowBound(2); j <= Data.HighBound(2); ++j)
            rows.back().push_back(Data.At(i, j).AsNumber());
    }
    AddDataArray(XValue, rows, Data.LowBound(1));
}

void TiPlotComponent::TransferChannelData(int SourceChannelIndex, int DestinationChannelIndex, int StartIndex,
                                          int StopIndex)
{
    TiPlotChannelCustom& source = Channel(SourceChannelIndex);
    TiPlotChannelCustom& destination = Channel(DestinationChannelIndex);
    if (StartIndex < 0)
        throw EiPlotError("Start Index Must be 0 or Greater");
    if (StopIndex > source.Count() - 1)
        throw EiPlotError("StopIndex Must Out Of Range");
    for (int i = StartIndex; i <= StopIndex; ++i) {
        double x = 0, y = 0;
        bool null = false, empty = false;
        source.GetXYEmptyNull(i, x, null, empty, y);
        // The flags go in with the point, so statistics and tracking leave it out.
        destination.AddPoint(x, y, null, empty);
    }
}

void TiPlotComponent::ClearAllData()
{
    if (FLoggingActive)
        LogDeactivate();
    for (int i = 0; i < ChannelCount(); ++i)
        Channel(i).Clear();
}

// ---- Data files and logging ----

std::vector<TiPlotChannelCustom*> TiPlotComponent::Channels() const
{
    std::vector<TiPlotChannelCustom*> channels;
    for (int i = 0; i < ChannelCount(); ++i)
        channels.push_back(&Channel(i));
    return channels;
}

void TiPlotComponent::SaveDataToFile(const std::string& FileName)
{
    try {
        // The bytes are made first, so a refused value leaves any earlier file as it was.
        const std::string bytes = FDataFileFormat == ipdffText ? TiPlotDataFile::Text(Channels(), DataFileSeparator())
                                                               : TiPlotDataFile::CompactInterval(Channels());
        std::ofstream out(FileName, std::ios::binary | std::ios::trunc);
        if (!out)
            throw EiPlotError("Cannot create file \"" + FileName + "\"");
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush())
            throw EiPlotError("Cannot write file \"" + FileName + "\"");
    } catch (const std::exception& error) {
        throw EiPlotError(std::string("Error Saving Data - ") + error.what());
    }
    FLastDataFileName = FileName;
    if (OnAfterSaveData)
        OnAfterSaveData(this);
}

void TiPlotComponent::LoadDataFromFile(const std::string& FileName)
{
    TiPlotDataFile::Points points;
    try {
        points = TiPlotDataFile::Read(ReadFileBytes(FileName), ChannelCount());
    } catch (const std::exception& error) {
        throw EiPlotError(std::string("Error Loading Data - ") + error.what());
    }
    BeginUpdate();
    try {
        for (std::size_t k = 0; k < points.size(); ++k) {
            TiPlotChannelCustom& channel = Channel(static_cast<int>(k));
            for (const TiPlotFilePoint& point : points[k]) {
                const int index = channel.AddXY(point.X, point.Y);
                if (point.Null)
                    channel.SetDataNull(index, true);
                if (point.Empty)
                    channel.SetDataEmpty(index, true);
            }
        }
    } catch (const std::exception& error) {
        EndUpdate();
        throw EiPlotError(std::string("Error Loading Data - ") + error.what());
    }
    EndUpdate();
    FLastDataFileName = FileName;
    if (OnAfterLoadData)
        OnAfterLoadData(this);
}

void TiPlotComponent::LogActivate(bool Append)
{
    if (FLogFileName.find_first_not_of(" \t\r\n") == std::string::npos)
        throw EiPlotError("Log File Name not Defined");
    if (FLoggingActive)
        throw EiPlotError("Logging Already Active");
    FLog.Open(FLogFileName, Append, FDataFileFormat, DataFileSeparator(), Channels());
    FLoggingActive = true;
    FLogRowCount = 0;
}

void TiPlotComponent::LogDeactivate()
{
    if (!FLoggingActive)
        throw EiPlotError("Logging not Active");
    FLoggingActive = false;
    if (FLogRowCount > 0)
        LogFlush();
}

void TiPlotComponent::LogFlush()
{
    const int rows = FLogRowCount;
    FLogRowCount = 0;
    // The rows end at channel 0's newest point; a channel without a row's point gives the
    // missing value there.
    const int first = (ChannelCount() > 0 ? Channel(0).Count() : 0) - rows;
    FLog.WriteRows(Channels(), first, rows);
}

void TiPlotComponent::LogRowsAdded(int Rows)
{
    if (!FLoggingActive)
        return;
    FLogRowCount += Rows;
    if (FLogRowCount > 0 && FLogRowCount >= FLogBufferSize)
        LogFlush();
}

void TiPlotComponent::AddDataArray(double XValue, const std::vector<double>& Data)
{
    // The channel of the last element is looked up first: the list's index error comes
    // before anything is added.
    if (!Data.empty())
        Channel(static_cast<int>(Data.size()) - 1);
    for (std::size_t k = 0; k < Data.size(); ++k) {
        TiPlotChannelCustom& channel = Channel(static_cast<int>(k));
        const double v = Data[k];
        if (v > 1e-301 && v < 1e-300)
            channel.AddNullAt(XValue);
        else if (v > 1e-302 && v < 1e-301)
            channel.AddEmptyAt(XValue);
        else
            channel.AddXY(XValue, v);
    }
    LogRowsAdded(1);
}

void TiPlotComponent::AddDataArray(double XValue, const std::vector<std::vector<double>>& Data, int FirstChannel)
{
    if (Data.empty())
        return;
    const std::size_t samples = Data.front().size();
    for (const std::vector<double>& row : Data)
        if (row.size() != samples)
            throw EiPlotError("Data Array must be 1 or 2 Dimensions");
    Channel(FirstChannel);
    Channel(FirstChannel + static_cast<int>(Data.size()) - 1);
    for (std::size_t j = 0; j < samples; ++j)
        for (std::size_t i = 0; i < Data.size(); ++i) {
            TiPlotChannelCustom& channel = Channel(FirstChannel + static_cast<int>(i));
            channel.AddXY(channel.Count() > 0 ? channel.XLast() + XValue : 0, Data[i][j]);
        }
    LogRowsAdded(static_cast<int>(samples));
}

void TiPlotComponent::DisableAllTracking() { ::DisableAllTracking(*FMaster); }

void TiPlotComponent::EnableAllTracking()
{
    for (const bool xAxes : {true, false})
        for (TiPlotAxis* axis : PlotAxes(*FMaster, xAxes))
            axis->SetTrackingEnabled(true);
}

// ---- Host services ----

bool TiPlotComponent::AxesCollisionAccept(const TRect& R)
{
    for (const TRect& other : FAxesCollisionList)
        if (R.Left < other.Right && other.Left < R.Right && R.Top < other.Bottom && other.Top < R.Bottom)
            return false;
    if (!FAxesCollisionList.empty() && DataViewCount() > 0) {
        const TRect d = DataView(0).DrawRect();
        if (R.Left < d.Left || R.Top < d.Top || R.Right > d.Right || R.Bottom > d.Bottom)
            return false;
    }
    FAxesCollisionList.push_back(R);
    return true;
}

bool TiPlotComponent::ToolBarSelectMode() { return ToolBarCount() > 0 && ToolBar(0).SelectActive(); }
bool TiPlotComponent::ToolBarZoomBoxMode() { return ToolBarCount() > 0 && ToolBar(0).ZoomBoxActive(); }

void TiPlotComponent::DoAxisMinChange(TiPlotObject& Axis, double OldMin, double NewMin)
{
    int index = -1;
    const TiPlotKind kind = KindOf(&Axis, &index);
    auto& event = kind == TiPlotKind::XAxis ? OnXAxisMinChange : OnYAxisMinChange;
    if (Raising() && event)
        event(index, OldMin, NewMin);
}

void TiPlotComponent::DoAxisSpanChange(TiPlotObject& Axis, double OldSpan, double NewSpan)
{
    int index = -1;
    const TiPlotKind kind = KindOf(&Axis, &index);
    auto& event = kind == TiPlotKind::XAxis ? OnXAxisSpanChange : OnYAxisSpanChange;
    if (Raising() && event)
        event(index, OldSpan, NewSpan);
}

void TiPlotComponent::DoAxisMinSpanChange(TiPlotObject& Axis, double OldMin, double OldSpan, double NewMin,
                                          double NewSpan)
{
    int index = -1;
    const TiPlotKind kind = KindOf(&Axis, &index);
    auto& event = kind == TiPlotKind::XAxis ? OnXAxisMinSpanChange : OnYAxisMinSpanChange;
    if (Raising() && event)
        event(index, OldMin, OldSpan, NewMin, NewSpan);
}

void TiPlotComponent::DoAxisMinSpanChangeFinished(TiPlotObject& Axis, double OldMin, double OldSpan, double NewMin,
                                                  double NewSpan)
{
    int index = -1;
    const TiPlotKind kind = KindOf(&Axis, &index);
    auto& event = kind == TiPlotKind::XAxis ? OnXAxisMinSpanChangeFinished : OnYAxisMinSpanChangeFinished;
    if (Raising() && event)
        event(index, OldMin, OldSpan, NewMin, NewSpan);
}

void TiPlotComponent::DoAxisCustomizeLabel(TiPlotObject& Axis, double Value, std::string& ALabel)
{
    int index = -1;
    const TiPlotKind kind = KindOf(&Axis, &index);
    auto& event = kind == TiPlotKind::XAxis ? OnXAxisCustomizeLabel : OnYAxisCustomizeLabel;
    if (!Raising() || !event)
        return;
    FTempCustomLabel = ALabel;
    event(index, Value, FTempCustomLabel);
    ALabel = FTempCustomLabel;
}

void TiPlotComponent::DoAxisCustomizeHint(TiPlotObject& Axis, std::string& AHint)
{
    int index = -1;
    const TiPlotKind kind = KindOf(&Axis, &index);
    auto& event = kind == TiPlotKind::XAxis ? OnXAxisCustomizeHint : OnYAxisCustomizeHint;
    if (Raising() && event)
        event(index, AHint);
}

void TiPlotComponent::DoObjectClick(TiPlotObject& Object)
{
    const bool dbl = FDBLClickActive;
    FDBLClickActive = false;
    if (Raising())
        RaiseKindEvent(dbl ? kDblClick : kClick, &Object);
}

void TiPlotComponent::DoLimitLinePositionChange(TiPlotObject& Object, int Line, double OldValue, double NewValue)
{
    const auto& event = Line == 1 ? OnLimitLine1PositionChange : OnLimitLine2PositionChange;
    if (Raising() && event)
        event(IndexIn(&Object), OldValue, NewValue);
}

void TiPlotComponent::DoAnnotationNotice(TiPlotObject& Object, int Notice)
{
    TiPlotObjectEvent* event = nullptr;
    switch (static_cast<TiPlotAnnotationNotice>(Notice)) {
    case TiPlotAnnotationNotice::CoordinatesChange: event = &OnAnnotationCoordinatesChange; break;
    case TiPlotAnnotationNotice::MoveUser: event = &OnAnnotationMoveUser; break;
    case TiPlotAnnotationNotice::ResizeUser: event = &OnAnnotationResizeUser; break;
    case TiPlotAnnotationNotice::CoordinatesChangeFinished: event = &OnAnnotationCoordinatesChangeFinished; break;
    }
    if (Raising() && event && *event)
        (*event)(IndexIn(&Object));
}

bool TiPlotComponent::DoPopupMenu(TiPlotObject& Object, int ScreenX, int ScreenY)
{
    bool cancel = false;
    if (Raising())
        RaiseKindEvent<TiPlotPopupMenuEvent, bool&, int, int>(kPopupMenu, &Object, cancel, ScreenX, ScreenY);
    return !cancel;
}

void TiPlotComponent::DoObjectMouseCursor(TiPlotObject& Object, TCursor& Cursor)
{
    if (Raising())
        RaiseKindEvent<TiPlotObjectGetMouseCursorEvent, TCursor&>(kGetMouseCursor, &Object, Cursor);
}

bool TiPlotComponent::DoBeforeZoomBox(TRect& ZoomRect)
{
    bool cancel = false;
    if (Raising() && OnBeforeZoomBox)
        OnBeforeZoomBox(ZoomRect, cancel);
    return !cancel;
}

void TiPlotComponent::RaiseMouseEvent(int F, TiPlotObject& Object, TMouseButton Button, TShiftState Shift, int X,
                                      int Y)
{
    if (!Raising())
        return;
    if (F == fMove)
        RaiseKindEvent(kMouseMove, &Object, Shift, X, Y);
    else
        RaiseKindEvent(F == fDown ? kMouseDown : kMouseUp, &Object, Button, Shift, X, Y);
}

void TiPlotComponent::DoDataPointMouse(TiPlotMouseNotice Notice, TiPlotObject& Channel, int DataIndex,
                                       const TiPlotMouseData& MouseData)
{
    if (!Raising())
        return;
    const int index = IndexIn(&Channel);
    switch (Notice) {
    case TiPlotMouseNotice::Down:
        if (OnMouseDownDataPoint)
            OnMouseDownDataPoint(index, DataIndex, MouseData.Button, MouseData.Shift, MouseData.X, MouseData.Y);
        break;
    case TiPlotMouseNotice::Move:
        if (OnMouseMoveDataPoint)
            OnMouseMoveDataPoint(index, DataIndex, MouseData.Shift, MouseData.X, MouseData.Y);
        break;
    case TiPlotMouseNotice::Up:
        if (OnMouseUpDataPoint)
            OnMouseUpDataPoint(index, DataIndex, MouseData.Button, MouseData.Shift, MouseData.X, MouseData.Y);
        break;
    }
}

void TiPlotComponent::DoDataPointClick(TiPlotObject& Channel, int DataIndex)
{
    const int index = IndexIn(&Channel);
    const bool dbl = FDBLClickActive;
    if (!Raising())
        return;
    auto& event = dbl ? OnDblClickDataPoint : OnClickDataPoint;
    if (event)
        event(index, DataIndex);
}

void TiPlotComponent::DoDataPointMoved(TiPlotObject& Channel, int DataIndex, double OldX, double OldY, double NewX,
                                       double NewY)
{
    const int index = IndexIn(&Channel);
    if (Raising() && OnDataPointMoved)
        OnDataPointMoved(index, DataIndex, OldX, OldY, NewX, NewY);
}

void TiPlotComponent::DoDataPointCustomizeHint(TiPlotObject& Channel, int DataIndex, std::string& Text)
{
    const int index = IndexIn(&Channel);
    if (Raising() && OnDataPointCustomizeHint)
        OnDataPointCustomizeHint(index, DataIndex, Text);
}

bool TiPlotComponent::DoBeforeToolBarButtonClick(TiPlotObject& Bar, int Type)
{
    const int index = IndexIn(&Bar);
    bool cancel = false;
    if (Raising() && OnBeforeToolBarButtonClick)
        OnBeforeToolBarButtonClick(index, Type, cancel);
    return !cancel;
}

void TiPlotComponent::DoToolBarButtonClick(TiPlotObject& Bar, int Type)
{
    const int index = IndexIn(&Bar);
    if (Raising() && OnToolBarButtonClick)
        OnToolBarButtonClick(index, Type);
}

void TiPlotComponent::DoToolBarCustomizeHint(TiPlotObject& Bar, std::string& Text)
{
    const int index = IndexIn(&Bar);
    if (Raising() && OnToolBarCustomizeHint)
        OnToolBarCustomizeHint(index, Text);
}

void TiPlotComponent::DoBeforeDataCursorUpdate(TiPlotObject& Cursor)
{
    const int index = IndexIn(&Cursor);
    if (Raising() && OnBeforeDataCursorUpdate)
        OnBeforeDataCursorUpdate(index);
}

void TiPlotComponent::DoDataCursorChange(TiPlotObject& Cursor)
{
    const int index = IndexIn(&Cursor);
    if (Raising() && OnDataCursorChange)
        OnDataCursorChange(index);
}

void TiPlotComponent::DoDataCursorCustomizeHint(TiPlotObject& Cursor, std::string& Text)
{
    const int index = IndexIn(&Cursor);
    if (Raising() && OnDataCursorCustomizeHint)
        OnDataCursorCustomizeHint(index, Text);
}

// ---- Layout and drawing ----

void TiPlotComponent::CalcAllTicks(TCanvas& Canvas)
{
    for (const bool xAxes : {true, false})
        for (TiPlotAxis* axis : PlotAxes(*FMaster, xAxes))
            axis->CalcTicks(Canvas);
}

void TiPlotComponent::LayoutPass(TCanvas& Canvas)
{
    const TiPlotLayoutStack* stacks[4] = {&FLayoutManager->LeftList(), &FLayoutManager->RightList(),
                                          &FLayoutManager->TopList(), &FLayoutManager->BottomList()};
    // 1. The visible members of each stack.
    for (int s = 0; s < 4; ++s) {
        FVisibleLists[s].clear();
        for (const auto& entry : stacks[s]->Entries)
            if (entry.second->Visible())
                FVisibleLists[s].push_back(entry.second);
    }
    const int b = BorderStyle() != ibsNone ? 2 : 0;
    int startOverhang[4] = {}, stopOverhang[4] = {}, thickness[4] = {};
    for (int s = 0; s < 4; ++s) {
        std::vector<TiPlotLayoutObject*>& list = FVisibleLists[s];
        // 3. Stacking flags.
        for (TiPlotLayoutObject* o : list) {
            o->SetStartStacked(false);
            o->SetStopStacked(false);
        }
        TiPlotLayoutObject* previous = nullptr;
        bool haveLayer = false;
        int layer = 0;
        for (TiPlotLayoutObject* o : list) {
            if (isCartesian(o))
                continue;
            if (o->ForceStacking()) {
                o->SetStartStacked(true);
                o->SetStopStacked(true);
                previous = o;
            } else if (haveLayer && o->ZOrder() == layer) {
                if (previous)
                    previous->SetStopStacked(true);
                o->SetStartStacked(true);
                previous = o;
            } else {
                previous = o;
                layer = o->ZOrder();
                haveLayer = true;
            }
        }
        // 4. End overhangs.
        for (TiPlotLayoutObject* o : list) {
            if (isCartesian(o))
                continue;
            const int overhang = o->GetEndOverhang(Canvas);
            if (!o->StartStacked())
                startOverhang[s] = std::max(startOverhang[s], overhang);
            if (!o->StopStacked())
                stopOverhang[s] = std::max(stopOverhang[s], overhang);
        }
    }
    // 5. Thickness of each stack and of each member's layer.
    std::vector<int> layerThickness[4];
    for (int s = 0; s < 4; ++s) {
        const std::vector<TiPlotLayoutObject*>& list = FVisibleLists[s];
        std::vector<int> required(list.size());
        for (std::size_t i = 0; i < list.size(); ++i)
            required[i] = list[i]->GetRequiredThickness(Canvas);
        layerThickness[s].assign(list.size(), 0);
        for (std::size_t i = 0; i < list.size(); ++i) {
            int t = 0;
            for (std::size_t j = 0; j < list.size(); ++j)
                if (list[j]->ZOrder() == list[i]->ZOrder() && !isCartesian(list[j]))
                    t = std::max(t, required[j]);
            layerThickness[s][i] = t;
        }
        std::set<int> seen;
        for (std::size_t i = 0; i < list.size(); ++i)
            if (seen.insert(list[i]->ZOrder()).second)
                thickness[s] += layerThickness[s][i];
    }
    // 6. Margins.
    const int L = std::max({thickness[kLeft], 0, startOverhang[kTop], startOverhang[kBottom]});
    const int R = std::max({thickness[kRight], 0, stopOverhang[kTop], stopOverhang[kBottom]});
    const int T = std::max({thickness[kTop], 0, stopOverhang[kLeft], stopOverhang[kRight]});
    const int B = std::max({thickness[kBottom], 0, startOverhang[kLeft], startOverhang[kRight]});
    // 7. The data view.
    TRect dv{b + FOuterMarginLeft + L, b + FOuterMarginTop + T, Width() - 1 - (b + FOuterMarginRight + R),
             Height() - 1 - (b + FOuterMarginBottom + B)};
    if (FVisibleLists[kTop].size() == 1 && dynamic_cast<TiPlotToolBar*>(FVisibleLists[kTop].front()))
        dv.Top += std::max({0, stopOverhang[kLeft], stopOverhang[kRight]});
    // 8. Across the edge, layer by layer outwards.
    auto place = [&](int s, bool reverse, int start, int direction) {
        std::vector<TiPlotLayoutObject*>& list = FVisibleLists[s];
        int p = start;
        bool first = true;
        int previousZ = 0, previousThickness = 0;
        const int n = static_cast<int>(list.size());
        for (int k = 0; k < n; ++k) {
            const int i = reverse ? n - 1 - k : k;
            TiPlotLayoutObject* o = list[static_cast<std::size_t>(i)];
            const int t = layerThickness[s][static_cast<std::size_t>(i)];
            if (!first && o->ZOrder() != previousZ)
                p += direction * previousThickness;
            first = false;
            previousZ = o->ZOrder();
            previousThickness = t;
            TRect r = o->DrawRect();
            switch (s) {
            case kLeft:
                r.Left = p - t;
                r.Right = p;
                break;
            case kRight:
                r.Left = p;
                r.Right = p + t;
                break;
            case kTop:
                r.Top = p - t;
                r.Bottom = p;
                if (dynamic_cast<TiPlotToolBar*>(o)) {
                    r.Top = b;
                    r.Bottom = b + t;
                }
                break;
            default:
                r.Top = p;
                r.Bottom = p + t;
                break;
            }
            o->SetDrawRect(r);
        }
    };
    place(kLeft, true, dv.Left, -1);
    place(kRight, false, dv.Right, 1);
    place(kTop, false, dv.Top, -1);
    place(kBottom, true, dv.Bottom, 1);
    // 9. Along the edge, for every member (hidden ones too).
    const int dvWidth = dv.Right - dv.Left, dvHeight = dv.Bottom - dv.Top;
    for (TiPlotObject* member : FLayoutManager->Members()) {
        auto* o = static_cast<TiPlotLayoutObject*>(member);
        if (o == &FLayoutManager->DataViewHorz() || o == &FLayoutManager->DataViewVert() ||
            dynamic_cast<TiPlotDataView*>(o))
            continue;
        TRect r = o->DrawRect();
        const double start = o->StartPercent() / 100, stop = o->StopPercent() / 100;
        const bool toolbar = dynamic_cast<TiPlotToolBar*>(o) != nullptr;
        const bool label = dynamic_cast<TiPlotLabel*>(o) != nullptr;
        if (o->Horizontal()) {
            if (toolbar) {
                r.Left = Nearest(start * (Width() - 2 * b)) + b;
                r.Right = Nearest(stop * (Width() - 2 * b)) + b - 1;
            } else if (label) {
                const int w = Width() - b - FOuterMarginLeft - FOuterMarginRight;
                r.Left = Nearest(start * w) + b + FOuterMarginLeft;
                r.Right = Nearest(stop * w) + b + FOuterMarginLeft;
            } else {
                r.Left = Nearest(dvWidth * start) + dv.Left;
                r.Right = Nearest(dvWidth * stop) + dv.Left;
            }
        } else if (!toolbar) {
            r.Top = dv.Bottom - Nearest(dvHeight * stop);
            r.Bottom = dv.Bottom - Nearest(dvHeight * start);
        }
        o->SetDrawRect(r);
    }
    // 10 to 12. Cartesian axes and aligned axes.
    for (const bool xAxes : {true, false})
        for (TiPlotAxis* axis : PlotAxes(*FMaster, xAxes)) {
            if (axis->CartesianStyle() == ipcsMaster) {
                if (axis->Horizontal())
                    axis->SetDrawRect({dv.Left, (dv.Top + dv.Bottom) / 2, dv.Right, (dv.Top + dv.Bottom) / 2});
                else
                    axis->SetDrawRect({(dv.Left + dv.Right) / 2, dv.Top, (dv.Left + dv.Right) / 2, dv.Bottom});
            } else if (axis->CartesianStyle() == ipcsChild) {
                TiPlotAxis* ref = axis->CartesianRefAxis();
                if (!ref)
                    axis->SetDrawRect({0, 0, 0, 0});
                else {
                    const int p = ref->PositionToPixels(axis->CartesianChildRefValue());
                    axis->SetDrawRect(axis->Horizontal() ? TRect{dv.Left, p, dv.Right, p} : TRect{p, dv.Top, p, dv.Bottom});
                }
            }
        }
    for (const bool xAxes : {true, false})
        for (TiPlotAxis* axis : PlotAxes(*FMaster, xAxes))
            if (TiPlotAxis* ref = axis->AlignRefAxis()) {
                TRect r = axis->DrawRect();
                const TRect rr = ref->DrawRect();
                if (axis->Horizontal()) {
                    r.Left = rr.Left;
                    r.Right = rr.Right;
                } else {
                    r.Top = rr.Top;
                    r.Bottom = rr.Bottom;
                }
                axis->SetDrawRect(r);
                axis->SetStartStacked(ref->StartStacked());
                axis->SetStopStacked(ref->StopStacked());
                axis->CalcScaleGeometry(Canvas);
            }
    // 13. The final data view from the axes' scales.
    int top = Height(), bottom = 0, left = Width(), right = 0;
    const bool reversed = FLayoutManager->XYAxesReverse();
    for (const bool xAxes : {true, false})
        for (TiPlotAxis* axis : PlotAxes(*FMaster, xAxes)) {
            axis->CalcScaleGeometry(Canvas);
            const TRect s = axis->ScaleRect();
            if (xAxes != reversed) {
                left = std::min(left, s.Left);
                right = std::max(right, s.Right);
            } else {
                top = std::min(top, s.Top);
                bottom = std::max(bottom, s.Bottom);
            }
        }
    if (DataViewCount() > 0)
        DataView(0).SetDrawRect({left, top, right, bottom});
}

void TiPlotComponent::iPaint(TCanvas& Canvas)
{
    FPaintingActive = true;
    struct Reset
    {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{FPaintingActive};
    if (ToolBarCount() == 0 || LegendCount() == 0 || DataViewCount() == 0)
        return;
    TiPlotDataView& view = DataView(0);
    const TColor viewColor = view.BackgroundTransparent() ? BackGroundColor() : view.BackgroundColor();
    FAxesCollisionList.clear();
    FLayerList.clear();
    TiPlotLegend& legend0 = Legend(0);
    legend0.SetCursorAllChannels(false);
    for (int i = 0; i < DataCursorCount(); ++i) {
        TiPlotDataCursor& cursor = DataCursor(i);
        cursor.SetDataView(&view);
        cursor.UpdateCursorValues();
        if (cursor.Visible() && qx::sameText(cursor.ChannelName(), kAllChannels) && cursor.ChannelShowAllInLegend())
            legend0.SetCursorAllChannels(true);
    }
    CalcAllTicks(Canvas);
    LayoutPass(Canvas);
    LayoutPass(Canvas);
    CalcAllTicks(Canvas);
    for (int i = 0; i < ChannelCount(); ++i)
        Channel(i).PrepareDraw();
    for (const bool xAxes : {true, false})
        for (TiPlotAxis* axis : PlotAxes(*FMaster, xAxes))
            axis->PrepareDraw();
    for (int i = 0; i < AnnotationCount(); ++i) {
        Annotation(i).SetDataView(&view);
        Annotation(i).SetXYAxesReversed(FMaster->XYAxesReverse());
    }
    for (int i = 0; i < DataCursorCount(); ++i)
        DataCursor(i).SetDataView(&view);

    if (FBackGroundGradientEnabled) {
        Canvas.SaveState();
        Canvas.SetClipRect({0, 0, Width(), Height()});
        FillDirectionGradient(Canvas, {0, 0, Width(), Height()}, FBackGroundGradientDirection,
                              FBackGroundGradientStartColor, FBackGroundGradientStopColor);
        Canvas.RestoreState();
    } else
        DrawBackGround(Canvas, BackGroundColor());
    view.FillBackground(Canvas);

    auto addLayer = [&](TiPlotObject& object, char letter) {
        std::string key = object.GetLayerSortKey() + letter;
        const auto at = std::lower_bound(FLayerList.begin(), FLayerList.end(), key,
                                         [](const auto& entry, const std::string& k) { return entry.first < k; });
        FLayerList.insert(at, {std::move(key), &object});
    };
    auto limits = [&](bool Filled) {
        for (int i = 0; i < LimitCount(); ++i)
            if (Limit(i).Filled() == Filled)
                addLayer(Limit(i), Filled ? 'A' : 'C');
    };
    limits(true);
    addLayer(view, 'B');
    limits(false);
    for (const bool xAxes : {false, true})
        for (TiPlotAxis* axis : PlotAxes(*FMaster, xAxes))
            if (axis->CartesianStyle() != ipcsNone)
                addLayer(*axis, xAxes ? 'E' : 'D');
    for (int i = 0; i < ChannelCount(); ++i)
        if (Channel(i).CanDraw())
            addLayer(Channel(i), 'F');
    for (int i = 0; i < AnnotationCount(); ++i)
        addLayer(Annotation(i), 'G');
    const TRect d = view.DrawRect();
    for (const auto& [key, object] : FLayerList) {
        Canvas.SaveState();
        Canvas.SetClipRect({d.Left, d.Top, d.Right + 1, d.Bottom + 1});
        try {
            object->Draw(Canvas, viewColor);
        } catch (...) {
            Canvas.RestoreState();
            throw;
        }
        Canvas.RestoreState();
    }
    view.DrawZoomBox(Canvas);

    Canvas.Brush().Color = BackGroundColor();
    Canvas.Brush().Style = bsSolid;
    DrawBorder(Canvas);
    for (const bool xAxes : {true, false})
        for (TiPlotAxis* axis : PlotAxes(*FMaster, xAxes))
            if (axis->CartesianStyle() == ipcsNone)
                axis->Draw(Canvas, BackGroundColor());
    for (int i = 0; i < LabelCount(); ++i)
        Label(i).Draw(Canvas, BackGroundColor());
    for (int i = 0; i < ToolBarCount(); ++i)
        ToolBar(i).Draw(Canvas, BackGroundColor());
    for (int i = 0; i < DataCursorCount(); ++i)
        DataCursor(i).Draw(Canvas, viewColor);
    for (int i = 0; i < LegendCount(); ++i)
        Legend(i).Draw(Canvas, BackGroundColor());
    for (int i = 0; i < TableCount(); ++i)
        Table(i).Draw(Canvas, BackGroundColor());
    FHintShowing = false;
    if (FHintData.Visible) {
        Canvas.Font() = FHintsFont;
        Canvas.Brush().Style = bsSolid;
        Canvas.Brush().Color = clInfoBk;
        Canvas.Font().Color = clInfoText;
        Canvas.Pen().Style = psClear;
        const TRect box{FHintData.Left, FHintData.Top, FHintData.Left + FHintData.Width,
                        FHintData.Top + FHintData.Height};
        Canvas.Rectangle(box);
        TRect textRect{};
        DrawTurnedText(Canvas, FHintData.Text, box, ira000, 0, true, clInfoBk, textRect);
        Canvas.Pen().Style = psSolid;
        FHintShowing = true;
    }
    FPaintingActive = false;
    if (OnAfterPaint)
        OnAfterPaint(this);
}

// ---- Input ----

TiPlotMouseData TiPlotComponent::MakeMouseData(TMouseButton Button, TShiftState Shift, int X, int Y) const
{
    TiPlotMouseData data;
    data.X = X;
    data.Y = Y;
    const TPoint screen = ClientToScreen({X, Y});
    data.ScreenX = screen.X;
    data.ScreenY = screen.Y;
    const bool reversed = FLayoutManager->XYAxesReverse();
    data.XAxisPixels = reversed ? Y : X;
    data.YAxisPixels = reversed ? X : Y;
    data.Shift = Shift;
    data.Button = Button;
    data.DblClickActive = FDBLClickActive;
    return data;
}

TiPlotObject* TiPlotComponent::ObjectAt(int X, int Y)
{
    TiPlotMouseData data = MakeMouseData(mbLeft, FShiftState, X, Y);
    const std::vector<TiPlotObject*> objects = [&] {
        std::vector<TiPlotObject*> list;
        TiPlotObjectManager& manager = *FMaster->ObjectManager();
        for (int i = 0; i < manager.Count(); ++i)
            list.push_back(manager.GetItem(i));
        return list;
    }();
    auto special = [](TiPlotObject* o) {
        return dynamic_cast<TiPlotDataView*>(o) || dynamic_cast<TiPlotDataViewLayout*>(o) ||
               dynamic_cast<TiPlotLegend*>(o);
    };
    for (const bool selectedOnly : {true, false})
        for (TiPlotObject* o : objects)
            if (o->Enabled() && o->Visible() && (!selectedOnly || o->UserSelected()) && !special(o) &&
                o->iMouseHitTest(data))
                return o->iGetMouseObject(X, Y);
    for (TiPlotObject* o : objects)
        if ((dynamic_cast<TiPlotDataView*>(o) || dynamic_cast<TiPlotLegend*>(o)) && o->Enabled() && o->Visible() &&
            o->iMouseHitTest(data))
            return o->iGetMouseObject(X, Y);
    return nullptr;
}

template <class F>
void TiPlotComponent::WithFocusEvents(F&& Action)
{
    TiPlotObjectManager& manager = *FMaster->ObjectManager();
    std::set<TiPlotObject*> before;
    for (int i = 0; i < manager.Count(); ++i)
        if (manager.GetItem(i)->UserSelected())
            before.insert(manager.GetItem(i));
    Action();
    if (!Raising())
        return;
    for (int i = 0; i < manager.Count(); ++i) {
        TiPlotObject* o = manager.GetItem(i);
        const bool was = before.count(o) > 0;
        if (was == o->UserSelected())
            continue;
        RaiseKindEvent(o->UserSelected() ? kGotFocus : kLostFocus, o);
    }
}

void TiPlotComponent::HideHint()
{
    StopInternalTimer();
    FHintData.Visible = false;
    if (FHintShowing)
        RepaintNow();
}

void TiPlotComponent::iWantSpecialKey(Word& CharCode, std::intptr_t& Result)
{
    if (CharCode >= 37 && CharCode <= 40)
        Result = 1;
}

void TiPlotComponent::iKeyDown(Word& Key, TShiftState Shift)
{
    WithFocusEvents([&] { FMaster->ObjectManager()->KeyDownFocusObjects(Key, Shift, FPopupMenu.get()); });
}

void TiPlotComponent::iMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    FShiftState = Shift;
    FMaster->ObjectManager()->SetShiftState(Shift);
    FMouseDown = true;
    const TiPlotMouseData data = MakeMouseData(Button, Shift, X, Y);
    if (CanFocus())
        SetFocus();
    HideHint();
    WithFocusEvents([&] {
        if (Button == mbRight)
            FMaster->ObjectManager()->ClearAllUserSelections();
        FMouseDownObject = ObjectAt(X, Y);
        FLastMouseClickObject = nullptr;
        TiPlotObject* o = FMouseDownObject;
        if (!o) {
            FMaster->ObjectManager()->ClearAllUserSelections();
            return;
        }
        const bool axis = dynamic_cast<TiPlotAxis*>(o) != nullptr;
        if (Shift.Contains(ssShift)) {
            FSelectingActive = axis;
            o->SetUserSelected(true);
        } else if (Shift.Contains(ssCtrl)) {
            FSelectingActive = axis;
            o->SetUserSelected(axis ? !o->UserSelected() : true);
        } else if (!dynamic_cast<TiPlotToolBar*>(o) && o->CanFocus())
            o->SetUserSelected(true);
        if (Button == mbRight)
            SetMouseCapture(true);
        RaiseMouseEvent(fDown, *o, Button, Shift, X, Y);
        const bool own = Button == mbRight || dynamic_cast<TiPlotButton*>(o) || !o->CanFocus() ||
                         KindOf(o) == TiPlotKind::Limit || KindOf(o) == TiPlotKind::Annotation;
        if (own)
            o->iMouseDown(Button, Shift, X, Y, data.ScreenX, data.ScreenY, FPopupMenu.get());
        else
            FMaster->ObjectManager()->MouseDownFocusObjects(Button, Shift, X, Y, data.ScreenX, data.ScreenY,
                                                           FPopupMenu.get());
    });
}

void TiPlotComponent::iMouseMove(TShiftState Shift, int X, int Y)
{
    if (FSelectingActive)
        return;
    try {
        if (!ClientRect().Contains({X, Y}) && !FMouseDown && MouseCapture())
            SetMouseCapture(false);
        FShiftState = Shift;
        FMaster->ObjectManager()->SetShiftState(Shift);
        const TiPlotMouseData data = MakeMouseData(mbLeft, Shift, X, Y);
        TiHintData hint;
        if (FMouseDown && FMouseDownObject) {
            TiPlotObject* o = FMouseDownObject;
            RaiseMouseEvent(fMove, *o, mbLeft, Shift, X, Y);
            if (dynamic_cast<TiPlotButton*>(o) || !o->CanFocus() || KindOf(o) == TiPlotKind::Annotation)
                o->iMouseMove(hint, Shift, X, Y, data.ScreenX, data.ScreenY, FDBLClickActive);
            else
                FMaster->ObjectManager()->MouseMoveFocusObjects(hint, Shift, X, Y, data.ScreenX, data.ScreenY,
                                                               FDBLClickActive);
            SetCursor(crDefault);
            return;
        }
        if (FMouseDownObject) {
            TiPlotObject* o = FMouseDownObject;
            FMouseDownObject = nullptr;
            o->iMouseUp(mbLeft, Shift, X, Y, data.ScreenX, data.ScreenY, FDBLClickActive, nullptr);
        }
        FMaster->ObjectManager()->MouseUpFocusObjects(mbLeft, Shift, X, Y, data.ScreenX, data.ScreenY, FDBLClickActive,
                                                     nullptr);
        TiPlotObject* o = ObjectAt(X, Y);
        if (FLastMouseOverObject && FLastMouseOverObject != o) {
            FLastMouseOverObject->MouseNotOver();
            FLastMouseOverObject = nullptr;
        }
        if (!o) {
            SetCursor(crDefault);
            HideHint();
            return;
        }
        SetCursor(o->iGetMouseCursor({X, Y}));
        RaiseMouseEvent(fMove, *o, mbLeft, Shift, X, Y);
        o->iMouseMove(hint, Shift, X, Y, data.ScreenX, data.ScreenY, FDBLClickActive);
        if (FHintsShow) {
            FHintData.Text = hint.Text;
            FHintData.Left = hint.Left;
            FHintData.Top = hint.Top;
            FHintData.Width = hint.Width;
            FHintData.Height = hint.Height;
            const bool button = dynamic_cast<TiPlotToolBarButton*>(FLastHintObject) != nullptr;
            if (FMouseDown)
                HideHint();
            else if (hint.Text.empty()) {
                HideHint();
                FLastHintObject = nullptr;
                FLastHintShowRect = {};
            } else if (FLastHintObject && FLastHintObject != o && !button) {
                HideHint();
                FLastHintObject = nullptr;
            } else if (InternalTimerActive() && FHintData.Visible &&
                       (button || dynamic_cast<TiPlotChannelCustom*>(FLastHintObject))) {
                StopInternalTimer();
                StartInternalTimer(FHintsHidePause, FHintsHidePause);
            } else if (InternalTimerActive() && FHintData.Visible) {
                HideHint();
            } else if (InternalTimerActive()) {
                StopInternalTimer();
                StartInternalTimer(FHintsPause, FHintsPause);
            } else if (!FLastHintShowRect.Contains({X, Y}) && o != FLastHintObject) {
                FLastHintX = X;
                FLastHintY = Y;
                FLastHintObject = o;
                StartInternalTimer(FHintsPause, FHintsPause);
            }
            if (FHintData.Visible)
                RepaintNow();
        }
        FLastMouseOverObject = o;
    } catch (const std::exception&) {
    }
}

void TiPlotComponent::HintTimerFired()
{
    StopInternalTimer();
    if (FHintData.Visible) {
        HideHint();
        if (MouseCapture())
            SetMouseCapture(false);
        return;
    }
    FHintData.Visible = true;
    FLastHintShowRect = {FLastHintX - 3, FLastHintY - 3, FLastHintX + 3, FLastHintY + 3};
    StartInternalTimer(FHintsHidePause, FHintsHidePause);
    RepaintNow();
}

void TiPlotComponent::CaptureLost()
{
    HideHint();
    FJustReleasedCapture = true;
    if (FLastMouseOverObject) {
        FLastMouseOverObject->MouseNotOver();
        FLastMouseOverObject = nullptr;
    }
}

void TiPlotComponent::iMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    FMouseDown = false;
    FShiftState = Shift;
    FMaster->ObjectManager()->SetShiftState(Shift);
    HideHint();
    FSelectingActive = false;
    const TiPlotMouseData data = MakeMouseData(Button, Shift, X, Y);
    TiPlotObject* o = FMouseDownObject;
    if (o) {
        RaiseMouseEvent(fUp, *o, Button, Shift, X, Y);
        o->iMouseUp(Button, Shift, X, Y, data.ScreenX, data.ScreenY, FDBLClickActive, FPopupMenu.get());
    }
    FMaster->ObjectManager()->MouseUpFocusObjects(Button, Shift, X, Y, data.ScreenX, data.ScreenY, FDBLClickActive,
                                                 FPopupMenu.get());
    FLastMouseClickObject = o;
    FLastMouseClickButton = Button;
    FLastMouseClickShift = Shift;
    FLastMouseClickX = X;
    FLastMouseClickY = Y;
    FLastMouseClickScreenX = data.ScreenX;
    FLastMouseClickScreenY = data.ScreenY;
    FMouseDownObject = nullptr;
    FDBLClickActive = false;
    if (MouseCapture())
        SetMouseCapture(false);
}

void TiPlotComponent::iDoubleClick() { FDBLClickActive = true; }

bool TiPlotComponent::iMouseWheel(int WheelDelta, TShiftState Shift, TPoint MousePos)
{
    std::vector<TiPlotObject*> selected;
    TiPlotObjectManager& manager = *FMaster->ObjectManager();
    for (int i = 0; i < manager.Count(); ++i)
        if (manager.GetItem(i)->UserSelected())
            selected.push_back(manager.GetItem(i));
    TPoint at = MousePos;
    manager.MouseWheelFocusObjects(WheelDelta, Shift, at);
    if (!Raising())
        return true;
    const TPoint client = ScreenToClient(MousePos);
    for (TiPlotObject* o : selected) {
        // Of the channels only Y-T channels take the wheel.
        if (KindOf(o) == TiPlotKind::Channel && !dynamic_cast<TiPlotChannel*>(o))
            continue;
        RaiseKindEvent(kMouseWheel, o, WheelDelta, Shift, client.X, client.Y);
    }
    return true;
}
