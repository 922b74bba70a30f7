#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>
#include <unistd.h>

// Milliseconds since this process started, from the kernel's record of its start.
inline double MillisecondsSinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string field;
    for (int index = 1; index <= 22 && stat >> field; ++index) {
    }
    const double startTicks = std::stod(field);
    timespec boot{};
    clock_gettime(CLOCK_BOOTTIME, &boot);
    const double nowMs = boot.tv_sec * 1000.0 + boot.tv_nsec / 1e6;
    return nowMs - startTicks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// Milliseconds of processor time (user and system) this process has used so far.
inline double ProcessorMilliseconds() {
    timespec used{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return used.tv_sec * 1000.0 + used.tv_nsec / 1e6;
}

// Prints the time of the first paint of the watched window, then ends the program, unless
// `stay` is set (for the memory measurement).
class TFirstPaintProbe : public QObject {
public:
    explicit TFirstPaintProbe(bool stay) : FStay(stay) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !FIsReported) {
            FIsReported = true;
            // Measured after the paint has been handed to the window system.
            QTimer::singleShot(0, [] {
                std::printf("first-paint-ms %.1f cpu-ms %.1f\n", MillisecondsSinceProcessStart(),
                            ProcessorMilliseconds());
                std::fflush(stdout);
            });
            if (!FStay) {
                QTimer::singleShot(0, [] { QCoreApplication::quit(); });
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool FStay;
    bool FIsReported = false;
};
