#include "http_request.h"

namespace qvs::sim {

QByteArray HttpRequest::Header(const QByteArray& name) const
{
    for (const auto& [key, value] : Headers)
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    return {};
}

HttpRequestParser::State HttpRequestParser::Fail(int status)
{
    m_errorStatus = status;
    m_state = State::Error;
    return m_state;
}

bool HttpRequestParser::ParseHead(const QByteArray& head)
{
    QList<QByteArray> lines = head.split('\n');
    for (auto& line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    m_request.RequestLine = lines.value(0);
    const QList<QByteArray> parts = m_request.RequestLine.split(' ');
    if (parts.size() != 3 || parts[0].isEmpty() || !parts[1].startsWith('/') || !parts[2].startsWith("HTTP/1."))
        return false;
    m_request.Method = parts[0];
    m_request.Path = parts[1].left(parts[1].indexOf('?') < 0 ? parts[1].size() : parts[1].indexOf('?'));
    m_request.Version = parts[2];
    for (int i = 1; i < lines.size(); ++i) {
        if (lines[i].isEmpty())
            continue;
        const int colon = lines[i].indexOf(':');
        if (colon <= 0)
            return false;
        m_request.Headers.append({lines[i].left(colon).trimmed(), lines[i].mid(colon + 1).trimmed()});
    }
    return true;
}

HttpRequestParser::State HttpRequestParser::Feed(const QByteArray& data)
{
    if (m_state != State::Incomplete)
        return m_state;
    m_buffer += data;
    if (!m_headDone) {
        const int end = m_buffer.indexOf("\r\n\r\n");
        const int endBare = m_buffer.indexOf("\n\n");
        int headEnd = -1, separator = 0;
        if (end >= 0 && (endBare < 0 || end <= endBare)) { headEnd = end; separator = 4; }
        else if (endBare >= 0) { headEnd = endBare; separator = 2; }
        if (headEnd < 0)
            return m_buffer.size() > m_maxHeader ? Fail(431) : m_state;
        if (headEnd > m_maxHeader)
            return Fail(431);
        if (!ParseHead(m_buffer.left(headEnd)))
            return Fail(400);
        m_headDone = true;
        m_bodyStart = headEnd + separator;
        if (!m_request.Header("Transfer-Encoding").isEmpty())
            return Fail(411);
        const QByteArray length = m_request.Header("Content-Length");
        if (!length.isEmpty()) {
            bool ok = false;
            m_contentLength = length.toLongLong(&ok);
            if (!ok || m_contentLength < 0)
                return Fail(400);
            if (m_contentLength > m_maxBody)
                return Fail(413);
        }
    }
    if (m_buffer.size() - m_bodyStart < m_contentLength)
        return m_state;
    m_request.Body = m_buffer.mid(m_bodyStart, int(m_contentLength));
    m_state = State::Complete;
    return m_state;
}

}  // namespace qvs::sim
