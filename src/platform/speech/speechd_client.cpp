#include "platform/speech/speechd_client.h"

#include <strings.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace vemra::speech {

namespace {

// libspeechd's callbacks carry no context, only the message's id; the server numbers messages in
// the order it takes them, so the highest finished id tells which are done.
std::atomic<int> finishedUpTo{0};

void noteFinished(std::size_t id, std::size_t, SPDNotificationType) {
    const int finished = int(id);
    int known = finishedUpTo.load();
    while (known < finished && !finishedUpTo.compare_exchange_weak(known, finished)) {
    }
}

// A call that failed: the connection is no use any more.
struct Lost : std::runtime_error {
    Lost() : std::runtime_error("speech-dispatcher stopped answering") {}
};

// A voice of "fa" speaks "fa", and so does one of a region, "fa-IR".
bool speaks(std::string_view spoken, const std::string& language) {
    return spoken.size() >= language.size() && strncasecmp(spoken.data(), language.c_str(), language.size()) == 0 &&
           (spoken.size() == language.size() || spoken[language.size()] == '-');
}

// Whether the current output module has a voice for the language. The reply is read here, line by
// line: libspeechd's own list takes seconds over the thousands of voices a synthesizer may offer.
bool hasVoiceFor(SPDConnection* connection, const std::string& language) {
    char command[] = "LIST SYNTHESIS_VOICES";
    char* raw = nullptr;
    const int failed = spd_execute_command_with_reply(connection, command, &raw);
    const std::unique_ptr<char, decltype(&std::free)> reply(raw, std::free);
    if (!reply) throw Lost();
    if (failed) return false;  // a module that cannot list voices has none to offer
    // "249-NAME\tLANGUAGE\tVARIANT" a voice, and "249 OK VOICE LIST SENT" at the end.
    for (std::string_view rest(reply.get()); !rest.empty();) {
        const std::size_t end = rest.find("\r\n");
        const std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 2);
        const std::size_t tab = line.find('\t');
        if (line.size() < 4 || line[3] != '-' || tab == std::string_view::npos) continue;
        const std::string_view fields = line.substr(tab + 1);
        if (speaks(fields.substr(0, fields.find('\t')), language)) return true;
    }
    return false;
}

std::vector<std::string> listModules(SPDConnection* connection) {
    const std::unique_ptr<char*, decltype(&free_spd_modules)> modules(spd_list_modules(connection), free_spd_modules);
    if (!modules) throw Lost();
    std::vector<std::string> names;
    for (char** m = modules.get(); *m; ++m) names.emplace_back(*m);
    return names;
}

}  // namespace

bool SpeechdClient::finished(int id) { return id <= finishedUpTo.load(); }

std::string SpeechdClient::connect() {
    char* error = nullptr;
    connection_ = spd_open2("vemra", "read-aloud", nullptr, SPD_MODE_THREADED, nullptr, autospawn_, &error);
    if (!connection_) {
        const std::string why = error ? error : "no reason given";
        std::free(error);
        return "speech-dispatcher is not running: " + why;
    }
    // spd_open2 does not check that the server answered its greeting; these first commands do. Some
    // libspeechd calls read a broken connection's missing answer, so none is made before these answered.
    connection_->callback_end = noteFinished;
    connection_->callback_cancel = noteFinished;
    if (spd_set_notification_on(connection_, SPD_END) != 0 || spd_set_notification_on(connection_, SPD_CANCEL) != 0) {
        close();
        return "speech-dispatcher did not answer";
    }
    finishedUpTo = 0;  // a new server numbers its messages from 1
    return {};
}

void SpeechdClient::close() {
    if (connection_) spd_close(connection_);
    connection_ = nullptr;
    modules_.clear();
}

std::optional<std::string> SpeechdClient::moduleFor(const std::string& language) {
    if (const auto known = modules_.find(language); known != modules_.end()) return known->second;
    std::optional<std::string> found;
    if (hasVoiceFor(connection_, language)) {
        found = "";  // the user's own module speaks it
    } else {
        for (const std::string& module : listModules(connection_))
            if (spd_set_output_module(connection_, module.c_str()) == 0 && hasVoiceFor(connection_, language)) {
                found = module;
                break;
            }
    }
    modules_[language] = found;
    return found;
}

SpeechdClient::Said SpeechdClient::say(const Utterance& utterance) {
    if (!connection_)
        if (std::string problem = connect(); !problem.empty()) return {0, problem};
    try {
        const auto module = moduleFor(utterance.language);
        if (!module) return {0, "speech-dispatcher has no voice for the language " + utterance.language};
        if (spd_cancel(connection_) != 0) throw Lost();
        if (!module->empty() && spd_set_output_module(connection_, module->c_str()) != 0) throw Lost();
        if (spd_set_language(connection_, utterance.language.c_str()) != 0) throw Lost();
        const int id = spd_say(connection_, SPD_TEXT, utterance.text.c_str());
        if (id <= 0) throw Lost();
        return {id, {}};
    } catch (const Lost& lost) {
        close();  // the next text connects again
        return {0, lost.what()};
    }
}

void SpeechdClient::cancel() {
    if (connection_ && spd_cancel(connection_) != 0) close();
}

}  // namespace vemra::speech
