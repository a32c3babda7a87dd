#include "platform/gui/Strings.h"

#include <stdexcept>

void TStrings::Put(int Index, const std::string& S)
{
    TObject* object = Objects(Index);
    BeginUpdate();
    Delete(Index);
    Insert(Index, S);
    SetObject(Index, object);
    EndUpdate();
}

TObject* TStrings::Objects(int) const { return nullptr; }
void TStrings::SetObject(int, TObject*) {}

int TStrings::Add(const std::string& S)
{
    const int index = Count();
    Insert(index, S);
    return index;
}

int TStrings::AddObject(const std::string& S, TObject* Object)
{
    const int index = Add(S);
    SetObject(index, Object);
    return index;
}

int TStrings::IndexOf(std::string_view S) const
{
    for (int i = 0; i < Count(); ++i)
        if (qx::sameText(Get(i), S))
            return i;
    return -1;
}

void TStrings::Exchange(int Index1, int Index2)
{
    const std::string s1 = Get(Index1), s2 = Get(Index2);
    TObject* o1 = Objects(Index1);
    TObject* o2 = Objects(Index2);
    BeginUpdate();
    Put(Index1, s2);
    SetObject(Index1, o2);
    Put(Index2, s1);
    SetObject(Index2, o1);
    EndUpdate();
}

std::string TStrings::Text() const
{
    std::string text;
    for (int i = 0; i < Count(); ++i) {
        text += Get(i);
        text += '\n';
    }
    return text;
}

void TStrings::SetText(std::string_view Value)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < Value.size()) {
        std::size_t end = Value.find('\n', start);
        if (end == std::string_view::npos)
            end = Value.size();
        std::string_view line = Value.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    SetLines(lines);
}

std::vector<std::string> TStrings::Lines() const
{
    std::vector<std::string> lines;
    for (int i = 0; i < Count(); ++i)
        lines.push_back(Get(i));
    return lines;
}

void TStrings::SetLines(const std::vector<std::string>& Lines)
{
    BeginUpdate();
    Clear();
    for (const auto& line : Lines)
        Add(line);
    EndUpdate();
}

void TStrings::EndUpdate()
{
    if (updateCount_ > 0 && --updateCount_ == 0 && changedInUpdate_) {
        changedInUpdate_ = false;
        qx::fire(OnChange, this);
    }
}

void TStrings::Changed()
{
    if (Updating())
        changedInUpdate_ = true;
    else
        qx::fire(OnChange, this);
}

void TStrings::Assign(const TPersistent& Source)
{
    if (const auto* other = dynamic_cast<const TStrings*>(&Source)) {
        BeginUpdate();
        Clear();
        for (int i = 0; i < other->Count(); ++i)
            AddObject(other->Get(i), other->Objects(i));
        EndUpdate();
        return;
    }
    TPersistent::Assign(Source);
}

const TStringList::Item& TStringList::at(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(Index) + ")");
    return items_[static_cast<std::size_t>(Index)];
}

std::string TStringList::Get(int Index) const { return at(Index).text; }

void TStringList::Put(int Index, const std::string& S)
{
    at(Index);
    items_[static_cast<std::size_t>(Index)].text = S;
    Changed();
}

void TStringList::Insert(int Index, const std::string& S)
{
    if (Index < 0 || Index > Count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(Index) + ")");
    items_.insert(items_.begin() + Index, Item{S, nullptr});
    Changed();
}

void TStringList::Delete(int Index)
{
    at(Index);
    items_.erase(items_.begin() + Index);
    Changed();
}

void TStringList::Clear()
{
    if (items_.empty())
        return;
    items_.clear();
    Changed();
}

TObject* TStringList::Objects(int Index) const { return at(Index).object; }

void TStringList::SetObject(int Index, TObject* Object)
{
    at(Index);
    items_[static_cast<std::size_t>(Index)].object = Object;
}
