#pragma once

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kalvio {

// An X server of our own for one test: Xvfb on a free display, which it reports itself.
// The server writes nowhere the test runner reads and ends with the test, even when the test
// aborts: an orphaned server holding the runner's output open would make a crash look like a hang.
class TXvfbServer {
public:
    explicit TXvfbServer(const std::string& screenSize) {
        int pipeEnds[2];
        if (pipe(pipeEnds) != 0) {
            return;
        }
        const std::string displayFd = std::to_string(pipeEnds[1]);
        const std::string screen = screenSize + "x24";
        const char* arguments[] = {"Xvfb",      "-displayfd", displayFd.c_str(),
                                   "-screen",   "0",          screen.c_str(),
                                   "-nolisten", "tcp",        nullptr};
        const pid_t parent = getpid();
        FPid = fork();
        if (FPid == 0) {
            RunServer(arguments, pipeEnds[0], parent);
        }
        if (FPid < 0) {
            FPid = 0;
        }
        close(pipeEnds[1]);
        FDisplay = FPid > 0 ? ReadDisplay(pipeEnds[0]) : std::string();
        close(pipeEnds[0]);
    }
    TXvfbServer(const TXvfbServer&) = delete;
    TXvfbServer& operator=(const TXvfbServer&) = delete;
    ~TXvfbServer() {
        if (FPid > 0) {
            kill(FPid, SIGTERM);
            waitpid(FPid, nullptr, 0);
        }
    }

    // ":N", or empty when the server did not start.
    const std::string& Display() const { return FDisplay; }

private:
    // In the child: only async-signal-safe calls until exec.
    [[noreturn]] static void RunServer(const char* const* arguments, int readEnd, pid_t parent) {
        close(readEnd);
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent) {
            _exit(1);
        }
        const int nowhere = open("/dev/null", O_RDWR);
        if (nowhere >= 0) {
            dup2(nowhere, STDIN_FILENO);
            dup2(nowhere, STDOUT_FILENO);
            dup2(nowhere, STDERR_FILENO);
        }
        execvp(arguments[0], const_cast<char* const*>(arguments));
        _exit(127);
    }

    static std::string ReadDisplay(int fd) {
        std::string number;
        pollfd wait{fd, POLLIN, 0};
        char c = 0;
        while (poll(&wait, 1, 10000) > 0 && read(fd, &c, 1) == 1 && c != '\n') {
            number.push_back(c);
        }
        return number.empty() ? std::string() : ":" + number;
    }

    pid_t FPid = 0;
    std::string FDisplay;
};

} // namespace kalvio
