// A plot written as a layout (its published properties, its image lists and its managers'
// collections) and read back.

#include "PlotControlSupport.h"

#include "controls/plot/objects/iPlotAnnotation.h"
#include "controls/plot/objects/iPlotLabel.h"
#include "controls/plot/objects/iPlotLimit.h"
#include "controls/plot/objects/iPlotTable.h"
#include "controls/plot/opc/iOPCItem.h"
#include "controls/plot/plot/iPlot.h"

#include "platform/gui/Form.h"
#include "platform/gui/ImageList.h"
#include "platform/gui/LayoutLoader.h"
#include "platform/gui/LayoutWriter.h"
#include "platform/gui/PropertyRegistry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

/// Every published value of an object, its sub-objects and its collections' items, one
/// "path = value" line each.
void snapshot(TPersistent& object, const std::string& prefix, std::vector<std::string>& out)
{
    const qx::ClassInfo* info = qx::ClassRegistry::instance().classOf(object);
    ASSERT_NE(info, nullptr) << prefix;
    out.push_back(prefix + "(class) = " + info->name());
    for (const qx::PropertyInfo* p : info->properties()) {
        const std::string path = prefix + p->name;
        switch (p->type) {
        case qx::PropertyType::Event:
            break;
        case qx::PropertyType::Object:
            if (TPersistent* sub = p->object(object))
                snapshot(*sub, path + ".", out);
            break;
        case qx::PropertyType::Collection: {
            int index = 0;
            const auto item = [&](TPersistent& i) { snapshot(i, path + "[" + std::to_string(index++) + "].", out); };
            TPersistent* items = p->object(object);
            if (auto* owned = dynamic_cast<TOwnedItemsReader*>(items))
                owned->ForEachItem(item);
            else if (auto* list = dynamic_cast<TCollection*>(items))
                for (int i = 0; i < list->Count(); ++i)
                    item(*list->Items(i));
            out.push_back(path + ".Count = " + std::to_string(index));
            break;
        }
        case qx::PropertyType::Component: {
            TComponent* c = p->getComponent(object);
            out.push_back(path + " = " + (c ? c->Name() : "nil"));
            break;
        }
        default:
            if (p->get)
                out.push_back(path + " = " + qx::toText(p->get(object)));
        }
    }
}

std::vector<std::string> snapshot(TiPlotComponent& plot)
{
    std::vector<std::string> out;
    snapshot(plot, "", out);
    for (int i = 0; i < plot.TranslationCount(); ++i)
        out.push_back("Translation" + std::to_string(i) + " = " + plot.GetTranslationOriginalString(i) + " -> " +
                      plot.GetTranslationReplacementString(i));
    return out;
}

/// Lines of a that b lacks and the other way round, for a readable failure.
std::string difference(const std::vector<std::string>& a, const std::vector<std::string>& b)
{
    std::string out;
    for (const auto& line : a)
        if (std::find(b.begin(), b.end(), line) == b.end())
            out += "  - " + line + "\n";
    for (const auto& line : b)
        if (std::find(a.begin(), a.end(), line) == a.end())
            out += "  + " + line + "\n";
    return out;
}

TBitmap picture(int w, int h, TColor colour)
{
    TBitmap b(w, h);
    b.Canvas().Brush().Color = colour;
    b.Canvas().FillRect({0, 0, w, h});
    b.Canvas().SetPixel(0, h - 1, clFuchsia);
    b.Canvas().SetPixel(w / 2, h / 2, clWhite);
    return b;
}

