// The rich-text label renders its stored document; the high bytes of its characters are ignored.

#include "controls/skinned/RTFLabel.h"
#include "TempDir.h"
#include "platform/gui/Form.h"
#include "platform/gui/Printer.h"
#include "platform/gui/RichEdit.h"
#include "platform/gui/canvas/Bitmap.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

namespace {

constexpr const char* kDocument = R"({\rtf1\ansi{\fonttbl{\f0 Arial;}}{\colortbl;\red255\green0\blue0;})"
                                  R"(\f0\fs40 {\b\cf1 Bold red} plain\par second line\par})";

class RtfLabelTest : public ::testing::Test
{
protected:
    RtfLabelTest()
    {
        form = std::make_unique<TForm>(nullptr);
        label = new TRTFLabel(form.get());
        label->SetParent(form.get());
        label->SetBounds(0, 0, 300, 80);
        label->SetColor(clWhite);
    }
    TBitmap render()
    {
        TBitmap bitmap(300, 80);
        bitmap.Canvas().Brush().Color = clYellow;
        bitmap.Canvas().FillRect(Rect(0, 0, 300, 80));
        label->PaintTo(bitmap.Canvas());
        return bitmap;
    }
    static int count(TBitmap& b, bool (*pred)(TColor))
    {
        int n = 0;
        for (int y = 0; y < b.Height(); ++y)
            for (int x = 0; x < b.Width(); ++x)
                n += pred(b.Canvas().Pixel(x, y));
        return n;
    }
    static bool red(TColor c) { return GetRValue(c) > 180 && GetGValue(c) < 90 && GetBValue(c) < 90; }
    static bool dark(TColor c) { return GetRValue(c) < 90 && GetGValue(c) < 90 && GetBValue(c) < 90; }

    std::unique_ptr<TForm> form;
    TRTFLabel* label = nullptr;
};

TEST_F(RtfLabelTest, RendersTheDocumentWithItsColours)
{
    label->SetRichText(std::string(kDocument));
    TBitmap b = render();
    EXPECT_GT(count(b, red), 20) << "the red bold words";
    EXPECT_GT(count(b, dark), 20) << "the plain words";
    EXPECT_EQ(b.Canvas().Pixel(0, 0), clWhite) << "the label's colour behind the text";
}

TEST_F(RtfLabelTest, HighBytesOfTheCharactersAreIgnored)
{
    label->SetRichText(std::string(kDocument));
    TBitmap plain = render();
    std::u16string wide;
    for (const char c : std::string(kDocument))
        wide += static_cast<char16_t>(0x4100 | static_cast<unsigned char>(c));
    label->SetRichText(wide);
    EXPECT_EQ(label->RichText(), kDocument);
    TBitmap high = render();
    EXPECT_EQ(plain.Image(), high.Image());
}

TEST_F(RtfLabelTest, NoTextWhileUpdatingOrWithoutAParent)
{
    label->SetRichText(std::string(kDocument));
    label->BeginUpdate();
    label->BeginUpdate();
    label->EndUpdate();
    TBitmap b = render();
    EXPECT_EQ(count(b, red), 0) << "still updating";
    label->EndUpdate();
    b = render();
    EXPECT_GT(count(b, red), 0);
    label->EndUpdate();
    b = render();
    EXPECT_GT(count(b, red), 0) << "a third EndUpdate does nothing";
    label->SetParent(nullptr);
    b = render();
    EXPECT_EQ(count(b, red), 0) << "no parent, no text";
}

TEST_F(RtfLabelTest, ADocumentFilledInARichEditBecomesTheLabels)
{
    label->SetRichText(std::string(kDocument));
    const TBitmap expected = render();

    TRichEdit edit(nullptr);
    edit.LoadFromStream(kDocument);
    label->SetRichText(std::string());
    label->CopyFromRichEdit(edit);
    EXPECT_EQ(label->RichText().rfind("{\\rtf1", 0), 0u) << label->RichText();
    EXPECT_EQ(render().Image(), expected.Image()) << "copied from a rich edit";

    label->SetRichText(std::string());
    label->BeginUpdate();
    ASSERT_NE(label->RTF(), nullptr);
    label->RTF()->LoadFromStream(kDocument);
    label->EndUpdate();
    EXPECT_EQ(render().Image(), expected.Image()) << "filled through RTF inside an update";

    label->RTF()->LoadFromStream("{\\rtf1 other}");
    label->ShowRTF();
    EXPECT_NE(label->RichText().find("other"), std::string::npos);
    label->BeginUpdate();
    label->SetRichText(std::string(kDocument));
    label->EndUpdate();
    EXPECT_EQ(label->RichText(), kDocument) << "an update without RTF keeps the document set meanwhile";

    label->SetParent(nullptr);
    EXPECT_EQ(label->RTF(), nullptr);
    label->ShowRTF();
    EXPECT_EQ(label->RichText(), kDocument) << "no parent: ShowRTF does nothing";
}

TEST_F(RtfLabelTest, EmptyAndBrokenDocumentsRenderWithoutFailing)
{
    label->SetRichText(std::string());
    TBitmap b = render();
    EXPECT_EQ(count(b, dark), 0);
    label->SetRichText(std::string(R"({\rtf1 {\b unbalanced)"));
    EXPECT_NO_THROW(render());
}

TEST(RichTextTarget, TwipsOfThePixelRectangle)
{
    EXPECT_EQ(qx::richTextTargetTwips(Rect(0, 0, 630, 1400), 96, 96), Rect(15, 15, 9450, 21000));
    EXPECT_EQ(qx::richTextTargetTwips(Rect(0, 0, 630, 1400), 0, 0), Rect(15, 15, 9450, 21000))
        << "0 dpi counts as 96";
    // 1440 / 120 = 12 twips a pixel; (1 x 1440 / 120) = 12.
    EXPECT_EQ(qx::richTextTargetTwips(Rect(0, 0, 11, 11), 120, 120), Rect(12, 12, 132, 132));
}

} // namespace

