#include "ini_store.h"

#include "test_files.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace qvs {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

TEST(IniStoreLoad, LineEndsOfEveryKindGiveTheSameEntries)
{
    for (const char* end : {"\r\n", "\n", "\r"}) {
        const std::string e = end;
        IniStore store;
        store.LoadFromText("[GENERAL]" + e + "FILETYPE=MB" + e + "FILEVERSION=1.0" + e + e +
                           "[COM]" + e + "BAUD=9600");
        SCOPED_TRACE(testing::PrintToString(e));
        EXPECT_EQ(store.ReadString("GENERAL", "FILETYPE", ""), "MB");
        EXPECT_EQ(store.ReadString("GENERAL", "FILEVERSION", ""), "1.0");
        EXPECT_EQ(store.ReadInteger("COM", "BAUD", 0), 9600);
        EXPECT_EQ(store.SectionNames(), (std::vector<std::string>{"GENERAL", "COM"}));
    }
}

TEST(IniStoreLoad, TrimsDropsCommentsAndKeepsOtherLines)
{
    IniStore store;
    store.LoadFromText("orphan=1\r\n; comment\r\n  [ general ]  \r\n\t filetype = MB \r\n"
                       "   \r\n;x=1\r\nplain line \r\nA=b=c\r\n=empty name\r\n");
    EXPECT_FALSE(store.ValueExists("general", "orphan"));
    EXPECT_FALSE(store.ValueExists("general", ";x"));
    EXPECT_EQ(store.ReadString("GENERAL", "FILETYPE", ""), "MB");
    EXPECT_EQ(store.ReadString("General", "a", ""), "b=c");
    EXPECT_EQ(store.ReadString("general", "", "x"), "empty name");
    EXPECT_EQ(store.Text(),
              "[general]\r\nfiletype=MB\r\nplain line\r\nA=b=c\r\n=empty name\r\n\r\n");
}

TEST(IniStoreLoad, AByteOrderMarkIsSkipped)
{
    IniStore store;
    store.LoadFromText("\xEF\xBB\xBF[GENERAL]\r\nFILETYPE=MB\r\n");
    EXPECT_EQ(store.ReadString("GENERAL", "FILETYPE", ""), "MB");
    EXPECT_EQ(store.Text(), "[GENERAL]\r\nFILETYPE=MB\r\n\r\n");
}

TEST(IniStoreLoad, ValuesAreLiteral)
{
    IniStore store;
    store.LoadFromText("[S]\nQ=\"quoted\"\nB=a\\nb\n");
    EXPECT_EQ(store.ReadString("S", "Q", ""), "\"quoted\"");
    EXPECT_EQ(store.ReadString("S", "B", ""), "a\\nb");
}

TEST(IniStoreLoad, TheLastOfRepeatedNamesIsReadAndWritten)
{
    IniStore store;
    store.LoadFromText("[S]\nK=1\nk=2\n[T]\nX=1\n[s]\nK=3\nK=4\n");
    EXPECT_EQ(store.ReadString("S", "K", ""), "4");
    store.WriteString("S", "K", "5");
    EXPECT_EQ(store.Text(),
              "[S]\r\nK=1\r\nk=2\r\n\r\n[T]\r\nX=1\r\n\r\n[s]\r\nK=3\r\nK=5\r\n\r\n");
    store.EraseSection("S");
    EXPECT_FALSE(store.SectionExists("s"));
    EXPECT_EQ(store.Text(), "[T]\r\nX=1\r\n\r\n");
}

TEST(IniStoreLoad, AbsentEntriesGiveTheDefault)
{
    IniStore store;
    store.LoadFromText("[S]\nN=abc\nB=2\nZ=0\n");
    EXPECT_EQ(store.ReadString("X", "N", "d"), "d");
    EXPECT_EQ(store.ReadInteger("S", "N", 7), 7);
    EXPECT_EQ(store.ReadInteger("S", "missing", 7), 7);
    EXPECT_TRUE(store.ReadBool("S", "B", false));
    EXPECT_FALSE(store.ReadBool("S", "Z", true));
    EXPECT_FALSE(store.ReadBool("S", "N", true));
    EXPECT_TRUE(store.ReadBool("S", "missing", true));
}

TEST(IniStoreWrite, ReplacesInPlaceAppendsEntriesAndSections)
{
    IniStore store;
    store.LoadFromText("[A]\nX=1\nY=2\n[B]\nZ=3\n");
    store.WriteString("a", "x", "9");
    store.WriteInteger("A", "W", -4);
    store.WriteBool("C", "ON", true);
    EXPECT_EQ(store.Text(), "[A]\r\nX=9\r\nY=2\r\nW=-4\r\n\r\n[B]\r\nZ=3\r\n\r\n[C]\r\nON=1\r\n\r\n");
}

TEST(IniStoreWrite, LineBreaksInAValueCannotInjectLines)
{
    IniStore store;
    store.WriteString("A", "K", "one\r\n[EVIL]\nX=1");
    IniStore reread;
    reread.LoadFromText(store.Text());
    EXPECT_FALSE(reread.SectionExists("EVIL"));
    EXPECT_EQ(reread.ReadString("A", "K", ""), "one  [EVIL] X=1");
}

TEST(IniStoreWrite, ErasedSectionCanBeWrittenAgainAtTheEnd)
{
    IniStore store;
    store.LoadFromText("[TAG0]\nNAME=A\n[NOTES]\nN=1\n");
    store.EraseSection("TAG0");
    store.WriteString("TAG0", "NAME", "B");
    EXPECT_EQ(store.Text(), "[NOTES]\r\nN=1\r\n\r\n[TAG0]\r\nNAME=B\r\n\r\n");
}

