#pragma once
// Initialisation files with the rules of the Windows profile functions: sections and keys are
// found without regard to case, blanks around keys and values do not count, booleans are
// "1"/"0", integers decimal, and a value that cannot be read yields the caller's default.
// The file is Windows-1252 on disk, or UTF-8 with a byte-order mark once it holds a character
// that Windows-1252 lacks, and UTF-8 in memory. Everything a user wrote into the file
// (comments, unknown keys, the order of keys and sections) survives a rewrite.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kelmira {

class IniFile {
  public:
    IniFile() = default;
    explicit IniFile(const std::filesystem::path& path) { open(path); }

    // Binds the object to a file and loads it; a missing file reads as empty. False when the
    // file exists but could not be read: then every value reads as its default and flush()
    // refuses to replace the file, so that its content is not lost.
    bool open(const std::filesystem::path& path);
    // Unbinds and forgets everything, unsaved changes included.
    void close();

    bool isOpen() const { return open_; }
    const std::filesystem::path& path() const { return path_; }

    std::string readString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    std::int32_t readInteger(std::string_view section, std::string_view key,
                             std::int32_t defaultValue) const;
    bool readBool(std::string_view section, std::string_view key, bool defaultValue) const;

    bool valueExists(std::string_view section, std::string_view key) const;
    bool sectionExists(std::string_view section) const;
    // Section names and the keys of one section as they stand in the file, in file order.
    std::vector<std::string> sections() const;
    std::vector<std::string> keys(std::string_view section) const;

    // Changes are kept in memory until flush(). False when the section or key cannot be
    // stored in an initialisation file (see IsStorableIniKey); nothing changes then.
    bool writeString(std::string_view section, std::string_view key, std::string_view value);
    bool writeInteger(std::string_view section, std::string_view key, std::int32_t value);
    bool writeBool(std::string_view section, std::string_view key, bool value);

    // Writes pending changes: into a temporary file beside the target, then renamed over it,
    // so a failed write leaves the old file as it was. False when the file could not be
    // written (also when it is read-only or could not be read at open()).
    bool flush();
    bool dirty() const { return dirty_; }

    // The whole content as it would be written (UTF-8, CRLF line ends).
    std::string text() const;

  private:
    struct Line {
        std::string raw;  // the line as written, without its line end
        bool isKey = false;
        std::string key;     // trimmed, as written
        std::string folded;  // key for case-blind comparison
        std::string value;   // trimmed and unquoted
    };
    struct Section {
        bool hasHeader = false;
        std::string headerRaw;
        std::string name;
        std::string folded;
        std::vector<Line> lines;
    };

    const Section* findSection(std::string_view section) const;
    Section* findSection(std::string_view section);
    static const Line* findKey(const Section& s, std::string_view folded);
    void parse(std::string_view utf8);

    std::filesystem::path path_;
    std::vector<Section> sections_;  // [0] holds the lines before the first section header
    bool open_ = false;
    bool readFailed_ = false;
    bool utf8Bom_ = false;
    bool dirty_ = false;
};

// A key that an initialisation file can hold and find again: not empty after trimming, no
// "=" (the first "=" of a line ends its key), no line break, and not starting with ";" (a
// comment) or "[" (a section header).
bool IsStorableIniKey(std::string_view key);

// The Windows reading of integers: optional sign, decimal digits or a "$"/"0x" hexadecimal
// number, nothing else; false when the text is none of these or does not fit 32 bits.
bool ParseIniInteger(std::string_view text, std::int32_t& out);

// Case folding of the Windows-1252 form of a text, so that "Ä" and "ä" compare equal.
std::string FoldIniName(std::string_view utf8);

}  // namespace kelmira
