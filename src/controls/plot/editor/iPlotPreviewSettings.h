#pragma once
// TiPlotPreviewSettingsForm: the print preview's settings dialog (margins, orientation,
// document name and the preview's paper size). Its layout is the resource
// TIPLOTPREVIEWSETTINGSFORM; the preview form fills it and reads it back.

#include "platform/gui/Form.h"

class TButton;
class TGroupBox;
class TLabel;
class TiComponentEditorComboBox;
class TiComponentEditorEdit;
class TiComponentEditorRadioGroup;

class TiPlotPreviewSettingsForm : public TForm
{
public:
    explicit TiPlotPreviewSettingsForm(TComponent* AOwner) : TForm(AOwner) { LoadLayout("TIPLOTPREVIEWSETTINGSFORM"); }

    // Controls of the layout.
    TGroupBox* PrinterMarginGroupBox = nullptr;
    TiComponentEditorEdit* PrintMarginLeftEdit = nullptr;
    TiComponentEditorEdit* PrintMarginTopEdit = nullptr;
    TiComponentEditorEdit* PrintMarginBottomEdit = nullptr;
    TiComponentEditorEdit* PrintMarginRightEdit = nullptr;
    TiComponentEditorRadioGroup* PrintOrientationRadioGroup = nullptr;
    TLabel* Label175 = nullptr;
    TiComponentEditorEdit* PrintDocumentNameEdit = nullptr;
    TLabel* Label120 = nullptr;
    TiComponentEditorComboBox* PrintPaperSizeComboBox = nullptr;
    TButton* Button1 = nullptr;
    TButton* Button2 = nullptr;
};
