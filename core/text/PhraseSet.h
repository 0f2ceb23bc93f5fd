#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace gridtally {

// Where each of a fixed list of phrases first stands in a text, found in one pass over
// the text. A parser that asks "which of these does the sentence contain?" would
// otherwise search the sentence once per phrase; the answers are those of FindText.
class PhraseSet {
public:
    static constexpr std::size_t kMaxPhrases = 32;

    struct Hits {
        std::uint32_t found = 0;                  // bit i: phrase i stands in the text
        std::array<std::size_t, kMaxPhrases> at;  // where, for the phrases found

        bool Has(std::size_t i) const { return (found >> i) & 1u; }
        std::size_t At(std::size_t i) const { return Has(i) ? at[i] : std::string_view::npos; }
        bool Any() const { return found != 0; }
        // The first phrase of the list the text contains, or kMaxPhrases when none.
        std::size_t FirstListed() const;
    };

    // The phrases must outlive the set (string literals do); each holds at least one byte.
    PhraseSet(std::initializer_list<std::string_view> phrases)
        : PhraseSet(std::vector<std::string_view>(phrases)) {}
    explicit PhraseSet(std::vector<std::string_view> phrases);

    std::size_t size() const { return phrases_.size(); }
    Hits Scan(std::string_view text) const;

private:
    // A phrase is looked for by its first byte that is not a blank and the byte after it,
    // as FindText does: most phrases begin with a blank, and every word follows one.
    struct Anchor {
        unsigned char first;
        int second;  // -1: the anchor is the phrase's last byte
    };
    void TryAt(const unsigned char* text, std::size_t size, std::size_t pos, Hits& hits) const;

    std::vector<std::string_view> phrases_;
    std::vector<std::size_t> anchorOffset_;  // of each phrase's anchor in the phrase
    std::vector<Anchor> anchors_;            // the distinct ones
    // Each distinct anchor's two bytes repeated sixteen times, for the block compare
    // (the second all 0 when the anchor has no second byte).
    struct alignas(16) Broadcast {
        std::array<unsigned char, 16> first;
        std::array<unsigned char, 16> second;
    };
    std::vector<Broadcast> broadcasts_;
    std::array<std::uint32_t, 256> byFirst_{};
    std::array<std::uint32_t, 256> bySecond_{};
    std::uint32_t lastByteAnchor_ = 0;  // phrases whose anchor has no byte after it
    std::uint32_t all_ = 0;
};

}  // namespace gridtally
