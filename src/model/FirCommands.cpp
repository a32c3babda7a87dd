#include "model/FirCommands.h"

#include <algorithm>

#include "codec/CmMcs.h"
#include "model/ExchangeCodes.h"

namespace qx {

int firBlockCount(int count)
{
    const int clamped = std::clamp(count, 0, kMaxFirCoefficients);
    return (clamped + kFirBlockValues - 1) / kFirBlockValues;
}

void ResendFirCoefficients(const CommandSender& send, std::uint8_t id, int channel,
                           const FirChannelBuffer& coefficients, int count)
{
    for (int block = 0; block < firBlockCount(count); ++block) {
        send(CM_MCS_EXT_FIR(id, static_cast<std::uint8_t>(channel), static_cast<std::uint8_t>(block), count,
                            coefficients),
             true);
    }
}

void StoreFirCoefficientsToPreset(const CommandSender& send, std::uint8_t id, int preset, int channel,
                                  const FirChannelBuffer& coefficients, int count)
{
    for (int block = 0; block < firBlockCount(count); ++block) {
        send(CM_MCS_FIR_EXT_EEPROM(id, static_cast<std::uint8_t>(preset), static_cast<std::uint8_t>(channel),
                                   static_cast<std::uint8_t>(block), count, coefficients),
             true);
    }
}

void EraseFirChannel(const CommandSender& send, std::uint8_t id, int set, int channel)
{
    const FirSectors sectors = firChannelSectors(set, channel);
    for (int k = 0; k < sectors.count; ++k) {
        const int sector = sectors.sector[static_cast<std::size_t>(k)];
        send(CM_MCS_CMD(id, request::kEraseSector, lowByte(sector), highByte(sector)), true);
    }
}

} // namespace qx
