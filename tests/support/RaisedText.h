#pragma once
// The text of the exception a call raises, or "(nothing raised)", so a test
// can compare error texts in one expectation.

#include <exception>
#include <functional>
#include <string>

namespace qx::test {

inline std::string raisedText(const std::function<void()>& call)
{
    try {
        call();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "(nothing raised)";
}

} // namespace qx::test
