#include "editors/channel/ChannelDialogs.h"

#include "controls/buttons/rz/RzBmpBtn.h"
#include "controls/buttons/rz/RzCmboBx.h"
#include "editors/channel/FChNameList.h"
#include "editors/channel/FChannelName.h"
#include "editors/channel/FCopy.h"
#include "editors/channel/FLinkSel.h"
#include "editors/channel/FPeqRst.h"
#include "platform/gui/Edit.h"
#include "platform/gui/Label.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/PropertyBuilder.h"

namespace qx {

void registerChannelDialogs()
{
    registerClass<TfmPeqRst, TForm>("TfmPeqRst")
        .method("FormShow", &TfmPeqRst::FormShow)
        .method("btnOKClick", &TfmPeqRst::btnOKClick)
        .method("btnExitClick", &TfmPeqRst::btnExitClick)
        .field("lbReset", &TfmPeqRst::lbReset)
        .field("btnOK", &TfmPeqRst::btnOK)
        .field("btnCancel", &TfmPeqRst::btnCancel);
    registerClass<TfmChannelName, TForm>("TfmChannelName")
        .method("FormShow", &TfmChannelName::FormShow)
        .method("FormActivate", &TfmChannelName::FormActivate)
        .method("edNameKeyDown", &TfmChannelName::edNameKeyDown)
        .method("btnOKClick", &TfmChannelName::btnOKClick)
        .method("bnCancelClick", &TfmChannelName::bnCancelClick)
        .field("lbChannelName", &TfmChannelName::lbChannelName)
        .field("lbChannel", &TfmChannelName::lbChannel)
        .field("edName", &TfmChannelName::edName)
        .field("btnOK", &TfmChannelName::btnOK)
        .field("bnCancel", &TfmChannelName::bnCancel);
    registerClass<TfmChNameList, TForm>("TfmChNameList")
        .method("FormShow", &TfmChNameList::FormShow)
        .method("btnOKClick", &TfmChNameList::btnOKClick)
        .method("btnCancelClick", &TfmChNameList::btnCancelClick)
        .field("btnOK", &TfmChNameList::btnOK)
        .field("btnCancel", &TfmChNameList::btnCancel);
    registerClass<TfmCopy, TForm>("TfmCopy")
        .method("FormShow", &TfmCopy::FormShow)
        .method("bnInChCopyClick", &TfmCopy::bnInChCopyClick)
        .method("bnExitClick", &TfmCopy::bnExitClick)
        .field("cbInSource", &TfmCopy::cbInSource)
        .field("cbInDestination", &TfmCopy::cbInDestination)
        .field("cbOutSource", &TfmCopy::cbOutSource)
        .field("cbOutDestination", &TfmCopy::cbOutDestination)
        .field("bnInChCopy", &TfmCopy::bnInChCopy)
        .field("bnOutChCopy", &TfmCopy::bnOutChCopy)
        .field("bnExit", &TfmCopy::bnExit);
    registerClass<TfmLinkSel, TForm>("TfmLinkSel")
        .method("FormShow", &TfmLinkSel::FormShow)
        .method("rzbBLinkInAClick", &TfmLinkSel::rzbBLinkInAClick)
        .method("rzbCLinkInAClick", &TfmLinkSel::rzbCLinkInAClick)
        .method("rzbDLinkInDClick", &TfmLinkSel::rzbDLinkInDClick)
        .method("rzb2LinkOut1Click", &TfmLinkSel::rzb2LinkOut1Click)
        .method("rzb3LinkOut1Click", &TfmLinkSel::rzb3LinkOut1Click)
        .method("rzb4LinkOut1Click", &TfmLinkSel::rzb4LinkOut1Click)
        .method("rzb5LinkOut1Click", &TfmLinkSel::rzb5LinkOut1Click)
        .method("rzb6LinkOut1Click", &TfmLinkSel::rzb6LinkOut1Click)
        .method("rzb7LinkOut1Click", &TfmLinkSel::rzb7LinkOut1Click)
        .method("rzb8LinkOut8Click", &TfmLinkSel::rzb8LinkOut8Click)
        .method("bnSetClick", &TfmLinkSel::bnSetClick)
        .method("bnExitClick", &TfmLinkSel::bnExitClick)
        .field("bnSet", &TfmLinkSel::bnSet)
        .field("bnExit", &TfmLinkSel::bnExit);
}

} // namespace qx
