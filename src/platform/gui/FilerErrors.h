#pragma once
// The class library's errors of reading component streams (layouts and the data they hold).

#include <stdexcept>

class EFilerError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

/// Data in a stream that cannot be read.
class EReadError : public EFilerError
{
public:
    using EFilerError::EFilerError;
};
