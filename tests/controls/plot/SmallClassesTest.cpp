// The small library classes: the text stream and its element reader, the per-column
// summary and the three-value list.

#include "RaisedText.h"
#include "controls/plot/base/iClasses.h"
#include "controls/plot/base/iComponent.h"
#include "controls/plot/base/iMemoryStream.h"

#include <gtest/gtest.h>

namespace {

using qx::test::raisedText;

TiXMLMemoryStream streamOf(const std::string& text)
{
    TiXMLMemoryStream s;
    s.SetBytes(std::vector<std::uint8_t>(text.begin(), text.end()));
    return s;
}

TEST(MemoryStream, WritesSingleByteTextUpTo255Characters)
{
    TiMemoryStream s;
    s.WriteString(std::string(255, 'a'));
    EXPECT_EQ(s.Size(), 255);
    EXPECT_EQ(raisedText([&] { s.WriteString(std::string(256, 'a')); }), "String Exceeds 255 Characters");
    TiMemoryStream t;
    t.WriteStringCRLF("caf\xC3\xA9");
    EXPECT_EQ(t.Bytes(), (std::vector<std::uint8_t>{'c', 'a', 'f', 0xE9, 13, 10}));
    t.SetPosition(3);
    EXPECT_EQ(t.ReadChar(), "\xC3\xA9");
    TiMemoryStream one;
    one.SetBytes({'x'});
    EXPECT_EQ(one.ReadChar(), "x");
    EXPECT_EQ(raisedText([&] { one.ReadChar(); }), "EOF");
}

TEST(XMLMemoryStream, ReadsWhatItWrites)
{
    TiXMLMemoryStream w;
    w.StartElement("Scheme");
    w.WriteElement("Name", "  Dark blue  ");
    w.EndElement("Scheme");
    TiXMLMemoryStream r = streamOf(std::string(w.Bytes().begin(), w.Bytes().end()));
    EXPECT_EQ(r.GetElement("Name"), "  Dark blue  ");

    struct Case { const char* text; std::vector<std::string> pieces; };
    const Case cases[] = {
        {"\r\n<Scheme>", {"Scheme"}},
        {"abc<x>", {"abc", "x"}},
        {"<Properties>\r\n</Properties>", {"Properties", "/Properties"}},
    };
    for (const Case& c : cases) {
        TiXMLMemoryStream s = streamOf(c.text);
        EXPECT_EQ(s.PeekNextPiece(), c.pieces[0]);
        for (const std::string& piece : c.pieces)
            EXPECT_EQ(s.GetNextPiece(), piece) << c.text;
    }
    TiXMLMemoryStream tags = streamOf("</Old><Item kind=\"a\">v</Item>");
    EXPECT_EQ(tags.GetNameElementStart(), "Item");
    EXPECT_EQ(tags.GetElementValue(), "v");
    EXPECT_EQ(tags.GetNameElementStop(), "Item");
    EXPECT_EQ(raisedText([&] { streamOf("x").GetNameElementStop(); }), "XML Parsing Error - \"<\" not Found");
    EXPECT_EQ(raisedText([&] { streamOf("<x>").GetNameElementStop(); }), "XML Parsing Error - \"/\" not Found");
    EXPECT_EQ(raisedText([&] { streamOf("<a>").GotoElementStart("b"); }), "EOF");
}

TEST(PlotMinMaxPoint, KeepsFirstLastAndExtremes)
{
    TiPlotMinMaxPoint p;
    p.AddData(1.0, 3, 7);
    p.AddData(1.1, -1, 8);
    p.AddData(1.2, 2, 9);
    EXPECT_FALSE(p.Empty);
    EXPECT_EQ(p.XPixels, 7);
    EXPECT_EQ(p.XValue, 1.0);
    EXPECT_EQ(p.YFirst, 3);
    EXPECT_EQ(p.YMax, 3);
    EXPECT_EQ(p.YMin, -1);
    EXPECT_EQ(p.YLast, 2);
    p.Clear();
    EXPECT_TRUE(p.Empty);
    EXPECT_EQ(p.YMax, -1e301);
}

TEST(LimitDataList, GrowsInTheLibrarysStepsAndChecksIndexes)
{
    TiLimitDataList list;
    std::vector<int> capacities;
    for (int i = 0; i < 100; ++i) {
        const int before = list.Capacity();
        EXPECT_EQ(list.Add(i, i * 2, i * 3), i);
        if (list.Capacity() != before)
            capacities.push_back(list.Capacity());
    }
    EXPECT_EQ(capacities, (std::vector<int>{4, 8, 12, 28, 44, 60, 76, 95, 118}));
    EXPECT_EQ(list.Item(99).Value3, 297);
    EXPECT_EQ(raisedText([&] { list.Item(100); }), "Index out of Bounds");
    EXPECT_EQ(raisedText([&] { list.Item(-1); }), "Index out of Bounds");
    EXPECT_EQ(raisedText([&] { list.SetCapacity(0x8000000); }), "Exceed Maximum List Size");
    list.SetCapacity(10);
    EXPECT_EQ(list.Count(), 10);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Capacity(), 0);
}

} // namespace
