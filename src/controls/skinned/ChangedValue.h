#pragma once

namespace qx {

// Stores value in field when it differs; true when it did.
template <class T> bool storeChanged(T& field, const T& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace qx
