// Reading aloud through speech-dispatcher where no server answers: nothing is read and the reason
// is told, and neither the caller nor the end of the program waits for a server that is stuck.
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/speech/speech_dispatcher.h"
#include "scenario_support.h"

using namespace vemra;
using namespace std::chrono_literals;

namespace {

// Points libspeechd at a socket of the test's own while the object lives.
class SpeechdAddress {
public:
    explicit SpeechdAddress(const std::filesystem::path& socket) {
        if (const char* old = std::getenv("SPEECHD_ADDRESS")) previous_ = old;
        setenv("SPEECHD_ADDRESS", ("unix_socket:" + socket.string()).c_str(), 1);
    }
    ~SpeechdAddress() {
        if (previous_) setenv("SPEECHD_ADDRESS", previous_->c_str(), 1);
        else unsetenv("SPEECHD_ADDRESS");
    }

private:
    std::optional<std::string> previous_;
};

// A socket that takes connections and never answers, as a hung server does.
class SilentServer {
public:
    explicit SilentServer(const std::filesystem::path& path) : fd_(socket(AF_UNIX, SOCK_STREAM, 0)) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
        listening_ = bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 && listen(fd_, 4) == 0;
    }
    ~SilentServer() { close(fd_); }  // which lets a client still waiting go
    bool listening() const { return listening_; }

private:
    int fd_;
    bool listening_ = false;
};

// The problems the speech reports, waiting for the first (a generous bound, not a measure of speed).
std::vector<std::string> problemsOf(speech::Speech& speech) {
    for (int i = 0; i < 1000; ++i) {
        if (auto problems = speech.takeProblems(); !problems.empty()) return problems;
        std::this_thread::sleep_for(10ms);
    }
    return {};
}

}  // namespace

TEST(SpeechDispatcher, WithoutAServerNothingIsReadAndTheReasonIsTold) {
    vemra::testing::TempDir dir;
    const SpeechdAddress address(dir / "speechd.sock");
    std::atomic<int> wakes = 0;
    speech::SpeechDispatcher speech([&] { ++wakes; }, {.autospawn = false});
    speech.speak({"سلام", "fa"});
    const auto problems = problemsOf(speech);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find("speech-dispatcher is not running"), std::string::npos) << problems[0];
    EXPECT_FALSE(speech.speaking());
    EXPECT_EQ(wakes, 1) << "the UI thread is woken to tell it";
    EXPECT_EQ(speech.last().text, "سلام");
}

TEST(SpeechDispatcher, AServerThatNeverAnswersHoldsNeitherTheCallerNorTheEnd) {
    vemra::testing::TempDir dir;
    const SilentServer server(dir / "speechd.sock");
    ASSERT_TRUE(server.listening());
    const SpeechdAddress address(dir / "speechd.sock");
    {
        speech::SpeechDispatcher speech([] {}, {.autospawn = false, .answerWithin = 100ms});
        speech.speak({"سلام", "fa"});
        EXPECT_TRUE(speech.speaking()) << "the text is on its way";
        std::vector<std::string> problems;
        for (int i = 0; i < 200 && problems.empty(); ++i) {  // once the first has waited over 100 ms
            std::this_thread::sleep_for(50ms);
            speech.speak({"سلام", "fa"});
            problems = speech.takeProblems();
        }
        ASSERT_EQ(problems.size(), 1u);
        EXPECT_NE(problems[0].find("has not answered"), std::string::npos) << problems[0];
        speech.stop();
        EXPECT_FALSE(speech.speaking()) << "stopping needs no answer";
    }  // ends without waiting for the server
}
