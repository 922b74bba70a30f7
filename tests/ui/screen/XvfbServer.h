#pragma once

#include <csignal>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace kalvio {

// An X server of our own for one test: Xvfb on a free display, which it reports itself.
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
        if (posix_spawnp(&FPid, "Xvfb", nullptr, nullptr, const_cast<char**>(arguments), environ) !=
            0) {
            FPid = 0;
        }
        close(pipeEnds[1]);
        FDisplay = ReadDisplay(pipeEnds[0]);
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
