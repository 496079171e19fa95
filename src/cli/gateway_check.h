#pragma once

#include "device_data.h"
#include "packet_exchange.h"

#include <QString>
#include <QTextStream>

#include <optional>
#include <string>

namespace qvs::cli {

// What `qvsctl send` and `get` check before a transfer, as connecting to a gateway does: the
// gateway's model and firmware (GETDEVICE) against the supported range, then the administrator
// password (GETADMIN, "PWD"). On success the device record is filled (flavour, version without
// its "-R" part, the password); otherwise the message has been written to err and the exit
// code is returned.
std::optional<int> CheckGateway(IPacketExchange& exchange, const std::string& host,
                                const std::string& remoteHost, const std::string& password,
                                TDeviceData& device, QTextStream& err);

}  // namespace qvs::cli
