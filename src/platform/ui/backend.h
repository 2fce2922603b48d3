#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/region.h"
#include "platform/ui/cursor.h"
#include "platform/ui/input.h"

namespace vemra::ui {

// A source of sound that an audio output pulls from; fill() runs on the output's own thread.
class AudioSource {
public:
    virtual ~AudioSource() = default;
    // Writes `frames` interleaved 16-bit frames at the output's rate and channel count. Returns false
    // once it has nothing more to play: the output then stops pulling it until it is attached again.
    virtual bool fill(std::int16_t* out, int frames) = 0;
};

// Where decoded sound goes. Sources are mixed; attach and detach are thread-safe. An output with no
// source attached costs nothing: it neither wakes nor holds a sound device.
class AudioOutput {
public:
    virtual ~AudioOutput() = default;
    virtual int sampleRate() const = 0;
    virtual int channels() const = 0;
    virtual void attach(AudioSource* source) = 0;
    // After detach returns, fill() is never called on the source again.
    virtual void detach(AudioSource* source) = 0;
    // How long after a fill() returns its first frame is heard: the sound the output holds ahead.
    virtual std::int64_t latencyUs() const { return 0; }
};

// Everything the toolkit needs from the machine: a display, input, a clock, cursors, sound.
class Backend {
public:
    static constexpr std::int64_t noDeadline = -1;

    virtual ~Backend() = default;

    // The logical display the windows are placed on.
    virtual gfx::Size displaySize() const = 0;
    // Monotonic clock in microseconds since the backend started. A real clock may be read from any
    // thread (an audio output's fill stamps its buffers with it).
    virtual std::int64_t nowUs() const = 0;
    // True when time is virtual: it moves only by waitEvent deadlines and pauses.
    virtual bool virtualTime() const = 0;

    // Returns the next event, waiting until one arrives or the clock reaches deadlineUs
    // (noDeadline waits for an event). A virtual clock jumps to the deadline at once.
    virtual std::optional<InputEvent> waitEvent(std::int64_t deadlineUs) = 0;
    // Wakes a waitEvent in progress; safe from any thread.
    virtual void wake() = 0;

    // Whether present() shows frames anywhere; headless runs compose only for screenshots.
    virtual bool showsFrames() const = 0;
    // Shows the display, of which only `changed` differs from the frame shown last.
    virtual void present(const gfx::Bitmap& display, const gfx::Region& changed) = 0;

    virtual void setCursor(std::shared_ptr<const CursorShape> cursor) = 0;
    // A busy pause of a transition effect: the thread is held for `ns` nanoseconds.
    virtual void pause(std::int64_t ns) = 0;

    virtual AudioOutput& audio() = 0;

    // The clipboard's text (UTF-8): a recorded one, which runs without a desktop report; a window
    // backend uses the desktop's.
    virtual void setClipboardText(std::string utf8) { clipboard_ = std::move(utf8); }
    virtual std::string clipboardText() const { return clipboard_; }

private:
    std::string clipboard_;
};

}  // namespace vemra::ui
