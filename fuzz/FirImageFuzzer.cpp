// The coefficient image reader: an area of arbitrary slots reads as
// coefficients within the limit (end markers as zeros) or as a unit impulse,
// and coefficients read are written and read back unchanged.

#include "FuzzInput.h"

#include "model/FirImage.h"

#include <algorithm>
#include <cmath>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The input fills the area from its start; the rest holds end markers.
    std::array<std::uint8_t, qx::kFirAreaSize> area;
    area.fill(0xFF);
    std::copy_n(data, std::min(size, area.size()), area.begin());

    auto out = std::make_unique<qx::FirChannelBuffer>();
    out->fill(-7.0F);
    const qx::FirAreaRead read = qx::readFirArea(area, *out);
    switch (read.kind) {
    case qx::FirAreaKind::Coefficients:
        qxfuzz::check(read.errorSlot == -1, "coefficients read have no error slot");
        for (std::size_t s = 0; s < out->size(); ++s) {
            const float v = (*out)[s];
            qxfuzz::check(std::isfinite(v) && v <= qx::kFirCoefficientLimit, "coefficients are within the limit");
            if (qx::getFloatLe(area, qx::kFirSlotSize * s) != v)
                qxfuzz::check(std::all_of(area.begin() + static_cast<std::ptrdiff_t>(qx::kFirSlotSize * s),
                                          area.begin() + static_cast<std::ptrdiff_t>(qx::kFirSlotSize * (s + 1)),
                                          [](std::uint8_t b) { return b == 0xFF; }) &&
                                  v == 0.0F,
                              "only an end marker reads as something else: zero");
        }
        break;
    case qx::FirAreaKind::Impulse:
    case qx::FirAreaKind::Error:
        qxfuzz::check(*out == qx::unitImpulse(), "a refused area reads as a unit impulse");
        qxfuzz::check((read.kind == qx::FirAreaKind::Error) == (read.errorSlot > 0),
                      "an error names a slot after the first");
        break;
    }

    std::array<std::uint8_t, qx::kFirAreaSize> written{};
    qx::encodeFirArea(*out, qx::kFirSlots, written);
    auto again = std::make_unique<qx::FirChannelBuffer>();
    qx::readFirArea(written, *again);
    qxfuzz::check(*again == *out, "coefficients written read back unchanged");

    // The counts of a record layout as long as the input, or the whole record.
    for (std::size_t length : {size, qx::kRecordSize}) {
        qx::Bytes layout(length, 0);
        std::copy_n(data, std::min(size, length), layout.begin());
        if (length >= qx::rec::kTestSignalKind)
            for (int count : qx::firCountsOf(layout))
                qxfuzz::check(count >= 0 && count <= qx::kFirSlots, "coefficient counts are within the area");
    }
    return 0;
}
