#include "files/whole_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace files {
namespace {

std::string systemError(const char* what)
{
    return std::string(what) + ": " + std::strerror(errno);
}

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

}  // namespace

ReadResult readWholeFile(const std::filesystem::path& path, std::size_t maxBytes)
{
    ReadResult result;
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        result.error = errno == ENOENT ? ReadError::NotFound : ReadError::Unreadable;
        return result;
    }
    std::string bytes;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            result.error = ReadError::Unreadable;
            return result;
        }
        if (n == 0)
            break;
        if (bytes.size() + static_cast<size_t>(n) > maxBytes) {
            result.error = ReadError::TooLarge;
            return result;
        }
        bytes.append(buffer, static_cast<size_t>(n));
    }
    result.bytes = std::move(bytes);
    return result;
}

std::string writeWholeFile(const std::filesystem::path& path, std::string_view bytes)
{
    const std::filesystem::path dir = path.has_parent_path() ? path.parent_path() : ".";
    std::string temp = (dir / ("." + path.filename().string() + ".XXXXXX")).string();
    Fd fd(::mkstemp(temp.data()));
    if (fd.get() < 0)
        return systemError("cannot create a file in the folder");
    auto fail = [&](const char* what) {
        std::string reason = systemError(what);
        ::unlink(temp.c_str());
        return reason;
    };
    for (size_t written = 0; written < bytes.size();) {
        const ssize_t n = ::write(fd.get(), bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail("cannot write");
        }
        written += static_cast<size_t>(n);
    }
    if (::fsync(fd.get()) != 0)
        return fail("cannot write");
    // mkstemp makes the file private; a replaced file keeps the usual permissions.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd.get(), 0666 & ~mask);
    if (::close(fd.release()) != 0)
        return fail("cannot write");
    if (std::rename(temp.c_str(), path.c_str()) != 0)
        return fail("cannot replace");
    return {};
}

std::vector<std::string> splitLines(std::string_view bytes)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        lines.emplace_back(bytes.substr(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.emplace_back(bytes.substr(start));
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines)
{
    size_t size = 0;
    for (const auto& line : lines)
        size += line.size() + 2;
    std::string out;
    out.reserve(size);
    for (const auto& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

}  // namespace files
