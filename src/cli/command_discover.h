#pragma once

#include <QStringList>
#include <QTextStream>

namespace qvs::cli {

// qvsctl discover [--target ADDR[:PORT]] [--wait MS] [--json]
int RunDiscoverCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace qvs::cli
