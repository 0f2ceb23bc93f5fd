#include <gtest/gtest.h>

#include "core/text/Diagnostics.h"

namespace gridtally {
namespace {

TEST(Diagnostics, CaptureCollectsPerStreamAndRestoresThePreviousSink) {
    DiagnosticsSink* before = &CurrentDiagnosticsSink();
    {
        DiagnosticsCapture outer;
        {
            DiagnosticsCapture inner;
            ReportToStdout("one\n");
            ReportToStderr("two\n");
            EXPECT_EQ(inner.stdoutMessages(), std::vector<std::string>{"one\n"});
            EXPECT_EQ(inner.stderrMessages(), std::vector<std::string>{"two\n"});
        }
        ReportToStdout("three\n");
        EXPECT_EQ(outer.stdoutMessages(), std::vector<std::string>{"three\n"});
        EXPECT_TRUE(outer.stderrMessages().empty());
    }
    EXPECT_EQ(&CurrentDiagnosticsSink(), before);
}

}  // namespace
}  // namespace gridtally
