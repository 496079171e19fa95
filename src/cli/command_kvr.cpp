#include "command_kvr.h"

#include "cli_exit_codes.h"
#include "command_line.h"
#include "config_texts.h"
#include "df1_config_content.h"
#include "hostlink_config_content.h"
#include "kvr_file.h"
#include "kvr_record_format.h"
#include "make_config_content.h"
#include "modbus_config_content.h"
#include "modbus_tag_editor_rules.h"
#include "qprot_errors.h"
#include "text_format.h"

#include <QCommandLineParser>

#include <memory>
#include <optional>

namespace qvs::cli {

namespace {

// A message box's "\r\n" is a line break on the terminal too.
QString Shown(const std::string& text)
{
    return QString::fromStdString(text).replace("\r\n", "\n");
}

// The rows that do not parse, as "Tag TAG3 "NAME": <conversion error>", each with its position.
template <typename Content, typename Tag>
std::vector<std::pair<int, std::string>> RowProblems(const Content& content)
{
    std::vector<std::pair<int, std::string>> problems;
    for (int i = 0; i < content.GetTagCount(); ++i) {
        Tag tag;
        try {
            content.GetTagFromList(i, tag);
        } catch (const ConversionError& e) {
            problems.emplace_back(i, "Tag TAG" + std::to_string(i) + " \"" +
                                         content.Rows()[static_cast<std::size_t>(i)].Caption +
                                         "\": " + e.what());
        }
    }
    return problems;
}

struct Reading {
    std::vector<std::string> RowProblems;
    std::string Record;  // JSON or text, of the rows that parse
};

template <typename Content, typename Tag>
Reading ReadRecord(const TConfigContent& base, bool json)
{
    const auto& content = static_cast<const Content&>(base);
    Reading reading;
    Content shown = content;
    const auto problems = RowProblems<Content, Tag>(content);
    for (auto it = problems.rbegin(); it != problems.rend(); ++it) {
        shown.SelectTag(it->first);
        shown.DeleteSelectedTag();
    }
    for (const auto& problem : problems) reading.RowProblems.push_back(problem.second);
    const auto config = std::make_unique<decltype(shown.GetAllConfig())>(shown.GetAllConfig());
    reading.Record = json ? RecordJson(*config) : RecordText(*config);
    return reading;
}

Reading Read(const TConfigContent& content, bool json)
{
    switch (content.Flavour()) {
    case ConfigFlavour::Hostlink: return ReadRecord<THostlinkConfigContent, THostlinkTagConfig>(content, json);
    case ConfigFlavour::DF1: return ReadRecord<TDF1ConfigContent, TDF1TagConfig>(content, json);
    case ConfigFlavour::Modbus: break;
    }
    return ReadRecord<TModbusConfigContent, TModbusTagConfig>(content, json);
}

// The Modbus tags that parse but that the tag editor would refuse, with the editor's message.
std::vector<std::string> EditorRefusals(const TConfigContent& base)
{
    std::vector<std::string> refusals;
    if (base.Flavour() != ConfigFlavour::Modbus) return refusals;
    const auto& content = static_cast<const TModbusConfigContent&>(base);
    for (int i = 0; i < content.GetTagCount(); ++i) {
        TModbusTagConfig tag;
        try {
            content.GetTagFromList(i, tag);
        } catch (const ConversionError&) {
            continue;  // reported with the rows that do not parse
        }
        if (const auto refusal = ModbusTagRefusal(tag, content.DecimalSeparator()))
            refusals.push_back("Tag TAG" + std::to_string(i) + " \"" + tag.Name + "\": " +
                               refusal->Message);
    }
    return refusals;
}

std::string Describe(const TValidationFailure& failure)
{
    std::string text = failure.Message + " [page \"" + PageTitle(failure.Page) + "\", " +
                       failure.Field;
    if (failure.Recipient >= 0) text += " #" + std::to_string(failure.Recipient + 1);
    return text + "]";
}

}  // namespace

int RunKvrCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Reads a kvr tag-configuration file.\n"
        "  show FILE   prints the whole configuration (reading warnings on standard error)\n"
        "  check FILE  prints every problem: reading warnings, validation, tag rows;\n"
        "              exit 0 when there is none, 1 otherwise");
    parser.addHelpOption();
    parser.addOption({"json", "show: print the configuration as JSON."});
    parser.addOption({"decimal-separator",
                      "Decimal separator of numbers in tag rows (default: the locale's).", "char"});
    parser.addPositionalArgument("show|check", "what to do");
    parser.addPositionalArgument("FILE", "the kvr file");
    if (const auto exit = ParseArguments(parser, arguments, out, err))
        return *exit;
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 2 || (positional[0] != "show" && positional[0] != "check")) {
        err << "usage: qvsctl kvr show FILE [--json] | qvsctl kvr check FILE\n";
        return kExitUsage;
    }
    char separator = SystemDecimalSeparator();
    if (parser.isSet("decimal-separator")) {
        const QString value = parser.value("decimal-separator");
        if (value.size() != 1 || value[0].unicode() > 0x7f) {
            err << "the decimal separator is one character, such as . or ,\n";
            return kExitUsage;
        }
        separator = value[0].toLatin1();
    }

    const std::string path = positional[1].toStdString();
    // A Modbus file, the commonest, is read once: the store of that reading tells the flavour.
    // A file of another flavour is read again by the content of its own class.
    auto content = MakeConfigContent(ConfigFlavour::Modbus, separator);
    std::optional<ConfigFlavour> flavour;
    if (content->Open(path))
        flavour = KvrFlavour(content->Store());
    if (flavour && *flavour != ConfigFlavour::Modbus) {
        content = MakeConfigContent(*flavour, separator);
        if (!content->Open(path))
            flavour.reset();
    }
    if (!flavour) {
        err << Shown(FormatText(texts::kFileNotRecognized, path)) << "\n";
        return kExitRefused;
    }
    for (const std::string& warning : content->ReadWarnings()) err << Shown(warning) << "\n";

    const Reading reading = Read(*content, parser.isSet("json"));
    if (positional[0] == "show") {
        for (const std::string& problem : reading.RowProblems) err << Shown(problem) << "\n";
        out << QString::fromStdString(reading.Record);
        return reading.RowProblems.empty() ? kExitOk : kExitRefused;
    }

    // The reading warnings are on standard error already; they count as problems all the same.
    std::vector<std::string> problems;
    for (const TValidationFailure& failure : content->AllProblems()) problems.push_back(Describe(failure));
    problems.insert(problems.end(), reading.RowProblems.begin(), reading.RowProblems.end());
    const std::vector<std::string> refusals = EditorRefusals(*content);
    problems.insert(problems.end(), refusals.begin(), refusals.end());
    for (const std::string& problem : problems) out << Shown(problem) << "\n";
    if (problems.empty() && content->ReadWarnings().empty()) {
        out << "No problems found.\n";
        return kExitOk;
    }
    return kExitRefused;
}

}  // namespace qvs::cli