TEST(IniStoreFile, MissingFileGivesAnEmptyStoreAndAFolderIsRefused)
{
    TempFolder folder;
    IniStore store;
    EXPECT_TRUE(store.Load(folder.File("none.kvr")));
    EXPECT_TRUE(store.SectionNames().empty());
    EXPECT_EQ(store.FileName(), folder.File("none.kvr"));
    EXPECT_FALSE(store.Load(folder.Path().string()));
}

TEST(IniStoreFile, SaveWritesEveryLineWithCrLfAndAnyBytesSurvive)
{
    TempFolder folder;
    const std::string path = folder.File("a.ini");
    std::string junk = "[S]\nK=a\x01\xff\xfe" + std::string("\0mid", 4) + "\x80\n";
    WriteBytes(path, junk);
    IniStore store;
    ASSERT_TRUE(store.Load(path));
    ASSERT_TRUE(store.Save());
    EXPECT_EQ(ReadBytes(path), "[S]\r\nK=a\x01\xff\xfe" + std::string("\0mid", 4) + "\x80\r\n\r\n");
}

TEST(IniStoreFile, FailedWriteLeavesTheOldFileIntact)
{
    TempFolder folder;
    const std::string path = folder.File("doc.kvr");
    const std::string old = "[GENERAL]\r\nFILETYPE=MB\r\n\r\n";
    WriteBytes(path, old);

    IniStore store(path);
    for (int i = 0; i < 500; ++i) store.WriteInteger("BIG", "K" + std::to_string(i), i);
    int calls = 0;
    const auto result = store.SaveWith(path, FileAccess::Default,
                                       [&](int fd, const char* data, std::size_t size) -> long {
                                           if (++calls > 1) return -1;  // the disk fills up
                                           return static_cast<long>(::write(fd, data, size / 2));
                                       });
    EXPECT_FALSE(result);
    EXPECT_EQ(result.Error, "Cannot create file " + path);
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                            std::filesystem::directory_iterator()),
              1) << "the temporary file is removed";
}

TEST(IniStoreFile, SaveIntoAMissingFolderFails)
{
    TempFolder folder;
    IniStore store;
    store.WriteString("A", "B", "C");
    const auto result = store.Save(folder.File("no/such/x.kvr"));
    EXPECT_FALSE(result);
    EXPECT_EQ(result.Error, "Cannot create file " + folder.File("no/such/x.kvr"));
}

TEST(IniStoreFile, OwnerOnlyFilesAreReadableByTheOwnerOnly)
{
    TempFolder folder;
    const std::string path = folder.File("qvs.ini");
    WriteBytes(path, "[PROXYHTTP]\r\n");
    ::chmod(path.c_str(), 0644);
    IniStore store;
    ASSERT_TRUE(store.Load(path));
    store.WriteString("PROXYHTTP", "AUTHDATA", "9F9E9D");
    ASSERT_TRUE(store.Save(FileAccess::OwnerOnly));
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    const std::string fresh = folder.File("fresh.ini");
    ASSERT_TRUE(store.Save(fresh, FileAccess::OwnerOnly));
    ASSERT_EQ(::stat(fresh.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST(IniStoreFile, DefaultSaveKeepsTheRightsOfAnExistingFile)
{
    TempFolder folder;
    const std::string path = folder.File("a.kvr");
    WriteBytes(path, "");
    ::chmod(path.c_str(), 0640);
    IniStore store(path);
    store.WriteString("A", "B", "C");
    ASSERT_TRUE(store.Save());
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);

    const mode_t previous = ::umask(027);
    ASSERT_TRUE(store.Save(folder.File("new.kvr")));
    ::umask(previous);
    ASSERT_EQ(::stat(folder.File("new.kvr").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u) << "a new file follows the umask";
}

TEST(IniStoreFile, SavingThroughASymbolicLinkKeepsTheLink)
{
    TempFolder folder;
    const std::string real = folder.File("real.kvr");
    const std::string link = folder.File("link.kvr");
    WriteBytes(real, "");
    std::filesystem::create_symlink(real, link);
    IniStore store;
    store.WriteString("A", "B", "C");
    ASSERT_TRUE(store.Save(link));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadBytes(real), "[A]\r\nB=C\r\n\r\n");
}

TEST(IniStoreBadInput, JunkHugeLinesAndManySectionsLoadQuickly)
{
    std::string junk;
    for (int i = 0; i < 200000; ++i) junk += static_cast<char>((i * 7919) % 256);
    IniStore store;
    store.LoadFromText(junk);
    store.Text();

    std::string oneLine(10 * 1024 * 1024, 'x');
    oneLine.insert(0, "[S]\nK=");
    store.LoadFromText(oneLine);
    EXPECT_EQ(store.ReadString("S", "K", "").size(), 10u * 1024 * 1024);

    std::string sections;
    for (int i = 0; i < 20000; ++i) sections += "[TAG" + std::to_string(i) + "]\nNAME=T\n";
    store.LoadFromText(sections);
    for (int i = 0; i < 128; ++i) store.EraseSection("TAG" + std::to_string(i));
    EXPECT_FALSE(store.SectionExists("TAG127"));
    EXPECT_TRUE(store.SectionExists("TAG128"));
}

}  // namespace
}  // namespace qvs
