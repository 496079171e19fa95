#include "qvs_options.h"

#include "options_texts.h"
#include "text_format.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

namespace qvs {

namespace {

const char* Section(ProxyKind kind)
{
    return kind == ProxyKind::HTTP ? "PROXYHTTP" : "PROXYFTP";
}

constexpr const char* kEnabled = "ENABLED";
constexpr const char* kServer = "SERVER";
constexpr const char* kPort = "PORT";
constexpr const char* kAuth = "AUTH";
constexpr const char* kAuthData = "AUTHDATA";
constexpr const char* kMethod = "METHOD";
constexpr const char* kIniName = "qvs.ini";

bool Writable(const std::string& path)
{
    return ::access(path.c_str(), W_OK) == 0;
}

}  // namespace

std::string QVSOptions::DefaultFileName(const std::string& executableFolder,
                                        const std::string& userConfigFolder)
{
    const std::string beside = QDir(QString::fromStdString(executableFolder))
                                   .filePath(kIniName)
                                   .toStdString();
    const bool exists = ::access(beside.c_str(), F_OK) == 0;
    // An atomic write puts a new file next to the old one, so the folder must be writable.
    if (Writable(executableFolder) && (!exists || Writable(beside)))
        return beside;
    return QDir(QString::fromStdString(userConfigFolder)).filePath(kIniName).toStdString();
}

std::string QVSOptions::ApplicationFileName()
{
    return DefaultFileName(QCoreApplication::applicationDirPath().toStdString(),
                           QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)
                               .toStdString());
}

IniStore QVSOptions::Load() const
{
    IniStore store;
    store.Load(m_fileName);  // a file that cannot be read reads as defaults
    return store;
}

template <typename Change>
QVSOptions::WriteResult QVSOptions::Write(Change change) const
{
    IniStore store;
    if (!store.Load(m_fileName))
        return {false, FormatText(texts::kOptionsUnreadable, m_fileName)};
    change(store);
    const QString folder = QFileInfo(QString::fromStdString(m_fileName)).absolutePath();
    if (!QDir().exists(folder) && QDir().mkpath(folder))
        ::chmod(folder.toLocal8Bit().constData(), S_IRWXU);
    return store.Save(m_fileName, FileAccess::OwnerOnly);
}

bool QVSOptions::ProxyEnabled(ProxyKind kind) const
{
    return Load().ReadBool(Section(kind), kEnabled, false);
}

QVSOptions::WriteResult QVSOptions::SetProxyEnabled(ProxyKind kind, bool value)
{
    return Write([&](IniStore& s) { s.WriteBool(Section(kind), kEnabled, value); });
}

std::string QVSOptions::ProxyServer(ProxyKind kind) const
{
    return Load().ReadString(Section(kind), kServer, "");
}

QVSOptions::WriteResult QVSOptions::SetProxyServer(ProxyKind kind, std::string_view value)
{
    return Write([&](IniStore& s) { s.WriteString(Section(kind), kServer, value); });
}

int32_t QVSOptions::ProxyPort(ProxyKind kind) const
{
    return Load().ReadInteger(Section(kind), kPort, 0);
}

QVSOptions::WriteResult QVSOptions::SetProxyPort(ProxyKind kind, int32_t value)
{
    return Write([&](IniStore& s) { s.WriteInteger(Section(kind), kPort, value); });
}

bool QVSOptions::ProxyAuth(ProxyKind kind) const
{
    return Load().ReadBool(Section(kind), kAuth, false);
}

QVSOptions::WriteResult QVSOptions::SetProxyAuth(ProxyKind kind, bool value)
{
    return Write([&](IniStore& s) { s.WriteBool(Section(kind), kAuth, value); });
}

std::string QVSOptions::ProxyUser(ProxyKind kind) const
{
    return ReadAuthData(Load().ReadString(Section(kind), kAuthData, "")).User;
}

std::string QVSOptions::ProxyPassword(ProxyKind kind) const
{
    return ReadAuthData(Load().ReadString(Section(kind), kAuthData, "")).Password;
}

QVSOptions::WriteResult QVSOptions::WriteCredentials(ProxyKind kind, const Credentials& credentials)
{
    if (credentials.User.find('/') != std::string::npos
        || credentials.Password.find('/') != std::string::npos)
        return {false, texts::kCredentialsWithSlash};
    const std::string packet = AuthDataPacket(credentials);
    if (packet.size() > kMaxAuthDataPacket)
        return {false, texts::kCredentialsTooLong};
    return Write([&](IniStore& s) { s.WriteString(Section(kind), kAuthData, EncodeAuthData(packet)); });
}

QVSOptions::WriteResult QVSOptions::SetProxyUser(ProxyKind kind, std::string_view value)
{
    Credentials credentials = ReadAuthData(Load().ReadString(Section(kind), kAuthData, ""));
    credentials.User = std::string(value);
    return WriteCredentials(kind, credentials);
}

QVSOptions::WriteResult QVSOptions::SetProxyPassword(ProxyKind kind, std::string_view value)
{
    Credentials credentials = ReadAuthData(Load().ReadString(Section(kind), kAuthData, ""));
    credentials.Password = std::string(value);
    return WriteCredentials(kind, credentials);
}

int32_t QVSOptions::FtpMethod() const
{
    return Load().ReadInteger(Section(ProxyKind::FTP), kMethod, 1);
}

QVSOptions::WriteResult QVSOptions::SetFtpMethod(int32_t value)
{
    return Write([&](IniStore& s) { s.WriteInteger(Section(ProxyKind::FTP), kMethod, value); });
}

HttpProxyOptions QVSOptions::HttpProxy() const
{
    // One load for the whole set, so the client never sees half of a change.
    const IniStore store = Load();
    const char* section = Section(ProxyKind::HTTP);
    HttpProxyOptions options;
    options.Enabled = store.ReadBool(section, kEnabled, false);
    options.Server = store.ReadString(section, kServer, "");
    options.Port = store.ReadInteger(section, kPort, 0);
    options.BasicAuth = store.ReadBool(section, kAuth, false);
    const Credentials credentials = ReadAuthData(store.ReadString(section, kAuthData, ""));
    options.User = credentials.User;
    options.Password = credentials.Password;
    return options;
}

}  // namespace qvs
