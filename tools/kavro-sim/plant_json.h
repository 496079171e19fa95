#pragma once

#include "plant_model.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <optional>
#include <vector>

namespace qvs::sim {

// The plant file: {"gateways":[{...}, ...]}; see README.md for the fields. The state
// file has the same form with the run-time fields ("running", "written") filled in.
std::optional<std::vector<Gateway>> GatewaysFromJson(const QByteArray& json, QString* error);
QJsonObject PlantToJson(const Plant& plant);

// Reads a plant or state file.
std::optional<std::vector<Gateway>> LoadPlantFile(const QString& path, QString* error);
// Writes the plant's state through a temporary file renamed into place.
bool SavePlantFile(const Plant& plant, const QString& path, QString* error);

}  // namespace qvs::sim
