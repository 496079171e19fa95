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

}  // namespace qvs::cli
