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

void DiagnosticsCapture::Write(DiagnosticStream stream, std::string_view message) {
    (stream == DiagnosticStream::Out ? stdout_ : stderr_).emplace_back(message);
    messages_.emplace_back(stream, message);
}

}  // namespace gridtally
