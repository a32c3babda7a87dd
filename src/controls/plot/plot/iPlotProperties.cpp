// The plot's property file: header counts, then one section of property lines per object
// (Channel0, XAxis0, ...), then the plot's own lines.

#include "controls/plot/base/iPropertyText.h"
#include "controls/plot/objects/iPlotAxis.h"
#include "controls/plot/objects/iPlotChannelCustom.h"
#include "controls/plot/objects/iPlotDataCursor.h"
#include "controls/plot/objects/iPlotDataView.h"
#include "controls/plot/objects/iPlotLegend.h"
#include "controls/plot/objects/iPlotToolBar.h"
#include "controls/plot/plot/iPlotComponent.h"

#include <fstream>

namespace {

/// The object kinds of a property file, in the order of its sections.
struct Section
{
    const char* prefix;
    const char* count;
    TiPlotKind kind;
};

constexpr Section kSections[] = {
    {"Channel", "ChannelCount", TiPlotKind::Channel},       {"XAxis", "XAxisCount", TiPlotKind::XAxis},
    {"YAxis", "YAxisCount", TiPlotKind::YAxis},             {"ToolBar", "ToolBarCount", TiPlotKind::ToolBar},
    {"Legend", "LegendCount", TiPlotKind::Legend},          {"Table", "TableCount", TiPlotKind::Table},
    {"Label", "LabelCount", TiPlotKind::Label},             {"DataView", "DataViewCount", TiPlotKind::DataView},
    {"DataCursor", "DataCursorCount", TiPlotKind::DataCursor}, {"Limit", "LimitCount", TiPlotKind::Limit},
};

std::string upper(std::string Text)
{
    for (char& c : Text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return Text;
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
                qx::plot::SavePropertiesAsText(*manager->GetItem(i), s.prefix + std::to_string(i), lines, nullptr,
                                               FDifferentialPropertySave);
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
}

void TiPlotComponent::LoadPropertiesFromFile(const std::string& FileName)
{
    std::vector<std::string> lines;
    try {
        std::ifstream in(FileName, std::ios::binary);
        if (!in)
            throw EiPlotError("Cannot open file \"" + FileName + "\"");
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            lines.push_back(qx::plot::PropertyLineFromFile(line));
        }
        std::string type;
        if (!qx::plot::TakeValueByName("File Type", type, lines) || upper(type) != "PLOT CONFIG")
            throw EiPlotError("Incompatible Plot Configuration File Type");
        // The sections go to toolbar 0 and label 0, which stay: without them nothing is
        // removed.
        if (ToolBarCount() == 0 || LabelCount() == 0)
            throw EiPlotError("Plot has no ToolBar 0 or Label 0");
    } catch (const std::exception& error) {
        throw EiPlotError(std::string("Error Loading Properties - ") + error.what());
    }
    DisableLayoutManager();
    BeginUpdate();
    // A failure part way leaves the layout manager on and the update closed.
    try {
        int counts[std::size(kSections)] = {};
        for (std::size_t k = 0; k < std::size(kSections); ++k) {
            std::string value;
            if (qx::plot::TakeValueByName(kSections[k].count, value, lines))
                counts[k] = std::stoi(value);
        }
        for (const char* key : {"DataViewZHorz", "DataViewZVert"}) {
            std::string value;
            if (qx::plot::TakeValueByName(key, value, lines))
                qx::plot::SetPropertyFromText(*this, key, value);
        }
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
                TiPlotObject* target = nullptr;
                if (s.kind == TiPlotKind::ToolBar)
                    target = &ToolBar(0);
                else if (s.kind == TiPlotKind::Label && n == 0)
                    target = &Label(0);
                else if (s.kind == TiPlotKind::Table || s.kind == TiPlotKind::Limit)
                    continue; // kinds this library does not hold yet
                else {
                    TiPlotObjectManagerCustom* manager = Kind(s.kind);
                    switch (s.kind) {
                    case TiPlotKind::Channel:
                        AddChannel();
                        dynamic_cast<TiPlotChannelCustom&>(*manager->GetItem(manager->Count() - 1)).SetColor(clRed);
                        break;
                    case TiPlotKind::XAxis:
                        AddXAxis();
                        break;
                    case TiPlotKind::YAxis:
                        AddYAxis();
                        break;
                    case TiPlotKind::Legend:
                        AddLegend();
                        break;
                    case TiPlotKind::Label:
                        AddLabel();
                        break;
                    case TiPlotKind::DataView:
                        AddDataView();
                        break;
                    default:
                        AddDataCursor();
                        break;
                    }
                    target = manager->GetItem(manager->Count() - 1);
                }
                qx::plot::LoadPropertiesFromText(*target, prefix, lines);
            }
        qx::plot::LoadPropertiesFromText(*this, "", lines);
    } catch (const std::exception& error) {
        EnableLayoutManager();
        EndUpdate();
        throw EiPlotError(std::string("Error Loading Properties - ") + error.what());
    }
    EnableLayoutManager();
    EndUpdate();
}
