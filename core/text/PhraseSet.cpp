#include "core/text/PhraseSet.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <stdexcept>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace gridtally {

std::size_t PhraseSet::Hits::FirstListed() const {
    return found ? static_cast<std::size_t>(std::countr_zero(found)) : kMaxPhrases;
}

PhraseSet::PhraseSet(std::vector<std::string_view> phrases) : phrases_(std::move(phrases)) {
    if (phrases_.size() > kMaxPhrases) throw std::invalid_argument("PhraseSet: too many phrases");
    for (std::size_t i = 0; i < phrases_.size(); ++i) {
        std::string_view phrase = phrases_[i];
        if (phrase.empty()) throw std::invalid_argument("PhraseSet: empty phrase");
        std::size_t k = phrase.find_first_not_of(' ');
        if (k == std::string_view::npos) k = 0;
        anchorOffset_.push_back(k);
        std::uint32_t bit = 1u << i;
        all_ |= bit;
        Anchor anchor{static_cast<unsigned char>(phrase[k]), -1};
        byFirst_[anchor.first] |= bit;
        if (k + 1 < phrase.size()) {
            anchor.second = static_cast<unsigned char>(phrase[k + 1]);
            bySecond_[static_cast<std::size_t>(anchor.second)] |= bit;
        } else {
            lastByteAnchor_ |= bit;
        }
        bool known = std::any_of(anchors_.begin(), anchors_.end(), [&](const Anchor& a) {
            return a.first == anchor.first && a.second == anchor.second;
        });
        if (!known) {
            anchors_.push_back(anchor);
            Broadcast wide;
            wide.first.fill(anchor.first);
            wide.second.fill(anchor.second >= 0 ? static_cast<unsigned char>(anchor.second) : 0);
            broadcasts_.push_back(wide);
        }
    }
}

// Compares the phrases anchored at byte `pos` of the text.
void PhraseSet::TryAt(const unsigned char* text, std::size_t size, std::size_t pos,
                      Hits& hits) const {
    std::uint32_t second = pos + 1 < size ? bySecond_[text[pos + 1]] : 0u;
    std::uint32_t candidates = byFirst_[text[pos]] & (second | lastByteAnchor_) & ~hits.found;
    while (candidates) {
        auto p = static_cast<std::size_t>(std::countr_zero(candidates));
        candidates &= candidates - 1;
        std::size_t k = anchorOffset_[p];
        std::string_view phrase = phrases_[p];
        if (pos < k) continue;
        std::size_t start = pos - k;
        if (phrase.size() <= size - start &&
            std::memcmp(text + start, phrase.data(), phrase.size()) == 0) {
            hits.found |= 1u << p;
            hits.at[p] = start;
        }
    }
}

PhraseSet::Hits PhraseSet::Scan(std::string_view text) const {
    Hits hits;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size();
    std::size_t pos = 0;
#if defined(__SSE2__)
    // Sixteen places at a time: a bit for each place where some anchor stands. The load
    // one byte further on must stay inside the text.
    for (; pos + 17 <= n && hits.found != all_; pos += 16) {
        __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + pos));
        __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + pos + 1));
        __m128i any = _mm_setzero_si128();
        for (std::size_t a = 0; a < anchors_.size(); ++a) {
            const Broadcast& wide = broadcasts_[a];
            __m128i match = _mm_cmpeq_epi8(
                here, _mm_load_si128(reinterpret_cast<const __m128i*>(wide.first.data())));
            if (anchors_[a].second >= 0) {
                match = _mm_and_si128(
                    match, _mm_cmpeq_epi8(next, _mm_load_si128(reinterpret_cast<const __m128i*>(
                                                    wide.second.data()))));
            }
            any = _mm_or_si128(any, match);
        }
        for (auto mask = static_cast<std::uint32_t>(_mm_movemask_epi8(any)); mask;
             mask &= mask - 1) {
            TryAt(bytes, n, pos + static_cast<std::size_t>(std::countr_zero(mask)), hits);
        }
    }
#endif
    for (; pos < n && hits.found != all_; ++pos) TryAt(bytes, n, pos, hits);
    return hits;
}

}  // namespace gridtally
