#pragma once

#include <QByteArray>
#include <QFile>
#include <QJsonObject>
#include <QList>
#include <QPair>
#include <QString>

#include <deque>
#include <memory>

namespace qvs::sim {

// Every request as it arrived, one JSON object a line: time, transport ("udp", "http",
// "ftp"), gateway (MAC, when known), peer and endpoint ("address:port"), for HTTP the
// request line and headers, and the exact body or datagram or command line. Bytes are
// written as a string of Latin-1 characters, one character per byte, so nothing is lost.
class Journal {
public:
    // "-" is standard error; an empty path keeps the journal in memory only.
    bool Open(const QString& path, QString* error);

    struct Entry {
        QString Transport;
        QString Gateway;
        QString Peer;
        QString Endpoint;
        QByteArray RequestLine;                       // HTTP only
        QList<QPair<QByteArray, QByteArray>> Headers; // HTTP only
        QByteArray Body;                              // body, datagram or command line
        QString Note;                                 // e.g. "truncated", "too large"
    };
    void Record(const Entry& entry);

    // The kept entries (the last kMaxKept) as JSON lines.
    QByteArray Lines() const;

    static constexpr size_t kMaxKept = 20000;

private:
    std::unique_ptr<QFile> m_file;
    std::deque<QByteArray> m_lines;
};

}  // namespace qvs::sim
