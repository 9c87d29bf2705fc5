#include "desk/core/files.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

namespace plix {
namespace {

bool failed(std::string* why, int error) {
    if (why) *why = std::strerror(error);
    return false;
}

// Writes through a temporary file created with the given mode; the rename
// gives the file that mode.
bool writeThroughTemp(const std::filesystem::path& path, const std::string& data, std::string* why,
                      mode_t mode) {
    std::filesystem::path temp = path;
    temp += ".tmp";
    ::unlink(temp.c_str());  // a left-over temporary file would keep its own mode
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    FILE* f = fd < 0 ? nullptr : ::fdopen(fd, "wb");
    if (!f) {
        const int error = errno;
        if (fd >= 0) ::close(fd);
        return failed(why, error);
    }
    bool ok = std::fwrite(data.data(), 1, data.size(), f) == data.size();
    ok = std::fflush(f) == 0 && ok;
    ok = ::fsync(fileno(f)) == 0 && ok;
    const int writeError = ok ? 0 : errno;
    ok = std::fclose(f) == 0 && ok;
    const int error = writeError != 0 ? writeError : errno;
    std::error_code ec;
    if (ok) std::filesystem::rename(temp, path, ec);
    if (!ok || ec) {
        if (why) *why = ec ? ec.message() : std::strerror(error);
        std::filesystem::remove(temp, ec);
        return false;
    }
    return true;
}

}  // namespace

std::optional<std::string> readWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string readRecordFile(const std::filesystem::path& path, std::size_t size) {
    std::string record(size, '\0');
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::ofstream create(path, std::ios::binary | std::ios::app);
        return record;
    }
    in.read(record.data(), static_cast<std::streamsize>(size));
    return record;
}

bool writeFileAtomic(const std::filesystem::path& path, const std::string& data, std::string* why) {
    return writeThroughTemp(path, data, why, 0666);  // less the umask, as for any new file
}

bool writePrivateFileAtomic(const std::filesystem::path& path, const std::string& data,
                            std::string* why) {
    return writeThroughTemp(path, data, why, 0600);
}

bool appendToFile(const std::filesystem::path& path, const std::string& data, std::string* why) {
    FILE* f = std::fopen(path.c_str(), "ab");
    if (!f) return failed(why, errno);
    bool ok = std::fwrite(data.data(), 1, data.size(), f) == data.size();
    ok = std::fflush(f) == 0 && ok;
    const int error = ok ? 0 : errno;
    ok = std::fclose(f) == 0 && ok;
    return ok || failed(why, error != 0 ? error : errno);
}

}  // namespace plix
