// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/WholeFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool writeWhole(const std::string& path, const std::string& bytes, std::string& reason)
{
    const std::size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    std::string temporary = (slash == std::string::npos ? std::string() : folder) + ".tavinel-XXXXXX";
    const int file = mkstemp(temporary.data());
    if (file < 0) {
        reason = std::strerror(errno);
        return false;
    }
    // As an ordinary new file would be: readable by all, as the umask allows.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(file, 0666 & ~mask);
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(file, bytes.data() + written, bytes.size() - written);
        if (count < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        written += std::size_t(count);
    }
    const int writeError = written == bytes.size() ? 0 : errno;
    const bool closed = ::close(file) == 0;
    if (writeError != 0 || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        reason = std::strerror(writeError != 0 ? writeError : errno);
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
