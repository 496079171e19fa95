#include "kwp_package.h"

#include <QtEndian>

namespace qvs::sim {

namespace {

constexpr int kHeader = 8;
constexpr int kEntry = 26;

struct Entry {
    QByteArray Name;
    qint64 Offset = 0;  // of the file's bytes
    qint64 Size = 0;
};

// The entries of a package, or nothing when its layout does not hold together.
std::optional<QList<Entry>> Entries(const QByteArray& package)
{
    if (package.size() < kHeader)
        return std::nullopt;
    const auto* bytes = reinterpret_cast<const uchar*>(package.constData());
    if (qFromLittleEndian<quint16>(bytes) != 1)
        return std::nullopt;
    const qint16 count = qFromLittleEndian<qint16>(bytes + 2);
    if (count < 0 || qint64(kHeader) + qint64(count) * kEntry > package.size())
        return std::nullopt;
    QList<Entry> entries;
    qint64 data = kHeader + qint64(count) * kEntry;
    for (int i = 0; i < count; ++i) {
        const uchar* entry = bytes + kHeader + i * kEntry;
        const QByteArray raw(reinterpret_cast<const char*>(entry), 20);
        const int zero = raw.indexOf('\0');
        Entry e;
        e.Name = zero < 0 ? raw : raw.left(zero);
        e.Size = qFromLittleEndian<quint32>(entry + 20);
        e.Offset = data + 4;
        data += 4 + e.Size;
        if (data > package.size())
            return std::nullopt;
        entries.append(e);
    }
    return entries;
}

}  // namespace

std::optional<QByteArray> KwpFile(const QByteArray& package, const QByteArray& name)
{
    const auto entries = Entries(package);
    if (!entries)
        return std::nullopt;
    for (const auto& e : *entries)
        if (e.Name == name)
            return package.mid(e.Offset, e.Size);
    return std::nullopt;
}

QList<QByteArray> KwpFileNames(const QByteArray& package)
{
    QList<QByteArray> names;
    for (const auto& e : Entries(package).value_or(QList<Entry>{}))
        names.append(e.Name);
    return names;
}

QByteArray BuildKwp(const QList<QPair<QByteArray, QByteArray>>& files)
{
    QByteArray header(kHeader, '\0'), entries, data;
    for (const auto& [name, bytes] : files) {
        QByteArray entry(kEntry, '\0');
        entry.replace(0, qMin<qsizetype>(name.size(), 19), name.left(19));
        qToLittleEndian<quint32>(quint32(bytes.size()), entry.data() + 20);
        entries += entry;
        QByteArray size(4, '\0');
        qToLittleEndian<quint32>(quint32(bytes.size()), size.data());
        data += size + bytes;
    }
    const quint32 total = files.isEmpty() ? 34 : quint32(kHeader + entries.size() + data.size());
    qToLittleEndian<quint16>(1, header.data());
    qToLittleEndian<qint16>(qint16(files.size()), header.data() + 2);
    qToLittleEndian<quint32>(total, header.data() + 4);
    return header + entries + data;
}

}  // namespace qvs::sim
