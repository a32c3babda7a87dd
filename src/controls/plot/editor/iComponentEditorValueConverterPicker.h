#pragma once
// TiComponentEditorValueConverterPicker: the "..." button that opens the value converter on
// its associated edit's number (or on DateTime without an edit). OK hands the number back:
// DateTime takes it, the edit gets it as a user change (OnUpdate, the owner form) and
// OnChange is raised; Cancel changes nothing.

#include "controls/plot/editor/iComponentEditorButton.h"
#include "controls/plot/editor/iValueConverterEdit.h"

#include <functional>

class TiComponentEditorEdit;

/// Translates a window's texts before it is shown.
using TFormTranslationMethod = std::function<void(TForm* AForm)>;

class TiComponentEditorValueConverterPicker : public TiComponentEditorButton
{
public:
    explicit TiComponentEditorValueConverterPicker(TComponent* AOwner);
    ~TiComponentEditorValueConverterPicker() override;

    TiComponentEditorEdit* Associate() const { return FAssociate; }
    /// Binds the edit and docks the button at its right edge, at its height.
    void SetAssociate(TiComponentEditorEdit* Value);
    double DateTime() const { return FDateTime; }
    void SetDateTime(double Value) { FDateTime = Value; }
    TiValueConverterPageType DefaultPage() const { return FDefaultPage; }
    void SetDefaultPage(TiValueConverterPageType Value) { FDefaultPage = Value; }

    /// The value converter while it is open, else nullptr.
    TiValueConverterEditForm* Form() const { return FForm; }

    void Click() override;

    TNotifyEvent OnChange;
    TFormTranslationMethod TranslationMethod;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Dispatch(TMessage& Message) override;

private:
    double FDateTime = 0;
    TiComponentEditorEdit* FAssociate = nullptr;
    TiValueConverterPageType FDefaultPage = ivcptInterval;
    TiValueConverterEditForm* FForm = nullptr;
};
