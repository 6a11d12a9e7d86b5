// SPDX-License-Identifier: GPL-3.0-or-later
// Saving under faults: each file-system call a save makes is made to fail in
// turn (a full disk, a failed write, sync, close, rename, read). Whatever
// fails, the target holds either its old text untouched or the complete new
// one, the user is told exactly when it is the old one, and nothing is left
// behind.

#include <gtest/gtest.h>

#if defined(__unix__)
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "io/save_text.h"
#include "base/failure.h"
#include "save_test_support.h"

namespace tc {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WorkFolder;
using test::WriteBytes;

enum class Call { Open, Write, Read, Fsync, Ftruncate, Close, Rename, Unlink };

// The system's calls, with the `at`-th call of one kind failing with `error`.
// A full disk fails that write and every later one that would make a file
// longer; writing over bytes a file already has still works, as on a disk.
class FaultyOps : public FileOps {
public:
    Call failing = Call::Open;
    int at = 0; // 0: no fault
    int error = EIO;
    bool diskFull = false;
    bool refuseNewHere = false; // the current folder takes no new file, as a read-only one
    bool fired = false;

    int open(const std::string& path, int flags, int mode) override {
        const fs::path folder = fs::path(path).parent_path();
        if ((flags & O_CREAT) && refuseNewHere && (folder.empty() || folder == ".")) {
            errno = EACCES;
            return -1;
        }
        return Fault(Call::Open) ? -1 : FileOps::open(path, flags, mode);
    }
    long write(int fd, const char* data, std::size_t size) override {
        // At most 1000 bytes a call, so that a fault can strike part-way.
        size = std::min<std::size_t>(size, 1000);
        if (failing == Call::Write && diskFull) {
            if (++calls_ >= at && at > 0) {
                fired = true;
                struct stat st {};
                fstat(fd, &st);
                const long room = static_cast<long>(st.st_size - lseek(fd, 0, SEEK_CUR));
                if (room <= 0) {
                    errno = ENOSPC;
                    return -1;
                }
                size = std::min<std::size_t>(size, static_cast<std::size_t>(room));
            }
            return FileOps::write(fd, data, size);
        }
        return Fault(Call::Write) ? -1 : FileOps::write(fd, data, size);
    }
    long read(int fd, char* data, std::size_t size) override {
        return Fault(Call::Read) ? -1 : FileOps::read(fd, data, size);
    }
    int fsync(int fd) override { return Fault(Call::Fsync) ? -1 : FileOps::fsync(fd); }
    int ftruncate(int fd, long long size) override {
        return Fault(Call::Ftruncate) ? -1 : FileOps::ftruncate(fd, size);
    }
    int close(int fd) override {
        // A failing close still closes the descriptor, as on Linux.
        if (Fault(Call::Close)) {
            FileOps::close(fd);
            errno = error;
            return -1;
        }
        return FileOps::close(fd);
    }
    int rename(const std::string& from, const std::string& to) override {
        return Fault(Call::Rename) ? -1 : FileOps::rename(from, to);
    }
    int unlink(const std::string& path) override { return Fault(Call::Unlink) ? -1 : FileOps::unlink(path); }

private:
    bool Fault(Call call) {
        if (call != failing || at == 0 || ++calls_ != at) return false;
        fired = true;
        errno = error;
        return true;
    }
    int calls_ = 0;
};

struct Fault {
    Call call;
    int error;
    bool diskFull = false;
};

const Fault kFaults[] = {
    {Call::Open, EIO},      {Call::Write, EIO},     {Call::Write, ENOSPC, true}, {Call::Read, EIO},
    {Call::Fsync, EIO},     {Call::Ftruncate, EIO}, {Call::Close, EIO},          {Call::Rename, EXDEV},
    {Call::Rename, EACCES}, {Call::Unlink, EIO},
};

// How the target is set up before each save.
enum class Place { NewFile, PlainFile, HardLinkedFile, ReadOnlyFolder };

class SaveFaultsTest : public ::testing::TestWithParam<Place> {};

std::string Repeat(const std::string& line, int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += line + "\r\n";
    return text;
}

TEST_P(SaveFaultsTest, the_target_is_old_or_new_and_a_failure_is_reported) {
    const Place place = GetParam();
    WorkFolder folder;
    fs::create_directory("tmp");
    const std::string previousTmp = getenv("TMPDIR") ? getenv("TMPDIR") : "";
    setenv("TMPDIR", (folder.path() / "tmp").c_str(), 1);

    // A new text longer than the old one (a full disk strikes beyond the old
    // end) and one shorter (the rest of the old text must go).
    const std::string old = Repeat("an older solution", 150);
    for (const std::vector<std::string>& lines :
         {std::vector<std::string>(300, "the new solution, longer"), std::vector<std::string>{"short"}}) {
        const std::string fresh =
            Repeat(lines.size() == 1 ? "short" : "the new solution, longer", static_cast<int>(lines.size()));
        for (const Fault& fault : kFaults) {
            for (int at = 0; at < 100; ++at) {
                fs::remove("out.txt");
                fs::remove("other.txt");
                // A copy left by a failed removal (an unlink fault), beside the
                // target or in the temporary folder, goes before the next run.
                fs::remove_all("tmp");
                fs::create_directory("tmp");
                for (const std::string& name : folder.names())
                    if (name.rfind(".tovrin-", 0) == 0) fs::remove(name);
                if (place != Place::NewFile) WriteBytes("out.txt", old);
                if (place == Place::HardLinkedFile) fs::create_hard_link("out.txt", "other.txt");
                FaultyOps ops;
                ops.failing = fault.call;
                ops.error = fault.error;
                ops.diskFull = fault.diskFull;
                ops.at = at;
                ops.refuseNewHere = place == Place::ReadOnlyFolder;

                bool told = false;
                try {
                    SaveLines("out.txt", lines, {}, ops);
                } catch (const Failure& f) {
                    told = true;
                    EXPECT_EQ(f.message().rfind("Cannot save \"out.txt\": ", 0), 0u) << f.message();
                }
                SCOPED_TRACE(::testing::Message() << "fault " << static_cast<int>(fault.call) << " errno "
                                                  << fault.error << " at call " << at);
                if (told && place == Place::NewFile) {
                    EXPECT_FALSE(fs::exists("out.txt"));
                } else {
                    EXPECT_EQ(ReadBytes("out.txt"), told ? old : fresh);
                }
                if (place == Place::HardLinkedFile) {
                    EXPECT_TRUE(fs::equivalent("out.txt", "other.txt"));
                }
                if (fault.call != Call::Unlink) {
                    std::set<std::string> expected = {"out.txt", "tmp"};
                    if (told && place == Place::NewFile) expected.erase("out.txt");
                    if (place == Place::HardLinkedFile) expected.insert("other.txt");
                    EXPECT_EQ(folder.names(), expected);
                    EXPECT_TRUE(fs::is_empty("tmp"));
                }
                if (at > 0 && !ops.fired) break; // every call of this kind has failed once
                if (at == 0) {
                    EXPECT_FALSE(told) << "a save without faults failed";
                }
            }
        }
    }
    if (previousTmp.empty())
        unsetenv("TMPDIR");
    else
        setenv("TMPDIR", previousTmp.c_str(), 1);
}

INSTANTIATE_TEST_SUITE_P(Places, SaveFaultsTest,
                         ::testing::Values(Place::NewFile, Place::PlainFile, Place::HardLinkedFile,
                                           Place::ReadOnlyFolder),
                         [](const ::testing::TestParamInfo<Place>& param) {
                             switch (param.param) {
                             case Place::NewFile: return "new_file";
                             case Place::PlainFile: return "plain_file";
                             case Place::HardLinkedFile: return "hard_linked_file";
                             default: return "writable_file_in_read_only_folder";
                             }
                         });

// With TMPDIR naming no folder, a hard-linked file still saves (its copy goes
// beside it); where its folder takes no new file either, the error names the
// temporary folder as the cause, not the file, which is there.
TEST(SaveInPlaceTest, an_unusable_temporary_folder_is_named_as_the_cause) {
    WorkFolder folder;
    const std::string previousTmp = getenv("TMPDIR") ? getenv("TMPDIR") : "";
    const fs::path missing = folder.path() / "no-such-folder";
    setenv("TMPDIR", missing.c_str(), 1);
    WriteBytes("out.txt", "old\r\n");
    fs::create_hard_link("out.txt", "other.txt");

    SaveLines("out.txt", {"new"});
    EXPECT_EQ(ReadBytes("other.txt"), "new\r\n");
    EXPECT_TRUE(fs::equivalent("out.txt", "other.txt"));
    EXPECT_EQ(folder.names(), (std::set<std::string>{"out.txt", "other.txt"}));

    FaultyOps readOnlyFolder;
    readOnlyFolder.refuseNewHere = true;
    try {
        SaveLines("out.txt", {"newer"}, {}, readOnlyFolder);
        ADD_FAILURE() << "saved without a place for the copy";
    } catch (const Failure& f) {
        const std::string cause = "Cannot save \"out.txt\": its folder takes no new file, and the copy of its "
                                  "old text cannot be made in the temporary folder \"" +
                                  missing.string() + "\": ";
        EXPECT_EQ(f.message().substr(0, cause.size()), cause);
        EXPECT_GT(f.message().size(), cause.size()); // and the system's reason
    }
    EXPECT_EQ(ReadBytes("other.txt"), "new\r\n");
    EXPECT_EQ(folder.names(), (std::set<std::string>{"out.txt", "other.txt"}));
    if (previousTmp.empty())
        unsetenv("TMPDIR");
    else
        setenv("TMPDIR", previousTmp.c_str(), 1);
}

} // namespace
} // namespace tc
#endif
