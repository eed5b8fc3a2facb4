// The name a rename gives, the category current after a delete and the
// focus row carried into another category.
#include "categorybar/category_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace tessel {
namespace {

const std::string kNew = kNewCategoryName;
const std::string kBlack = "\x81\xA1";   // ■
const std::string kWhite = "\x81\xA0";   // □
const std::string kCircle = "\x81\x9C";  // ●

TEST(CategoryRules, RenamedNames) {
    struct Case {
        std::string typed, name;
    } cases[] = {
        {"", kNew},
        {"\t\t", kNew},
        {kBlack, kNew},
        {"\t" + kCircle, kNew},
        {kBlack + "Shop", "Shop"},
        {"\t" + kWhite + "Shop", "Shop"},
        // A name that still began with a marker (or a TAB) would be read
        // back from list.txt as an item: every leading one goes.
        {kBlack + kWhite + "Shop", "Shop"},
        {kBlack + kWhite, kNew},
        {kBlack + "\tShop", "Shop"},
        {"  Shop", "  Shop"},
        {"  " + kBlack, "  " + kBlack},
        {"Shop" + kBlack, "Shop" + kBlack},
        {"\x81", "\x81"},  // a lone byte is no marker
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CategoryNameFromEdit(c.typed), c.name) << c.typed;
    }
}

TEST(CategoryRules, NeighbourAfterDelete) {
    struct Case {
        int deleted, remaining, current;
    } cases[] = {{0, 2, 0}, {1, 2, 1}, {2, 2, 1}, {0, 0, -1}, {4, 0, -1}, {9, 3, 2}};
    for (const Case& c : cases) {
        EXPECT_EQ(NeighbourAfterDelete(c.deleted, c.remaining), c.current)
            << c.deleted << " of " << c.remaining;
    }
}

}  // namespace
}  // namespace tessel