namespace {

// Printing goes to the program's printer; here it writes a PDF file in the
// test's own folder, never to a printer or through a dialog.
class RtfLabelPrintTest : public RtfLabelTest
{
protected:
    RtfLabelPrintTest() { Printer()->SetOutputFileName(pdfPath); }
    ~RtfLabelPrintTest() override { Printer()->SetOutputFileName({}); }

    std::string printed() const
    {
        std::ifstream in(pdfPath, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static int pages(const std::string& pdf)
    {
        int n = 0;
        for (std::size_t at = pdf.find("/Type /Page"); at != std::string::npos; at = pdf.find("/Type /Page", at + 1))
            n += pdf.compare(at, 12, "/Type /Pages") != 0 ? 1 : 0;
        return n;
    }
    // The caption as the PDF's title carries it: UTF-16, high byte first.
    static std::string utf16Title(const std::string& caption)
    {
        std::string bytes;
        for (char c : caption) {
            bytes += '\0';
            bytes += c;
        }
        return bytes;
    }

    qx::test::TempDir dir;
    std::string pdfPath = (dir / "label.pdf").string();
};

TEST_F(RtfLabelPrintTest, TheDocumentIsPrintedAsAJobTitledByTheCaption)
{
    label->SetRichText(std::string(kDocument));
    label->Print("Control Codes");
    const std::string pdf = printed();
    ASSERT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_EQ(pages(pdf), 1);
    EXPECT_NE(pdf.find(utf16Title("Control Codes")), std::string::npos) << "the job's title";
    EXPECT_NE(pdf.find("/FontFile"), std::string::npos) << "text was written";
    EXPECT_FALSE(Printer()->Printing());
}

TEST_F(RtfLabelPrintTest, ALongDocumentGoesOnAsManyPagesAsItNeeds)
{
    std::string document = R"({\rtf1\ansi{\fonttbl{\f0 Arial;}}\f0\fs24 )";
    for (int i = 1; i <= 150; ++i)
        document += "Line " + std::to_string(i) + R"(\par )";
    label->SetRichText(document + "}");
    label->Print("Long");
    const int longPages = pages(printed());
    EXPECT_GE(longPages, 2);
    EXPECT_LE(longPages, 4) << "each page filled: 150 lines of 12 points";
}

TEST_F(RtfLabelPrintTest, WithoutAParentNothingIsPrinted)
{
    label->SetParent(nullptr);
    label->SetRichText(std::string(kDocument));
    label->Print("None");
    EXPECT_FALSE(std::filesystem::exists(pdfPath));
}

} // namespace
