#include "TestControls.h"

#include "platform/gui/LayoutLoader.h"
#include "platform/gui/LayoutWriter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TTestColumn& column(TTestList& list, int index) { return static_cast<TTestColumn&>(*list.Columns()->Items(index)); }

/// A list with every kind of property the writer handles set away from its default.
void fill(TTestList& list)
{
    list.SetName("lstData");
    list.SetBounds(4, 5, 120, 80);
    list.SetCaption("quote \" back \\ tab \t cr \r lf \n bell \x07 end");
    list.SetAnchors({akLeft, akBottom});
    list.SetColor(0x123456);
    list.Items()->SetLines({"one", "", "three \"3\""});
    list.Columns()->Clear();
    for (const auto& [width, title] : {std::pair{64, "default width"}, std::pair{9, ""}}) {
        auto& c = static_cast<TTestColumn&>(*list.Columns()->Add());
        c.SetWidth(width);
        c.SetTitle(title);
    }
    list.SetPicture("logo.png");
    list.SetBuddy(&list);
    list.SetCount(5);
    std::vector<std::uint8_t> bytes(300);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7);
    list.SetData(bytes);
}

void expectSame(TTestList& read, TTestList& written)
{
    EXPECT_EQ(read.Name(), written.Name());
    EXPECT_EQ(read.BoundsRect(), written.BoundsRect());
    EXPECT_EQ(read.Caption(), written.Caption());
    EXPECT_EQ(read.Anchors(), written.Anchors());
    EXPECT_EQ(read.Color(), written.Color());
    EXPECT_EQ(read.Items()->Lines(), written.Items()->Lines());
    ASSERT_EQ(read.Columns()->Count(), written.Columns()->Count());
    for (int i = 0; i < read.Columns()->Count(); ++i) {
        EXPECT_EQ(column(read, i).Width(), column(written, i).Width()) << i;
        EXPECT_EQ(column(read, i).Title(), column(written, i).Title()) << i;
    }
    EXPECT_EQ(read.Picture(), written.Picture());
    EXPECT_EQ(read.Buddy(), read.Buddy() ? &read : nullptr);
    EXPECT_EQ(read.Count(), written.Count());
    EXPECT_EQ(read.Data(), written.Data());
}

TEST(LayoutWriter, AComponentWrittenReadsBackTheSame)
{
    registerTestClasses();
    TTestList written(nullptr);
    fill(written);
    const std::string text = qx::writeLayoutText(written);

    TTestList read(nullptr);
    qx::readLayoutText(read, text, "list.layout");
    expectSame(read, written);
    EXPECT_EQ(read.Buddy(), &read) << "a reference to the written component names it";
    EXPECT_EQ(qx::writeLayoutText(read), text) << "written again, the text is the same";
}

TEST(LayoutWriter, WritesTheLayoutFormatWithDefaultsLeftOut)
{
    registerTestClasses();
    TTestList list(nullptr);
    fill(list);
    list.SetCount(0);
    list.SetData({0x00, 0xAB, 0x7F});
    const std::string text = qx::writeLayoutText(list);
    EXPECT_EQ(text.rfind("object lstData: TTestList\n", 0), 0u) << text;
    EXPECT_NE(text.find("\n  Left = 4\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n  Anchors = [akLeft, akBottom]\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n  Caption = \"quote \\\" back \\\\ tab \\t cr \\r lf \\n bell \\x07 end\"\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\n  Columns = <\n    item\n      Width = 64\n      Title = \"default width\"\n    end\n"
                        "    item\n      Width = 9\n      Title = \"\"\n    end\n  >\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\n  Buddy = lstData\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n  Data = \"00AB7F\"\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("Count"), std::string::npos) << "equal to its default";
    EXPECT_EQ(text.find("Visible"), std::string::npos) << "equal to its default";
    EXPECT_EQ(text.find("ClientWidth"), std::string::npos) << "not stored";
    EXPECT_EQ(text.find("OnClick"), std::string::npos) << "events have no name to write";

    list.SetData({});
    EXPECT_EQ(qx::writeLayoutText(list).find("\n  Data = "), std::string::npos) << "stored only when it holds bytes";
}

TEST(LayoutWriter, LongStringsGoInPiecesThatReadBackWhole)
{
    registerTestClasses();
    TTestList list(nullptr);
    fill(list);
    const std::string text = qx::writeLayoutText(list);
    const auto at = text.find("  Data = ");
    ASSERT_NE(at, std::string::npos);
    EXPECT_NE(text.find("\" +\n    \"", at), std::string::npos) << text;
    TTestList read(nullptr);
    qx::readLayoutText(read, text, "list.layout");
    EXPECT_EQ(read.Data(), list.Data());
}

TEST(LayoutWriter, AnUnnamedComponentIsWrittenWithoutAName)
{
    registerTestClasses();
    TTestList list(nullptr);
    list.SetCount(2);
    const std::string text = qx::writeLayoutText(list);
    EXPECT_EQ(text.rfind("object : TTestList\n", 0), 0u) << text;
    TTestList read(nullptr);
    qx::readLayoutText(read, text, "list.layout");
    EXPECT_EQ(read.Count(), 2);
    EXPECT_EQ(read.Name(), "");
    EXPECT_THROW(qx::parseLayout("object : TTestList\n  object : TTestPanel\n  end\nend\n", "x.layout"),
                 qx::LayoutError)
        << "only the top object goes without a name";
}

TEST(LayoutWriter, AReferenceOutsideTheWrittenComponentIsLeftOut)
{
    registerTestClasses();
    TTestForm form(nullptr);
    auto* other = new TTestButton(&form);
    other->SetName("btnOther");
    TTestList list(nullptr);
    list.SetBuddy(other);
    EXPECT_EQ(qx::writeLayoutText(list).find("Buddy"), std::string::npos);
}

TEST(LayoutWriter, AFailedReadLeavesTheComponentAsItWas)
{
    registerTestClasses();
    TTestList source(nullptr);
    fill(source);
    const std::string good = qx::writeLayoutText(source);
    const struct
    {
        const char* what;
        std::string text;
    } cases[] = {
        {"a bad value after good ones", good.substr(0, good.rfind("end")) + "  Count = \"many\"\nend\n"},
        {"an unknown property in an item", [&] {
             std::string t = good;
             t.insert(t.find("      Title = \"\""), "      Depth = 3\n");
             return t;
         }()},
        {"bytes that are no hexadecimal", [&] {
             std::string t = good;
             t.replace(t.find("Data = \"") + 8, 2, "zz");
             return t;
         }()},
        {"an odd number of digits", good.substr(0, good.rfind("end")) + "  Data = \"ABC\"\nend\n"},
        {"cut short", good.substr(0, good.size() / 2)},
    };
    for (const auto& c : cases) {
        TTestList target(nullptr);
        target.SetName("lstOld");
        target.SetCount(8);
        target.Items()->SetLines({"kept"});
        target.SetData({1, 2, 3});
        EXPECT_THROW(qx::readLayoutText(target, c.text, "bad.layout"), qx::LayoutError) << c.what;
        EXPECT_EQ(target.Name(), "lstOld") << c.what;
        EXPECT_EQ(target.Count(), 8) << c.what;
        EXPECT_EQ(target.Items()->Lines(), std::vector<std::string>{"kept"}) << c.what;
        EXPECT_EQ(target.Columns()->Count(), 0) << c.what;
        EXPECT_EQ(target.Data(), (std::vector<std::uint8_t>{1, 2, 3})) << c.what;
    }
}

} // namespace
