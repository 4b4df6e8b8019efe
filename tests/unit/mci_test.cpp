// MCI command strings on Linux: how they are read, and what the open devices do with a fake
// player in place of the GStreamer module.
#include <gtest/gtest.h>

#include <map>

#include "platform/mci/mci_command.h"
#include "platform/mci/mci_devices.h"

namespace {

using namespace platform;
using namespace platform::mci;

TEST(MciCommand, ReadsTheWordsOfEachVerb) {
    Parsed open = parseCommand("OPEN \"my tune.wav\" Type WaveAudio alias Tune wait");
    EXPECT_EQ(open.error, 0u);
    EXPECT_EQ(open.command.verb, Verb::open);
    EXPECT_EQ(open.command.device, "my tune.wav");
    EXPECT_EQ(open.command.type, "WaveAudio");
    EXPECT_EQ(open.command.alias, "Tune");
    EXPECT_TRUE(open.command.wait);

    Parsed play = parseCommand("play tune from 250 to 1000 notify");
    EXPECT_EQ(play.error, 0u);
    EXPECT_EQ(play.command.from, 250);
    EXPECT_EQ(play.command.to, 1000);
    EXPECT_TRUE(play.command.notify);
    EXPECT_FALSE(play.command.wait);

    EXPECT_EQ(parseCommand("seek tune to end").command.seekTarget, SeekTarget::end);
    Parsed seek = parseCommand("seek tune to 40");
    EXPECT_EQ(seek.command.seekTarget, SeekTarget::position);
    EXPECT_EQ(seek.command.to, 40);
    for (const char* text :
         {"pause tune", "resume tune", "stop tune wait", "close all", "set tune time format ms",
          "set tune time format milliseconds", "status tune mode", "status tune length", "status tune position"}) {
        EXPECT_EQ(parseCommand(text).error, 0u) << text;
    }
}

TEST(MciCommand, GivesWindowsNumbersForWhatItCannotRead) {
    const std::pair<const char*, unsigned> cases[] = {
        {"", 267},
        {"  \t ", 267},
        {"record tune", 261},
        {"sysinfo all quantity", 261},
        {"play", 292},
        {"play \"\"", 292},
        {"open \"my tune.wav", 294},
        {"open x.wav alias", 269},
        {"open x.wav type", 269},
        {"open x.wav alias a alias b", 295},
        {"play a wait wait", 295},
        {"play a from", 270},
        {"play a from -1", 270},
        {"play a to 1.5", 270},
        {"play a from 4294967296", 270},
        {"seek a", 273},
        {"seek a to", 273},
        {"seek a to middle", 270},
        {"set a", 273},
        {"set a time format frames", 293},
        {"set a audio all off", 259},
        {"status a", 273},
        {"status a volume", 259},
        {"status a mode length", 295},
        {"stop a from 0", 259},
        {"open x.wav shareable", 259},
    };
    for (const auto& [text, number] : cases) EXPECT_EQ(parseCommand(text).error, number) << text;
}

// A file of a given length that plays in no time: waitUntilDone ends at once.
struct FakeStream : MediaStream {
    long length_;
    int* closed_;  // counts the streams destroyed
    long position_ = 0;
    long end_ = 0;
    MediaMode mode_ = MediaMode::stopped;

