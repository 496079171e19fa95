#pragma once

#include <QStringList>
#include <QString>
#include <QTextStream>

namespace qvs::cli {

// qvsctl send FILE --to HOST [--remote RHOST] --password PW [--yes]
int RunSendCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

// True when the stream writes to a terminal.
bool WritesToTerminal(QTextStream& stream);

}  // namespace qvs::cli
