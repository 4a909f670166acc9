#include "layout.h"

#include <fmt/format.h>

#include <algorithm>
#include <charconv>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace panelhost::panel {
namespace {

std::string_view trim(std::string_view text) {
  const auto not_space = [](char c) { return c != ' ' && c != '\t' && c != '\r'; };
  while (!text.empty() && !not_space(text.front())) text.remove_prefix(1);
  while (!text.empty() && !not_space(text.back())) text.remove_suffix(1);
  return text;
}

std::string lower(std::string_view text) {
  std::string result(text);
  std::transform(result.begin(), result.end(), result.begin(),
                 [](char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
  return result;
}

std::vector<std::string_view> split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  while (true) {
    const std::size_t at = text.find(separator);
    parts.push_back(trim(text.substr(0, at)));
    if (at == std::string_view::npos) break;
    text.remove_prefix(at + 1);
  }
  return parts;
}

class Parser {
 public:
  Parser(std::string_view text, std::string source) : text_(text) { layout_.source = std::move(source); }

  Layout run() {
    std::size_t line_number = 0;
    std::string_view rest = text_;
    while (!rest.empty() || line_number == 0) {
      const std::size_t end = rest.find('\n');
      line_ = ++line_number;
      handle(trim(rest.substr(0, end)));
      if (end == std::string_view::npos) break;
      rest.remove_prefix(end + 1);
    }
    finish();
    return std::move(layout_);
  }

 private:
  [[noreturn]] void fail(const std::string& problem) const {
    throw LayoutError(fmt::format("{}:{}: {}", layout_.source, line_, problem));
  }

  std::int32_t integer(std::string_view text, const std::string& what, std::int32_t minimum, std::int32_t maximum) {
    std::int32_t value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || result.ec != std::errc{} || result.ptr != text.data() + text.size())
      fail(fmt::format("{} \"{}\" is not a whole number", what, text));
    if (value < minimum || value > maximum) fail(fmt::format("{} {} is outside {} to {}", what, value, minimum, maximum));
    return value;
  }

  std::vector<std::int32_t> numbers(std::string_view text, const std::string& key, std::size_t count,
                                    std::int32_t minimum, std::int32_t maximum) {
    const auto parts = split(text, ',');
    if (parts.size() != count) fail(fmt::format("{} needs {} numbers separated by commas", key, count));
    std::vector<std::int32_t> result;
    for (const auto part : parts) result.push_back(integer(part, key, minimum, maximum));
    return result;
  }

  void handle(std::string_view line) {
    // A comment may also close a line.
    if (const std::size_t comment = line.find("//"); comment != std::string_view::npos && comment > 0)
      line = trim(line.substr(0, comment));
    if (line.empty() || line.starts_with("//") || line.starts_with(';') || line.starts_with('#')) return;
    if (line.front() == '[') {
      if (line.back() != ']') fail("a section name must end with ']'");
      section(trim(line.substr(1, line.size() - 2)));
      return;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) fail(fmt::format("expected KEY=VALUE, found \"{}\"", line));
    const std::string key = lower(trim(line.substr(0, equals)));
    const std::string_view value = trim(line.substr(equals + 1));
    if (key.empty()) fail("a key is missing before '='");
    if (in_titles_) return title(key, value);
    if (!window_) fail(fmt::format("\"{}\" comes before any [WindowNN] section", key));
    setting(key, value);
  }

  void section(std::string_view name) {
    const std::string key = lower(name);
    if (key == "window titles") {
      in_titles_ = true;
      window_ = nullptr;
      return;
    }
    in_titles_ = false;
    if (!key.starts_with("window") || key.size() < 7 ||
        !std::all_of(key.begin() + 6, key.end(), [](char c) { return c >= '0' && c <= '9'; }))
      fail(fmt::format("unknown section [{}] (expected [Window Titles] or [WindowNN])", name));
    if (!sections_.insert(key).second) fail(fmt::format("section [{}] appears twice", name));
    PanelWindow& window = layout_.windows.emplace_back();
    window.section = std::string(name);
    window.line = line_;
    window.visible = true;
    window_ = &window;
    seen_.clear();
  }

  void title(const std::string& key, std::string_view value) {
    if (!key.starts_with("window")) fail(fmt::format("[Window Titles] holds WindowNN=TITLE lines, not \"{}\"", key));
    titles_[key] = std::string(value);
  }

  void setting(const std::string& key, std::string_view value) {
    if (!key.starts_with("gauge") && !seen_.insert(key).second) fail(fmt::format("{} is given twice in this window", key));
    PanelWindow& window = *window_;
    if (key == "size_mm") {
      const auto size = numbers(value, key, 2, 1, 8192);
      window.size = {size[0], size[1]};
    } else if (key == "background_color") {
      const auto rgb = numbers(value, key, 3, 0, 255);
      window.background_rgb = static_cast<std::uint32_t>(rgb[0] << 16 | rgb[1] << 8 | rgb[2]);
    } else if (key == "ident") {
      window.ident = static_cast<std::uint32_t>(integer(value, key, 0, 0x7FFFFFFF));
    } else if (key == "visible") {
      window.visible = integer(value, key, 0, 1) == 1;
    } else if (key == "window_pos") {
      const auto at = numbers(value, key, 2, 0, 8192);
      window.position = {at[0], at[1]};
    } else if (key.starts_with("gauge") && key.size() > 5 &&
               std::all_of(key.begin() + 5, key.end(), [](char c) { return c >= '0' && c <= '9'; })) {
      gauge(key, value);
    } else {
      fail(fmt::format("unknown key \"{}\" (known: size_mm, background_color, ident, visible, window_pos, gaugeNN)", key));
    }
  }

  void gauge(const std::string& key, std::string_view value) {
    for (const GaugePlacement& other : window_->gauges)
      if (other.key == key) fail(fmt::format("{} is given twice in this window", key));
    const auto parts = split(value, ',');
    const std::string_view reference = parts.front();
    const std::size_t bang = reference.find('!');
    if (bang == std::string_view::npos || bang == 0 || bang + 1 == reference.size())
      fail(fmt::format("{}: expected MODULE!GAUGE NAME, x, y[, w[, h]], found \"{}\"", key, reference));
    if (parts.size() < 3 || parts.size() > 5) fail(fmt::format("{}: expected MODULE!GAUGE NAME, x, y[, w[, h]]", key));
    GaugePlacement placement;
    placement.key = key;
    placement.module = std::string(trim(reference.substr(0, bang)));
    placement.gauge = std::string(trim(reference.substr(bang + 1)));
    placement.at = {integer(parts[1], key + " x", -8192, 8192), integer(parts[2], key + " y", -8192, 8192)};
    if (parts.size() >= 4) placement.width = integer(parts[3], key + " width", 1, 8192);
    if (parts.size() == 5) placement.height = integer(parts[4], key + " height", 1, 8192);
    placement.line = line_;
    window_->gauges.push_back(std::move(placement));
  }

  void finish() {
    if (layout_.windows.empty()) throw LayoutError(fmt::format("{}: no [WindowNN] section", layout_.source));
    for (PanelWindow& window : layout_.windows) {
      line_ = window.line;
      if (window.size.x == 0) fail(fmt::format("[{}] has no size_mm=WIDTH,HEIGHT", window.section));
      const auto title = titles_.find(lower(window.section));
      if (title != titles_.end()) window.title = title->second;
    }
    const PanelWindow& main = layout_.windows.front();
    for (std::size_t i = 1; i < layout_.windows.size(); ++i) {
      const PanelWindow& window = layout_.windows[i];
      line_ = window.line;
      if (window.position.x + window.size.x > main.size.x || window.position.y + window.size.y > main.size.y)
        fail(fmt::format("[{}] at {},{} with size {}x{} does not fit on the main window ({}x{})", window.section,
                         window.position.x, window.position.y, window.size.x, window.size.y, main.size.x,
                         main.size.y));
    }
    std::set<std::string> placed;
    for (const PanelWindow& window : layout_.windows) {
      for (const GaugePlacement& gauge : window.gauges) {
        line_ = gauge.line;
        if (!placed.insert(gauge.reference()).second)
          fail(fmt::format("{} is placed twice; a gauge can be on the panel only once", gauge.reference()));
      }
    }
  }

  std::string_view text_;
  Layout layout_;
  std::size_t line_ = 0;
  bool in_titles_ = false;
  PanelWindow* window_ = nullptr;
  std::set<std::string> sections_;
  std::set<std::string> seen_;
  std::map<std::string, std::string> titles_;
};

}  // namespace

