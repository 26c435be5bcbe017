// SPDX-License-Identifier: MIT
// Measures how long a program takes from its launch to its first frame on the
// X display: the time until the screen pixel at X,Y is no longer black (the
// empty Xvfb screen is black), and the program's resident memory at that moment.
// Usage: firstframe X Y COMMAND [ARGS...]   prints "MILLISECONDS KILOBYTES"
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

bool painted(xcb_connection_t* connection, xcb_window_t root, int x, int y) {
    xcb_get_image_reply_t* reply =
        xcb_get_image_reply(connection,
                            xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, root, int16_t(x),
                                          int16_t(y), 1, 1, ~0u),
                            nullptr);
    if (reply == nullptr)
        return false;
    const uint8_t* data = xcb_get_image_data(reply);
    const bool lit = (data[0] | data[1] | data[2]) != 0;
    free(reply);
    return lit;
}

long residentKilobytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fputs("usage: firstframe X Y COMMAND [ARGS...]\n", stderr);
        return 2;
    }
    const int x = std::atoi(argv[1]);
    const int y = std::atoi(argv[2]);
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fputs("firstframe: no X display\n", stderr);
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    if (painted(connection, root, x, y)) {
        std::fputs("firstframe: the screen is not empty at X,Y\n", stderr);
        return 2;
    }

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[3], argv + 3);
        _exit(127);
    }
    int result = 1;
    while (std::chrono::steady_clock::now() - start < std::chrono::seconds(20)) {
        if (painted(connection, root, x, y)) {
            const auto elapsed =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start);
            std::printf("%.1f %ld\n", elapsed.count(), residentKilobytes(child));
            result = 0;
            break;
        }
        if (waitpid(child, nullptr, WNOHANG) == child) {
            std::fputs("firstframe: the program ended before its first frame\n", stderr);
            xcb_disconnect(connection);
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    // Wait for the screen to be empty again before the next run.
    for (int i = 0; i < 2000 && painted(connection, root, x, y); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    xcb_disconnect(connection);
    return result;
}
