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

StandardStreamsSink standardStreams;
DiagnosticsSink* currentSink = &standardStreams;

}  // namespace

void SetDiagnosticsSink(DiagnosticsSink* sink) {
    currentSink = sink != nullptr ? sink : &standardStreams;
}

DiagnosticsSink& CurrentDiagnosticsSink() { return *currentSink; }

void ReportToStdout(std::string_view message) {
    currentSink->Write(DiagnosticStream::Out, message);
}

void ReportToStderr(std::string_view message) {
    currentSink->Write(DiagnosticStream::Err, message);
}

DiagnosticsCapture::DiagnosticsCapture() : previous_(&CurrentDiagnosticsSink()) {
    SetDiagnosticsSink(this);
}

DiagnosticsCapture::~DiagnosticsCapture() { SetDiagnosticsSink(previous_); }

void DiagnosticsCapture::Write(DiagnosticStream stream, std::string_view message) {
    (stream == DiagnosticStream::Out ? stdout_ : stderr_).emplace_back(message);
}

}  // namespace gridtally
