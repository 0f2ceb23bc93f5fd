#pragma once

#include <cstdint>
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
    // A play statement the parser could not read, the `line`-th statement of its reading:
    // written as UnreadStatementMessage says, unless a sink keeps the number apart.
    virtual void UnreadStatement(std::int32_t line, std::string_view statement);
};

// "ERROR parsing statement (line N):  STATEMENT\n".
std::string UnreadStatementMessage(std::int32_t line, std::string_view statement);

// Standard output and standard error. Writes are whole messages, so readers on
// several threads do not cut into each other's lines.
DiagnosticsSink& StandardStreams();

// Collects messages instead of printing them.
class DiagnosticsCapture : public DiagnosticsSink {
public:
    void Write(DiagnosticStream stream, std::string_view message) override;
    void UnreadStatement(std::int32_t line, std::string_view statement) override;

    // Says every message again to `sink`, in order; the unread statements' lines counted
    // on from `firstLine` (a reading that continues another's).
    void Replay(DiagnosticsSink& sink, std::int32_t firstLine = 0) const;

    const std::vector<std::string>& stdoutMessages() const { return stdout_; }
    const std::vector<std::string>& stderrMessages() const { return stderr_; }
    // Both streams' messages in the order they came.
    const std::vector<std::pair<DiagnosticStream, std::string>>& messages() const {
        return messages_;
    }

private:
    std::vector<std::pair<DiagnosticStream, std::string>> messages_;
    // Per message: the line and statement of an unread statement, else -1 and nothing.
    std::vector<std::pair<std::int32_t, std::string>> unread_;
    std::vector<std::string> stdout_;
    std::vector<std::string> stderr_;
};

// Drops every message.
DiagnosticsSink& NoDiagnostics();

}  // namespace gridtally
