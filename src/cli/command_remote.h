#pragma once

#include <QStringList>
#include <QTextStream>

namespace qvs::cli {

// qvsctl remote HOST [--json] [--options FILE] [--timeout MS]
int RunRemoteCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace qvs::cli
