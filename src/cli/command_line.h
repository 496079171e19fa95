#pragma once

#include <QCommandLineParser>
#include <QStringList>
#include <QTextStream>

#include <optional>

namespace qvs::cli {

// Parses a command's arguments. An exit code when the command ends here: the parse error
// printed (usage), or --help printed (ok); nothing when the command goes on.
std::optional<int> ParseArguments(QCommandLineParser& parser, const QStringList& arguments, QTextStream& out,
                                  QTextStream& err);

// The --options FILE and --timeout MS of the commands that post to a gateway.
void AddExchangeOptions(QCommandLineParser& parser);
// The --timeout value; nothing when it is not a positive number.
std::optional<int> TimeoutOption(const QCommandLineParser& parser);

}  // namespace qvs::cli
