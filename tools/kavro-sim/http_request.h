#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>

namespace qvs::sim {

struct HttpRequest {
    QByteArray RequestLine;
    QByteArray Method;
    QByteArray Path;     // without the query
    QByteArray Version;
    QList<QPair<QByteArray, QByteArray>> Headers;
    QByteArray Body;
    QByteArray Header(const QByteArray& name) const;
};

// Reads one HTTP/1.x request from the bytes of a connection as they come.
class HttpRequestParser {
public:
    enum class State { Incomplete, Complete, Error };

    HttpRequestParser(int maxHeaderBytes, int maxBodyBytes)
        : m_maxHeader(maxHeaderBytes), m_maxBody(maxBodyBytes) {}

    State Feed(const QByteArray& data);
    State CurrentState() const { return m_state; }
    const HttpRequest& Request() const { return m_request; }
    // The status to answer with when the state is Error (400, 411, 413, 431).
    int ErrorStatus() const { return m_errorStatus; }
    // What arrived so far, for the journal of a request that never completed.
    const QByteArray& Received() const { return m_buffer; }

private:
    State Fail(int status);
    bool ParseHead(const QByteArray& head);

    int m_maxHeader;
    int m_maxBody;
    QByteArray m_buffer;
    HttpRequest m_request;
    State m_state = State::Incomplete;
    bool m_headDone = false;
    int m_bodyStart = 0;
    qint64 m_contentLength = 0;
    int m_errorStatus = 0;
};

}  // namespace qvs::sim
