#include "editors/channel/ChannelNameEditor.h"

#include "editors/channel/ChannelControls.h"
#include "editors/channel/ChannelEditorHost.h"
#include "editors/channel/FChannelName.h"
#include "model/LUnitControl.h"
#include "model/NameText.h"
#include "platform/gui/Label.h"


namespace qx {

ChannelNameEditor::ChannelNameEditor(const TComponent& window, ChannelEditorHost& host)
    : window_(window), host_(host)
{
}

void ChannelNameEditor::SetChannelName(int channel, const ChannelName& name)
{
    if (!isChannelIndex(channel))
        return;
    auto* label = channelControl<TControl>(window_, "lbMatrixChName", channel);
    auto* page = channelControl<TControl>(window_, "rzbMenu", channel);
    if (!label || !page)
        return;
    // The page button's caption tells the link state; the name goes to its hint.
    const std::string text = textOfName(name);
    label->SetCaption(text);
    page->SetHint(text);
    host_.Unit().SetChannelName(channel, name);
}

void ChannelNameEditor::LabelClick(TObject* sender)
{
    auto* label = channelSender<TLabel>(sender);
    if (!label || !fmChannelName)
        return;
    fmChannelName->SetChannel(label->Tag());
    fmChannelName->SetNameText(label->Caption());
    fmChannelName->ShowModal();
}

} // namespace qx
