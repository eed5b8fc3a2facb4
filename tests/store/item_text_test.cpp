// Item texts: kept inside the record up to 22 bytes, in the pool beyond,
// never longer than 255 bytes nor cut inside a character.
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "store/item_text.h"

namespace tessel {
namespace {

TEST(ItemTextTest, KeepsEveryLengthWholeUpTo255) {
    for (std::size_t n : {0u, 1u, 22u, 23u, 31u, 32u, 63u, 64u, 127u, 128u, 255u}) {
        const std::string text(n, 'a');
        ItemText t(text);
        EXPECT_EQ(t, text) << n;
        EXPECT_EQ(t.size(), n);
        EXPECT_EQ(t.c_str()[n], '\0') << n;
    }
    EXPECT_EQ(ItemText(std::string(300, 'z')).size(), 255u);
    // 127 two-byte characters and one more: the 128th would end past 255.
    std::string kanji;
    for (int i = 0; i < 128; ++i) {
        kanji += "\x82\xA0";
    }
    EXPECT_EQ(ItemText(kanji).size(), 254u);
}

TEST(ItemTextTest, CopiesMovesAndAssignmentsKeepTheirOwnBytes) {
    const std::string longText(100, 'L');
    for (const std::string& first : {std::string("short"), longText}) {
        ItemText a(first);
        ItemText b(a);
        EXPECT_EQ(b, first);
        ItemText c(std::move(a));
        EXPECT_EQ(c, first);
        EXPECT_TRUE(a.empty());  // NOLINT: a moved-from text is empty
        b = "other";
        EXPECT_EQ(c, first);
        c = c.view().substr(1);  // from its own bytes
        EXPECT_EQ(c, first.substr(1));
        c = std::move(b);
        EXPECT_EQ(c, "other");
        c = c;  // NOLINT: self-assignment keeps the text
        EXPECT_EQ(c, "other");
    }
}

TEST(ItemTextTest, PoolBlocksComeBackAndAreReused) {
    const TextPoolUse before = CurrentTextPoolUse();
    {
        std::vector<ItemText> texts(1000, ItemText(std::string(40, 'p')));
        EXPECT_EQ(CurrentTextPoolUse().blocksInUse, before.blocksInUse + 1000);
        ItemText shortOne("fits inside");
        EXPECT_EQ(CurrentTextPoolUse().blocksInUse, before.blocksInUse + 1000);
    }
    EXPECT_EQ(CurrentTextPoolUse().blocksInUse, before.blocksInUse);
    const std::size_t reserved = CurrentTextPoolUse().bytesReserved;
    std::vector<ItemText> again(1000, ItemText(std::string(40, 'q')));
    EXPECT_EQ(CurrentTextPoolUse().bytesReserved, reserved);  // nothing new taken
}

}  // namespace
}  // namespace tessel
