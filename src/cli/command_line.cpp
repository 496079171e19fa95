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

}  // namespace qvs::cli
