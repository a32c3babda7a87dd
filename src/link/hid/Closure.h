#pragma once

#include <utility>

namespace qx {

template <class Signature>
class Closure;

/// A method bound to an object, comparable with another: two closures are
/// equal when they call the same method of the same object. This is what
/// an event property holds, so that a setter can tell whether a handler is
/// the one it handed out before.
template <class R, class... Args>
class Closure<R(Args...)>
{
public:
    Closure() = default;

    /// Binds `Method` of `object`: `Closure<...>::bind<&T::Method>(this)`.
    template <auto Method, class T>
    static Closure bind(T* object)
    {
        Closure closure;
        closure.object_ = object;
        closure.thunk_ = [](void* o, Args... args) -> R {
            return (static_cast<T*>(o)->*Method)(std::forward<Args>(args)...);
        };
        return closure;
    }

    /// Calls a function object that outlives the closure.
    template <class F>
    static Closure of(F* callable)
    {
        Closure closure;
        closure.object_ = callable;
        closure.thunk_ = [](void* o, Args... args) -> R { return (*static_cast<F*>(o))(std::forward<Args>(args)...); };
        return closure;
    }

    explicit operator bool() const { return thunk_ != nullptr; }
    R operator()(Args... args) const { return thunk_(object_, std::forward<Args>(args)...); }

    friend bool operator==(const Closure& a, const Closure& b)
    {
        return a.object_ == b.object_ && a.thunk_ == b.thunk_;
    }

private:
    void* object_ = nullptr;
    R (*thunk_)(void*, Args...) = nullptr;
};

} // namespace qx
