// The monkey: the title on the headless backend, driven by seeded random events with a sanity
// check of its state after every batch, or by a script played back with a check at every `state`.
//   vemra-monkey --content DIR --seed S --events N [--batch B] [--log FILE]
//   vemra-monkey --content DIR --replay FILE [--log FILE]
// Exit status: 0 when every check passed and the title ran to the end of the events, 1 when a
// check failed or the title ended early (the reason on standard error), 2 for a bad command line.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "content/content_source.h"
#include "platform/headless/headless_backend.h"
#include "platform/ui/application.h"
#include "title/title.h"
#include "monkey/monkey_driver.h"

using namespace vemra;

namespace {

struct Options {
    std::string content = ".", replay, log = "/dev/null";
    std::uint32_t seed = 1;
    long events = 1000;
    int batch = 25;
};

bool parse(int argc, char** argv, Options& o) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string flag = argv[i], value = argv[i + 1];
        if (flag == "--content") o.content = value;
        else if (flag == "--replay") o.replay = value;
        else if (flag == "--log") o.log = value;
        else if (flag == "--seed") o.seed = std::uint32_t(std::stoul(value));
        else if (flag == "--events") o.events = std::stol(value);
        else if (flag == "--batch") o.batch = std::max(1, std::stoi(value));
        else return false;
    }
    return argc % 2 == 1;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    try {
        if (!parse(argc, argv, options)) throw std::invalid_argument("bad arguments");
    } catch (const std::exception&) {
        std::fprintf(stderr, "usage: vemra-monkey --content DIR (--seed S --events N [--batch B] | --replay FILE) [--log FILE]\n");
        return 2;
    }
    try {
        std::vector<script::Command> replay;
        if (!options.replay.empty()) replay = script::readScriptFile(options.replay);
        std::unique_ptr<std::FILE, int (*)(std::FILE*)> log(std::fopen(options.log.c_str(), "w"), std::fclose);
        if (!log) throw std::runtime_error("cannot write " + options.log);
        content::setContentRoot(options.content);

        headless::HeadlessBackend backend(gfx::Size{640, 480});
        ui::Application application(backend);
        monkey::MonkeyDriver driver(application, log.get());
        if (options.replay.empty()) driver.playRandom(options.seed, options.events, options.batch);
        else driver.playBack(std::move(replay));
        application.setDriver(&driver);
        title::run(application);

        if (!driver.failure().empty()) {
            std::fprintf(stderr, "vemra-monkey: after %ld events: %s\n", driver.played(), driver.failure().c_str());
            return 1;
        }
        if (!driver.finished()) {
            std::fprintf(stderr, "vemra-monkey: the title ended after %ld events\n", driver.played());
            return 1;
        }
        std::printf("%ld events, every check passed\n", driver.played());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vemra-monkey: %s\n", e.what());
        return 1;
    }
    return 0;
}
