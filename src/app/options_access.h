#pragma once

#include <string>

namespace qvs {
class QVSOptions;
}

namespace qvs::app {

// The proxy settings as stored in qvs.ini.
struct StoredOptions {
    bool HTTPEnabled = false;
    std::string HTTPServer;
    int HTTPPort = 0;
    bool HTTPAuth = false;
    std::string HTTPUser;
    std::string HTTPPassword;
    bool FTPEnabled = false;
    std::string FTPServer;
    int FTPPort = 0;
    int FTPMethod = 1;
    bool FTPAuth = false;
    std::string FTPUser;
    std::string FTPPassword;
};

// The windows' access to the stored settings. Write stores every value in the fixed order
// (HTTP enabled, server, port, auth, user, password; then the same for FTP with the method before
// auth) and throws std::runtime_error with the file error when the file cannot be written.
class IOptionsAccess {
public:
    virtual ~IOptionsAccess() = default;
    virtual StoredOptions Read() = 0;
    virtual void Write(const StoredOptions& options) = 0;
};

// The settings file itself, one read or write per setting.
class QVSOptionsAccess : public IOptionsAccess {
public:
    explicit QVSOptionsAccess(QVSOptions& options) : m_options(options) {}
    StoredOptions Read() override;
    void Write(const StoredOptions& options) override;

private:
    QVSOptions& m_options;
};

}  // namespace qvs::app
