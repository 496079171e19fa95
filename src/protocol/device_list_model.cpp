#include "device_list_model.h"

#include "protocol_texts.h"

#include <algorithm>
#include <cctype>

namespace qvs {

namespace {

// The order of the Device column: letters without regard to case, then as written.
bool CaptionLess(const std::string& a, const std::string& b)
{
    const auto fold = [](unsigned char c) { return std::tolower(c); };
    const bool less = std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(),
        [&](unsigned char x, unsigned char y) { return fold(x) < fold(y); });
    const bool greater = std::lexicographical_compare(
        b.begin(), b.end(), a.begin(), a.end(),
        [&](unsigned char x, unsigned char y) { return fold(x) < fold(y); });
    if (less || greater)
        return less;
    return a < b;
}

}  // namespace

DeviceListModel::DeviceListModel(QObject* parent) : QAbstractTableModel(parent) {}

DeviceListModel::Cells DeviceListModel::CellsOf(const TDeviceData& d)
{
    return {d.Name, d.Host, d.MAC, d.Version, d.DHCP ? texts::kYes : texts::kNo, d.IP, d.Netmask,
            d.Gateway, d.RemoteHost, d.HasHostName ? "1" : "0", d.IsKavro ? "1" : "0",
            std::to_string(d.Flavour)};
}

int DeviceListModel::DeviceIsListed(const TDeviceData& device) const
{
    if (!m_macCount.contains(device.MAC))
        return -1;
    for (size_t i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].Text[ColMAC] == device.MAC)
            return static_cast<int>(i);
    return -1;
}

int DeviceListModel::InsertPosition(const std::string& caption) const
{
    const auto at = std::upper_bound(m_rows.begin(), m_rows.end(), caption,
                                     [](const std::string& c, const Row& row) {
                                         return CaptionLess(c, row.Text[ColDevice]);
                                     });
    return static_cast<int>(at - m_rows.begin());
}

void DeviceListModel::Insert(Row row)
{
    const int at = InsertPosition(row.Text[ColDevice]);
    beginInsertRows({}, at, at);
    ++m_macCount[row.Text[ColMAC]];
    m_rows.insert(m_rows.begin() + at, std::move(row));
    endInsertRows();
}

void DeviceListModel::RemoveAt(int index)
{
    beginRemoveRows({}, index, index);
    const std::string& mac = m_rows[static_cast<size_t>(index)].Text[ColMAC];
    if (--m_macCount[mac] == 0)
        m_macCount.erase(mac);
    m_rows.erase(m_rows.begin() + index);
    endRemoveRows();
}

void DeviceListModel::AddDeviceToList(const TDeviceData& device)
{
    const int found = DeviceIsListed(device);
    if (found < 0) {
        Insert({CellsOf(device), device});
        return;
    }
    if (device.RemoteHost.empty())
        return;
    Row row{CellsOf(device), device};
    if (row.Text[ColDevice] == m_rows[static_cast<size_t>(found)].Text[ColDevice]) {
        m_rows[static_cast<size_t>(found)] = std::move(row);
        emit dataChanged(index(found, 0), index(found, kColumns - 1));
        return;
    }
    RemoveAt(found);
    Insert(std::move(row));
}

void DeviceListModel::RemoveLocalRows()
{
    for (int i = Count() - 1; i >= 0; --i)
        if (m_rows[static_cast<size_t>(i)].Text[ColRemoteHost].empty())
            RemoveAt(i);
}

void DeviceListModel::Clear()
{
    beginResetModel();
    m_rows.clear();
    m_macCount.clear();
    endResetModel();
}

int DeviceListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Count();
}

int DeviceListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QVariant DeviceListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= Count() || index.column() >= kColumns)
        return {};
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    // Cells are the gateway's 8-bit text as it came.
    return QString::fromLatin1(RowCells(index.row())[static_cast<size_t>(index.column())]);
}

QVariant DeviceListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kColumns)
        return {};
    return QString::fromLatin1(texts::kDeviceListHeaders[section]);
}

}  // namespace qvs
