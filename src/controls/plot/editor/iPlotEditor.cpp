#include "controls/plot/editor/iPlotEditor.h"

#include "controls/plot/base/iPlotHost.h"
#include "controls/plot/base/iPlotManagers.h"
#include "controls/plot/base/iPlotObjects.h"
#include "controls/plot/editor/iComponentEditorFilePickers.h"
#include "controls/plot/editor/iComponentEditorListBox.h"
#include "controls/plot/editor/iEditorBasicComponents.h"
#include "controls/plot/editor/iPlotEditorValues.h"
#include "controls/plot/objects/iPlotAxis.h"
#include "controls/plot/objects/iPlotChannelCustom.h"
#include "controls/plot/objects/iPlotDataView.h"
#include "controls/plot/objects/iPlotLabel.h"
#include "controls/plot/objects/iPlotTable.h"
#include "controls/plot/plot/iPlotComponent.h"
#include "controls/plot/plot/iPlotLayoutViewer.h"
#include "platform/gui/Button.h"
#include "platform/gui/CheckBox.h"
#include "platform/gui/ComboBox.h"
#include "platform/gui/Label.h"
#include "platform/gui/MenuItem.h"
#include "platform/gui/PageControl.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/PropertyBuilder.h"
#include "platform/gui/Screen.h"
#include "platform/gui/Strings.h"
#include "platform/gui/canvas/GraphicsObjects.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <utility>

using namespace qx::plot::editor;

namespace {

constexpr const char* kNone = "<None>";
constexpr const char* kAll = "<All>";

/// The page controls whose active pages the master remembers, in its order.
constexpr const char* kRememberedPages[] = {
    "PageControl",        "ControlPageControl",     "ChannelPageControl",     "XAxisPageControl",
    "XAxisLabelsPageControl", "YAxisPageControl", "YAxisLabelsPageControl", "DataCursorPageControl",
    "LimitPageControl",   "LabelPageControl",       "LegendPageControl",      "TablePageControl",
    "DataViewPageControl", "DataViewGridLinesCustomPageControl"};

std::string_view trimmed(std::string_view s)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

/// An edit's integer: invalid or empty text reads as 0, then held within [Min, Max].
std::int64_t readInteger(const std::string& Text, int Min, int Max)
{
    const std::string_view s = trimmed(Text);
    long long value = 0;
    const char* first = s.data();
    if (!s.empty() && s.front() == '+')
        ++first;
    const auto [end, ec] = std::from_chars(first, s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size())
        value = 0;
    return std::clamp<long long>(value, Min, Max);
}

/// An edit's number: invalid or empty text reads as 0 (numbers are written the C way).
double readFloat(const std::string& Text)
{
    const std::string s(trimmed(Text));
    if (s.empty())
        return 0;
    char* end = nullptr;
    const double value = std::strtod(s.c_str(), &end);
    return end == s.c_str() + s.size() ? value : 0;
}

std::string floatText(double Value)
{
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, Value);
    return ec == std::errc() ? std::string(buffer, end) : std::string("0");
}

bool startsWithNoCase(std::string_view Name, std::string_view Prefix)
{
    if (Name.size() < Prefix.size())
        return false;
    for (std::size_t i = 0; i < Prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(Name[i])) != std::tolower(static_cast<unsigned char>(Prefix[i])))
            return false;
    return true;
}

/// The published property a row edits on the target, or nullptr when the target's class
/// has none (a Y-T row on an X-Y channel).
const qx::PropertyInfo* propertyOf(TPersistent& Target, const std::string& Path)
{
    try {
        return qx::resolvePropertyPath(Target, Path).property;
    } catch (const qx::PropertyError&) {
        return nullptr;
    }
}

const qx::ClassRegistry::EnumInfo* enumOf(const qx::PropertyInfo& Property)
{
    return qx::ClassRegistry::instance().findEnum(Property.typeName);
}

constexpr const char* kFontParts[] = {".Name", ".Color", ".Height", ".Style"};

/// Applies the file a picker of either kind chose to the target; nothing for another sender
/// or without a target.
template <class Target, class Act>
void withPickedFile(Target* Into, TObject* Sender, Act&& Apply)
{
    std::optional<std::string> file;
    if (auto* open = dynamic_cast<TiComponentEditorOpenPicker*>(Sender))
        file = open->FileName();
    else if (auto* save = dynamic_cast<TiComponentEditorSavePicker*>(Sender))
        file = save->FileName();
    if (Into && file)
        Apply(*Into, *file);
}

} // namespace

TiPlotEditorForm::TiPlotEditorForm(TComponent* AOwner) : TiCustomEditorForm(AOwner)
{
    LoadLayout("TIPLOTEDITORFORM");
    // A stay-on-top editor catches up with changes made to the plot while it was inactive.
    OnActivate = [this](TObject*) {
        if (FormStyle() == fsStayOnTop && !FIsClosing)
            UpdateAll();
    };
}

TiPlotEditorForm::~TiPlotEditorForm()
{
    if (FMaster && FMaster->EditorLink() == this)
        FMaster->SetEditorLink(nullptr);
}

void TiPlotEditorForm::SetMaster(TiPlotMasterManager* Value)
{
    FMaster = Value;
    PlotComponent = Value ? Value->Owner() : nullptr;
    for (const TiEditorPage& page : EditorPages()) {
        TiComponentEditorListBox* list = ListBox(page.Kind);
        if (!list)
            continue;
        list->Items()->Clear();
        if (TiPlotObjectManagerCustom* manager = FMaster ? page.Manager(*FMaster) : nullptr)
            for (int i = 0; i < manager->Count(); ++i)
                list->Items()->AddObject({}, manager->GetItem(i));
        list->SetItemIndex(list->Items()->Count() > 0 ? 0 : -1);
    }
    auto* plot = Plot();
    if (auto* viewer = dynamic_cast<TiPlotLayoutViewer*>(FindComponent("iPlotLayoutViewer"))) {
        viewer->SetMaster(FMaster);
        viewer->SetLayoutManager(plot ? &plot->LayoutManager() : nullptr);
        viewer->SetTranslationManager(plot ? &plot->TranslationManager() : nullptr);
    }
    const bool addRemove = plot && plot->UserCanAddRemoveChannels();
    for (const char* name : {"iChannelAddButton", "ChannelRemoveButton"})
        if (auto* button = dynamic_cast<TControl*>(FindComponent(name)))
            button->SetVisible(addRemove);
    UpdateAll();
}

TiComponentEditorListBox* TiPlotEditorForm::ListBox(TiEditorKind Kind) const
{
    return dynamic_cast<TiComponentEditorListBox*>(FindComponent(EditorPage(Kind).ListBox));
}

TiPlotObject* TiPlotEditorForm::SelectedObject(TiEditorKind Kind) const
{
    TiComponentEditorListBox* list = ListBox(Kind);
    if (!list || list->ItemIndex() < 0 || list->ItemIndex() >= list->Items()->Count())
        return nullptr;
    return dynamic_cast<TiPlotObject*>(list->Items()->Objects(list->ItemIndex()));
}

