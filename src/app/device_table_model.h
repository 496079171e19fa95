#pragma once

#include "pending_device_data.h"

#include <QAbstractTableModel>

#include <vector>

namespace qvs::app {

// The rows of lstDevices: the nine shown cells and three hidden ones, sorted by Device.
class DeviceTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Device, Host, MAC, Version, DHCP, IP, Netmask, Gateway, RemoteHost, HasHostName, IsKavro, Flavour,
                  ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    int DeviceIsListed(const TDeviceData& device) const;
    void AddDeviceToList(const TDeviceData& device);
    // Before a local search: every row without a Remote IP/Host goes.
    void RemoveLocalRows();
    const TDeviceData& Row(int row) const { return m_rows.at(row); }
    QString Cell(int row, int column) const;

private:
    std::vector<TDeviceData> m_rows;
};

}  // namespace qvs::app
