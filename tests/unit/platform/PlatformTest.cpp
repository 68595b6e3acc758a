#include "platform/Console.h"
#include "platform/Paths.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <iostream>
#include <sstream>

using Vexmor::platform::hostPath;

TEST(Paths, BackslashNamesBecomeHostPaths) {
    EXPECT_EQ(hostPath("levels\\levels.ini"), "levels/levels.ini");
    EXPECT_EQ(hostPath("img\\sub\\Wall.png"), "img/sub/Wall.png");
    EXPECT_EQ(hostPath("already/forward.obj"), "already/forward.obj");
    EXPECT_EQ(hostPath(""), "");
}

TEST(Console, PauseReturnsAtOnceWithoutATerminal) {
    // A pipe that never delivers a key: waiting on it would hang the test.
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    std::ostringstream captured;
    std::streambuf* old = std::cout.rdbuf(captured.rdbuf());

    const auto start = std::chrono::steady_clock::now();
    Vexmor::platform::pause(fds[0]);
    const auto elapsed = std::chrono::steady_clock::now() - start;

    std::cout.rdbuf(old);
    close(fds[0]);
    close(fds[1]);
    EXPECT_LT(elapsed, std::chrono::seconds(1));
    EXPECT_EQ(captured.str(), "Press any key to continue . . . \n");
}
