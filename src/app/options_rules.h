#pragma once

#include <QString>

#include <optional>

namespace qvs::app {

// What the options dialog holds, as the user sees it (ports as typed).
struct OptionsForm {
    bool HTTPEnabled = false;
    QString HTTPServer;
    QString HTTPPort = "0";
    bool HTTPAuth = false;
    QString HTTPUser;
    QString HTTPPassword;
    bool FTPEnabled = false;
    QString FTPServer;
    QString FTPPort = "0";
    int FTPMethod = 1;  // 1 to 4; 0 when no method is selected
    bool FTPFirewall = false;
    QString FTPUser;
    QString FTPPassword;
};

// The first failed check of OK: its message and the objectName of the field to focus.
struct OptionsProblem {
    QString Message;
    QString Field;
};
std::optional<OptionsProblem> ValidateOptions(const OptionsForm& form);

// A port field's value: a decimal integer from 0 to 65535.
std::optional<int> ParsePort(const QString& text);

struct HTTPEnableState {
    bool Server = false, Port = false, Auth = false, User = false, Password = false;
};
HTTPEnableState HTTPProxyEnableRule(bool proxyChecked, bool authChecked);

struct FTPEnableState {
    bool Server = false, Port = false, Methods = false, Firewall = false, User = false, Password = false;
    bool FirewallChecked = false;  // the check box's state after the rule
};
FTPEnableState FTPProxyEnableRule(bool proxyChecked, int method, bool firewallChecked);

}  // namespace qvs::app
