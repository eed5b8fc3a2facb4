// A line diff: which elements two sequences keep in common, in order (a
// longest common subsequence, or close to one when the two differ much).
//
// The common front and back are taken off first, so two lists of 100,000
// lines with a few changes cost about one pass. What is left is diffed
// with Myers' O(ND) algorithm up to a budget of differences; beyond it,
// elements that stand once in each sequence serve as anchors and the parts
// between them are diffed on their own; where there is none, the rest counts
// as replaced. The answer is always a common subsequence, never a wrong one.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace tessel {

// Element a of the first sequence is kept as element b of the second.
struct DiffPair {
    std::size_t a = 0;
    std::size_t b = 0;
};

namespace diff_detail {

// The differences Myers' search may go through in one part: its trace
// costs about the square of them in memory.
inline constexpr std::ptrdiff_t kMaxDifferences = 1000;
// Elements compared in one part before the anchors take over.
inline constexpr std::ptrdiff_t kMaxSteps = 20'000'000;
// Parts split by anchors within parts split by anchors, at most this deep.
inline constexpr int kMaxDepth = 32;

template <class T, class Hash>
class Differ {
  public:
    Differ(const std::vector<T>& a, const std::vector<T>& b, Hash hash)
        : a_(a), b_(b), hash_(hash) {}

    std::vector<DiffPair> Run() {
        pairs_.reserve(std::min(a_.size(), b_.size()));
        Part(0, a_.size(), 0, b_.size());
        return std::move(pairs_);
    }

  private:
    bool Same(std::size_t i, std::size_t j) const { return a_[i] == b_[j]; }

    // Pairs are found in order: every part lies behind the pairs before it.
    void Part(std::size_t aLow, std::size_t aHigh, std::size_t bLow, std::size_t bHigh,
              int depth = 0) {
        std::size_t front = 0;
        while (aLow + front < aHigh && bLow + front < bHigh && Same(aLow + front, bLow + front)) {
            pairs_.push_back({aLow + front, bLow + front});
            ++front;
        }
        aLow += front;
        bLow += front;
        std::size_t back = 0;
        while (aHigh - back > aLow && bHigh - back > bLow &&
               Same(aHigh - back - 1, bHigh - back - 1)) {
            ++back;
        }
        if (aLow < aHigh - back && bLow < bHigh - back &&
            !Myers(aLow, aHigh - back, bLow, bHigh - back) && depth < kMaxDepth) {
            Anchored(aLow, aHigh - back, bLow, bHigh - back, depth + 1);
        }
        for (std::size_t k = back; k > 0; --k) {
            pairs_.push_back({aHigh - k, bHigh - k});
        }
    }

    // Myers' greedy search for the shortest edit script, with its trace kept
    // for the way back. False when the budget ran out (nothing added).
    bool Myers(std::size_t aLow, std::size_t aHigh, std::size_t bLow, std::size_t bHigh) {
        const auto n = static_cast<std::ptrdiff_t>(aHigh - aLow);
        const auto m = static_cast<std::ptrdiff_t>(bHigh - bLow);
        const std::ptrdiff_t limit =
            std::min({n + m, kMaxDifferences, std::max<std::ptrdiff_t>(kMaxSteps / (n + m), 16)});
        const std::ptrdiff_t offset = limit + 1;
        std::vector<std::ptrdiff_t> v(static_cast<std::size_t>(2 * limit + 3), 0);
        // v[-d..d] as it stood after round d, from trace[d * d] on.
        std::vector<std::ptrdiff_t> trace;
        for (std::ptrdiff_t d = 0; d <= limit; ++d) {
            for (std::ptrdiff_t k = -d; k <= d; k += 2) {
                std::ptrdiff_t x = (k == -d || (k != d && v[offset + k - 1] < v[offset + k + 1]))
                                       ? v[offset + k + 1]
                                       : v[offset + k - 1] + 1;
                std::ptrdiff_t y = x - k;
                while (
                    x < n && y < m &&
                    Same(aLow + static_cast<std::size_t>(x), bLow + static_cast<std::size_t>(y))) {
                    ++x;
                    ++y;
                }
                v[offset + k] = x;
                if (x >= n && y >= m) {
                    Back(trace, aLow, bLow, n, m, d);
                    return true;
                }
            }
            trace.insert(trace.end(), v.begin() + (offset - d), v.begin() + (offset + d + 1));
        }
        return false;
    }

    void Back(const std::vector<std::ptrdiff_t>& trace, std::size_t aLow, std::size_t bLow,
              std::ptrdiff_t n, std::ptrdiff_t m, std::ptrdiff_t rounds) {
        std::vector<DiffPair> found;
        std::ptrdiff_t x = n;
        std::ptrdiff_t y = m;
        const auto at = [&trace](std::ptrdiff_t d, std::ptrdiff_t k) {
            return trace[static_cast<std::size_t>(d * d + k + d)];
        };
        for (std::ptrdiff_t d = rounds; d > 0; --d) {
            const std::ptrdiff_t k = x - y;
            const std::ptrdiff_t before =
                (k == -d || (k != d && at(d - 1, k - 1) < at(d - 1, k + 1))) ? k + 1 : k - 1;
            const std::ptrdiff_t beforeX = at(d - 1, before);
            const std::ptrdiff_t beforeY = beforeX - before;
            // The snake after the one step from (beforeX, beforeY).
            const std::ptrdiff_t snakeX = before == k + 1 ? beforeX : beforeX + 1;
            while (x > snakeX) {
                --x;
                --y;
                found.push_back(
                    {aLow + static_cast<std::size_t>(x), bLow + static_cast<std::size_t>(y)});
            }
            x = beforeX;
            y = beforeY;
        }
        while (x > 0 && y > 0) {
            --x;
            --y;
            found.push_back(
                {aLow + static_cast<std::size_t>(x), bLow + static_cast<std::size_t>(y)});
        }
        pairs_.insert(pairs_.end(), found.rbegin(), found.rend());
    }