/// A plot holding every object kind the stream stores, each changed from its defaults,
/// with pictures in two image lists, translation pairs and an OPC item.
template <class Plot>
std::unique_ptr<Plot> everyKind()
{
    auto plot = std::make_unique<Plot>(nullptr);
    plot->SetName("ipEvery");
    plot->SetBounds(3, 4, 420, 260);
    plot->SetOuterMarginTop(12);
    plot->SetBackGroundColor(clNavy);
    plot->SetHintsPause(321);
    plot->SetTitleText("Stream\r\ntitle");
    plot->AddChannel();
    plot->Channel(1).SetColor(8421631);
    plot->Channel(1).SetTitleText("two \"quoted\"\tparts");
    plot->Channel(0).AddXY(1, 2);
    plot->XAxis(0).SetMinSpan(-50, 70);
    plot->AddXAxis();
    plot->XAxis(1).SetTitle("Second X");
    plot->AddYAxis();
    plot->YAxis(1).SetMinSpan(3, 4.25);
    plot->ToolBar(0).SetShowZoomInOutButtons(false);
    plot->AddToolBar();
    plot->Legend(0).SetRowSpacing(1.75);
    plot->AddLegend();
    plot->AddTable();
    plot->AddLabel();
    plot->Label(1).SetCaption("Second");
    plot->Label(1).SetImageListIndex(2);
    plot->DataView(0).SetBackgroundColor(clTeal);
    plot->AddDataView();
    plot->AddDataCursor();
    plot->DataCursor(1).SetColor(clLime);
    plot->AddLimit();
    plot->Limit(0).SetLineWidth(3);
    plot->Limit(0).SetLine1Position(12.5);
    plot->AddAnnotation();
    plot->AddTranslation("Close", "Zu");
    plot->AddTranslation("Open", "Auf");
    plot->AddTranslation("Close", "Schliessen");
    plot->ImageListAdd(0, picture(10, 8, clRed));
    plot->ImageListAdd(0, picture(10, 8, clBlue));
    plot->ImageListAdd(2, picture(6, 6, clYellow));
    TiOPCItem& item = plot->OPCItems().Item(plot->OPCItems().Add());
    item.SetPropertyName("Channel0.Color");
    item.SetItemName("Tag.One");
    item.SetUpdateRate(250);
    return plot;
}

std::vector<QImage> pictures(TiPlotComponent& plot, int list)
{
    std::vector<QImage> out;
    TImageList* images = plot.PlotImageList(list);
    for (int i = 0; i < images->Count(); ++i) {
        TBitmap b(images->Width() + 2, images->Height() + 2);
        images->Draw(b.Canvas(), 1, 1, i);
        out.push_back(b.Image().copy());
    }
    return out;
}

/// Writes source, reads it into a new plot of its class and expects every published value
/// the same, and the same text when the read plot is written; returns the read plot.
template <class Plot>
std::unique_ptr<Plot> readBack(Plot& source)
{
    const std::string text = qx::writeLayoutText(source);
    auto target = std::make_unique<Plot>(nullptr);
    qx::readLayoutText(*target, text, "plot.layout");
    const auto written = snapshot(source);
    const auto read = snapshot(*target);
    EXPECT_EQ(read, written) << difference(written, read);
    EXPECT_EQ(qx::writeLayoutText(*target), text) << "written again, the text is the same";
    return target;
}

template <class Plot>
void expectRoundTrip()
{
    auto source = everyKind<Plot>();
    auto target = readBack(*source);
    for (int list = 0; list < 3; ++list)
        EXPECT_EQ(pictures(*target, list), pictures(*source, list)) << list;
    EXPECT_EQ(target->TranslateText("Close"), "Schliessen") << "the newest pair still wins";
    EXPECT_EQ(target->AnnotationCount(), 0) << "annotations have their own file";
    EXPECT_EQ(target->Channel(0).Count(), 0) << "points are data, not properties";
    EXPECT_TRUE(target->LayoutManager().Enabled());
    EXPECT_FALSE(target->GetUpdateActive());
}

TEST(PlotStream, AnXYPlotWithEveryObjectKindReadsBackEqual) { expectRoundTrip<TiXYPlot>(); }

TEST(PlotStream, AYTPlotWithEveryObjectKindReadsBackEqual) { expectRoundTrip<TiPlot>(); }

