#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vok {

// The program's key in the per-user store; each window keeps a section (subkey) under it.
inline constexpr std::string_view SettingsKeyPath = "\\software\\Tessaly_Vok";

inline constexpr std::string_view kMainSection = "formMain";
inline constexpr std::string_view kHtmlSection = "formHTML";
inline constexpr std::string_view kLogViewerSection = "formLogViewer";

// Splits "\a\b\c" into {"a", "b", "c"}. Paths count from the per-user root whether or not they
// start with "\"; empty components (a doubled or trailing "\") are skipped.
std::vector<std::string> splitKeyPath(std::string_view path);

// "\a\b" from {"a", "b"}; "\" for the root.
std::string joinKeyPath(const std::vector<std::string>& names);

// The path of `section` below the key at `path`.
std::string subkeyPath(std::string_view path, std::string_view section);

// Key and value names compare without regard to ASCII letter case.
bool sameName(std::string_view a, std::string_view b);

struct NameLess {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const;
};

}  // namespace vok
