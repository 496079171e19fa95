#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace qvs {

// Who may read a file that a save creates.
enum class FileAccess {
    Default,    // the usual rights (0666 less the umask); an existing file keeps its own rights
    OwnerOnly,  // read and write for the owner only (0600), also when the file existed before
};

// Result of IniStore::Save: Ok, or the message to show ("Cannot create file %s" filled in).
struct IniSaveResult {
    bool Ok = true;
    std::string Error;
    explicit operator bool() const { return Ok; }
};

// Writes `size` bytes from `data` to the open descriptor `fd`; returns the number written or
// -1. Lets tests make a save fail part way through; production uses ::write.
using IniWriteFunction = std::function<long(int fd, const char* data, std::size_t size)>;

// The content of one INI-style text file, held in memory: a kvr file of a configuration
// document, or qvs.ini.
//
// Loading: lines end with CR LF, LF or CR alone; any byte may occur; a leading UTF-8 byte-order
// mark is skipped. Each line is trimmed of
// blanks (bytes up to 0x20). Empty lines and lines beginning with ";" are dropped, and so are
// the lines before the first section. "[name]" opens a section (name trimmed); inside a section
// a line holding "=" is an entry (name before the first "=", value after it, both trimmed), and
// any other line is kept as it is and written back unchanged.
//
// Looking up: section and entry names compare without regard to ASCII letter case. When a name
// occurs twice, the last occurrence is the one read and written. Values are taken literally.
//
// Writing: an existing entry is replaced in place, a new entry goes to the end of its section,
// a new section after all others. Erasing a section removes every section of that name with all
// its lines.
//
// Saving writes, for each section in order, "[name]", its lines ("name=value"), then an empty
// line, every line ending with CR LF. The whole new file is written to a temporary file in the
// same folder and then renamed over the old one, so a failed save leaves the old file as it was.
class IniStore {
public:
    // Files larger than this are refused by Load instead of being read into memory.
    static constexpr std::uintmax_t kMaxFileSize = 64u * 1024u * 1024u;

    IniStore() = default;
    // An empty store bound to a file name (nothing is read).
    explicit IniStore(std::string fileName);

    const std::string& FileName() const { return m_fileName; }
    void SetFileName(std::string fileName) { m_fileName = std::move(fileName); }

    // Replaces the content with that of the file at `path` and binds the store to it. A file that
    // does not exist gives an empty store and true. A file that cannot be read (a folder, no
    // rights, larger than kMaxFileSize) gives an empty store and false.
    bool Load(const std::string& path);
    // Replaces the content with the parsed text.
    void LoadFromText(std::string_view text);
    // Empties the store; the file name stays.
    void Clear();

    // The text a save writes.
    std::string Text() const;
    // Saves to FileName() / to `path`. On failure the file at the path is unchanged.
    IniSaveResult Save(FileAccess access = FileAccess::Default) const;
    IniSaveResult Save(const std::string& path, FileAccess access = FileAccess::Default) const;
    // As Save, writing through `write` (for tests that make the write fail).
    IniSaveResult SaveWith(const std::string& path, FileAccess access,
                           const IniWriteFunction& write) const;

    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;
    // The value of an entry, or nothing when the section or the entry is absent.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // A decimal integer entry; the default when absent or not an integer.
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const;
    // True when the entry is a non-zero integer; the default when absent; false when it is present
    // but not an integer.
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

    // CR and LF in a name or value would split the line on the next load, so they are written as
    // blanks.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int32_t value);
    void WriteBool(std::string_view section, std::string_view key, bool value);  // "1" / "0"

    void EraseSection(std::string_view section);
    // Removes the entry (its last occurrence) when present.
    void DeleteKey(std::string_view section, std::string_view key);

    // Section names in file order (each occurrence of a repeated name).
    std::vector<std::string> SectionNames() const;
    // Entry names of a section, in order (duplicates once, at their last place's name).
    std::vector<std::string> KeyNames(std::string_view section) const;

private:
    struct Line {
        bool IsEntry = false;
        std::string Name;   // entry name, or the whole line when not an entry
        std::string Value;
    };
    struct Section {
        std::string Name;
        std::vector<Line> Lines;
        std::unordered_map<std::string, std::size_t> Keys;  // folded name -> last line index
        bool Erased = false;
    };

    const Section* FindSection(std::string_view name) const;
    Section* FindSection(std::string_view name);
    Section& AddSection(std::string_view name);
    static void AddLine(Section& section, Line line);

    std::string m_fileName;
    std::vector<Section> m_sections;  // erased sections stay as tombstones until Clear
    std::unordered_map<std::string, std::vector<std::size_t>> m_index;  // folded name -> live sections
};

}  // namespace qvs
