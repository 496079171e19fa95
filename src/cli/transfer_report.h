#pragma once

#include "config_transfer.h"
#include "gateway_exchange.h"

#include <QString>
#include <QTextStream>

#include <memory>

namespace qvs::cli {

// The exit code of a finished transfer, with its messages on err.
int ReportTransfer(const transfer::TransferResult& result, QTextStream& err);

// The exchange of qvsctl: the remote client takes the HTTP proxy of qvs.ini when a remote
// host is given (optionsFile, or the usual qvs.ini when it is empty).
std::unique_ptr<GatewayExchange> MakeExchange(bool remote, const std::string& optionsFile = {},
                                              int readTimeoutMs = HttpClient::kDefaultReadTimeoutMs);

QString CliLine(const std::string& text);

}  // namespace qvs::cli
