#include "platform/UserDirectories.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

using Vexmor::platform::userDirectories;

TEST(UserDirectories, AbsoluteXdgVariablesWinAndTheRestFallBackUnderHome) {
    std::map<std::string, const char*> environment{{"HOME", "/home/ada"}};
    const auto getenv = [&environment](const char* name) -> const char* {
        const auto found = environment.find(name);
        return found == environment.end() ? nullptr : found->second;
    };

    auto directories = userDirectories(getenv);
    EXPECT_EQ(directories.configDirectory, "/home/ada/.config/vexmor");
    EXPECT_EQ(directories.dataDirectory, "/home/ada/.local/share/vexmor");

    environment["XDG_CONFIG_HOME"] = "/srv/config";
    environment["XDG_DATA_HOME"] = "";
    directories = userDirectories(getenv);
    EXPECT_EQ(directories.configDirectory, "/srv/config/vexmor");
    EXPECT_EQ(directories.dataDirectory, "/home/ada/.local/share/vexmor");

    environment["XDG_DATA_HOME"] = "relative/data";
    EXPECT_EQ(userDirectories(getenv).dataDirectory, "/home/ada/.local/share/vexmor");

    environment.erase("HOME");
    directories = userDirectories(getenv);
    EXPECT_EQ(directories.configDirectory, "/srv/config/vexmor");
    EXPECT_TRUE(directories.dataDirectory.empty());
}
