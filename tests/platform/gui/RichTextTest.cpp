#include "platform/gui/RichEdit.h"
#include "platform/gui/RtfReader.h"
#include "platform/gui/canvas/Canvas.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QWidget>
#include <QImage>

#include <gtest/gtest.h>

namespace {

QTextCharFormat formatAt(const QTextDocument& doc, int position)
{
    QTextCursor cursor(const_cast<QTextDocument*>(&doc));
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

TEST(RtfReaderTest, ReadsParagraphsFormatsColoursAndCodePageBytes)
{
    const char* rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\fnil\\fcharset134 SimSun;}}"
        "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
        "{\\*\\generator Some Writer;}\\viewkind4\\uc1"
        "\\pard\\qc\\b Title\\b0\\par"
        "\\pard Caf\\'e9 \\cf1 red\\cf0  \\i it\\i0\\line x\\u8364?\\par"
        "\\f1 \\'d6\\'d0\\f0\\par}";
    QTextDocument doc;
    qx::RtfReader::read(rtf, doc);

    ASSERT_EQ(doc.blockCount(), 4);
    const QTextBlock title = doc.firstBlock();
    EXPECT_EQ(title.text(), "Title");
    EXPECT_EQ(title.blockFormat().alignment(), Qt::AlignHCenter);
    EXPECT_EQ(formatAt(doc, 0).fontWeight(), QFont::Bold);

    const QTextBlock second = title.next();
    EXPECT_EQ(second.text(), QString::fromUtf8("Caf\xC3\xA9 red it\xE2\x80\xA8x\xE2\x82\xAC"));
    EXPECT_EQ(second.blockFormat().alignment(), Qt::AlignLeft) << "\\pard resets the alignment";
    const int red = second.position() + second.text().indexOf("red");
    EXPECT_EQ(formatAt(doc, red).foreground().color(), QColor(255, 0, 0));
    EXPECT_NE(formatAt(doc, red).fontWeight(), QFont::Bold);
    EXPECT_TRUE(formatAt(doc, second.position() + second.text().indexOf("it")).fontItalic());

    EXPECT_EQ(second.next().text(), QString::fromUtf8("\xE4\xB8\xAD")) << "bytes of a GB2312 font";
    EXPECT_EQ(doc.toPlainText().indexOf("Some Writer"), -1) << "skipped destination";
}

TEST(RtfReaderTest, SurvivesMalformedDocuments)
{
    for (const char* rtf : {"", "{", "}", "{\\rtf1 abc", "{\\rtf1 \\'", "{\\rtf1 \\'4", "{\\rtf1 \\u",
                            "{\\rtf1 \\fs-", "{\\rtf1 \\cf99 x}", "{\\rtf1 \\fs99999999999999 x}", "plain text",
                            "{\\rtf1 {\\colortbl\\red300;}\\cf1 y}"}) {
        QTextDocument doc;
        qx::RtfReader::read(rtf, doc);
        SUCCEED() << rtf;
    }
    QTextDocument doc;
    qx::RtfReader::read("{\\rtf1 \\cf99 x}", doc);
    EXPECT_EQ(doc.toPlainText(), "x");
}

} // namespace

namespace {

int inkedPixelsOutside(const QImage& image, const QRect& inside)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255) && !inside.contains(x, y))
                ++count;
    return count;
}

int inkedPixels(const QImage& image) { return inkedPixelsOutside(image, QRect()); }

TEST(RichEditTest, RendersARangeIntoATwipsRectangleAndTellsWhereItStopped)
{
    TRichEdit edit(nullptr);
    edit.LoadFromStream("{\\rtf1 \\fs24 First line\\par Second line\\par Third line\\par}");
    const int count = edit.CharCount();
    EXPECT_EQ(edit.PlainTextContent(), "First line\nSecond line\nThird line\n");

    QImage image(400, 300, QImage::Format_RGB32);
    struct Case { TRect twips; bool allFit; };
    // 1440 twips per inch at 96 pixels per inch: 15 twips per pixel.
    const Case cases[] = {{{15 * 20, 15 * 10, 15 * 320, 15 * 210}, true}, {{15 * 20, 15 * 10, 15 * 320, 15 * 40}, false}};
    for (const Case& c : cases) {
        image.fill(Qt::white);
        TCanvas canvas(&image);
        const int next = edit.FormatRange(canvas, c.twips);
        canvas.Detach();
        const QRect target(c.twips.Left / 15, c.twips.Top / 15, c.twips.Width() / 15, c.twips.Height() / 15);
        EXPECT_EQ(inkedPixelsOutside(image, target), 0) << "nothing drawn outside the rectangle";
        EXPECT_GT(inkedPixels(image), 0) << "the text is drawn";
        if (c.allFit)
            EXPECT_EQ(next, count);
        else
            EXPECT_TRUE(next > 0 && next < count) << next;
    }
    TCanvas canvas(&image);
    EXPECT_EQ(edit.FormatRange(canvas, {0, 0, 0, 0}), 0) << "an empty rectangle draws nothing";
    canvas.Detach();

    edit.SetBackgroundColor(clRed);
    EXPECT_EQ(edit.Widget()->palette().color(QPalette::Base), QColor(Qt::red));
}

} // namespace
