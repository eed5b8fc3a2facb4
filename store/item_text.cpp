#include "store/item_text.h"

#include <cstring>
#include <new>
#include <vector>

#include "store/cp932.h"

namespace tessel {

// The record stays at 24 bytes on both builds: 23 bytes of text or the
// block's address, and the length.
static_assert(sizeof(ItemText) == 24);

namespace {

// The store's text pool: blocks of 32, 64, 128 and 256 bytes cut from
// 64 KB chunks, each size with its free list. The program has one thread,
// so nothing is locked. Chunks stay for the life of the process: a freed
// block is only ever reused, which keeps the pool usable for records that
// outlive any order of static destruction.
class TextPool {
  public:
    static constexpr int kClasses = 4;
    static constexpr std::size_t kChunkBytes = 64 * 1024;

    static std::size_t ClassOf(std::size_t bytes) {
        std::size_t c = 0;
        while ((std::size_t{32} << c) < bytes) {
            ++c;
        }
        return c;
    }

    char* Take(std::size_t bytes) {
        const std::size_t c = ClassOf(bytes);
        if (free_[c] == nullptr) {
            Refill(c);
        }
        FreeBlock* block = free_[c];
        free_[c] = block->next;
        ++use_.blocksInUse;
        return reinterpret_cast<char*>(block);
    }

    void Give(char* data, std::size_t bytes) noexcept {
        const std::size_t c = ClassOf(bytes);
        auto* block = reinterpret_cast<FreeBlock*>(data);
        block->next = free_[c];
        free_[c] = block;
        --use_.blocksInUse;
    }

    TextPoolUse Use() const { return use_; }

  private:
    struct FreeBlock {
        FreeBlock* next;
    };

    void Refill(std::size_t c) {
        const std::size_t blockBytes = std::size_t{32} << c;
        chunks_.reserve(chunks_.size() + 1);  // so that the push below cannot fail
        char* chunk = static_cast<char*>(::operator new(kChunkBytes));
        chunks_.push_back(chunk);
        use_.bytesReserved += kChunkBytes;
        for (std::size_t at = kChunkBytes; at >= blockBytes; at -= blockBytes) {
            auto* block = reinterpret_cast<FreeBlock*>(chunk + at - blockBytes);
            block->next = free_[c];
            free_[c] = block;
        }
    }

    FreeBlock* free_[kClasses] = {};
    std::vector<char*> chunks_;
    TextPoolUse use_;
};

TextPool& Pool() {
    static TextPool* pool = new TextPool;  // never destroyed; see TextPool
    return *pool;
}

}  // namespace

char* ItemText::Block() const noexcept {
    char* block = nullptr;
    std::memcpy(&block, bytes_, sizeof block);
    return block;
}

void ItemText::SetBlock(char* block) noexcept {
    std::memcpy(bytes_, &block, sizeof block);
}

void ItemText::Assign(std::string_view text) {
    if (text.size() > kMaxBytes) {
        text = Cp932Prefix(text, kMaxBytes);
    }
    if (text.size() > kInlineBytes) {
        CopyLong(text);
        return;
    }
    std::memcpy(bytes_, text.data(), text.size());
    bytes_[text.size()] = '\0';
    size_ = static_cast<std::uint8_t>(text.size());
}

void ItemText::CopyLong(std::string_view text) {
    char* block = Pool().Take(text.size() + 1);
    std::memcpy(block, text.data(), text.size());
    block[text.size()] = '\0';
    SetBlock(block);
    size_ = static_cast<std::uint8_t>(text.size());
}

void ItemText::GiveBack() noexcept {
    Pool().Give(Block(), size_ + std::size_t{1});
}

ItemText& ItemText::operator=(const ItemText& other) {
    if (this == &other) {
        return *this;
    }
    if (other.IsInline()) {
        Release();
        std::memcpy(static_cast<void*>(this), &other, sizeof(ItemText));
        return *this;
    }
    return *this = other.view();
}

ItemText& ItemText::operator=(std::string_view text) {
    // Built aside first: text may point into this very record, and a
    // failed allocation leaves the old text in place.
    ItemText fresh(text);
    return *this = std::move(fresh);
}

std::string operator+(const std::string& a, const ItemText& b) {
    std::string joined = a;
    joined.append(b.view());
    return joined;
}

TextPoolUse CurrentTextPoolUse() {
    return Pool().Use();
}

}  // namespace tessel
