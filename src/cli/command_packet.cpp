#include "command_packet.h"

#include "cli_exit_codes.h"
#include "command_line.h"
#include "qprot_errors.h"
#include "qprot_packet.h"

#include <QCommandLineParser>

namespace qvs::cli {

namespace {

int Build(const QStringList& positional, QTextStream& out, QTextStream& err)
{
    if (positional.size() < 2) {
        err << "usage: qvsctl packet build NAME [KEY=VALUE...]\n";
        return kExitUsage;
    }
    TPacket packet;
    packet.NewPacket(positional[1].toStdString());
    for (const QString& pair : positional.mid(2)) {
        const auto eq = pair.indexOf('=');
        if (eq <= 0) {
            err << "not a KEY=VALUE pair: " << pair << "\n";
            return kExitUsage;
        }
        packet.AddString(pair.left(eq).toStdString(), pair.mid(eq + 1).toStdString());
    }
    out << QString::fromStdString(packet.GetText()) << "\n";
    return kExitOk;
}

QString ReadValue(const TPacket& packet, const std::string& key, const QString& type)
{
    if (type == "integer")
        return QString::number(packet.GetInteger(key, 0));
    if (type == "boolean")
        return packet.GetBoolean(key, false) ? "true" : "false";
    if (type == "float")
        return QString::number(packet.GetFloat(key, 0), 'g', 15);
    if (type == "datetime") {
        const auto f = SplitLocalDateTime(packet.GetDateTime(key, LocalDateTime{}));
        return QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", f.Year, f.Month, f.Day, f.Hour,
                                 f.Minute, f.Second);
    }
    return QString::fromStdString(packet.GetString(key, ""));
}

int Get(const QStringList& positional, const QString& type, QTextStream& out, QTextStream& err)
{
    if (positional.size() != 3) {
        err << "usage: qvsctl packet get TEXT KEY [--type string|integer|boolean|float|datetime]\n";
        return kExitUsage;
    }
    static const QStringList types = {"string", "integer", "boolean", "float", "datetime"};
    if (!types.contains(type)) {
        err << "unknown type: " << type << "\n";
        return kExitUsage;
    }
    const TPacket packet(positional[1].toStdString());
    try {
        out << ReadValue(packet, positional[2].toStdString(), type) << "\n";
        return kExitOk;
    } catch (const QProtError& e) {
        err << QString::fromStdString(e.what()) << "\n";
        return kExitRefused;
    }
}

}  // namespace

int RunPacketCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription("Builds or reads a QProt packet.");
    parser.addHelpOption();
    parser.addOption({"type", "Value kind for get: string, integer, boolean, float, datetime.",
                      "type", "string"});
    parser.addPositionalArgument("build|get", "build NAME KEY=VALUE... | get TEXT KEY");
    if (const auto exit = ParseArguments(parser, arguments, out, err))
        return *exit;
    const QStringList positional = parser.positionalArguments();
    if (!positional.isEmpty() && positional[0] == "build")
        return Build(positional, out, err);
    if (!positional.isEmpty() && positional[0] == "get")
        return Get(positional, parser.value("type"), out, err);
    err << "usage: qvsctl packet build|get ...\n";
    return kExitUsage;
}

}  // namespace qvs::cli
