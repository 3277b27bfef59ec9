// quirrel2-metersim: the simulated photometer on a pseudo-terminal, so that the serial
// backend can be tried and measured without a meter. It prints the device path to open,
// answers each command line and sends the reply as fast as a 9600 baud 7E2 line would.
//
//   quirrel2-metersim [--model 502|503|504|508] [--memory N] [--seed S]
//
// Runs until it is killed or its standard input is closed.
#include "meter/simmeter.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

namespace {

// One character on the wire: start bit, 7 data bits, parity, 2 stop bits.
constexpr int64_t BitsPerChar = 11;
constexpr int64_t Baud = 9600;

timespec Now()
{
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t;
}

int64_t ToNs(const timespec& t)
{
    return int64_t(t.tv_sec) * 1000000000 + t.tv_nsec;
}

timespec FromNs(int64_t ns)
{
    return timespec{time_t(ns / 1000000000), long(ns % 1000000000)};
}

void SetRaw(int fd)
{
    termios t;
    if (tcgetattr(fd, &t) != 0) return;
    cfmakeraw(&t);
    tcsetattr(fd, TCSANOW, &t);
}

// Sends the reply one character at a time, each at its absolute deadline counted from
// start, so that rounding in one sleep never adds up over a long memory dump. Returns the
// time the last character was due.
int64_t SendPaced(int fd, const QByteArray& reply, int64_t start)
{
    int64_t due = start;
    for (int i = 0; i < reply.size(); ++i) {
        due = start + (int64_t(i) + 1) * BitsPerChar * 1000000000 / Baud;
        const timespec at = FromNs(due);
        while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &at, nullptr) == EINTR) {
        }
        // Nobody reading and the queue full: the byte is lost, as on a real line.
        if (write(fd, reply.constData() + i, 1) < 0 && errno != EAGAIN) return due;
    }
    return due;
}

bool WatchStdin()
{
    // Stop with the parent's pipe or terminal; /dev/null or a file would end at once.
    struct stat st;
    if (fstat(STDIN_FILENO, &st) != 0) return false;
    return S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode) || isatty(STDIN_FILENO);
}

void Usage()
{
    std::fprintf(stderr,
                 "usage: quirrel2-metersim [--model 502|503|504|508] [--memory N] [--seed S]\n");
}

} // namespace

int main(int argc, char** argv)
{
    int model = 502;
    int memory = -1;
    unsigned long seed = 1;
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (std::strcmp(a, "--model") == 0 && value) {
            model = std::atoi(value);
            if (model != 502 && model != 503 && model != 504 && model != 508) {
                Usage();
                return 2;
            }
        } else if (std::strcmp(a, "--memory") == 0 && value) {
            memory = std::atoi(value);
        } else if (std::strcmp(a, "--seed") == 0 && value) {
            seed = std::strtoul(value, nullptr, 10);
        } else {
            Usage();
            return 2;
        }
        ++i;
    }

    tSimMeter meter(model, static_cast<uint32_t>(seed));
    if (memory >= 0) meter.FillBank(0, memory);

    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        std::fprintf(stderr, "quirrel2-metersim: no pseudo-terminal: %s\n", std::strerror(errno));
        return 1;
    }
    const char* path = ptsname(master);
    // Our own hold on the device: the terminal stays when the program closes it between
    // operations, and its settings stay raw.
    const int slave = path ? open(path, O_RDWR | O_NOCTTY) : -1;
    if (slave < 0) {
        std::fprintf(stderr, "quirrel2-metersim: cannot open %s: %s\n", path ? path : "?",
                     std::strerror(errno));
        return 1;
    }
    SetRaw(slave);
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    signal(SIGPIPE, SIG_IGN);

    std::printf("%s\n", path);
    std::fflush(stdout);

    const bool watchStdin = WatchStdin();
    QByteArray line;
    int64_t lineFree = 0; // when the last reply has left the wire
    char buf[4096];
    for (;;) {
        pollfd fds[2] = {{master, POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
        if (poll(fds, watchStdin ? 2 : 1, -1) < 0) {
            if (errno == EINTR) continue;
            return 1;
        }
        if (watchStdin && (fds[1].revents & (POLLIN | POLLHUP | POLLERR))) {
            const ssize_t n = read(STDIN_FILENO, buf, sizeof buf);
            if (n <= 0) return 0;
        }
        if (!(fds[0].revents & POLLIN)) continue;
        const ssize_t n = read(master, buf, sizeof buf);
        if (n <= 0) continue;
        const int64_t arrived = ToNs(Now());
        for (ssize_t i = 0; i < n; ++i) {
            if (buf[i] == '\n') {
                const QByteArray reply = meter.Answer(line);
                line.clear();
                lineFree = SendPaced(master, reply, arrived > lineFree ? arrived : lineFree);
            } else if (buf[i] != '\r' && line.size() < 4096) {
                line.append(buf[i]);
            }
        }
    }
}
