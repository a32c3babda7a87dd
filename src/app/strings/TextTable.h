#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qx {

// The user-visible texts of one language, keyed by string id.
//
// A table is a list of lines: comment lines begin with "//", every other line
// is an id line ("SID_" and upper-case words joined by "_") followed by the
// line that holds its text, used exactly as written (leading blanks included).
// An id may occur more than once; the first occurrence is the one found.
class TextTable {
public:
    struct Entry {
        std::string id;
        std::string text;
    };

    // Reads a table from its lines (LF or CR LF ends). Empty lines may only
    // close the table. Throws std::invalid_argument naming the first bad line.
    static TextTable Parse(std::string_view source);

    // The text of the first entry whose id equals `id` without regard to
    // ASCII letter case; the table's first line when no entry has that id.
    std::string_view Lookup(std::string_view id) const;
    // The first entry with that id (ASCII letter case ignored), or null.
    const Entry* Find(std::string_view id) const;

    // The first line of the table (a comment line in every real table).
    const std::string& FirstLine() const { return firstLine_; }
    // Entries in table order, repeated ids included.
    const std::vector<Entry>& Entries() const { return entries_; }
    std::size_t LineCount() const { return lineCount_; }
    std::size_t CommentCount() const { return commentCount_; }

private:
    std::string firstLine_;
    std::vector<Entry> entries_;
    std::size_t lineCount_ = 0;
    std::size_t commentCount_ = 0;
};

// True for a well-formed string id: "SID_" followed by upper-case words or
// numbers joined by single "_".
bool IsStringId(std::string_view line);

}  // namespace qx
