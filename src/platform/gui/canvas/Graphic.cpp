#include "platform/gui/canvas/Graphic.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

namespace qx {

bool readFileBytes(const std::string& path, Bytes& out, std::string* error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (error)
            *error = "cannot open " + path + ": " + std::strerror(errno);
        return false;
    }
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) {
        if (error)
            *error = "cannot read " + path;
        return false;
    }
    return true;
}

bool writeFileBytes(const std::string& path, ByteView bytes, std::string* error)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        if (error)
            *error = "cannot write " + path;
        return false;
    }
    return true;
}

} // namespace qx

bool TGraphic::LoadFromFile(const std::string& path, std::string* error)
{
    qx::Bytes bytes;
    if (!qx::readFileBytes(path, bytes, error)) {
        LoadFromBytes({});
        return false;
    }
    return LoadFromBytes(bytes, error);
}

bool TGraphic::SaveToFile(const std::string& path, std::string* error) const
{
    return qx::writeFileBytes(path, SaveToBytes(), error);
}