    FakeStream(long length, int* closed) : length_(length), closed_(closed) {}
    ~FakeStream() override { ++*closed_; }
    unsigned play(long from, std::optional<long> to) override {
        position_ = from;
        end_ = to.value_or(length_);
        mode_ = MediaMode::playing;
        return 0;
    }
    unsigned waitUntilDone() override {
        finish();
        return 0;
    }
    void pause() override { mode_ = mode_ == MediaMode::playing ? MediaMode::paused : mode_; }
    void resume() override { mode_ = mode_ == MediaMode::paused ? MediaMode::playing : mode_; }
    void stop() override { mode_ = MediaMode::stopped; }
    unsigned seek(long position) override {
        position_ = position;
        mode_ = MediaMode::stopped;
        return 0;
    }
    long length() override { return length_; }
    long position() override { return position_; }
    MediaMode mode() override { return mode_; }
    void finish() {
        position_ = end_;
        mode_ = MediaMode::stopped;
    }
};

struct FakePlayer : MediaBackend {
    std::map<std::string, long> files;  // name -> length in milliseconds
    std::vector<FakeStream*> opened;
    int closed = 0;
    unsigned open(const std::string& path, std::unique_ptr<MediaStream>& stream) override {
        if (!files.count(path)) return error::kFileNotFound;
        auto made = std::make_unique<FakeStream>(files[path], &closed);
        opened.push_back(made.get());
        stream = std::move(made);
        return 0;
    }
};

class MciDevices : public ::testing::Test {
  protected:
    FakePlayer* player = new FakePlayer;  // owned by devices
    Devices devices{[this] { return std::unique_ptr<MediaBackend>(player); }};
    void SetUp() override { player->files = {{"tune.wav", 1000}, {"beep.wav", 200}}; }
};

TEST_F(MciDevices, AnAliasLivesFromOpenToClose) {
    for (const char* text :
         {"open tune.wav type waveaudio alias tune", "play Tune from 0 to 500", "pause tune", "resume tune",
          "stop tune", "seek tune to end", "set tune time format ms", "status tune position", "close tune"}) {
        EXPECT_EQ(devices.run(text), 0u) << text;
    }
    EXPECT_EQ(player->closed, 1);
    EXPECT_EQ(devices.run("play tune"), 263u);
    EXPECT_EQ(devices.run("close tune"), 263u);
}

TEST_F(MciDevices, NamesAreUniqueAndFilesMustExist) {
    EXPECT_EQ(devices.run("open tune.wav alias a"), 0u);
    EXPECT_EQ(devices.run("open beep.wav alias A"), 289u);
    EXPECT_EQ(devices.run("open beep.wav"), 0u);
    EXPECT_EQ(devices.run("open beep.wav"), 265u);
    EXPECT_EQ(devices.run("open missing.wav alias m"), 275u);
    EXPECT_EQ(devices.run("open cdaudio"), 263u);
    EXPECT_EQ(devices.run("open tune.wav type cdaudio alias b"), 263u);
    EXPECT_EQ(devices.run("status all mode"), 279u);
    EXPECT_EQ(devices.run("close all"), 0u);
    EXPECT_EQ(player->closed, 2);
}

TEST_F(MciDevices, AFileNamedInACommandIsClosedWhenItHasFinished) {
    EXPECT_EQ(devices.run("play tune.wav wait"), 0u);
    EXPECT_EQ(player->closed, 1);
    EXPECT_EQ(devices.run("play beep.wav"), 0u);
    EXPECT_EQ(devices.run("pause beep.wav"), 0u);  // open while it plays or pauses
    EXPECT_EQ(devices.run("resume all"), 0u);      // "all" leaves it alone
    EXPECT_EQ(player->opened.back()->mode_, MediaMode::paused);
    EXPECT_EQ(devices.run("close beep.wav"), 0u);
    EXPECT_EQ(player->closed, 2);
    EXPECT_EQ(devices.run("play beep.wav"), 0u);
    player->opened.back()->finish();
    EXPECT_EQ(devices.run("close beep.wav"), 263u);
    EXPECT_EQ(player->closed, 3);
    EXPECT_EQ(devices.run("play beep.wav notify"), 300u);
    EXPECT_EQ(devices.run("play missing.wav"), 275u);
}

TEST_F(MciDevices, PositionsStayInsideTheFile) {
    ASSERT_EQ(devices.run("open tune.wav alias t"), 0u);
    EXPECT_EQ(devices.run("play t from 1001"), 282u);
    EXPECT_EQ(devices.run("play t from 600 to 500"), 282u);
    EXPECT_EQ(devices.run("seek t to 1001"), 282u);
    EXPECT_EQ(devices.run("play t wait"), 0u);
    EXPECT_EQ(player->opened[0]->position_, 1000);
    // At its end a file plays nothing more until it is moved back.
    EXPECT_EQ(devices.run("play t"), 0u);
    EXPECT_EQ(player->opened[0]->mode_, MediaMode::stopped);
    EXPECT_EQ(devices.run("seek t to start"), 0u);
    EXPECT_EQ(devices.run("play t"), 0u);
    EXPECT_EQ(player->opened[0]->mode_, MediaMode::playing);
}

TEST(MciWithoutPlayer, FilesGive274AndEverythingElseItsOwnNumber) {
    Devices devices{[] { return std::unique_ptr<MediaBackend>(); }};
    EXPECT_EQ(devices.run("open tune.wav alias t"), 274u);
    EXPECT_EQ(devices.run("play tune.wav wait"), 274u);
    EXPECT_EQ(devices.run("play t"), 263u);
    EXPECT_EQ(devices.run("open cdaudio"), 263u);
    EXPECT_EQ(devices.run("close all"), 0u);
    EXPECT_EQ(devices.run("eject cdaudio"), 261u);
}

}  // namespace
