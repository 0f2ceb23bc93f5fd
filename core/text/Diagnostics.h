#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace gridtally {

// The parser's few messages. Each reading of a log is handed the sink its messages go
// to; the default is the process's standard streams.
enum class DiagnosticStream { Out, Err };

class DiagnosticsSink {
public:
    virtual ~DiagnosticsSink() = default;
    // `message` is the whole formatted message, final newline included.
    virtual void Write(DiagnosticStream stream, std::string_view message) = 0;
};

// Standard output and standard error. Writes are whole messages, so readers on
// several threads do not cut into each other's lines.
DiagnosticsSink& StandardStreams();

// Collects messages instead of printing them.
class DiagnosticsCapture : public DiagnosticsSink {
public:
    void Write(DiagnosticStream stream, std::string_view message) override;

    const std::vector<std::string>& stdoutMessages() const { return stdout_; }
    const std::vector<std::string>& stderrMessages() const { return stderr_; }
    // Both streams' messages in the order they came.
    const std::vector<std::pair<DiagnosticStream, std::string>>& messages() const {
        return messages_;
    }

private:
    std::vector<std::pair<DiagnosticStream, std::string>> messages_;
    std::vector<std::string> stdout_;
    std::vector<std::string> stderr_;
};

// Drops every message.
DiagnosticsSink& NoDiagnostics();

}  // namespace gridtally
