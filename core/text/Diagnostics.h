#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace gridtally {

// The parser's few messages go to the process's standard streams by default. A
// program that wants them elsewhere (the command-line dump, the tests) installs its
// own sink for as long as it reads.
enum class DiagnosticStream { Out, Err };

class DiagnosticsSink {
public:
    virtual ~DiagnosticsSink() = default;
    // `message` is the whole formatted message, final newline included.
    virtual void Write(DiagnosticStream stream, std::string_view message) = 0;
};

// Passing nullptr restores the default sink (standard output and standard error).
void SetDiagnosticsSink(DiagnosticsSink* sink);
DiagnosticsSink& CurrentDiagnosticsSink();

void ReportToStdout(std::string_view message);
void ReportToStderr(std::string_view message);

// Collects the messages of its lifetime instead of printing them; restores the sink
// that was installed before it when it goes.
class DiagnosticsCapture : public DiagnosticsSink {
public:
    DiagnosticsCapture();
    ~DiagnosticsCapture() override;
    DiagnosticsCapture(const DiagnosticsCapture&) = delete;
    DiagnosticsCapture& operator=(const DiagnosticsCapture&) = delete;

    void Write(DiagnosticStream stream, std::string_view message) override;

    const std::vector<std::string>& stdoutMessages() const { return stdout_; }
    const std::vector<std::string>& stderrMessages() const { return stderr_; }

private:
    DiagnosticsSink* previous_;
    std::vector<std::string> stdout_;
    std::vector<std::string> stderr_;
};

}  // namespace gridtally
