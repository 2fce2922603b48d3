#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <thread>

#include "platform/speech/speech.h"

namespace vemra::speech {

struct SpeechDispatcherOptions {
    // Start speech-dispatcher when it is not running, as its clients do.
    bool autospawn = true;
    // How long the server may take over one request before it counts as not answering.
    std::chrono::milliseconds answerWithin{3000};
};

// Reads aloud through speech-dispatcher, the desktop's speech service. Its calls may wait for the
// server without end, so they run on a thread of their own: the UI thread only leaves requests and
// never waits. `wake` is called from that thread when there is a problem to take.
class SpeechDispatcher final : public Speech {
public:
    explicit SpeechDispatcher(std::function<void()> wake, SpeechDispatcherOptions options = {});
    // Waits for the thread at most answerWithin; a thread stuck on the server is left behind.
    ~SpeechDispatcher() override;
    SpeechDispatcher(const SpeechDispatcher&) = delete;
    SpeechDispatcher& operator=(const SpeechDispatcher&) = delete;

    void stop() override;
    bool speaking() const override;
    std::vector<std::string> takeProblems() override;

protected:
    void start(Utterance utterance) override;

private:
    struct Shared;
    static void work(const std::shared_ptr<Shared>& shared);

    std::shared_ptr<Shared> shared_;
    std::thread thread_;
};

}  // namespace vemra::speech
