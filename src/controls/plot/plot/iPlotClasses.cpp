#include "controls/plot/plot/iPlotClasses.h"

#include "controls/plot/editor/iPlotEditor.h"
#include "controls/plot/editor/iPlotPreview.h"
#include "controls/plot/objects/iPlotAxis.h"
#include "controls/plot/objects/iPlotChannel.h"
#include "controls/plot/objects/iPlotDataCursor.h"
#include "controls/plot/objects/iPlotDataView.h"
#include "controls/plot/objects/iPlotLegend.h"
#include "controls/plot/objects/iPlotAnnotation.h"
#include "controls/plot/objects/iPlotLimit.h"
#include "controls/plot/objects/iPlotTable.h"
#include "controls/plot/objects/iPlotToolBar.h"
#include "controls/plot/objects/iXYPlotChannel.h"
#include "controls/plot/plot/iPlot.h"
#include "controls/plot/plot/iPlotLayoutViewer.h"
#include "controls/plot/plot/iXYPlot.h"

#include "platform/gui/PropertyRegistry.h"

#include <mutex>

namespace qx {

void registerPlotComponentProperties()
{
    static std::once_flag once;
    std::call_once(once, [] {
        registerVCLComponentClasses();
        registerEnum<TPrinterOrientation>("TPrinterOrientation", {{"poPortrait", poPortrait}, {"poLandscape", poLandscape}});
        registerEnum<TiPlotFormStyle>("TiPlotFormStyle", {{"ipfsModal", ipfsModal}, {"ipfsStayOnTop", ipfsStayOnTop}});
        registerEnum<TiPlotExportFormat>("TiPlotExportFormat",
                                         {{"ipefMetaFile", ipefMetaFile}, {"ipefBitmap", ipefBitmap}, {"ipefJPEG", ipefJPEG}});
        registerEnum<TiPlotDataFileColumnSeparator>("TiPlotDataFileColumnSeparator",
                                                    {{"ipdfcsTab", ipdfcsTab}, {"ipdfcsComma", ipdfcsComma}});
        registerEnum<TiPlotDataFileFormat>("TiPlotDataFileFormat",
                                           {{"ipdffText", ipdffText}, {"ipdffCompactInterval", ipdffCompactInterval}});
        registerEnum<TiPlotImageFormatStyle>("TiPlotImageFormatStyle", {{"ipifBitmap", ipifBitmap},
                                                                        {"ipifEnhancedMetaFile", ipifEnhancedMetaFile},
                                                                        {"ipifJPEG", ipifJPEG},
                                                                        {"ipifPNG", ipifPNG}});
        registerEnum<TiFillDirection>(
            "TiFillDirection",
            {{"ifdTopBottom", ifdTopBottom}, {"ifdBottomTop", ifdBottomTop}, {"ifdLeftRight", ifdLeftRight},
             {"ifdRightLeft", ifdRightLeft}, {"ifdTopLeftBottomRight", ifdTopLeftBottomRight},
             {"ifdBottomRightTopLeft", ifdBottomRightTopLeft}, {"ifdBottomLeftTopRight", ifdBottomLeftTopRight},
             {"ifdTopRightBottomLeft", ifdTopRightBottomLeft}, {"ifdRectangleOut", ifdRectangleOut},
             {"ifdRectangleIn", ifdRectangleIn}, {"ifdCircleOut", ifdCircleOut}, {"ifdCircleIn", ifdCircleIn}});
        using P = TiPlotComponent;
        auto plot = registerClass<P, TiVCLComponent>("TiPlotComponent");
        plot.property("DataViewZHorz", &P::DataViewZHorz, &P::SetDataViewZHorz)
            .property("DataViewZVert", &P::DataViewZVert, &P::SetDataViewZVert)
            .property("XYAxesReverse", &P::XYAxesReverse, &P::SetXYAxesReverse)
            .defaultValue(false)
            .property("UserCanEditObjects", &P::UserCanEditObjects, &P::SetUserCanEditObjects)
            .defaultValue(true)
            .property("UserCanAddRemoveChannels", &P::UserCanAddRemoveChannels, &P::SetUserCanAddRemoveChannels)
            .defaultValue(false)
            .property("OuterMarginLeft", &P::OuterMarginLeft, &P::SetOuterMarginLeft)
            .defaultValue(5)
            .property("OuterMarginTop", &P::OuterMarginTop, &P::SetOuterMarginTop)
            .defaultValue(5)
            .property("OuterMarginRight", &P::OuterMarginRight, &P::SetOuterMarginRight)
            .defaultValue(5)
            .property("OuterMarginBottom", &P::OuterMarginBottom, &P::SetOuterMarginBottom)
            .defaultValue(5)
            .property("PrintOrientation", &P::PrintOrientation, &P::SetPrintOrientation)
            .defaultValue(poLandscape)
            .property("PrintMarginLeft", &P::PrintMarginLeft, &P::SetPrintMarginLeft)
            .property("PrintMarginTop", &P::PrintMarginTop, &P::SetPrintMarginTop)
            .property("PrintMarginRight", &P::PrintMarginRight, &P::SetPrintMarginRight)
            .property("PrintMarginBottom", &P::PrintMarginBottom, &P::SetPrintMarginBottom)
            .property("PrintShowDialog", &P::PrintShowDialog, &P::SetPrintShowDialog)
            .defaultValue(true)
            .property("PrintDocumentName", &P::PrintDocumentName, &P::SetPrintDocumentName)
            .property("PrinterName", &P::PrinterName, &P::SetPrinterName)
            .property("HintsPause", &P::HintsPause, &P::SetHintsPause)
            .defaultValue(500)
            .property("HintsHidePause", &P::HintsHidePause, &P::SetHintsHidePause)
            .defaultValue(2500)
            .property("HintsShow", &P::HintsShow, &P::SetHintsShow)
            .defaultValue(true)
            .font("HintsFont", &P::GetHintsFont, &P::SetHintsFont)
            .property("EditorFormStyle", &P::EditorFormStyle, &P::SetEditorFormStyle)
            .property("CopyToClipBoardFormat", &P::CopyToClipBoardFormat, &P::SetCopyToClipBoardFormat)
            .property("TitleVisible", &P::TitleVisible, &P::SetTitleVisible)
            .defaultValue(true)
            .property("TitleText", &P::TitleText, &P::SetTitleText)
            .font("TitleFont", &P::TitleFont, &P::SetTitleFont)
            .property("TitleMargin", &P::TitleMargin, &P::SetTitleMargin)
            .property("LogFileName", &P::LogFileName, &P::SetLogFileName)
            .property("LogBufferSize", &P::LogBufferSize, &P::SetLogBufferSize)
            .defaultValue(0)
            .font("AnnotationDefaultFont", &P::AnnotationDefaultFont, &P::SetAnnotationDefaultFont)
            .property("AnnotationDefaultBrushStlye", &P::AnnotationDefaultBrushStlye,
                      &P::SetAnnotationDefaultBrushStlye)
            .color("AnnotationDefaultBrushColor", &P::AnnotationDefaultBrushColor, &P::SetAnnotationDefaultBrushColor)
            .property("AnnotationDefaultPenStlye", &P::AnnotationDefaultPenStlye, &P::SetAnnotationDefaultPenStlye)
            .color("AnnotationDefaultPenColor", &P::AnnotationDefaultPenColor, &P::SetAnnotationDefaultPenColor)
            .property("AnnotationDefaultPenWidth", &P::AnnotationDefaultPenWidth, &P::SetAnnotationDefaultPenWidth)
            .property("AnnotationDefaultReference", &P::AnnotationDefaultReference, &P::SetAnnotationDefaultReference)
            .property("AnnotationDefaultReferencePositionX", &P::AnnotationDefaultReferencePositionX,
                      &P::SetAnnotationDefaultReferencePositionX)
            .property("AnnotationDefaultReferencePositionY", &P::AnnotationDefaultReferencePositionY,
                      &P::SetAnnotationDefaultReferencePositionY)
            .property("AnnotationDefaultReferenceSizeX", &P::AnnotationDefaultReferenceSizeX,
                      &P::SetAnnotationDefaultReferenceSizeX)
            .property("AnnotationDefaultReferenceSizeY", &P::AnnotationDefaultReferenceSizeY,
                      &P::SetAnnotationDefaultReferenceSizeY)
            .property("ClipAnnotationsToAxes", &P::ClipAnnotationsToAxes, &P::SetClipAnnotationsToAxes)
            .property("BackGroundGradientEnabled", &P::BackGroundGradientEnabled, &P::SetBackGroundGradientEnabled)
            .property("BackGroundGradientDirection", &P::BackGroundGradientDirection,
                      &P::SetBackGroundGradientDirection)
            .color("BackGroundGradientStartColor", &P::BackGroundGradientStartColor,
                   &P::SetBackGroundGradientStartColor)
            .color("BackGroundGradientStopColor", &P::BackGroundGradientStopColor, &P::SetBackGroundGradientStopColor)
            .property("DataFileColumnSeparator", &P::DataFileColumnSeparator, &P::SetDataFileColumnSeparator)
            .property("DataFileFormat", &P::DataFileFormat, &P::SetDataFileFormat)
            .property("DefaultSaveImageDirectory", &P::DefaultSaveImageDirectory, &P::SetDefaultSaveImageDirectory)
            .property("DefaultSaveImageFormat", &P::DefaultSaveImageFormat, &P::SetDefaultSaveImageFormat)
            .property("DefaultPropertyDirectory", &P::DefaultPropertyDirectory, &P::SetDefaultPropertyDirectory)
            .property("DefaultDataDirectory", &P::DefaultDataDirectory, &P::SetDefaultDataDirectory)
            .property("DefaultAnnotationDirectory", &P::DefaultAnnotationDirectory, &P::SetDefaultAnnotationDirectory)
            .property("DifferentialPropertySave", &P::DifferentialPropertySave, &P::SetDifferentialPropertySave)
            .defaultValue(false)
            .color("BackGroundColor", &P::BackGroundColor, &P::SetBackGroundColor)
            .colorDefault(clBlack)
            .property("BorderStyle", &P::BorderStyle, &P::SetBorderStyle)
            .defaultValue(ibsLowered)
            .binary("ImageList0", [](const P& p) { return p.ImageListStream(0); },
                    [](P& p, const std::vector<std::uint8_t>& v) { p.SetImageListStream(0, v); })
            .storedWhen([](const P& p) { return p.ImageListCount(0) > 0; })
            .binary("ImageList1", [](const P& p) { return p.ImageListStream(1); },
                    [](P& p, const std::vector<std::uint8_t>& v) { p.SetImageListStream(1, v); })
            .storedWhen([](const P& p) { return p.ImageListCount(1) > 0; })
            .binary("ImageList2", [](const P& p) { return p.ImageListStream(2); },
                    [](P& p, const std::vector<std::uint8_t>& v) { p.SetImageListStream(2, v); })
            .storedWhen([](const P& p) { return p.ImageListCount(2) > 0; });
        // The managers' collections, in the order a layout stores them.
        const std::pair<const char*, TiPlotKind> managers[] = {
            {"ToolBarManager", TiPlotKind::ToolBar}, {"LegendManager", TiPlotKind::Legend},
            {"TableManager", TiPlotKind::Table},     {"XAxisManager", TiPlotKind::XAxis},
            {"YAxisManager", TiPlotKind::YAxis},     {"ChannelManager", TiPlotKind::Channel},
            {"DataViewManager", TiPlotKind::DataView}, {"DataCursorManager", TiPlotKind::DataCursor},
            {"LimitManager", TiPlotKind::Limit},     {"LabelManager", TiPlotKind::Label},
        };
        for (const auto& [name, kind] : managers)
            plot.collection(name, [kind](P& p) { return p.KindItems(kind); })
                .storedWhen([kind](const P& p) { return p.StoresKind(kind); });
        plot.collection("TranslationManager", [](P& p) -> TPersistent* {
                p.BeginStreamRead();
                return &p.TranslationManager();
            })
            .storedWhen([](P& p) { return p.TranslationManager().Count() > 0; });
    });
}

void registerPlotClasses()
{
    static std::once_flag once;
    std::call_once(once, [] {
        registerVCLComponentClasses();
        registerPlotAxisClasses();
        registerPlotDataViewClasses();
        registerXYPlotChannelClasses();
        registerYTPlotChannelClasses();
        registerPlotDataCursorClasses();
        registerPlotLabelClasses();
        registerPlotLegendClasses();
        registerPlotLimitClasses();
        registerPlotAnnotationClasses();
        registerPlotTableClasses();
        registerPlotToolBarClasses();
        registerPlotTranslationClasses();
        registerPlotComponentProperties();
        registerClass<TiXYPlot, TiPlotComponent>("TiXYPlot");
        registerPlotLayoutViewerClasses();
        registerClass<TiPlot, TiPlotComponent>("TiPlot");
        // Every plot can open the run-time editor.
        registerPlotEditorFormClasses();
        // And its print preview.
        registerPlotPreviewClasses();
    });
}

} // namespace qx
