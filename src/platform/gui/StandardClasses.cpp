#include "platform/gui/StandardClasses.h"

#include "platform/gui/Button.h"
#include "platform/gui/CheckBox.h"
#include "platform/gui/ComboBox.h"
#include "platform/gui/CoreClasses.h"
#include "platform/gui/ColorDialog.h"
#include "platform/gui/Edit.h"
#include "platform/gui/FontDialog.h"
#include "platform/gui/HintWindow.h"
#include "platform/gui/GroupBox.h"
#include "platform/gui/Image.h"
#include "platform/gui/ImageList.h"
#include "platform/gui/Label.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/TreeView.h"
#include "platform/gui/MainMenu.h"
#include "platform/gui/MenuItem.h"
#include "platform/gui/Memo.h"
#include "platform/gui/OpenDialog.h"
#include "platform/gui/PageControl.h"
#include "platform/gui/PaintBox.h"
#include "platform/gui/Panel.h"
#include "platform/gui/PopupMenu.h"
#include "platform/gui/PrintDialog.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/RadioButton.h"
#include "platform/gui/RichEdit.h"
#include "platform/gui/ScrollBox.h"
#include "platform/gui/Shape.h"
#include "platform/gui/SpeedButton.h"
#include "platform/gui/ProgressBar.h"
#include "platform/gui/StatusBar.h"
#include "platform/gui/UpDown.h"
#include "platform/gui/ValueListEditor.h"

#include <mutex>

