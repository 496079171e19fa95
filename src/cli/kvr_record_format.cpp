#include "kvr_record_format.h"

#include "float_text.h"
#include "tag_lists.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace qvs::cli {

namespace {

bool IsUtf8(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t extra = 0;
        if (c < 0x80) extra = 0;
        else if ((c >> 5) == 0x6) extra = 1;
        else if ((c >> 4) == 0xE) extra = 2;
        else if ((c >> 3) == 0x1E) extra = 3;
        else return false;
        if (i + extra >= text.size() && extra > 0) return false;
        for (std::size_t k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(text[i + k]) >> 6) != 0x2) return false;
        i += extra + 1;
    }
    return true;
}

// Record texts are 8-bit; JSON wants UTF-8. Valid UTF-8 passes, anything else is read as Latin-1.
std::string AsUtf8(const std::string& text)
{
    if (IsUtf8(text)) return text;
    std::string utf8;
    for (unsigned char c : text) {
        if (c < 0x80) {
            utf8 += static_cast<char>(c);
        } else {
            utf8 += static_cast<char>(0xC0 | (c >> 6));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return utf8;
}

// One description of each record, written either as JSON or as text.
class Writer {
public:
    virtual ~Writer() = default;
    virtual void Begin(const char* name) = 0;  // an object; nullptr inside an array
    virtual void End() = 0;
    virtual void BeginArray(const char* name) = 0;
    virtual void EndArray() = 0;
    virtual void Field(const char* name, const std::string& value) = 0;
    virtual void Number(const char* name, long long value, const std::string& meaning = {}) = 0;
    virtual void Real(const char* name, float value) = 0;
    virtual void Boolean(const char* name, bool value) = 0;
};

class JsonWriter : public Writer {
public:
    std::string Text() const { return m_text + "\n"; }

    void Begin(const char* name) override { Key(name); m_text += "{"; m_first.push_back(true); }
    void End() override { m_first.pop_back(); Newline(); m_text += "}"; }
    void BeginArray(const char* name) override { Key(name); m_text += "["; m_first.push_back(true); }
    void EndArray() override { m_first.pop_back(); Newline(); m_text += "]"; }
    void Field(const char* name, const std::string& value) override { Key(name); Quoted(value); }
    void Number(const char* name, long long value, const std::string&) override
    {
        Key(name);
        m_text += std::to_string(value);
    }
    void Real(const char* name, float value) override
    {
        Key(name);
        m_text += std::isfinite(value) ? FloatText(value, '.') : "null";
    }
    void Boolean(const char* name, bool value) override { Key(name); m_text += value ? "true" : "false"; }

private:
    void Newline()
    {
        m_text += "\n";
        m_text.append(2 * m_first.size(), ' ');
    }
    void Key(const char* name)
    {
        if (m_first.empty()) return;
        if (!m_first.back()) m_text += ",";
        m_first.back() = false;
        Newline();
        if (name) {
            Quoted(name);
            m_text += ": ";
        }
    }
    void Quoted(const std::string& value)
    {
        m_text += '"';
        for (char c : AsUtf8(value)) {
            switch (c) {
            case '"': m_text += "\\\""; break;
            case '\\': m_text += "\\\\"; break;
            case '\n': m_text += "\\n"; break;
            case '\r': m_text += "\\r"; break;
            case '\t': m_text += "\\t"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
                    m_text += escaped;
                } else {
                    m_text += c;
                }
            }
        }
        m_text += '"';
    }

    std::string m_text;
    std::vector<bool> m_first;
};

class TextWriter : public Writer {
public:
    std::string Text() const { return m_text; }

    void Begin(const char* name) override
    {
        if (name) Line(std::string(name) + ":");
        else if (!m_index.empty()) Line("[" + std::to_string(m_index.back()++) + "]");
        ++m_depth;
    }
    void End() override { --m_depth; }
    void BeginArray(const char* name) override { Line(std::string(name) + ":"); ++m_depth; m_index.push_back(0); }
    void EndArray() override { --m_depth; m_index.pop_back(); }
    void Field(const char* name, const std::string& value) override { Value(name, value); }
    void Number(const char* name, long long value, const std::string& meaning) override
    {
        Value(name, std::to_string(value) + (meaning.empty() ? "" : " (" + meaning + ")"));
    }
    void Real(const char* name, float value) override { Value(name, FloatText(value, '.')); }
    void Boolean(const char* name, bool value) override { Value(name, value ? "yes" : "no"); }

private:
    void Value(const char* name, const std::string& value)
    {
        if (name) Line(std::string(name) + ": " + value);
        else Line("[" + std::to_string(m_index.back()++) + "] " + value);
    }
    void Line(const std::string& text)
    {
        m_text.append(2 * static_cast<std::size_t>(m_depth), ' ');
        m_text += text;
        m_text += '\n';
    }

    std::string m_text;
    int m_depth = -1;  // the record itself is written without indentation
    std::vector<int> m_index;
};

void Describe(Writer& w, const char* name, const TTagValue& value)
{
    w.Begin(name);
    w.Real("AsFloat", value.AsFloat);
    w.Number("AsInteger", value.AsInteger);
    w.Boolean("AsDigital", value.AsDigital);
    w.End();
}

template <typename Tag>
void DescribeLimits(Writer& w, const Tag& tag)
{
    w.Boolean("ReadOnly", tag.ReadOnly);
    w.Boolean("WriteLimits", tag.WriteLimits);
    Describe(w, "WriteMin", tag.WriteMin);
    Describe(w, "WriteMax", tag.WriteMax);
    w.Boolean("AlarmEnable", tag.AlarmEnable);
    w.Boolean("AlarmEmail", tag.AlarmEmail);
    Describe(w, "AlarmMin", tag.AlarmMin);
    Describe(w, "AlarmMax", tag.AlarmMax);
    w.Number("Scale", tag.Scale, GetScaleText(tag.Scale));
    w.Real("FactorA", tag.FactorA);
    w.Real("FactorB", tag.FactorB);
    static constexpr const char* kKinds[] = {"digital", "integer", "float"};
    w.Number("Kind", tag.Kind, ListText(kKinds, tag.Kind));
}

void Describe(Writer& w, const TModbusTagConfig& tag)
{
    w.Begin(nullptr);
    w.Field("Name", tag.Name);
    w.Number("Source", tag.Source, GetModbusSourceText(tag.Source));
    w.Number("UnitId", tag.UnitId);
    w.Number("TagType", tag.TagType, GetModbusTypeText(tag.TagType));
    w.Number("RegisterTable", tag.RegisterTable, GetModbusFunctionText(tag.RegisterTable));
    w.Number("Address", tag.Address);
    w.Number("BitPosition", tag.BitPosition);
    w.Boolean("Enron", tag.Enron);
    DescribeLimits(w, tag);
    w.Boolean("Trap", tag.Trap);
    w.End();
}

void Describe(Writer& w, const THostlinkTagConfig& tag)
{
    w.Begin(nullptr);
    w.Field("Name", tag.Name);
    w.Number("Source", tag.Source, GetHostlinkSourceText(tag.Source));
    w.Number("UnitId", tag.UnitId);
    w.Number("TagType", tag.TagType, GetTypeText(tag.TagType));
    w.Number("RegisterTable", tag.RegisterTable, GetHostlinkFunctionText(tag.RegisterTable));
    w.Number("Address", tag.Address);
    w.Number("BitPosition", tag.BitPosition);
    DescribeLimits(w, tag);
    w.End();
}

void Describe(Writer& w, const TDF1TagConfig& tag)
{
    w.Begin(nullptr);
    w.Field("Name", tag.Name);
    w.Number("Source", tag.Source, GetDF1SourceText(tag.Source));
    w.Number("TagType", tag.TagType, GetTypeText(tag.TagType));
    w.Number("FileType", tag.FileType, GetDF1FileTypeText(tag.FileType));
    w.Number("FileNumber", tag.FileNumber);
    w.Number("WordNumber", tag.WordNumber);
    w.Number("BitPosition", tag.BitPosition);
    DescribeLimits(w, tag);
    w.End();
}

void Describe(Writer& w, const TEmailConfig& email)
{
    w.Begin("Email");
    w.Boolean("Enable", email.Enable);
    w.Field("Server", email.Server);
    w.Number("Timeout", email.Timeout);
    w.Number("Retries", email.Retries);
    w.Number("RetryInterval", email.RetryInterval);
    w.Field("From", email.From);
    w.BeginArray("Recipients");
    for (const std::string& address : email.Recipients) w.Field(nullptr, address);
    w.EndArray();
    w.Number("RecipientCount", email.RecipientCount);
    w.Boolean("Auth", email.Auth);
    w.Field("User", email.User);
    w.Field("Password", email.Password);
    w.End();
}

template <typename Config>
void DescribeTags(Writer& w, const Config& config)
{
    Describe(w, config.Email);
    w.Number("TagCount", config.TagCount);
    w.BeginArray("Tags");
    for (int i = 0; i < config.TagCount && i < kMaxTags; ++i)
        Describe(w, config.Tags[static_cast<std::size_t>(i)]);
    w.EndArray();
}

void DescribeCommon(Writer& w, const char* flavour, uint8_t comType, uint8_t baudRate)
{
    w.Field("Flavour", flavour);
    w.Number("ComType", comType, ListText(lists::kComType, comType));
    w.Number("BaudRate", baudRate, ListText(lists::kBaudRate, baudRate));
}

void Describe(Writer& w, const TModbusKavroConfig& config)
{
    w.Begin(nullptr);
    DescribeCommon(w, "MB", config.ComType, config.BaudRate);
    w.Number("Parity", config.Parity, ListText(lists::kParity, config.Parity));
    w.Number("Format", config.Format, ListText(lists::kFormat, config.Format));
    w.Number("ScanTime", config.ScanTime);
    w.Number("MessageTimeout", config.MessageTimeout);
    w.Number("PacketTimeout", config.PacketTimeout);
    DescribeTags(w, config);
    w.End();
}

void Describe(Writer& w, const THostlinkKavroConfig& config)
{
    w.Begin(nullptr);
    DescribeCommon(w, "HL", config.ComType, config.BaudRate);
    w.Number("Parity", config.Parity, ListText(lists::kParity, config.Parity));
    w.Number("ScanTime", config.ScanTime);
    w.Number("MessageTimeout", config.MessageTimeout);
    DescribeTags(w, config);
    w.End();
}

void Describe(Writer& w, const TDF1KavroConfig& config)
{
    w.Begin(nullptr);
    DescribeCommon(w, "DF1", config.ComType, config.BaudRate);
    w.Number("DataBits", config.DataBits);
    w.Number("Parity", config.Parity, ListText(lists::kParity, config.Parity));
    w.Number("ErrorDetection", config.ErrorDetection,
             ListText(lists::kErrorDetection, config.ErrorDetection));
    w.Number("ScanTime", config.ScanTime);
    w.Number("MessageTimeout", config.MessageTimeout);
    DescribeTags(w, config);
    w.End();
}

template <typename Config>
std::string Json(const Config& config)
{
    JsonWriter w;
    Describe(w, config);
    return w.Text();
}

template <typename Config>
std::string Text(const Config& config)
{
    TextWriter w;
    Describe(w, config);
    return w.Text();
}

}  // namespace

std::string RecordJson(const TModbusKavroConfig& c) { return Json(c); }
std::string RecordJson(const THostlinkKavroConfig& c) { return Json(c); }
std::string RecordJson(const TDF1KavroConfig& c) { return Json(c); }
std::string RecordText(const TModbusKavroConfig& c) { return Text(c); }
std::string RecordText(const THostlinkKavroConfig& c) { return Text(c); }
std::string RecordText(const TDF1KavroConfig& c) { return Text(c); }

}  // namespace qvs::cli
