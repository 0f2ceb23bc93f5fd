#include "text/Latin1.h"

namespace gridtally {

std::string Latin1ToUtf8(std::string_view latin1) {
    std::string utf8;
    utf8.reserve(latin1.size() + latin1.size() / 8);
    for (char c : latin1) {
        auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8.push_back(c);
        } else {
            utf8.push_back(static_cast<char>(0xC0 | (byte >> 6)));
            utf8.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
        }
    }
    return utf8;
}

std::string Utf8ToLatin1(std::string_view utf8) {
    std::string latin1;
    for (std::size_t i = 0; i < utf8.size();) {
        auto lead = static_cast<unsigned char>(utf8[i]);
        std::size_t length = lead < 0x80           ? 1
                             : (lead >> 5) == 0x6  ? 2
                             : (lead >> 4) == 0xE  ? 3
                             : (lead >> 3) == 0x1E ? 4
                                                   : 0;
        bool valid = length > 0 && i + length <= utf8.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            valid = (static_cast<unsigned char>(utf8[i + k]) & 0xC0) == 0x80;
        }
        if (!valid) {
            latin1.push_back(utf8[i++]);
            continue;
        }
        if (length == 1) {
            latin1.push_back(utf8[i]);
        } else if (length == 2 && lead <= 0xC3) {
            latin1.push_back(static_cast<char>(((lead & 0x1F) << 6) |
                                               (static_cast<unsigned char>(utf8[i + 1]) & 0x3F)));
        } else {
            latin1.push_back('?');
        }
        i += length;
    }
    return latin1;
}

}  // namespace gridtally
