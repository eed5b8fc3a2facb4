// The text of one item (or category name) as the store keeps it: up to
// kInlineBytes bytes inside the record itself, longer texts (up to 255
// bytes) in blocks of the store's text pool. A list of 100,000 short items
// then costs no heap allocation per item, and the record stays small, so
// inserting or moving within a long list moves little memory.
//
// Reads like a std::string_view; assigned from any text. The bytes are
// cp932 and always followed by a NUL, for c_str().
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iosfwd>
#include <string>
#include <string_view>
#include <type_traits>

namespace tessel {

class ItemText {
  public:
    // Texts of up to this many bytes need no block of the pool.
    static constexpr std::size_t kInlineBytes = 22;
    // The longest text a block of the pool holds; longer ones are cut by
    // the caller first (the store keeps at most 255 bytes).
    static constexpr std::size_t kMaxBytes = 255;

    ItemText() noexcept { bytes_[0] = '\0'; }
    ItemText(std::string_view text) { Assign(text); }  // NOLINT: a text is a text
    ItemText(const char* text) : ItemText(std::string_view(text)) {}
    ItemText(const std::string& text) : ItemText(std::string_view(text)) {}
    ItemText(const ItemText& other) {
        if (other.IsInline()) {
            std::memcpy(static_cast<void*>(this), &other, sizeof(ItemText));
        } else {
            CopyLong(other.view());
        }
    }
    // Moves are the bulk of inserting into and moving within a long list:
    // inline, a copy of the 24 bytes.
    ItemText(ItemText&& other) noexcept {
        std::memcpy(static_cast<void*>(this), &other, sizeof(ItemText));
        other.size_ = 0;
        other.bytes_[0] = '\0';
    }
    ItemText& operator=(const ItemText& other);
    ItemText& operator=(ItemText&& other) noexcept {
        if (this != &other) {
            Release();
            std::memcpy(static_cast<void*>(this), &other, sizeof(ItemText));
            other.size_ = 0;
            other.bytes_[0] = '\0';
        }
        return *this;
    }
    ItemText& operator=(std::string_view text);
    ItemText& operator=(const char* text) { return *this = std::string_view(text); }
    ItemText& operator=(const std::string& text) { return *this = std::string_view(text); }
    ~ItemText() { Release(); }

    std::size_t size() const noexcept { return size_; }
    bool empty() const noexcept { return size_ == 0; }
    const char* data() const noexcept { return IsInline() ? bytes_ : Block(); }
    const char* c_str() const noexcept { return data(); }
    const char* begin() const noexcept { return data(); }
    const char* end() const noexcept { return data() + size_; }
    char operator[](std::size_t i) const noexcept { return data()[i]; }
    std::string_view view() const noexcept { return {data(), size_}; }
    operator std::string_view() const noexcept { return view(); }
    std::string str() const { return std::string(view()); }

    // Compared with any text by its bytes.
    template <class T, class = std::enable_if_t<std::is_convertible_v<const T&, std::string_view> &&
                                                !std::is_same_v<T, ItemText>>>
    friend bool operator==(const ItemText& a, const T& b) noexcept {
        return a.view() == std::string_view(b);
    }
    template <class T, class = std::enable_if_t<std::is_convertible_v<const T&, std::string_view> &&
                                                !std::is_same_v<T, ItemText>>>
    friend bool operator==(const T& a, const ItemText& b) noexcept {
        return std::string_view(a) == b.view();
    }
    friend bool operator==(const ItemText& a, const ItemText& b) noexcept {
        return a.view() == b.view();
    }
    template <class T>
    friend bool operator!=(const ItemText& a, const T& b) noexcept {
        return !(a == b);
    }
    template <class T, class = std::enable_if_t<!std::is_same_v<T, ItemText>>>
    friend bool operator!=(const T& a, const ItemText& b) noexcept {
        return !(b == a);
    }

  private:
    bool IsInline() const noexcept { return size_ <= kInlineBytes; }
    // Text longer than kMaxBytes is cut there, never inside a character.
    void Assign(std::string_view text);
    // A text of kInlineBytes + 1 to kMaxBytes bytes into a block of the pool.
    void CopyLong(std::string_view text);
    void Release() noexcept {
        if (!IsInline()) {
            GiveBack();
        }
        size_ = 0;
        bytes_[0] = '\0';
    }
    void GiveBack() noexcept;

    // The block's address, kept in the text bytes of a longer text; copied in
    // and out, so that the record needs no alignment and stays 24 bytes.
    char* Block() const noexcept;
    void SetBlock(char* block) noexcept;

    char bytes_[kInlineBytes + 1];  // the text and its NUL, or the block's address
    std::uint8_t size_ = 0;
};

std::ostream& operator<<(std::ostream& out, const ItemText& text);
std::string operator+(const std::string& a, const ItemText& b);

// What the pool holds now, for tests and measurements: blocks handed out,
// and bytes taken from the system in chunks.
struct TextPoolUse {
    std::size_t blocksInUse = 0;
    std::size_t bytesReserved = 0;
};
TextPoolUse CurrentTextPoolUse();

}  // namespace tessel
