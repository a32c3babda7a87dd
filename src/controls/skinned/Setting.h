#pragma once
// Published settings of the skinned controls come in large families of one-line accessors: a
// getter and a setter whose body is `write` (the new value is named Value).

// clang-format off
#define QX_SETTING(Type, Name, field, write)                                                       \
    Type Name() const { return field; }                                                            \
    void Set##Name(Type Value) { write; }
// clang-format on