    // Elements that stand once in each part, in the longest run of them in
    // the same order on both sides, split the part; the pieces between them
    // are diffed on their own. No such element: the part is replaced.
    void Anchored(std::size_t aLow, std::size_t aHigh, std::size_t bLow, std::size_t bHigh,
                  int depth) {
        struct Count {
            int inA = 0;
            int inB = 0;
            std::size_t where = 0;  // the element's place in the first part
        };
        std::unordered_multimap<std::uint64_t, std::size_t> firstOf;
        std::vector<Count> counts;
        const auto find = [&](std::uint64_t hash, const T& element) -> Count* {
            auto range = firstOf.equal_range(hash);
            for (auto it = range.first; it != range.second; ++it) {
                if (a_[counts[it->second].where] == element) {
                    return &counts[it->second];
                }
            }
            return nullptr;
        };
        // The first part's elements, each distinct one counted once.
        std::vector<std::uint64_t> hashA(aHigh - aLow);
        for (std::size_t i = aLow; i < aHigh; ++i) {
            hashA[i - aLow] = hash_(a_[i]);
        }
        std::vector<std::size_t> slotOfA(aHigh - aLow);
        for (std::size_t i = aLow; i < aHigh; ++i) {
            Count* count = find(hashA[i - aLow], a_[i]);
            if (count == nullptr) {
                firstOf.emplace(hashA[i - aLow], counts.size());
                counts.push_back({0, 0, i});
                count = &counts.back();
            }
            ++count->inA;
            slotOfA[i - aLow] = static_cast<std::size_t>(count - counts.data());
        }
        // Unique on both sides: (place in a, place in b), in the order of b.
        std::vector<std::size_t> placeInB(counts.size(), 0);
        for (std::size_t j = bLow; j < bHigh; ++j) {
            if (Count* count = find(hash_(b_[j]), b_[j])) {
                ++count->inB;
                placeInB[static_cast<std::size_t>(count - counts.data())] = j;
            }
        }
        std::vector<DiffPair> unique;
        for (std::size_t i = aLow; i < aHigh; ++i) {
            const Count& count = counts[slotOfA[i - aLow]];
            if (count.inA == 1 && count.inB == 1) {
                unique.push_back({i, placeInB[slotOfA[i - aLow]]});
            }
        }
        const std::vector<DiffPair> anchors = LongestRise(unique);
        if (anchors.empty()) {
            return;
        }
        std::size_t a = aLow;
        std::size_t b = bLow;
        for (const DiffPair& anchor : anchors) {
            Part(a, anchor.a, b, anchor.b, depth);
            pairs_.push_back(anchor);
            a = anchor.a + 1;
            b = anchor.b + 1;
        }
        Part(a, aHigh, b, bHigh, depth);
    }

    // The longest run of pairs (in the order of a) whose b rises too:
    // patience sorting, n log n.
    static std::vector<DiffPair> LongestRise(const std::vector<DiffPair>& pairs) {
        std::vector<std::size_t> tops;  // per length, the pair that ends the lowest run
        std::vector<std::ptrdiff_t> previous(pairs.size(), -1);
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            const auto it = std::lower_bound(
                tops.begin(), tops.end(), pairs[i].b,
                [&pairs](std::size_t top, std::size_t b) { return pairs[top].b < b; });
            if (it != tops.begin()) {
                previous[i] = static_cast<std::ptrdiff_t>(*(it - 1));
            }
            if (it == tops.end()) {
                tops.push_back(i);
            } else {
                *it = i;
            }
        }
        std::vector<DiffPair> run;
        for (std::ptrdiff_t i = tops.empty() ? -1 : static_cast<std::ptrdiff_t>(tops.back());
             i >= 0; i = previous[static_cast<std::size_t>(i)]) {
            run.push_back(pairs[static_cast<std::size_t>(i)]);
        }
        std::reverse(run.begin(), run.end());
        return run;
    }

    const std::vector<T>& a_;
    const std::vector<T>& b_;
    Hash hash_;
    std::vector<DiffPair> pairs_;
};

}  // namespace diff_detail

// The elements a and b keep in common, ascending in both. T has ==, and
// hash(element) gives equal elements equal numbers.
template <class T, class Hash>
std::vector<DiffPair> DiffSequences(const std::vector<T>& a, const std::vector<T>& b, Hash hash) {
    return diff_detail::Differ<T, Hash>(a, b, hash).Run();
}

}  // namespace tessel
