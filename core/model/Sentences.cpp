#include "model/Sentences.h"

#include "model/Statement.h"

namespace gridtally {

Sentences::Sentences(std::string_view statement) : statement_(statement) {
    std::size_t start = 0;
    for (std::size_t mark = statement.find(SentenceMark); mark != std::string_view::npos;
         mark = statement.find(SentenceMark, start)) {
        pieces_.push_back(statement.substr(start, mark - start));
        start = mark + 1;
    }
    pieces_.push_back(statement.substr(start));
}

std::string_view Sentences::From(std::size_t index) const {
    if (!Has(index)) return {};
    return statement_.substr(static_cast<std::size_t>(pieces_[index].data() - statement_.data()));
}

std::string_view Sentences::Through(std::size_t index) const {
    if (!Has(index)) return statement_;
    const std::string_view& piece = pieces_[index];
    return statement_.substr(
        0, static_cast<std::size_t>(piece.data() - statement_.data()) + piece.size());
}

}  // namespace gridtally
