#include <gtest/gtest.h>

#include "core/text/Diagnostics.h"

namespace gridtally {
namespace {

TEST(Diagnostics, CaptureCollectsPerStreamAndTheDiscardingSinkDropsAll) {
    DiagnosticsCapture capture;
    capture.Write(DiagnosticStream::Out, "one\n");
    capture.Write(DiagnosticStream::Err, "two\n");
    capture.Write(DiagnosticStream::Out, "three\n");
    NoDiagnostics().Write(DiagnosticStream::Out, "lost\n");
    EXPECT_EQ(capture.stdoutMessages(), (std::vector<std::string>{"one\n", "three\n"}));
    EXPECT_EQ(capture.stderrMessages(), std::vector<std::string>{"two\n"});
}

}  // namespace
}  // namespace gridtally
