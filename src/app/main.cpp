#include <cstdio>
#include <filesystem>
#include <memory>

#include "app/content_choice.h"
#include "app/options.h"
#include "app/text_export.h"
#include "app/toolkit_check.h"
#include "platform/headless/headless_backend.h"
#include "platform/headless/virtual_clock_window.h"
#include "platform/script/script.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/speech/speech_dispatcher.h"
#include "platform/ui/application.h"
#include "platform/ui/trace.h"
#include "title/navigation_map.h"
#include "title/title.h"

using namespace vemra;

namespace {

std::unique_ptr<ui::Backend> makeBackend(const app::Options& o) {
    if (o.headless) return std::make_unique<headless::HeadlessBackend>(o.display);
    sdl::SdlOptions sdlOptions;
    sdlOptions.display = o.display;
    sdlOptions.scale = o.scale;
    sdlOptions.fullscreen = o.fullscreen;
    auto window = sdl::createSdlBackend(sdlOptions);
    if (o.virtualTime) return std::make_unique<headless::VirtualClockWindow>(std::move(window));
    return window;
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    const auto options = app::parseOptions(argc, argv, error);
    if (!options) {
        std::fprintf(stderr, "vemra: %s\n%s", error.c_str(), app::usage);
        return 2;
    }
    if (options->navigationMap) {
        std::fputs(title::navigationTree().c_str(), stdout);
        return 0;
    }
    if (options->help) {
        std::printf("%s\n%s", app::usage, app::help);
        return 0;
    }
    if (options->version) {
        std::printf("vemra %s\n", VEMRA_VERSION);
        return 0;
    }
    try {
        std::vector<script::Command> commands;
        if (!options->scriptFile.empty()) commands = script::readScriptFile(options->scriptFile);
        const bool needsTitle = !options->toolkitCheck || !options->exportText.empty();
        if (const auto problem = app::chooseContent(options->contentDir, needsTitle)) {
            std::fprintf(stderr, "vemra: %s\n", problem->c_str());
            return 2;
        }
        if (!options->exportText.empty()) return app::exportText(options->exportText);
        ui::setTracing(options->trace);

        auto backend = makeBackend(*options);
        ui::Application application(*backend);
        // A window run reads aloud through the desktop's speech service; a headless one records.
        if (!options->headless)
            application.setSpeech(std::make_unique<speech::SpeechDispatcher>([&b = *backend] { b.wake(); }));
        // A headless run lasts as long as its script; without one it ends after start-up.
        std::unique_ptr<script::ScriptRunner> runner;
        if (!options->scriptFile.empty() || options->headless) {
            runner = std::make_unique<script::ScriptRunner>(application, std::move(commands));
            application.setDriver(runner.get());
        }

        if (options->toolkitCheck) {
            application.create<app::ToolkitCheckScreen>(0).show();
            application.run();
        } else {
            title::run(application);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vemra: %s\n", e.what());
        return 1;
    }
    return 0;
}
