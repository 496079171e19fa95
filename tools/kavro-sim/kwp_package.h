#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <optional>

namespace qvs::sim {

// Just enough of the web-site package (kwp) for the gateway to serve its files:
// a header (version 1, file count, total size), 26-byte entries, then the data blocks.
std::optional<QByteArray> KwpFile(const QByteArray& package, const QByteArray& name);
QList<QByteArray> KwpFileNames(const QByteArray& package);
// Builds a package from (name, bytes) pairs, names of at most 19 bytes.
QByteArray BuildKwp(const QList<QPair<QByteArray, QByteArray>>& files);

}  // namespace qvs::sim
