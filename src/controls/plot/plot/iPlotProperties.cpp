// The plot's property file (header counts, then one section of property lines per object,
// Channel0, XAxis0, ..., then the plot's own lines) and its annotation file.

#include "controls/plot/base/iPropertyText.h"
#include "controls/plot/objects/iPlotAxis.h"
#include "controls/plot/objects/iPlotChannelCustom.h"
#include "controls/plot/objects/iPlotDataCursor.h"
#include "controls/plot/objects/iPlotDataView.h"
#include "controls/plot/objects/iPlotLegend.h"
#include "controls/plot/objects/iPlotToolBar.h"
#include "controls/plot/plot/iPlotComponent.h"

#include "platform/gui/PropertyRegistry.h"
#include "platform/text/NumberText.h"

#include <memory>

namespace {

/// The object kinds of a property file, in the order of its sections, with the plot's
/// operation that adds one object of the kind.
struct Section
{
    const char* prefix;
    const char* count;
    TiPlotKind kind;
    int (TiPlotComponent::*add)();
};

constexpr Section kSections[] = {
    {"Channel", "ChannelCount", TiPlotKind::Channel, &TiPlotComponent::AddChannel},
    {"XAxis", "XAxisCount", TiPlotKind::XAxis, &TiPlotComponent::AddXAxis},
    {"YAxis", "YAxisCount", TiPlotKind::YAxis, &TiPlotComponent::AddYAxis},
    {"ToolBar", "ToolBarCount", TiPlotKind::ToolBar, &TiPlotComponent::AddToolBar},
    {"Legend", "LegendCount", TiPlotKind::Legend, &TiPlotComponent::AddLegend},
    {"Table", "TableCount", TiPlotKind::Table, &TiPlotComponent::AddTable},
    {"Label", "LabelCount", TiPlotKind::Label, &TiPlotComponent::AddLabel},
    {"DataView", "DataViewCount", TiPlotKind::DataView, &TiPlotComponent::AddDataView},
    {"DataCursor", "DataCursorCount", TiPlotKind::DataCursor, &TiPlotComponent::AddDataCursor},
    {"Limit", "LimitCount", TiPlotKind::Limit, &TiPlotComponent::AddLimit},
};

/// Removes a section's lines from the top, for a kind this library cannot make.
void DropSection(const std::string& Prefix, std::vector<std::string>& Lines)
{
    const std::string head = qx::plot::UpperCase(Prefix + ".");
    while (!Lines.empty() && qx::plot::UpperCase(Lines.front().substr(0, head.size())) == head)
        Lines.erase(Lines.begin());
}

/// A count line's value. Every object writes at least its name, so a count above the
/// lines there are is refused before it can make objects by the million.
int TakeCount(const char* Key, std::vector<std::string>& Lines)
{
    std::string value;
    if (!qx::plot::TakeValueByName(Key, value, Lines))
        return 0;
    const int count = StrToInt(value);
    if (count > static_cast<int>(Lines.size()))
        throw EiPlotError(std::string("Invalid Count - ") + Key + " = " + value);
    return count;
}

bool CanMake(TiPlotObjectManagerCustom* Manager)
{
    const auto* typed = dynamic_cast<TiPlotTypedManager*>(Manager);
    return typed && typed->CanCreateObject();
}

} // namespace

void TiPlotComponent::SavePropertiesToFile(const std::string& FileName)
{
    try {
        std::vector<std::string> lines{"File Type = Plot Config"};
        for (const Section& s : kSections)
            lines.push_back(std::string(s.count) + " = " + std::to_string(Kind(s.kind)->Count()));
        lines.push_back("DataViewZHorz = " + std::to_string(DataViewZHorz()));
        lines.push_back("DataViewZVert = " + std::to_string(DataViewZVert()));
        for (const Section& s : kSections) {
            TiPlotObjectManagerCustom* manager = Kind(s.kind);
            for (int i = 0; i < manager->Count(); ++i)
                qx::plot::SavePropertiesAsText(*manager->GetItem(i), s.prefix + std::to_string(i), lines,
                                               nullptr, FDifferentialPropertySave);
        }
        std::vector<std::string> skip{"Name"};
        if (!OptionSaveAllProperties())
            skip.insert(skip.end(), {"Left", "Top", "Width", "Height", "Align", "Cursor", "ShowHint", "Tag",
                                     "Visible", "Enabled", "Hint", "HelpContext", "HelpKeyword"});
        qx::plot::SavePropertiesAsText(*this, "", lines, &skip, FDifferentialPropertySave);
        qx::plot::SaveLinesToFile(FileName, lines);
    } catch (const std::exception& error) {
        throw EiPlotError(std::string("Error Saving Properties - ") + error.what());
    }
    FLastPropertiesFileName = FileName;
    if (OnAfterSaveProperties)
        OnAfterSaveProperties(this);
}

void TiPlotComponent::LoadPropertiesFromFile(const std::string& FileName)
{
    if (OnBeforeLoadProperties)
        OnBeforeLoadProperties(this);
    std::vector<std::string> lines;
    try {
        lines = qx::plot::LoadPropertyLinesFromFile(FileName);
        std::string type;
        if (!qx::plot::TakeValueByName("File Type", type, lines) ||
            qx::plot::UpperCase(type) != "PLOT CONFIG")
            throw EiPlotError("Incompatible Plot Configuration File Type");
        // The sections go to toolbar 0 and label 0, which stay: without them nothing is
        // removed.
        if (ToolBarCount() == 0 || LabelCount() == 0)
            throw EiPlotError("Plot has no ToolBar 0 or Label 0");
        TryOnFreshPlot([&](TiPlotComponent& Plot) { Plot.ApplyPropertyLines(lines); });
    } catch (const std::exception& error) {
        throw EiPlotError(std::string("Error Loading Properties - ") + error.what());
    }
    try {
        ApplyPropertyLines(lines);
    } catch (const std::exception& error) {
        throw EiPlotError(std::string("Error Loading Properties - ") + error.what());
    }
    FLastPropertiesFileName = FileName;
    if (OnAfterLoadProperties)
        OnAfterLoadProperties(this);
}

