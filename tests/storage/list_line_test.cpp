// The line reader takes most lines without copying them; every line must
// come out exactly as the byte-by-byte rules give it.
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "storage/list_line.h"
#include "store/cp932.h"

namespace tessel {
namespace {

struct Taken {
    std::string text;
    int tabs = 0;
    std::size_t next = 0;
    bool deeper = false;
    bool dropped = false;
    bool operator==(const Taken& o) const {
        return text == o.text && tabs == o.tabs && next == o.next && deeper == o.deeper &&
               dropped == o.dropped;
    }
};

// The rules as written: CR LF, CR, LF and NUL end a line; a lead byte takes
// the next byte along whatever it is, or is dropped at the end of the data;
// a character that finds no room in 255 bytes (257 behind a marker) is
// dropped; TABs count only in front of the first kept byte, up to
// kMaxIndent, and are never kept. Whatever is not kept but a line end or a
// leading TAB is dropped content, and so is a NUL.
Taken ByTheRules(const std::string& data, std::size_t at) {
    static const std::string markers[] = {"\x81\xA0", "\x81\xA1", "\x81\x9E",
                                          "\x81\x9F", "\x81\x9B", "\x81\x9C"};
    Taken t;
    std::size_t limit = 255;
    while (at < data.size()) {
        const char b = data[at++];
        if (IsCp932LeadByte(b)) {
            if (at == data.size()) {
                t.dropped = true;
                break;
            }
            const std::string pair{b, data[at++]};
            for (const std::string& marker : markers) {
                limit = t.text.empty() && pair == marker ? 257 : limit;
            }
            if (t.text.size() + 2 <= limit) {
                t.text += pair;
            } else {
                t.dropped = true;
            }
        } else if (b == '\t') {
            if (!t.text.empty()) {
                t.dropped = true;
            } else if (t.tabs < kMaxIndent) {
                ++t.tabs;
            } else {
                t.deeper = true;
            }
        } else if (b == '\r' || b == '\n' || b == '\0') {
            t.dropped = t.dropped || b == '\0';
            if (b == '\r' && at < data.size() && data[at] == '\n') {
                ++at;
            }
            break;
        } else if (t.text.size() < limit) {
            t.text += b;
        } else {
            t.dropped = true;
        }
    }
    t.next = at;
    return t;
}

Taken Take(const std::string& data, std::size_t at) {
    ListLine line;
    TakeListLine(data, at, line);
    return {std::string(line.View()), line.tabs, at, line.deeper, line.dropped};
}

std::vector<Taken> AllLines(const std::string& data,
                            Taken (*take)(const std::string&, std::size_t)) {
    std::vector<Taken> lines;
    for (std::size_t at = 0; at < data.size();) {
        lines.push_back(take(data, at));
        at = lines.back().next;
    }
    return lines;
}

TEST(ListLineTest, EdgesTakeTheRules) {
    const std::string lead = "\x82";
    const std::string kanji = "\x82\xA0";
    const std::string cases[] = {
        "plain\r\nnext",
        "\t\tindented\rx\ny\0z",
        "text\twith a TAB\r\n",
        "\t\t\r\n",
        kanji + lead,                // a lead byte that ends the data
        kanji + lead + "\r\nafter",  // a lead byte takes the CR along
        std::string(300, '\t') + "deep",
        std::string(255, 'a') + "b\r\n",
        std::string(253, 'a') + kanji + "b\r\n",  // the kanji finds no room; b still fits
        std::string(254, 'a') + kanji + "b\r\n",
        std::string(255, 'a') + "\r\n",
        "\x81\xA0" + std::string(255, 'a') + "\r\n",          // a marker and a whole text
        "\x81\xA0" + std::string(254, 'a') + kanji + "\r\n",  // one byte too many
        "\t\x81\xA1" + std::string(256, 'a'),
        std::string(100, '\t') + "\x81\xA0x\r\n" + std::string(101, '\t') + "\x81\xA0x",
        "\x81\xA0" + kanji + "\0tail",
        "",
    };
    for (const std::string& data : cases) {
        EXPECT_EQ(AllLines(data, Take), AllLines(data, ByTheRules)) << data;
    }
}

TEST(ListLineTest, RandomDataTakesTheRules) {
    // Bytes that matter to the rules, often; long lines now and then.
    const char alphabet[] = {'a',    '-',    ' ',    '\t',   '\r',   '\n',   '\0',   '\x82',
                             '\xA0', '\x81', '\xE0', '\xFC', '\x7F', '\xA1', '\xFF', '\x40'};
    std::mt19937 random(20261209);
    for (int round = 0; round < 3000; ++round) {
        std::string data;
        const int length = static_cast<int>(random() % (round % 10 == 0 ? 900 : 60));
        for (int i = 0; i < length; ++i) {
            data += random() % 4 == 0 ? alphabet[random() % sizeof alphabet] : 'x';
        }
        ASSERT_EQ(AllLines(data, Take), AllLines(data, ByTheRules)) << round;
    }
}

}  // namespace
}  // namespace tessel
