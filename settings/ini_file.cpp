#include "settings/ini_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <limits>
#include <sstream>
#include <system_error>
#include <utility>

#include "settings/cp1252.h"

namespace kelmira {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

// The profile functions drop one pair of matching quotes around a value.
std::string_view unquote(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

// Values that would lose blanks at their ends, or a pair of quotes, are quoted, so that the
// reader (this one or Windows) gets back exactly what was written.
std::string encodeValue(std::string_view value) {
    std::string v(value);
    for (char& c : v)
        if (c == '\r' || c == '\n') c = ' ';  // a line cannot hold a line break
    const bool needsQuotes =
        !v.empty() && (isBlank(v.front()) || isBlank(v.back()) || unquote(v).size() != v.size());
    return needsQuotes ? "\"" + v + "\"" : v;
}

bool hasLineBreak(std::string_view s) {
    return s.find('\n') != std::string_view::npos || s.find('\r') != std::string_view::npos;
}

bool storableSection(std::string_view section) {
    return !trim(section).empty() && !hasLineBreak(section);
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool readWholeFile(const std::filesystem::path& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) return false;
    out = buffer.str();
    return true;
}

bool writeAll(int fd, const std::string& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

bool IsStorableIniKey(std::string_view key) {
    const std::string_view k = trim(key);
    return !k.empty() && k.find('=') == std::string_view::npos && !hasLineBreak(k) &&
           k.front() != ';' && k.front() != '[';
}

bool ParseIniInteger(std::string_view text, std::int32_t& out) {
    std::string_view s = trim(text);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty()) return false;
    std::uint64_t value = 0;
    if (s.front() == '$' || (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X'))) {
        s.remove_prefix(s.front() == '$' ? 1 : 2);
        if (s.empty()) return false;
        for (char c : s) {
            const int d = hexDigit(c);
            if (d < 0) return false;
            value = value * 16 + static_cast<std::uint64_t>(d);
            if (value > 0xFFFFFFFFull) return false;
        }
        // Hexadecimal numbers cover all 32 bits, as colour values written by hand do.
        auto v = static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
        out = negative ? static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(v)) : v;
        return true;
    }
    const std::uint64_t limit = negative ? 2147483648ull : 2147483647ull;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > limit) return false;
    }
    out = negative ? static_cast<std::int32_t>(-static_cast<std::int64_t>(value))
                   : static_cast<std::int32_t>(value);
    return true;
}

std::string FoldIniName(std::string_view utf8) {
    std::string s = Utf8ToCp1252(trim(utf8));
    for (char& c : s) {
        auto b = static_cast<unsigned char>(c);
        if (b >= 'A' && b <= 'Z')
            b = static_cast<unsigned char>(b + 0x20);
        else if (b >= 0xC0 && b <= 0xDE && b != 0xD7)
            b = static_cast<unsigned char>(b + 0x20);
        else if (b == 0x8A || b == 0x8C || b == 0x8E)  // Š Œ Ž
            b = static_cast<unsigned char>(b + 0x10);
        else if (b == 0x9F)  // Ÿ
            b = 0xFF;
        c = static_cast<char>(b);
    }
    return s;
}

bool IniFile::open(const std::filesystem::path& path) {
    close();
    path_ = path;
    open_ = true;
    sections_.emplace_back();
    std::error_code ec;
    const bool exists = std::filesystem::exists(path, ec);
    if (ec || !exists) {
        readFailed_ = static_cast<bool>(ec);
        return !readFailed_;
    }
    std::string bytes;
    if (!readWholeFile(path, bytes)) {
        readFailed_ = true;
        return false;
    }
    // A file saved by an editor as UTF-8 with a byte-order mark stays UTF-8.
    if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        utf8Bom_ = true;
        parse(RepairUtf8(std::string_view(bytes).substr(3)));
    } else {
        parse(Cp1252ToUtf8(bytes));
    }
    return true;
}

void IniFile::close() {
    path_.clear();
    sections_.clear();
    open_ = false;
    readFailed_ = false;
    utf8Bom_ = false;
    dirty_ = false;
}

void IniFile::parse(std::string_view utf8) {
    std::size_t start = 0;
    while (start < utf8.size()) {
        // Lines end in CR LF, LF or a lone CR (as the profile functions read them), so no
        // value ever holds a line break that a rewrite could not keep.
        std::size_t end = utf8.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = utf8.size();
        const std::string_view raw = utf8.substr(start, end - start);
        start = end + (utf8.compare(end, 2, "\r\n") == 0 ? 2 : 1);

        const std::string_view t = trim(raw);
        if (!t.empty() && t.front() == '[') {
            Section s;
            s.hasHeader = true;
            s.headerRaw = std::string(raw);
            const std::size_t close = t.rfind(']');
            s.name = std::string(trim(t.substr(1, close == 0 || close == std::string_view::npos
                                                      ? std::string_view::npos
                                                      : close - 1)));
            s.folded = FoldIniName(s.name);
            sections_.push_back(std::move(s));
            continue;
        }
        Line line;
        line.raw = std::string(raw);
        const std::size_t eq = t.find('=');
        if (!t.empty() && t.front() != ';' && eq != std::string_view::npos && eq > 0) {
            line.isKey = true;
            line.key = std::string(trim(t.substr(0, eq)));
            line.folded = FoldIniName(line.key);
            line.value = std::string(unquote(trim(t.substr(eq + 1))));
            if (line.key.empty()) line.isKey = false;
        }
        sections_.back().lines.push_back(std::move(line));
    }
}

