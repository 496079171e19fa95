#pragma once

#include "device_data.h"
#include "device_list_model.h"

#include <QJsonArray>
#include <QTextStream>

namespace qvs::cli {

// The device list as qvsctl prints it: a header line, then one tab-separated line per row with
// the cells the list shows (the hidden ones named in the header).
void PrintDeviceRows(const DeviceListModel& model, QTextStream& out);

// The device list as a JSON array of device records.
QJsonArray DeviceRowsJson(const DeviceListModel& model);

}  // namespace qvs::cli
