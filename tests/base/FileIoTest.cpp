#include "base/FileIo.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <set>

#include "FileKinds.h"

namespace veritom {
namespace {

using test::FileKinds;

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

std::set<std::string> Names(const std::string& dir) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

TEST(FileIo, ReadsRegularFilesWithinTheLimitAndRefusesEverythingElse) {
    FileKinds files;
    FileKinds::Write(files.PathOf("hundred"), std::string(100, 'a'));
    FileKinds::Write(files.PathOf("longer"), std::string(101, 'a'));
    FileKinds::Write(files.PathOf("empty"), "");
    struct Case {
        std::string path;
        FileError error;
        std::size_t size;
    };
    const Case cases[] = {
        {files.PathOf("hundred"), FileError::None, 100},
        {files.PathOf("empty"), FileError::None, 0},
        {files.PathOf("longer"), FileError::TooLarge, 0},
        {files.PathOf("missing"), FileError::NotFound, 0},
        {files.PathOf("hundred") + "/below", FileError::NotFound, 0},
        {files.Folder(), FileError::NotAFile, 0},
        {files.Fifo(), FileError::NotAFile, 0},  // refused at once, not waited on
        {FileKinds::Device(), FileError::NotAFile, 0},
        {"/proc/self/mem", FileError::System, 0},  // address 0 is not mapped: EIO
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> bytes = {1, 2, 3};
        const FileResult result = ReadFileBytes(c.path, bytes, 100);
        EXPECT_EQ(result.error, c.error) << c.path;
        EXPECT_EQ(bytes.size(), c.size) << c.path;
    }
    std::vector<std::uint8_t> bytes;
    EXPECT_EQ(ReadFileBytes("/proc/self/mem", bytes, 100).systemError, EIO);
    // The size the system states is not trusted: files of /proc state none.
    EXPECT_TRUE(ReadFileBytes("/proc/self/status", bytes, 1 << 20).Ok());
    EXPECT_NE(bytes.size(), 0u);
}

TEST(FileIo, AFileItsReaderMayNotReadIsRefused) {
    FileKinds files;
    const int status = FileKinds::RunUnprivileged([&] {
        std::vector<std::uint8_t> bytes;
        const FileResult read = ReadFileBytes(files.Unreadable(), bytes, 100);
        const FileResult check = CheckReadableFile(files.Unreadable());
        return read.error == FileError::NoAccess && bytes.empty() &&
                       check.error == FileError::NoAccess
                   ? 0
                   : 1;
    });
    if (status < 0) {
        GTEST_SKIP() << "cannot run without root's rights here";
    }
    EXPECT_EQ(status, 0);
}

TEST(FileIo, HeadReadsAtMostTheCountAndCheckTellsFilesFromTheRest) {
    FileKinds files;
    FileKinds::Write(files.PathOf("text"), "0123456789");
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(ReadFileHead(files.PathOf("text"), bytes, 4).Ok());
    EXPECT_EQ(bytes, Bytes("0123"));
    ASSERT_TRUE(ReadFileHead(files.PathOf("text"), bytes, 40).Ok());
    EXPECT_EQ(bytes, Bytes("0123456789"));
    EXPECT_EQ(ReadFileHead(files.Fifo(), bytes, 4).error, FileError::NotAFile);

    EXPECT_TRUE(CheckReadableFile(files.PathOf("text")).Ok());
    EXPECT_EQ(CheckReadableFile(files.Folder()).error, FileError::NotAFile);
    EXPECT_EQ(CheckReadableFile(files.Fifo()).error, FileError::NotAFile);
    EXPECT_EQ(CheckReadableFile(FileKinds::Device()).error, FileError::NotAFile);
    EXPECT_EQ(CheckReadableFile(files.PathOf("missing")).error, FileError::NotFound);
}

TEST(FileIo, SavingNeverWritesThroughALinkPlantedAtATemporaryName) {
    FileKinds files;
    const std::string target = files.PathOf("selection.mrv");
    const std::string victim = files.PathOf("victim");
    FileKinds::Write(victim, "keep me");
    std::filesystem::create_symlink(victim, target + ".part");
    std::filesystem::create_symlink(victim, files.PathOf(".selection.mrv.part"));
    const std::set<std::string> before = Names(files.Dir());

    ASSERT_TRUE(WriteFileReplacing(target, Bytes("new selection")).Ok());
    EXPECT_EQ(FileKinds::Read(target), "new selection");
    EXPECT_EQ(FileKinds::Read(victim), "keep me");
    EXPECT_TRUE(std::filesystem::is_symlink(target + ".part"));
    std::set<std::string> expected = before;
    expected.insert("selection.mrv");
    EXPECT_EQ(Names(files.Dir()), expected);  // no temporary file left behind
}

TEST(FileIo, ANameOfTheLongestLengthCanBeSaved) {
    FileKinds files;
    const std::string target = files.PathOf(std::string(255, 'n'));
    ASSERT_TRUE(WriteFileReplacing(target, Bytes("long")).Ok());
    EXPECT_EQ(FileKinds::Read(target), "long");
}

TEST(FileIo, NewFilesTakeTheUmaskAndReplacedFilesKeepTheirPermissions) {
    FileKinds files;
    const mode_t previous = ::umask(022);
    ASSERT_TRUE(WriteFileReplacing(files.PathOf("public"), Bytes("a")).Ok());
    ::umask(077);
    ASSERT_TRUE(WriteFileReplacing(files.PathOf("private"), Bytes("b")).Ok());
    FileKinds::Write(files.PathOf("kept"), "old");
    ::chmod(files.PathOf("kept").c_str(), 0640);
    ASSERT_TRUE(WriteFileReplacing(files.PathOf("kept"), Bytes("new")).Ok());
    ::umask(previous);
    EXPECT_EQ(ModeOf(files.PathOf("public")), 0644u);
    EXPECT_EQ(ModeOf(files.PathOf("private")), 0600u);
    EXPECT_EQ(ModeOf(files.PathOf("kept")), 0640u);
    EXPECT_EQ(FileKinds::Read(files.PathOf("kept")), "new");
}

TEST(FileIo, AFailedSaveLeavesTheEarlierFileAndNoTemporaryFile) {
    FileKinds files;
    const std::string target = files.PathOf("kept.mrv");
    FileKinds::Write(target, "earlier");
    const std::set<std::string> before = Names(files.Dir());
    struct Case {
        std::string path;
        FileError error;
    };
    const Case cases[] = {
        {files.Folder(), FileError::NotAFile},
        {files.Fifo(), FileError::NotAFile},
        {files.PathOf("no folder/a.mrv"), FileError::NotFound},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WriteFileReplacing(c.path, Bytes("x")).error, c.error) << c.path;
    }
    EXPECT_TRUE(std::filesystem::is_directory(files.Folder()));

