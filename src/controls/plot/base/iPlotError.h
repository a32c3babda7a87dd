#pragma once
// The plot library's exception, raised with fixed English messages. Value code (maths,
// dates, point stores, scales) raises it without needing any control header.

#include <stdexcept>

class EiPlotError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};
