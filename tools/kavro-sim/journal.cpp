#include "journal.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>

#include <cstdio>

namespace qvs::sim {

bool Journal::Open(const QString& path, QString* error)
{
    if (path.isEmpty())
        return true;
    m_file = std::make_unique<QFile>();
    bool ok = false;
    if (path == "-")
        ok = m_file->open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
    else {
        m_file->setFileName(path);
        ok = m_file->open(QIODevice::WriteOnly | QIODevice::Append);
    }
    if (!ok && error)
        *error = m_file->errorString();
    if (!ok)
        m_file.reset();
    return ok;
}

void Journal::Record(const Entry& entry)
{
    QJsonObject object;
    object["time"] = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
    object["transport"] = entry.Transport;
    if (!entry.Gateway.isEmpty())
        object["gateway"] = entry.Gateway;
    object["peer"] = entry.Peer;
    object["endpoint"] = entry.Endpoint;
    if (!entry.RequestLine.isEmpty()) {
        object["request"] = QString::fromLatin1(entry.RequestLine);
        QJsonArray headers;
        for (const auto& [name, value] : entry.Headers)
            headers.append(QJsonArray{QString::fromLatin1(name), QString::fromLatin1(value)});
        object["headers"] = headers;
    }
    object["body"] = QString::fromLatin1(entry.Body);
    if (!entry.Note.isEmpty())
        object["note"] = entry.Note;
    QByteArray line = QJsonDocument(object).toJson(QJsonDocument::Compact);
    line += '\n';
    if (m_file) {
        m_file->write(line);
        m_file->flush();
    }
    m_lines.push_back(std::move(line));
    if (m_lines.size() > kMaxKept)
        m_lines.pop_front();
}

QByteArray Journal::Lines() const
{
    QByteArray all;
    for (const auto& line : m_lines)
        all += line;
    return all;
}

}  // namespace qvs::sim
