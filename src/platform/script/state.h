#pragma once

#include <functional>
#include <string>

#include <nlohmann/json.hpp>

#include "platform/ui/application.h"

namespace vemra::script {

// Sections that the system's code adds to the state report ("vars", "devices"): each a function
// that returns its JSON value at the time of the report.
void setStateSection(const std::string& key, std::function<nlohmann::json()> section);
void clearStateSections();

// The whole state report: the clock, windows, the active window's controls and screen state,
// message boxes, and the registered sections.
nlohmann::json stateReport(ui::Application& app);

}  // namespace vemra::script
