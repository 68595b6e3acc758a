#include "GameProcess.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <signal.h>
#include <sstream>
#include <stdexcept>
#include <string_view>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

GameProcess::GameProcess(fs::path workingDirectory, fs::path program)
    : workingDirectory(std::move(workingDirectory)), program(std::move(program)) {
    consoleFile =
        fs::temp_directory_path() / ("vexmor-console-" + std::to_string(getpid()) + "-" +
                                     std::to_string(Clock::now().time_since_epoch().count()));
}

GameProcess::~GameProcess() {
    if (pid > 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    if (display != nullptr) {
        XCloseDisplay(display);
    }
    std::error_code ignored;
    fs::remove(consoleFile, ignored);
}

void GameProcess::setEnvironment(const std::string& name, const std::string& value) {
    environment.push_back(name + "=" + value);
}

void GameProcess::start(const std::vector<std::string>& arguments) {
    const fs::path home = workingDirectory / "home";
    for (const auto& [name, value] : {std::pair<std::string, fs::path>{"HOME", home},
                                      {"XDG_CONFIG_HOME", home / ".config"},
                                      {"XDG_DATA_HOME", home / ".local" / "share"}}) {
        const bool set = std::any_of(environment.begin(), environment.end(),
                                     [&name = name](const std::string& entry) {
                                         return entry.compare(0, entry.find('='), name) == 0;
                                     });
        if (!set) {
            setEnvironment(name, value.string());
        }
    }
    // A virtual server may be resetting after the previous test's last client left.
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    while ((display = XOpenDisplay(nullptr)) == nullptr && Clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    if (display == nullptr) {
        throw std::runtime_error("no X display for the end-to-end test");
    }
    // A window can go between listing it and asking about it; Xlib's default handler
    // would end the test for that.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    // Made before the fork: the child only calls what is safe there.
    const auto overridden = [this](const char* entry) {
        const std::string_view name(entry, std::strcspn(entry, "="));
        return std::any_of(environment.begin(), environment.end(), [name](const std::string& own) {
            return own.compare(0, own.find('='), name) == 0;
        });
    };
    std::vector<char*> childEnvironment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (!overridden(*entry)) {
            childEnvironment.push_back(*entry);
        }
    }
    for (std::string& entry : environment) {
        childEnvironment.push_back(entry.data());
    }
    childEnvironment.push_back(nullptr);
    std::vector<char*> argumentList{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments) {
        argumentList.push_back(const_cast<char*>(argument.c_str()));
    }
    argumentList.push_back(nullptr);
    pid = fork();
    if (pid == 0) {
        const int console = open(consoleFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int nothing = open("/dev/null", O_RDONLY);
        dup2(nothing, STDIN_FILENO);
        dup2(console, STDOUT_FILENO);
        dup2(console, STDERR_FILENO);
        if (chdir(workingDirectory.c_str()) != 0) {
            _exit(126);
        }
        execve(program.c_str(), argumentList.data(), childEnvironment.data());
        _exit(127);
    }
}

XWindowId GameProcess::findWindow(XWindowId root) {
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", True);
    Window rootReturn = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (pidAtom == None || !XQueryTree(display, root, &rootReturn, &parent, &children, &count)) {
        return 0;
    }
    Window found = 0;
    for (unsigned int i = 0; i < count && found == 0; ++i) {
        Atom type = None;
        int format = 0;
        unsigned long items = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(display, children[i], pidAtom, 0, 1, False, XA_CARDINAL, &type,
                               &format, &items, &after, &data) == Success &&
            data != nullptr) {
            // The game's own window is the one it shows: the small window it makes first
            // to ask the renderer is never mapped, and is gone again a moment later.
            XWindowAttributes attributes{};
            if (items == 1 &&
                *reinterpret_cast<unsigned long*>(data) == static_cast<unsigned long>(pid) &&
                XGetWindowAttributes(display, children[i], &attributes) != 0 &&
                attributes.map_state == IsViewable) {
                found = children[i];
            }
            XFree(data);
        }
        if (found == 0) {
            found = findWindow(children[i]);
        }
    }
    if (children != nullptr) {
        XFree(children);
    }
    return found;
}

XWindowId GameProcess::waitForWindow(std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    while (Clock::now() < deadline) {
        window = findWindow(DefaultRootWindow(display));
        if (window != 0) {
            return window;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return 0;
}

bool GameProcess::waitForOutput(const std::string& text, std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    while (Clock::now() < deadline) {
        if (output().find(text) != std::string::npos) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

std::optional<int> GameProcess::waitForExit(std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    while (Clock::now() < deadline) {
        int status = 0;
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            pid = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return std::nullopt;
}

bool GameProcess::xdotool(const std::string& arguments) {
    const std::string command = "xdotool " + arguments + " >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

void GameProcess::holdKey(const std::string& keyName) {
    if (!xdotool("keydown --window " + std::to_string(window) + " " + keyName)) {
        throw std::runtime_error("xdotool could not press " + keyName);
    }
}

void GameProcess::moveMouse(int dx, int dy) {
    if (!xdotool("mousemove_relative -- " + std::to_string(dx) + " " + std::to_string(dy))) {
        throw std::runtime_error("xdotool could not move the mouse");
    }
}

void GameProcess::resizeWindow(int width, int height) {
    if (!xdotool("windowsize --sync " + std::to_string(window) + " " + std::to_string(width) + " " +
                 std::to_string(height))) {
        throw std::runtime_error("xdotool could not resize the window");
    }
}

void GameProcess::tapKey(const std::string& keyName) {
    holdKey(keyName);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    // A key like Escape may already have closed the window; its release then has no target.
    xdotool("keyup --window " + std::to_string(window) + " " + keyName);
    // A press arriving right behind a release of the same key can make the release look
    // like key repeat to the window system; give the game a few frames in between.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
}

void GameProcess::requestClose() {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

std::string GameProcess::output() const {
    std::ifstream in(consoleFile);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
