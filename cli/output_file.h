#pragma once
// An output file that appears complete or not at all: everything goes to a temporary file
// beside the target, which replaces the target only when all of it was written.

#include <cstdio>
#include <string>
#include <string_view>

namespace kelmira::cli {

class OutputFile {
  public:
    OutputFile() = default;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    // Removes the temporary file unless commit() succeeded.
    ~OutputFile();

    // Creates the temporary file; false with error() set when that is impossible.
    bool open(const std::string& target);
    std::FILE* stream() { return file_; }
    void write(std::string_view text);
    void line(std::string_view text);
    // Appends the whole content of another file.
    bool append(const std::string& path);
    // Flushes, closes and renames over the target.
    bool commit();
    // Throws the temporary file away.
    void discard();

    const std::string& target() const { return target_; }
    const std::string& tempPath() const { return temp_; }
    const std::string& error() const { return error_; }

  private:
    void fail(const char* what);
    std::string target_;
    std::string temp_;
    std::string error_;
    std::FILE* file_ = nullptr;
    bool failed_ = false;
};

}  // namespace kelmira::cli
