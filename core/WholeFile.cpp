// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/WholeFile.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Writes all the bytes to an open file; the error number, or 0.
int writeAll(int file, const std::string& bytes)
{
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(file, bytes.data() + written, bytes.size() - written);
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        written += std::size_t(count);
    }
    return 0;
}

// Something that is not a file of its own (a terminal, a pipe, /dev/null) is written to
// as it is: it cannot be replaced, and must not be.
bool writeInPlace(const std::string& path, const std::string& bytes, std::string& reason)
{
    const int file = ::open(path.c_str(), O_WRONLY | O_TRUNC);
    if (file < 0) {
        reason = std::strerror(errno);
        return false;
    }
    const int error = writeAll(file, bytes);
    const bool closed = ::close(file) == 0;
    if (error != 0 || !closed) {
        reason = std::strerror(error != 0 ? error : errno);
        return false;
    }
    return true;
}

}

bool writeWhole(const std::string& given, const std::string& bytes, std::string& reason)
{
    // A link is followed: the file it names is the one replaced, and the link stays.
    std::string path = given;
    char resolved[PATH_MAX];
    struct stat status {};
    if (::lstat(given.c_str(), &status) == 0 && S_ISLNK(status.st_mode) && ::realpath(given.c_str(), resolved))
        path = resolved;
    if (::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
        if (S_ISDIR(status.st_mode)) {
            reason = std::strerror(EISDIR);
            return false;
        }
        return writeInPlace(path, bytes, reason);
    }

    const std::size_t slash = path.find_last_of('/');
    std::string temporary = (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + ".tavinel-XXXXXX";
    const int file = mkstemp(temporary.data());
    if (file < 0) {
        reason = std::strerror(errno);
        return false;
    }
    // As an ordinary new file would be: readable by all, as the umask allows.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(file, 0666 & ~mask);
    const int writeError = writeAll(file, bytes);
    const bool closed = ::close(file) == 0;
    if (writeError != 0 || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        reason = std::strerror(writeError != 0 ? writeError : errno);
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
