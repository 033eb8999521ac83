#include "files/scenefile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "device/names.h"
#include "device/status.h"
#include "files/scenewriter.h"
#include "testsupport.h"

namespace {

class SceneFileTest : public ::testing::Test {
  protected:
    void SetUp() override { files_test::ResetModel(); }
    void TearDown() override { files_test::ResetModel(); }
    files_test::ScratchDir dir_;
};

std::array<int, kChannels> Delays(const files::SceneData& s) {
    std::array<int, kChannels> d{};
    for (int ch = 0; ch < kChannels; ++ch) d[ch] = s.channels[ch].delay;
    return d;
}

TEST_F(SceneFileTest, RoundTripRestoresEveryField) {
    const files::SceneData scene = files_test::DistinctScene();
    files_test::SetModel(scene);
    const files_test::ModelSnapshot saved = files_test::ModelSnapshot::Take();
    const std::string path = dir_.Path("scene.txt");
    const files::SceneSaveResult w = files::SaveSceneFile(path, Delays(scene), scene.overlayMask);
    ASSERT_TRUE(w.ok) << w.error;
    EXPECT_EQ(w.messageId, files::kStrSaveSuccess);

    files_test::ResetModel();
    g_QuadLinkMode = 3;  // the reader ends every quad link
    const files::SceneLoadResult r = files::LoadSceneFile(path);
    ASSERT_EQ(r.status, files::SceneLoadStatus::kLoaded);
    EXPECT_EQ(r.messageId, 0);
    EXPECT_TRUE(files_test::ModelSnapshot::Take() == saved);
    EXPECT_EQ(g_QuadLinkMode, 0);
    EXPECT_EQ(r.read.scene, scene);  // the delays and overlay mask for the window
    for (int ch = 0; ch < kChannels; ++ch) EXPECT_TRUE(r.changes.routingChanged[ch]) << ch;
    EXPECT_TRUE(r.changes.mixInChanged);
    EXPECT_EQ(g_EqQIndex[2][0], 47);  // Q 1.234 takes the next table value, 1.25
    // The loaded names go to the device; a names answer asked for before must not bring the old ones back.
    std::lock_guard lock(g_NameMutex);
    for (int ch = 0; ch < kChannels; ++ch) EXPECT_TRUE(g_ChannelNameChangedHere[ch]) << ch;
}

TEST_F(SceneFileTest, LoadSetsMuteBitsFromGains) {
    files::SceneData scene = files_test::DistinctScene();
    scene.channels[0].gain = 600;
    scene.channels[5].gain = 0;
    scene.channels[6].gain = 600;
    scene.masterVolume = 60;
    const std::string path = dir_.Path("mute.txt");
    files_test::WriteAll(path, files::EncodeSceneFile(files::FormatSceneText(scene)));
    g_MuteMask = device::MuteBit(5) | device::MuteBit(11);
    ASSERT_EQ(files::LoadSceneFile(path).status, files::SceneLoadStatus::kLoaded);
    EXPECT_EQ(g_MuteMask, device::MuteBit(0) | device::MuteBit(6) | kMasterMuteBit);
    scene.masterVolume = 59;
    files_test::WriteAll(path, files::EncodeSceneFile(files::FormatSceneText(scene)));
    ASSERT_EQ(files::LoadSceneFile(path).status, files::SceneLoadStatus::kLoaded);
    EXPECT_EQ(g_MuteMask & kMasterMuteBit, 0);
}

TEST_F(SceneFileTest, RepairedFileLoadsWithMessage242) {
    std::string text = files::FormatSceneText(files_test::DistinctScene());
    text = files_test::ReplaceLine(text, 1, "17x");  // still 17
    text = files_test::ReplaceLine(text, 2, "oops");
    const std::string path = dir_.Path("repaired.txt");
    files_test::WriteAll(path, files::EncodeSceneFile(text));
    const files::SceneLoadResult r = files::LoadSceneFile(path);
    ASSERT_EQ(r.status, files::SceneLoadStatus::kLoaded);
    EXPECT_EQ(r.messageId, files::kStrSceneRepaired);
    EXPECT_EQ(r.read.scene.channels[0].delay, 17);
    EXPECT_EQ(r.read.scene.channels[1].delay, 0);
}

TEST_F(SceneFileTest, RefusedFileLeavesModelAsItWas) {
    files_test::SetModel(files_test::DistinctScene());
    g_QuadLinkMode = 2;
    const files_test::ModelSnapshot before = files_test::ModelSnapshot::Take();
    std::string text = files::FormatSceneText(files::SceneData{});
    const std::string path = dir_.Path("bad.txt");
    const std::string refused[] = {
        files::EncodeSceneFile(text + "\r\n"),         // a 2312th line, after all others were read
        files::EncodeSceneFile(text.substr(0, 2000)),  // short
        std::string(),                                 // empty
        "\xFF\xFE" + files::EncodeSceneFile(text),     // byte-order mark
    };
    for (const std::string& bytes : refused) {
        files_test::WriteAll(path, bytes);
        const files::SceneLoadResult r = files::LoadSceneFile(path);
        EXPECT_EQ(r.status, files::SceneLoadStatus::kRefused);
        EXPECT_EQ(r.messageId, files::kStrSceneRefused);
        EXPECT_TRUE(files_test::ModelSnapshot::Take() == before);
        EXPECT_EQ(g_QuadLinkMode, 2);
    }
    std::lock_guard lock(g_NameMutex);
    for (int ch = 0; ch < kChannels; ++ch) EXPECT_FALSE(g_ChannelNameChangedHere[ch]) << ch;
}

TEST_F(SceneFileTest, MissingFileIsReportedAndChangesNothing) {
    files_test::SetModel(files_test::DistinctScene());
    const files_test::ModelSnapshot before = files_test::ModelSnapshot::Take();
    const files::SceneLoadResult r = files::LoadSceneFile(dir_.Path("missing.txt"));
    EXPECT_EQ(r.status, files::SceneLoadStatus::kOpenFailed);
    EXPECT_FALSE(r.error.empty());
    EXPECT_EQ(files::LoadSceneFile(dir_.Path("")).status, files::SceneLoadStatus::kOpenFailed);  // a folder
    EXPECT_TRUE(files_test::ModelSnapshot::Take() == before);
}

TEST_F(SceneFileTest, OnlyRegularFilesAreRead) {
    files_test::SetModel(files_test::DistinctScene());
    const files_test::ModelSnapshot before = files_test::ModelSnapshot::Take();
    const std::string fifo = dir_.Path("scene.fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string zero = dir_.Path("zero.txt");
    ASSERT_EQ(symlink("/dev/zero", zero.c_str()), 0);
    struct Case {
        std::string path;
        const char* reason;
    } cases[] = {
        {fifo, "a FIFO"},  // would block the window for ever
        {zero, "character device"},
        {"/dev/null", "character device"},
        {dir_.Path(""), "a directory"},
    };
    for (const Case& c : cases) {
        const files::SceneLoadResult r = files::LoadSceneFile(c.path);
        EXPECT_EQ(r.status, files::SceneLoadStatus::kOpenFailed) << c.path;
        EXPECT_NE(r.error.find(c.reason), std::string::npos) << r.error;
    }
    EXPECT_TRUE(files_test::ModelSnapshot::Take() == before);
}

TEST_F(SceneFileTest, OldFirmwareDropsLinksBridgesAndOverlay) {
    const files::SceneData scene = files_test::DistinctScene();
    const std::string path = dir_.Path("old.txt");
    files_test::WriteAll(path, files::EncodeSceneFile(files::FormatSceneText(scene)));
    g_FirmwareDate = 190820;
    g_LinkGroupMask[0] = 1;
    g_BridgeCh78 = 1;
    const files::SceneLoadResult r = files::LoadSceneFile(path);
    ASSERT_EQ(r.status, files::SceneLoadStatus::kLoaded);
    EXPECT_EQ(r.read.scene.overlayMask, 0);
    for (int k = 0; k < kChannels; ++k) EXPECT_EQ(g_LinkGroupMask[k], 0);
    EXPECT_EQ(g_BridgeCh12 | g_BridgeCh34 | g_BridgeCh56 | g_BridgeCh78 | g_BridgeCh910 | g_BridgeCh1112, 0);
}

TEST_F(SceneFileTest, FailedWriteKeepsTheOldFile) {
    const std::string path = dir_.Path("keep.txt");
    files_test::WriteAll(path, "old contents");
    // A file size limit makes the write fail part-way, as a full disk would.
    struct sigaction ignore {
    }, old{};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignore, &old);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 1000;
    setrlimit(RLIMIT_FSIZE, &small);
    const files::SceneSaveResult w = files::SaveSceneFile(path, {}, 0);
    setrlimit(RLIMIT_FSIZE, &saved);
    sigaction(SIGXFSZ, &old, nullptr);
    EXPECT_FALSE(w.ok);
    EXPECT_EQ(w.messageId, 0);
    EXPECT_FALSE(w.error.empty());
    EXPECT_EQ(files_test::ReadAll(path), "old contents");
    int entries = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir_.Path(""))) ++entries;
    EXPECT_EQ(entries, 1) << "the temporary file was left behind";

    EXPECT_FALSE(files::SaveSceneFile(dir_.Path("no/such/folder.txt"), {}, 0).ok);
}

}  // namespace
