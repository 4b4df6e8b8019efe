// The media module: plays the files MCI opens through GStreamer, one playbin per open file, and
// answers with MCI's error numbers.
//
// Everything runs on the caller's thread: GStreamer plays on threads of its own, and what they
// report (the end of the file, an error) is taken from the pipeline's bus whenever a command asks
// about the file, so no main loop is needed and a script in the terminal can play a sound.
#include <gst/gst.h>
#include <sys/stat.h>

#include <cstdlib>
#include <memory>

#include "platform/mci/mci_command.h"
#include "platform/media_module.h"

namespace platform::gstreamer {

namespace {

namespace error = mci::error;

// playbin's flags for video and subtitles (GstPlayFlags, which GStreamer installs no header for).
constexpr guint kPlayVideo = 1u << 0;
constexpr guint kPlayText = 1u << 2;

// How long opening a file, or moving in it, may take before the file counts as unplayable.
constexpr GstClockTime kSettleLimit = 10 * GST_SECOND;

constexpr auto kEndOrError = static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR);

long milliseconds(gint64 nanoseconds) { return static_cast<long>(nanoseconds / GST_MSECOND); }
gint64 nanoseconds(long milliseconds) { return static_cast<gint64>(milliseconds) * GST_MSECOND; }

bool displayNamed() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value && *value) return true;
    }
    return false;
}

// An error from the sound output, or reading the file, or its contents.
unsigned errorNumber(GstMessage* message) {
    GError* failure = nullptr;
    gst_message_parse_error(message, &failure, nullptr);
    GstObject* source = GST_MESSAGE_SRC(message);
    bool fromSink = source && GST_IS_ELEMENT(source) && GST_OBJECT_FLAG_IS_SET(source, GST_ELEMENT_FLAG_SINK);
    bool unreadable = failure && failure->domain == GST_RESOURCE_ERROR &&
                      (failure->code == GST_RESOURCE_ERROR_NOT_FOUND || failure->code == GST_RESOURCE_ERROR_OPEN_READ ||
                       failure->code == GST_RESOURCE_ERROR_READ);
    if (failure) g_error_free(failure);
    if (fromSink) return error::kWaveOutputsUnsuitable;
    return unreadable ? error::kFileNotFound : error::kInvalidFile;
}

class Stream : public MediaStream {
  public:
    explicit Stream(GstElement* playbin) : playbin_(GST_ELEMENT(gst_object_ref_sink(playbin))) {
        bus_ = gst_element_get_bus(playbin_);
    }
    ~Stream() override {
        gst_element_set_state(playbin_, GST_STATE_NULL);
        gst_object_unref(bus_);
        gst_object_unref(playbin_);
    }
    Stream(const Stream&) = delete;
    Stream& operator=(const Stream&) = delete;

