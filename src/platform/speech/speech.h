#pragma once

#include <string>
#include <utility>
#include <vector>

namespace vemra::speech {

// A text to read aloud (UTF-8) and its language as speech services name it ("fa").
struct Utterance {
    std::string text;
    std::string language;
};

// A voice that reads one text at a time. Only the UI thread calls it.
class Speech {
public:
    virtual ~Speech() = default;

    // Starts reading the text instead of whatever it was reading.
    void speak(Utterance utterance) {
        last_ = utterance;
        start(std::move(utterance));
    }
    virtual void stop() = 0;
    // Whether it is reading, or about to, and has not been stopped.
    virtual bool speaking() const = 0;
    // What it was asked to read last.
    const Utterance& last() const { return last_; }
    // Why it could not read what it was asked since the last call, a line each.
    virtual std::vector<std::string> takeProblems() { return {}; }

protected:
    virtual void start(Utterance utterance) = 0;

private:
    Utterance last_;
};

// Reads nothing aloud and only keeps what it was asked, for headless runs and tests. Like a long
// text, it speaks until it is stopped.
class RecordedSpeech final : public Speech {
public:
    void stop() override { speaking_ = false; }
    bool speaking() const override { return speaking_; }

protected:
    void start(Utterance) override { speaking_ = true; }

private:
    bool speaking_ = false;
};

}  // namespace vemra::speech