namespace qx {

namespace {

void registerEnums()
{
    registerEnum<TAlignment>("TAlignment",
                             {{"taLeftJustify", taLeftJustify}, {"taRightJustify", taRightJustify}, {"taCenter", taCenter}});
    registerEnum<TTextLayout>("TTextLayout", {{"tlTop", tlTop}, {"tlCenter", tlCenter}, {"tlBottom", tlBottom}});
    registerEnum<TScrollStyle>("TScrollStyle",
                               {{"ssNone", ssNone}, {"ssHorizontal", ssHorizontal}, {"ssVertical", ssVertical}, {"ssBoth", ssBoth}});
    registerEnum<TEditCharCase>("TEditCharCase",
                                {{"ecNormal", ecNormal}, {"ecUpperCase", ecUpperCase}, {"ecLowerCase", ecLowerCase}});
    registerEnum<TImeMode>("TImeMode", {{"imDisable", imDisable}, {"imClose", imClose}, {"imOpen", imOpen},
                                        {"imDontCare", imDontCare}, {"imSAlpha", imSAlpha}, {"imAlpha", imAlpha},
                                        {"imHira", imHira}, {"imSKata", imSKata}, {"imKata", imKata},
                                        {"imChinese", imChinese}, {"imSHanguel", imSHanguel}, {"imHanguel", imHanguel}});
    registerEnum<TComboBoxStyle>("TComboBoxStyle",
                                 {{"csDropDown", csDropDown}, {"csSimple", csSimple}, {"csDropDownList", csDropDownList},
                                  {"csOwnerDrawFixed", csOwnerDrawFixed}, {"csOwnerDrawVariable", csOwnerDrawVariable}});
    registerEnum<TCheckBoxState>("TCheckBoxState",
                                 {{"cbUnchecked", cbUnchecked}, {"cbChecked", cbChecked}, {"cbGrayed", cbGrayed}});
    registerEnum<TUDOrientation>("TUDOrientation", {{"udHorizontal", udHorizontal}, {"udVertical", udVertical}});
    registerEnum<TBevelCut>("TBevelCut", {{"bvNone", bvNone}, {"bvLowered", bvLowered}, {"bvRaised", bvRaised}, {"bvSpace", bvSpace}});
    registerEnum<TShapeType>("TShapeType", {{"stRectangle", stRectangle}, {"stSquare", stSquare}, {"stRoundRect", stRoundRect},
                                            {"stRoundSquare", stRoundSquare}, {"stEllipse", stEllipse}, {"stCircle", stCircle}});
    registerEnum<TPenStyle>("TPenStyle", {{"psSolid", psSolid}, {"psDash", psDash}, {"psDot", psDot}, {"psDashDot", psDashDot},
                                          {"psDashDotDot", psDashDotDot}, {"psClear", psClear}, {"psInsideFrame", psInsideFrame}});
    registerEnum<TBrushStyle>("TBrushStyle", {{"bsSolid", bsSolid}, {"bsClear", bsClear}, {"bsHorizontal", bsHorizontal},
                                              {"bsVertical", bsVertical}, {"bsFDiagonal", bsFDiagonal}, {"bsBDiagonal", bsBDiagonal},
                                              {"bsCross", bsCross}, {"bsDiagCross", bsDiagCross}});
}

// A property of a pen or brush held by value: read, changed and written back.
template <class Object, class Value>
auto memberGetter(const Object& (TShape::*get)() const, Value Object::*field)
{
    return [get, field](const TShape& s) { return (s.*get)().*field; };
}
template <class Object, class Value>
auto memberSetter(const Object& (TShape::*get)() const, void (TShape::*set)(const Object&), Value Object::*field)
{
    return [get, set, field](TShape& s, Value v) {
        Object o = (s.*get)();
        o.*field = v;
        (s.*set)(o);
    };
}

void registerContainers()
{
    registerClass<TGroupBox, TWinControl>("TGroupBox");

    registerClass<TPanel, TCustomControl>("TPanel")
        .property("BevelOuter", &TPanel::BevelOuter, &TPanel::SetBevelOuter).defaultValue(bvRaised)
        .property("BevelInner", &TPanel::BevelInner, &TPanel::SetBevelInner).defaultValue(bvNone)
        .property("BevelWidth", &TPanel::BevelWidth, &TPanel::SetBevelWidth).defaultValue(1)
        .property("BorderWidth", &TPanel::BorderWidth, &TPanel::SetBorderWidth).defaultValue(0)
        .property("Alignment", &TPanel::Alignment, &TPanel::SetAlignment).defaultValue(taCenter)
        .property("VerticalAlignment", &TPanel::VerticalAlignment, &TPanel::SetVerticalAlignment).defaultValue(tlCenter);

    registerClass<TControlScrollBar>("TControlScrollBar")
        .property("Position", &TControlScrollBar::Position, &TControlScrollBar::SetPosition).defaultValue(0)
        .property("Range", &TControlScrollBar::Range, &TControlScrollBar::SetRange).defaultValue(0)
        .property("Increment", &TControlScrollBar::Increment, &TControlScrollBar::SetIncrement).defaultValue(8)
        .property("Visible", &TControlScrollBar::Visible, &TControlScrollBar::SetVisible).defaultValue(true);
    registerClass<TScrollBox, TWinControl>("TScrollBox")
        .object("VertScrollBar", &TScrollBox::VertScrollBar)
        .object("HorzScrollBar", &TScrollBox::HorzScrollBar);

    registerClass<TTabSheet, TWinControl>("TTabSheet")
        .property("TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible).defaultValue(true);
    registerClass<TPageControl, TWinControl>("TPageControl")
        .component<TTabSheet>("ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage)
        .property("TabStop", &TPageControl::TabStop, &TPageControl::SetTabStop).defaultValue(true)
        .event("OnChange", &TPageControl::OnChange)
        .event("OnChanging", &TPageControl::OnChanging);

    registerClass<TStatusBar, TCustomControl>("TStatusBar")
        .property("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel).defaultValue(false)
        .property("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText)
        .property("Align", &TStatusBar::Align, &TStatusBar::SetAlign).defaultValue(alBottom);
    registerClass<TProgressBar, TCustomControl>("TProgressBar")
        .property("Min", &TProgressBar::Min, &TProgressBar::SetMin).defaultValue(0)
        .property("Max", &TProgressBar::Max, &TProgressBar::SetMax).defaultValue(100)
        .property("Position", &TProgressBar::Position, &TProgressBar::SetPosition).defaultValue(0)
        .property("Smooth", &TProgressBar::Smooth, &TProgressBar::SetSmooth).defaultValue(false);
}

void registerGraphicControls()
{
    registerClass<TImage, TGraphicControl>("TImage")
        .picture("Picture", &TImage::PictureName, &TImage::SetPictureName)
        .property("Stretch", &TImage::Stretch, &TImage::SetStretch).defaultValue(false)
        .property("Center", &TImage::Center, &TImage::SetCenter).defaultValue(false)
        .property("Proportional", &TImage::Proportional, &TImage::SetProportional).defaultValue(false)
        .property("Transparent", &TImage::Transparent, &TImage::SetTransparent).defaultValue(false);

    registerClass<TImageList, TComponent>("TImageList")
        .property("Width", &TImageList::Width, &TImageList::SetWidth).defaultValue(16)
        .property("Height", &TImageList::Height, &TImageList::SetHeight).defaultValue(16)
        .picture("Bitmap", &TImageList::BitmapName, &TImageList::SetBitmapName);

    registerClass<TPaintBox, TGraphicControl>("TPaintBox").event("OnPaint", &TPaintBox::OnPaint);

    registerClass<TShape, TGraphicControl>("TShape")
        .property("Shape", &TShape::Shape, &TShape::SetShape).defaultValue(stRectangle)
        .color("Pen.Color", memberGetter(&TShape::Pen, &TPen::Color), memberSetter(&TShape::Pen, &TShape::SetPen, &TPen::Color))
        .colorDefault(clBlack)
        .property("Pen.Width", memberGetter(&TShape::Pen, &TPen::Width), memberSetter(&TShape::Pen, &TShape::SetPen, &TPen::Width))
        .defaultValue(1)
        .property("Pen.Style", memberGetter(&TShape::Pen, &TPen::Style), memberSetter(&TShape::Pen, &TShape::SetPen, &TPen::Style))
        .defaultValue(psSolid)
        .color("Brush.Color", memberGetter(&TShape::Brush, &TBrush::Color),
               memberSetter(&TShape::Brush, &TShape::SetBrush, &TBrush::Color))
        .colorDefault(clWhite)
        .property("Brush.Style", memberGetter(&TShape::Brush, &TBrush::Style),
                  memberSetter(&TShape::Brush, &TShape::SetBrush, &TBrush::Style))
        .defaultValue(bsSolid);

    registerClass<TSpeedButton, TGraphicControl>("TSpeedButton")
        .picture("Glyph", &TSpeedButton::GlyphName, &TSpeedButton::SetGlyphName)
        .property("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat).defaultValue(false);
}

void registerLists()
{
    registerClass<TMemo, TWinControl>("TMemo")
        .strings("Lines", &TMemo::Lines)
        .property("ScrollBars", &TMemo::ScrollBars, &TMemo::SetScrollBars).defaultValue(ssNone)
        .property("ReadOnly", &TMemo::ReadOnly, &TMemo::SetReadOnly).defaultValue(false)
        .property("WordWrap", &TMemo::WordWrap, &TMemo::SetWordWrap).defaultValue(true)
        .property("TabStop", &TMemo::TabStop, &TMemo::SetTabStop).defaultValue(true)
        .color("Color", &TMemo::Color, &TMemo::SetColor).colorDefault(clWindow)
        .event("OnChange", &TMemo::OnChange);

    registerClass<TRichEdit, TWinControl>("TRichEdit")
        .property("PlainText", &TRichEdit::PlainText, &TRichEdit::SetPlainText).defaultValue(false)
        .property("WordWrap", &TRichEdit::WordWrap, &TRichEdit::SetWordWrap).defaultValue(true)
        .property("ReadOnly", &TRichEdit::ReadOnly, &TRichEdit::SetReadOnly).defaultValue(false)
        .property("ScrollBars", &TRichEdit::ScrollBars, &TRichEdit::SetScrollBars).defaultValue(ssNone)
        .property("TabStop", &TRichEdit::TabStop, &TRichEdit::SetTabStop).defaultValue(true)
        .color("Color", &TRichEdit::Color, &TRichEdit::SetColor).colorDefault(clWindow);

    registerEnum<TSortType>("TSortType", {{"stNone", stNone}, {"stData", stData}, {"stText", stText}, {"stBoth", stBoth}});
    registerClass<TTreeView, TWinControl>("TTreeView")
        .property("ReadOnly", &TTreeView::ReadOnly, &TTreeView::SetReadOnly).defaultValue(false)
        .property("SortType", &TTreeView::SortType, &TTreeView::SetSortType).defaultValue(stNone)
        .component<TImageList>("Images", &TTreeView::Images, &TTreeView::SetImages);
    registerClass<TListBox, TWinControl>("TListBox")
        .strings("Items", &TListBox::Items)
        .property("ItemIndex", &TListBox::ItemIndex, &TListBox::SetItemIndex).defaultValue(-1)
        .property("ItemHeight", &TListBox::ItemHeight, &TListBox::SetItemHeight).defaultValue(13)
        .property("ScrollWidth", &TListBox::ScrollWidth, &TListBox::SetScrollWidth).defaultValue(0)
        .property("TabStop", &TListBox::TabStop, &TListBox::SetTabStop).defaultValue(true);
}

void registerTextControls()
{
    registerClass<TLabel, TGraphicControl>("TLabel")
        .property("Alignment", &TLabel::Alignment, &TLabel::SetAlignment).defaultValue(taLeftJustify)
        .property("Layout", &TLabel::Layout, &TLabel::SetLayout).defaultValue(tlTop)
        .property("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize).defaultValue(true)
        .property("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap).defaultValue(false)
        .property("Transparent", &TLabel::Transparent, &TLabel::SetTransparent).defaultValue(false)
        .property("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar).defaultValue(true)
        .property("ParentColor", &TLabel::ParentColor, &TLabel::SetParentColor).defaultValue(true);

    registerClass<TEdit, TWinControl>("TEdit")
        .property("Text", &TEdit::Text, &TEdit::SetText)
        .property("MaxLength", &TEdit::MaxLength, &TEdit::SetMaxLength).defaultValue(0)
        .property("CharCase", &TEdit::CharCase, &TEdit::SetCharCase).defaultValue(ecNormal)
        .property("PasswordChar", &TEdit::PasswordChar, &TEdit::SetPasswordChar).defaultValue(0)
        .property("Alignment", &TEdit::Alignment, &TEdit::SetAlignment).defaultValue(taLeftJustify)
        .property("ReadOnly", &TEdit::ReadOnly, &TEdit::SetReadOnly).defaultValue(false)
        .property("NumbersOnly", &TEdit::NumbersOnly, &TEdit::SetNumbersOnly).defaultValue(false)
        .property("AutoSelect", &TEdit::AutoSelect, &TEdit::SetAutoSelect).defaultValue(true)
        .property("ImeMode", &TEdit::ImeMode, &TEdit::SetImeMode).defaultValue(imDontCare)
        .property("TextHint", &TEdit::TextHint, &TEdit::SetTextHint)
        .property("TabStop", &TEdit::TabStop, &TEdit::SetTabStop).defaultValue(true)
        .color("Color", &TEdit::Color, &TEdit::SetColor).colorDefault(clWindow)
        .event("OnChange", &TEdit::OnChange);

    registerClass<TComboBox, TWinControl>("TComboBox")
        .property("Style", &TComboBox::Style, &TComboBox::SetStyle).defaultValue(csDropDown)
        .strings("Items", &TComboBox::Items)
        .property("ItemIndex", &TComboBox::ItemIndex, &TComboBox::SetItemIndex).defaultValue(-1)
        .property("Text", &TComboBox::Text, &TComboBox::SetText)
        .property("DropDownCount", &TComboBox::DropDownCount, &TComboBox::SetDropDownCount).defaultValue(8)
        .property("MaxLength", &TComboBox::MaxLength, &TComboBox::SetMaxLength).defaultValue(0)
        .property("TabStop", &TComboBox::TabStop, &TComboBox::SetTabStop).defaultValue(true)
        .event("OnChange", &TComboBox::OnChange)
        .event("OnSelect", &TComboBox::OnSelect)
        .event("OnDropDown", &TComboBox::OnDropDown)
        .event("OnCloseUp", &TComboBox::OnCloseUp);
}

void registerButtons()
{
    registerClass<TButton, TWinControl>("TButton")
        .property("ModalResult", &TButton::ModalResult, &TButton::SetModalResult).defaultValue(0)
        .property("Default", &TButton::Default, &TButton::SetDefault).defaultValue(false)
        .property("Cancel", &TButton::Cancel, &TButton::SetCancel).defaultValue(false)
        .property("TabStop", &TButton::TabStop, &TButton::SetTabStop).defaultValue(true);

    registerClass<TCheckBox, TWinControl>("TCheckBox")
        .property("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked).defaultValue(false)
        .property("State", &TCheckBox::State, &TCheckBox::SetState).defaultValue(cbUnchecked)
        .property("AllowGrayed", &TCheckBox::AllowGrayed, &TCheckBox::SetAllowGrayed).defaultValue(false)
        .property("Alignment", &TCheckBox::Alignment, &TCheckBox::SetAlignment).defaultValue(taRightJustify)
        .property("TabStop", &TCheckBox::TabStop, &TCheckBox::SetTabStop).defaultValue(true);

    registerClass<TRadioButton, TWinControl>("TRadioButton")
        .property("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked).defaultValue(false)
        .property("Alignment", &TRadioButton::Alignment, &TRadioButton::SetAlignment).defaultValue(taRightJustify)
        .property("TabStop", &TRadioButton::TabStop, &TRadioButton::SetTabStop).defaultValue(true);

    registerClass<TUpDown, TWinControl>("TUpDown")
        .property("Min", &TUpDown::Min, &TUpDown::SetMin).defaultValue(0)
        .property("Max", &TUpDown::Max, &TUpDown::SetMax).defaultValue(100)
        .property("Increment", &TUpDown::Increment, &TUpDown::SetIncrement).defaultValue(1)
        .property("Position", &TUpDown::Position, &TUpDown::SetPosition).defaultValue(0)
        .property("Orientation", &TUpDown::Orientation, &TUpDown::SetOrientation).defaultValue(udVertical)
        .property("Wrap", &TUpDown::Wrap, &TUpDown::SetWrap).defaultValue(false)
        .event("OnChanging", &TUpDown::OnChanging)
        .event("OnChangingEx", &TUpDown::OnChangingEx)
        .event("OnClick", &TUpDown::OnClick);
}

void registerGrids()
{
    registerClass<TValueListEditor, TWinControl>("TValueListEditor")
        .strings("Strings", &TValueListEditor::Strings)
        .strings("TitleCaptions", &TValueListEditor::TitleCaptions)
        .strings("ColWidths", &TValueListEditor::ColWidths)
        .property("TabStop", &TValueListEditor::TabStop, &TValueListEditor::SetTabStop).defaultValue(true)
        .event("OnSelectCell", &TValueListEditor::OnSelectCell);
}

void registerMenus()
{
    registerClass<TMenuItem, TComponent>("TMenuItem")
        .property("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption)
        .property("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked).defaultValue(false)
        .property("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled).defaultValue(true)
        .property("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible).defaultValue(true)
        .property("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem).defaultValue(false)
        .property("GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex).defaultValue(0)
        .property("AutoCheck", &TMenuItem::AutoCheck, &TMenuItem::SetAutoCheck).defaultValue(false)
        .property("Hint", &TMenuItem::Hint, &TMenuItem::SetHint)
        .event("OnClick", &TMenuItem::OnClick);
    registerClass<TMenu, TComponent>("TMenu");
    registerClass<TMainMenu, TMenu>("TMainMenu");
    registerClass<TPopupMenu, TMenu>("TPopupMenu")
        .property("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup).defaultValue(true)
        .event("OnPopup", &TPopupMenu::OnPopup);
    registerClass<TControl, TComponent>("TControl")
        .component<TPopupMenu>("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu);
    installPopupMenus();
}

void registerDialogs()
{
    registerEnum<TOpenOption>(
        "TOpenOption",
        {{"ofReadOnly", ofReadOnly}, {"ofOverwritePrompt", ofOverwritePrompt}, {"ofHideReadOnly", ofHideReadOnly},
         {"ofNoChangeDir", ofNoChangeDir}, {"ofShowHelp", ofShowHelp}, {"ofNoValidate", ofNoValidate},
         {"ofAllowMultiSelect", ofAllowMultiSelect}, {"ofExtensionDifferent", ofExtensionDifferent},
         {"ofPathMustExist", ofPathMustExist}, {"ofFileMustExist", ofFileMustExist}, {"ofCreatePrompt", ofCreatePrompt},
         {"ofShareAware", ofShareAware}, {"ofNoReadOnlyReturn", ofNoReadOnlyReturn},
         {"ofNoTestFileCreate", ofNoTestFileCreate}, {"ofNoNetworkButton", ofNoNetworkButton},
         {"ofNoLongNames", ofNoLongNames}, {"ofOldStyleDialog", ofOldStyleDialog},
         {"ofNoDereferenceLinks", ofNoDereferenceLinks}, {"ofEnableIncludeNotify", ofEnableIncludeNotify},
         {"ofEnableSizing", ofEnableSizing}, {"ofDontAddToRecent", ofDontAddToRecent},
         {"ofForceShowHidden", ofForceShowHidden}});
    registerClass<TOpenDialog, TComponent>("TOpenDialog")
        .property("FileName", &TOpenDialog::FileName, &TOpenDialog::SetFileName)
        .property("Filter", &TOpenDialog::Filter, &TOpenDialog::SetFilter)
        .property("FilterIndex", &TOpenDialog::FilterIndex, &TOpenDialog::SetFilterIndex).defaultValue(1)
        .property("InitialDir", &TOpenDialog::InitialDir, &TOpenDialog::SetInitialDir)
        .property("DefaultExt", &TOpenDialog::DefaultExt, &TOpenDialog::SetDefaultExt)
        .property("Title", &TOpenDialog::Title, &TOpenDialog::SetTitle)
        .property("Options", &TOpenDialog::Options, &TOpenDialog::SetOptions)
        .defaultValue(TOpenOptions{ofHideReadOnly, ofEnableSizing});
    registerClass<TSaveDialog, TOpenDialog>("TSaveDialog");
    registerClass<TColorDialog, TComponent>("TColorDialog")
        .color("Color", &TColorDialog::Color, &TColorDialog::SetColor).colorDefault(clBlack);
    registerClass<TFontDialog, TComponent>("TFontDialog").font("Font", &TFontDialog::Font, &TFontDialog::SetFont);
    registerClass<THintWindow, TCustomControl>("THintWindow");
    registerClass<TPrintDialog, TComponent>("TPrintDialog");
}

} // namespace

void registerStandardClasses()
{
    static std::once_flag once;
    std::call_once(once, [] {
        registerCoreClasses();
        registerEnums();
        registerTextControls();
        registerButtons();
        registerContainers();
        registerGraphicControls();
        registerLists();
        registerMenus();
        registerGrids();
        registerDialogs();
    });
}

} // namespace qx
