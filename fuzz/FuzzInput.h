#pragma once
// Reading a fuzz input as a stream of choices and pieces, and patching
// large valid files with it, so that a short input can steer a reader
// anywhere in a file of fixed size.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string_view>
#include <vector>

namespace qxfuzz {

using Bytes = std::vector<std::uint8_t>;

/// Stops the run when a property of the reader does not hold; the fuzzer
/// keeps the input as a crash, the corpus replay fails on it.
inline void check(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what);
        std::abort();
    }
}

/// Takes the input from the front; once it is used up every read gives 0
/// or an empty piece.
class InputReader
{
public:
    InputReader(const std::uint8_t* data, std::size_t size) : bytes_(data, size) {}
    explicit InputReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool empty() const { return pos_ >= bytes_.size(); }
    std::size_t remaining() const { return bytes_.size() - pos_; }

    std::uint8_t byte() { return empty() ? 0 : bytes_[pos_++]; }
    std::uint16_t word()
    {
        const std::uint16_t low = byte();
        return static_cast<std::uint16_t>(low | byte() << 8);
    }
    bool flag() { return (byte() & 1) != 0; }
    /// Up to `count` bytes.
    std::span<const std::uint8_t> take(std::size_t count)
    {
        const std::size_t n = std::min(count, remaining());
        const auto piece = bytes_.subspan(pos_, n);
        pos_ += n;
        return piece;
    }
    /// A piece whose length is the next byte.
    std::span<const std::uint8_t> piece() { return take(byte()); }
    std::span<const std::uint8_t> rest() { return take(remaining()); }
    std::string_view restAsText()
    {
        const auto r = rest();
        return {reinterpret_cast<const char*>(r.data()), r.size()};
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

/// A part of a file: its offset and size.
struct Span
{
    std::size_t offset;
    std::size_t size;
};

/// Overwrites parts of `file` with patches read from the input until it is
/// used up: a three-byte offset (low byte first, taken modulo the file's
/// size), a length byte and that many bytes, cut at the end of the file.
/// Each part overwritten is added to `patched` when given.
inline void applyPatches(Bytes& file, InputReader& in, std::vector<Span>* patched = nullptr)
{
    if (file.empty())
        return;
    while (!in.empty()) {
        const std::size_t offset =
            (in.byte() | static_cast<std::size_t>(in.byte()) << 8 | static_cast<std::size_t>(in.byte()) << 16) %
            file.size();
        const auto bytes = in.piece();
        const std::size_t n = std::min(bytes.size(), file.size() - offset);
        std::copy_n(bytes.begin(), n, file.begin() + static_cast<std::ptrdiff_t>(offset));
        if (patched != nullptr)
            patched->push_back({offset, n});
    }
}

/// A file from the input: after a first byte with its low bit set, the rest
/// of the input as it stands (wrong sizes and markers); else `valid` with
/// patches from the rest (any damage inside a file of the right size).
inline Bytes fileFromInput(InputReader& in, const Bytes& valid)
{
    if (in.flag()) {
        const auto raw = in.rest();
        return {raw.begin(), raw.end()};
    }
    Bytes file = valid;
    applyPatches(file, in);
    return file;
}

} // namespace qxfuzz
