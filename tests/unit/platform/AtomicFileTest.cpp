#include "platform/AtomicFile.h"

#include "common/TempDirectory.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <iterator>

using Vexmor::platform::writeFileAtomically;
using Vexmor::platform::WriteStep;

namespace {

std::ptrdiff_t entries(const std::filesystem::path& directory) {
    return std::distance(std::filesystem::directory_iterator(directory), {});
}

} // namespace

TEST(AtomicFile, MakesTheDirectoryAndReplacesTheFileWhole) {
    const TempDirectory temporary;
    const auto file = temporary.path() / "a" / "b" / "settings.toml";
    EXPECT_EQ(writeFileAtomically(file, "first version, longer"), "");
    EXPECT_EQ(writeFileAtomically(file, "second"), "");
    EXPECT_EQ(fileBytes(file), "second");
    EXPECT_EQ(entries(file.parent_path()), 1);
}

TEST(AtomicFile, AFailedStepLeavesTheOldFileWholeAndNoTemporary) {
    for (const WriteStep failing : {WriteStep::Write, WriteStep::Sync, WriteStep::Rename}) {
        const TempDirectory temporary;
        const auto file = temporary.path() / "progress.toml";
        temporary.write("progress.toml", "old bytes");
        const auto fault = [failing](WriteStep step) { return step == failing ? ENOSPC : 0; };
        EXPECT_EQ(writeFileAtomically(file, "new bytes", fault), std::strerror(ENOSPC));
        EXPECT_EQ(fileBytes(file), "old bytes");
        EXPECT_EQ(entries(temporary.path()), 1) << static_cast<int>(failing);
    }
}
