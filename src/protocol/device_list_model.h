#pragma once

#include "device_data.h"

#include <QAbstractTableModel>

#include <array>
#include <string>
#include <unordered_map>
#include <vector>

namespace qvs {

// The device list: one row per device, twelve text cells (the caption "Device" and eleven
// more, the last three hidden from view), kept sorted by the Device text.
class DeviceListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kColumns = 12;
    enum Column {
        ColDevice, ColHost, ColMAC, ColVersion, ColDHCP, ColIP, ColNetmask, ColGateway,
        ColRemoteHost, ColHasHostName, ColIsKavro, ColFlavour,
    };
    using Cells = std::array<std::string, kColumns>;

    explicit DeviceListModel(QObject* parent = nullptr);

    static Cells CellsOf(const TDeviceData& device);
    static bool IsHiddenColumn(int column) { return column >= ColHasHostName; }

    // Index of the row whose MAC cell equals device.MAC, or -1.
    int DeviceIsListed(const TDeviceData& device) const;
    // Adds the row; a remote search result refreshes an existing row, a broadcast answer
    // leaves it as it is.
    void AddDeviceToList(const TDeviceData& device);
    // Before a search: every row without a Remote IP/Host goes.
    void RemoveLocalRows();
    void Clear();

    int Count() const { return static_cast<int>(m_rows.size()); }
    const Cells& RowCells(int row) const { return m_rows.at(static_cast<size_t>(row)).Text; }
    // The record the row was made from.
    const TDeviceData& Device(int row) const { return m_rows.at(static_cast<size_t>(row)).Device; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    struct Row {
        Cells Text;
        TDeviceData Device;
    };
    int InsertPosition(const std::string& caption) const;
    void Insert(Row row);
    void RemoveAt(int index);

    std::vector<Row> m_rows;
    std::unordered_map<std::string, int> m_macCount;  // keeps the common "not listed" answer cheap
};

}  // namespace qvs
