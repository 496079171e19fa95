#pragma once

#include <QStringList>
#include <QTextStream>

namespace qvs::cli {

// qvsctl packet build NAME KEY=VALUE... | qvsctl packet get TEXT KEY [--type T]
int RunPacketCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace qvs::cli
