#include "options_access.h"

#include "qvs_options.h"

#include <stdexcept>

namespace qvs::app {

StoredOptions QVSOptionsAccess::Read()
{
    StoredOptions o;
    o.HTTPEnabled = m_options.ProxyEnabled(ProxyKind::HTTP);
    o.HTTPServer = m_options.ProxyServer(ProxyKind::HTTP);
    o.HTTPPort = m_options.ProxyPort(ProxyKind::HTTP);
    o.HTTPAuth = m_options.ProxyAuth(ProxyKind::HTTP);
    o.HTTPUser = m_options.ProxyUser(ProxyKind::HTTP);
    o.HTTPPassword = m_options.ProxyPassword(ProxyKind::HTTP);
    o.FTPEnabled = m_options.ProxyEnabled(ProxyKind::FTP);
    o.FTPServer = m_options.ProxyServer(ProxyKind::FTP);
    o.FTPPort = m_options.ProxyPort(ProxyKind::FTP);
    o.FTPMethod = m_options.FtpMethod();
    o.FTPAuth = m_options.ProxyAuth(ProxyKind::FTP);
    o.FTPUser = m_options.ProxyUser(ProxyKind::FTP);
    o.FTPPassword = m_options.ProxyPassword(ProxyKind::FTP);
    return o;
}

void QVSOptionsAccess::Write(const StoredOptions& o)
{
    auto check = [](const QVSOptions::WriteResult& result) {
        if (!result)
            throw std::runtime_error(result.Error);
    };
    check(m_options.SetProxyEnabled(ProxyKind::HTTP, o.HTTPEnabled));
    check(m_options.SetProxyServer(ProxyKind::HTTP, o.HTTPServer));
    check(m_options.SetProxyPort(ProxyKind::HTTP, o.HTTPPort));
    check(m_options.SetProxyAuth(ProxyKind::HTTP, o.HTTPAuth));
    check(m_options.SetProxyUser(ProxyKind::HTTP, o.HTTPUser));
    check(m_options.SetProxyPassword(ProxyKind::HTTP, o.HTTPPassword));
    check(m_options.SetProxyEnabled(ProxyKind::FTP, o.FTPEnabled));
    check(m_options.SetProxyServer(ProxyKind::FTP, o.FTPServer));
    check(m_options.SetProxyPort(ProxyKind::FTP, o.FTPPort));
    check(m_options.SetFtpMethod(o.FTPMethod));
    check(m_options.SetProxyAuth(ProxyKind::FTP, o.FTPAuth));
    check(m_options.SetProxyUser(ProxyKind::FTP, o.FTPUser));
    check(m_options.SetProxyPassword(ProxyKind::FTP, o.FTPPassword));
}

}  // namespace qvs::app
