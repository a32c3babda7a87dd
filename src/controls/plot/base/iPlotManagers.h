#pragma once
// The managers of a plot's objects: one typed manager per kind, which owns its objects,
// names new ones and gives them their first references, and the object manager, which lists
// every object of the plot for input forwarding. Object kinds are recognised by their
// registered class (the class library's "is" test), so a manager accepts the objects of its
// kind as soon as their classes are registered.

#include "controls/plot/base/iPlotObjects.h"
#include "controls/plot/base/iItemReader.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TWinControl;

/// Makes a plot object of a registered class with its owner and handlers.
using TiPlotObjectCreator = std::function<TiPlotObject*(TObject* AOwner, TNotifyEvent AOnChange,
                                                        TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                                                        TNotifyEvent AOnRename)>;

namespace qx::plot {
/// Registers how objects of a class are made (the class's virtual constructor).
void registerPlotObjectCreator(const std::string& ClassName, TiPlotObjectCreator Creator);
/// Makes an object of the class; throws EiPlotError when the class has no creator.
TiPlotObject* createPlotObject(const std::string& ClassName, TObject* AOwner, TNotifyEvent AOnChange,
                               TNotifyEvent AOnInsert, TNotifyEvent AOnRemove, TNotifyEvent AOnRename);
/// Whether a class has a registered creator.
bool hasPlotObjectCreator(const std::string& ClassName);
/// Whether the object is an instance of the registered class ClassName or a descendant.
bool isPlotObjectOf(const TObject& Object, const std::string& ClassName);
} // namespace qx::plot

/// A manager's objects as a layout collection: reading clears the manager, makes each
/// object with CreateObject, sets its stored properties and then announces it (DoInsert),
/// so objects keep their stored names.
using TiPlotManagerItems = TiItemReader<TiPlotObject>;

class TiPlotObjectManagerCustom : public TObject
{
public:
    /// Checks the owner and handlers, then announces the manager through AOnInsert.
    TiPlotObjectManagerCustom(TWinControl* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                              TNotifyEvent AOnRemove, TNotifyEvent AOnRename);
    /// Announces the manager's removal through its remove handler.
    ~TiPlotObjectManagerCustom() override;

    int Count() const { return static_cast<int>(FList.size()); }
    TWinControl* Owner() const { return FOwner; }

    virtual TiPlotObject* CreateObject() = 0;
    virtual std::string GetBaseName() const = 0;
    virtual void ObjectRemoved(TiPlotObject*) {}
    virtual void NotificationRemove(TObject* Sender);
    virtual void NotificationInsert(TObject* Sender) = 0;
    virtual void NotificationRename(TObject* Sender);
    virtual void NotificationSetFocus(TObject* Sender);
    virtual void Clear() {}
    /// Takes the entry out of the list; the object is not freed.
    void Delete(int Index);

    void InsertObject(TiPlotObject* AObject);
    /// The base name, a blank and one more than the largest number that follows the base
    /// name in a listed object's name (saturating at the largest 32-bit number).
    std::string GetNextName() const;
    /// Throws std::out_of_range ("List index out of bounds (N)") for a bad index.
    TiPlotObject* GetItem(int Index) const;
    int GetIndex(const TiPlotObject* AObject) const;
    TiPlotObject* GetObjectByName(const std::string& Value) const;
    int GetIndexByName(const std::string& Value) const;
    bool DoWriteToStream() const { return Count() > 0; }
    /// The collection a layout reads the objects from (ReadFromStream).
    TiPlotManagerItems* Items() { return &FItems; }

    TNotifyEvent OnChange, OnInsert, OnRemove, OnRename;

protected:
    std::vector<TiPlotObject*> FList;

private:
    TWinControl* FOwner;
    TiPlotManagerItems FItems;
};

/// A manager that owns its objects: freeing it (or Clear) frees them.
class TiPlotObjectOwnedManager : public TiPlotObjectManagerCustom
{
public:
    using TiPlotObjectManagerCustom::TiPlotObjectManagerCustom;
    ~TiPlotObjectOwnedManager() override;
    void NotificationRemove(TObject* Sender) override;
    void Clear() override;
};

class TiPlotObjectManagerCustom;
/// Sets a published string property of a plot object when its class has it.
void SetPublishedText(TiPlotObject& Object, const std::string& Property, const std::string& Value);