Layout parse_layout(std::string_view text, const std::string& source) { return Parser(text, source).run(); }

Layout read_layout(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw LayoutError(fmt::format("{}: cannot read the layout file", path));
  std::ostringstream text;
  text << in.rdbuf();
  return parse_layout(text.str(), path);
}

std::string layout_text(const Layout& layout) {
  std::string text;
  text += "[Window Titles]\n";
  for (const PanelWindow& window : layout.windows)
    if (!window.title.empty()) text += fmt::format("{}={}\n", window.section, window.title);
  for (const PanelWindow& window : layout.windows) {
    text += fmt::format("\n[{}]\n", window.section);
    text += fmt::format("size_mm={},{}\n", window.size.x, window.size.y);
    text += fmt::format("background_color={},{},{}\n", window.background_rgb >> 16, (window.background_rgb >> 8) & 0xFF,
                        window.background_rgb & 0xFF);
    if (window.ident) text += fmt::format("ident={}\n", *window.ident);
    if (!window.visible) text += "visible=0\n";
    if (window.position.x != 0 || window.position.y != 0)
      text += fmt::format("window_pos={},{}\n", window.position.x, window.position.y);
    for (const GaugePlacement& gauge : window.gauges) {
      text += fmt::format("{}={}, {}, {}", gauge.key, gauge.reference(), gauge.at.x, gauge.at.y);
      if (gauge.width) text += fmt::format(", {}", *gauge.width);
      if (gauge.height) text += fmt::format(", {}", *gauge.height);
      text += "\n";
    }
  }
  return text;
}

}  // namespace panelhost::panel
