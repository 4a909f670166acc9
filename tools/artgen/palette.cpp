#include "palette.h"

#include <algorithm>
#include <map>

#include "canvas.h"

namespace artgen {

namespace {

struct Colour {
  Rgb rgb;
  std::uint64_t count;
};

std::uint32_t key(Rgb c) {
  return static_cast<std::uint32_t>(c.r) << 16 | static_cast<std::uint32_t>(c.g) << 8 | c.b;
}

int channel(Rgb c, int axis) { return axis == 0 ? c.r : axis == 1 ? c.g : c.b; }

struct Box {
  std::vector<Colour> colours;
  int longest_axis() const {
    int best = 0;
    int best_range = -1;
    for (int axis = 0; axis < 3; ++axis) {
      int lo = 255;
      int hi = 0;
      for (const Colour& c : colours) {
        lo = std::min(lo, channel(c.rgb, axis));
        hi = std::max(hi, channel(c.rgb, axis));
      }
      if (hi - lo > best_range) {
        best_range = hi - lo;
        best = axis;
      }
    }
    return best;
  }
  int range() const {
    int axis = longest_axis();
    int lo = 255;
    int hi = 0;
    for (const Colour& c : colours) {
      lo = std::min(lo, channel(c.rgb, axis));
      hi = std::max(hi, channel(c.rgb, axis));
    }
    return hi - lo;
  }
  std::uint64_t weight() const {
    std::uint64_t total = 0;
    for (const Colour& c : colours) total += c.count;
    return total;
  }
};

int distance(Rgb a, Rgb b) {
  const int dr = a.r - b.r;
  const int dg = a.g - b.g;
  const int db = a.b - b.b;
  // Weighted towards green, as the eye is.
  return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

Rgb mean(const std::vector<Colour>& colours) {
  std::uint64_t r = 0;
  std::uint64_t g = 0;
  std::uint64_t b = 0;
  std::uint64_t n = 0;
  for (const Colour& c : colours) {
    r += c.rgb.r * c.count;
    g += c.rgb.g * c.count;
    b += c.rgb.b * c.count;
    n += c.count;
  }
  auto avg = [n](std::uint64_t sum) { return static_cast<std::uint8_t>((sum + n / 2) / n); };
  const Rgb m{avg(r), avg(g), avg(b)};
  // Only transparent pixels may take black; a mean of near-blacks stays visible.
  return m == kTransparent ? kDarkest : m;
}

std::vector<Rgb> median_cut(std::vector<Colour> colours, std::size_t wanted) {
  std::vector<Box> boxes{Box{std::move(colours)}};
  while (boxes.size() < wanted) {
    // Split the box with the most weight times spread.
    std::size_t pick = boxes.size();
    std::uint64_t best = 0;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      if (boxes[i].colours.size() < 2) continue;
      const std::uint64_t score = boxes[i].weight() * static_cast<std::uint64_t>(boxes[i].range() + 1);
      if (score > best) {
        best = score;
        pick = i;
      }
    }
    if (pick == boxes.size()) break;
    Box& box = boxes[pick];
    const int axis = box.longest_axis();
    std::stable_sort(box.colours.begin(), box.colours.end(), [axis](const Colour& a, const Colour& b) {
      return channel(a.rgb, axis) < channel(b.rgb, axis);
    });
    const std::uint64_t half = box.weight() / 2;
    std::uint64_t running = 0;
    std::size_t cut = 1;
    for (std::size_t i = 0; i + 1 < box.colours.size(); ++i) {
      running += box.colours[i].count;
      cut = i + 1;
      if (running >= half) break;
    }
    Box upper{std::vector<Colour>(box.colours.begin() + static_cast<std::ptrdiff_t>(cut), box.colours.end())};
    box.colours.resize(cut);
    boxes.push_back(std::move(upper));
  }
  std::vector<Rgb> palette;
  for (const Box& box : boxes) palette.push_back(mean(box.colours));
  return palette;
}

std::size_t nearest(const std::vector<Rgb>& palette, Rgb c) {
  std::size_t best = 0;
  int best_distance = distance(palette[0], c);
  for (std::size_t i = 1; i < palette.size(); ++i) {
    const int d = distance(palette[i], c);
    if (d < best_distance) {
      best_distance = d;
      best = i;
    }
  }
  return best;
}

}  // namespace

Indexed quantise(const Image& image) {
  std::map<std::uint32_t, Colour> histogram;
  for (const Rgb& p : image.pixels()) {
    if (p == kTransparent) continue;
    auto [it, inserted] = histogram.try_emplace(key(p), Colour{p, 0});
    ++it->second.count;
  }
  std::vector<Colour> colours;
  colours.reserve(histogram.size());
  for (const auto& [k, c] : histogram) colours.push_back(c);

  std::vector<Rgb> palette;
  if (colours.size() <= 255) {
    for (const Colour& c : colours) palette.push_back(c.rgb);
  } else {
    palette = median_cut(colours, 255);
    // A few rounds of moving each entry to the mean of the colours nearest it.
    for (int round = 0; round < 4; ++round) {
      std::vector<std::vector<Colour>> members(palette.size());
      for (const Colour& c : colours) members[nearest(palette, c.rgb)].push_back(c);
      for (std::size_t i = 0; i < palette.size(); ++i)
        if (!members[i].empty()) palette[i] = mean(members[i]);
    }
  }

  Indexed out;
  out.palette[0] = kTransparent;
  for (std::size_t i = 0; i < palette.size(); ++i) out.palette[i + 1] = palette[i];
  std::map<std::uint32_t, std::uint8_t> lookup;
  for (const Colour& c : colours)
    lookup[key(c.rgb)] = static_cast<std::uint8_t>(nearest(palette, c.rgb) + 1);
  out.indices.reserve(image.pixels().size());
  for (const Rgb& p : image.pixels())
    out.indices.push_back(p == kTransparent ? std::uint8_t{0} : lookup.at(key(p)));
  return out;
}

}  // namespace artgen