const TiEditorPage* TiPlotEditorForm::PageOf(const TiPlotObject& Object) const
{
    if (!FMaster)
        return nullptr;
    for (const TiEditorPage& page : EditorPages())
        if (TiPlotObjectManagerCustom* manager = page.Manager(*FMaster))
            for (int i = 0; i < manager->Count(); ++i)
                if (manager->GetItem(i) == &Object)
                    return &page;
    return nullptr;
}

// ---- translation of the name tokens

std::string TiPlotEditorForm::Shown(const std::string& Token) const
{
    if (auto* host = dynamic_cast<TiPlotHost*>(PlotComponent))
        return host->TranslateText(Token);
    return Token;
}

std::string TiPlotEditorForm::Canonical(const std::string& Text) const
{
    for (const char* token : {kNone, kAll})
        if (Text == Shown(token) || Text == token)
            return token;
    return Text;
}

// ---- reading and writing rows

void TiPlotEditorForm::LoadRows(TPersistent& Target, const std::vector<TiEditorBinding>& Rows)
{
    for (const TiEditorBinding& row : Rows) {
        TComponent* control = FindComponent(row.Control);
        const bool font = row.Kind == TiEditorValueKind::Font;
        const std::string path = std::string(row.Property) + (font ? ".Name" : "");
        const qx::PropertyInfo* property = control ? propertyOf(Target, path) : nullptr;
        if (!property)
            continue;
        const qx::PropertyValue value = qx::getProperty(Target, path);
        switch (row.Kind) {
        case TiEditorValueKind::Text:
            SetControlText(*control, qx::detail::asString(value));
            break;
        case TiEditorValueKind::Integer:
            SetControlText(*control, std::to_string(qx::detail::asInteger(value, INT64_MIN, INT64_MAX)));
            break;
        case TiEditorValueKind::Float:
            SetControlText(*control, floatText(qx::detail::asFloat(value)));
            break;
        case TiEditorValueKind::Check:
            SetControlChecked(*control, qx::detail::asBool(value));
            break;
        case TiEditorValueKind::Ordinal: {
            const auto* info = enumOf(*property);
            const auto* ident = std::get_if<qx::Ident>(&value);
            const auto ordinal = info && ident ? info->valueOf(ident->name) : std::nullopt;
            SetControlIndex(*control, ordinal.value_or(-1));
            break;
        }
        case TiEditorValueKind::Name: {
            const std::string name = qx::detail::asString(value);
            SetControlText(*control, Canonical(name) == name && (name == kNone || name == kAll) ? Shown(name) : name);
            break;
        }
        case TiEditorValueKind::Color:
            SetControlColor(*control, qx::detail::asColor(value));
            break;
        case TiEditorValueKind::Font: {
            TFont f;
            f.Name = qx::detail::asString(value);
            f.Color = qx::detail::asColor(qx::getProperty(Target, std::string(row.Property) + ".Color"));
            f.SetHeight(static_cast<int>(
                qx::detail::asInteger(qx::getProperty(Target, std::string(row.Property) + ".Height"), -2000, 2000)));
            f.Style = qx::detail::asFontStyles(qx::getProperty(Target, std::string(row.Property) + ".Style"));
            SetControlFont(*control, f);
            break;
        }
        }
    }
}

void TiPlotEditorForm::StoreRows(TPersistent& Target, const std::vector<TiEditorBinding>& Rows)
{
    for (const TiEditorBinding& row : Rows) {
        TComponent* control = FindComponent(row.Control);
        const bool font = row.Kind == TiEditorValueKind::Font;
        const std::string path = std::string(row.Property) + (font ? ".Name" : "");
        const qx::PropertyInfo* property = control ? propertyOf(Target, path) : nullptr;
        if (!property)
            continue;
        switch (row.Kind) {
        case TiEditorValueKind::Text:
            qx::setProperty(Target, path, ControlText(*control));
            break;
        case TiEditorValueKind::Integer:
            qx::setProperty(Target, path, readInteger(ControlText(*control), row.Min, row.Max));
            break;
        case TiEditorValueKind::Float:
            qx::setProperty(Target, path, readFloat(ControlText(*control)));
            break;
        case TiEditorValueKind::Check:
            qx::setProperty(Target, path, ControlChecked(*control));
            break;
        case TiEditorValueKind::Ordinal: {
            const auto* info = enumOf(*property);
            const int index = ControlIndex(*control);
            if (const std::string* name = info && index >= 0 ? info->nameOf(index) : nullptr)
                qx::setProperty(Target, path, qx::Ident{*name});
            break;
        }
        case TiEditorValueKind::Name:
            qx::setProperty(Target, path, Canonical(ControlText(*control)));
            break;
        case TiEditorValueKind::Color:
            if (const auto color = ControlColor(*control))
                qx::setProperty(Target, path, qx::detail::colorValue(*color));
            break;
        case TiEditorValueKind::Font:
            if (const TFont* f = ControlFont(*control)) {
                const std::string p = row.Property;
                qx::setProperty(Target, p + ".Name", f->Name);
                qx::setProperty(Target, p + ".Color", qx::detail::colorValue(f->Color));
                qx::setProperty(Target, p + ".Height", std::int64_t{f->Height()});
                qx::setProperty(Target, p + ".Style", qx::detail::fontStylesValue(f->Style));
            }
            break;
        }
    }
}

// ---- page refreshes

void TiPlotEditorForm::UpdateAll()
{
    for (const TiEditorPage& page : EditorPages())
        UpdateEdit(page.Kind);
}

void TiPlotEditorForm::SetKindUsable(const char* Prefix, bool Usable)
{
    for (int i = 0; i < ComponentCount(); ++i) {
        TComponent* c = Components(i);
        if (!startsWithNoCase(c->Name(), Prefix) || dynamic_cast<TPageControl*>(c) || dynamic_cast<TTabSheet*>(c) ||
            dynamic_cast<TLabel*>(c))
            continue;
        if (IsValueControl(*c))
            SetControlUsable(*c, Usable);
        else if (auto* control = dynamic_cast<TControl*>(c))
            control->SetEnabled(Usable);
    }
}

std::vector<std::string> TiPlotEditorForm::NamesOf(TiPlotObjectManagerCustom* Manager, bool None, bool All,
                                                   bool AllFirst) const
{
    std::vector<std::string> names;
    if (AllFirst)
        names.push_back(Shown(kAll));
    if (None)
        names.push_back(Shown(kNone));
    for (int i = 0; Manager && i < Manager->Count(); ++i)
        names.push_back(Manager->GetItem(i)->Name());
    if (All)
        names.push_back(Shown(kAll));
    return names;
}

