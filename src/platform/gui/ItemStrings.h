#pragma once

#include "platform/gui/Strings.h"

#include <functional>

namespace qx {

/// The items or lines of a control as a TStrings that writes through to the
/// control's widget, so the widget and the list never differ. Each control
/// gives the few operations on its widget.
class ItemStrings : public TStrings
{
public:
    struct Access
    {
        std::function<int()> count;
        std::function<std::string(int)> get;
        std::function<void(int, const std::string&)> insert;
        std::function<void(int)> remove;
        std::function<void()> clear;
        std::function<void(int, const std::string&)> put;
    };

    explicit ItemStrings(Access access) : access_(std::move(access)) {}

    int Count() const override { return access_.count(); }
    std::string Get(int Index) const override;
    void Put(int Index, const std::string& S) override;
    void Insert(int Index, const std::string& S) override;
    void Delete(int Index) override;
    void Clear() override;
    TObject* Objects(int Index) const override;
    void SetObject(int Index, TObject* Object) override;

private:
    void check(int Index, int limit) const;

    Access access_;
    std::vector<TObject*> objects_;
};

} // namespace qx
