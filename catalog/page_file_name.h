#pragma once

#include <string>

namespace vok {

// The name of catalog page `page`: the first (or only) page has no number ("index.html"), the
// others their number in plain decimal ("index2.html", "index10.html").
std::string pageFileName(const std::string& indexName, const std::string& indexExt, int page);

// `name` inside `folder`, with one separator between them.
std::string pathInFolder(const std::string& folder, const std::string& name);

}  // namespace vok
