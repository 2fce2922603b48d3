#pragma once

#include <libspeechd.h>

#include <map>
#include <optional>
#include <string>

#include "platform/speech/speech.h"

namespace vemra::speech {

// One connection to speech-dispatcher, made at the first text. Every call waits for the server's
// answer, however long it takes, so only the speech thread makes them.
class SpeechdClient {
public:
    // The id of the message the server took, or why it could not take the text.
    struct Said {
        int id = 0;
        std::string problem;
    };

    // With autospawn, a server that is not running is started, as every client of the service does
    // unless the user's configuration forbids it.
    explicit SpeechdClient(bool autospawn) : autospawn_(autospawn) {}
    ~SpeechdClient() { close(); }
    SpeechdClient(const SpeechdClient&) = delete;
    SpeechdClient& operator=(const SpeechdClient&) = delete;

    // Reads the text in a voice of its language, instead of whatever this client was reading.
    Said say(const Utterance& utterance);
    void cancel();
    // Whether the message has ended or was cancelled; safe from any thread.
    static bool finished(int id);

private:
    std::string connect();
    // The output module with a voice for the language ("" for the user's own), looked up once per
    // connection; none when no module has one.
    std::optional<std::string> moduleFor(const std::string& language);
    void close();

    bool autospawn_;
    SPDConnection* connection_ = nullptr;
    std::map<std::string, std::optional<std::string>> modules_;
};

}  // namespace vemra::speech
