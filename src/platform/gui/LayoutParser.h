#pragma once

#include "platform/gui/PropertyRegistry.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace qx {

/// A layout that cannot be read or applied; the message begins with the
/// file name and line ("FMain.layout:12: ...").
class LayoutError : public std::runtime_error
{
public:
    LayoutError(const std::string& file, int line, const std::string& message);
    const std::string& file() const { return file_; }
    int line() const { return line_; }

private:
    std::string file_;
    int line_;
};

struct LayoutObject;

/// One "Name = value" line; a collection value holds its items.
struct LayoutProperty
{
    std::string name;
    PropertyValue value;
    bool isCollection = false;
    std::vector<LayoutObject> items;
    int line = 0;
};

/// "object Name: Class" with its properties and nested objects; a collection
/// item has neither name nor class.
struct LayoutObject
{
    std::string name;
    std::string className;
    std::vector<LayoutProperty> properties;
    std::vector<LayoutObject> children;
    int line = 0;
};

/// Reads the text of a layout. The format:
///
///     # a comment
///     object fmAbout: TfmAbout
///       Caption = "About"              strings in double quotes, \" \\ \n \t \xHH escapes,
///       Width = 400                    "a" + "b" joins pieces
///       Font.Height = -11              dotted paths reach sub-objects
///       Color = clBtnFace              names: enumerators, colours, handlers, components
///       Anchors = [akLeft, akTop]      sets
///       Visible = False                True / False
///       Lines = ("one", "two")         string lists
///       Columns = <                    collections
///         item
///           Width = 40
///         end
///       >
///       OnShow = FormShow              a handler: a method of the form, by name
///       object btnOK: TButton          nested controls and components
///         Caption = "OK"
///       end
///     end
///
/// The top object may go without a name ("object : TfmAbout").
/// Throws LayoutError.
LayoutObject parseLayout(std::string_view text, const std::string& file);

} // namespace qx
