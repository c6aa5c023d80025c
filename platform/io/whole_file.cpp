#include "platform/io/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/codecs/picture_sink.h"

namespace marevisk {
namespace {

void Say(std::string* reason, const std::string& text) {
    if (reason) *reason = text;
}

std::string SystemError(int err) {
    return std::strerror(err);
}

}  // namespace

std::string ReadWholeFile(const std::string& path, std::string* reason) {
    if (path.empty()) return Say(reason, why::kEmpty), std::string();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Say(reason, SystemError(errno)), std::string();
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return Say(reason, why::kEmpty), std::string();
    }
    if (st.st_size > kMaxPictureFileBytes) {
        ::close(fd);
        return Say(reason, why::kFileTooLarge), std::string();
    }
    std::string bytes(std::size_t(st.st_size), '\0');
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;  // a read that stops early gives what was read
        got += std::size_t(n);
    }
    ::close(fd);
    bytes.resize(got);
    if (bytes.empty()) Say(reason, why::kEmpty);
    return bytes;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes, std::string* reason) {
    if (path.empty()) return Say(reason, why::kEmpty), false;
    std::vector<char> temp(path.begin(), path.end());
    const char suffix[] = ".part-XXXXXX";
    temp.insert(temp.end(), suffix, suffix + sizeof suffix);  // includes the final zero
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return Say(reason, SystemError(errno)), false;
    // mkstemp makes the file private; give it the permissions a new file normally gets.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    std::size_t done = 0;
    int err = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            err = n < 0 ? errno : ENOSPC;
            break;
        }
        done += std::size_t(n);
    }
    if (err == 0 && ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err == 0 && ::rename(temp.data(), path.c_str()) != 0) err = errno;
    if (err != 0) {
        ::unlink(temp.data());
        return Say(reason, SystemError(err)), false;
    }
    return true;
}

}  // namespace marevisk