void TiPlotEditorForm::FillNames(const char* Combo, const std::vector<std::string>& Names)
{
    auto* combo = dynamic_cast<TComboBox*>(FindComponent(Combo));
    if (!combo)
        return;
    const std::string remembered = ControlText(*combo);
    combo->Items()->Clear();
    for (const std::string& name : Names)
        combo->Items()->Add(name);
    SetControlText(*combo, remembered);
}

void TiPlotEditorForm::RefreshNameLists(TiEditorKind Kind)
{
    if (!FMaster)
        return;
    TiPlotObjectManagerCustom* x = FMaster->XAxisManager();
    TiPlotObjectManagerCustom* y = FMaster->YAxisManager();
    switch (Kind) {
    case TiEditorKind::Channel:
        FillNames("ChannelXAxisNameComboBox", NamesOf(x, true, false, false));
        FillNames("ChannelYAxisNameComboBox", NamesOf(y, true, false, false));
        break;
    case TiEditorKind::XAxis:
        FillNames("XAxisCartesianChildRefAxisNameComboBox", NamesOf(y, true, false, false));
        FillNames("XAxisAlignRefAxisNameComboBox", NamesOf(x, true, false, false));
        break;
    case TiEditorKind::YAxis:
        FillNames("YAxisCartesianChildRefAxisNameComboBox", NamesOf(x, true, false, false));
        FillNames("YAxisAlignRefAxisNameComboBox", NamesOf(y, true, false, false));
        break;
    case TiEditorKind::DataView:
        FillNames("DataViewGridXAxisNameComboBox", NamesOf(x, true, true, false));
        FillNames("DataViewGridYAxisNameComboBox", NamesOf(y, true, true, false));
        break;
    case TiEditorKind::Limit:
        FillNames("LimitXAxisNameComboBox", NamesOf(x, true, false, false));
        FillNames("LimitYAxisNameComboBox", NamesOf(y, true, false, false));
        break;
    case TiEditorKind::DataCursor:
        FillNames("DataCursorChannelNameComboBox", NamesOf(FMaster->ChannelManager(), false, false, true));
        break;
    default:
        break;
    }
}

void TiPlotEditorForm::RepaintList(TiEditorKind Kind)
{
    if (TiComponentEditorListBox* list = ListBox(Kind))
        list->Invalidate();
}

void TiPlotEditorForm::GetData(TiEditorKind Kind, int Index, bool& DrawColorBox, TColor& AColor, std::string& AText,
                               bool ColorBox)
{
    TiComponentEditorListBox* list = ListBox(Kind);
    auto* object = list && Index >= 0 && Index < list->Count()
                       ? dynamic_cast<TiPlotObject*>(list->Items()->Objects(Index))
                       : nullptr;
    DrawColorBox = ColorBox;
    if (!object)
        return;
    AText = object->Name();
    if (!ColorBox)
        return;
    const char* colour = Kind == TiEditorKind::XAxis || Kind == TiEditorKind::YAxis ? "LabelsFont.Color" : "Color";
    if (propertyOf(*object, colour))
        AColor = qx::detail::asColor(qx::getProperty(*object, colour));
}

void TiPlotEditorForm::ToolBarListBoxGetData(int I, bool& D, TColor& C, std::string& T)
{
    GetData(TiEditorKind::ToolBar, I, D, C, T, false);
}
void TiPlotEditorForm::LegendListBoxGetData(int I, bool& D, TColor& C, std::string& T)
{
    GetData(TiEditorKind::Legend, I, D, C, T, false);
}
void TiPlotEditorForm::XAxisListBoxGetData(int I, bool& D, TColor& C, std::string& T)
{
    GetData(TiEditorKind::XAxis, I, D, C, T, true);
}
void TiPlotEditorForm::YAxisListBoxGetData(int I, bool& D, TColor& C, std::string& T)
{
    GetData(TiEditorKind::YAxis, I, D, C, T, true);
}
void TiPlotEditorForm::ChannelListBoxGetData(int I, bool& D, TColor& C, std::string& T)
{
    GetData(TiEditorKind::Channel, I, D, C, T, true);
}
void TiPlotEditorForm::DataViewListBoxGetData(int I, bool& D, TColor& C, std::string& T)
{
    GetData(TiEditorKind::DataView, I, D, C, T, false);
}
void TiPlotEditorForm::DataCursorListBoxGetData(int I, bool& D, TColor& C, std::string& T)
{
    GetData(TiEditorKind::DataCursor, I, D, C, T, true);
}
void TiPlotEditorForm::LimitListBoxGetData(int I, bool& D, TColor& C, std::string& T)
{
    GetData(TiEditorKind::Limit, I, D, C, T, true);
}
void TiPlotEditorForm::LabelListBoxGetData(int I, bool& D, TColor& C, std::string& T)
{
    GetData(TiEditorKind::Label, I, D, C, T, false);
}
void TiPlotEditorForm::TableListBoxGetData(int I, bool& D, TColor& C, std::string& T)
{
    GetData(TiEditorKind::Table, I, D, C, T, false);
}

void TiPlotEditorForm::UpdateEdit(TiEditorKind Kind)
{
    const TiEditorPage& page = EditorPage(Kind);
    RefreshNameLists(Kind);
    if (Kind == TiEditorKind::Channel) {
        // The Y-T pages and controls show only on a plot of Y-T channels.
        const bool yt = FMaster && FMaster->ChannelClass() != "TiXYPlotChannel";
        for (const char* name : {"ChannelFastDrawCheckBox", "ChannelInterpolationStyleComboBox",
                                 "ChannelInterpolationStyleComboBoxLabel"})
            if (auto* control = dynamic_cast<TControl*>(FindComponent(name)))
                control->SetVisible(yt);
        // The sub-pages are known by a control they hold, since their captions may be translated.
        for (const char* name : {"ChannelBarEnabledCheckBox", "ChannelHighLowEnabledCheckBox",
                                 "ChannelFillEnabledCheckBox", "ChannelDigitalEnabledCheckBox"})
            if (auto* control = dynamic_cast<TControl*>(FindComponent(name)))
                if (auto* sheet = dynamic_cast<TTabSheet*>(control->Parent()))
                    sheet->SetTabVisible(yt);
    }
    TiPlotObject* object = SelectedObject(Kind);
    if (!object) {
        SetKindUsable(page.Prefix, false);
        return;
    }
    SetKindUsable(page.Prefix, true);
    LoadRows(*object, page.Rows);
    if (auto* channel = dynamic_cast<TiPlotChannelCustom*>(object); channel && Kind == TiEditorKind::Channel)
        UpdateLogControls("Channel", channel->LoggingActive());
    if (Kind == TiEditorKind::Label)
        if (auto* remove = dynamic_cast<TControl*>(FindComponent("LabelRemoveButton")))
            remove->SetEnabled(ListBox(Kind)->ItemIndex() != 0);
    RepaintList(Kind);
}

