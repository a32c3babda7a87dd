#include "controls/plot/editor/iEditorBasicComponents.h"
#include "controls/plot/editor/iValueConverterEdit.h"
#include "platform/gui/Label.h"
#include "platform/gui/Panel.h"

#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/StandardClasses.h"

#include <mutex>

namespace qx {

namespace {

void registerCheckBoxAndRadioGroup()
{
    registerClass<TiCheckBox, TiVCLComponent>("TiCheckBox")
        .property("Width", &TiCheckBox::Width, &TiCheckBox::SetWidth)
        .defaultValue(97)
        .property("Height", &TiCheckBox::Height, &TiCheckBox::SetHeight)
        .defaultValue(17)
        .property("Checked", &TiCheckBox::Checked, &TiCheckBox::SetChecked)
        .property("Alignment", &TiCheckBox::Alignment, &TiCheckBox::SetAlignment)
        .defaultValue(taRightJustify)
        .property("AutoSize", &TiCheckBox::AutoSize, &TiCheckBox::SetAutoSize)
        .defaultValue(true)
        .font("Font", &TiCheckBox::Font, &TiCheckBox::SetFont)
        .color("BackGroundColor", &TiCheckBox::BackGroundColor, &TiCheckBox::SetBackGroundColor)
        .colorDefault(clBtnFace)
        .property("TabStop", &TiCheckBox::TabStop, &TiCheckBox::SetTabStop)
        .defaultValue(true)
        .event("OnChange", &TiCheckBox::OnChange)
        .event("OnChangeUser", &TiCheckBox::OnChangeUser);

    registerClass<TiRadioGroup, TiVCLComponent>("TiRadioGroup")
        .property("Width", &TiRadioGroup::Width, &TiRadioGroup::SetWidth)
        .defaultValue(97)
        .property("Height", &TiRadioGroup::Height, &TiRadioGroup::SetHeight)
        .defaultValue(17)
        .font("Font", &TiRadioGroup::Font, &TiRadioGroup::SetFont)
        .strings("Items", &TiRadioGroup::Items)
        .property("ItemIndex", &TiRadioGroup::ItemIndex, &TiRadioGroup::SetItemIndex)
        .property("Columns", &TiRadioGroup::Columns, &TiRadioGroup::SetColumns)
        .defaultValue(1)
        .color("BackGroundColor", &TiRadioGroup::BackGroundColor, &TiRadioGroup::SetBackGroundColor)
        .colorDefault(clBtnFace)
        .property("TabStop", &TiRadioGroup::TabStop, &TiRadioGroup::SetTabStop)
        .defaultValue(true)
        .event("OnChange", &TiRadioGroup::OnChange)
        .event("OnChangeUser", &TiRadioGroup::OnChangeUser);
}

void registerValueControls()
{
    registerClass<TiCustomEditorForm, TForm>("TiCustomEditorForm")
        .property("AutoScroll", &TiCustomEditorForm::AutoScroll, &TiCustomEditorForm::SetAutoScroll)
        .defaultValue(false);

    registerClass<TiComponentEditorEdit, TEdit>("TiComponentEditorEdit")
        .property("Height", &TiComponentEditorEdit::Height, &TiComponentEditorEdit::SetHeight)
        .defaultValue(21)
        .event("OnUpdate", &TiComponentEditorEdit::OnUpdate);

    registerClass<TiUpDown, TGraphicControl>("TiUpDown")
        .component<TiComponentEditorEdit>("Associate", &TiUpDown::Associate, &TiUpDown::SetAssociate)
        .property("Min", &TiUpDown::Min, &TiUpDown::SetMin)
        .defaultValue(0)
        .property("Max", &TiUpDown::Max, &TiUpDown::SetMax)
        .defaultValue(100)
        .property("Increment", &TiUpDown::Increment, &TiUpDown::SetIncrement)
        .defaultValue(1)
        .property("Width", &TiUpDown::Width, &TiUpDown::SetWidth)
        .defaultValue(15)
        .property("Height", &TiUpDown::Height, &TiUpDown::SetHeight)
        .defaultValue(21);

    registerClass<TiComponentEditorComboBox, TComboBox>("TiComponentEditorComboBox");
    registerClass<TiComponentEditorCheckBox, TiCheckBox>("TiComponentEditorCheckBox");
    registerClass<TiComponentEditorRadioGroup, TiRadioGroup>("TiComponentEditorRadioGroup");
}

void registerListAndPickers()
{
    registerEnum<TListBoxStyle>("TListBoxStyle", {{"lbStandard", lbStandard},
                                                  {"lbOwnerDrawFixed", lbOwnerDrawFixed},
                                                  {"lbOwnerDrawVariable", lbOwnerDrawVariable},
                                                  {"lbVirtual", lbVirtual},
                                                  {"lbVirtualOwnerDraw", lbVirtualOwnerDraw}});
    registerEnum<TDragMode>("TDragMode", {{"dmManual", dmManual}, {"dmAutomatic", dmAutomatic}});

    using L = TiComponentEditorListBox;
    registerClass<L, TCustomControl>("TiComponentEditorListBox")
        .property("TabStop", &L::TabStop, &L::SetTabStop)
        .defaultValue(true)
        .property("Style", &L::Style, &L::SetStyle)
        .defaultValue(lbOwnerDrawFixed)
        .property("Sorted", &L::Sorted, &L::SetSorted)
        .defaultValue(false)
        .property("DragMode", &L::DragMode, &L::SetDragMode)
        .defaultValue(dmAutomatic)
        .property("ItemHeight", &L::ItemHeight, &L::SetItemHeight)
        .defaultValue(16)
        .color("Color", &L::Color, &L::SetColor)
        .colorDefault(clWindow)
        .event("OnGetData", &L::OnGetData)
        .event("OnItemMove", &L::OnItemMove)
        .event("OnDrawItem", &L::OnDrawItem);

    registerClass<TiComponentEditorColorPicker, TCustomControl>("TiComponentEditorColorPicker")
        .property("TabStop", &TiComponentEditorColorPicker::TabStop, &TiComponentEditorColorPicker::SetTabStop)
        .defaultValue(true)
        .event("OnChange", &TiComponentEditorColorPicker::OnChange);

    registerClass<TiComponentEditorButton, TButton>("TiComponentEditorButton");

    registerClass<TiComponentEditorFontPicker, TiComponentEditorButton>("TiComponentEditorFontPicker")
        .event("OnChange", &TiComponentEditorFontPicker::OnChange);

    using O = TiComponentEditorOpenPicker;
    registerClass<O, TiComponentEditorButton>("TiComponentEditorOpenPicker")
        .property("FileName", &O::FileName, &O::SetFileName)
        .property("Filter", &O::Filter, &O::SetFilter)
        .property("DefaultExt", &O::DefaultExt, &O::SetDefaultExt)
        .property("DefaultDir", &O::DefaultDir, &O::SetDefaultDir)
        .property("FileMustExist", &O::FileMustExist, &O::SetFileMustExist)
        .defaultValue(false)
        .property("AllowMultiSelect", &O::AllowMultiSelect, &O::SetAllowMultiSelect)
        .defaultValue(false)
        .event("OnChange", &O::OnChange);

    using S = TiComponentEditorSavePicker;
    registerClass<S, TiComponentEditorButton>("TiComponentEditorSavePicker")
        .property("FileName", &S::FileName, &S::SetFileName)
        .property("Filter", &S::Filter, &S::SetFilter)
        .property("FilterIndex", &S::FilterIndex, &S::SetFilterIndex)
        .defaultValue(1)
        .property("DefaultExt", &S::DefaultExt, &S::SetDefaultExt)
        .property("DefaultDir", &S::DefaultDir, &S::SetDefaultDir)
        .event("OnChange", &S::OnChange);

    registerClass<TiComponentEditorPageControl, TPageControl>("TiComponentEditorPageControl")
        .property("TabIndex", &TiComponentEditorPageControl::TabIndex, &TiComponentEditorPageControl::SetTabIndex)
        .defaultValue(0);
    registerClass<TiComponentEditorGroupBox, TGroupBox>("TiComponentEditorGroupBox");

    registerClass<TiPaintBox, TCustomControl>("TiPaintBox").event("OnPaint", &TiPaintBox::OnPaint);
}

void registerValueConverter()
{
    registerEnum<TiValueConverterPageType>(
        "TiValueConverterPageType",
        {{"ivcptInterval", ivcptInterval}, {"ivcptDateTime", ivcptDateTime}, {"ivcptPrice32nd", ivcptPrice32nd}});
    registerEnum<TDateTimeKind>("TDateTimeKind", {{"dtkDate", dtkDate}, {"dtkTime", dtkTime}});

    registerClass<TiDateTimePicker, TiComponentEditorEdit>("TiDateTimePicker")
        .property("Kind", &TiDateTimePicker::Kind, &TiDateTimePicker::SetKind)
        .defaultValue(dtkDate);

    using P = TiComponentEditorValueConverterPicker;
    registerClass<P, TiComponentEditorButton>("TiComponentEditorValueConverterPicker")
        .component<TiComponentEditorEdit>("Associate", &P::Associate, &P::SetAssociate)
        .property("DateTime", &P::DateTime, &P::SetDateTime)
        .defaultValue(0.0)
        .property("DefaultPage", &P::DefaultPage, &P::SetDefaultPage)
        .defaultValue(ivcptInterval)
        .event("OnChange", &P::OnChange)
        .event("TranslationMethod", &P::TranslationMethod);

    using F = TiValueConverterEditForm;
    registerClass<F, TiCustomEditorForm>("TiValueConverterEditForm")
        .method("FormCreate", &F::FormCreate)
        .method("WeeksChange", &F::WeeksChange)
        .method("TimeChange", &F::TimeChange)
        .method("DateTimePickerChange", &F::DateTimePickerChange)
        .method("SetNowButtonClick", &F::SetNowButtonClick)
        .method("iComponentEditorButton1Click", &F::iComponentEditorButton1Click)
        .method("Price32Change", &F::Price32Change)
        .field("PageControl", &F::PageControl)
        .field("IntervalSheet", &F::IntervalSheet)
        .field("DateTimeSheet", &F::DateTimeSheet)
        .field("PriceSheet", &F::PriceSheet)
        .field("WeeksEdit", &F::WeeksEdit)
        .field("DaysEdit", &F::DaysEdit)
        .field("HoursEdit", &F::HoursEdit)
        .field("MinutesEdit", &F::MinutesEdit)
        .field("SecondsEdit", &F::SecondsEdit)
        .field("MilliSecondsEdit", &F::MilliSecondsEdit)
        .field("WeeksUpDown", &F::WeeksUpDown)
        .field("DaysUpDown", &F::DaysUpDown)
        .field("HoursUpDown", &F::HoursUpDown)
        .field("MinutesUpDown", &F::MinutesUpDown)
        .field("SecondsUpDown", &F::SecondsUpDown)
        .field("MilliSecondsUpDown", &F::MilliSecondsUpDown)
        .field("iComponentEditorButton1", &F::iComponentEditorButton1)
        .field("DateLabel", &F::DateLabel)
        .field("TimeLabel", &F::TimeLabel)
        .field("SetNowButton", &F::SetNowButton)
        .field("PriceIntegerEdit", &F::PriceIntegerEdit)
        .field("Price32ndsEdit", &F::Price32ndsEdit)
        .field("Price256thsEdit", &F::Price256thsEdit)
        .field("PriceIntegerUpDown", &F::PriceIntegerUpDown)
        .field("Price32ndsUpDown", &F::Price32ndsUpDown)
        .field("Price256thsUpDown", &F::Price256thsUpDown)
        .field("ValueEdit", &F::ValueEdit)
        .field("ButtonPanel", &F::ButtonPanel)
        .field("OkButton", &F::OkButton)
        .field("CancelButton", &F::CancelButton);
}

} // namespace

void registerPlotEditorClasses()
{
    static std::once_flag once;
    std::call_once(once, [] {
        registerStandardClasses();
        registerVCLComponentClasses();
        registerCheckBoxAndRadioGroup();
        registerValueControls();
        registerListAndPickers();
        registerValueConverter();
    });
}

} // namespace qx
