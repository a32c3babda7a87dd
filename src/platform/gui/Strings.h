#pragma once

#include "platform/gui/Component.h"
#include "platform/gui/Events.h"

#include <string>
#include <string_view>
#include <vector>

/// An ordered list of strings, each with an optional object pointer. Controls
/// with lines or items (memo, combo box, list box) derive their own list that
/// keeps the widget in step; TStringList is the plain one.
class TStrings : public TPersistent
{
public:
    virtual int Count() const = 0;
    virtual std::string Get(int Index) const = 0;
    virtual void Put(int Index, const std::string& S);
    virtual void Insert(int Index, const std::string& S) = 0;
    virtual void Delete(int Index) = 0;
    virtual void Clear() = 0;
    virtual TObject* Objects(int Index) const;
    virtual void SetObject(int Index, TObject* Object);

    std::string Strings(int Index) const { return Get(Index); }
    int Add(const std::string& S);
    int AddObject(const std::string& S, TObject* Object);
    int IndexOf(std::string_view S) const;
    void Exchange(int Index1, int Index2);

    /// Lines joined with "\n"; SetText splits at "\n" or "\r\n".
    std::string Text() const;
    void SetText(std::string_view Value);

    std::vector<std::string> Lines() const;
    void SetLines(const std::vector<std::string>& Lines);

    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    bool Updating() const { return updateCount_ > 0; }

    void Assign(const TPersistent& Source) override;

    TNotifyEvent OnChange;

protected:
    /// Raises OnChange unless an update is in progress.
    void Changed();

private:
    int updateCount_ = 0;
    bool changedInUpdate_ = false;
};

class TStringList : public TStrings
{
public:
    int Count() const override { return static_cast<int>(items_.size()); }
    std::string Get(int Index) const override;
    void Put(int Index, const std::string& S) override;
    void Insert(int Index, const std::string& S) override;
    void Delete(int Index) override;
    void Clear() override;
    TObject* Objects(int Index) const override;
    void SetObject(int Index, TObject* Object) override;

private:
    struct Item
    {
        std::string text;
        TObject* object = nullptr;
    };
    const Item& at(int Index) const;
    std::vector<Item> items_;
};