/// Sets every published leaf value of an object, its sub-objects and its collections' items
/// that differs from its declared default back to that default (where the setter takes it).
void declaredDefaults(TPersistent& object)
{
    const qx::ClassInfo* info = qx::ClassRegistry::instance().classOf(object);
    if (!info)
        return;
    for (const qx::PropertyInfo* p : info->properties()) {
        if (p->type == qx::PropertyType::Object) {
            if (TPersistent* sub = p->object(object))
                declaredDefaults(*sub);
        } else if (p->type == qx::PropertyType::Collection) {
            TPersistent* items = p->object(object);
            if (auto* owned = dynamic_cast<TOwnedItemsReader*>(items))
                owned->ForEachItem([](TPersistent& i) { declaredDefaults(i); });
        } else if (p->get && p->set && p->defaultValue && !(p->get(object) == *p->defaultValue)) {
            try {
                p->set(object, *p->defaultValue);
            } catch (const std::exception&) {
            }
        }
    }
}

template <class Plot>
void expectDeclaredDefaultsRoundTrip()
{
    auto source = everyKind<Plot>();
    declaredDefaults(*source);
    // Values whose constructors differ from the declared default, among others.
    EXPECT_FALSE(source->ToolBar(0).Horizontal());
    EXPECT_FALSE(source->AutoFrameRate());
    EXPECT_FALSE(source->XAxis(0).Horizontal()) << "the insertion would make it horizontal";
    // Toolbar 0 and the title label now share a layer; in one place the reader would move
    // the toolbar above (older streams), beside each other both keep their place.
    source->ToolBar(0).SetStartStopPercent(0, 50);
    source->Label(0).SetStartStopPercent(50, 100);
    readBack(*source);
}

TEST(PlotStream, AnXYPlotWithDeclaredDefaultsTheConstructorsDoNotSetReadsBackEqual)
{
    expectDeclaredDefaultsRoundTrip<TiXYPlot>();
}

TEST(PlotStream, AYTPlotWithDeclaredDefaultsTheConstructorsDoNotSetReadsBackEqual)
{
    expectDeclaredDefaultsRoundTrip<TiPlot>();
}

/// Values a constructor, or the reading of another value, sets otherwise than the declared
/// default: each set to the declared default and to another value reads back as it was.
template <class Plot>
void expectValuesAwayFromTheConstructorsReadBack()
{
    using Object = std::function<TPersistent&(TiPlotComponent&)>;
    const Object plot = [](TiPlotComponent& p) -> TPersistent& { return p; };
    const struct
    {
        const char* what;
        Object object;
        const char* property;
        qx::PropertyValue declared; // monostate: none declared
        qx::PropertyValue declaredOrFirst;
        qx::PropertyValue other;
        std::function<void(TiPlotComponent&)> prepare;
    } rows[] = {
        {"toolbar", [](TiPlotComponent& p) -> TPersistent& { return p.ToolBar(0); }, "Horizontal", false, false, true,
         {}},
        {"label", [](TiPlotComponent& p) -> TPersistent& { return p.Label(0); }, "Horizontal", false, false, true, {}},
        {"X axis", [](TiPlotComponent& p) -> TPersistent& { return p.XAxis(0); }, "Horizontal", false, false, true,
         {}},
        {"Y axis", [](TiPlotComponent& p) -> TPersistent& { return p.YAxis(0); }, "TrackingAlignFirstStyle",
         qx::Ident{"ipafsMin"}, qx::Ident{"ipafsMin"}, qx::Ident{"ipafsMax"}, {}},
        {"plot", plot, "AutoFrameRate", false, false, true, {}},
        {"data cursor", [](TiPlotComponent& p) -> TPersistent& { return p.DataCursor(0); }, "Visible", true, true,
         false, {}},
        {"plot showing hints (setting ShowHint clears it)", plot, "ParentShowHint", true, true, false,
         [](TiPlotComponent& p) { p.SetShowHint(true); }},
        {"plot", plot, "DataViewZHorz", {}, std::int64_t{0}, std::int64_t{3}, {}},
        {"toolbar beside the title label", [](TiPlotComponent& p) -> TPersistent& { return p.ToolBar(0); },
         "ZOrder", std::int64_t{0}, std::int64_t{0}, std::int64_t{2},
         [](TiPlotComponent& p) {
             p.ToolBar(0).SetStartStopPercent(0, 50);
             p.Label(0).SetStartStopPercent(50, 100);
         }},
    };
    for (const auto& row : rows)
        for (const qx::PropertyValue& value : {row.declaredOrFirst, row.other}) {
            const std::string what = std::string(row.what) + " " + row.property + " = " + qx::toText(value);
            SCOPED_TRACE(what);
            auto source = std::make_unique<Plot>(nullptr);
            if (row.prepare)
                row.prepare(*source);
            TPersistent& object = row.object(*source);
            const qx::PropertyInfo* p = qx::ClassRegistry::instance().classOf(object)->findProperty(row.property);
            ASSERT_NE(p, nullptr);
            if (std::holds_alternative<std::monostate>(row.declared))
                EXPECT_FALSE(p->defaultValue.has_value());
            else
                EXPECT_EQ(p->defaultValue, std::optional<qx::PropertyValue>(row.declared));
            p->set(object, value);
            ASSERT_EQ(p->get(object), value);
            auto target = readBack(*source);
            EXPECT_EQ(p->get(row.object(*target)), value);
        }
}

