#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace qvs::test {

// A loopback HTTP peer for exchange tests: records every request as received and answers it
// with what the test's responder returns. An empty answer closes the connection without a
// reply; a `holdMs` delays the answer (for time-out tests).
class FakeHttpServer {
public:
    struct Answer {
        std::string Bytes;
        int HoldMs = 0;
    };
    using Responder = std::function<Answer(const std::string& request)>;

    explicit FakeHttpServer(Responder responder) : m_responder(std::move(responder))
    {
        m_listen = ::socket(AF_INET, SOCK_STREAM, 0);
        int one = 1;
        ::setsockopt(m_listen, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = 0;
        ::bind(m_listen, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(m_listen, 16);
        socklen_t length = sizeof address;
        ::getsockname(m_listen, reinterpret_cast<sockaddr*>(&address), &length);
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] { Serve(); });
    }

    ~FakeHttpServer()
    {
        m_stop = true;
        m_thread.join();
        ::close(m_listen);
    }

    int Port() const { return m_port; }
    std::string Host() const { return "127.0.0.1:" + std::to_string(m_port); }

    std::vector<std::string> Requests() const
    {
        std::lock_guard lock(m_mutex);
        return m_requests;
    }

    static Answer Reply(const std::string& body, const std::string& status = "200 OK",
                        const std::string& extraHeaders = "")
    {
        return {"HTTP/1.0 " + status + "\r\nContent-Type: text/html\r\n" + extraHeaders
                    + "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body,
                0};
    }

private:
    static bool Complete(const std::string& request)
    {
        const auto end = request.find("\r\n\r\n");
        if (end == std::string::npos)
            return false;
        size_t length = 0;
        const auto at = request.find("Content-Length: ");
        if (at != std::string::npos && at < end)
            length = std::stoul(request.substr(at + 16));
        return request.size() >= end + 4 + length;
    }

    void Serve()
    {
        while (!m_stop) {
            pollfd wait{m_listen, POLLIN, 0};
            if (::poll(&wait, 1, 20) <= 0)
                continue;
            const int peer = ::accept(m_listen, nullptr, nullptr);
            if (peer < 0)
                continue;
            std::string request;
            char buffer[4096];
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
            while (!Complete(request) && std::chrono::steady_clock::now() < deadline) {
                pollfd in{peer, POLLIN, 0};
                if (::poll(&in, 1, 20) <= 0)
                    continue;
                const auto n = ::recv(peer, buffer, sizeof buffer, 0);
                if (n <= 0)
                    break;
                request.append(buffer, static_cast<size_t>(n));
            }
            {
                std::lock_guard lock(m_mutex);
                m_requests.push_back(request);
            }
            const Answer answer = m_responder(request);
            const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(answer.HoldMs);
            while (!m_stop && std::chrono::steady_clock::now() < until)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            size_t sent = 0;
            while (sent < answer.Bytes.size()) {
                const auto n = ::send(peer, answer.Bytes.data() + sent, answer.Bytes.size() - sent,
                                      MSG_NOSIGNAL);
                if (n <= 0)
                    break;
                sent += static_cast<size_t>(n);
            }
            ::close(peer);
        }
    }

    Responder m_responder;
    int m_listen = -1;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_mutex;
    std::vector<std::string> m_requests;
    std::thread m_thread;
};

}  // namespace qvs::test
