#pragma once

#include <filesystem>

namespace vemra::kit {

// The article titles and lists and the texts of both article screens: data2\qem0001 … qem0008 and
// qem0024. Section record 4 lists the seven-part articles, records 6 to 10 the article lists;
// records 1, 2, 3 and 5 are empty.
void writeArticleTexts(const std::filesystem::path& root);

}  // namespace vemra::kit
