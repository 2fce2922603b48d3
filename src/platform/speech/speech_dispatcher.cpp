#include "platform/speech/speech_dispatcher.h"

#include <pthread.h>
#include <signal.h>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <utility>

#include "platform/speech/speechd_client.h"

namespace vemra::speech {

using Clock = std::chrono::steady_clock;

// What the UI thread and the speech thread share; the thread keeps it alive when it is left behind.
struct SpeechDispatcher::Shared {
    Shared(std::function<void()> w, SpeechDispatcherOptions o) : wake(std::move(w)), options(o) {}

    const std::function<void()> wake;
    const SpeechDispatcherOptions options;
    std::mutex mutex;
    std::condition_variable changed;
    // The UI's requests; a newer one replaces what the thread has not taken yet.
    std::optional<Utterance> toSay;
    bool toCancel = false;
    bool quit = false;
    unsigned request = 0;  // counts the UI's speak and stop calls
    // The thread's side.
    std::optional<unsigned> handing;  // the request whose text it is handing to the server
    std::optional<Clock::time_point> busySince;  // since when it waits for the server
    int saying = 0;  // the server's id for the message of the current request
    bool ended = false;
    std::vector<std::string> problems;
};

SpeechDispatcher::SpeechDispatcher(std::function<void()> wake, SpeechDispatcherOptions options)
    : shared_(std::make_shared<Shared>(std::move(wake), options)), thread_(work, shared_) {}

SpeechDispatcher::~SpeechDispatcher() {
    std::unique_lock lock(shared_->mutex);
    shared_->quit = true;
    shared_->changed.notify_all();
    if (shared_->changed.wait_for(lock, shared_->options.answerWithin, [&] { return shared_->ended; })) {
        lock.unlock();
        thread_.join();
    } else {
        thread_.detach();
    }
}

void SpeechDispatcher::work(const std::shared_ptr<Shared>& shared) {
    // Writing to a server that has gone raises SIGPIPE in the writing thread, which would end the
    // program; blocked on this thread (and libspeechd's, which inherits it), the write just fails.
    sigset_t pipe;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipe, nullptr);
    Shared& s = *shared;
    {
        SpeechdClient client(s.options.autospawn);
        std::unique_lock lock(s.mutex);
        while (true) {
            s.changed.wait(lock, [&] { return s.quit || s.toCancel || s.toSay; });
            if (s.quit) break;
            const bool cancel = std::exchange(s.toCancel, false);
            const std::optional<Utterance> utterance = std::exchange(s.toSay, std::nullopt);
            const unsigned request = s.request;
            if (utterance) s.handing = request;
            s.busySince = Clock::now();
            lock.unlock();
            if (cancel) client.cancel();
            const SpeechdClient::Said said = utterance ? client.say(*utterance) : SpeechdClient::Said{};
            lock.lock();
            s.busySince.reset();
            s.handing.reset();
            if (!said.problem.empty()) {
                s.problems.push_back(said.problem);
                if (!s.quit) s.wake();  // under the lock: once quit is set, whoever wakes may be gone
            } else if (utterance && s.request == request) {
                s.saying = said.id;
            }
        }
    }  // the connection closes here, on this thread
    std::lock_guard lock(s.mutex);
    s.ended = true;
    s.changed.notify_all();
}

void SpeechDispatcher::start(Utterance utterance) {
    std::lock_guard lock(shared_->mutex);
    const auto waited = shared_->busySince ? Clock::now() - *shared_->busySince : Clock::duration{};
    if (waited > shared_->options.answerWithin) {
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(waited).count();
        shared_->problems.push_back("speech-dispatcher has not answered for " + std::to_string(ms) + " ms");
        return;
    }
    ++shared_->request;
    shared_->toSay = std::move(utterance);
    shared_->toCancel = false;  // saying cancels first
    shared_->saying = 0;
    shared_->changed.notify_all();
}

void SpeechDispatcher::stop() {
    std::lock_guard lock(shared_->mutex);
    ++shared_->request;
    shared_->toSay.reset();
    shared_->toCancel = true;
    shared_->saying = 0;
    shared_->changed.notify_all();
}

bool SpeechDispatcher::speaking() const {
    std::lock_guard lock(shared_->mutex);
    const Shared& s = *shared_;
    return s.toSay || s.handing == s.request || (s.saying != 0 && !SpeechdClient::finished(s.saying));
}

std::vector<std::string> SpeechDispatcher::takeProblems() {
    std::lock_guard lock(shared_->mutex);
    return std::exchange(shared_->problems, {});
}

}  // namespace vemra::speech
