// Start-up benchmark: times each program from process start to its first
// painted frame (the digit cell white on the blue window, read back from the
// X server), alternating the programs run by run, and reports medians and the
// peak resident set size each reached. Usage:
//   trivelan_startup_bench [--runs N] [--launcher PATH] [--at X Y] PROGRAM FLOOR_PROGRAM
// With --launcher (wine) each program is started through it; --at X Y says where
// the window's client area stands when it is not at the screen's top left.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Probe {
    int x;
    int y;
    unsigned long rgb;
};
// Inside the first digit cell, and on the window background beside the frame.
constexpr Probe kCell{58, 66, 0xFFFFFF};
constexpr Probe kBackground{5, 100, 0x8080FF};

// Where the window's client area stands on the screen.
int originX = 0;
int originY = 0;

bool Shows(Display* display, const Probe& probe) {
    XImage* image = XGetImage(display, DefaultRootWindow(display), originX + probe.x,
                              originY + probe.y, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) return false;
    const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
    XDestroyImage(image);
    return pixel == probe.rgb;
}

long PeakRssKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
}

struct Sample {
    double milliseconds;
    long peakKiB;
};

Sample RunOnce(Display* display, const char* launcher, const char* program) {
    // Nothing of the previous run may be on the screen any more.
    while (Shows(display, kBackground)) std::this_thread::sleep_for(std::chrono::milliseconds(5));

    std::vector<char*> argv;
    if (launcher != nullptr) argv.push_back(const_cast<char*>(launcher));
    argv.push_back(const_cast<char*>(program));
    argv.push_back(nullptr);
    pid_t pid = 0;
    const auto start = Clock::now();
    if (posix_spawn(&pid, argv.front(), nullptr, nullptr, argv.data(), environ) != 0) {
        std::perror(program);
        std::exit(1);
    }
    while (!(Shows(display, kCell) && Shows(display, kBackground))) {
        if (Clock::now() - start > std::chrono::seconds(20)) {
            std::fprintf(stderr, "%s: no frame within 20 s\n", program);
            kill(pid, SIGKILL);
            std::exit(1);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    std::this_thread::sleep_for(
        std::chrono::milliseconds(300));  // let it settle: peak of a started program
    const long peak = PeakRssKiB(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return {ms, peak};
}

template <typename T>
T Median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    int runs = 15;
    const char* launcher = nullptr;
    std::vector<const char*> programs;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--runs" && i + 1 < argc) {
            runs = std::max(1, std::atoi(argv[++i]));
        } else if (std::string(argv[i]) == "--at" && i + 2 < argc) {
            originX = std::atoi(argv[++i]);
            originY = std::atoi(argv[++i]);
        } else if (std::string(argv[i]) == "--launcher" && i + 1 < argc) {
            launcher = argv[++i];
        } else {
            programs.push_back(argv[i]);
        }
    }
    if (programs.size() != 2) {
        std::fprintf(stderr,
                     "usage: %s [--runs N] [--launcher PATH] [--at X Y] PROGRAM FLOOR_PROGRAM\n",
                     argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "cannot open the X display\n");
        return 1;
    }

    std::vector<Sample> samples[2];
    for (int run = -1; run < runs; ++run) {  // run -1 warms the caches and is not counted
        for (int p = 0; p < 2; ++p) {
            const Sample s = RunOnce(display, launcher, programs[static_cast<std::size_t>(p)]);
            if (run >= 0) samples[p].push_back(s);
        }
    }
    XCloseDisplay(display);

    double ms[2];
    long kib[2];
    for (int p = 0; p < 2; ++p) {
        std::vector<double> times;
        std::vector<long> peaks;
        for (const Sample& s : samples[p]) {
            times.push_back(s.milliseconds);
            peaks.push_back(s.peakKiB);
        }
        ms[p] = Median(times);
        kib[p] = Median(peaks);
        std::printf("%-10s median start-up %7.1f ms (min %.1f, max %.1f), peak RSS %ld KiB\n",
                    p == 0 ? "program" : "floor", ms[p],
                    *std::min_element(times.begin(), times.end()),
                    *std::max_element(times.begin(), times.end()), kib[p]);
    }
    std::vector<double> ratios;
    for (std::size_t i = 0; i < samples[0].size(); ++i) {
        ratios.push_back(samples[0][i].milliseconds / samples[1][i].milliseconds);
    }
    std::printf("runs %d; start-up ratio (median of pairwise) %.3f; peak memory ratio %.3f\n", runs,
                Median(ratios), static_cast<double>(kib[0]) / static_cast<double>(kib[1]));
    return 0;
}