/// The owned manager of one object kind.
class TiPlotTypedManager : public TiPlotObjectOwnedManager
{
public:
    TiPlotTypedManager(TWinControl* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                       TNotifyEvent AOnRename, std::string BaseName, std::string ObjectClassName);

    TiPlotObject* CreateObject() override;
    /// Whether the class of new objects is registered, so CreateObject can make one.
    bool CanCreateObject() const;
    std::string GetBaseName() const override { return FBaseName; }
    /// Lists an object of the manager's kind; one without a name gets the next name and
    /// the kind's first references.
    void NotificationInsert(TObject* Sender) override;
    bool IsManagedObject(const TObject& Object) const;
    const std::string& ObjectClassName() const { return FObjectClassName; }

protected:
    /// The first references of a newly named object; set through the object's published
    /// properties.
    virtual void AfterNaming(TiPlotObject&) {}
    /// Whether a new object is named at all.
    virtual bool NamesNewObjects() const { return true; }
    /// The class whose constructor CreateObject calls.
    virtual std::string CreatedClassName() const { return FObjectClassName; }

private:
    std::string FBaseName;
    std::string FObjectClassName;
};

/// A typed manager whose base name and object class come from Kind.
template <class Kind, class Base = TiPlotTypedManager>
class TiPlotKindManager : public Base
{
public:
    TiPlotKindManager(TWinControl* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                      TNotifyEvent AOnRename)
        : Base(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove), std::move(AOnRename),
               Kind::BaseName, Kind::ClassName)
    {
    }
};

namespace qx::plot::kinds {
struct ToolBar { static constexpr const char* BaseName = "Toolbar"; static constexpr const char* ClassName = "TiPlotToolBar"; };
struct Legend { static constexpr const char* BaseName = "Legend"; static constexpr const char* ClassName = "TiPlotLegend"; };
struct Table { static constexpr const char* BaseName = "Table"; static constexpr const char* ClassName = "TiPlotTable"; };
struct XAxis { static constexpr const char* BaseName = "X-Axis"; static constexpr const char* ClassName = "TiPlotXAxis"; };
struct YAxis { static constexpr const char* BaseName = "Y-Axis"; static constexpr const char* ClassName = "TiPlotYAxis"; };
struct Channel { static constexpr const char* BaseName = "Channel"; static constexpr const char* ClassName = "TiPlotChannelCustom"; };
struct DataView { static constexpr const char* BaseName = "Data View"; static constexpr const char* ClassName = "TiPlotDataView"; };
struct DataCursor { static constexpr const char* BaseName = "Cursor"; static constexpr const char* ClassName = "TiPlotDataCursor"; };
struct Limit { static constexpr const char* BaseName = "Limit"; static constexpr const char* ClassName = "TiPlotLimit"; };
struct Label { static constexpr const char* BaseName = "Label"; static constexpr const char* ClassName = "TiPlotLabel"; };
struct Annotation { static constexpr const char* BaseName = "Annotation"; static constexpr const char* ClassName = "TiPlotAnnotation"; };
} // namespace qx::plot::kinds

class TiPlotToolBarManager : public TiPlotKindManager<qx::plot::kinds::ToolBar>
{
public:
    using TiPlotKindManager::TiPlotKindManager;
};
class TiPlotLegendManager : public TiPlotKindManager<qx::plot::kinds::Legend>
{
public:
    using TiPlotKindManager::TiPlotKindManager;
};
class TiPlotTableManager : public TiPlotKindManager<qx::plot::kinds::Table>
{
public:
    using TiPlotKindManager::TiPlotKindManager;
};

/// Axes take their name as their title.
class TiPlotAxisManager : public TiPlotTypedManager
{
public:
    using TiPlotTypedManager::TiPlotTypedManager;

protected:
    void AfterNaming(TiPlotObject& Object) override { SetPublishedText(Object, "Title", Object.Name()); }
};
class TiPlotXAxisManager : public TiPlotKindManager<qx::plot::kinds::XAxis, TiPlotAxisManager>
{
public:
    using TiPlotKindManager::TiPlotKindManager;
};
class TiPlotYAxisManager : public TiPlotKindManager<qx::plot::kinds::YAxis, TiPlotAxisManager>
{
public:
    using TiPlotKindManager::TiPlotKindManager;
};

