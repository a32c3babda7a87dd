#pragma once
// Channel names on the main window: a name shows on the channel's label of
// the block diagram and as the hint of its page button; a click on the label
// opens the channel-name dialog.

#include "model/RecordFields.h"

class TComponent;
class TObject;

namespace qx {

class ChannelEditorHost;

class ChannelNameEditor
{
public:
    ChannelNameEditor(const TComponent& window, ChannelEditorHost& host);

    // The label, the hint and the model take the name; it is sent unless busy.
    void SetChannelName(int channel, const ChannelName& name);
    // A block-diagram name label clicked: the dialog for its channel, modally.
    void LabelClick(TObject* sender);

private:
    const TComponent& window_;
    ChannelEditorHost& host_;
};

} // namespace qx
