#pragma once

#include "auth_data.h"
#include "gateway_exchange.h"
#include "ini_store.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace qvs {

enum class ProxyKind { HTTP, FTP };

// The FTP proxy's log-on methods as stored in METHOD.
enum class FtpProxyMethod : int { None = 0, UserAtHost = 1, Site = 2, Open = 3, UserFirewallUser = 4 };

// The application's settings in qvs.ini, sections "PROXYHTTP" and "PROXYFTP". Every read
// opens the file and reads one value; every write reads the file, changes one value and
// writes the whole file back at once (atomically, readable by its owner only, as it holds
// credentials). Nothing is cached, so a change is seen by the next read anywhere.
class QVSOptions {
public:
    using WriteResult = IniSaveResult;

    explicit QVSOptions(std::string fileName) : m_fileName(std::move(fileName)) {}

    // The qvs.ini of this executable: in its folder when that folder (or the file) can be
    // written, otherwise in the user's configuration folder.
    static std::string DefaultFileName(const std::string& executableFolder,
                                       const std::string& userConfigFolder);
    static std::string ApplicationFileName();  // for the running program

    const std::string& FileName() const { return m_fileName; }

    bool ProxyEnabled(ProxyKind kind) const;
    WriteResult SetProxyEnabled(ProxyKind kind, bool value);
    std::string ProxyServer(ProxyKind kind) const;
    WriteResult SetProxyServer(ProxyKind kind, std::string_view value);
    int32_t ProxyPort(ProxyKind kind) const;
    WriteResult SetProxyPort(ProxyKind kind, int32_t value);
    // "Use Basic Authentication" for HTTP, "Firewall Logon" for FTP.
    bool ProxyAuth(ProxyKind kind) const;
    WriteResult SetProxyAuth(ProxyKind kind, bool value);
    std::string ProxyUser(ProxyKind kind) const;
    WriteResult SetProxyUser(ProxyKind kind, std::string_view value);  // keeps the password
    std::string ProxyPassword(ProxyKind kind) const;
    WriteResult SetProxyPassword(ProxyKind kind, std::string_view value);  // keeps the user
    int32_t FtpMethod() const;
    WriteResult SetFtpMethod(int32_t value);

    // What SinchronizeOptions hands the remote HTTP client.
    HttpProxyOptions HttpProxy() const;

private:
    IniStore Load() const;
    template <typename Change>
    WriteResult Write(Change change) const;
    WriteResult WriteCredentials(ProxyKind kind, const Credentials& credentials);

    std::string m_fileName;
};

}  // namespace qvs