void TiPlotEditorForm::UpdateLogControls(const char* Prefix, bool Logging)
{
    const std::string p = Prefix;
    for (const char* name : {"LogFileNameEdit", "LogFileNamePicker"})
        if (auto* control = dynamic_cast<TControl*>(FindComponent(p + name)))
            control->SetEnabled(!Logging);
    if (auto* activate = dynamic_cast<TControl*>(FindComponent(p + "LogActivateButton")))
        activate->SetEnabled(!Logging);
    if (auto* deactivate = dynamic_cast<TControl*>(FindComponent(p + "LogDeactivateButton")))
        deactivate->SetEnabled(Logging);
}

// ---- change handlers

void TiPlotEditorForm::PageChange(TiEditorKind Kind)
{
    TiPlotObject* object = SelectedObject(Kind);
    if (!object)
        return;
    StoreRows(*object, EditorPage(Kind).Rows);
    // The log's "..." proposes the channel's log file.
    if (auto* channel = dynamic_cast<TiPlotChannelCustom*>(object); channel && Kind == TiEditorKind::Channel)
        if (auto* picker = dynamic_cast<TiComponentEditorOpenPicker*>(FindComponent("ChannelLogFileNamePicker")))
            picker->SetFileName(channel->LogFileName());
    switch (Kind) {
    case TiEditorKind::DataCursor:
    case TiEditorKind::Limit:
        UpdateEdit(Kind);
        break;
    case TiEditorKind::Label:
        UpdateEdit(Kind);
        // The first label is the plot's title: the Control page's Title controls follow it.
        if (ListBox(Kind)->ItemIndex() == 0)
            LoadRows(*object, TitleRows());
        break;
    case TiEditorKind::Table:
        // The table page writes without a refresh; only its list shows a new name.
        RepaintList(Kind);
        break;
    default:
        UpdateAll();
        break;
    }
}

void TiPlotEditorForm::GeneralChanged(TObject*)
{
    if (FMaster)
        FMaster->BasicPropertyChanged();
}

void TiPlotEditorForm::StoreControlPage()
{
    auto* plot = Plot();
    if (FIsClosing || !plot)
        return;
    StoreRows(*plot, ControlPageRows());
    if (auto* picker = dynamic_cast<TiComponentEditorOpenPicker*>(FindComponent("ControlLogFileNamePicker")))
        if (TComponent* edit = FindComponent("ControlLogFileNameEdit"))
            picker->SetFileName(ControlText(*edit));
    UpdateLogControls("Control", plot->LoggingActive());
}

void TiPlotEditorForm::LoadControlPage()
{
    auto* plot = Plot();
    if (!plot)
        return;
    LoadRows(*plot, ControlPageRows());
    // The file pickers start in the plot's folders of their kind of file.
    const std::pair<const char*, const std::string*> folders[] = {
        {"ControlPropertiesOpenPicker", &plot->DefaultPropertyDirectory()},
        {"ControlPropertiesSavePicker", &plot->DefaultPropertyDirectory()},
        {"ControlDataOpenPicker", &plot->DefaultDataDirectory()},
        {"ControlDataSavePicker", &plot->DefaultDataDirectory()},
        {"ControlAnnotationOpenPicker", &plot->DefaultAnnotationDirectory()},
        {"ControlAnnotationSavePicker", &plot->DefaultAnnotationDirectory()},
    };
    for (const auto& [name, folder] : folders) {
        if (auto* open = dynamic_cast<TiComponentEditorOpenPicker*>(FindComponent(name)))
            open->SetDefaultDir(*folder);
        else if (auto* save = dynamic_cast<TiComponentEditorSavePicker*>(FindComponent(name)))
            save->SetDefaultDir(*folder);
    }
    UpdateLogControls("Control", plot->LoggingActive());
}

void TiPlotEditorForm::TitleChange(TObject*)
{
    if (!FMaster || !FMaster->LabelManager() || FMaster->LabelManager()->Count() == 0)
        return;
    StoreRows(*FMaster->LabelManager()->GetItem(0), TitleRows());
    UpdateLabelEdit();
}

// ---- lists, Add and Remove

void TiPlotEditorForm::ResetStatistics()
{
    const bool selected = SelectedObject(TiEditorKind::Channel) != nullptr;
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* label = dynamic_cast<TLabel*>(Components(i)))
            if (label->Name().starts_with("ChannelStats") && label->Name().ends_with("Display"))
                label->SetCaption(selected ? "Click Refresh" : "");
}

void TiPlotEditorForm::ChannelListBoxClick(TObject*)
{
    UpdateChannelEdit();
    ResetStatistics();
}

void TiPlotEditorForm::AddObject(TiEditorKind Kind, int (TiPlotMasterManager::*Add)())
{
    if (!FMaster)
        return;
    (FMaster->*Add)();
    // The master's insert notification has appended the object to the list.
    if (TiComponentEditorListBox* list = ListBox(Kind))
        list->SetItemIndex(list->Items()->Count() - 1);
    UpdateEdit(Kind);
    if (Kind == TiEditorKind::Channel)
        ResetStatistics();
}

void TiPlotEditorForm::XAxesAddButtonClick(TObject*) { AddObject(TiEditorKind::XAxis, &TiPlotMasterManager::AddXAxis); }
void TiPlotEditorForm::YAxesAddButtonClick(TObject*) { AddObject(TiEditorKind::YAxis, &TiPlotMasterManager::AddYAxis); }
void TiPlotEditorForm::iChannelAddButtonClick(TObject*)
{
    AddObject(TiEditorKind::Channel, &TiPlotMasterManager::AddChannel);
}
void TiPlotEditorForm::iDataCursorAddButtonClick(TObject*)
{
    AddObject(TiEditorKind::DataCursor, &TiPlotMasterManager::AddDataCursor);
}
void TiPlotEditorForm::iLimitAddButtonClick(TObject*) { AddObject(TiEditorKind::Limit, &TiPlotMasterManager::AddLimit); }
void TiPlotEditorForm::iLabelAddButtonClick(TObject*) { AddObject(TiEditorKind::Label, &TiPlotMasterManager::AddLabel); }
void TiPlotEditorForm::iTableAddButtonClick(TObject*) { AddObject(TiEditorKind::Table, &TiPlotMasterManager::AddTable); }

void TiPlotEditorForm::RemoveSelected(TiEditorKind Kind)
{
    TiComponentEditorListBox* list = ListBox(Kind);
    if (!list || list->Count() == 0 || list->ItemIndex() < 0)
        return;
    list->DeleteSelectedObject();
    if (Kind == TiEditorKind::XAxis || Kind == TiEditorKind::YAxis)
        UpdateChannelEdit();
    UpdateEdit(Kind);
    if (Kind == TiEditorKind::Channel)
        ResetStatistics();
}

