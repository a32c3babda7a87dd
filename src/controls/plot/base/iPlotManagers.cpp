#include "controls/plot/base/iPlotManagers.h"

#include "controls/plot/base/iComponent.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/text/NumberText.h"

#include <algorithm>
#include <array>
#include <climits>
#include <map>
#include <stdexcept>

namespace qx::plot {
namespace {

std::map<std::string, TiPlotObjectCreator, std::less<>>& creators()
{
    static std::map<std::string, TiPlotObjectCreator, std::less<>> map;
    return map;
}

} // namespace

void registerPlotObjectCreator(const std::string& ClassName, TiPlotObjectCreator Creator)
{
    creators()[ClassName] = std::move(Creator);
}

TiPlotObject* createPlotObject(const std::string& ClassName, TObject* AOwner, TNotifyEvent AOnChange,
                               TNotifyEvent AOnInsert, TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
{
    const auto it = creators().find(ClassName);
    if (it == creators().end())
        throw EiPlotError("Class " + ClassName + " not found");
    return it->second(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove), std::move(AOnRename));
}

bool hasPlotObjectCreator(const std::string& ClassName) { return creators().count(ClassName) > 0; }

bool isPlotObjectOf(const TObject& Object, const std::string& ClassName)
{
    const ClassRegistry& registry = ClassRegistry::instance();
    const ClassInfo* wanted = registry.find(ClassName);
    const ClassInfo* actual = registry.classOf(Object);
    return wanted && actual && actual->inheritsFrom(*wanted);
}

} // namespace qx::plot

void SetPublishedText(TiPlotObject& Object, const std::string& Property, const std::string& Value)
{
    const qx::ClassInfo* info = qx::ClassRegistry::instance().classOf(Object);
    if (!info)
        return;
    const qx::PropertyInfo* p = info->findProperty(Property);
    if (p && p->type == qx::PropertyType::String && p->set)
        p->set(Object, Value);
}

namespace {

std::string firstName(const TiPlotObjectManagerCustom* manager)
{
    return manager && manager->Count() > 0 ? manager->GetItem(0)->Name() : std::string();
}

} // namespace

// ---- TiPlotObjectManagerCustom ----

TiPlotObjectManagerCustom::TiPlotObjectManagerCustom(TWinControl* AOwner, TNotifyEvent AOnChange,
                                                     TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                                                     TNotifyEvent AOnRename)
    : FOwner(AOwner),
      FItems([this] { Clear(); }, [this] { return std::unique_ptr<TiPlotObject>(CreateObject()); },
             [](std::unique_ptr<TiPlotObject> object) { object.release()->DoInsert(); },
             [this](const TiPlotManagerItems::VisitFunction& Visit) {
                 for (TiPlotObject* object : FList)
                     Visit(*object);
             })
{
    if (!AOwner)
        throw EiPlotError("Owner must be Assigned");
    if (!AOnChange)
        throw EiPlotError("OnChange event handler can not be null");
    if (!AOnInsert)
        throw EiPlotError("OnInsert event handler can not be null");
    if (!AOnRemove)
        throw EiPlotError("OnRemove event handler can not be null");
    if (!AOnRename)
        throw EiPlotError("AOnRename event handler can not be null");
    OnChange = std::move(AOnChange);
    OnInsert = std::move(AOnInsert);
    OnRemove = std::move(AOnRemove);
    OnRename = std::move(AOnRename);
    OnInsert(this);
}

TiPlotObjectManagerCustom::~TiPlotObjectManagerCustom() { qx::fire(OnRemove, this); }

void TiPlotObjectManagerCustom::NotificationRemove(TObject* Sender)
{
    for (auto it = FList.rbegin(); it != FList.rend(); ++it)
        if (*it == Sender) {
            TiPlotObject* object = *it;
            FList.erase(std::next(it).base());
            ObjectRemoved(object);
            qx::fire(OnChange, this);
            return;
        }
}

void TiPlotObjectManagerCustom::NotificationRename(TObject* Sender)
{
    for (TiPlotObject* object : std::vector<TiPlotObject*>(FList))
        object->NotificationRename(Sender);
}

void TiPlotObjectManagerCustom::NotificationSetFocus(TObject* Sender)
{
    for (TiPlotObject* object : std::vector<TiPlotObject*>(FList))
        object->NotificationSetFocus(Sender);
}

void TiPlotObjectManagerCustom::Delete(int Index)
{
    GetItem(Index);
    FList.erase(FList.begin() + Index);
}

void TiPlotObjectManagerCustom::InsertObject(TiPlotObject* AObject)
{
    if (std::find(FList.begin(), FList.end(), AObject) == FList.end())
        FList.push_back(AObject);
}