TEST(PlotStream, AnXYPlotsValuesAwayFromTheConstructorsReadBack)
{
    expectValuesAwayFromTheConstructorsReadBack<TiXYPlot>();
}

TEST(PlotStream, AYTPlotsValuesAwayFromTheConstructorsReadBack) { expectValuesAwayFromTheConstructorsReadBack<TiPlot>(); }

TEST(PlotStream, TheStreamHoldsTheImageListsAndTheStoredManagersInOrder)
{
    auto plot = everyKind<TiXYPlot>();
    const std::string text = qx::writeLayoutText(*plot);
    std::vector<std::size_t> at;
    for (const char* name : {"ImageList0 = \"494C0100", "ToolBarManager = <", "LegendManager = <", "TableManager = <",
                             "XAxisManager = <", "YAxisManager = <", "ChannelManager = <", "DataViewManager = <",
                             "DataCursorManager = <", "LimitManager = <", "LabelManager = <", "TranslationManager = <"}) {
        at.push_back(text.find(std::string("\n  ") + name));
        EXPECT_NE(at.back(), std::string::npos) << name << "\n" << text;
    }
    EXPECT_TRUE(std::is_sorted(at.begin(), at.end())) << text;
    EXPECT_EQ(text.find("ImageList1"), std::string::npos) << "an empty image list is not stored";
    EXPECT_NE(text.find("\n  ImageList2 = "), std::string::npos);
    EXPECT_NE(text.find("\n  OPCItems = <"), std::string::npos);
    EXPECT_EQ(text.find("Annotation"), text.find("AnnotationDefault")) << "no annotation objects";

    // A kind the plot's class does not make is left out when empty; a kind it makes is
    // written empty, so that it reads back empty.
    TiXYPlot bare(nullptr);
    bare.RemoveAllChannels();
    const std::string bareText = qx::writeLayoutText(bare);
    EXPECT_EQ(bareText.find("TableManager"), std::string::npos);
    EXPECT_EQ(bareText.find("LimitManager"), std::string::npos);
    EXPECT_EQ(bareText.find("TranslationManager"), std::string::npos);
    EXPECT_EQ(bareText.find("OPCItems"), std::string::npos);
    EXPECT_NE(bareText.find("\n  ChannelManager = <\n  >\n"), std::string::npos) << bareText;
    TiXYPlot read(nullptr);
    qx::readLayoutText(read, bareText, "bare.layout");
    EXPECT_EQ(read.ChannelCount(), 0);
    EXPECT_EQ(read.XAxisCount(), 1);
}