void TiPlotEditorForm::XAxisRemoveButtonClick(TObject*) { RemoveSelected(TiEditorKind::XAxis); }
void TiPlotEditorForm::YAxisRemoveButtonClick(TObject*) { RemoveSelected(TiEditorKind::YAxis); }
void TiPlotEditorForm::ChannelRemoveButtonClick(TObject*) { RemoveSelected(TiEditorKind::Channel); }
void TiPlotEditorForm::DataCursorRemoveButtonClick(TObject*) { RemoveSelected(TiEditorKind::DataCursor); }
void TiPlotEditorForm::LimitRemoveButtonClick(TObject*) { RemoveSelected(TiEditorKind::Limit); }
void TiPlotEditorForm::TableRemoveButtonClick(TObject*) { RemoveSelected(TiEditorKind::Table); }
void TiPlotEditorForm::LabelRemoveButtonClick(TObject*)
{
    // The first label is the plot's title, which stays.
    if (TiComponentEditorListBox* list = ListBox(TiEditorKind::Label); list && list->ItemIndex() > 0)
        RemoveSelected(TiEditorKind::Label);
}

// ---- the Layout page

void TiPlotEditorForm::iPlotLayoutViewerMouseDown(TObject* Sender, TMouseButton, TShiftState, int X, int Y)
{
    auto* viewer = dynamic_cast<TiPlotLayoutViewer*>(Sender);
    FRightClickObject = viewer ? viewer->GetMouseOverBlock(X, Y) : nullptr;
}

void TiPlotEditorForm::LayoutPopupMenuPopup(TObject*)
{
    const auto item = [this](const char* Name) { return dynamic_cast<TMenuItem*>(FindComponent(Name)); };
    TMenuItem* reverse = item("XYAxesReverseMenuItem");
    TMenuItem* remove = item("DeleteMenuItem");
    TMenuItem* visible = item("VisibleMenuItem");
    TMenuItem* edit = item("EditMenuItem");
    if (!reverse || !remove || !visible || !edit)
        return;
    reverse->SetChecked(FMaster && FMaster->XYAxesReverse());
    remove->SetEnabled(false);
    visible->SetEnabled(false);
    visible->SetChecked(false);
    edit->SetEnabled(false);
    TiPlotLayoutObject* o = FRightClickObject;
    if (!o)
        return;
    // The first label is the plot's title, which stays.
    const bool title = FMaster && FMaster->LabelManager() && FMaster->LabelManager()->Count() > 0 &&
                       FMaster->LabelManager()->GetItem(0) == o;
    remove->SetEnabled(dynamic_cast<TiPlotAxis*>(o) || dynamic_cast<TiPlotTable*>(o) ||
                       (dynamic_cast<TiPlotLabel*>(o) && !title));
    visible->SetEnabled(!dynamic_cast<TiPlotDataView*>(o));
    visible->SetChecked(o->Visible());
    edit->SetEnabled(true);
}

void TiPlotEditorForm::XYAxesReverseMenuItemClick(TObject*)
{
    if (FMaster)
        FMaster->SetXYAxesReverse(!FMaster->XYAxesReverse());
}

void TiPlotEditorForm::AddXAxisMenuItemClick(TObject*)
{
    if (FMaster)
        FMaster->AddXAxis();
}

void TiPlotEditorForm::AddYAxisMenuItemClick(TObject*)
{
    if (FMaster)
        FMaster->AddYAxis();
}

void TiPlotEditorForm::AddLabelMenuItemClick(TObject*)
{
    if (FMaster)
        FMaster->AddLabel();
}

void TiPlotEditorForm::DeleteMenuItemClick(TObject*)
{
    TiPlotLayoutObject* o = FRightClickObject;
    FRightClickObject = nullptr;
    // The plot drops a freed object from its managers and the editor from its list.
    delete o;
    UpdateAll();
}

void TiPlotEditorForm::VisibleMenuItemClick(TObject*)
{
    if (!FRightClickObject)
        return;
    FRightClickObject->SetVisible(!FRightClickObject->Visible());
    UpdateAll();
}

void TiPlotEditorForm::EditMenuItemClick(TObject*)
{
    if (FRightClickObject)
        SelectObject(*FRightClickObject);
}

// ---- name lists when dropped down

void TiPlotEditorForm::XAxisNameComboBoxDropDown(TObject* Sender)
{
    if (auto* c = dynamic_cast<TComponent*>(Sender); c && FMaster && FMaster->XAxisManager())
        FillNames(c->Name().c_str(), NamesOf(FMaster->XAxisManager(), true, false, false));
}

void TiPlotEditorForm::YAxisNameComboBoxDropDown(TObject* Sender)
{
    if (auto* c = dynamic_cast<TComponent*>(Sender); c && FMaster && FMaster->YAxisManager())
        FillNames(c->Name().c_str(), NamesOf(FMaster->YAxisManager(), true, false, false));
}

void TiPlotEditorForm::DataViewGridXAxisNameComboBoxDropDown(TObject*)
{
    if (FMaster && FMaster->XAxisManager())
        FillNames("DataViewGridXAxisNameComboBox", NamesOf(FMaster->XAxisManager(), true, true, false));
}

void TiPlotEditorForm::DataViewGridYAxisNameComboBoxDropDown(TObject*)
{
    if (FMaster && FMaster->YAxisManager())
        FillNames("DataViewGridYAxisNameComboBox", NamesOf(FMaster->YAxisManager(), true, true, false));
}

void TiPlotEditorForm::DataCursorChannelNameComboBoxDropDown(TObject*)
{
    if (FMaster && FMaster->ChannelManager())
        FillNames("DataCursorChannelNameComboBox", NamesOf(FMaster->ChannelManager(), false, false, true));
}

// ---- buttons of the pages

void TiPlotEditorForm::ControlLogActivateButtonClick(TObject* Sender)
{
    if (auto* plot = Plot()) {
        plot->LogActivate(false);
        GeneralChanged(Sender);
    }
}

void TiPlotEditorForm::ControlLogDeactivateButtonClick(TObject* Sender)
{
    if (auto* plot = Plot()) {
        plot->LogDeactivate();
        GeneralChanged(Sender);
    }
}

void TiPlotEditorForm::ChannelLogActivateButtonClick(TObject*)
{
    if (auto* channel = SelectedChannel()) {
        channel->LogActivate(false);
        UpdateChannelEdit();
    }
}

void TiPlotEditorForm::ChannelLogDeactivateButtonClick(TObject*)
{
    if (auto* channel = SelectedChannel()) {
        channel->LogDeactivate();
        UpdateChannelEdit();
    }
}

