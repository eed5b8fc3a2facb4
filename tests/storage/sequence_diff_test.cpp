#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "storage/sequence_diff.h"

namespace tessel {
namespace {

std::uint64_t Hash(int value) {
    return static_cast<std::uint64_t>(value) * 0x9E3779B97F4A7C15ull;
}

// The pairs ascend in both sequences and join equal elements.
void ExpectCommonSubsequence(const std::vector<int>& a, const std::vector<int>& b,
                             const std::vector<DiffPair>& pairs) {
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        ASSERT_LT(pairs[i].a, a.size());
        ASSERT_LT(pairs[i].b, b.size());
        EXPECT_EQ(a[pairs[i].a], b[pairs[i].b]);
        if (i > 0) {
            EXPECT_GT(pairs[i].a, pairs[i - 1].a);
            EXPECT_GT(pairs[i].b, pairs[i - 1].b);
        }
    }
}

std::vector<int> Digits(const std::string& text) {
    return std::vector<int>(text.begin(), text.end());
}

TEST(SequenceDiffTest, FindsALongestCommonSubsequence) {
    const struct {
        const char* a;
        const char* b;
        std::size_t common;
    } kCases[] = {
        {"", "", 0},         {"abc", "", 0},    {"abc", "abc", 3}, {"abcabba", "cbabac", 4},
        {"xabcy", "abc", 3}, {"abc", "xyz", 0}, {"aaaa", "aa", 2}, {"abxcd", "abycd", 4},
        {"ba", "ab", 1},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(std::string(c.a) + " / " + c.b);
        const std::vector<int> a = Digits(c.a);
        const std::vector<int> b = Digits(c.b);
        const std::vector<DiffPair> pairs = DiffSequences(a, b, Hash);
        ExpectCommonSubsequence(a, b, pairs);
        EXPECT_EQ(pairs.size(), c.common);
    }
}

// More changes than the search may go through: the elements that stand once
// on each side anchor the parts between them, and each change is found.
TEST(SequenceDiffTest, ManyChangesInALongListAreFoundByAnchors) {
    constexpr int kCount = 50'000;
    std::vector<int> a;
    std::vector<int> b;
    for (int i = 0; i < kCount; ++i) {
        a.push_back(i);
        b.push_back(i % 97 == 0 ? -i - 1 : i);  // about 500 lines changed
    }
    const std::vector<DiffPair> pairs = DiffSequences(a, b, Hash);
    ExpectCommonSubsequence(a, b, pairs);
    EXPECT_EQ(pairs.size(), static_cast<std::size_t>(kCount - (kCount + 96) / 97));
}

// Long lists of repeated elements, with none that stands once to anchor
// on: what is found is still common to both.
TEST(SequenceDiffTest, LongListsOfRepeatsGiveACommonSubsequence) {
    std::vector<int> a;
    std::vector<int> b;
    for (int i = 0; i < 20'000; ++i) {
        a.push_back(i % 100);
        b.push_back(i * 7 % 100);
    }
    const std::vector<DiffPair> pairs = DiffSequences(a, b, Hash);
    ExpectCommonSubsequence(a, b, pairs);
    EXPECT_EQ(pairs.front().a, 0u);  // the common front is always kept
}

}  // namespace
}  // namespace tessel
