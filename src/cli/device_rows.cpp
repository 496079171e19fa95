#include "device_rows.h"

#include <QJsonObject>
#include <QStringList>

namespace qvs::cli {

namespace {

QString Latin1(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QJsonObject ToJson(const TDeviceData& d)
{
    return {
        {"Name", Latin1(d.Name)},       {"Host", Latin1(d.Host)},
        {"MAC", Latin1(d.MAC)},         {"Version", Latin1(d.Version)},
        {"IP", Latin1(d.IP)},           {"Netmask", Latin1(d.Netmask)},
        {"Gateway", Latin1(d.Gateway)}, {"DHCP", d.DHCP},
        {"RemoteHost", Latin1(d.RemoteHost)}, {"HasHostName", d.HasHostName},
        {"User", Latin1(d.User)},       {"Password", Latin1(d.Password)},
        {"IsKavro", d.IsKavro},         {"HasLog", d.HasLog},
        {"NotManageable", d.NotManageable}, {"Flavour", d.Flavour},
    };
}

}  // namespace

void PrintDeviceRows(const DeviceListModel& model, QTextStream& out)
{
    // The hidden cells get names here, so that a script can tell them apart.
    const char* hidden[] = {"HasHostName", "IsKavro", "Flavour"};
    QStringList header;
    for (int c = 0; c < DeviceListModel::kColumns; ++c)
        header << (DeviceListModel::IsHiddenColumn(c) ? QString(hidden[c - DeviceListModel::ColHasHostName])
                                                      : model.headerData(c, Qt::Horizontal).toString());
    out << header.join('\t') << "\n";
    for (int r = 0; r < model.Count(); ++r) {
        QStringList cells;
        for (const std::string& cell : model.RowCells(r))
            cells << Latin1(cell);
        out << cells.join('\t') << "\n";
    }
}

QJsonArray DeviceRowsJson(const DeviceListModel& model)
{
    QJsonArray devices;
    for (int r = 0; r < model.Count(); ++r)
        devices.append(ToJson(model.Device(r)));
    return devices;
}

}  // namespace qvs::cli