void TiPlotEditorForm::ChannelStatsRefreshButtonClick(TObject*)
{
    auto* channel = SelectedChannel();
    if (!channel) {
        ResetStatistics();
        return;
    }
    const auto show = [this](const char* name, const std::string& text) {
        if (auto* label = dynamic_cast<TLabel*>(FindComponent(name)))
            label->SetCaption(text);
    };
    show("ChannelStatsPointCountDisplay", std::to_string(channel->Count()));
    show("ChannelStatsPointCapacityDisplay", std::to_string(channel->Capacity()));
    show("ChannelStatsMaxDataPointsDisplay", std::to_string(channel->MaxDataPoints()));
    show("ChannelStatsMemoryDisplay", std::to_string(channel->MemoryUsed()) + " Bytes");
    show("ChannelStatsDataPointSizeDisplay", std::to_string(channel->DataPointSize()) + " Bytes");
    channel->ReCalcRunningMinMaxMean();
    const auto format = [](TiPlotAxis* axis, double value) {
        return axis ? axis->GetLabelText(value) : floatText(value);
    };
    show("ChannelStatsXMinDisplay", format(channel->XAxis(), channel->RunningXMin()));
    show("ChannelStatsXMaxDisplay", format(channel->XAxis(), channel->RunningXMax()));
    show("ChannelStatsXMeanDisplay", format(channel->XAxis(), channel->RunningXMean()));
    show("ChannelStatsYMinDisplay", format(channel->YAxis(), channel->RunningYMin()));
    show("ChannelStatsYMaxDisplay", format(channel->YAxis(), channel->RunningYMax()));
    show("ChannelStatsYMeanDisplay", format(channel->YAxis(), channel->RunningYMean()));
}

TiPlotComponent* TiPlotEditorForm::Plot() const { return dynamic_cast<TiPlotComponent*>(PlotComponent); }

TiPlotChannelCustom* TiPlotEditorForm::SelectedChannel() const
{
    return dynamic_cast<TiPlotChannelCustom*>(SelectedObject(TiEditorKind::Channel));
}

void TiPlotEditorForm::ControlPropertiesOpenPickerChange(TObject* Sender)
{
    withPickedFile(Plot(), Sender, [this](TiPlotComponent& plot, const std::string& file) {
        plot.LoadPropertiesFromFile(file);
        UpdateAll();
    });
}

void TiPlotEditorForm::ControlPropertiesSavePickerChange(TObject* Sender)
{
    withPickedFile(Plot(), Sender, [](TiPlotComponent& plot, const std::string& file) { plot.SavePropertiesToFile(file); });
}

void TiPlotEditorForm::ControlDataSavePickerChange(TObject* Sender)
{
    withPickedFile(Plot(), Sender, [](TiPlotComponent& plot, const std::string& file) { plot.SaveDataToFile(file); });
}

void TiPlotEditorForm::ControlDataOpenPickerChange(TObject* Sender)
{
    withPickedFile(Plot(), Sender, [](TiPlotComponent& plot, const std::string& file) {
        plot.ClearAllData();
        plot.LoadDataFromFile(file);
    });
}

void TiPlotEditorForm::ControlAnnotationSavePickerChange(TObject* Sender)
{
    withPickedFile(Plot(), Sender,
                   [](TiPlotComponent& plot, const std::string& file) { plot.SaveAnnotationsToFile(file); });
}

void TiPlotEditorForm::ControlAnnotationOpenPickerChange(TObject* Sender)
{
    withPickedFile(Plot(), Sender,
                   [](TiPlotComponent& plot, const std::string& file) { plot.LoadAnnotationsFromFile(file); });
}

void TiPlotEditorForm::ControlLogFileNamePickerChange(TObject* Sender)
{
    withPickedFile(FindComponent("ControlLogFileNameEdit"), Sender, [&](TComponent& edit, const std::string& file) {
        SetControlText(edit, file);
        GeneralChanged(Sender);
    });
}

void TiPlotEditorForm::ChannelPropertiesOpenPickerChange(TObject* Sender)
{
    withPickedFile(SelectedChannel(), Sender, [this](TiPlotChannelCustom& channel, const std::string& file) {
        channel.LoadPropertiesFromFile(file);
        RepaintList(TiEditorKind::Channel);
    });
}

void TiPlotEditorForm::ChannelPropertiesSavePickerChange(TObject* Sender)
{
    withPickedFile(SelectedChannel(), Sender,
                   [](TiPlotChannelCustom& channel, const std::string& file) { channel.SavePropertiesToFile(file); });
}

void TiPlotEditorForm::ChannelDataOpenPickerChange(TObject* Sender)
{
    withPickedFile(SelectedChannel(), Sender,
                   [](TiPlotChannelCustom& channel, const std::string& file) { channel.LoadDataFromFile(file, true); });
}

void TiPlotEditorForm::ChannelDataSavePickerChange(TObject* Sender)
{
    withPickedFile(SelectedChannel(), Sender,
                   [](TiPlotChannelCustom& channel, const std::string& file) { channel.SaveDataToFile(file); });
}

void TiPlotEditorForm::ChannelLogFileNamePickerChange(TObject* Sender)
{
    withPickedFile(FindComponent("ChannelLogFileNameEdit"), Sender, [&](TComponent& edit, const std::string& file) {
        SetControlText(edit, file);
        ChannelChange(Sender);
    });
}

void TiPlotEditorForm::CopyDefaultFormat(const std::string& Axis, const std::string& Target)
{
    const auto c = [&](const std::string& name) { return FindComponent(Axis + name); };
    const std::string t = Axis + Target;
    if (auto* from = c("LabelFormatStyleComboBox"); from && FindComponent(t + "FormatStyleComboBox"))
        SetControlIndex(*FindComponent(t + "FormatStyleComboBox"), ControlIndex(*from));
    if (auto* from = c("DateTimeFormatComboBox"); from && FindComponent(t + "DateTimeFormatComboBox"))
        SetControlText(*FindComponent(t + "DateTimeFormatComboBox"), ControlText(*from));
    if (auto* from = c("LabelPrecisionStyleComboBox"); from && FindComponent(t + "PrecisionStyleComboBox"))
        SetControlIndex(*FindComponent(t + "PrecisionStyleComboBox"), ControlIndex(*from));
    if (auto* from = c("LabelPrecisionEdit"); from && FindComponent(t + "PrecisionEdit"))
        SetControlText(*FindComponent(t + "PrecisionEdit"), ControlText(*from));
    if (auto* from = c("LabelMinLengthEdit"); from && FindComponent(t + "MinLengthEdit"))
        SetControlText(*FindComponent(t + "MinLengthEdit"), ControlText(*from));
    if (auto* from = c("LabelMinLengthAutoAdjustCheckBox"); from && FindComponent(t + "MinLengthAutoAdjustCheckBox"))
        SetControlChecked(*FindComponent(t + "MinLengthAutoAdjustCheckBox"), ControlChecked(*from));
    PageChange(Axis == "XAxis" ? TiEditorKind::XAxis : TiEditorKind::YAxis);
}

// ---- the form's life

void TiPlotEditorForm::iCustomEditorFormClose(TObject*, TCloseAction&)
{
    FIsClosing = true;
    FInCloseHandler = true;
    if (FMaster)
        FMaster->EditorFormClosing();
    FInCloseHandler = false;
}

