#include "ini_store.h"

#include "config_texts.h"
#include "text_format.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace qvs {

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 0x20; }

std::string_view Trim(std::string_view text)
{
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

std::string Fold(std::string_view text)
{
    std::string folded(text);
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

std::string OneLine(std::string_view text)
{
    std::string line(text);
    for (char& c : line)
        if (c == '\r' || c == '\n') c = ' ';
    return line;
}

std::optional<int32_t> ToInteger(std::string_view text)
{
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty() || text.front() == '+') return std::nullopt;
    int32_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::atomic<unsigned> s_saveCounter{0};

long WriteToDescriptor(int fd, const char* data, std::size_t size)
{
    return static_cast<long>(::write(fd, data, size));
}

// The file a save really replaces: the target of a symbolic link, so that the link survives.
std::string ResolvedTarget(const std::string& path)
{
    std::error_code error;
    if (std::filesystem::is_symlink(path, error)) {
        auto target = std::filesystem::canonical(path, error);
        if (!error) return target.string();
    }
    return path;
}

}  // namespace

IniStore::IniStore(std::string fileName) : m_fileName(std::move(fileName)) {}

void IniStore::Clear()
{
    m_sections.clear();
    m_index.clear();
}

bool IniStore::Load(const std::string& path)
{
    Clear();
    m_fileName = path;
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) return true;
    if (error || !std::filesystem::is_regular_file(status)) return false;
    const auto size = std::filesystem::file_size(path, error);
    if (error || size > kMaxFileSize) return false;

    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    std::string text;
    text.resize(static_cast<std::size_t>(size));
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(file.gcount()));
    if (file.bad()) return false;
    LoadFromText(text);
    return true;
}

void IniStore::LoadFromText(std::string_view text)
{
    Clear();
    Section* current = nullptr;
    std::size_t pos = 0;
    // A file saved by an editor as UTF-8 may begin with a byte-order mark.
    if (text.substr(0, 3) == "\xEF\xBB\xBF") pos = 3;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = Trim(text.substr(pos, end - pos));
        pos = end;
        if (pos < text.size()) {
            if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') pos += 2;
            else ++pos;
        }

        if (line.empty() || line.front() == ';') continue;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            current = &AddSection(Trim(line.substr(1, line.size() - 2)));
            continue;
        }
        if (!current) continue;
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos)
            AddLine(*current, Line{false, std::string(line), {}});
        else
            AddLine(*current, Line{true, std::string(Trim(line.substr(0, eq))),
                                   std::string(Trim(line.substr(eq + 1)))});
    }
}

std::string IniStore::Text() const
{
    std::string text;
    for (const Section& section : m_sections) {
        if (section.Erased) continue;
        text += '[';
        text += section.Name;
        text += "]\r\n";
        for (const Line& line : section.Lines) {
            text += line.Name;
            if (line.IsEntry) {
                text += '=';
                text += line.Value;
            }
            text += "\r\n";
        }
        text += "\r\n";
    }
    return text;
}

IniSaveResult IniStore::Save(FileAccess access) const { return Save(m_fileName, access); }

IniSaveResult IniStore::Save(const std::string& path, FileAccess access) const
{
    return SaveWith(path, access, WriteToDescriptor);
}

IniSaveResult IniStore::SaveWith(const std::string& path, FileAccess access,
                                 const IniWriteFunction& write) const
{
    const IniSaveResult failed{false, FormatText(texts::kCannotCreateFile, path)};
    if (path.empty()) return failed;
    const std::string target = ResolvedTarget(path);
    const std::filesystem::path targetPath(target);

    // A new file gets 0666 or 0600 less the umask (applied by open); an existing one keeps its
    // rights, or becomes 0600 for OwnerOnly.
    const mode_t createMode = access == FileAccess::OwnerOnly ? 0600 : 0666;
    std::optional<mode_t> keptMode;
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0) {
        if (!S_ISREG(existing.st_mode)) return failed;
        keptMode = access == FileAccess::OwnerOnly ? 0600 : (existing.st_mode & 07777);
    }

    std::filesystem::path folder = targetPath.parent_path();
    if (folder.empty()) folder = ".";
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = (folder / ("." + targetPath.filename().string() + ".tmp" +
                               std::to_string(::getpid()) + "-" + std::to_string(++s_saveCounter)))
                        .string();
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                    createMode);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) return failed;

    const std::string text = Text();
    bool ok = !keptMode || ::fchmod(fd, *keptMode) == 0;
    std::size_t written = 0;
    while (ok && written < text.size()) {
        const long n = write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) ok = false;
        else written += static_cast<std::size_t>(n);
    }
    if (ok) ok = ::fsync(fd) == 0;
    if (::close(fd) != 0) ok = false;
    if (ok) ok = ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return failed;
    }
    return {};
}

