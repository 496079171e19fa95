#pragma once

#include <QStringList>
#include <QString>
#include <QTextStream>

namespace qvs::cli {

// qvsctl get --from HOST [--remote RHOST] --password PW -o FILE [--force]
int RunGetCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace qvs::cli
