#include "core/text/Diagnostics.h"

#include <cstdio>

namespace gridtally {
namespace {

class StandardStreamsSink : public DiagnosticsSink {
public:
    void Write(DiagnosticStream stream, std::string_view message) override {
        std::FILE* file = stream == DiagnosticStream::Out ? stdout : stderr;
        std::fwrite(message.data(), 1, message.size(), file);
        std::fflush(file);
    }
};

class DiscardingSink : public DiagnosticsSink {
public:
    void Write(DiagnosticStream, std::string_view) override {}
};

}  // namespace

DiagnosticsSink& StandardStreams() {
    static StandardStreamsSink sink;
    return sink;
}

DiagnosticsSink& NoDiagnostics() {
    static DiscardingSink sink;
    return sink;
}

void DiagnosticsSink::UnreadStatement(std::int32_t line, std::string_view statement) {
    Write(DiagnosticStream::Err, UnreadStatementMessage(line, statement));
}

std::string UnreadStatementMessage(std::int32_t line, std::string_view statement) {
    return "ERROR parsing statement (line " + std::to_string(line) +
           "):  " + std::string(statement) + "\n";
}

void DiagnosticsCapture::Write(DiagnosticStream stream, std::string_view message) {
    (stream == DiagnosticStream::Out ? stdout_ : stderr_).emplace_back(message);
    messages_.emplace_back(stream, message);
    unread_.emplace_back(-1, std::string());
}

void DiagnosticsCapture::UnreadStatement(std::int32_t line, std::string_view statement) {
    Write(DiagnosticStream::Err, UnreadStatementMessage(line, statement));
    unread_.back() = {line, std::string(statement)};
}

void DiagnosticsCapture::Replay(DiagnosticsSink& sink, std::int32_t firstLine) const {
    for (std::size_t i = 0; i < messages_.size(); ++i) {
        const auto& [line, statement] = unread_[i];
        if (line < 0) {
            sink.Write(messages_[i].first, messages_[i].second);
        } else {
            // Wrapping as the reading's own count of statements does.
            sink.UnreadStatement(static_cast<std::int32_t>(static_cast<std::uint32_t>(line) +
                                                           static_cast<std::uint32_t>(firstLine)),
                                 statement);
        }
    }
}

}  // namespace gridtally
