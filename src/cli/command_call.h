#pragma once

#include <QStringList>
#include <QTextStream>

namespace qvs::cli {

// qvsctl call HOST PACKET [--remote RHOST] [--app]
int RunCallCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace qvs::cli