    // A write the system cuts short: the file size limit stands in for a full disk.
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    ::getrlimit(RLIMIT_FSIZE, &previous);
    rlimit small = previous;
    small.rlim_cur = 4;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const FileResult result = WriteFileReplacing(target, Bytes("much longer than four bytes"));
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(result.Ok());
    EXPECT_EQ(result.systemError, EFBIG);
    EXPECT_EQ(FileKinds::Read(target), "earlier");
    EXPECT_EQ(Names(files.Dir()), before);

    const int status = FileKinds::RunUnprivileged([&] {
        return WriteFileReplacing(target, Bytes("x")).error == FileError::NoAccess ? 0 : 1;
    });
    if (status >= 0) {
        EXPECT_EQ(status, 0);
        EXPECT_EQ(FileKinds::Read(target), "earlier");
    }
}

TEST(FileIo, ErrorsAreDescribedForTheUser) {
    const std::string path = "/data/a.mrv";
    const std::pair<FileResult, std::string> cases[] = {
        {{FileError::None, 0}, ""},
        {{FileError::NotFound, ENOENT}, "/data/a.mrv does not exist."},
        {{FileError::NotAFile, 0}, "/data/a.mrv is a folder, a device or a pipe, not a file."},
        {{FileError::TooLarge, 0}, "/data/a.mrv is too large."},
        {{FileError::NoAccess, EACCES}, "Access to /data/a.mrv is denied."},
        {{FileError::System, EIO},
         "The system reported an error with /data/a.mrv: Input/output error."},
    };
    for (const auto& [result, text] : cases) {
        EXPECT_EQ(DescribeFileError(result, path), text);
    }
}

}  // namespace
}  // namespace veritom
