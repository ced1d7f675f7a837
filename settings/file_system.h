#pragma once
// The few file-system questions of the profile start-up, behind an interface so that the
// failure paths (a medium that cannot be written, a file that cannot be created) can be
// exercised even where the process may write everywhere.

#include <filesystem>

namespace kelmira {

enum class FileAccess {
    Writable,
    ReadOnly,    // the read-only attribute is set, or the medium refuses writing
    Unreadable,  // the attributes cannot be read
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;
    virtual bool exists(const std::filesystem::path& p) const;
    // Creates an empty file; false when that fails.
    virtual bool createEmptyFile(const std::filesystem::path& p) const;
    virtual FileAccess fileAccess(const std::filesystem::path& p) const;
    // A folder in which a file can be created.
    virtual bool folderWritable(const std::filesystem::path& p) const;
    virtual bool createFolders(const std::filesystem::path& p) const;
};

// The real file system. A file counts as read-only when its owner-write permission bit is
// clear (the counterpart of the Windows read-only attribute, effective also for a process
// that may write regardless of permissions) or when writing it is refused.
const FileSystem& DefaultFileSystem();

}  // namespace kelmira
