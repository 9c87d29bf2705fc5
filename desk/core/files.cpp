#include "desk/core/files.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace plix {

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

bool writeFileAtomic(const std::filesystem::path& path, const std::string& data) {
    std::filesystem::path temp = path;
    temp += ".tmp";
    FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(data.data(), 1, data.size(), f) == data.size();
    ok = std::fflush(f) == 0 && ok;
    ok = ::fsync(fileno(f)) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    std::error_code ec;
    if (ok) std::filesystem::rename(temp, path, ec);
    if (!ok || ec) {
        std::filesystem::remove(temp, ec);
        return false;
    }
    return true;
}

bool appendToFile(const std::filesystem::path& path, const std::string& data) {
    std::ofstream out(path, std::ios::binary | std::ios::app);
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
    return static_cast<bool>(out);
}

}  // namespace plix
