#include "cli/output_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace kelmira::cli {

OutputFile::~OutputFile() { discard(); }

void OutputFile::fail(const char* what) {
    if (failed_) return;
    failed_ = true;
    error_ = "cannot " + std::string(what) + " '" + target_ + "': " + std::strerror(errno);
}

bool OutputFile::open(const std::string& target) {
    target_ = target;
    // An existing file that may not be written is not silently replaced by the rename.
    if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0) {
        fail("write");
        return false;
    }
    std::vector<char> name(target.begin(), target.end());
    for (const char c : std::string_view(".tmp-XXXXXX")) name.push_back(c);
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        fail("create");
        return false;
    }
    temp_ = name.data();
    // mkstemp makes the file private; the result should get the usual permissions.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    file_ = ::fdopen(fd, "wb");
    if (!file_) {
        fail("create");
        ::close(fd);
        ::unlink(temp_.c_str());
        temp_.clear();
        return false;
    }
    return true;
}

void OutputFile::write(std::string_view text) {
    if (!file_ || failed_) return;
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) fail("write");
}

void OutputFile::line(std::string_view text) {
    write(text);
    write("\n");
}

bool OutputFile::append(const std::string& path) {
    std::FILE* in = std::fopen(path.c_str(), "rb");
    if (!in) {
        fail("read back");
        return false;
    }
    char buf[1 << 16];
    std::size_t n = 0;
    while ((n = std::fread(buf, 1, sizeof buf, in)) > 0) write(std::string_view(buf, n));
    const bool ok = !std::ferror(in);
    std::fclose(in);
    if (!ok) fail("read back");
    return ok && !failed_;
}

bool OutputFile::commit() {
    if (!file_) return false;
    if (std::fflush(file_) != 0) fail("write");
    if (std::fclose(file_) != 0) fail("write");
    file_ = nullptr;
    if (!failed_ && std::rename(temp_.c_str(), target_.c_str()) != 0) fail("replace");
    if (failed_) {
        ::unlink(temp_.c_str());
        temp_.clear();
        return false;
    }
    temp_.clear();
    return true;
}

void OutputFile::discard() {
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!temp_.empty()) {
        ::unlink(temp_.c_str());
        temp_.clear();
    }
}

}  // namespace kelmira::cli
