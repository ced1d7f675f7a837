#include "ui/app_paths.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>

#include "settings/profile.h"
#include "settings/text_table.h"

namespace kelmira {

std::filesystem::path FindDataFolder(const std::filesystem::path& programFolder) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::is_directory(programFolder / "Pic", ec)) return programFolder;
    const fs::path installed = (programFolder / ".." / "share" / "kelmira").lexically_normal();
    if (fs::is_directory(installed / "Pic", ec)) return installed;
    return programFolder;
}

std::string CreateFailureReason(const std::filesystem::path& file, const TextTable& texts) {
    std::error_code ec;
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
    if (!std::filesystem::is_directory(folder, ec)) return texts.get(txt::guide::kFolderMissing);
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd >= 0) {
        ::close(fd);
        return {};
    }
    const int error = errno;
    if (error == EACCES || error == EPERM || error == EROFS) return texts.get(txt::guide::kNoWritePermission);
    return std::strerror(error);
}

AppPaths ResolveAppPaths(const std::filesystem::path& programFolder,
                         const std::string& profileArgument) {
    AppPaths p;
    p.programFolder = programFolder;
    p.dataFolder = FindDataFolder(programFolder);
    // An installed program keeps the user's files out of /usr even when it could write there
    // (run as root): its own folder counts as not writable.
    struct InstalledFileSystem : FileSystem {
        std::filesystem::path programFolder;
        bool folderWritable(const std::filesystem::path& f) const override {
            return f != programFolder && FileSystem::folderWritable(f);
        }
    } installed;
    installed.programFolder = programFolder;
    const bool isInstalled = p.dataFolder != programFolder;
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    const ProfileFolder profile =
        isInstalled ? ResolveProfileFolder(profileArgument, programFolder, xdg ? xdg : "",
                                           home ? home : "", installed)
                    : ResolveProfileFolder(profileArgument, programFolder);
    p.profileFolder = profile.folder;
    p.profileFallbackLine = profile.traceLine;
    p.pictureFolder = p.dataFolder / "Pic";
    p.helpFile = p.dataFolder / "Help" / "Kelmira.html";
    return p;
}

}  // namespace kelmira
