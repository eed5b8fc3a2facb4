// Owners for what a clipboard operation holds: the clipboard itself, a
// global memory block and its lock. Each gives its hold back when it goes
// and can be moved (the block) or not at all (the scopes).
#pragma once

#include <windows.h>

#include <utility>

namespace tessel {

// The clipboard, open for the length of a scope. Opened() is false when
// another window holds it.
class ClipboardScope {
  public:
    explicit ClipboardScope(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    ~ClipboardScope() {
        if (open_) {
            CloseClipboard();
        }
    }
    ClipboardScope(const ClipboardScope&) = delete;
    ClipboardScope& operator=(const ClipboardScope&) = delete;

    bool Opened() const { return open_; }

  private:
    bool open_;
};

// A global memory block, freed unless it was handed on (Release, after the
// clipboard took it).
class GlobalBlock {
  public:
    GlobalBlock() = default;
    explicit GlobalBlock(HGLOBAL block) : block_(block) {}
    ~GlobalBlock() {
        if (block_ != nullptr) {
            GlobalFree(block_);
        }
    }
    GlobalBlock(GlobalBlock&& other) noexcept : block_(other.Release()) {}
    GlobalBlock& operator=(GlobalBlock&& other) noexcept {
        if (this != &other) {
            GlobalBlock old(std::exchange(block_, other.Release()));
        }
        return *this;
    }
    GlobalBlock(const GlobalBlock&) = delete;
    GlobalBlock& operator=(const GlobalBlock&) = delete;

    HGLOBAL Get() const { return block_; }
    explicit operator bool() const { return block_ != nullptr; }
    HGLOBAL Release() { return std::exchange(block_, nullptr); }

  private:
    HGLOBAL block_ = nullptr;
};

// A global memory block locked for the length of a scope; Data() is null
// when the lock failed.
class GlobalLockScope {
  public:
    explicit GlobalLockScope(HGLOBAL block)
        : block_(block), data_(block != nullptr ? GlobalLock(block) : nullptr) {}
    ~GlobalLockScope() {
        if (data_ != nullptr) {
            GlobalUnlock(block_);
        }
    }
    GlobalLockScope(const GlobalLockScope&) = delete;
    GlobalLockScope& operator=(const GlobalLockScope&) = delete;

    void* Data() const { return data_; }

  private:
    HGLOBAL block_;
    void* data_;
};

}  // namespace tessel
