#include "controls/plot/opc/iOPCManager.h"

#include "controls/plot/base/iComponent.h"
#include "controls/plot/opc/iOPCExplorer.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/StandardClasses.h"
#include "platform/gui/canvas/Canvas.h"

#include <mutex>
#include <stdexcept>

void TiOPCGroupObject::SetUpdateRate(int Value)
{
    if (Value == FUpdateRate)
        return;
    FUpdateRate = Value;
    iOPC::GroupSetUpdateRate(FDLLGroupHandle, Value);
}

TiOPCManager::TiOPCManager(TComponent* AOwner)
    : TCustomControl(AOwner),
      FGroups([this] { GroupClear(); }, [] { return std::make_unique<TiOPCGroupStream>(); },
              [this](std::unique_ptr<TiOPCGroupStream> g) {
                  GroupAdd(g->Name, g->ComputerName, g->UpdateRate, g->OPCServerName);
              },
              [this](const TiOPCGroupList::VisitFunction& Visit) {
                  for (const auto& group : FGroupList) {
                      TiOPCGroupStream stored;
                      stored.Name = group->Name();
                      stored.ComputerName = group->ComputerName();
                      stored.OPCServerName = group->OPCServerName();
                      stored.UpdateRate = group->UpdateRate();
                      Visit(stored);
                  }
              })
{
    FFirstInstance = iOPC::ManagerCreated() != 0;
    SetControlStyle({csCaptureMouse, csClickEvents, csDoubleClicks, csReplicatable});
    TCustomControl::SetBounds(Left(), Top(), 28, 28);
    SetVisible(false);
    TiOPCExplorerForm::ForgetInstance();
}

TiOPCManager::~TiOPCManager()
{
    // A library error while a group is let go must not leave the destructor: the group is
    // gone from the list before the library hears of it, so every group is released.
    while (!FGroupList.empty()) {
        try {
            GroupDelete(0);
        } catch (...) {
        }
    }
    if (FFirstInstance)
        iOPC::ManagerDestroyed();
}

void TiOPCManager::SetBounds(int ALeft, int ATop, int, int) { TCustomControl::SetBounds(ALeft, ATop, 28, 28); }

int TiOPCManager::GroupAdd(const std::string& Name, const std::string& ComputerName, int UpdateRate,
                           const std::string& OPCServerName)
{
    FGroupList.push_back(std::make_unique<TiOPCGroupObject>(Name, ComputerName, OPCServerName, UpdateRate));
    const int index = GroupCount() - 1;
    if (!iOPC::OPCLibraryMissing())
        FGroupList.back()->SetDLLGroupHandle(iOPC::GroupAdd(Name, ComputerName, OPCServerName, UpdateRate, this));
    return index;
}

void TiOPCManager::GroupDelete(int Index)
{
    TiOPCGroupObject& group = Group(Index);
    const int handle = group.DLLGroupHandle();
    FGroupList.erase(FGroupList.begin() + Index);
    if (handle != 0)
        iOPC::GroupDelete(handle);
}

void TiOPCManager::GroupClear()
{
    while (!FGroupList.empty())
        GroupDelete(0);
}

TiOPCGroupObject& TiOPCManager::Group(int Index) const
{
    if (Index < 0 || Index >= GroupCount())
        throw std::out_of_range("List index out of bounds (" + std::to_string(Index) + ")");
    return *FGroupList[static_cast<std::size_t>(Index)];
}

int TiOPCManager::GetGroupIndex(const std::string& Name) const
{
    for (std::size_t i = 0; i < FGroupList.size(); ++i)
        if (qx::sameText(FGroupList[i]->Name(), Name))
            return static_cast<int>(i);
    return -1;
}

void TiOPCManager::ExplorerShow()
{
    // Without the library there is nothing to explore: the not-found error, and no window.
    iOPC::CheckOPCLibrary();
    TiOPCExplorerForm& form = TiOPCExplorerForm::Instance();
    form.Refresh();
    form.Show();
}

std::string TiOPCManager::groupName(int Handle) const
{
    for (const auto& group : FGroupList)
        if (group->DLLGroupHandle() == Handle)
            return group->Name();
    return {};
}

void TiOPCManager::raiseGroupEvent(const TGroupUpdateEvent& Event, int Handle)
{
    // Called by the library: no exception may go back into it.
    try {
        qx::fire(Event, this, groupName(Handle));
        FSinkError.clear();
    } catch (const std::exception& error) {
        FSinkError = error.what();
    } catch (...) {
        FSinkError = "Unknown error";
    }
}

void TiOPCManager::BeforeGroupUpdate(int GroupHandle) { raiseGroupEvent(OnBeforeGroupUpdate, GroupHandle); }
void TiOPCManager::AfterGroupUpdate(int GroupHandle) { raiseGroupEvent(OnAfterGroupUpdate, GroupHandle); }

void TiOPCManager::Paint()
{
    TCanvas* canvas = Canvas();
    if (!canvas || !Visible())
        return;
    const int w = Width() - 1, h = Height() - 1;
    canvas->Pen().Color = clBtnHighlight;
    canvas->MoveTo(0, h);
    canvas->LineTo(0, 0);
    canvas->LineTo(w, 0);
    canvas->Pen().Color = clBtnShadow;
    canvas->LineTo(w, h);
    canvas->LineTo(0, h);
    // The icon: a small server box with a signal line.
    canvas->Brush().Color = Enabled() ? clNavy : clGray;
    canvas->FillRect({6, 5, 22, 18});
    canvas->Pen().Color = Enabled() ? clLime : clSilver;
    canvas->MoveTo(8, 14);
    canvas->LineTo(12, 9);
    canvas->LineTo(15, 12);
    canvas->LineTo(20, 7);
    canvas->Brush().Color = clBtnShadow;
    canvas->FillRect({11, 19, 17, 23});
}

namespace qx {

void registerOPCManagerClasses()
{
    static std::once_flag once;
    std::call_once(once, [] {
        registerStandardClasses();
        registerClass<TiOPCGroupStream>("TiOPCGroupStream")
            .property("Name", [](const TiOPCGroupStream& g) { return g.Name; },
                      [](TiOPCGroupStream& g, const std::string& v) { g.Name = v; })
            .property("ComputerName", [](const TiOPCGroupStream& g) { return g.ComputerName; },
                      [](TiOPCGroupStream& g, const std::string& v) { g.ComputerName = v; })
            .property("OPCServerName", [](const TiOPCGroupStream& g) { return g.OPCServerName; },
                      [](TiOPCGroupStream& g, const std::string& v) { g.OPCServerName = v; })
            .property("UpdateRate", [](const TiOPCGroupStream& g) { return g.UpdateRate; },
                      [](TiOPCGroupStream& g, int v) { g.UpdateRate = v; });
        registerClass<TiOPCManager, TCustomControl>("TiOPCManager")
            .collection("Groups", &TiOPCManager::Groups)
            .storedWhen([](const TiOPCManager& m) { return m.GroupCount() > 0; })
            .event("OnBeforeGroupUpdate", &TiOPCManager::OnBeforeGroupUpdate)
            .event("OnAfterGroupUpdate", &TiOPCManager::OnAfterGroupUpdate);
        registerOPCExplorerClasses();
    });
}

} // namespace qx
