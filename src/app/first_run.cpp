#include "app/first_run.h"

#include "app/content_choice.h"
#include "app/first_run_screen.h"

namespace vemra::app {

bool runFirstRun(ui::Application& application, const std::string& rememberedGone) {
    FirstRunScreen::Note note;
    if (!rememberedGone.empty())
        note = {"عنوانی که آخرین بار پخش شد اکنون در دسترس نیست: دیسک آن را بگذارید یا عنوان دیگری برگزینید.",
                rememberedGone};
    bool chosen = false;
    auto& screen = application.create<FirstRunScreen>(titlePlaces(), std::move(note), [&](const std::filesystem::path& location) {
        auto problem = chooseContent(location.string(), true);
        chosen = !problem;
        return problem;
    });
    screen.show();
    application.run();
    return chosen && !application.terminated();
}

}  // namespace vemra::app
