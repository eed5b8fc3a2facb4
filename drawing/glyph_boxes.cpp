#include "drawing/glyph_boxes.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>

namespace tessel {

std::vector<PixelBox> GlyphBoxes(const std::vector<Segment>& lines, DpiScale scale) {
    // Design pixels by row, each row's columns in order.
    std::map<std::int32_t, std::set<std::int32_t>> rows;
    for (const Segment& line : lines) {
        const std::int64_t dx = std::int64_t{line.x2} - line.x1;
        const std::int64_t dy = std::int64_t{line.y2} - line.y1;
        const std::int64_t steps = std::max(std::llabs(dx), std::llabs(dy));
        for (std::int64_t k = 0; k < steps; ++k) {
            // Halves away from zero, as a 45-degree or straight line needs none.
            const auto along = [&](std::int32_t from, std::int64_t delta) {
                const std::int64_t twice = 2 * delta * k;
                const std::int64_t rounded =
                    (std::llabs(twice) + steps) / (2 * steps) * (twice < 0 ? -1 : 1);
                return static_cast<std::int32_t>(from + rounded);
            };
            rows[along(line.y1, dy)].insert(along(line.x1, dx));
        }
    }
    std::vector<PixelBox> boxes;
    for (const auto& [y, columns] : rows) {
        const std::int32_t top = scale(y);
        const std::int32_t height = scale(y + 1) - top;
        for (auto run = columns.begin(); run != columns.end();) {
            auto last = run;
            while (std::next(last) != columns.end() && *std::next(last) == *last + 1) {
                ++last;
            }
            const std::int32_t left = scale(*run);
            boxes.push_back({left, top, scale(*last + 1) - left, height});
            run = std::next(last);
        }
    }
    return boxes;
}

}  // namespace tessel
