#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace Vexmor::platform {

enum class WriteStep { Write, Sync, Rename };
// Lets a test fail one step: the errno that step fails with, or 0 to let it run.
using WriteFault = std::function<int(WriteStep)>;

// Replaces `file` with `text` so that it is always either the old file or the new one,
// whole: writes "<file>.tmp-<pid>" beside it (making the directory when it is missing),
// syncs that to the disk and renames it over `file`. Returns "" once done, else why not
// (strerror's text); then the old file is as it was and the temporary is gone.
std::string writeFileAtomically(const std::filesystem::path& file, const std::string& text,
                                const WriteFault& fault = {});

} // namespace Vexmor::platform
