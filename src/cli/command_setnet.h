#pragma once

#include <QStringList>
#include <QTextStream>

namespace qvs::cli {

// qvsctl setnet --mac MAC --password PW (--dhcp | --ip A --netmask M --gateway G) [--hostname H]
int RunSetnetCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace qvs::cli