void TiPlotEditorForm::Execute(bool StayOnTop)
{
    FIsClosing = false;
    UpdateAll();
    LoadControlPage();
    if (TScreen* screen = Screen()) {
        SetLeft(screen->Width() / 2 - Width() / 2);
        SetTop(screen->Height() / 2 - Height() / 2);
    }
    if (auto* plot = Plot(); plot && plot->OnAfterOpenEditor)
        plot->OnAfterOpenEditor(this);
    if (StayOnTop) {
        SetFormStyle(fsStayOnTop);
        Show();
    } else {
        ShowModal();
    }
}

void TiPlotEditorForm::SelectObject(TiPlotObject& Object)
{
    const TiEditorPage* page = PageOf(Object);
    if (!page)
        return;
    auto* pages = dynamic_cast<TPageControl*>(FindComponent("PageControl"));
    auto* sheet = dynamic_cast<TTabSheet*>(FindComponent(page->TabSheet));
    if (pages && sheet)
        pages->SetActivePage(sheet);
    if (TiComponentEditorListBox* list = ListBox(page->Kind))
        for (int i = 0; i < list->Items()->Count(); ++i)
            if (list->Items()->Objects(i) == &Object)
                list->SetItemIndex(i);
    UpdateEdit(page->Kind);
}

std::vector<int> TiPlotEditorForm::ActivePages() const
{
    std::vector<int> pages;
    for (const char* name : kRememberedPages) {
        auto* control = dynamic_cast<TPageControl*>(FindComponent(name));
        pages.push_back(control ? control->ActivePageIndex() : 0);
    }
    return pages;
}

void TiPlotEditorForm::SetActivePages(const std::vector<int>& Pages)
{
    for (std::size_t i = 0; i < Pages.size() && i < std::size(kRememberedPages); ++i)
        if (auto* control = dynamic_cast<TPageControl*>(FindComponent(kRememberedPages[i])))
            if (Pages[i] >= 0 && Pages[i] < control->PageCount())
                control->SetActivePageIndex(Pages[i]);
}

void TiPlotEditorForm::Free()
{
    // The master frees its editor only through here, while the plot is still whole.
    if (auto* plot = dynamic_cast<TiPlotComponent*>(std::exchange(PlotComponent, nullptr));
        plot && plot->OnAfterCloseEditor)
        plot->OnAfterCloseEditor(this);
    if (FMaster && FMaster->EditorLink() == this)
        FMaster->SetEditorLink(nullptr);
    FMaster = nullptr;
    // Freed from inside its own close handling, the form goes once that has finished.
    if (FInCloseHandler)
        Release();
    else
        delete this;
}

// ---- keeping the lists in step with the plot

void TiPlotEditorForm::ObjectInserted(TiPlotObject& Object)
{
    const TiEditorPage* page = PageOf(Object);
    TiComponentEditorListBox* list = page ? ListBox(page->Kind) : nullptr;
    if (!list)
        return;
    list->Items()->AddObject({}, &Object);
    list->SelectLast();
    UpdateEdit(page->Kind);
}

void TiPlotEditorForm::ObjectRemoved(TiPlotObject& Object)
{
    if (&Object == FRightClickObject)
        FRightClickObject = nullptr;
    if (auto* viewer = dynamic_cast<TiPlotLayoutViewer*>(FindComponent("iPlotLayoutViewer")))
        viewer->ForgetObject(&Object);
    // The object is being destroyed: only its list item is touched here.
    for (const TiEditorPage& page : EditorPages())
        if (TiComponentEditorListBox* list = ListBox(page.Kind); list && list->IndexOfObject(&Object) >= 0) {
            list->DeleteObjectIndex(&Object);
            return;
        }
}

void TiPlotEditorForm::ObjectRenamed(TiPlotObject& Object)
{
    const TiEditorPage* page = PageOf(Object);
    if (!page)
        return;
    RepaintList(page->Kind);
    // Name choices that showed the old name show the new one.
    std::vector<const char*> combos;
    if (page->Kind == TiEditorKind::XAxis)
        combos = {"ChannelXAxisNameComboBox", "LimitXAxisNameComboBox", "DataViewGridXAxisNameComboBox", "XAxisAlignRefAxisNameComboBox",
                  "YAxisCartesianChildRefAxisNameComboBox"};
    else if (page->Kind == TiEditorKind::YAxis)
        combos = {"ChannelYAxisNameComboBox", "LimitYAxisNameComboBox", "DataViewGridYAxisNameComboBox", "YAxisAlignRefAxisNameComboBox",
                  "XAxisCartesianChildRefAxisNameComboBox"};
    else if (page->Kind == TiEditorKind::Channel)
        combos = {"DataCursorChannelNameComboBox"};
    for (const char* name : combos) {
        auto* combo = dynamic_cast<TComboBox*>(FindComponent(name));
        if (!combo)
            continue;
        const bool showedOld = ControlText(*combo) == Object.NameOld();
        TStrings& items = *combo->Items();
        for (int i = 0; i < items.Count(); ++i)
            if (items.Get(i) == Object.NameOld())
                items.Put(i, Object.Name());
        if (showedOld)
            SetControlText(*combo, Object.Name());
    }
}

void TiPlotEditorForm::TranslateForm(const std::function<std::string(const std::string&)>& Translate)
{
    qx::plot::editor::TranslateForm(*this, Translate);
}

void TiPlotEditorForm::SetFormTranslationMethod(const TFormTranslationMethod& Method)
{
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* picker = dynamic_cast<TiComponentEditorValueConverterPicker*>(Components(i)))
            picker->TranslationMethod = Method;
}