/// A manager whose new objects refer to the plot's first X and Y axes.
class TiPlotAxesBoundManager : public TiPlotTypedManager
{
public:
    using TiPlotTypedManager::TiPlotTypedManager;
    TiPlotObjectManagerCustom* XAxisManager = nullptr;
    TiPlotObjectManagerCustom* YAxisManager = nullptr;

protected:
    void SetAxisNames(TiPlotObject& Object, const char* XProperty, const char* YProperty);
};

class TiPlotChannelManager : public TiPlotKindManager<qx::plot::kinds::Channel, TiPlotAxesBoundManager>
{
public:
    using TiPlotKindManager::TiPlotKindManager;
    /// The first palette colour used by the fewest listed channels; red while fewer than two.
    TColor GetNextChannelColor() const;
    /// The registered class whose creator makes new channels.
    const std::string& ChannelClass() const { return FChannelClass; }
    void SetChannelClass(const std::string& Value) { FChannelClass = Value; }

protected:
    void AfterNaming(TiPlotObject& Object) override;
    std::string CreatedClassName() const override { return FChannelClass; }

private:
    std::string FChannelClass = "TiPlotChannel";
};

class TiPlotDataViewManager : public TiPlotKindManager<qx::plot::kinds::DataView, TiPlotAxesBoundManager>
{
public:
    using TiPlotKindManager::TiPlotKindManager;

protected:
    void AfterNaming(TiPlotObject& Object) override { SetAxisNames(Object, "GridXAxisName", "GridYAxisName"); }
};

class TiPlotLimitManager : public TiPlotKindManager<qx::plot::kinds::Limit, TiPlotAxesBoundManager>
{
public:
    using TiPlotKindManager::TiPlotKindManager;

protected:
    void AfterNaming(TiPlotObject& Object) override { SetAxisNames(Object, "XAxisName", "YAxisName"); }
};

class TiPlotDataCursorManager : public TiPlotKindManager<qx::plot::kinds::DataCursor>
{
public:
    using TiPlotKindManager::TiPlotKindManager;
    TiPlotObjectManagerCustom* ChannelManager = nullptr;
    TiPlotObjectManagerCustom* DataViewManager = nullptr;

protected:
    void AfterNaming(TiPlotObject& Object) override;
};

class TiPlotLabelManager : public TiPlotKindManager<qx::plot::kinds::Label>
{
public:
    using TiPlotKindManager::TiPlotKindManager;

protected:
    void AfterNaming(TiPlotObject& Object) override { SetPublishedText(Object, "Caption", Object.Name()); }
};

/// Annotations are listed but never named by the manager.
class TiPlotAnnotationManager : public TiPlotKindManager<qx::plot::kinds::Annotation>
{
public:
    using TiPlotKindManager::TiPlotKindManager;

protected:
    bool NamesNewObjects() const override { return false; }
};

/// Lists every object of the plot without owning them, and forwards input to the objects
/// the user selected.
class TiPlotObjectManager : public TiPlotObjectManagerCustom
{
public:
    using TiPlotObjectManagerCustom::TiPlotObjectManagerCustom;

    TiPlotObject* CreateObject() override;
    std::string GetBaseName() const override { return "n/a"; }
    void NotificationInsert(TObject* Sender) override;

    void ClearAllUserSelections();
    void SetShiftState(TShiftState Value);
    void MouseDownFocusObjects(TMouseButton Button, TShiftState Shift, int X, int Y, int ScreenX, int ScreenY,
                               TPopupMenu* PopupMenu);
    void MouseMoveFocusObjects(TiHintData& HintData, TShiftState Shift, int X, int Y, int ScreenX, int ScreenY,
                               bool DblClickActive);
    void MouseUpFocusObjects(TMouseButton Button, TShiftState Shift, int X, int Y, int ScreenX, int ScreenY,
                             bool DblClickActive, TPopupMenu* PopupMenu);
    void KeyDownFocusObjects(Word& CharCode, TShiftState Shift, TPopupMenu* PopupMenu);
    bool MouseWheelFocusObjects(int WheelDelta, TShiftState Shift, TPoint& MousePos);
    /// Detaches the objects' remove, layout and change handlers before the plot goes.
    void ShutDownSetup();

private:
    template <class F>
    void forSelected(F&& f)
    {
        const std::vector<TiPlotObject*> copy = FList;
        for (TiPlotObject* object : copy)
            if (object->UserSelected())
                f(*object);
    }
};
