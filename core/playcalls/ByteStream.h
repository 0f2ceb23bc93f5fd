#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace gridtally {

// Reads a file's bytes front to back. Reads past the end deliver what there is, as a
// file read does, so callers can tell a record cut short by the end of its file.
class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

    // Up to `count` bytes; fewer at the end.
    std::string_view Read(std::size_t count) {
        std::string_view got = bytes_.substr(pos_, count);
        pos_ += got.size();
        return got;
    }
    bool AtEnd() const { return pos_ >= bytes_.size(); }
    std::size_t position() const { return pos_; }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

// A signed 32-bit little-endian value from up to four bytes; missing high bytes are 0.
inline std::int32_t DecodeInt32LE(std::string_view bytes) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < bytes.size() && i < 4; ++i) {
        value |= std::uint32_t(static_cast<unsigned char>(bytes[i])) << (8 * i);
    }
    return static_cast<std::int32_t>(value);
}

inline void AppendInt32LE(std::string& out, std::int32_t value) {
    auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
}

}  // namespace gridtally