namespace qx {

void installPlotEditor()
{
    SetPlotEditorFactory([](TiPlotMasterManager& Master) -> TiPlotEditorLink* {
        auto* plot = dynamic_cast<TiPlotComponent*>(Master.Owner());
        if (!plot)
            return nullptr;
        auto* form = new TiPlotEditorForm(plot);
        form->AfterConstruction();
        form->SetMaster(&Master);
        Master.SetEditorLink(form);
        // The value converter's window is translated when it opens, with the table as it is then.
        form->SetFormTranslationMethod([plot](TForm* AForm) {
            if (AForm && plot->TranslationCount() > 0)
                qx::plot::editor::TranslateForm(*AForm, [plot](const std::string& text) { return plot->TranslateText(text); });
        });
        if (plot->TranslationCount() > 0)
            form->TranslateForm([plot](const std::string& text) { return plot->TranslateText(text); });
        return form;
    });
}

void registerPlotEditorFormClasses()
{
    registerPlotEditorClasses();
    using F = TiPlotEditorForm;
    registerClass<F, TiCustomEditorForm>("TiPlotEditorForm")
        .method("ToolBarListBoxGetData", &F::ToolBarListBoxGetData)
        .method("LegendListBoxGetData", &F::LegendListBoxGetData)
        .method("XAxisListBoxGetData", &F::XAxisListBoxGetData)
        .method("YAxisListBoxGetData", &F::YAxisListBoxGetData)
        .method("ChannelListBoxGetData", &F::ChannelListBoxGetData)
        .method("DataViewListBoxGetData", &F::DataViewListBoxGetData)
        .method("DataCursorListBoxGetData", &F::DataCursorListBoxGetData)
        .method("LimitListBoxGetData", &F::LimitListBoxGetData)
        .method("LabelListBoxGetData", &F::LabelListBoxGetData)
        .method("TableListBoxGetData", &F::TableListBoxGetData)
        .method("ControlPropertiesOpenPickerChange", &F::ControlPropertiesOpenPickerChange)
        .method("ControlPropertiesSavePickerChange", &F::ControlPropertiesSavePickerChange)
        .method("ControlDataSavePickerChange", &F::ControlDataSavePickerChange)
        .method("ControlDataOpenPickerChange", &F::ControlDataOpenPickerChange)
        .method("ControlAnnotationSavePickerChange", &F::ControlAnnotationSavePickerChange)
        .method("ControlAnnotationOpenPickerChange", &F::ControlAnnotationOpenPickerChange)
        .method("ControlLogFileNamePickerChange", &F::ControlLogFileNamePickerChange)
        .method("ChannelPropertiesOpenPickerChange", &F::ChannelPropertiesOpenPickerChange)
        .method("ChannelPropertiesSavePickerChange", &F::ChannelPropertiesSavePickerChange)
        .method("ChannelDataOpenPickerChange", &F::ChannelDataOpenPickerChange)
        .method("ChannelDataSavePickerChange", &F::ChannelDataSavePickerChange)
        .method("ChannelLogFileNamePickerChange", &F::ChannelLogFileNamePickerChange)
        .method("GeneralChanged", &F::GeneralChanged)
        .method("TitleChange", &F::TitleChange)
        .method("ToolBarChange", &F::ToolBarChange)
        .method("LegendChange", &F::LegendChange)
        .method("XAxisChange", &F::XAxisChange)
        .method("YAxisChange", &F::YAxisChange)
        .method("ChannelChange", &F::ChannelChange)
        .method("DataViewChange", &F::DataViewChange)
        .method("DataCursorChange", &F::DataCursorChange)
        .method("LimitChange", &F::LimitChange)
        .method("LabelChange", &F::LabelChange)
        .method("TableChange", &F::TableChange)
        .method("ToolBarListBoxClick", &F::ToolBarListBoxClick)
        .method("LegendListBoxClick", &F::LegendListBoxClick)
        .method("XAxisListBoxClick", &F::XAxisListBoxClick)
        .method("YAxisListBoxClick", &F::YAxisListBoxClick)
        .method("ChannelListBoxClick", &F::ChannelListBoxClick)
        .method("DataViewListBoxClick", &F::DataViewListBoxClick)
        .method("DataCursorListBoxClick", &F::DataCursorListBoxClick)
        .method("LimitListBoxClick", &F::LimitListBoxClick)
        .method("LabelListBoxClick", &F::LabelListBoxClick)
        .method("TableListBoxClick", &F::TableListBoxClick)
        .method("XAxesAddButtonClick", &F::XAxesAddButtonClick)
        .method("YAxesAddButtonClick", &F::YAxesAddButtonClick)
        .method("iChannelAddButtonClick", &F::iChannelAddButtonClick)
        .method("iDataCursorAddButtonClick", &F::iDataCursorAddButtonClick)
        .method("iLimitAddButtonClick", &F::iLimitAddButtonClick)
        .method("iLabelAddButtonClick", &F::iLabelAddButtonClick)
        .method("iTableAddButtonClick", &F::iTableAddButtonClick)
        .method("XAxisRemoveButtonClick", &F::XAxisRemoveButtonClick)
        .method("YAxisRemoveButtonClick", &F::YAxisRemoveButtonClick)
        .method("ChannelRemoveButtonClick", &F::ChannelRemoveButtonClick)
        .method("DataCursorRemoveButtonClick", &F::DataCursorRemoveButtonClick)
        .method("LimitRemoveButtonClick", &F::LimitRemoveButtonClick)
        .method("LabelRemoveButtonClick", &F::LabelRemoveButtonClick)
        .method("TableRemoveButtonClick", &F::TableRemoveButtonClick)
        .method("XAxisNameComboBoxDropDown", &F::XAxisNameComboBoxDropDown)
        .method("YAxisNameComboBoxDropDown", &F::YAxisNameComboBoxDropDown)
        .method("DataViewGridXAxisNameComboBoxDropDown", &F::DataViewGridXAxisNameComboBoxDropDown)
        .method("DataViewGridYAxisNameComboBoxDropDown", &F::DataViewGridYAxisNameComboBoxDropDown)
        .method("DataCursorChannelNameComboBoxDropDown", &F::DataCursorChannelNameComboBoxDropDown)
        .method("ControlLogActivateButtonClick", &F::ControlLogActivateButtonClick)
        .method("ControlLogDeactivateButtonClick", &F::ControlLogDeactivateButtonClick)
        .method("ChannelLogActivateButtonClick", &F::ChannelLogActivateButtonClick)
        .method("ChannelLogDeactivateButtonClick", &F::ChannelLogDeactivateButtonClick)
        .method("ChannelStatsRefreshButtonClick", &F::ChannelStatsRefreshButtonClick)
        .method("XAxisCursorCopyDefaultButtonClick", &F::XAxisCursorCopyDefaultButtonClick)
        .method("XAxisLegendCopyDefaultButtonClick", &F::XAxisLegendCopyDefaultButtonClick)
        .method("YAxisCursorCopyDefaultButtonClick", &F::YAxisCursorCopyDefaultButtonClick)
        .method("YAxisLegendCopyDefaultButtonClick", &F::YAxisLegendCopyDefaultButtonClick)
        .method("iPlotLayoutViewerMouseDown", &F::iPlotLayoutViewerMouseDown)
        .method("iPlotLayoutViewerChange", &F::iPlotLayoutViewerChange)
        .method("LayoutPopupMenuPopup", &F::LayoutPopupMenuPopup)
        .method("XYAxesReverseMenuItemClick", &F::XYAxesReverseMenuItemClick)
        .method("AddXAxisMenuItemClick", &F::AddXAxisMenuItemClick)
        .method("AddYAxisMenuItemClick", &F::AddYAxisMenuItemClick)
        .method("AddLabelMenuItemClick", &F::AddLabelMenuItemClick)
        .method("DeleteMenuItemClick", &F::DeleteMenuItemClick)
        .method("VisibleMenuItemClick", &F::VisibleMenuItemClick)
        .method("EditMenuItemClick", &F::EditMenuItemClick)
        .method("iCustomEditorFormClose", &F::iCustomEditorFormClose);
    installPlotEditor();
}

} // namespace qx
