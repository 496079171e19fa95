#include "device_table_model.h"

#include "app_texts.h"

#include <algorithm>

namespace qvs::app {

int DeviceTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int DeviceTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString DeviceTableModel::Cell(int row, int column) const
{
    const TDeviceData& d = m_rows.at(row);
    switch (column) {
    case Device: return QString::fromStdString(d.Name);
    case Host: return QString::fromStdString(d.Host);
    case MAC: return QString::fromStdString(d.MAC);
    case Version: return QString::fromStdString(d.Version);
    case DHCP: return d.DHCP ? texts::kYes : texts::kNo;
    case IP: return QString::fromStdString(d.IP);
    case Netmask: return QString::fromStdString(d.Netmask);
    case Gateway: return QString::fromStdString(d.Gateway);
    case RemoteHost: return QString::fromStdString(d.RemoteHost);
    case HasHostName: return d.HasHostName ? "1" : "0";
    case IsKavro: return d.IsKavro ? "1" : "0";
    case Flavour: return QString::number(d.Flavour);
    default: return {};
    }
}

QVariant DeviceTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return Cell(index.row(), index.column());
}

QVariant DeviceTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* headers[] = {texts::kColDevice, texts::kColHost,    texts::kColMAC,
                                    texts::kColVersion, texts::kColDHCP,   texts::kColIP,
                                    texts::kColNetmask, texts::kColGateway, texts::kColRemote,
                                    "", "", ""};
    return section >= 0 && section < ColumnCount ? QString(headers[section]) : QVariant();
}

int DeviceTableModel::DeviceIsListed(const TDeviceData& device) const
{
    for (size_t i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].MAC == device.MAC)
            return static_cast<int>(i);
    return -1;
}

void DeviceTableModel::AddDeviceToList(const TDeviceData& device)
{
    const int found = DeviceIsListed(device);
    if (found >= 0 && device.RemoteHost.empty())
        return;
    beginResetModel();
    if (found < 0)
        m_rows.push_back(device);
    else
        m_rows[found] = device;
    std::stable_sort(m_rows.begin(), m_rows.end(),
                     [](const TDeviceData& a, const TDeviceData& b) { return a.Name < b.Name; });
    endResetModel();
}

void DeviceTableModel::RemoveLocalRows()
{
    beginResetModel();
    std::erase_if(m_rows, [](const TDeviceData& d) { return d.RemoteHost.empty(); });
    endResetModel();
}

}  // namespace qvs::app
