#pragma once
// Small controls and a form for the tests of the core: the standard
// controls are built on this core, not the other way round.

#include "platform/gui/Application.h"
#include "platform/gui/PropertyRegistry.h"

#include <QWidget>

#include <cstdint>
#include <string>
#include <vector>

class TTestButton : public TCustomControl
{
public:
    using TCustomControl::TCustomControl;
};

class TTestPanel : public TCustomControl
{
public:
    using TCustomControl::TCustomControl;
};

class TTestLabel : public TGraphicControl
{
public:
    using TGraphicControl::TGraphicControl;
};

class TTestColumn : public TCollectionItem
{
public:
    using TCollectionItem::TCollectionItem;
    int Width() const { return width_; }
    void SetWidth(int v) { width_ = v; }
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& v) { title_ = v; }

private:
    int width_ = 64;
    std::string title_;
};

/// A windowed control with a string list, a collection, a picture, a component reference
/// and bytes, the property kinds the loader and the writer handle specially.
class TTestList : public TCustomControl
{
public:
    explicit TTestList(TComponent* AOwner) : TCustomControl(AOwner), columns_(qx::itemsOf<TTestColumn>()) {}
    TStrings* Items() { return &items_; }
    TCollection* Columns() { return &columns_; }
    const std::string& Picture() const { return picture_; }
    void SetPicture(const std::string& v) { picture_ = v; }
    TControl* Buddy() const { return buddy_; }
    void SetBuddy(TControl* v) { buddy_ = v; }
    int Count() const { return count_; }
    void SetCount(int v) { count_ = v; }
    const std::vector<std::uint8_t>& Data() const { return data_; }
    void SetData(const std::vector<std::uint8_t>& v) { data_ = v; }

private:
    TStringList items_;
    TCollection columns_;
    std::string picture_;
    TControl* buddy_ = nullptr;
    int count_ = 0;
    std::vector<std::uint8_t> data_;
};

class TTestForm : public TForm
{
public:
    explicit TTestForm(TComponent* AOwner) : TForm(AOwner) {}

    void ButtonClick(TObject* Sender) { clicks.push_back(Sender); }
    void PanelMouseDown(TObject*, TMouseButton Button, TShiftState Shift, int X, int Y)
    {
        downs.push_back({Button, Shift, X, Y});
    }
    void FormKeyDown(TObject*, Word& Key, TShiftState)
    {
        formKeys.push_back(Key);
        if (Key == swallowKey)
            Key = 0;
    }
    void FormCreate(TObject*) { ++created; }

    struct Down
    {
        TMouseButton button;
        TShiftState shift;
        int x, y;
    };
    std::vector<TObject*> clicks;
    std::vector<Down> downs;
    std::vector<Word> formKeys;
    Word swallowKey = 0;
    int created = 0;

    TTestButton* btnOK = nullptr;
    TTestPanel* pnlTop = nullptr;
};

/// Registers the test classes once.
void registerTestClasses();

/// Simulated input, delivered as the window system would deliver it.
void clickAt(TControl* control, int x, int y, Qt::MouseButton button = Qt::LeftButton,
             Qt::KeyboardModifiers mods = Qt::NoModifier);
void pressKey(TWinControl* control, int qtKey, const QString& text = {}, Qt::KeyboardModifiers mods = Qt::NoModifier);
