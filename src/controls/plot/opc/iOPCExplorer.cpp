#include "controls/plot/opc/iOPCExplorer.h"

#include "controls/plot/opc/iOPCLibrary.h"
#include "platform/gui/Application.h"
#include "platform/gui/ImageList.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/TreeView.h"
#include "platform/gui/canvas/Bitmap.h"

namespace {

TiOPCExplorerForm* gExplorer = nullptr;

/// The three tree pictures, drawn here: server connections, groups, one connection.
TBitmap treePictures()
{
    TBitmap strip(48, 16);
    TCanvas& c = strip.Canvas();
    c.Brush().Color = clFuchsia;
    c.FillRect({0, 0, 48, 16});
    c.Brush().Color = clNavy;
    c.FillRect({2, 2, 14, 7});
    c.FillRect({2, 9, 14, 14});
    c.Brush().Color = clOlive;
    c.FillRect({18, 3, 30, 13});
    c.Brush().Color = clYellow;
    c.FillRect({20, 5, 28, 11});
    c.Brush().Color = clGreen;
    c.FillRect({36, 2, 44, 14});
    c.Brush().Color = clLime;
    c.FillRect({38, 4, 42, 8});
    return strip;
}

} // namespace

TiOPCExplorerForm::TiOPCExplorerForm(TComponent* AOwner) : TForm(AOwner)
{
    LoadLayout("iOPCExplorer");
    ImageList->AddMasked(treePictures(), clFuchsia);
    TreeView->SetImages(ImageList);
}

TiOPCExplorerForm& TiOPCExplorerForm::Instance()
{
    if (!gExplorer)
        gExplorer = new TiOPCExplorerForm(Application);
    return *gExplorer;
}

void TiOPCExplorerForm::ForgetInstance() { gExplorer = nullptr; }

void TiOPCExplorerForm::Refresh()
{
    TreeView->ClearItems();
    FServersTreeNode = TreeView->AddChild(nullptr, "Servers Connections");
    FServersTreeNode->SetImageIndex(0);
    FServersTreeNode->SetSelectedIndex(0);
    FGroupsTreeNode = TreeView->AddChild(nullptr, "Groups");
    FGroupsTreeNode->SetImageIndex(1);
    const int count = iOPC::ServerConnectionGetCount();
    for (int i = 0; i < count; ++i)
        TreeView->AddChild(FServersTreeNode, iOPC::ServerConnectionGetName(i))->SetImageIndex(2);
}

namespace qx {

void registerOPCExplorerClasses()
{
    registerClass<TiOPCExplorerForm, TForm>("TiOPCExplorerForm")
        .field("TreeView", &TiOPCExplorerForm::TreeView)
        .field("ImageList", &TiOPCExplorerForm::ImageList);
}

} // namespace qx