TEST(PlotStream, APlotWrittenIntoAFormLayoutLoadsWithTheForm)
{
    auto source = everyKind<TiXYPlot>();
    std::string body;
    const std::string text = qx::writeLayoutText(*source);
    for (std::size_t from = 0; from < text.size();) {
        const std::size_t end = text.find('\n', from) + 1;
        body += "  " + text.substr(from, end - from);
        from = end;
    }
    TForm form(nullptr);
    qx::loadLayoutText(form, "object fmPlot: TForm\n" + body + "end\n", "form.layout");
    auto* plot = qx::findComponent<TiXYPlot>(form, "ipEvery");
    ASSERT_NE(plot, nullptr);
    // The tab order counts among the form's controls; the written plot had no parent.
    const auto placed = [](std::vector<std::string> lines) {
        std::erase_if(lines, [](const std::string& line) { return line.rfind("TabOrder = ", 0) == 0; });
        return lines;
    };
    const auto written = placed(snapshot(*source));
    const auto read = placed(snapshot(*plot));
    EXPECT_EQ(read, written) << difference(written, read);
}

TEST(PlotStream, AHostileStreamIsRefusedWithThePlotAsItWas)
{
    auto source = everyKind<TiXYPlot>();
    const std::string good = qx::writeLayoutText(*source);
    const auto replaced = [&](const std::string& what, const std::string& with) {
        std::string t = good;
        const auto at = t.find(what);
        EXPECT_NE(at, std::string::npos) << what;
        return at == std::string::npos ? t : t.replace(at, what.size(), with);
    };
    const auto imageList = [](const std::string& hex) { return "  ImageList1 = \"" + hex + "\"\n  ToolBarManager = <"; };
    const struct
    {
        const char* what;
        std::string text;
        const char* error;
    } cases[] = {
        {"cut in the middle", good.substr(0, good.size() / 2), "bad.layout:"},
        {"an image list that is no hexadecimal", replaced("  ToolBarManager = <", imageList("494C01zz")),
         "no hexadecimal byte"},
        {"an image list cut short", replaced("  ToolBarManager = <", imageList("494C0100")),
         "Failed to read ImageList data from stream"},
        {"an image list with a huge count",
         replaced("  ToolBarManager = <", imageList("494C010008000000080000" "00FFFFFFFF")),
         "Failed to read ImageList data from stream"},
        {"an unknown property in the second channel",
         replaced("      TitleText = \"two", "      Thickness = 3\n      TitleText = \"two"), "no property Thickness"},
        {"a bad value in the last collection",
         replaced("      OriginalString = \"Open\"", "      OriginalString = 7"), "a string expected"},
        {"an object inside an item", replaced("      Caption = \"Second\"", "      object x: TForm\n      end"),
         "a collection item holds no objects"},
        {"a stream of another class", replaced("object ipEvery: TiXYPlot", "object ipEvery: TForm"),
         "the layout is for a TForm"},
    };
    for (const auto& c : cases) {
        auto plot = qx::test::makeTransferPlot();
        plot->SetName("ipKept");
        plot->ImageListAdd(1, picture(4, 4, clGreen));
        plot->AddTranslation("Kept", "Yes");
        const auto before = snapshot(*plot);
        const auto beforePictures = pictures(*plot, 1);
        try {
            qx::readLayoutText(*plot, c.text, "bad.layout");
            ADD_FAILURE() << c.what << ": read";
        } catch (const qx::LayoutError& e) {
            EXPECT_NE(std::string(e.what()).find(c.error), std::string::npos) << c.what << ": " << e.what();
        }
        const auto after = snapshot(*plot);
        EXPECT_EQ(after, before) << c.what << "\n" << difference(before, after);
        EXPECT_EQ(pictures(*plot, 1), beforePictures) << c.what;
        EXPECT_TRUE(plot->LayoutManager().Enabled()) << c.what;
        EXPECT_FALSE(plot->GetUpdateActive()) << c.what;
    }
}

} // namespace
