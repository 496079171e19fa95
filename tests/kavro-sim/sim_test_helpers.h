#pragma once

#include "loopback_client.h"
#include "sim_process.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qvs::test {

// Demo gateways by the case they stand for.
inline const QString kModbusLogMac = "00:60:35:0A:00:01";   // 1118 "2.0.7-R", host name, tags
inline const QString kModbusEmptyPwdMac = "00:60:35:0A:00:02"; // 1119, empty admin password
inline const QString kHostlinkMac = "00:60:35:0A:00:03";    // 1109 with tags
inline const QString kDF1Mac = "00:60:35:0A:00:05";         // 1116 with tags
inline const QString kOlvarMac = "00:60:35:0A:00:0A";       // not a Kavro gateway
inline const QString kNoIpMac = "00:60:35:0A:00:0B";        // no IP address yet

// One POST to a gateway of a running sim; the body of the reply ("" when none came).
inline std::string Post(const SimGateway& gateway, const std::string& packet, bool app = false)
{
    const auto result = HttpPost("127.0.0.1", gateway.Http, app ? "/apppost.cgi" : "/admpost.cgi",
                                 QByteArray::fromStdString(packet));
    EXPECT_TRUE(result.Ok) << result.Error.toStdString() << " for " << packet;
    EXPECT_EQ(result.Status, 200) << packet;
    return result.Body.toStdString();
}

inline HttpResult Control(const SimProcess& sim, const QByteArray& method, const QByteArray& path,
                          const QByteArray& body = {})
{
    if (method == "GET")
        return HttpGet("127.0.0.1", sim.ControlPort(), path);
    return HttpPost("127.0.0.1", sim.ControlPort(), path, body, "text/plain");
}

// The packet name of a reply body.
inline std::string RequestName(const QByteArray& body)
{
    const int open = body.indexOf('(');
    return open < 0 ? std::string() : body.left(open).toStdString();
}

// The journal entries of one transport, as JSON objects.
inline std::vector<QJsonObject> JournalEntries(const SimProcess& sim, const QString& transport = {})
{
    std::vector<QJsonObject> entries;
    const auto result = Control(sim, "GET", "/journal");
    for (const QByteArray& line : result.Body.split('\n')) {
        if (line.isEmpty())
            continue;
        const QJsonObject entry = QJsonDocument::fromJson(line).object();
        if (transport.isEmpty() || entry.value("transport").toString() == transport)
            entries.push_back(entry);
    }
    return entries;
}

// The packet bodies the journal holds for one gateway over HTTP, in order.
inline std::vector<std::string> JournalBodies(const SimProcess& sim, const QString& mac)
{
    std::vector<std::string> bodies;
    for (const auto& entry : JournalEntries(sim, "http"))
        if (entry.value("gateway").toString() == mac)
            bodies.push_back(entry.value("body").toString().toStdString());
    return bodies;
}

}  // namespace qvs::test
