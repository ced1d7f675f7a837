#include "settings/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <system_error>

namespace kelmira {

bool FileSystem::exists(const std::filesystem::path& p) const {
    std::error_code ec;
    return std::filesystem::exists(p, ec);
}

bool FileSystem::createEmptyFile(const std::filesystem::path& p) const {
    const int fd = ::open(p.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    return ::close(fd) == 0;
}

FileAccess FileSystem::fileAccess(const std::filesystem::path& p) const {
    struct stat st {};
    if (::stat(p.c_str(), &st) != 0) return FileAccess::Unreadable;
    if ((st.st_mode & S_IWUSR) == 0) return FileAccess::ReadOnly;
    if (::access(p.c_str(), W_OK) != 0) return FileAccess::ReadOnly;
    return FileAccess::Writable;
}

bool FileSystem::folderWritable(const std::filesystem::path& p) const {
    struct stat st {};
    if (::stat(p.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
    return ::access(p.c_str(), W_OK | X_OK) == 0;
}

bool FileSystem::createFolders(const std::filesystem::path& p) const {
    std::error_code ec;
    std::filesystem::create_directories(p, ec);
    return !ec && std::filesystem::is_directory(p, ec);
}

const FileSystem& DefaultFileSystem() {
    static const FileSystem fs;
    return fs;
}

}  // namespace kelmira
