#include "TestControls.h"

#include "platform/gui/LayoutLoader.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using qx::ClassRegistry;
using qx::PropertyType;
using qx::PropertyValue;

class RegistryTest : public ::testing::Test
{
protected:
    void SetUp() override { registerTestClasses(); }

    static const qx::PropertyInfo& property(const char* cls, const char* name)
    {
        const qx::ClassInfo* info = ClassRegistry::instance().find(cls);
        EXPECT_NE(info, nullptr) << cls;
        const qx::PropertyInfo* p = info ? info->findProperty(name) : nullptr;
        EXPECT_NE(p, nullptr) << cls << "." << name;
        return *p;
    }
};

TEST_F(RegistryTest, PropertiesCarryTypeDefaultAndStoredFlag)
{
    struct Expected
    {
        const char* cls;
        const char* name;
        PropertyType type;
        const char* typeName;
        std::optional<PropertyValue> defaultValue;
        bool stored;
    };
    const Expected cases[] = {
        {"TControl", "Align", PropertyType::Enum, "TAlign", qx::Ident{"alNone"}, true},
        {"TControl", "Anchors", PropertyType::Set, "set of TAnchorKind", qx::IdentSet{{"akLeft", "akTop"}}, true},
        {"TControl", "Visible", PropertyType::Boolean, "Boolean", true, true},
        {"TControl", "Color", PropertyType::Color, "TColor", qx::Ident{"clBtnFace"}, true},
        {"TControl", "Font.Style", PropertyType::Set, "TFontStyles", std::nullopt, true},
        {"TControl", "ClientWidth", PropertyType::Integer, "Integer", std::nullopt, false},
        {"TComponent", "Name", PropertyType::String, "String", std::nullopt, false},
        {"TTimer", "Interval", PropertyType::Integer, "Integer", std::int64_t{1000}, true},
        {"TForm", "OnCreate", PropertyType::Event, "event", std::nullopt, true},
        {"TTestList", "Items", PropertyType::StringList, "TStrings", std::nullopt, true},
        {"TTestList", "Columns", PropertyType::Collection, "TCollection", std::nullopt, true},
        {"TTestList", "Picture", PropertyType::Picture, "TPicture", std::nullopt, true},
    };
    for (const Expected& e : cases) {
        SCOPED_TRACE(std::string(e.cls) + "." + e.name);
        const qx::PropertyInfo& p = property(e.cls, e.name);
        EXPECT_EQ(p.type, e.type);
        EXPECT_EQ(p.typeName, e.typeName);
        EXPECT_EQ(p.defaultValue, e.defaultValue);
        EXPECT_EQ(p.stored, e.stored);
    }
}

TEST_F(RegistryTest, OldNamesAreAcceptedWhenReadingOnly)
{
    TTestList list(nullptr);
    EXPECT_THROW(qx::setProperty(list, "ItemCount", std::int64_t{4}), qx::PropertyError);
    qx::setProperty(list, "ItemCount", std::int64_t{4}, true);
    EXPECT_EQ(list.Count(), 4);
    EXPECT_THROW(qx::getProperty(list, "ItemCount"), qx::PropertyError);
    const qx::ClassInfo* info = ClassRegistry::instance().find("TTestList");
    EXPECT_EQ(info->findProperty("ItemCount"), nullptr);
    EXPECT_EQ(info->findProperty("ItemCount", true), info->findProperty("Count"));
}

TEST_F(RegistryTest, ClassesAreFoundByNameAndObjectsByTheirMostDerivedClass)
{
    TTestForm form(nullptr);
    EXPECT_EQ(form.ClassName(), "TTestForm");
    TTestList list(nullptr);
    EXPECT_EQ(list.ClassName(), "TTestList");
    struct TUnregistered : TTestPanel
    {
        using TTestPanel::TTestPanel;
    } odd(nullptr);
    EXPECT_EQ(odd.ClassName(), "TTestPanel") << "a class without registration shows as its registered base";

    const qx::ClassInfo* panel = ClassRegistry::instance().find("ttestpanel");
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->inheritsFrom(*ClassRegistry::instance().find("TWinControl")));
    std::unique_ptr<TComponent> made(panel->create(nullptr));
    EXPECT_NE(dynamic_cast<TTestPanel*>(made.get()), nullptr);
}

TEST_F(RegistryTest, EveryPropertyOfAControlReadsBackWhatWasWritten)
{
    // Each readable leaf property of a fresh control, written with its own
    // value, reads back the same: getters and setters agree.
    TTestPanel parent(nullptr);
    TTestList list(nullptr);
    list.SetParent(&parent);
    const qx::ClassInfo* info = ClassRegistry::instance().classOf(list);
    for (const qx::PropertyInfo* p : info->properties())
        if (p->get && p->defaultValue) {
            EXPECT_EQ(p->get(list), *p->defaultValue) << p->name << ": a new control has the default value";
        }
    for (const qx::PropertyInfo* p : info->properties()) {
        if (!p->get || !p->set || p->type == PropertyType::Event)
            continue;
        SCOPED_TRACE(p->name);
        const PropertyValue before = p->get(list);
        p->set(list, before);
        EXPECT_EQ(p->get(list), before);
    }
}

TEST_F(RegistryTest, ValuesPrintAsALayoutWritesThem)
{
    EXPECT_EQ(qx::toText(true), "True");
    EXPECT_EQ(qx::toText(std::int64_t{-11}), "-11");
    EXPECT_EQ(qx::toText(2.0), "2.0");
    EXPECT_EQ(qx::toText(std::string("say \"hi\"")), "\"say \\\"hi\\\"\"");
    EXPECT_EQ(qx::toText(qx::IdentSet{{"akLeft", "akTop"}}), "[akLeft, akTop]");
    EXPECT_EQ(qx::toText(qx::StringLines{{"a", "b"}}), "(\"a\", \"b\")");
}

TEST_F(RegistryTest, TabOrderFromALayoutIsAppliedOnceEveryControlIsThere)
{
    TTestForm form(nullptr);
    const std::string text = "object fmTest: TTestForm\n"
                             "  object pnlTop: TTestPanel\n    TabOrder = 2\n  end\n"
                             "  object btnOK: TTestButton\n    TabOrder = 0\n  end\n"
                             "  object pnlB: TTestPanel\n    TabOrder = 1\n  end\n"
                             "end\n";
    qx::loadLayoutText(form, text, "Tabs.layout");
    EXPECT_EQ(form.btnOK->TabOrder(), 0);
    EXPECT_EQ(qx::findComponent<TWinControl>(form, "pnlB")->TabOrder(), 1);
    EXPECT_EQ(form.pnlTop->TabOrder(), 2);
}

} // namespace