const IniStore::Section* IniStore::FindSection(std::string_view name) const
{
    const auto found = m_index.find(Fold(name));
    if (found == m_index.end() || found->second.empty()) return nullptr;
    return &m_sections[found->second.back()];
}

IniStore::Section* IniStore::FindSection(std::string_view name)
{
    return const_cast<Section*>(std::as_const(*this).FindSection(name));
}

IniStore::Section& IniStore::AddSection(std::string_view name)
{
    m_sections.push_back(Section{std::string(name), {}, {}, false});
    m_index[Fold(name)].push_back(m_sections.size() - 1);
    return m_sections.back();
}

void IniStore::AddLine(Section& section, Line line)
{
    if (line.IsEntry) section.Keys[Fold(line.Name)] = section.Lines.size();
    section.Lines.push_back(std::move(line));
}

bool IniStore::SectionExists(std::string_view section) const { return FindSection(section); }

bool IniStore::ValueExists(std::string_view section, std::string_view key) const
{
    return Value(section, key).has_value();
}

std::optional<std::string> IniStore::Value(std::string_view section, std::string_view key) const
{
    const Section* found = FindSection(section);
    if (!found) return std::nullopt;
    const auto entry = found->Keys.find(Fold(key));
    if (entry == found->Keys.end()) return std::nullopt;
    return found->Lines[entry->second].Value;
}

std::string IniStore::ReadString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) const
{
    auto value = Value(section, key);
    return value ? std::move(*value) : std::string(defaultValue);
}

int32_t IniStore::ReadInteger(std::string_view section, std::string_view key,
                              int32_t defaultValue) const
{
    const auto value = Value(section, key);
    if (!value) return defaultValue;
    return ToInteger(*value).value_or(defaultValue);
}

bool IniStore::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const
{
    const auto value = Value(section, key);
    if (!value) return defaultValue;
    const auto number = ToInteger(*value);
    return number && *number != 0;
}

void IniStore::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    Section* found = FindSection(section);
    if (!found) found = &AddSection(OneLine(section));
    const auto entry = found->Keys.find(Fold(key));
    if (entry != found->Keys.end()) {
        found->Lines[entry->second].Value = OneLine(value);
        return;
    }
    AddLine(*found, Line{true, OneLine(key), OneLine(value)});
}

void IniStore::WriteInteger(std::string_view section, std::string_view key, int32_t value)
{
    WriteString(section, key, std::to_string(value));
}

void IniStore::WriteBool(std::string_view section, std::string_view key, bool value)
{
    WriteString(section, key, value ? "1" : "0");
}

void IniStore::EraseSection(std::string_view section)
{
    const auto found = m_index.find(Fold(section));
    if (found == m_index.end()) return;
    for (std::size_t index : found->second) {
        m_sections[index].Erased = true;
        m_sections[index].Lines.clear();
        m_sections[index].Keys.clear();
    }
    m_index.erase(found);
}

void IniStore::DeleteKey(std::string_view section, std::string_view key)
{
    Section* found = FindSection(section);
    if (!found) return;
    const auto entry = found->Keys.find(Fold(key));
    if (entry == found->Keys.end()) return;
    const std::size_t removed = entry->second;
    found->Lines.erase(found->Lines.begin() + static_cast<std::ptrdiff_t>(removed));
    found->Keys.clear();
    for (std::size_t i = 0; i < found->Lines.size(); ++i)
        if (found->Lines[i].IsEntry) found->Keys[Fold(found->Lines[i].Name)] = i;
}

std::vector<std::string> IniStore::SectionNames() const
{
    std::vector<std::string> names;
    for (const Section& section : m_sections)
        if (!section.Erased) names.push_back(section.Name);
    return names;
}

std::vector<std::string> IniStore::KeyNames(std::string_view section) const
{
    std::vector<std::string> names;
    const Section* found = FindSection(section);
    if (!found) return names;
    for (std::size_t i = 0; i < found->Lines.size(); ++i) {
        const Line& line = found->Lines[i];
        if (line.IsEntry && found->Keys.at(Fold(line.Name)) == i) names.push_back(line.Name);
    }
    return names;
}

}  // namespace qvs
