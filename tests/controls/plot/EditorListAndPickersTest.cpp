// The object list, the pickers and the dialog wrappers of the editors, driven through their
// real widgets; the dialogs are answered by the scripted dialog service.

#include "EditorTestForm.h"

#include "controls/plot/editor/iSaveDialog.h"
#include "platform/gui/LayoutLoader.h"
#include "platform/gui/ScriptedDialogService.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using qx::test::EditorFormFixture;

class EditorListTest : public ::testing::Test, public EditorFormFixture
{
protected:
    /// Counts the objects freed; those still alive at the end are freed by the fixture (the
    /// list does not own its objects, their plot does).
    struct Item : TObject
    {
        Item(int& freed, std::set<Item*>& alive) : freed_(freed), alive_(alive) { alive_.insert(this); }
        ~Item() override
        {
            ++freed_;
            alive_.erase(this);
        }
        int& freed_;
        std::set<Item*>& alive_;
    };

    void TearDown() override
    {
        while (!alive.empty())
            delete *alive.begin();
    }

    TiComponentEditorListBox& list(int items)
    {
        auto& l = add<TiComponentEditorListBox>(10, 10, 150, 120);
        for (int i = 0; i < items; ++i) {
            objects.push_back(new Item(freed, alive));
            l.Items()->AddObject("", objects.back());
        }
        l.OnItemMove = [this](TObject*) { ++moves; };
        l.OnClick = [this](TObject*) { ++clicks; };
        return l;
    }
    std::vector<TObject*> order(const TiComponentEditorListBox& l) const
    {
        std::vector<TObject*> result;
        for (int i = 0; i < l.Count(); ++i)
            result.push_back(l.Items()->Objects(i));
        return result;
    }
    int rowY(const TiComponentEditorListBox& l, int row) const
    {
        const TRect r = l.ItemRect(row);
        return (r.Top + r.Bottom) / 2;
    }
    void drag(TiComponentEditorListBox& l, int fromRow, int toY)
    {
        activate();
        press(l, 40, rowY(l, fromRow));
        moveTo(l, 40, rowY(l, fromRow) + 6);
        moveTo(l, 40, toY);
        release(l, 40, toY);
        QApplication::processEvents();
    }

    std::set<Item*> alive;
    std::vector<TObject*> objects;
    int freed = 0, moves = 0, clicks = 0;
};

TEST_F(EditorListTest, DraggingTheSecondItemBelowTheLastMovesItToTheEnd)
{
    auto& l = list(3);
    drag(l, 1, l.Height() - 8);
    EXPECT_EQ(order(l), (std::vector<TObject*>{objects[0], objects[2], objects[1]}));
    EXPECT_EQ(l.ItemIndex(), 2);
    EXPECT_EQ(moves, 1);
    drag(l, 2, rowY(l, 2));
    EXPECT_EQ(moves, 1) << "dropping an item on itself moves nothing";
    drag(l, 2, rowY(l, 0));
    EXPECT_EQ(order(l), (std::vector<TObject*>{objects[1], objects[0], objects[2]}));
    EXPECT_EQ(moves, 2);
    drag(l, 0, l.Height() + 30);
    EXPECT_EQ(moves, 2) << "a drop outside the list is not taken";
}

TEST_F(EditorListTest, AClickSelectsAndADoubleClickOpens)
{
    auto& l = list(3);
    int opened = 0;
    l.OnDblClick = [&](TObject*) { ++opened; };
    click(l, 40, rowY(l, 2));
    EXPECT_EQ(l.ItemIndex(), 2);
    EXPECT_EQ(l.SelectedObject(), objects[2]);
    EXPECT_EQ(clicks, 1);
    doubleClick(l, 40, rowY(l, 1));
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(l.ItemIndex(), 1);
    key(Qt::Key_Down);
    EXPECT_EQ(l.ItemIndex(), 2);
    key(Qt::Key_Home);
    EXPECT_EQ(l.ItemIndex(), 0);
    l.SetItemIndex(1);
    const int before = clicks;
    l.SelectLast();
    EXPECT_EQ(l.ItemIndex(), 2);
    EXPECT_EQ(clicks, before) << "selections from code raise nothing";
}

