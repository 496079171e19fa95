#include "plant_json.h"

#include "kwp_package.h"
#include "qprot_packet.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

#include <set>

namespace qvs::sim {

namespace {

std::string Str(const QJsonObject& o, const char* key, const std::string& fallback)
{
    const QJsonValue v = o.value(key);
    if (v.isString())
        return v.toString().toStdString();
    if (v.isDouble())
        return QString::number(v.toDouble(), 'g', 15).toStdString();
    if (v.isBool())
        return v.toBool() ? "1" : "0";
    return fallback;
}

// Key values are the packet's text forms; JSON numbers are taken as integers when
// whole and in the exponent form otherwise, JSON Booleans as "1" and "0".
KeyMap Keys(const QJsonValue& value)
{
    KeyMap keys;
    const QJsonObject o = value.toObject();
    for (auto it = o.begin(); it != o.end(); ++it) {
        const QJsonValue v = it.value();
        std::string text;
        if (v.isDouble() && v.toDouble() != double(qint64(v.toDouble())))
            text = EncodeQProtFloat(v.toDouble());
        else if (v.isDouble())
            text = std::to_string(qint64(v.toDouble()));
        else if (v.isBool())
            text = v.toBool() ? "1" : "0";
        else
            text = v.toString().toStdString();
        keys[it.key().toUpper().toStdString()] = text;
    }
    return keys;
}

QJsonObject KeysJson(const KeyMap& keys)
{
    QJsonObject o;
    for (const auto& [key, value] : keys)
        o[QString::fromStdString(key)] = QString::fromStdString(value);
    return o;
}

std::optional<Gateway> GatewayFromJson(const QJsonObject& o, QString* error)
{
    Gateway g;
    g.Mac = Str(o, "mac", "");
    g.Model = Str(o, "model", "");
    g.Firmware = Str(o, "firmware", "");
    if (g.Mac.empty() || g.Model.empty() || g.Firmware.empty()) {
        *error = "every gateway needs \"mac\", \"model\" and \"firmware\"";
        return std::nullopt;
    }
    g.Ip = Str(o, "ip", "0.0.0.0");
    g.Netmask = Str(o, "netmask", "0.0.0.0");
    g.DefaultGateway = Str(o, "gateway", "0.0.0.0");
    g.FstDns = Str(o, "dns1", "0.0.0.0");
    g.SndDns = Str(o, "dns2", "0.0.0.0");
    g.Dhcp = o.value("dhcp").toBool(false);
    g.HasHostName = o.contains("hostname");
    g.HostName = Str(o, "hostname", "");
    g.AdminPassword = Str(o, "adminPassword", "");
    g.UserName = Str(o, "userName", "user");
    g.UserPassword = Str(o, "userPassword", "");
    const QJsonObject log = o.value("log").toObject();
    g.LogEnable = log.value("enable").toBool(false);
    g.LogTime = log.value("time").toInt(60);
    g.LogCount = log.value("count").toInt(0);
    g.ClockOffsetSeconds = qint64(o.value("clockOffset").toDouble(0));
    g.Running = o.value("running").toBool(true);
    g.CommError = o.value("commError").toBool(false);
    g.Com = Keys(o.value("com"));
    g.Smtp = Keys(o.value("smtp"));
    const QJsonArray recipients = o.value("recipients").toArray();
    for (int i = 0; i < kRecipientSlots && i < recipients.size(); ++i)
        g.Recipients[i] = recipients[i].toString().toStdString();
    for (const QJsonValue& tag : o.value("tags").toArray())
        g.Tags.push_back(Keys(tag));
    if (g.Tags.size() > size_t(kMaxTags)) {
        *error = QString::fromStdString("gateway " + g.Mac + " has more than 128 tags");
        return std::nullopt;
    }
    g.Live.resize(g.Tags.size());
    const QJsonArray written = o.value("written").toArray();
    for (int i = 0; i < written.size() && size_t(i) < g.Live.size(); ++i)
        if (written[i].isDouble())
            g.Live[size_t(i)].Written = written[i].toDouble();
    if (o.contains("site")) {
        g.Site = QByteArray::fromBase64(o.value("site").toString().toLatin1());
    } else if (o.contains("siteFiles")) {
        QList<QPair<QByteArray, QByteArray>> files;
        const QJsonObject siteFiles = o.value("siteFiles").toObject();
        for (auto it = siteFiles.begin(); it != siteFiles.end(); ++it)
            files.append({it.key().toLatin1(), it.value().toString().toUtf8()});
        g.Site = BuildKwp(files);
    }
    return g;
}

QJsonObject GatewayToJson(const Gateway& g)
{
    QJsonObject o;
    o["mac"] = QString::fromStdString(g.Mac);
    o["model"] = QString::fromStdString(g.Model);
    o["firmware"] = QString::fromStdString(g.Firmware);
    o["ip"] = QString::fromStdString(g.Ip);
    o["netmask"] = QString::fromStdString(g.Netmask);
    o["gateway"] = QString::fromStdString(g.DefaultGateway);
    o["dns1"] = QString::fromStdString(g.FstDns);
    o["dns2"] = QString::fromStdString(g.SndDns);
    o["dhcp"] = g.Dhcp;
    if (g.HasHostName)
        o["hostname"] = QString::fromStdString(g.HostName);
    o["adminPassword"] = QString::fromStdString(g.AdminPassword);
    o["userName"] = QString::fromStdString(g.UserName);
    o["userPassword"] = QString::fromStdString(g.UserPassword);
    o["log"] = QJsonObject{{"enable", g.LogEnable}, {"time", g.LogTime}, {"count", g.LogCount}};
    o["clockOffset"] = double(g.ClockOffsetSeconds);
    o["running"] = g.Running;
    o["commError"] = g.CommError;
    o["com"] = KeysJson(g.Com);
    o["smtp"] = KeysJson(g.Smtp);
    QJsonArray recipients, tags, written;
    for (const auto& r : g.Recipients)
        recipients.append(QString::fromStdString(r));
    for (const auto& t : g.Tags)
        tags.append(KeysJson(t));
    for (const auto& live : g.Live)
        written.append(live.Written ? QJsonValue(*live.Written) : QJsonValue());
    o["recipients"] = recipients;
    o["tags"] = tags;
    o["written"] = written;
    o["site"] = QString::fromLatin1(g.Site.toBase64());
    return o;
}

}  // namespace

std::optional<std::vector<Gateway>> GatewaysFromJson(const QByteArray& json, QString* error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (document.isNull()) {
        *error = parseError.errorString();
        return std::nullopt;
    }
    std::vector<Gateway> gateways;
    std::set<std::string> macs;
    for (const QJsonValue& value : document.object().value("gateways").toArray()) {
        auto gateway = GatewayFromJson(value.toObject(), error);
        if (!gateway)
            return std::nullopt;
        if (!macs.insert(gateway->Mac).second) {
            *error = QString::fromStdString("MAC " + gateway->Mac + " appears twice");
            return std::nullopt;
        }
        gateways.push_back(std::move(*gateway));
    }
    if (gateways.empty()) {
        *error = "the plant has no gateways (\"gateways\": [...])";
        return std::nullopt;
    }
    return gateways;
}

QJsonObject PlantToJson(const Plant& plant)
{
    QJsonArray gateways;
    for (const auto& g : plant.Gateways())
        gateways.append(GatewayToJson(*g));
    return QJsonObject{{"gateways", gateways}};
}

std::optional<std::vector<Gateway>> LoadPlantFile(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = path + ": " + file.errorString();
        return std::nullopt;
    }
    auto gateways = GatewaysFromJson(file.readAll(), error);
    if (!gateways)
        *error = path + ": " + *error;
    return gateways;
}

bool SavePlantFile(const Plant& plant, const QString& path, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    file.write(QJsonDocument(PlantToJson(plant)).toJson(QJsonDocument::Indented));
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

}  // namespace qvs::sim
