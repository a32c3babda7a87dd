#pragma once

#include <stdexcept>
#include <string>

// The class library's conversion error: a text that is not a number, or a
// format that does not fit its arguments. Its message is shown to the user
// as it stands.
class EConvertError : public std::runtime_error {
public:
    explicit EConvertError(const std::string& message) : std::runtime_error(message) {}
};