TEST_F(EditorListTest, DeletingTheSelectedObjectFreesItAndSelectsItsNeighbour)
{
    struct Case
    {
        int selected;
        int expectedSelection;
        std::vector<int> remaining;
    };
    const std::vector<Case> cases{{2, 1, {0, 1}}, {0, 0, {1, 2}}, {1, 1, {0, 2}}};
    for (const Case& c : cases) {
        objects.clear();
        freed = 0;
        auto& l = list(3);
        l.SetItemIndex(c.selected);
        l.DeleteSelectedObject();
        EXPECT_EQ(freed, 1);
        EXPECT_EQ(l.ItemIndex(), c.expectedSelection) << "deleting " << c.selected;
        std::vector<TObject*> expected;
        for (int i : c.remaining)
            expected.push_back(objects[static_cast<std::size_t>(i)]);
        EXPECT_EQ(order(l), expected);
        delete &l;
    }
}

TEST_F(EditorListTest, DeletingWithoutASelectionDeletesNothing)
{
    auto& l = list(3);
    l.SetItemIndex(-1);
    EXPECT_NO_THROW(l.DeleteSelectedObject());
    EXPECT_EQ(l.Count(), 3);
    EXPECT_EQ(freed, 0);
    EXPECT_EQ(l.ItemIndex(), -1);
    l.Clear();
    for (TObject* object : objects)
        delete object;
}

TEST_F(EditorListTest, DeletingAnObjectsItemLeavesTheObject)
{
    auto& l = list(3);
    Item stranger(freed, alive);
    l.SetItemIndex(2);
    l.DeleteObjectIndex(&stranger);
    EXPECT_EQ(l.Count(), 3);
    l.DeleteObjectIndex(objects[2]);
    EXPECT_EQ(l.Count(), 2);
    EXPECT_EQ(l.ItemIndex(), 1) << "the last item when the old index is gone";
    EXPECT_EQ(freed, 0);
    delete objects[2];
    l.SetItemIndex(0);
    l.DeleteObjectIndex(objects[1]);
    EXPECT_EQ(l.ItemIndex(), 0);
    delete objects[1];
    l.DeleteObjectIndex(objects[0]);
    l.DeleteSelectedObject();
    EXPECT_EQ(l.Count(), 0) << "an empty list deletes nothing";
    delete objects[0];
}

TEST_F(EditorListTest, ItemsShowTheirColourBoxAndText)
{
    auto& l = list(2);
    l.OnGetData = [](int index, bool& box, TColor& color, std::string& text) {
        box = index == 0;
        color = 0x0000FF;
        text = "Channel " + std::to_string(index);
    };
    l.SetItemIndex(1);
    l.Repaint();
    const QImage image = l.Widget()->grab().toImage();
    const TRect first = l.ItemRect(0), second = l.ItemRect(1);
    EXPECT_EQ(image.pixelColor(first.Left + 10, (first.Top + first.Bottom) / 2), QColor(255, 0, 0))
        << "the colour box";
    EXPECT_EQ(image.pixelColor(first.Left + 1, (first.Top + first.Bottom) / 2), QColor(255, 255, 255));
    EXPECT_EQ(image.pixelColor(second.Left + 1, (second.Top + second.Bottom) / 2), QColor(0, 128, 128))
        << "the selected item on teal";
    EXPECT_EQ(image.pixelColor(second.Left + 10, second.Top + 1), QColor(0, 128, 128)) << "no colour box";
}

TEST_F(EditorListTest, ManyItemsScrollWithTheBar)
{
    auto& l = list(30);
    EXPECT_EQ(l.TopIndex(), 0);
    click(l, l.Width() - 10, l.Height() - 8);
    EXPECT_EQ(l.TopIndex(), 1) << "the down arrow";
    click(l, l.Width() - 10, l.Height() - 30);
    EXPECT_EQ(l.TopIndex(), 1 + l.VisibleRows()) << "the track below the thumb";
    l.SetItemIndex(29);
    EXPECT_EQ(l.TopIndex(), 30 - l.VisibleRows()) << "a selection is scrolled into view";
    EXPECT_EQ(l.RowAt(l.ItemRect(29).Top + 1), 29);
}

