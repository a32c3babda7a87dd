#pragma once
// The OPC explorer: a tool window listing the client library's open server connections.
// One window serves the process; a new OPC manager forgets it, so the next show makes
// another.

#include "platform/gui/Form.h"

class TImageList;
class TTreeNode;
class TTreeView;

class TiOPCExplorerForm : public TForm
{
public:
    explicit TiOPCExplorerForm(TComponent* AOwner);

    /// The process-wide window, made (owned by the application) when there is none.
    static TiOPCExplorerForm& Instance();
    static void ForgetInstance();

    /// Fills the tree: "Servers Connections" with one node per connection, and "Groups".
    void Refresh();

    TTreeView* TreeView = nullptr;
    TImageList* ImageList = nullptr;

private:
    TTreeNode* FServersTreeNode = nullptr;
    TTreeNode* FGroupsTreeNode = nullptr;
};

namespace qx {
void registerOPCExplorerClasses();
}