std::string TiPlotObjectManagerCustom::GetNextName() const
{
    const std::string base = GetBaseName();
    std::int32_t largest = 0;
    for (const TiPlotObject* object : FList) {
        const std::string& name = object->Name();
        if (name.size() < base.size() || !qx::sameText(name.substr(0, base.size()), base))
            continue;
        std::string rest = name.substr(base.size());
        rest.erase(0, rest.find_first_not_of(' '));
        if (const auto number = TryStrToInt(rest))
            largest = std::max(largest, *number);
    }
    // A name numbered with the largest 32-bit number gives that number again, not an overflow.
    const std::int32_t next = largest == INT32_MAX ? INT32_MAX : largest + 1;
    return base + " " + std::to_string(next);
}

TiPlotObject* TiPlotObjectManagerCustom::GetItem(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(Index) + ")");
    return FList[static_cast<std::size_t>(Index)];
}

int TiPlotObjectManagerCustom::GetIndex(const TiPlotObject* AObject) const
{
    const auto it = std::find(FList.begin(), FList.end(), AObject);
    return it == FList.end() ? -1 : static_cast<int>(it - FList.begin());
}

TiPlotObject* TiPlotObjectManagerCustom::GetObjectByName(const std::string& Value) const
{
    const int index = GetIndexByName(Value);
    return index < 0 ? nullptr : FList[static_cast<std::size_t>(index)];
}

int TiPlotObjectManagerCustom::GetIndexByName(const std::string& Value) const
{
    for (std::size_t i = 0; i < FList.size(); ++i)
        if (qx::sameText(FList[i]->Name(), Value))
            return static_cast<int>(i);
    return -1;
}

// ---- TiPlotObjectOwnedManager ----

TiPlotObjectOwnedManager::~TiPlotObjectOwnedManager() { Clear(); }

void TiPlotObjectOwnedManager::NotificationRemove(TObject* Sender)
{
    if (Sender == this)
        return;
    for (TiPlotObject* object : std::vector<TiPlotObject*>(FList))
        if (object != Sender)
            object->NotificationRemove(Sender);
    TiPlotObjectManagerCustom::NotificationRemove(Sender);
}

void TiPlotObjectOwnedManager::Clear()
{
    const std::vector<TiPlotObject*> copy = FList;
    for (TiPlotObject* object : copy) {
        delete object;
        // An object whose remove handler was detached does not take itself out.
        FList.erase(std::remove(FList.begin(), FList.end(), object), FList.end());
    }
}

// ---- TiPlotTypedManager ----

TiPlotTypedManager::TiPlotTypedManager(TWinControl* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                       TNotifyEvent AOnRemove, TNotifyEvent AOnRename, std::string BaseName,
                                       std::string ObjectClassName)
    : TiPlotObjectOwnedManager(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                               std::move(AOnRename)),
      FBaseName(std::move(BaseName)), FObjectClassName(std::move(ObjectClassName))
{
}

TiPlotObject* TiPlotTypedManager::CreateObject()
{
    return qx::plot::createPlotObject(CreatedClassName(), Owner(), OnChange, OnInsert, OnRemove, OnRename);
}

bool TiPlotTypedManager::CanCreateObject() const { return qx::plot::hasPlotObjectCreator(CreatedClassName()); }

bool TiPlotTypedManager::IsManagedObject(const TObject& Object) const
{
    return qx::plot::isPlotObjectOf(Object, FObjectClassName);
}

void TiPlotTypedManager::NotificationInsert(TObject* Sender)
{
    auto* object = dynamic_cast<TiPlotObject*>(Sender);
    if (!object || !IsManagedObject(*object))
        return;
    InsertObject(object);
    if (!NamesNewObjects() || !object->Name().empty())
        return;
    object->SetName(GetNextName());
    AfterNaming(*object);
}

void TiPlotAxesBoundManager::SetAxisNames(TiPlotObject& Object, const char* XProperty, const char* YProperty)
{
    if (XAxisManager && XAxisManager->Count() > 0)
        SetPublishedText(Object, XProperty, firstName(XAxisManager));
    if (YAxisManager && YAxisManager->Count() > 0)
        SetPublishedText(Object, YProperty, firstName(YAxisManager));
}

// ---- TiPlotChannelManager ----

