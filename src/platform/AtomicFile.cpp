#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace Vexmor::platform {

namespace {

int injected(const WriteFault& fault, WriteStep step) {
    return fault ? fault(step) : 0;
}

// 0 once all of `text` is written, else the errno.
int writeAll(int descriptor, const std::string& text, const WriteFault& fault) {
    if (const int failure = injected(fault, WriteStep::Write)) {
        return failure;
    }
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t written = ::write(descriptor, text.data() + done, text.size() - done);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        done += static_cast<std::size_t>(written);
    }
    return 0;
}

int syncToDisk(int descriptor, const WriteFault& fault) {
    if (const int failure = injected(fault, WriteStep::Sync)) {
        return failure;
    }
    return ::fsync(descriptor) == 0 ? 0 : errno;
}

int renameOver(const std::filesystem::path& from, const std::filesystem::path& to,
               const WriteFault& fault) {
    if (const int failure = injected(fault, WriteStep::Rename)) {
        return failure;
    }
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

} // namespace

std::string writeFileAtomically(const std::filesystem::path& file, const std::string& text,
                                const WriteFault& fault) {
    if (file.has_parent_path()) {
        std::error_code notMade;
        std::filesystem::create_directories(file.parent_path(), notMade);
        if (notMade) {
            return notMade.message();
        }
    }
    // Beside the file, so the rename stays on one file system; the pid keeps two running
    // games from writing into one temporary.
    const std::filesystem::path temporary =
        file.string() + ".tmp-" + std::to_string(static_cast<long>(::getpid()));
    const int descriptor =
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (descriptor < 0) {
        return std::strerror(errno);
    }
    int failure = writeAll(descriptor, text, fault);
    if (failure == 0) {
        failure = syncToDisk(descriptor, fault);
    }
    if (::close(descriptor) != 0 && failure == 0) {
        failure = errno;
    }
    if (failure == 0) {
        failure = renameOver(temporary, file, fault);
    }
    if (failure != 0) {
        ::unlink(temporary.c_str());
        return std::strerror(failure);
    }
    return "";
}

} // namespace Vexmor::platform
