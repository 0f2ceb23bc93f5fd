#include "core/model/Sentences.h"

#include "core/model/Statement.h"

namespace gridtally {

Sentences::Sentences(std::string_view statement) : statement_(statement) {
    std::size_t start = 0;
    for (std::size_t mark = statement.find(SentenceMark); mark != std::string_view::npos;
         mark = statement.find(SentenceMark, start)) {
        Add(statement.substr(start, mark - start));
        start = mark + 1;
    }
    Add(statement.substr(start));
}

void Sentences::Add(std::string_view piece) {
    if (count_ < kInline) {
        inline_[count_] = piece;
    } else {
        overflow_.push_back(piece);
    }
    ++count_;
}

std::string_view Sentences::From(std::size_t index) const {
    if (!Has(index)) return {};
    return statement_.substr(static_cast<std::size_t>(Piece(index).data() - statement_.data()));
}

std::string_view Sentences::Through(std::size_t index) const {
    if (!Has(index)) return statement_;
    std::string_view piece = Piece(index);
    return statement_.substr(
        0, static_cast<std::size_t>(piece.data() - statement_.data()) + piece.size());
}

}  // namespace gridtally
