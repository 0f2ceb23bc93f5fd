#include <malloc.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>
#include <streambuf>

#include "cli/CommandIo.h"
#include "cli/CommandLine.h"

namespace {

// Standard output written straight to its descriptor, buffered, keeping the reason of
// the first write that failed so that it can be told.
class OutputBuffer : public std::streambuf {
public:
    explicit OutputBuffer(int fd) : fd_(fd) {
        setp(buffer_.data(), buffer_.data() + buffer_.size());
    }
    int failure() const { return failure_; }

protected:
    int_type overflow(int_type c) override {
        if (!Drain()) return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override { return Drain() ? 0 : -1; }

private:
    bool Drain() {
        const char* next = pbase();
        while (next < pptr() && failure_ == 0) {
            ssize_t written = ::write(fd_, next, static_cast<std::size_t>(pptr() - next));
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0) {
                failure_ = written < 0 ? errno : EIO;
                break;
            }
            next += written;
        }
        setp(buffer_.data(), buffer_.data() + buffer_.size());
        return failure_ == 0;
    }

    int fd_;
    int failure_ = 0;
    std::array<char, 1 << 16> buffer_{};
};

}  // namespace

int main(int argc, char** argv) {
    // A reader that stops early (`| head`) ends the program quietly, as it does any
    // Unix tool; whoever started us may have left the signal ignored.
    std::signal(SIGPIPE, SIG_DFL);
    // A season keeps every play of hundreds of logs, read on several threads: a heap that
    // grows in large steps spares the threads a page fault at every small growth.
    mallopt(M_TOP_PAD, 64 << 20);
    OutputBuffer buffer(STDOUT_FILENO);
    std::ostream out(&buffer);
    gridtally::Streams io{out, std::cerr, isatty(STDOUT_FILENO) == 1, isatty(STDERR_FILENO) == 1};
    int status = gridtally::RunCommandLine(argc, argv, io);
    // What could not be written (a full disk, a closed file) is a failure, whatever the
    // command thought of its own work.
    out.flush();
    if (buffer.failure() != 0) {
        return gridtally::Report(std::cerr, gridtally::kFileFailed,
                                 "cannot write the output: ", std::strerror(buffer.failure()));
    }
    return status;
}
