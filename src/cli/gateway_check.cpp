#include "gateway_check.h"

#include "cli_exit_codes.h"
#include "cli_texts.h"
#include "gateway_models.h"
#include "protocol_texts.h"
#include "qprot_errors.h"
#include "text_format.h"
#include "transfer_report.h"

namespace qvs::cli {
namespace {

QString Line(const std::string& text) { return CliLine(text); }

}  // namespace

std::optional<int> CheckGateway(IPacketExchange& exchange, const std::string& host,
                                const std::string& remoteHost, const std::string& password,
                                TDeviceData& device, QTextStream& err)
{
    device = TDeviceData{};
    device.IP = host;
    device.RemoteHost = remoteHost;
    device.User = "admin";

    TPacket request;
    request.NewPacket("GETDEVICE");
    const ExchangeReply deviceReply = exchange.ExchangeVia(host, remoteHost, Endpoint::Admin, request);
    if (!deviceReply.Ok) {
        err << Line(qvs::texts::kNoResponse);
        return kExitNoResponse;
    }
    if (!deviceReply.Reply.IsName("DEVICE")) {
        err << Line(qvs::texts::kNotValidResponse);
        return kExitRefused;
    }
    try {
        const std::string model = deviceReply.Reply.GetString("ID", "");
        device.Name = ModelName(model);
        device.MAC = deviceReply.Reply.GetString("MAC", "");
        device.Version = deviceReply.Reply.GetString("VERSION", "");
        device.Flavour = static_cast<int>(FlavourOfModel(model));
        device.IsKavro = IsKavroModel(device.Name);
        if (device.IsKavro) {
            device.HasLog = HasLogFeature(device.Version);
            device.NotManageable = IsNotManageableModel(device.Version);
            const std::string who = device.Name + "/" + device.MAC;
            if (device.NotManageable) {
                err << Line(FormatText(texts::kNotManageable, {who, device.Version}));
                return kExitRefused;
            }
            device.Version = VersionWithoutLogSuffix(device.Version);
            const char* lowest = LowestSupportedFirmware(static_cast<ConfigFlavour>(device.Flavour));
            if (VersionLess(device.Version, lowest)) {
                err << Line(FormatText(texts::kFirmwareTooLow, {who, device.Version, lowest}));
                return kExitRefused;
            }
            if (!VersionLess(device.Version, kFirstUnsupportedFirmware)) {
                err << Line(FormatText(texts::kFirmwareTooHigh, {who, device.Version, kFirstUnsupportedFirmware}));
                return kExitRefused;
            }
        }
    } catch (const QProtError& error) {
        err << Line(error.what());
        return kExitRefused;
    }

    request.NewPacket("GETADMIN");
    const ExchangeReply adminReply = exchange.ExchangeVia(host, remoteHost, Endpoint::Admin, request);
    if (!adminReply.Ok) {
        err << Line(qvs::texts::kNoResponse) << Line(texts::kUnableToConnect);
        return kExitNoResponse;
    }
    try {
        if (adminReply.Reply.GetString("PWD", "") != password) {
            err << Line(texts::kWrongPassword);
            return kExitRefused;
        }
    } catch (const QProtError&) {
        err << Line(texts::kWrongPassword);
        return kExitRefused;
    }
    device.Password = password;
    return std::nullopt;
}

}  // namespace qvs::cli
