#include "TestControls.h"

#include "platform/gui/Keys.h"
#include "platform/gui/LayoutLoader.h"
#include "platform/gui/Timer.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>

namespace {

std::string readData(const std::string& name)
{
    std::ifstream in(std::string(QX_TEST_DATA_DIR) + "/" + name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class LayoutTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registerTestClasses();
        form.reset(new TTestForm(nullptr));
        qx::loadLayoutText(*form, readData("TestForm.layout"), "TestForm.layout");
        form->AfterConstruction();
    }

    template <class T>
    T* find(const char* name)
    {
        T* c = qx::findComponent<T>(*form, name);
        EXPECT_NE(c, nullptr) << name;
        return c;
    }

    std::unique_ptr<TTestForm> form;
};

TEST_F(LayoutTest, BuildsTheNestedControlsWithTheirProperties)
{
    EXPECT_EQ(form->Name(), "fmTest");
    EXPECT_EQ(form->Caption(), "Layout test");
    EXPECT_EQ(form->ClientWidth(), 400);
    EXPECT_EQ(form->created, 1);

    ASSERT_NE(form->btnOK, nullptr);
    ASSERT_NE(form->pnlTop, nullptr);
    EXPECT_EQ(form->btnOK->Parent(), form->pnlTop);
    EXPECT_EQ(form->pnlTop->Parent(), form.get());
    EXPECT_EQ(form->btnOK->Tag(), 7);
    EXPECT_EQ(form->btnOK->Caption(), "OK");

    // Aligned to the top of the form's client area.
    const TRect top = form->pnlTop->BoundsRect();
    EXPECT_EQ(top, (TRect{0, 0, 400, 60}));

    // Bottom bars stack by the positions the layout gives, not by the order of its lines.
    EXPECT_EQ(find<TTestPanel>("pnlStatus")->BoundsRect(), (TRect{0, 280, 400, 300}));
    EXPECT_EQ(find<TTestPanel>("pnlBar")->BoundsRect(), (TRect{0, 250, 400, 280}));

    auto* label = find<TTestLabel>("lbTitle");
    EXPECT_EQ(label->Font().Style, 1); // fsBold
    EXPECT_EQ(label->Font().Name, "Tahoma") << "the rest of the font comes from the parent";
    EXPECT_FALSE(label->ParentFont());
    EXPECT_TRUE(form->btnOK->ParentFont());

    auto* list = find<TTestList>("lstItems");
    EXPECT_EQ(list->Items()->Lines(), (std::vector<std::string>{"one", "two", "three"}));
    ASSERT_EQ(list->Columns()->Count(), 2);
    EXPECT_EQ(static_cast<TTestColumn*>(list->Columns()->Items(0))->Width(), 40);
    EXPECT_EQ(static_cast<TTestColumn*>(list->Columns()->Items(1))->Width(), 64);
    EXPECT_EQ(static_cast<TTestColumn*>(list->Columns()->Items(1))->Title(), "B");
    EXPECT_EQ(list->Picture(), "logo.png");
    EXPECT_EQ(list->Buddy(), form->btnOK);
    EXPECT_EQ(list->Count(), 3) << "a property's old name is accepted when reading";

    auto* timer = find<TTimer>("tmPoll");
    EXPECT_FALSE(timer->Enabled());
    EXPECT_EQ(timer->Interval(), 300u);
    EXPECT_FALSE(form->ComponentState().Contains(csLoading));
    EXPECT_FALSE(timer->ComponentState().Contains(csLoading));
}

TEST_F(LayoutTest, PropertiesBySimpleAndDottedPath)
{
    qx::setProperty(*form, "btnOK.Caption", std::string("Go"));
    EXPECT_EQ(form->btnOK->Caption(), "Go");
    qx::setProperty(*form, "lbTitle.Font.Height", std::int64_t{-16});
    EXPECT_EQ(find<TTestLabel>("lbTitle")->Font().Height(), -16);
    qx::setProperty(*form, "pnlTop.Align", qx::Ident{"alBottom"});
    EXPECT_EQ(form->pnlTop->Top(), 300 - 20 - 30 - 60) << "above the bars already at the bottom";

    EXPECT_EQ(qx::getProperty(*form, "lstItems.Anchors"),
              qx::PropertyValue(qx::IdentSet{{"akLeft", "akTop", "akRight", "akBottom"}}));
    EXPECT_EQ(qx::getProperty(*form, "btnOK.Tag"), qx::PropertyValue(std::int64_t{7}));
    EXPECT_EQ(qx::getProperty(*form, "lstItems.Buddy"), qx::PropertyValue(qx::Ident{"btnOK"}));
    EXPECT_EQ(qx::getProperty(*form, "Font.Name"), qx::PropertyValue(std::string("Tahoma")));
    EXPECT_THROW(qx::getProperty(*form, "btnOK.Nothing"), qx::PropertyError);
    EXPECT_THROW(qx::getProperty(*form, "nobody.Caption"), qx::PropertyError);
}

TEST_F(LayoutTest, AnchoredControlFollowsTheRightAndBottomEdges)
{
    auto* list = find<TTestList>("lstItems");
    form->SetBounds(0, 0, 500, 350);
    EXPECT_EQ(list->BoundsRect(), (TRect{10, 70, 310, 220}));
    EXPECT_EQ(form->pnlTop->Width(), 500);
}

TEST_F(LayoutTest, HandlersBoundByNameFireOnSimulatedInput)
{
    form->Show();
    clickAt(form->btnOK, 5, 5);
    ASSERT_EQ(form->clicks.size(), 1u);
    EXPECT_EQ(form->clicks[0], form->btnOK);

    // A click on the panel's free area reaches the panel, not its button.
    clickAt(form->pnlTop, 300, 30, Qt::RightButton, Qt::ShiftModifier);
    ASSERT_EQ(form->downs.size(), 1u);
    EXPECT_EQ(form->downs[0].button, mbRight);
    EXPECT_TRUE(form->downs[0].shift.Contains(ssShift));
    EXPECT_EQ(form->downs[0].x, 300);
    EXPECT_EQ(form->downs[0].y, 30);
    EXPECT_EQ(form->clicks.size(), 1u);

    // The button's own press does not reach the panel.
    clickAt(form->btnOK, 5, 5);
    EXPECT_EQ(form->downs.size(), 1u);
    EXPECT_EQ(form->clicks.size(), 2u);
}

TEST_F(LayoutTest, KeyPreviewGivesTheFormTheKeyFirst)
{
    form->Show();
    form->btnOK->SetTabStop(true);
    std::vector<Word> buttonKeys;
    form->btnOK->OnKeyDown = [&](TObject*, Word& key, TShiftState) { buttonKeys.push_back(key); };

    pressKey(form->btnOK, Qt::Key_F5);
    EXPECT_EQ(form->formKeys, std::vector<Word>{VK_F1 + 4});
    EXPECT_EQ(buttonKeys, std::vector<Word>{VK_F1 + 4});

    form->swallowKey = VK_ESCAPE;
    pressKey(form->btnOK, Qt::Key_Escape);
    EXPECT_EQ(form->formKeys.back(), VK_ESCAPE);
    EXPECT_EQ(buttonKeys.size(), 1u) << "a key the form set to 0 does not reach the control";
    EXPECT_TRUE(form->Visible()) << "Esc does not close a form by itself";
}

struct BadLayout
{
    const char* what;
    const char* body; // lines inside "object fmTest: TTestForm"
    const char* expected;
};

void PrintTo(const BadLayout& bad, std::ostream* os) { *os << bad.what; }

const BadLayout kBadLayouts[] = {
    {"unknown class", "  object x: TNoSuchControl\n  end\n", "TestForm.layout:2: unknown class TNoSuchControl"},
    {"unknown property", "  Colour = clRed\n", "TestForm.layout:2: Class TTestForm has no property Colour"},
    {"unknown nested property", "  object p: TTestPanel\n    Font.Weight = 3\n  end\n",
     "TestForm.layout:3: Class TTestPanel has no property Font"},
    {"unknown handler", "  OnCreate = FormCreated\n", "TestForm.layout:2: unknown handler FormCreated"},
    {"handler of another shape", "  OnKeyDown = ButtonClick\n",
     "TestForm.layout:2: handler ButtonClick does not take the parameters of OnKeyDown"},
    {"text for a number", "  Left = \"ten\"\n", "TestForm.layout:2: Invalid property value \"ten\": a whole number"},
    {"unknown enumerator", "  Align = alMiddle\n", "TestForm.layout:2: Invalid property value alMiddle: a value of TAlign"},
    {"unknown set member", "  Anchors = [akLeft, akUp]\n", "TestForm.layout:2: Invalid property value akUp"},
    {"unknown colour", "  Color = clPlaid\n", "TestForm.layout:2: Invalid property value clPlaid: a colour"},
    {"unknown component", "  object l: TTestList\n    Buddy = nobody\n  end\n",
     "TestForm.layout:3: unknown component nobody"},
    {"component of the wrong class", "  object t: TTimer\n  end\n  object l: TTestList\n    Buddy = t\n  end\n",
     "TestForm.layout:5: component t is a TTimer"},
    {"duplicate name", "  object a: TTestPanel\n  end\n  object a: TTestPanel\n  end\n",
     "TestForm.layout:4: A component named a already exists"},
    {"control on a non-windowed control",
     "  object l: TTestLabel\n    object b: TTestButton\n    end\n  end\n",
     "TestForm.layout:3: TTestButton can only be placed on a windowed control"},
    {"object property given a value", "  object l: TTestList\n    Columns = 3\n  end\n",
     "TestForm.layout:3: property Columns is a collection"},
    {"string not closed", "  Caption = \"open\n", "TestForm.layout:2: string not closed"},
    {"missing end", "  object p: TTestPanel\n", "TestForm.layout:4: 'end' expected for fmTest"},
    {"missing value", "  Caption =\n", "TestForm.layout:2: value expected"},
};

class BadLayoutTest : public ::testing::TestWithParam<BadLayout>
{
};

TEST_P(BadLayoutTest, FailsWithFileLineAndReason)
{
    registerTestClasses();
    const BadLayout& bad = GetParam();
    TTestForm root(nullptr);
    const std::string text = std::string("object fmTest: TTestForm\n") + bad.body + "end\n";
    try {
        qx::loadLayoutText(root, text, "TestForm.layout");
        FAIL() << bad.what << ": no error";
    } catch (const qx::LayoutError& e) {
        EXPECT_NE(std::string(e.what()).find(bad.expected), std::string::npos)
            << bad.what << ": got \"" << e.what() << "\"";
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, BadLayoutTest, ::testing::ValuesIn(kBadLayouts));

TEST(DamagedLayout, EveryTruncationGivesALoadErrorNeverACrash)
{
    registerTestClasses();
    const std::string text = readData("TestForm.layout");
    // Only the final line break may go.
    for (std::size_t n = 0; n + 1 < text.size(); ++n) {
        TTestForm root(nullptr);
        try {
            qx::loadLayoutText(root, text.substr(0, n), "TestForm.layout");
            ADD_FAILURE() << "a layout cut after " << n << " bytes loaded";
        } catch (const qx::LayoutError&) {
        }
    }
}

TEST(DamagedLayout, DeepNestingIsRefused)
{
    std::string text;
    for (int i = 0; i < 100000; ++i)
        text += "object p" + std::to_string(i) + ": TTestPanel\n";
    EXPECT_THROW(qx::parseLayout(text, "Deep.layout"), qx::LayoutError);
}

TEST(LayoutRoot, FieldsMustFindTheirControls)
{
    registerTestClasses();
    TTestForm root(nullptr);
    const std::string text = "object fmTest: TTestForm\n  object pnlTop: TTestPanel\n  end\nend\n";
    try {
        qx::loadLayoutText(root, text, "Fields.layout");
        FAIL() << "no error for a missing field";
    } catch (const qx::LayoutError& e) {
        EXPECT_NE(std::string(e.what()).find("Fields.layout:1: no component btnOK"), std::string::npos) << e.what();
    }
}

TEST(LayoutRoot, LayoutOfAnotherClassIsRefused)
{
    registerTestClasses();
    TTestForm root(nullptr);
    EXPECT_THROW(qx::loadLayoutText(root, "object p: TTestPanel\nend\n", "Other.layout"), qx::LayoutError);
}

TEST(LayoutResources, EveryCompiledInLayoutParsesAndLoadsWhenItsClassIsKnown)
{
    registerTestClasses();
    for (const std::string& name : qx::layoutResourceNames()) {
        SCOPED_TRACE(name);
        const std::string file = name + ".layout";
        const qx::LayoutObject top = qx::parseLayout(qx::layoutResource(name), file);
        const qx::ClassInfo* cls = qx::ClassRegistry::instance().find(top.className);
        if (!cls || !cls->create)
            continue; // a window of a layer this program does not link
        std::unique_ptr<TComponent> root(cls->create(nullptr));
        EXPECT_NO_THROW(qx::loadLayout(*root, name));
    }
}

} // namespace
