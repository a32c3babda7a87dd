#include "platform/gui/RichEdit.h"
#include "platform/gui/RtfReader.h"
#include "platform/gui/RtfWriter.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

/// The formatting the reader knows, of the character at a position, as one text.
std::string formatAt(QTextDocument& doc, int position)
{
    QTextCursor cursor(&doc);
    cursor.setPosition(position + 1);
    const QTextCharFormat f = cursor.charFormat();
    const QStringList families = f.fontFamilies().toStringList();
    return (families.isEmpty() ? std::string("-") : families.front().toStdString()) + " " +
           std::to_string(f.fontPointSize()) + (f.fontWeight() >= QFont::Bold ? " b" : "") +
           (f.fontItalic() ? " i" : "") + (f.fontUnderline() ? " ul" : "") + (f.fontStrikeOut() ? " s" : "") +
           (f.hasProperty(QTextFormat::ForegroundBrush) ? " fg" + f.foreground().color().name().toStdString() : "") +
           (f.hasProperty(QTextFormat::BackgroundBrush) ? " bg" + f.background().color().name().toStdString() : "");
}

TEST(RtfWriterTest, WhatItWritesReadsBackAsTheSameDocument)
{
    const char* documents[] = {
        "",
        "{\\rtf1\\ansi plain text}",
        "{\\rtf1\\ansi{\\colortbl;\\red255\\green0\\blue0;}\\fs32 {\\b\\cf1 Control} codes\\par}",
        "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}"
        "{\\colortbl;\\red0\\green0\\blue255;\\red255\\green255\\blue0;}"
        "\\pard\\qc\\b Title\\b0\\par\\pard\\qr\\f1\\i right\\i0\\par\\pard\\qj\\ul just\\ulnone\\strike ified\\par"
        "\\pard\\f0\\fs18 Caf\\'e9 {\\cf1\\highlight2 blue on yellow}\\line next\\tab tab \\u8364?\\par"
        "braces \\{ \\} and \\\\ back}",
    };
    for (const char* rtf : documents) {
        QTextDocument original;
        qx::RtfReader::read(rtf, original);
        const std::string written = qx::RtfWriter::write(original);
        EXPECT_TRUE(std::all_of(written.begin(), written.end(), [](char c) { return c > 0; }))
            << "ASCII only: " << written;
        QTextDocument copy;
        qx::RtfReader::read(written, copy);
        ASSERT_EQ(copy.toPlainText(), original.toPlainText()) << rtf << "\nwritten: " << written;
        ASSERT_EQ(copy.blockCount(), original.blockCount()) << rtf;
        for (QTextBlock a = original.begin(), b = copy.begin(); a.isValid(); a = a.next(), b = b.next())
            EXPECT_EQ(a.blockFormat().alignment(), b.blockFormat().alignment()) << a.text().toStdString();
        for (int i = 0; i < original.characterCount() - 1; ++i)
            EXPECT_EQ(formatAt(copy, i), formatAt(original, i)) << "character " << i << " of " << rtf;
    }
}

TEST(RichEditTest, SavesItsContentAsRichOrPlainText)
{
    TRichEdit edit(nullptr);
    edit.LoadFromStream("{\\rtf1\\ansi{\\b bold} text}");
    const std::string rtf = edit.SaveToStream();
    EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u) << rtf;
    EXPECT_NE(rtf.find("\\b bold"), std::string::npos) << rtf;
    edit.SetPlainText(true);
    EXPECT_EQ(edit.SaveToStream(), "bold text");
    edit.Clear();
    EXPECT_EQ(edit.CharCount(), 0);
}

} // namespace