const IniFile::Section* IniFile::findSection(std::string_view section) const {
    const std::string folded = FoldIniName(section);
    if (folded.empty()) return nullptr;
    for (const Section& s : sections_)
        if (s.hasHeader && s.folded == folded) return &s;
    return nullptr;
}

IniFile::Section* IniFile::findSection(std::string_view section) {
    return const_cast<Section*>(std::as_const(*this).findSection(section));
}

const IniFile::Line* IniFile::findKey(const Section& s, std::string_view folded) {
    for (const Line& l : s.lines)
        if (l.isKey && l.folded == folded) return &l;
    return nullptr;
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    const Section* s = findSection(section);
    const Line* l = s ? findKey(*s, FoldIniName(key)) : nullptr;
    return l ? l->value : std::string(defaultValue);
}

std::int32_t IniFile::readInteger(std::string_view section, std::string_view key,
                                  std::int32_t defaultValue) const {
    const Section* s = findSection(section);
    const Line* l = s ? findKey(*s, FoldIniName(key)) : nullptr;
    std::int32_t v = 0;
    return l && ParseIniInteger(l->value, v) ? v : defaultValue;
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool IniFile::valueExists(std::string_view section, std::string_view key) const {
    const Section* s = findSection(section);
    return s && findKey(*s, FoldIniName(key));
}

bool IniFile::sectionExists(std::string_view section) const { return findSection(section); }

std::vector<std::string> IniFile::sections() const {
    std::vector<std::string> out;
    for (const Section& s : sections_)
        if (s.hasHeader) out.push_back(s.name);
    return out;
}

std::vector<std::string> IniFile::keys(std::string_view section) const {
    std::vector<std::string> out;
    if (const Section* s = findSection(section))
        for (const Line& l : s->lines)
            if (l.isKey) out.push_back(l.key);
    return out;
}

bool IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    if (!open_ || !storableSection(section) || !IsStorableIniKey(key)) return false;
    Section* s = findSection(section);
    if (!s) {
        Section fresh;
        fresh.hasHeader = true;
        fresh.name = std::string(trim(section));
        fresh.headerRaw = "[" + fresh.name + "]";
        fresh.folded = FoldIniName(fresh.name);
        sections_.push_back(std::move(fresh));
        s = &sections_.back();
    }
    const std::string folded = FoldIniName(key);
    Line* l = const_cast<Line*>(findKey(*s, folded));
    if (!l) {
        // After the last non-blank line, so blank lines that separate sections stay in place.
        std::size_t at = s->lines.size();
        while (at > 0 && trim(s->lines[at - 1].raw).empty()) --at;
        Line fresh;
        fresh.isKey = true;
        fresh.key = std::string(trim(key));
        fresh.folded = folded;
        l = &*s->lines.insert(s->lines.begin() + static_cast<std::ptrdiff_t>(at), fresh);
    }
    const std::string encoded = encodeValue(value);
    l->value = std::string(unquote(trim(encoded)));
    l->raw = l->key + "=" + encoded;
    dirty_ = true;
    return true;
}

bool IniFile::writeInteger(std::string_view section, std::string_view key, std::int32_t value) {
    return writeString(section, key, std::to_string(value));
}

bool IniFile::writeBool(std::string_view section, std::string_view key, bool value) {
    return writeString(section, key, value ? "1" : "0");
}

std::string IniFile::text() const {
    std::string out;
    for (const Section& s : sections_) {
        if (s.hasHeader) out += s.headerRaw + "\r\n";
        for (const Line& l : s.lines) out += l.raw + "\r\n";
    }
    return out;
}

bool IniFile::flush() {
    if (!open_ || readFailed_) return false;
    if (!dirty_) return true;

    std::error_code ec;
    std::filesystem::path target = path_;
    // Renaming over a link would replace the link, not the file it names.
    if (std::filesystem::is_symlink(target, ec)) {
        target = std::filesystem::canonical(path_, ec);
        if (ec) return false;
    }
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && (old.st_mode & S_IWUSR) == 0) return false;  // read-only attribute

    // Windows-1252 as long as it holds every text exactly; a single character it cannot hold
    // turns the whole file into UTF-8 with a byte-order mark, which readers recognise, rather
    // than storing a "?" in its place.
    const std::string utf8 = text();
    std::string content;
    if (!utf8Bom_) {
        content = Utf8ToCp1252(utf8);
        if (Cp1252ToUtf8(content) != utf8) utf8Bom_ = true;
    }
    if (utf8Bom_) content = "\xEF\xBB\xBF" + utf8;

    std::filesystem::path temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = target;
        temp += ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(attempt);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;
    bool ok = writeAll(fd, content);
    if (ok && exists) ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    if (ok) ok = ::fsync(fd) == 0;
    if (::close(fd) != 0) ok = false;
    if (ok) ok = ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    dirty_ = false;
    return true;
}

}  // namespace kelmira
