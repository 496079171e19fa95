#include "auth_data.h"
#include "qvs_options.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace qvs {
namespace {

class TempFolder {
public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "qvs-options-XXXXXX").string();
        m_path = ::mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~TempFolder()
    {
        std::error_code error;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, error);
        std::filesystem::remove_all(m_path, error);
    }
    std::string File(const std::string& name) const { return (m_path / name).string(); }
    std::string Path() const { return m_path.string(); }

private:
    std::filesystem::path m_path;
};

std::string ReadBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

TEST(AuthData, EncodesEachByteAsItsComplement)
{
    EXPECT_EQ(EncodeAuthData("abc"), "9F9E9D");
    EXPECT_EQ(DecodeAuthData("9F9E9D"), "abc");
    EXPECT_EQ(EncodeAuthData(std::string("\x01\xff\x80", 3)), "FF0180");
    EXPECT_EQ(EncodeAuthData(""), "");
    std::string all;
    for (int c = 1; c < 256; ++c)
        all += static_cast<char>(c);
    EXPECT_EQ(EncodeAuthData(all).size(), all.size() * 2);
    EXPECT_EQ(DecodeAuthData(EncodeAuthData(all)), all);
}

TEST(AuthData, UndecodableValuesGiveEmptyCredentials)
{
    for (const char* stored : {"9F9E9", "9f9e9d", "9F9E9G", " 9F9E9D", "ZZ", "9F-E"}) {
        EXPECT_FALSE(DecodeAuthData(stored)) << stored;
        const Credentials c = ReadAuthData(stored);
        EXPECT_EQ(c.User, "");
        EXPECT_EQ(c.Password, "");
    }
    // Decodable but no packet: also empty.
    EXPECT_EQ(ReadAuthData(EncodeAuthData("USERNAME=x")).User, "");
}

TEST(AuthData, CredentialsWithPacketCharactersRoundTrip)
{
    for (const Credentials& c : {Credentials{"tech", "s3cret"}, Credentials{"a,b(c)d", "pq);r="},
                                 Credentials{"", "only-password"}, Credentials{"\xe9t\xe9", ""}}) {
        const Credentials back = ReadAuthData(EncodeAuthData(AuthDataPacket(c)));
        EXPECT_EQ(back.User, c.User);
        EXPECT_EQ(back.Password, c.Password);
    }
}

class Options : public ::testing::Test {
protected:
    TempFolder m_folder;
    std::string m_file = m_folder.File("qvs.ini");
    QVSOptions m_options{m_file};
};

TEST_F(Options, NoFileReadsTheDefaults)
{
    for (ProxyKind kind : {ProxyKind::HTTP, ProxyKind::FTP}) {
        EXPECT_FALSE(m_options.ProxyEnabled(kind));
        EXPECT_EQ(m_options.ProxyServer(kind), "");
        EXPECT_EQ(m_options.ProxyPort(kind), 0);
        EXPECT_FALSE(m_options.ProxyAuth(kind));
        EXPECT_EQ(m_options.ProxyUser(kind), "");
        EXPECT_EQ(m_options.ProxyPassword(kind), "");
    }
    EXPECT_EQ(m_options.FtpMethod(), 1);
    EXPECT_FALSE(std::filesystem::exists(m_file)) << "reading creates nothing";
}

TEST_F(Options, WritingInTheDialogsOrderGivesThisFile)
{
    ASSERT_TRUE(m_options.SetProxyEnabled(ProxyKind::HTTP, true));
    ASSERT_TRUE(m_options.SetProxyServer(ProxyKind::HTTP, "proxy.example.com"));
    ASSERT_TRUE(m_options.SetProxyPort(ProxyKind::HTTP, 3128));
    ASSERT_TRUE(m_options.SetProxyAuth(ProxyKind::HTTP, true));
    ASSERT_TRUE(m_options.SetProxyUser(ProxyKind::HTTP, "ab"));
    ASSERT_TRUE(m_options.SetProxyPassword(ProxyKind::HTTP, "c"));
    ASSERT_TRUE(m_options.SetProxyEnabled(ProxyKind::FTP, false));
    ASSERT_TRUE(m_options.SetFtpMethod(4));
    const std::string authData = EncodeAuthData("AUTHDATA(USERNAME=ab,PASSWORD=c,);");
    EXPECT_EQ(ReadBytes(m_file), "[PROXYHTTP]\r\nENABLED=1\r\nSERVER=proxy.example.com\r\nPORT=3128\r\n"
                                 "AUTH=1\r\nAUTHDATA=" + authData + "\r\n\r\n"
                                 "[PROXYFTP]\r\nENABLED=0\r\nMETHOD=4\r\n\r\n");
    const HttpProxyOptions http = m_options.HttpProxy();
    EXPECT_TRUE(http.Enabled);
    EXPECT_EQ(http.Server, "proxy.example.com");
    EXPECT_EQ(http.Port, 3128);
    EXPECT_TRUE(http.BasicAuth);
    EXPECT_EQ(http.User, "ab");
    EXPECT_EQ(http.Password, "c");
}

TEST_F(Options, EachCredentialWriteKeepsTheOther)
{
    ASSERT_TRUE(m_options.SetProxyPassword(ProxyKind::FTP, "pw"));
    ASSERT_TRUE(m_options.SetProxyUser(ProxyKind::FTP, "fw-user"));
    EXPECT_EQ(m_options.ProxyUser(ProxyKind::FTP), "fw-user");
    EXPECT_EQ(m_options.ProxyPassword(ProxyKind::FTP), "pw");
    ASSERT_TRUE(m_options.SetProxyPassword(ProxyKind::FTP, ""));
    EXPECT_EQ(m_options.ProxyUser(ProxyKind::FTP), "fw-user");
    EXPECT_EQ(m_options.ProxyUser(ProxyKind::HTTP), "");
}

