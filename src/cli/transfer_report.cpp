#include "transfer_report.h"

#include "cli_exit_codes.h"
#include "cli_texts.h"
#include "protocol_texts.h"
#include "qvs_options.h"
#include "transfer_texts.h"

namespace qvs::cli {

QString CliLine(const std::string& text)
{
    return QString::fromStdString(text).replace("\r\n", "\n") + "\n";
}

int ReportTransfer(const transfer::TransferResult& result, QTextStream& err)
{
    using transfer::TransferStatus;
    switch (result.Status) {
    case TransferStatus::Completed:
        return kExitOk;
    case TransferStatus::Stopped:
        err << CliLine(texts::kStopped);
        return kExitRefused;
    case TransferStatus::NoResponse:
        err << CliLine(qvs::texts::kNoResponse) << CliLine(qvs::texts::kTransferFailed)
            << CliLine("  " + result.Step + " " + result.Detail);
        return kExitNoResponse;
    case TransferStatus::Refused:
        err << CliLine(qvs::texts::kTransferFailed) << CliLine("  " + result.Step + " " + result.Detail);
        return kExitRefused;
    }
    return kExitRefused;
}

std::unique_ptr<GatewayExchange> MakeExchange(bool remote, const std::string& optionsFile, int readTimeoutMs)
{
    auto exchange = std::make_unique<GatewayExchange>(readTimeoutMs);
    if (remote)
        exchange->SinchronizeOptions(
            QVSOptions(optionsFile.empty() ? QVSOptions::ApplicationFileName() : optionsFile).HttpProxy());
    return exchange;
}

}  // namespace qvs::cli
