#include "title/title.h"

#include <nlohmann/json.hpp>

#include "content/content_error.h"
#include "content/content_file.h"
#include "content/content_source.h"
#include "menus/main_menu.h"
#include "platform/gfx/font.h"
#include "platform/script/state.h"
#include "platform/ui/hex.h"
#include "platform/ui/trace.h"
#include "shell/backdrop.h"
#include "shell/intro.h"
#include "shell/navigation.h"
#include "shell/un4.h"
#include "title/navigation.h"

namespace vemra::title {

using namespace shell;

namespace {

constexpr const char* fontFiles[] = {"read01.fon", "read02.fon", "Serife.fon"};

// A font file that cannot be registered is left out: its texts then show in a substitute font.
// Fonts are registered from their bytes, which the content tree (a folder or a disc image) gives.
std::vector<std::string> registerFonts() {
    std::vector<std::string> registered;
    std::string names;
    for (const char* name : fontFiles) {
        if (!content::fileExists(name)) continue;
        try {
            if (gfx::FontLibrary::shared().registerFont(name, content::readContentFile(name, content::FileKind::font)) == 0) continue;
        } catch (const content::ContentError&) {
            continue;
        }
        registered.push_back(name);
        names += (names.empty() ? "" : " ") + std::string(name);
    }
    ui::trace("fonts registered", names);
    return registered;
}

nlohmann::json varsReport() {
    const Un4& s = un4();
    return {{"musicOn", s.musicOn},
            {"effectsOn", s.effectsOn},
            {"exitLit", s.exitLit},
            {"trackPending", s.trackPending},
            {"nextEffect", Frm17() ? Frm17()->nextEffect() : 0},
            {"animationSet", s.animationSet},
            {"animationModule", s.animationModule},
            {"animationFrame", s.animationFrame},
            {"animationFrameCount", s.animationFrameCount},
            {"animationTimer", Frm17() && Frm17()->Timer7().enabled()},
            {"secondaryBranchOpen", s.secondaryBranchOpen},
            {"selectedKind", s.selectedKind},
            {"playerVariant", s.playerVariant},
            {"listTop", s.listTop},
            {"articleIndex", s.articleIndex},
            {"articleTitle", ui::hexBytes(s.articleTitle)},
            {"titleLines", s.titleLines.size()},
            {"sectionRanges", s.sectionRanges.size()},
            {"entryNumbers", s.entryNumbers.size()},
            {"windowsDir", s.windowsDir}};
}

}  // namespace

void run(ui::Application& app) {
    const auto fonts = registerFonts();
    title::registerNavigation();
    ui::Ref<Intro> intro;
    script::setStateSection("vars", varsReport);
    script::setStateSection("opened", [] {
        nlohmann::json opened = nlohmann::json::array();
        for (const auto& [window, opener] : navigation().opened()) opened.push_back({{"window", window}, {"opener", opener}});
        return opened;
    });
    script::setStateSection("devices", [] {
        nlohmann::json devices = nlohmann::json::object();
        for (const media::MediaDevice* device : media::MediaDevice::live()) devices[device->name()] = device->describe();
        return devices;
    });

    intro = &app.create<Intro>([] {
        if (menus::Tfrm1* mainMenu = menus::frm1().get()) mainMenu->show();
    });
    app.create<Backdrop>();
    app.create<menus::Tfrm1>();
    // The intro may already have handed over while an error box of the main menu's creation was up.
    if (intro) intro->show();
    app.run();
    app.destroyWindows();

    script::clearStateSections();
    for (const auto& font : fonts) gfx::FontLibrary::shared().unregisterFont(font);
    ui::trace("fonts unregistered");
}

}  // namespace vemra::title
