#pragma once

#include <QStringList>
#include <QTextStream>

namespace qvs::cli {

// qvsctl kvr show FILE [--json] | qvsctl kvr check FILE
int RunKvrCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace qvs::cli
