#pragma once
// Property text: one line per published property, "path = value", the form of the plot
// library's property files. Integer-like values (Booleans, enumerations, sets, colours) are
// written as decimal numbers, floats in the C notation, strings with "#13" and "#10" for
// line breaks; object properties are written through their own properties with the dotted
// path. Lines are UTF-8 and never cut.

#include "controls/plot/base/iComponent.h"

#include <string>
#include <string_view>
#include <vector>

class TPersistent;

namespace qx::plot {

/// The text without the blanks and control characters at either end.
std::string Trim(std::string_view Text);
/// The text with the ASCII letters in upper case.
std::string UpperCase(std::string Text);

/// Splits text at the first separator into trimmed name and value; false (both empty)
/// when the separator is missing.
bool SplitNameValue(std::string_view Text, char Separator, std::string& Name, std::string& Value);

/// Finds the first line whose name equals Name (any case), returns its value and deletes
/// the line.
bool TakeValueByName(const std::string& Name, std::string& Value, std::vector<std::string>& Lines);

/// Appends the lines of Instance's stored published properties. Paths in Exclude (any
/// case) are left out; with SkipDefaults integer-like values equal to their default too.
void SavePropertiesAsText(TPersistent& Instance, const std::string& Prefix, std::vector<std::string>& Lines,
                          const std::vector<std::string>* Exclude, bool SkipDefaults);

/// Applies the lines from the front, deleting each one applied; with a prefix it stops at
/// the first line of another prefix. A malformed number throws EConvertError and leaves
/// that line and the ones after it in the list.
void LoadPropertiesFromText(TPersistent& Instance, const std::string& Prefix, std::vector<std::string>& Lines);

/// Sets one property from its text by dotted path; names that match no property are ignored.
void SetPropertyFromText(TPersistent& Instance, std::string_view Path, const std::string& Value);

/// Sets the properties of the lines "path = value", all or none: every value is read
/// before the first is set (a malformed number throws EConvertError), and when a setter
/// refuses its value the ones set before it get back what they held. Names that match no
/// property are ignored.
void SetPropertiesFromLines(TPersistent& Instance, const std::vector<std::string>& Lines);

/// The kind of the property at Path (any case); tkUnknown for no property and for
/// object-valued properties.
TTypeKind PropertyTypeOf(TPersistent& Instance, std::string_view Path);

/// The object held by the published object property Name, nullptr when there is none.
TPersistent* ClassPropertyObject(TPersistent& Instance, std::string_view Name);

/// Writes the lines with CR LF ends; throws EiPlotError when the file cannot be written.
void SaveLinesToFile(const std::string& FileName, const std::vector<std::string>& Lines);

/// The lines of a text file, CR LF or LF ends, the CR dropped; throws EiPlotError when the
/// file cannot be opened.
std::vector<std::string> LoadLinesFromFile(const std::string& FileName);

/// A text line of a property file as read: UTF-8 kept, older single-byte (Windows-1252)
/// lines converted.
std::string PropertyLineFromFile(const std::string& Line);

/// The lines of a property file, each through PropertyLineFromFile.
std::vector<std::string> LoadPropertyLinesFromFile(const std::string& FileName);

} // namespace qx::plot