// ---- pickers ----

class EditorPickersTest : public EditorListTest
{
protected:
    qx::ScriptedDialogService dialogs;
};

TEST_F(EditorPickersTest, ColorPickerTakesAConfirmedColour)
{
    auto& picker = add<TiComponentEditorColorPicker>(10, 10);
    int changes = 0;
    picker.OnChange = [&](TObject*) { ++changes; };
    picker.SetColor(clBtnFace);
    EXPECT_EQ(changes, 0);
    dialogs.colorAnswers = {std::nullopt, 0x00FF00};
    click(picker.Button(), 5, 5);
    EXPECT_EQ(changes, 0) << "a cancel changes nothing";
    EXPECT_EQ(picker.Color(), clBtnFace);
    doubleClick(picker, 5, 5);
    ASSERT_EQ(dialogs.colorRequests.size(), 2u);
    EXPECT_EQ(dialogs.colorRequests[0], static_cast<std::uint32_t>(ColorToRGB(clBtnFace)))
        << "a system colour goes in resolved";
    EXPECT_EQ(picker.Color(), 0x00FF00);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(form.userChanges, 1);
    EXPECT_EQ(picker.Button().Left() + picker.Button().Width(), picker.Width());
    picker.SetBounds(10, 10, 80, 30);
    EXPECT_EQ(picker.Button().Left(), 80 - 21) << "the button stays at the right edge";
    EXPECT_EQ(picker.Button().Height(), 30);
}

TEST_F(EditorPickersTest, ADisabledColorPickerShowsButtonFace)
{
    auto& picker = add<TiComponentEditorColorPicker>(10, 10);
    picker.SetColor(0x0000FF);
    const auto swatch = [&] { return picker.Widget()->grab().toImage().pixelColor(10, 10); };
    EXPECT_EQ(swatch(), QColor(255, 0, 0));
    picker.Disable();
    EXPECT_FALSE(picker.Button().Enabled());
    const TColor face = ColorToRGB(clBtnFace);
    EXPECT_EQ(swatch(), QColor(face & 0xFF, (face >> 8) & 0xFF, (face >> 16) & 0xFF));
}

TEST_F(EditorPickersTest, FontPickerKeepsTheCharacterSetOfTheSameFace)
{
    auto& picker = add<TiComponentEditorFontPicker>(10, 10);
    TFont font;
    font.Name = "Tahoma";
    font.Charset = 134;
    picker.SetFont(font);
    int changes = 0;
    picker.OnChange = [&](TObject*) { ++changes; };
    qx::FontChoice same{"tahoma", -16, 0x0000FF, true, false, true, false, 0};
    qx::FontChoice other{"Verdana", -12, 0, false, true, false, false, 0};
    dialogs.fontAnswers = {same, other};
    click(picker, 10, 10);
    EXPECT_EQ(picker.Font().Charset, 134) << "the same face keeps its character set";
    EXPECT_EQ(picker.Font().Height(), -16);
    EXPECT_EQ(picker.Font().Style, fsBold | fsUnderline);
    EXPECT_EQ(picker.Font().Color, 0x0000FF);
    click(picker, 10, 10);
    EXPECT_EQ(picker.Font().Name, "Verdana");
    EXPECT_EQ(picker.Font().Charset, 0);
    EXPECT_EQ(picker.Font().Style, fsItalic);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(form.userChanges, 2);
    EXPECT_EQ(picker.Caption(), "Font");
}

TEST_F(EditorPickersTest, OpenPickerProposesUntitledInAFolder)
{
    auto& picker = add<TiComponentEditorOpenPicker>(10, 10);
    picker.SetFileName("/data/plots/");
    picker.SetFilter("Plot (*.plt)|*.plt|All Files (*.*)|*.*");
    picker.SetDefaultDir("/data");
    picker.SetAllowMultiSelect(true);
    int changes = 0;
    picker.OnChange = [&](TObject*) { ++changes; };
    dialogs.fileAnswers = {std::nullopt, qx::FileDialogResult{{"/data/a.dat", "/data/b.dat"}, 1}};
    click(picker, 10, 10);
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].fileName, "/data/plots/Untitled");
    EXPECT_EQ(dialogs.fileRequests[0].initialDir, "/data");
    EXPECT_TRUE(dialogs.fileRequests[0].allowMultiSelect);
    EXPECT_EQ(dialogs.fileRequests[0].filters.size(), 2u);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(picker.FileName(), "/data/plots/");
    click(picker, 10, 10);
    EXPECT_EQ(dialogs.fileRequests[1].initialDir, "/data") << "the open picker gives its folder every time";
    EXPECT_EQ(picker.Files(), (std::vector<std::string>{"/data/a.dat", "/data/b.dat"}));
    EXPECT_EQ(picker.FileName(), "/data/a.dat");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(form.userChanges, 1);
}

