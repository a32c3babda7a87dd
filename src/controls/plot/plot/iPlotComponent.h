#pragma once
// TiPlotComponent: the common class of the X-Y and the Y-T plot. It holds nothing but plot
// objects, kept by the typed managers of its master manager: it adds, deletes, counts and
// finds them, forwards the four title properties to label 0, lays the objects out around the
// data view before every paint, draws them in layers clipped to the data view, hands mouse
// and key input to the object under the mouse, shows object hints after a delay, and turns
// object notifications into its published events (objects named by their index in their
// manager).

#include "controls/plot/base/iDrawing.h"
#include "controls/plot/base/iPlotHost.h"
#include "controls/plot/base/iPlotMasterManager.h"
#include "controls/plot/base/iVCLComponent.h"
#include "controls/plot/objects/iPlotAnnotation.h"
#include "controls/plot/objects/iPlotLabel.h"
#include "controls/plot/plot/iPlotLayoutManager.h"
#include "controls/plot/plot/iPlotLog.h"
#include "controls/plot/plot/iPlotTranslation.h"

#include "platform/gui/Printer.h"
#include "platform/gui/canvas/Bitmap.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TImageList;
class TMetafile;
class TPicture;
class TPopupMenu;
class TSaveDialog;
class TiPlotAnnotation;
class TiPlotChannelCustom;
class TiPlotDataCursor;
class TiPlotDataView;
class TiPlotLegend;
class TiPlotLimit;
class TiPlotTable;
class TiPlotToolBar;
class TiPlotAxis;

enum TiPlotFormStyle { ipfsModal, ipfsStayOnTop };
enum TiPlotImageFormatStyle { ipifBitmap, ipifEnhancedMetaFile, ipifJPEG, ipifPNG };
enum TiPlotExportFormat { ipefMetaFile, ipefBitmap, ipefJPEG };

/// The object kinds of a plot, in the order the event dispatch tests them.
enum class TiPlotKind { Channel, XAxis, YAxis, DataCursor, DataView, Legend, Limit, Table, Annotation, ToolBar, Label, None };