void TiPlotComponent::TryOnFreshPlot(const std::function<void(TiPlotComponent&)>& Apply) const
{
    // A fresh plot of the same class reads the file first, so a file that fails part way is
    // refused with this plot as it was.
    const qx::ClassInfo* info = qx::ClassRegistry::instance().classOf(*this);
    if (!info || !info->create)
        return;
    std::unique_ptr<TComponent> trial(info->create(nullptr));
    if (auto* plot = dynamic_cast<TiPlotComponent*>(trial.get())) {
        plot->Master().SetChannelClass(Master().ChannelClass());
        Apply(*plot);
    }
}

void TiPlotComponent::ApplyPropertyLines(std::vector<std::string> lines)
{
    int counts[std::size(kSections)] = {};
    for (std::size_t k = 0; k < std::size(kSections); ++k)
        counts[k] = TakeCount(kSections[k].count, lines);
    std::string zHorz, zVert;
    const bool hasZHorz = qx::plot::TakeValueByName("DataViewZHorz", zHorz, lines);
    const bool hasZVert = qx::plot::TakeValueByName("DataViewZVert", zVert, lines);
    DisableLayoutManager();
    BeginUpdate();
    // A failure part way leaves the layout manager on and the update closed.
    try {
        if (hasZHorz)
            SetDataViewZHorz(StrToInt(zHorz));
        if (hasZVert)
            SetDataViewZVert(StrToInt(zVert));
        RemoveAllLegends();
        RemoveAllTables();
        while (LabelCount() > 1)
            delete Kind(TiPlotKind::Label)->GetItem(1);
        RemoveAllLimits();
        RemoveAllXAxes();
        RemoveAllYAxes();
        RemoveAllDataViews();
        RemoveAllChannels();
        RemoveAllAnnotations();
        RemoveAllDataCursors();
        for (std::size_t k = 0; k < std::size(kSections); ++k)
            for (int n = 0; n < counts[k]; ++n) {
                const Section& s = kSections[k];
                const std::string prefix = s.prefix + std::to_string(n);
                TiPlotObjectManagerCustom* manager = Kind(s.kind);
                TiPlotObject* target = nullptr;
                if (s.kind == TiPlotKind::ToolBar)
                    target = &ToolBar(0);
                else if (s.kind == TiPlotKind::Label && n == 0)
                    target = &Label(0);
                else if (!CanMake(manager)) {
                    DropSection(prefix, lines);
                    continue;
                } else {
                    (this->*s.add)();
                    target = manager->GetItem(manager->Count() - 1);
                    if (s.kind == TiPlotKind::Channel)
                        dynamic_cast<TiPlotChannelCustom&>(*target).SetColor(clRed);
                }
                qx::plot::LoadPropertiesFromText(*target, prefix, lines);
            }
        qx::plot::LoadPropertiesFromText(*this, "", lines);
    } catch (...) {
        EnableLayoutManager();
        EndUpdate();
        throw;
    }
    EnableLayoutManager();
    EndUpdate();
}

void TiPlotComponent::SaveAnnotationsToFile(const std::string& FileName)
{
    try {
        TiPlotObjectManagerCustom* manager = Kind(TiPlotKind::Annotation);
        std::vector<std::string> lines{"AnnotationCount = " + std::to_string(manager->Count())};
        // Every property is written, also one at its published default: a new annotation
        // read from the file starts from the plot's annotation defaults, which differ
        // from the published ones (a pen width 0 would come back as 1).
        for (int i = 0; i < manager->Count(); ++i)
            qx::plot::SavePropertiesAsText(*manager->GetItem(i), "Annotation" + std::to_string(i), lines,
                                           nullptr, false);
        qx::plot::SaveLinesToFile(FileName, lines);
    } catch (const std::exception& error) {
        throw EiPlotError(std::string("Error Saving Annotations - ") + error.what());
    }
}

void TiPlotComponent::LoadAnnotationsFromFile(const std::string& FileName)
{
    std::vector<std::string> lines;
    int count = 0;
    try {
        lines = qx::plot::LoadPropertyLinesFromFile(FileName);
        count = TakeCount("AnnotationCount", lines);
        // Nothing is removed when the annotations cannot be made.
        if (count > 0 && !CanMake(Kind(TiPlotKind::Annotation)))
            throw EiPlotError("Class TiPlotAnnotation not found");
        TryOnFreshPlot([&](TiPlotComponent& Plot) { Plot.ApplyAnnotationLines(count, lines); });
    } catch (const std::exception& error) {
        throw EiPlotError(std::string("Error Loading Annotations - ") + error.what());
    }
    try {
        ApplyAnnotationLines(count, lines);
    } catch (const std::exception& error) {
        throw EiPlotError(std::string("Error Loading Annotations - ") + error.what());
    }
}

void TiPlotComponent::ApplyAnnotationLines(int Count, std::vector<std::string> lines)
{
    BeginUpdate();
    try {
        RemoveAllAnnotations();
        TiPlotObjectManagerCustom* manager = Kind(TiPlotKind::Annotation);
        for (int n = 0; n < Count; ++n) {
            AddAnnotation();
            qx::plot::LoadPropertiesFromText(*manager->GetItem(manager->Count() - 1),
                                             "Annotation" + std::to_string(n), lines);
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}