TEST_F(EditorPickersTest, SavePickerAppendsTheFilterExtension)
{
    auto& picker = add<TiComponentEditorSavePicker>(10, 10);
    picker.SetFilter("Config (*.cfg)|*.cfg|All Files (*.*)|*.*");
    picker.SetDefaultDir("/data");
    dialogs.fileAnswers = {qx::FileDialogResult{{"/tmp/name"}, 1}, std::nullopt};
    click(picker, 10, 10);
    EXPECT_EQ(picker.FileName(), "/tmp/name.cfg");
    EXPECT_EQ(dialogs.fileRequests[0].initialDir, "/data");
    EXPECT_TRUE(dialogs.fileRequests[0].save);
    EXPECT_FALSE(picker.Execute()) << "a cancel";
    EXPECT_EQ(dialogs.fileRequests[1].initialDir, "") << "the folder is given to the first dialog only";
    EXPECT_EQ(picker.FileName(), "/tmp/name.cfg");
    EXPECT_EQ(form.userChanges, 1);
}

TEST(EditorSaveDialogTest, TheChosenFiltersExtensionIsAppendedUnlessTheNameHasIt)
{
    struct Case
    {
        std::string filter, name;
        int index;
        std::string expected, ext;
    };
    const std::string config = "Config (*.cfg)|*.cfg|All Files (*.*)|*.*";
    const std::vector<Case> cases{
        {config, "name", 1, "name.cfg", ".cfg"},
        {config, "name.cfg", 1, "name.cfg", ".cfg"},
        {config, "NAME.CFG", 1, "NAME.CFG", ".cfg"},
        {config, "name.txt", 1, "name.txt.cfg", ".cfg"},
        {config, "name.txt", 2, "name.txt", ".*"},
        {"", "name", 1, "name", ""},
        {config, "name", 3, "name", ""},
    };
    EXPECT_EQ(TiSaveDialog::FilterPatterns(config), (std::vector<std::string>{"*.cfg", "*.*"}));
    for (const Case& c : cases) {
        std::string ext = "?";
        EXPECT_EQ(TiSaveDialog::NameWithFilterExt(c.name, c.filter, c.index, ext), c.expected)
            << c.name << " with filter " << c.index;
        EXPECT_EQ(ext, c.ext);
    }
}

TEST(EditorDialogsTest, WithoutAFormOrWindowTheFileDialogsShowNothing)
{
    qx::ScriptedDialogService dialogs;
    TiOpenDialog open(nullptr);
    open.Files = {"stale"};
    EXPECT_FALSE(open.Execute());
    EXPECT_TRUE(open.Files.empty());
    TiSaveDialog save(nullptr);
    EXPECT_FALSE(save.Execute());
    EXPECT_TRUE(dialogs.fileRequests.empty());
}

TEST(EditorDialogsTest, TheColourDialogGivesBackResolvedColours)
{
    qx::ScriptedDialogService dialogs;
    TiColorDialog dialog(nullptr);
    dialog.SetColor(clBtnFace);
    dialogs.colorAnswers = {ColorToRGB(clBtnFace)};
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.Color(), ColorToRGB(clBtnFace));
    EXPECT_FALSE(dialog.Execute()) << "an exhausted script answers as a cancel";
}

} // namespace