    // Prerolls the file: finds out what it holds and readies the sound output.
    unsigned load() {
        GstStateChangeReturn change = gst_element_set_state(playbin_, GST_STATE_PAUSED);
        if (change == GST_STATE_CHANGE_FAILURE) return failure();
        if (change == GST_STATE_CHANGE_ASYNC) {
            auto settled = static_cast<GstMessageType>(GST_MESSAGE_ASYNC_DONE | GST_MESSAGE_ERROR);
            GstMessage* message = gst_bus_timed_pop_filtered(bus_, kSettleLimit, settled);
            if (!message) return failure();
            if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR) return failure(message);
            gst_message_unref(message);
        }
        broken_ = false;
        return 0;
    }

    unsigned play(long from, std::optional<long> to) override {
        takeMessages();
        if (unsigned failed = moveTo(from, to)) return failed;
        end_ = to ? *to : length();
        if (gst_element_set_state(playbin_, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) return failure();
        mode_ = MediaMode::playing;
        return 0;
    }

    unsigned waitUntilDone() override {
        unsigned result = 0;
        while (mode_ == MediaMode::playing) {
            GstMessage* message = gst_bus_timed_pop_filtered(bus_, GST_CLOCK_TIME_NONE, kEndOrError);
            result = handle(message);
        }
        return result;
    }

    void pause() override { change(MediaMode::playing, MediaMode::paused, GST_STATE_PAUSED); }
    void resume() override { change(MediaMode::paused, MediaMode::playing, GST_STATE_PLAYING); }

    void stop() override {
        takeMessages();
        if (mode_ == MediaMode::stopped) return;
        stoppedAt_ = position();
        gst_element_set_state(playbin_, GST_STATE_PAUSED);
        mode_ = MediaMode::stopped;
    }

    unsigned seek(long position) override {
        takeMessages();
        unsigned result = moveTo(position, std::nullopt);
        mode_ = MediaMode::stopped;
        if (!result) stoppedAt_ = position;
        return result;
    }

    long length() override {
        gint64 duration = 0;
        if (length_ < 0 && gst_element_query_duration(playbin_, GST_FORMAT_TIME, &duration)) {
            length_ = milliseconds(duration);
        }
        return length_;
    }

    long position() override {
        takeMessages();
        gint64 now = 0;
        if (mode_ == MediaMode::stopped || !gst_element_query_position(playbin_, GST_FORMAT_TIME, &now)) {
            return stoppedAt_;
        }
        long at = milliseconds(now);
        return length() >= 0 && at > length_ ? length_ : at;
    }

    MediaMode mode() override {
        takeMessages();
        return mode_;
    }

  private:
    GstElement* playbin_;
    GstBus* bus_;
    MediaMode mode_ = MediaMode::stopped;
    long length_ = -1;                            // known once GStreamer has told it
    long stoppedAt_ = 0;                          // the position while stopped
    long end_ = -1;                               // where the playing under way ends
    bool broken_ = false;                         // an error stopped the pipeline: it is loaded again before moving
    unsigned lastFailure_ = error::kInvalidFile;  // the cause GStreamer last gave for a failure

    // The error of a state change that failed, from the messages GStreamer posted about it: a
    // failing sound output makes the elements before it fail as well, and names the cause. A
    // pipeline that failed once may fail again without a message: the cause is still the first.
    // first: an error message already taken from the bus.
    unsigned failure(GstMessage* first = nullptr) {
        broken_ = true;
        unsigned result = 0;
        GstMessage* message = first ? first : gst_bus_pop_filtered(bus_, GST_MESSAGE_ERROR);
        while (message) {
            unsigned number = errorNumber(message);
            if (!result || number == error::kWaveOutputsUnsuitable) result = number;
            gst_message_unref(message);
            message = gst_bus_pop_filtered(bus_, GST_MESSAGE_ERROR);
        }
        if (result) lastFailure_ = result;
        return lastFailure_;
    }

    // The end of the file or of the "to" position stops the file there; an error stops it where
    // it is. Returns the error number of an error.
    unsigned handle(GstMessage* message) {
        unsigned result = 0;
        if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS) {
            stoppedAt_ = end_ >= 0 ? end_ : stoppedAt_;
            gst_element_set_state(playbin_, GST_STATE_PAUSED);
        } else {
            result = errorNumber(message);
            broken_ = true;
            gst_element_set_state(playbin_, GST_STATE_NULL);
        }
        gst_message_unref(message);
        mode_ = MediaMode::stopped;
        return result;
    }

    // What GStreamer reported since the last command; the messages nobody asks for go with it.
    void takeMessages() {
        while (GstMessage* message = gst_bus_pop_filtered(bus_, kEndOrError)) handle(message);
    }

    void change(MediaMode from, MediaMode to, GstState state) {
        takeMessages();
        if (mode_ != from) return;
        gst_element_set_state(playbin_, state);
        mode_ = to;
    }

    // Pauses the file at from, to play up to to (nullopt: the end). A file that cannot move
    // (no index to seek by) can still be played from its start.
    unsigned moveTo(long from, std::optional<long> to) {
        if (broken_) {
            gst_element_set_state(playbin_, GST_STATE_NULL);
            // What the failed run left on the bus would be taken for news of the next.
            gst_bus_set_flushing(bus_, TRUE);
            gst_bus_set_flushing(bus_, FALSE);
            if (unsigned failed = load()) return failed;
        }
        gst_element_set_state(playbin_, GST_STATE_PAUSED);
        if (gst_element_get_state(playbin_, nullptr, nullptr, kSettleLimit) == GST_STATE_CHANGE_FAILURE) {
            return failure();
        }
        auto flags = static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE);
        bool moved = gst_element_seek(playbin_, 1.0, GST_FORMAT_TIME, flags, GST_SEEK_TYPE_SET, nanoseconds(from),
                                      GST_SEEK_TYPE_SET, to ? nanoseconds(*to) : -1);
        gst_element_get_state(playbin_, nullptr, nullptr, kSettleLimit);
        return moved || (from == 0 && !to) ? 0 : error::kUnsupportedFunction;
    }
};

class Player : public MediaBackend {
  public:
    unsigned open(const std::string& path, std::unique_ptr<MediaStream>& stream) override {
        struct stat info;
        if (::stat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return error::kFileNotFound;
        GstElement* playbin = gst_element_factory_make("playbin", nullptr);
        if (!playbin) return error::kUnsupportedFunction;
        auto opened = std::make_unique<Stream>(playbin);
        if (unsigned failed = configure(playbin, path)) return failed;
        // As on Windows, a file opens where no sound can be heard: only playing needs the sound
        // output, and fails there.
        unsigned failed = opened->load();
        if (failed && failed != error::kWaveOutputsUnsuitable) return failed;
        stream = std::move(opened);
        return 0;
    }

  private:
    // The file, the sound output VL_AUDIO_SINK names (GStreamer's own choice without it), and no
    // picture where there is no display to show it on.
    static unsigned configure(GstElement* playbin, const std::string& path) {
        gchar* uri = gst_filename_to_uri(path.c_str(), nullptr);
        if (!uri) return error::kFileNotFound;
        g_object_set(playbin, "uri", uri, nullptr);
        g_free(uri);
        if (!displayNamed()) {
            guint flags = 0;
            g_object_get(playbin, "flags", &flags, nullptr);
            g_object_set(playbin, "flags", flags & ~(kPlayVideo | kPlayText), nullptr);
        }
        const char* sinkName = std::getenv("VL_AUDIO_SINK");
        if (!sinkName || !*sinkName) return 0;
        GstElement* sink = gst_element_factory_make(sinkName, nullptr);
        if (!sink) return error::kWaveOutputsUnsuitable;
        // A sink that need not keep time (fakesink) is asked to, so that playing takes as long
        // as the sound does.
        if (g_object_class_find_property(G_OBJECT_GET_CLASS(sink), "sync")) g_object_set(sink, "sync", TRUE, nullptr);
        g_object_set(playbin, "audio-sink", sink, nullptr);
        return 0;
    }
};

}  // namespace

}  // namespace platform::gstreamer

// The module's entry point (see platform/media_module.h).
extern "C" __attribute__((visibility("default"))) platform::MediaBackend* velmish_create_media(int version) {
    if (version != platform::kMediaModuleVersion) return nullptr;
    if (!gst_init_check(nullptr, nullptr, nullptr)) return nullptr;
    // playbin comes with GStreamer's base plugins: without them nothing can be played.
    GstElementFactory* playbin = gst_element_factory_find("playbin");
    if (!playbin) return nullptr;
    gst_object_unref(playbin);
    return new platform::gstreamer::Player;
}
