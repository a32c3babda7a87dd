#include "platform/gui/CheckBox.h"
#include "platform/gui/ComboBox.h"
#include "platform/gui/Edit.h"
#include "platform/gui/Form.h"
#include "platform/gui/LayoutLoader.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/Memo.h"
#include "platform/gui/PageControl.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/RadioButton.h"
#include "platform/gui/ScrollBox.h"
#include "platform/gui/Shape.h"
#include "platform/gui/StandardClasses.h"
#include "platform/gui/StatusBar.h"
#include "platform/gui/UpDown.h"

#include <QTabBar>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>

namespace {

class StandardLayoutTest : public testing::Test
{
protected:
    void SetUp() override
    {
        qx::registerStandardClasses();
        std::ifstream in(QX_TEST_DATA_DIR "/StandardControls.layout");
        const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        form_ = std::make_unique<TForm>(nullptr);
        qx::loadLayoutText(*form_, text, "StandardControls.layout");
    }
    template <class T>
    T& find(const char* name)
    {
        T* c = qx::findComponent<T>(*form_, name);
        if (!c)
            throw std::runtime_error(std::string("missing ") + name);
        return *c;
    }

    std::unique_ptr<TForm> form_;
};

TEST_F(StandardLayoutTest, EveryControlIsMadeWithItsProperties)
{
    EXPECT_TRUE(find<TRadioButton>("rbEq").Checked());
    EXPECT_FALSE(find<TRadioButton>("rbFir").Checked());
    EXPECT_EQ(find<TEdit>("edName").Text(), "OUT1");
    EXPECT_EQ(find<TEdit>("edName").MaxLength(), 8);
    EXPECT_EQ(find<TComboBox>("cbFreq").ItemIndex(), 2);
    EXPECT_EQ(find<TComboBox>("cbFreq").Text(), "31.5Hz");
    EXPECT_EQ(find<TUpDown>("udRatio").Position(), 4);
    EXPECT_TRUE(find<TCheckBox>("cbBypass").Checked());
    EXPECT_EQ(find<TShape>("spMarker").Brush().Color, clRed);
    EXPECT_EQ(find<TShape>("spMarker").Pen().Width, 2);
    EXPECT_EQ(find<TListBox>("lbxTrace").Items()->Count(), 2);
    EXPECT_EQ(find<TMemo>("mmMemo").Lines()->Lines(), std::vector<std::string>{"Memo"});
    EXPECT_EQ(find<TStatusBar>("StatusBar").SimpleText(), "download now");
    EXPECT_EQ(find<TStatusBar>("StatusBar").Align(), alBottom);
}

TEST_F(StandardLayoutTest, ScrollBoxMovesItsChildrenWithinTheRange)
{
    auto& box = find<TScrollBox>("scbRows");
    auto& row9 = find<TControl>("lbRow9");
    const int top = row9.Top();
    box.VertScrollBar()->SetPosition(50);
    EXPECT_EQ(box.VertScrollBar()->Position(), 50);
    EXPECT_EQ(row9.Top(), top - 50);
    box.VertScrollBar()->SetPosition(100000);
    EXPECT_EQ(box.VertScrollBar()->Position(), box.VertScrollBar()->MaxPosition()) << "clamped";
    EXPECT_EQ(row9.Top() + row9.Height(), box.ClientHeight()) << "the last row at the bottom";
    box.VertScrollBar()->SetPosition(-5);
    EXPECT_EQ(row9.Top(), top);
}

TEST_F(StandardLayoutTest, ListBoxItemIndexFromCodeIsNoClick)
{
    auto& list = find<TListBox>("lbxTrace");
    int clicks = 0;
    list.OnClick = [&](TObject*) { ++clicks; };
    list.Items()->Add("NET W 10 02");
    list.SetItemIndex(2);
    EXPECT_EQ(list.ItemIndex(), 2);
    list.Clear();
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_EQ(clicks, 0);
}

TEST_F(StandardLayoutTest, UnknownPropertiesOfStandardControlsAreLoadErrors)
{
    TForm form(nullptr);
    EXPECT_THROW(qx::loadLayoutText(form, "object f: TForm\n object x: TUpDown\n Posit = 3\n end\nend\n", "bad.layout"),
                 qx::LayoutError);
}

} // namespace

namespace {

// The defaults the registry gives (what a layout may leave out) are the
// values a new control has; the edit boxes' colour is the window colour.
TEST(StandardClassesTest, NewEditControlsHaveTheRegisteredDefaults)
{
    qx::registerStandardClasses();
    TForm parent(nullptr);
    for (const char* name : {"TEdit", "TMemo", "TRichEdit"}) {
        SCOPED_TRACE(name);
        const qx::ClassInfo* info = qx::ClassRegistry::instance().find(name);
        ASSERT_NE(info, nullptr);
        std::unique_ptr<TComponent> made(info->create(nullptr));
        auto* control = dynamic_cast<TControl*>(made.get());
        ASSERT_NE(control, nullptr);
        control->SetParent(&parent);
        for (const qx::PropertyInfo* p : info->properties()) {
            if (p->get && p->defaultValue) {
                EXPECT_EQ(p->get(*control), *p->defaultValue) << p->name;
            }
        }
        EXPECT_EQ(control->Color(), clWindow);
    }
}

TEST(PageControlTest, TabsPickedByTheUserAskFirstAndCodeChoosesSilently)
{
    qx::registerStandardClasses();
    TForm form(nullptr);
    qx::loadLayoutText(form, R"(object fmPages: TForm
  ClientWidth = 300
  ClientHeight = 200
  object pcPages: TPageControl
    Width = 300
    Height = 200
    object tsControl: TTabSheet
      Caption = "Control"
      object lbInside: TLabel
        Caption = "inside"
      end
    end
    object tsAxes: TTabSheet
      Caption = "Axes"
    end
  end
end
)", "pages.layout");
    auto* pages = qx::findComponent<TPageControl>(form, "pcPages");
    auto* axes = qx::findComponent<TTabSheet>(form, "tsAxes");
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(pages->ActivePageIndex(), 0);
    EXPECT_EQ(axes->PageIndex(), 1);
    EXPECT_FALSE(axes->Visible());

    std::vector<std::string> log;
    bool allow = false;
    pages->OnChanging = [&](TObject*, bool& a) { log.push_back("changing"); a = allow; };
    pages->OnChange = [&](TObject*) { log.push_back("change"); };
    pages->SetActivePage(axes);
    EXPECT_TRUE(axes->Visible());
    EXPECT_TRUE(log.empty()) << "from code: no events";

    auto* tabs = pages->Widget()->findChild<QTabBar*>();
    ASSERT_NE(tabs, nullptr);
    tabs->setCurrentIndex(0); // as a click on the first tab does
    EXPECT_EQ(pages->ActivePage(), axes) << "refused";
    EXPECT_EQ(tabs->currentIndex(), 1);
    allow = true;
    tabs->setCurrentIndex(0);
    EXPECT_EQ(pages->ActivePageIndex(), 0);
    EXPECT_EQ(log, (std::vector<std::string>{"changing", "changing", "change"}));
}

} // namespace