namespace {

// Every editor control is made by a layout with its published properties and events.
class LayoutEditorForm : public TiCustomEditorForm
{
public:
    explicit LayoutEditorForm(TComponent* AOwner) : TiCustomEditorForm(AOwner) {}
    void Changed(TObject*) { ++changes; }
    void GetData(int, bool& box, TColor& color, std::string& text)
    {
        box = true;
        color = clBlue;
        text.assign(1, 'x');
    }
    int changes = 0;
};

TEST(EditorLayoutTest, EveryEditorControlIsMadeByALayout)
{
    qx::registerClass<LayoutEditorForm, TiCustomEditorForm>("TLayoutEditorForm")
        .method("Changed", &LayoutEditorForm::Changed)
        .method("GetData", &LayoutEditorForm::GetData);
    LayoutEditorForm form(nullptr);
    qx::loadLayoutText(form, R"(object f: TLayoutEditorForm
  AutoScroll = False
  object Pages: TiComponentEditorPageControl
    TabIndex = 1
    object Sheet: TTabSheet
      Caption = "General"
      object Box: TiComponentEditorGroupBox
        Caption = "Box"
        object Check: TiComponentEditorCheckBox
          Caption = "Visible"
          Checked = True
          Alignment = taLeftJustify
          BackGroundColor = clWindow
          OnClick = Changed
        end
      end
      object Radio: TiComponentEditorRadioGroup
        Caption = "Style"
        Items = ("Solid", "Dash", "Dot")
        ItemIndex = 1
        Columns = 2
        OnChange = Changed
      end
      object Edit: TiComponentEditorEdit
        Text = "12"
        OnUpdate = Changed
      end
      object Spin: TiUpDown
        Associate = Edit
        Min = 0
        Max = 30
        Increment = 2
      end
      object Combo: TiComponentEditorComboBox
        Style = csDropDownList
        Items = ("Linear", "Log")
        OnChange = Changed
      end
      object List: TiComponentEditorListBox
        DragMode = dmManual
        ItemHeight = 18
        OnGetData = GetData
        OnItemMove = Changed
        OnClick = Changed
      end
      object Color: TiComponentEditorColorPicker
        OnChange = Changed
      end
      object Font: TiComponentEditorFontPicker
        OnChange = Changed
      end
      object Open: TiComponentEditorOpenPicker
        Filter = "Plot (*.plt)|*.plt"
        FileMustExist = True
        OnChange = Changed
      end
      object Save: TiComponentEditorSavePicker
        Filter = "Plot (*.plt)|*.plt"
        FilterIndex = 1
        DefaultExt = "plt"
        OnChange = Changed
      end
      object Value: TiComponentEditorValueConverterPicker
        Associate = Edit
        DefaultPage = ivcptDateTime
        OnChange = Changed
      end
      object Button: TiComponentEditorButton
        Caption = "Apply"
        OnClick = Changed
      end
      object Paint: TiPaintBox
        OnPaint = Changed
      end
    end
  end
end
)",
                      "EditorControls.layout");
    auto* check = qx::findComponent<TiComponentEditorCheckBox>(form, "Check");
    auto* radio = qx::findComponent<TiComponentEditorRadioGroup>(form, "Radio");
    auto* spin = qx::findComponent<TiUpDown>(form, "Spin");
    auto* list = qx::findComponent<TiComponentEditorListBox>(form, "List");
    auto* value = qx::findComponent<TiComponentEditorValueConverterPicker>(form, "Value");
    auto* pages = qx::findComponent<TiComponentEditorPageControl>(form, "Pages");
    ASSERT_TRUE(check && radio && spin && list && value && pages);
    EXPECT_TRUE(check->Checked());
    EXPECT_EQ(check->Alignment(), taLeftJustify);
    EXPECT_EQ(radio->ItemIndex(), 1);
    EXPECT_EQ(radio->Columns(), 2);
    EXPECT_EQ(spin->Associate(), qx::findComponent<TiComponentEditorEdit>(form, "Edit"));
    EXPECT_EQ(spin->Max(), 30);
    EXPECT_EQ(list->DragMode(), dmManual);
    EXPECT_EQ(list->ItemHeight(), 18);
    EXPECT_TRUE(list->OnGetData);
    EXPECT_EQ(value->DefaultPage(), ivcptDateTime);
    EXPECT_EQ(pages->TabIndex(), 1);
    EXPECT_EQ(form.changes, 0) << "reading a layout raises nothing";
}

} // namespace