using TiPlotObjectEvent = std::function<void(int Index)>;
using TiPlotObjectMouseEvent = std::function<void(int Index, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TiPlotObjectMouseMoveEvent = std::function<void(int Index, TShiftState Shift, int X, int Y)>;
using TiPlotObjectMouseWheelEvent = std::function<void(int Index, int WheelDelta, TShiftState Shift, int X, int Y)>;
using TiPlotDataPointMouseEvent =
    std::function<void(int ChannelIndex, int DataIndex, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TiPlotDataPointMouseMoveEvent =
    std::function<void(int ChannelIndex, int DataIndex, TShiftState Shift, int X, int Y)>;
using TiPlotClickDataPointEvent = std::function<void(int ChannelIndex, int DataIndex)>;
using TiPlotDataPointMovedEvent =
    std::function<void(int ChannelIndex, int DataIndex, double OldX, double OldY, double NewX, double NewY)>;
using TiPlotObjectDoubleValueChangeEvent = std::function<void(int Index, double OldValue, double NewValue)>;
using TiPlotAxesMinSpanChangeEvent =
    std::function<void(int Index, double OldMin, double OldSpan, double NewMin, double NewSpan)>;
using TiPlotAxesCustomizeLabelEvent = std::function<void(int Index, double Value, std::string& ALabel)>;
using TiPlotObjectCustomizeTextEvent = std::function<void(int Index, std::string& AText)>;
using TiPlotDataPointCustomizeTextEvent = std::function<void(int ChannelIndex, int DataPointIndex, std::string& AText)>;
using TiPlotToolBarButtonEvent = std::function<void(int Index, int ButtonType)>;
using TiPlotToolBarButtonBeforeEvent = std::function<void(int Index, int ButtonType, bool& Cancel)>;
using TiPlotObjectGetMouseCursorEvent = std::function<void(int Index, TCursor& MouseCursor)>;
using TiPlotPopupMenuEvent = std::function<void(int Index, bool& Cancel, int ScreenX, int ScreenY)>;
using TiPlotZoomBoxEvent = std::function<void(TRect& ZoomRect, bool& Cancel)>;
using TiPlotBeforePrintPageEvent = std::function<void(int PageIndex, bool LastPage)>;

/// The texts with which printing and the print preview refuse a plot or page.
namespace iPlotPrintText {
inline constexpr const char* ErrorPrinting = "Error Printing : ";
inline constexpr const char* NoPlotSize = "The plot has no size to print";
inline constexpr const char* NoPrintableArea = "The margins leave no printable area";
} // namespace iPlotPrintText

// Event families, one event per object kind.
#define QX_PLOT_KINDS_8(X, Family, Type)                                                                             \
    X(Family, Channel, Type) X(Family, XAxis, Type) X(Family, YAxis, Type) X(Family, DataCursor, Type)               \
        X(Family, DataView, Type) X(Family, Legend, Type) X(Family, Limit, Type) X(Family, Annotation, Type)
#define QX_PLOT_KINDS_7(X, Family, Type)                                                                             \
    X(Family, Channel, Type) X(Family, XAxis, Type) X(Family, YAxis, Type) X(Family, DataCursor, Type)               \
        X(Family, DataView, Type) X(Family, Legend, Type) X(Family, Annotation, Type)
#define QX_PLOT_KINDS_9(X, Family, Type) QX_PLOT_KINDS_8(X, Family, Type) X(Family, Table, Type)
#define QX_PLOT_EVENT_FIELD(Family, Kind, Type) Type On##Family##Kind;

class TiPlotComponent : public TiVCLComponent, public TiPlotHost, public TiPlotImageListSource
{
public:
    explicit TiPlotComponent(TComponent* AOwner);
    ~TiPlotComponent() override;

    void Loaded() override;
    /// A layout reads the plot's objects: the layout manager is off and an update open until
    /// Loaded.
    void BeginStreamRead();
    /// Whether a layout stores the kind's collection: when the plot holds objects of the
    /// kind, and also when it holds none but its class makes some when constructed (written
    /// empty, the collection reads back empty).
    bool StoresKind(TiPlotKind K) const;
    /// The collection through which a layout reads (BeginStreamRead) and writes the kind's
    /// objects.
    TiPlotManagerItems* KindItems(TiPlotKind K);
    /// Notes the kinds of the objects the plot holds as the ones its class makes; the
    /// concrete plots call it once their default objects are in.
    void NoteDefaultObjects();
    TiPlotMasterManager& Master() const { return *FMaster; }
    TiPlotLayoutManager& LayoutManager() const { return *FLayoutManager; }
    TiPlotTranslationManager& TranslationManager() { return FTranslationManager; }

    // ---- Objects ----
    virtual int AddChannel() { return FMaster->AddChannel(); }
    virtual int AddDataView() { return FMaster->AddDataView(); }
    virtual int AddDataCursor() { return FMaster->AddDataCursor(); }
    virtual int AddXAxis() { return FMaster->AddXAxis(); }
    virtual int AddYAxis() { return FMaster->AddYAxis(); }
    virtual int AddLegend() { return FMaster->AddLegend(); }
    virtual int AddTable() { return FMaster->AddTable(); }
    virtual int AddToolBar() { return FMaster->AddToolBar(); }
    virtual int AddLimit() { return FMaster->AddLimit(); }
    virtual int AddLabel() { return FMaster->AddLabel(); }
    /// A new annotation takes the annotation defaults (pen, brush, references, font).
    virtual int AddAnnotation();
    int AddTranslation(const std::string& OriginalString, const std::string& ReplacementString);

    void DeleteChannel(int Index) { DeleteFrom(Kind(TiPlotKind::Channel), Index); }
    void DeleteDataView(int Index) { DeleteFrom(Kind(TiPlotKind::DataView), Index); }
    void DeleteDataCursor(int Index) { DeleteFrom(Kind(TiPlotKind::DataCursor), Index); }
    void DeleteXAxis(int Index) { DeleteFrom(Kind(TiPlotKind::XAxis), Index); }
    void DeleteYAxis(int Index) { DeleteFrom(Kind(TiPlotKind::YAxis), Index); }
    void DeleteLegend(int Index) { DeleteFrom(Kind(TiPlotKind::Legend), Index); }
    void DeleteTable(int Index) { DeleteFrom(Kind(TiPlotKind::Table), Index); }
    void DeleteToolBar(int Index) { DeleteFrom(Kind(TiPlotKind::ToolBar), Index); }
    void DeleteLimit(int Index) { DeleteFrom(Kind(TiPlotKind::Limit), Index); }
    void DeleteAnnotation(int Index) { DeleteFrom(Kind(TiPlotKind::Annotation), Index); }
    /// Label 0 is the title and is refused.
    void DeleteLabel(int Index);
    void DeleteTranslation(int Index) { FTranslationManager.Delete(Index); }

    void RemoveAllChannels() { ClearKind(TiPlotKind::Channel); }
    void RemoveAllDataViews() { ClearKind(TiPlotKind::DataView); }
    void RemoveAllDataCursors() { ClearKind(TiPlotKind::DataCursor); }
    void RemoveAllXAxes() { ClearKind(TiPlotKind::XAxis); }
    void RemoveAllYAxes() { ClearKind(TiPlotKind::YAxis); }
    void RemoveAllLegends() { ClearKind(TiPlotKind::Legend); }
    void RemoveAllTables() { ClearKind(TiPlotKind::Table); }
    void RemoveAllToolBars() { ClearKind(TiPlotKind::ToolBar); }
    void RemoveAllLimits() { ClearKind(TiPlotKind::Limit); }
    void RemoveAllAnnotations() { ClearKind(TiPlotKind::Annotation); }
    /// Label 0 (the title) stays.
    void RemoveAllLabels();
    void RemoveAllTranslations() { FTranslationManager.Clear(); }

    int ChannelCount() const { return Kind(TiPlotKind::Channel)->Count(); }
    int DataViewCount() const { return Kind(TiPlotKind::DataView)->Count(); }
    int DataCursorCount() const { return Kind(TiPlotKind::DataCursor)->Count(); }
    int XAxisCount() const { return Kind(TiPlotKind::XAxis)->Count(); }
    int YAxisCount() const { return Kind(TiPlotKind::YAxis)->Count(); }
    int LegendCount() const { return Kind(TiPlotKind::Legend)->Count(); }
    int TableCount() const { return Kind(TiPlotKind::Table)->Count(); }
    int ToolBarCount() const { return Kind(TiPlotKind::ToolBar)->Count(); }
    int LimitCount() const { return Kind(TiPlotKind::Limit)->Count(); }
    int LabelCount() const { return Kind(TiPlotKind::Label)->Count(); }
    int AnnotationCount() const { return Kind(TiPlotKind::Annotation)->Count(); }
    int TranslationCount() const { return FTranslationManager.Count(); }
    std::string GetTranslationOriginalString(int Index) const { return FTranslationManager.Item(Index).OriginalString(); }
    std::string GetTranslationReplacementString(int Index) const
    {
        return FTranslationManager.Item(Index).ReplacementString();
    }

    // Typed access (an index outside the list raises the list's index error).
    TiPlotChannelCustom& Channel(int Index) const;
    TiPlotAxis& XAxis(int Index) const;
    TiPlotAxis& YAxis(int Index) const;
    TiPlotDataView& DataView(int Index) const;
    TiPlotDataCursor& DataCursor(int Index) const;
    TiPlotLegend& Legend(int Index) const;
    TiPlotTable& Table(int Index) const;
    TiPlotToolBar& ToolBar(int Index) const;
    TiPlotLabel& Label(int Index) const;
    TiPlotLimit& Limit(int Index) const;
    TiPlotAnnotation& Annotation(int Index) const;
    TiPlotObject* GetObjectByName(TiPlotKind Kind, const std::string& Value) const;
    int GetIndexByName(TiPlotKind Kind, const std::string& Value) const;
    TiPlotChannelCustom* GetChannelByName(const std::string& Value) const;
    TiPlotAxis* GetXAxisByName(const std::string& Value) const;
    TiPlotAxis* GetYAxisByName(const std::string& Value) const;
    /// The kind of an object by the manager that lists it.
    TiPlotKind KindOf(const TObject* Object, int* Index = nullptr) const;
    /// The object's index in the manager that lists it, -1 when none does.
    int IndexIn(const TObject* Object) const;

    // ---- Property file ----
    /// "File Type = Plot Config", the object counts, one section a object, the plot's own lines.
    void SavePropertiesToFile(const std::string& FileName) override;
    /// Refused before anything changes when the file is of another type or the plot has no
    /// toolbar 0 or label 0 (the sections that stay); the layout manager is on again and the
    /// update closed after a failure part way.
    void LoadPropertiesFromFile(const std::string& FileName) override;

    /// "AnnotationCount = " and one section a annotation, every value written.
    void SaveAnnotationsToFile(const std::string& FileName);
    /// Replaces the annotations by the file's; a file that cannot be read changes nothing.
    void LoadAnnotationsFromFile(const std::string& FileName);
    const std::string& LastPropertiesFileName() const { return FLastPropertiesFileName; }

    // ---- Translation file ----
    void SaveTranslationsToFile(const std::string& FileName) { FTranslationManager.SaveToFile(FileName); }
    void LoadTranslationsFromFile(const std::string& FileName) { FTranslationManager.LoadFromFile(FileName); }

    // ---- Data files and logging ----
    /// Every channel's points in DataFileFormat, the file created anew.
    void SaveDataToFile(const std::string& FileName);
    /// Appends a data file's or a log's points to the channels; the file is read whole first,
    /// so a file that fails to read adds nothing.
    void LoadDataFromFile(const std::string& FileName);
    const std::string& LastDataFileName() const { return FLastDataFileName; }
    void LogActivate(bool Append);
    /// Writes the rows still counted.
    void LogDeactivate();
    /// One value a channel at XValue, element k to channel k: the null and empty markers
    /// (between 1e-301 and 1e-300, 1e-302 and 1e-301) add a null or an empty point. An array
    /// longer than the plot has channels is refused before anything is added.
    void AddDataArray(double XValue, const std::vector<double>& Data);
    /// Data[i - FirstChannel][j] is sample j of channel i; each sample goes at the channel's
    /// last X + XValue (0 for its first point). All rows must be equally long and every
    /// channel must exist, else nothing is added.
    void AddDataArray(double XValue, const std::vector<std::vector<double>>& Data, int FirstChannel = 0);

    // ---- Layout ----
    void DisableLayoutManager() { FLayoutManager->SetEnabled(false); }
    void EnableLayoutManager() { FLayoutManager->SetEnabled(true); }
    void RefreshLayoutManager();
    /// Paints the plot into a bitmap of its size so object rectangles are current.
    void ReCalcLayout() override;
    int DataViewZHorz() const { return FLayoutManager->DataViewHorz().ZOrder(); }
    void SetDataViewZHorz(int Value) { FLayoutManager->DataViewHorz().SetZOrder(Value); }
    int DataViewZVert() const { return FLayoutManager->DataViewVert().ZOrder(); }
    void SetDataViewZVert(int Value) { FLayoutManager->DataViewVert().SetZOrder(Value); }
    bool XYAxesReverse() const { return FLayoutManager->XYAxesReverse(); }
    void SetXYAxesReverse(bool Value);
    const std::vector<TiPlotLayoutObject*>& VisibleList(int Side) const { return FVisibleLists[Side]; }

    // ---- Published properties ----
    bool UserCanEditObjects() const { return FMaster->UserCanEditObjects(); }
    void SetUserCanEditObjects(bool Value) { FMaster->SetUserCanEditObjects(Value); }
    bool UserCanAddRemoveChannels() const { return FUserCanAddRemoveChannels; }
    void SetUserCanAddRemoveChannels(bool Value) { FUserCanAddRemoveChannels = Value; }
    int OuterMarginLeft() const { return FOuterMarginLeft; }
    void SetOuterMarginLeft(int Value) { SetMargin(Value, FOuterMarginLeft); }
    int OuterMarginTop() const { return FOuterMarginTop; }
    void SetOuterMarginTop(int Value) { SetMargin(Value, FOuterMarginTop); }
    int OuterMarginRight() const { return FOuterMarginRight; }
    void SetOuterMarginRight(int Value) { SetMargin(Value, FOuterMarginRight); }
    int OuterMarginBottom() const { return FOuterMarginBottom; }
    void SetOuterMarginBottom(int Value) { SetMargin(Value, FOuterMarginBottom); }
    TPrinterOrientation PrintOrientation() const { return FPrintOrientation; }
    void SetPrintOrientation(TPrinterOrientation Value) { FPrintOrientation = Value; }
    double PrintMarginLeft() const { return FPrintMarginLeft; }
    void SetPrintMarginLeft(double Value) { FPrintMarginLeft = Value; }
    double PrintMarginTop() const { return FPrintMarginTop; }
    void SetPrintMarginTop(double Value) { FPrintMarginTop = Value; }
    double PrintMarginRight() const { return FPrintMarginRight; }
    void SetPrintMarginRight(double Value) { FPrintMarginRight = Value; }
    double PrintMarginBottom() const { return FPrintMarginBottom; }
    void SetPrintMarginBottom(double Value) { FPrintMarginBottom = Value; }
    bool PrintShowDialog() const { return FPrintShowDialog; }
    void SetPrintShowDialog(bool Value) { FPrintShowDialog = Value; }
    const std::string& PrintDocumentName() const { return FPrintDocumentName; }
    void SetPrintDocumentName(const std::string& Value) { FPrintDocumentName = Value; }
    const std::string& PrinterName() const { return FPrinterName; }
    void SetPrinterName(const std::string& Value) { FPrinterName = Value; }
    int HintsPause() const { return FHintsPause; }
    void SetHintsPause(int Value) { FHintsPause = Value; }
    int HintsHidePause() const { return FHintsHidePause; }
    void SetHintsHidePause(int Value) { FHintsHidePause = Value; }
    bool HintsShow() const { return FHintsShow; }
    void SetHintsShow(bool Value) { FHintsShow = Value; }
    const TFont& GetHintsFont() const { return FHintsFont; }
    void SetHintsFont(const TFont& Value) { FHintsFont = Value; }
    TiPlotFormStyle EditorFormStyle() const { return FEditorFormStyle; }
    void SetEditorFormStyle(TiPlotFormStyle Value) { FEditorFormStyle = Value; }
    TiPlotExportFormat CopyToClipBoardFormat() const { return FCopyToClipBoardFormat; }
    void SetCopyToClipBoardFormat(TiPlotExportFormat Value) { FCopyToClipBoardFormat = Value; }
    bool TitleVisible() const;
    void SetTitleVisible(bool Value);
    std::string TitleText() const;
    void SetTitleText(const std::string& Value);
    TFont TitleFont() const;
    void SetTitleFont(const TFont& Value);
    double TitleMargin() const;
    void SetTitleMargin(double Value);
    const std::string& LogFileName() const { return FLogFileName; }
    void SetLogFileName(const std::string& Value);
    int LogBufferSize() const { return FLogBufferSize; }
    void SetLogBufferSize(int Value) { FLogBufferSize = Value; }
    bool LoggingActive() const { return FLoggingActive; }
    // The settings a new annotation starts with.
    const TFont& AnnotationDefaultFont() const { return FAnnotationDefaultFont; }
    void SetAnnotationDefaultFont(const TFont& Value) { FAnnotationDefaultFont = Value; }
    TBrushStyle AnnotationDefaultBrushStlye() const { return FAnnotationDefaultBrushStlye; }
    void SetAnnotationDefaultBrushStlye(TBrushStyle Value) { FAnnotationDefaultBrushStlye = Value; }
    TColor AnnotationDefaultBrushColor() const { return FAnnotationDefaultBrushColor; }
    void SetAnnotationDefaultBrushColor(TColor Value) { FAnnotationDefaultBrushColor = Value; }
    TPenStyle AnnotationDefaultPenStlye() const { return FAnnotationDefaultPenStlye; }
    void SetAnnotationDefaultPenStlye(TPenStyle Value) { FAnnotationDefaultPenStlye = Value; }
    TColor AnnotationDefaultPenColor() const { return FAnnotationDefaultPenColor; }
    void SetAnnotationDefaultPenColor(TColor Value) { FAnnotationDefaultPenColor = Value; }
    int AnnotationDefaultPenWidth() const { return FAnnotationDefaultPenWidth; }
    void SetAnnotationDefaultPenWidth(int Value) { FAnnotationDefaultPenWidth = Value; }
    TiPlotReferenceType AnnotationDefaultReference() const { return FAnnotationDefaultReference; }
    void SetAnnotationDefaultReference(TiPlotReferenceType Value) { FAnnotationDefaultReference = Value; }
    TiPlotReferenceIndividual AnnotationDefaultReferencePositionX() const { return FAnnotationDefaultReferences[0]; }
    void SetAnnotationDefaultReferencePositionX(TiPlotReferenceIndividual V) { FAnnotationDefaultReferences[0] = V; }
    TiPlotReferenceIndividual AnnotationDefaultReferencePositionY() const { return FAnnotationDefaultReferences[1]; }
    void SetAnnotationDefaultReferencePositionY(TiPlotReferenceIndividual V) { FAnnotationDefaultReferences[1] = V; }
    TiPlotReferenceIndividual AnnotationDefaultReferenceSizeX() const { return FAnnotationDefaultReferences[2]; }
    void SetAnnotationDefaultReferenceSizeX(TiPlotReferenceIndividual V) { FAnnotationDefaultReferences[2] = V; }
    TiPlotReferenceIndividual AnnotationDefaultReferenceSizeY() const { return FAnnotationDefaultReferences[3]; }
    void SetAnnotationDefaultReferenceSizeY(TiPlotReferenceIndividual V) { FAnnotationDefaultReferences[3] = V; }
    bool ClipAnnotationsToAxes() const { return FClipAnnotationsToAxes; }
    void SetClipAnnotationsToAxes(bool Value) { SetRepainting(Value, FClipAnnotationsToAxes); }
    bool BackGroundGradientEnabled() const { return FBackGroundGradientEnabled; }
    void SetBackGroundGradientEnabled(bool Value) { SetRepainting(Value, FBackGroundGradientEnabled); }
    TiFillDirection BackGroundGradientDirection() const { return FBackGroundGradientDirection; }
    void SetBackGroundGradientDirection(TiFillDirection Value) { SetRepainting(Value, FBackGroundGradientDirection); }
    TColor BackGroundGradientStartColor() const { return FBackGroundGradientStartColor; }
    void SetBackGroundGradientStartColor(TColor Value) { SetRepainting(Value, FBackGroundGradientStartColor); }
    TColor BackGroundGradientStopColor() const { return FBackGroundGradientStopColor; }
    void SetBackGroundGradientStopColor(TColor Value) { SetRepainting(Value, FBackGroundGradientStopColor); }
    TiPlotDataFileColumnSeparator DataFileColumnSeparator() const { return FDataFileColumnSeparator; }
    void SetDataFileColumnSeparator(TiPlotDataFileColumnSeparator Value);
    TiPlotDataFileFormat DataFileFormat() const { return FDataFileFormat; }
    void SetDataFileFormat(TiPlotDataFileFormat Value);
    const std::string& DefaultSaveImageDirectory() const { return FDefaultSaveImageDirectory; }
    void SetDefaultSaveImageDirectory(const std::string& Value) { FDefaultSaveImageDirectory = Value; }
    TiPlotImageFormatStyle DefaultSaveImageFormat() const { return FDefaultSaveImageFormat; }
    void SetDefaultSaveImageFormat(TiPlotImageFormatStyle Value) { FDefaultSaveImageFormat = Value; }
    const std::string& DefaultPropertyDirectory() const { return FDefaultPropertyDirectory; }
    void SetDefaultPropertyDirectory(const std::string& Value) { FDefaultPropertyDirectory = Value; }
    const std::string& DefaultDataDirectory() const { return FDefaultDataDirectory; }
    void SetDefaultDataDirectory(const std::string& Value) { FDefaultDataDirectory = Value; }
    const std::string& DefaultAnnotationDirectory() const { return FDefaultAnnotationDirectory; }
    void SetDefaultAnnotationDirectory(const std::string& Value) { FDefaultAnnotationDirectory = Value; }
    bool DifferentialPropertySave() const override { return FDifferentialPropertySave; }
    void SetDifferentialPropertySave(bool Value) { FDifferentialPropertySave = Value; }

    // ---- Output: clipboard, image files, printing ----
    /// Copies the plot without toolbars or selections in CopyToClipBoardFormat: the drawing
    /// (SVG) together with its bitmap, the bitmap alone, or the JPEG picture.
    void CopyToClipBoard();
    /// The plot drawn into a drawing (SVG) held by a picture the plot owns and reuses.
    TPicture& GetSnapShotPicture();
    /// The image save dialog; the chosen name's last three characters pick the format
    /// ("bmp", "svg", "jpg", "png", case-sensitive); any other ending saves nothing.
    void Save();
    /// Prints the plot on the program's printer, one page per span of the first X axis;
    /// failures are raised as "Error Printing : " with the reason, after everything the
    /// printing changed is restored.
    void PrintChart();
    /// Shows the print preview window modally, with copies of the print margins,
    /// orientation and document name; its settings dialog changes them in the plot. A plot
    /// without size, or margins that leave the page no printable area, are refused with
    /// "Error Printing : " and the reason before the window opens.
    void PreviewChart();
    /// Height := Width scaled to the paper of the last print job (nothing before one).
    void PrintSizeToFillPage();
    /// Sets the first X axis' span (in days) so that one millimetre of print spans the minutes.
    void PrintAdjustXSpanToMinutesPerMillimeter(double MinutesPerMillimeter);
    double PrinterPaperWidthInches() const { return FPrinterPaperWidthInches; }
    double PrinterPaperHeightInches() const { return FPrinterPaperHeightInches; }
    double PrinterPaperWidthCentimeters() const { return FPrinterPaperWidthCentimeters; }
    double PrinterPaperHeightCentimeters() const { return FPrinterPaperHeightCentimeters; }
    int PrinterPaperWidthPixels() const { return FPrinterPaperWidthPixels; }
    int PrinterPaperHeightPixels() const { return FPrinterPaperHeightPixels; }

    // ---- Image lists ----
    TImageList* PlotImageList(int Index) override;
    void ImageListClear(int ImageListIndex);
    void ImageListAdd(int ImageListIndex, const TBitmap& ABitmap);
    /// A picture compiled into the program, added as ImageListAdd does; a number names the
    /// picture "#number". The program has one module, so Instance is not consulted.
    void ImageListLoadFromResourceName(int ImageListIndex, std::intptr_t Instance, const std::string& ResName);
    void ImageListLoadFromResourceID(int ImageListIndex, std::intptr_t Instance, int ResID);
    /// The pictures of image list Index (0 to 2) in the image list's own stream format, as a
    /// layout stores them ("ImageList0" to "ImageList2"), and back: a stream that is no
    /// image list raises EReadError "Failed to read ImageList data from stream" and leaves
    /// the list as it was.
    std::vector<std::uint8_t> ImageListStream(int ImageListIndex) const;
    void SetImageListStream(int ImageListIndex, const std::vector<std::uint8_t>& Stream);
    int ImageListCount(int ImageListIndex) const;

    // ---- Data ----
    /// One value a channel: a one-dimensional array gives element k to channel k - low
    /// bound at X = XValue (the null and empty markers add null and empty points to X-Y
    /// channels); a two-dimensional one gives each channel i its samples [i, j], X advancing
    /// by XValue. An array that addresses a channel the plot lacks adds nothing.
    void AddDataArray(double XValue, const TiVariantArray& Data);
    /// Appends points StartIndex..StopIndex of one channel to another, flags included.
    void TransferChannelData(int SourceChannelIndex, int DestinationChannelIndex, int StartIndex, int StopIndex);
    void ClearAllData();
    void DisableAllTracking();
    void EnableAllTracking();

    // ---- Input state (read by tests and objects) ----
    const TiHintData& HintData() const { return FHintData; }
    bool HintShowing() const { return FHintShowing; }
    TiPlotObject* MouseDownObject() const { return FMouseDownObject; }
    TiPlotObject* LastMouseOverObject() const { return FLastMouseOverObject; }
    TiPlotObject* LastMouseClickObject() const { return FLastMouseClickObject; }
    bool SelectingActive() const { return FSelectingActive; }
    bool PaintingActive() const { return FPaintingActive; }
    /// The object under a client point, as the mouse finds it.
    TiPlotObject* ObjectAt(int X, int Y);
    TPopupMenu& PopupMenu() const { return *FPopupMenu; }
    /// The hint timer fired (the control's internal timer).
    void HintTimerFired();
    /// The window took the mouse capture away.
    void CaptureLost();

    // ---- TiPlotHost ----
    TiPlotMasterManager& MasterManager() override { return *FMaster; }
    TCanvas& HintCanvas() override { return FHintBitmap.Canvas(); }
    void DoAxisMinChange(TiPlotObject& Axis, double OldMin, double NewMin) override;
    void DoAxisSpanChange(TiPlotObject& Axis, double OldSpan, double NewSpan) override;
    void DoAxisMinSpanChange(TiPlotObject& Axis, double OldMin, double OldSpan, double NewMin, double NewSpan) override;
    void DoAxisMinSpanChangeFinished(TiPlotObject& Axis, double OldMin, double OldSpan, double NewMin,
                                     double NewSpan) override;
    void DoAxisCustomizeLabel(TiPlotObject& Axis, double Value, std::string& ALabel) override;
    void DoAxisCustomizeHint(TiPlotObject& Axis, std::string& AHint) override;
    void DoObjectClick(TiPlotObject& Object) override;
    void DoObjectMouseCursor(TiPlotObject& Object, TCursor& Cursor) override;
    bool DoPopupMenu(TiPlotObject& Object, int ScreenX, int ScreenY) override;
    bool DoBeforeZoomBox(TRect& ZoomRect) override;
    std::string TranslateText(const std::string& Text) override { return FTranslationManager.FindReplacement(Text); }
    bool AxesCollisionAccept(const TRect& R) override;
    void AxesCollisionAdd(const TRect& R) override { FAxesCollisionList.push_back(R); }
    bool ToolBarSelectMode() override;
    bool ToolBarZoomBoxMode() override;
    bool& MasterUIInputBlock() override { return FMasterAxisBlock; }
    void ToolBarOutput(int ButtonType) override;
    void DoLimitLinePositionChange(TiPlotObject& Limit, int Line, double OldValue, double NewValue) override;
    void DoAnnotationNotice(TiPlotObject& Annotation, int Notice) override;
    bool AnnotationsClipToAxes() override { return FClipAnnotationsToAxes; }
    void DoDataPointMouse(TiPlotMouseNotice Notice, TiPlotObject& Channel, int DataIndex,
                          const TiPlotMouseData& MouseData) override;
    void DoDataPointClick(TiPlotObject& Channel, int DataIndex) override;
    void DoDataPointMoved(TiPlotObject& Channel, int DataIndex, double OldX, double OldY, double NewX,
                          double NewY) override;
    void DoDataPointCustomizeHint(TiPlotObject& Channel, int DataIndex, std::string& Text) override;
    bool DoBeforeToolBarButtonClick(TiPlotObject& ToolBar, int Type) override;
    void DoToolBarButtonClick(TiPlotObject& ToolBar, int Type) override;
    void DoToolBarCustomizeHint(TiPlotObject& ToolBar, std::string& Text) override;
    void DoBeforeDataCursorUpdate(TiPlotObject& Cursor) override;
    void DoDataCursorChange(TiPlotObject& Cursor) override;
    void DoDataCursorCustomizeHint(TiPlotObject& Cursor, std::string& Text) override;
    const TFont* HintsFont() override { return &FHintsFont; }
    char DataFileSeparator() override { return FDataFileColumnSeparator == ipdfcsComma ? ',' : '\t'; }

    // ---- Events ----
    QX_PLOT_KINDS_8(QX_PLOT_EVENT_FIELD, MouseDown, TiPlotObjectMouseEvent)
    QX_PLOT_KINDS_8(QX_PLOT_EVENT_FIELD, MouseMove, TiPlotObjectMouseMoveEvent)
    QX_PLOT_KINDS_8(QX_PLOT_EVENT_FIELD, MouseUp, TiPlotObjectMouseEvent)
    QX_PLOT_KINDS_8(QX_PLOT_EVENT_FIELD, Click, TiPlotObjectEvent)
    QX_PLOT_KINDS_8(QX_PLOT_EVENT_FIELD, DblClick, TiPlotObjectEvent)
    QX_PLOT_KINDS_8(QX_PLOT_EVENT_FIELD, MouseWheel, TiPlotObjectMouseWheelEvent)
    QX_PLOT_KINDS_8(QX_PLOT_EVENT_FIELD, PopupMenu, TiPlotPopupMenuEvent)
    QX_PLOT_KINDS_7(QX_PLOT_EVENT_FIELD, GotFocus, TiPlotObjectEvent)
    QX_PLOT_KINDS_7(QX_PLOT_EVENT_FIELD, LostFocus, TiPlotObjectEvent)
    QX_PLOT_KINDS_9(QX_PLOT_EVENT_FIELD, Add, TiPlotObjectEvent)
    QX_PLOT_KINDS_9(QX_PLOT_EVENT_FIELD, Remove, TiPlotObjectEvent)
    QX_PLOT_KINDS_9(QX_PLOT_EVENT_FIELD, GetMouseCursor, TiPlotObjectGetMouseCursorEvent)
    TiPlotDataPointMouseEvent OnMouseDownDataPoint, OnMouseUpDataPoint;
    TiPlotDataPointMouseMoveEvent OnMouseMoveDataPoint;
    TiPlotClickDataPointEvent OnClickDataPoint, OnDblClickDataPoint;
    TiPlotDataPointMovedEvent OnDataPointMoved;
    TNotifyEvent OnBeforeLoadProperties, OnAfterLoadProperties, OnAfterSaveProperties;
    TNotifyEvent OnAfterSaveData, OnAfterLoadData;
    TiPlotObjectEvent OnDataCursorChange, OnBeforeDataCursorUpdate;
    TiPlotObjectEvent OnAnnotationCoordinatesChange, OnAnnotationMoveUser, OnAnnotationResizeUser,
        OnAnnotationCoordinatesChangeFinished;
    TiPlotObjectDoubleValueChangeEvent OnLimitLine1PositionChange, OnLimitLine2PositionChange;
    TiPlotObjectDoubleValueChangeEvent OnXAxisMinChange, OnXAxisSpanChange, OnYAxisMinChange, OnYAxisSpanChange;
    TiPlotAxesMinSpanChangeEvent OnXAxisMinSpanChange, OnXAxisMinSpanChangeFinished, OnYAxisMinSpanChange,
        OnYAxisMinSpanChangeFinished;
    TiPlotAxesCustomizeLabelEvent OnXAxisCustomizeLabel, OnYAxisCustomizeLabel;
    TiPlotObjectCustomizeTextEvent OnDataCursorCustomizeHint, OnXAxisCustomizeHint, OnYAxisCustomizeHint,
        OnToolBarCustomizeHint;
    TiPlotDataPointCustomizeTextEvent OnDataPointCustomizeHint;
    TiPlotToolBarButtonEvent OnToolBarButtonClick;
    TiPlotToolBarButtonBeforeEvent OnBeforeToolBarButtonClick;
    TiPlotZoomBoxEvent OnBeforeZoomBox;
    TNotifyEvent OnAfterPaint;
    TNotifyEvent OnBeforePrint, OnAfterPrint;
    /// The run-time editor has been placed and is about to show; it is the sender.
    TNotifyEvent OnAfterOpenEditor;
    /// The run-time editor is being freed; it is the sender.
    TNotifyEvent OnAfterCloseEditor;
    TiPlotBeforePrintPageEvent OnBeforePrintPage;

protected:
    void iPaint(TCanvas& Canvas) override;
    void iWantSpecialKey(Word& CharCode, std::intptr_t& Result) override;
    void iKeyDown(Word& Key, TShiftState Shift) override;
    void iMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void iMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void iMouseMove(TShiftState Shift, int X, int Y) override;
    void iDoubleClick() override;
    bool iMouseWheel(int WheelDelta, TShiftState Shift, TPoint MousePos) override;

private:
    TiPlotObjectManagerCustom* Kind(TiPlotKind Kind) const;
    void DeleteFrom(TiPlotObjectManagerCustom* Manager, int Index);
    void ClearKind(TiPlotKind Kind);
    void ObjectInserted(TObject* Sender);
    void ObjectRemoved(TObject* Sender);
    template <class T>
    void SetRepainting(T Value, T& Field)
    {
        if (Value == Field)
            return;
        Field = Value;
        InvalidateChange();
    }
    void SetMargin(int Value, int& Field) { SetRepainting(Value, Field); }
    std::vector<TiPlotChannelCustom*> Channels() const;
    /// The property file's lines after its type: counts, sections, the plot's own lines.
    void ApplyPropertyLines(std::vector<std::string> lines);
    void ApplyAnnotationLines(int Count, std::vector<std::string> lines);
    /// Runs Apply on a fresh plot of this plot's class (nothing when the class cannot be
    /// made by name), so a file is tried whole before this plot changes.
    void TryOnFreshPlot(const std::function<void(TiPlotComponent&)>& Apply) const;
    /// Counts rows for the log and writes them when LogBufferSize is reached.
    void LogRowsAdded(int Rows);
    void LogFlush();

    void LayoutPass(TCanvas& Canvas);
    void PrintPages();
    /// Runs Action with all toolbars hidden and no selections, inside an update; the
    /// toolbars come back as toolbar 0 was, also when Action raises.
    template <class F>
    void WithoutToolBars(F&& Action);
    void CalcAllTicks(TCanvas& Canvas);
    TiPlotMouseData MakeMouseData(TMouseButton Button, TShiftState Shift, int X, int Y) const;
    void HideHint();
    bool Raising() const { return !IsLoading(); }
    void RaiseMouseEvent(int Family, TiPlotObject& Object, TMouseButton Button, TShiftState Shift, int X, int Y);
    /// Raises the focus events of the objects whose selection Action changed.
    template <class F>
    void WithFocusEvents(F&& Action);
    /// Raises the event of the object's kind from a table of one event family, with the
    /// object's index in its manager first.
    template <class E, class... A>
    void RaiseKindEvent(const std::array<E TiPlotComponent::*, 12>& Table, const TObject* Object, A... Args);

    std::unique_ptr<TiPlotMasterManager> FMaster;
    std::unique_ptr<TiPlotLayoutManager> FLayoutManager;
    TiPlotTranslationManager FTranslationManager;
    std::vector<std::pair<std::string, TiPlotObject*>> FLayerList;
    TiHintData FHintData;
    int FLastHintX = 0, FLastHintY = 0;
    TRect FLastHintShowRect{};
    TiPlotObject* FLastHintObject = nullptr;
    bool FHintShowing = false;
    TFont FHintsFont;
    std::vector<TRect> FAxesCollisionList;
    TShiftState FShiftState;
    std::unique_ptr<TPopupMenu> FPopupMenu;
    std::unique_ptr<TImageList> FImageLists[3];
    std::string FDefaultSaveImageDirectory;
    TiPlotImageFormatStyle FDefaultSaveImageFormat = ipifBitmap;
    std::string FDefaultPropertyDirectory, FDefaultDataDirectory, FDefaultAnnotationDirectory;
    bool FMasterAxisBlock = false;
    bool FUserCanAddRemoveChannels = false;
    bool FPrintShowDialog = true;
    TPrinterOrientation FPrintOrientation = poLandscape;
    double FPrintMarginTop = 1.0, FPrintMarginLeft = 1.0, FPrintMarginRight = 1.0, FPrintMarginBottom = 1.0;
    std::string FPrintDocumentName = "Untitled";
    std::string FPrinterName;
    bool FMouseDown = false;
    TiPlotObject* FMouseDownObject = nullptr;
    TiPlotObject* FLastMouseOverObject = nullptr;
    TiPlotObject* FLastMouseClickObject = nullptr;
    TMouseButton FLastMouseClickButton = mbLeft;
    TShiftState FLastMouseClickShift;
    int FLastMouseClickX = 0, FLastMouseClickY = 0, FLastMouseClickScreenX = 0, FLastMouseClickScreenY = 0;
    std::vector<TiPlotLayoutObject*> FVisibleLists[4]; // left, right, top, bottom
    int FOuterMarginTop = 5, FOuterMarginLeft = 5, FOuterMarginRight = 5, FOuterMarginBottom = 5;
    bool FSelectingActive = false;
    bool FJustReleasedCapture = false;
    TiPlotFormStyle FEditorFormStyle = ipfsModal;
    TiPlotExportFormat FCopyToClipBoardFormat = ipefMetaFile;
    bool FClipAnnotationsToAxes = true;
    bool FHintsShow = true;
    int FHintsPause = 500, FHintsHidePause = 2500;
    bool FLoggingActive = false;
    int FLogBufferSize = 0;
    /// Rows added since the log was last written.
    int FLogRowCount = 0;
    std::string FLogFileName;
    TiPlotLog FLog;
    std::string FLastPropertiesFileName, FLastDataFileName;
    bool FBackGroundGradientEnabled = false;
    TColor FBackGroundGradientStartColor = clBlue, FBackGroundGradientStopColor = clBlack;
    TiFillDirection FBackGroundGradientDirection = ifdTopBottom;
    bool FPaintingActive = false;
    bool FDBLClickActive = false;
    TiPlotDataFileColumnSeparator FDataFileColumnSeparator = ipdfcsTab;
    TiPlotDataFileFormat FDataFileFormat = ipdffText;
    bool FDifferentialPropertySave = false;
    std::string FTempCustomLabel;
    bool FStreamReading = false;
    /// The kinds the plot's class makes when constructed (NoteDefaultObjects).
    std::vector<TiPlotKind> FDefaultKinds;
    TBitmap FHintBitmap{8, 8};
    TFont FAnnotationDefaultFont;
    TBrushStyle FAnnotationDefaultBrushStlye = bsSolid;
    TColor FAnnotationDefaultBrushColor = clWhite;
    TPenStyle FAnnotationDefaultPenStlye = psSolid;
    TColor FAnnotationDefaultPenColor = clWhite;
    int FAnnotationDefaultPenWidth = 1;
    TiPlotReferenceType FAnnotationDefaultReference = iprtDataView;
    std::array<TiPlotReferenceIndividual, 4> FAnnotationDefaultReferences{ipriAuto, ipriAuto, ipriAuto, ipriAuto};
    std::unique_ptr<TMetafile> FMetaFile;
    std::unique_ptr<TPicture> FSnapShotPicture;
    std::unique_ptr<TSaveDialog> FSaveDialog;
    double FPrinterPaperWidthInches = 0, FPrinterPaperHeightInches = 0;
    double FPrinterPaperWidthCentimeters = 0, FPrinterPaperHeightCentimeters = 0;
    int FPrinterPaperWidthPixels = 0, FPrinterPaperHeightPixels = 0;
    double FPrintXStart = 0, FPrintXStop = 0;
};

#include "controls/plot/plot/iPlotClasses.h"
