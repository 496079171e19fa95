#include "options_rules.h"

#include "app_texts.h"
#include "number_text.h"
#include "qprot_errors.h"

namespace qvs::app {

std::optional<int> ParsePort(const QString& text)
{
    try {
        const int32_t value = ParseInteger(text.toStdString());
        if (value < 0 || value > 65535)
            return std::nullopt;
        return value;
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

std::optional<OptionsProblem> ValidateOptions(const OptionsForm& f)
{
    if (f.HTTPEnabled && f.HTTPServer.isEmpty())
        return OptionsProblem{texts::kBadHTTPServer, "txtHTTPServer"};
    if (!ParsePort(f.HTTPPort))
        return OptionsProblem{texts::kBadHTTPPort, "txtHTTPPort"};
    if (f.HTTPAuth && (f.HTTPUser.isEmpty() || f.HTTPPassword.isEmpty()))
        return OptionsProblem{texts::kBadHTTPAuth, f.HTTPUser.isEmpty() ? "txtHTTPUser" : "txtHTTPPassword"};
    if (f.FTPEnabled && f.FTPServer.isEmpty())
        return OptionsProblem{texts::kBadFTPServer, "txtFTPServer"};
    if (!ParsePort(f.FTPPort))
        return OptionsProblem{texts::kBadFTPPort, "txtFTPPort"};
    if (f.FTPEnabled && (f.FTPMethod < 1 || f.FTPMethod > 4))
        return OptionsProblem{texts::kBadFTPMethod, "rdoFTPMethod1"};
    if (f.FTPFirewall && (f.FTPUser.isEmpty() || f.FTPPassword.isEmpty()))
        return OptionsProblem{texts::kBadFTPAuth, f.FTPUser.isEmpty() ? "txtFTPUser" : "txtFTPPassword"};
    return std::nullopt;
}

HTTPEnableState HTTPProxyEnableRule(bool proxyChecked, bool authChecked)
{
    HTTPEnableState state;
    if (!proxyChecked)
        return state;
    state.Server = state.Port = state.Auth = true;
    state.User = state.Password = authChecked;
    return state;
}

FTPEnableState FTPProxyEnableRule(bool proxyChecked, int method, bool firewallChecked)
{
    FTPEnableState state;
    state.FirewallChecked = firewallChecked;
    if (!proxyChecked)
        return state;
    state.Server = state.Port = state.Methods = state.Firewall = true;
    if (method == 1) {
        state.FirewallChecked = false;
        state.Firewall = false;
    } else if (method == 4) {
        state.FirewallChecked = true;
    }
    state.User = state.Password = state.FirewallChecked;
    return state;
}

}  // namespace qvs::app
