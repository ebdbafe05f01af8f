#include "export/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

namespace tw {

namespace {

bool write_all(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t done = ::write(fd, bytes.data(), bytes.size());
        if (done < 0 && errno == EINTR) continue;
        if (done <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(done));
    }
    return true;
}

}  // namespace

bool write_whole_file(const std::string& path, std::string_view bytes) {
    // mkstemp picks a name no other writer uses, in the target's folder so
    // that the rename cannot cross file systems.
    std::vector<char> temp(path.begin(), path.end());
    const std::string suffix = ".tmp-XXXXXX";
    temp.insert(temp.end(), suffix.begin(), suffix.end());
    temp.push_back('\0');
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    // mkstemp creates the file for its owner only; an export is an ordinary file.
    ::fchmod(fd, 0644);

    bool ok = write_all(fd, bytes);
    ok = ::fsync(fd) == 0 && ok;
    ok = ::close(fd) == 0 && ok;
    ok = ok && std::rename(temp.data(), path.c_str()) == 0;
    if (!ok) std::remove(temp.data());
    return ok;
}

}  // namespace tw
