#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace gridtally {

// A NUL-terminated text field of N bytes, as the records of a game and of a Play DB
// file hold their names. Text that does not fit is cut to the first N - 1 bytes (the
// last byte always stays NUL), and text after an embedded NUL is not kept, so a field
// never overflows and always reads back as what it stores.
template <std::size_t N>
class FixedText {
    static_assert(N >= 1);

public:
    static constexpr std::size_t kCapacity = N - 1;

    FixedText() = default;
    FixedText(std::string_view text) { Assign(text); }  // NOLINT: implicit by design

    FixedText& operator=(std::string_view text) {
        Assign(text);
        return *this;
    }

    // The part of `text` this field would store.
    static std::string_view Fit(std::string_view text) {
        std::size_t nul = text.find('\0');
        if (nul != std::string_view::npos) text = text.substr(0, nul);
        return text.substr(0, std::min(text.size(), kCapacity));
    }

    void Assign(std::string_view text) {
        text = Fit(text);
        bytes_.fill('\0');
        text.copy(bytes_.data(), text.size());
        size_ = text.size();
    }

    void Clear() { Assign({}); }

    std::string_view view() const { return {bytes_.data(), size_}; }
    std::string str() const { return std::string(view()); }
    const char* c_str() const { return bytes_.data(); }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

    // All N bytes, NUL padded: what a fixed-layout file record holds.
    const std::array<char, N>& bytes() const { return bytes_; }

    operator std::string_view() const { return view(); }  // NOLINT: implicit by design

    friend bool operator==(const FixedText& a, const FixedText& b) { return a.view() == b.view(); }
    friend bool operator==(const FixedText& a, std::string_view b) { return a.view() == b; }

private:
    std::array<char, N> bytes_{};
    std::size_t size_ = 0;
};

}  // namespace gridtally
