#pragma once

#include <QProcess>
#include <QTemporaryDir>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <string>
#include <thread>

namespace qvs::test {

// Debian's tinyproxy on a free loopback port, with basic authentication, for as long as the
// object lives.
class TinyproxyProcess {
public:
    TinyproxyProcess(const std::string& user, const std::string& password)
    {
        m_port = FreePort();
        const std::string conf = m_dir.filePath("tinyproxy.conf").toStdString();
        std::ofstream(conf) << "Port " << m_port << "\nListen 127.0.0.1\nTimeout 20\n"
                            << "MaxClients 8\nAllow 127.0.0.1\nLogLevel Critical\n"
                            << "DisableViaHeader Yes\n"
                            << "BasicAuth " << user << " " << password << "\n";
        m_process.setProgram("tinyproxy");
        m_process.setArguments({"-d", "-c", QString::fromStdString(conf)});
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
        if (!m_process.waitForStarted(5000))
            return;
        // Ready when it accepts a connection; bounded.
        for (int attempt = 0; attempt < 500 && m_process.state() == QProcess::Running; ++attempt) {
            if (Accepts()) {
                m_ready = true;
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }

    ~TinyproxyProcess()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(3000)) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }

    bool Ready() const { return m_ready; }
    int Port() const { return m_port; }

private:
    static int FreePort()
    {
        const int s = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
        socklen_t length = sizeof address;
        ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
        ::close(s);
        return ntohs(address.sin_port);
    }

    bool Accepts() const
    {
        const int s = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(static_cast<uint16_t>(m_port));
        const bool ok = ::connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        ::close(s);
        return ok;
    }

    QTemporaryDir m_dir;
    QProcess m_process;
    int m_port = 0;
    bool m_ready = false;
};

}  // namespace qvs::test
