#include <cstdio>
#include <filesystem>
#include <memory>

#include "app/content_check.h"
#include "app/content_choice.h"
#include "app/first_run.h"
#include "app/remembered_content.h"
#include "app/options.h"
#include "app/text_export.h"
#include "app/toolkit_check.h"
#include "content/content_source.h"
#include "platform/headless/headless_backend.h"
#include "platform/headless/virtual_clock_window.h"
#include "platform/script/script.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/sdl/sdl_message_box.h"
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
    const bool window = !options->headless && options->exportText.empty() && !options->checkContent;
    // An error that ends the program before the title starts reaches a desktop user in a box.
    const auto startFailed = [&](const std::string& problem, int code) {
        std::fprintf(stderr, "vemra: %s\n", problem.c_str());
        if (window) sdl::showErrorBox(problem);
        return code;
    };
    bool titleStarted = false;
    try {
        std::vector<script::Command> commands;
        if (!options->scriptFile.empty()) commands = script::readScriptFile(options->scriptFile);
        if (window && options->forget)
            if (const auto why = app::forgetContent()) std::fprintf(stderr, "vemra: cannot forget: %s\n", why->c_str());
        if (options->checkContent) {
            if (const auto problem = app::chooseContent(options->contentDir, false)) return startFailed(*problem, 2);
            return app::checkContent(options->json);
        }
        if (!options->exportText.empty()) {
            if (const auto problem = app::chooseContent(options->contentDir, true)) return startFailed(*problem, 2);
            return app::exportText(options->exportText);
        }
        app::ContentStart start;
        if (options->toolkitCheck) start.problem = app::chooseContent(options->contentDir, false);
        else start = app::startContent(options->contentDir, window);
        if (start.problem) return startFailed(*start.problem, 2);
        ui::setTracing(options->trace);

        auto backend = makeBackend(*options);
        ui::Application application(*backend);
        // A window run reads aloud through the desktop's speech service; a headless one records.
        if (window)
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
            return 0;
        }
        if (start.firstRun && !app::runFirstRun(application, start.rememberedGone)) return 0;
        if (window)
            if (const auto why = app::rememberContent(content::contentSource().location()))
                std::fprintf(stderr, "vemra: cannot keep what plays for the next start: %s\n", why->c_str());
        titleStarted = true;
        title::run(application);
    } catch (const std::exception& e) {
        if (!titleStarted) return startFailed(e.what(), 1);
        std::fprintf(stderr, "vemra: %s\n", e.what());
        return 1;
    }
    return 0;
}