TEST_F(Options, NothingIsCached)
{
    QVSOptions other(m_file);
    ASSERT_TRUE(m_options.SetProxyServer(ProxyKind::HTTP, "one"));
    EXPECT_EQ(other.ProxyServer(ProxyKind::HTTP), "one");
    ASSERT_TRUE(other.SetProxyServer(ProxyKind::HTTP, "two"));
    EXPECT_EQ(m_options.ProxyServer(ProxyKind::HTTP), "two");
}

TEST_F(Options, BadValuesReadAsDefaults)
{
    WriteBytes(m_file, "[proxyhttp]\nENABLED=yes\nPORT=80x\nAUTH=2\nAUTHDATA=9f9e9d\n[PROXYFTP]\nMETHOD=\n");
    EXPECT_FALSE(m_options.ProxyEnabled(ProxyKind::HTTP));
    EXPECT_EQ(m_options.ProxyPort(ProxyKind::HTTP), 0);
    EXPECT_TRUE(m_options.ProxyAuth(ProxyKind::HTTP));
    EXPECT_EQ(m_options.ProxyUser(ProxyKind::HTTP), "");
    EXPECT_EQ(m_options.FtpMethod(), 1);
}

TEST_F(Options, OtherSectionsAndEntriesStay)
{
    WriteBytes(m_file, "[LAB]\r\nNOTE=keep me\r\n[PROXYHTTP]\r\nEXTRA=1\r\nSERVER=old\r\n");
    ASSERT_TRUE(m_options.SetProxyServer(ProxyKind::HTTP, "new"));
    EXPECT_EQ(ReadBytes(m_file), "[LAB]\r\nNOTE=keep me\r\n\r\n[PROXYHTTP]\r\nEXTRA=1\r\nSERVER=new\r\n\r\n");
}

TEST_F(Options, FileIsForItsOwnerOnly)
{
    WriteBytes(m_file, "[PROXYHTTP]\r\n");
    ::chmod(m_file.c_str(), 0644);
    ASSERT_TRUE(m_options.SetProxyPassword(ProxyKind::HTTP, "secret"));
    struct stat info {};
    ASSERT_EQ(::stat(m_file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    const std::string fresh = m_folder.File("sub/qvs.ini");
    ASSERT_TRUE(QVSOptions(fresh).SetProxyEnabled(ProxyKind::FTP, true));
    ASSERT_EQ(::stat(fresh.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(Options, AnUnreadableFileIsNeverOverwritten)
{
    std::filesystem::create_directory(m_file);  // a folder where the file should be
    const QVSOptions::WriteResult result = m_options.SetProxyServer(ProxyKind::HTTP, "x");
    EXPECT_FALSE(result);
    EXPECT_NE(result.Error.find(m_file), std::string::npos) << result.Error;
    EXPECT_TRUE(std::filesystem::is_directory(m_file));
    EXPECT_EQ(m_options.ProxyServer(ProxyKind::HTTP), "");
}

TEST_F(Options, CredentialsBeyondTheStoredLimitAreRefused)
{
    ASSERT_TRUE(m_options.SetProxyUser(ProxyKind::HTTP, "tech"));
    EXPECT_FALSE(m_options.SetProxyPassword(ProxyKind::HTTP, std::string(1000, 'p')));
    EXPECT_EQ(m_options.ProxyUser(ProxyKind::HTTP), "tech");
    EXPECT_EQ(m_options.ProxyPassword(ProxyKind::HTTP), "");
    EXPECT_TRUE(m_options.SetProxyPassword(ProxyKind::HTTP, std::string(900, 'p')));
}

TEST_F(Options, ASlashWouldNotSurviveSoItIsRefused)
{
    ASSERT_TRUE(m_options.SetProxyUser(ProxyKind::HTTP, "tech"));
    ASSERT_TRUE(m_options.SetProxyPassword(ProxyKind::HTTP, "old"));
    const QVSOptions::WriteResult result = m_options.SetProxyPassword(ProxyKind::HTTP, "new/pw");
    EXPECT_FALSE(result);
    EXPECT_EQ(result.Error, "The proxy user name and password cannot contain the character \"/\".");
    EXPECT_EQ(m_options.ProxyPassword(ProxyKind::HTTP), "old");
    EXPECT_FALSE(m_options.SetProxyUser(ProxyKind::FTP, "dom/user"));
}

TEST(OptionsLocation, BesideTheExecutableWhenItsFolderIsWritable)
{
    TempFolder exe;
    TempFolder user;
    EXPECT_EQ(QVSOptions::DefaultFileName(exe.Path(), user.Path()), exe.File("qvs.ini"));
    EXPECT_EQ(QVSOptions::DefaultFileName(exe.Path() + "/missing", user.Path()), user.File("qvs.ini"));
}

TEST(OptionsLocation, InTheUserFolderWhenTheExecutablesFolderIsReadOnly)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write to any folder, so a read-only folder cannot be shown here";
    TempFolder exe;
    TempFolder user;
    ::chmod(exe.Path().c_str(), 0555);
    EXPECT_EQ(QVSOptions::DefaultFileName(exe.Path(), user.Path()), user.File("qvs.ini"));
}

}  // namespace
}  // namespace qvs