namespace {

constexpr std::array<TColor, 30> kChannelPalette = {
    0x0000FF, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0x00FF00, 0xFFFFFF, 0x000080, 0x008000, 0x008080,
    0x800000, 0x800080, 0x808000, 0x808080, 0x0000C0, 0x00C000, 0x00C0C0, 0xC00000, 0xC000C0, 0xC0C000,
    0xC0C0C0, 0x0080FF, 0x8000FF, 0x8080FF, 0xFF0080, 0xFF8000, 0xFF8080, 0x00FF80, 0x80FF00, 0x80FF80,
};

std::optional<TColor> publishedColor(TiPlotObject& object)
{
    const qx::ClassInfo* info = qx::ClassRegistry::instance().classOf(object);
    const qx::PropertyInfo* p = info ? info->findProperty("Color") : nullptr;
    if (!p || p->type != qx::PropertyType::Color || !p->get)
        return std::nullopt;
    return qx::detail::asColor(p->get(object));
}

} // namespace

TColor TiPlotChannelManager::GetNextChannelColor() const
{
    if (Count() < 2)
        return kChannelPalette[0];
    std::array<int, kChannelPalette.size()> counts{};
    for (TiPlotObject* channel : FList)
        if (const auto color = publishedColor(*channel))
            for (std::size_t i = 0; i < kChannelPalette.size(); ++i)
                if (kChannelPalette[i] == *color)
                    ++counts[i];
    const auto fewest = std::min_element(counts.begin(), counts.end());
    return kChannelPalette[static_cast<std::size_t>(fewest - counts.begin())];
}

void TiPlotChannelManager::AfterNaming(TiPlotObject& Object)
{
    SetPublishedText(Object, "TitleText", Object.Name());
    const qx::ClassInfo* info = qx::ClassRegistry::instance().classOf(Object);
    if (const qx::PropertyInfo* p = info ? info->findProperty("Color") : nullptr;
        p && p->type == qx::PropertyType::Color && p->set)
        p->set(Object, qx::detail::colorValue(GetNextChannelColor()));
    SetAxisNames(Object, "XAxisName", "YAxisName");
}

void TiPlotDataCursorManager::AfterNaming(TiPlotObject& Object)
{
    if (ChannelManager && ChannelManager->Count() > 0)
        SetPublishedText(Object, "ChannelName", firstName(ChannelManager));
}

// ---- TiPlotObjectManager ----

TiPlotObject* TiPlotObjectManager::CreateObject()
{
    throw EiPlotError("Object Manager does not support creation of objects");
}

void TiPlotObjectManager::NotificationInsert(TObject* Sender)
{
    if (auto* object = dynamic_cast<TiPlotObject*>(Sender))
        InsertObject(object);
}

void TiPlotObjectManager::ClearAllUserSelections()
{
    for (TiPlotObject* object : std::vector<TiPlotObject*>(FList))
        object->SetUserSelected(false);
}

void TiPlotObjectManager::SetShiftState(TShiftState Value)
{
    for (TiPlotObject* object : FList)
        object->SetShiftState(Value);
}

void TiPlotObjectManager::MouseDownFocusObjects(TMouseButton Button, TShiftState Shift, int X, int Y, int ScreenX,
                                                int ScreenY, TPopupMenu* PopupMenu)
{
    forSelected([&](TiPlotObject& o) { o.iMouseDown(Button, Shift, X, Y, ScreenX, ScreenY, PopupMenu); });
}

void TiPlotObjectManager::MouseMoveFocusObjects(TiHintData& HintData, TShiftState Shift, int X, int Y, int ScreenX,
                                                int ScreenY, bool DblClickActive)
{
    forSelected([&](TiPlotObject& o) {
        TiHintData copy = HintData;
        o.iMouseMove(copy, Shift, X, Y, ScreenX, ScreenY, DblClickActive);
    });
}

void TiPlotObjectManager::MouseUpFocusObjects(TMouseButton Button, TShiftState Shift, int X, int Y, int ScreenX,
                                              int ScreenY, bool DblClickActive, TPopupMenu* PopupMenu)
{
    forSelected(
        [&](TiPlotObject& o) { o.iMouseUp(Button, Shift, X, Y, ScreenX, ScreenY, DblClickActive, PopupMenu); });
}

void TiPlotObjectManager::KeyDownFocusObjects(Word& CharCode, TShiftState Shift, TPopupMenu* PopupMenu)
{
    forSelected([&](TiPlotObject& o) { o.iKeyDown(CharCode, Shift, PopupMenu); });
}

bool TiPlotObjectManager::MouseWheelFocusObjects(int WheelDelta, TShiftState Shift, TPoint& MousePos)
{
    bool taken = false;
    forSelected([&](TiPlotObject& o) { taken = o.iMouseWheel(WheelDelta, Shift, MousePos) || taken; });
    return taken;
}

void TiPlotObjectManager::ShutDownSetup()
{
    for (TiPlotObject* object : FList)
        object->DetachForShutDown();
}
