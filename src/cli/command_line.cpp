#include "command_line.h"

#include "cli_exit_codes.h"

namespace qvs::cli {

std::optional<int> ParseArguments(QCommandLineParser& parser, const QStringList& arguments, QTextStream& out,
                                  QTextStream& err)
{
    if (!parser.parse(arguments)) {
        err << parser.errorText() << "\n";
        return kExitUsage;
    }
    if (parser.isSet("help")) {
        out << parser.helpText();
        return kExitOk;
    }
    return std::nullopt;
}

void AddExchangeOptions(QCommandLineParser& parser)
{
    parser.addOption({"options", "The qvs.ini to take the proxy from (default: the usual one).", "FILE"});
    parser.addOption({"timeout", "Read time-out in ms.", "MS", "20000"});
}

std::optional<int> TimeoutOption(const QCommandLineParser& parser)
{
    bool ok = false;
    const int timeout = parser.value("timeout").toInt(&ok);
    if (!ok || timeout <= 0)
        return std::nullopt;
    return timeout;
}

}  // namespace qvs::cli
