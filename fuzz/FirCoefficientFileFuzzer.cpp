// The FIR coefficient file reader: any text is read or refused with its
// message, never more than 2048 values are kept, and every value taken is a
// finite float.

#include "FuzzInput.h"

#include "model/FirCoefficientFile.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const qx::FirFileRead read = qx::parseFirCoefficients(std::span(data, size));
    qxfuzz::check(read.values.size() <= qx::kMaxFirCoefficients, "at most 2048 values are kept");
    if (read.ok() || read.status == qx::FirFileStatus::TooMany) {
        qxfuzz::check(read.ok() == read.textId.empty(), "only a file read has no message");
        qxfuzz::check(read.ok() ? read.values.size() == read.count && read.count > 0
                                : read.values.size() == qx::kMaxFirCoefficients,
                      "every number read is kept, or the first 2048 of too many");
        for (float v : read.values)
            qxfuzz::check(std::isfinite(v), "values are finite");
    } else {
        qxfuzz::check(!read.textId.empty(), "a refused file has its message");
        qxfuzz::check(read.values.empty(), "a refused file gives no values");
    }
    return 0;
}
