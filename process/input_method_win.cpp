#include "process/input_method_win.h"

#include <windows.h>

#include <imm.h>

#include "process/app_state_win.h"

namespace tessel {
namespace {

// The main window's input context for the length of one call.
class InputContext {
  public:
    InputContext() : context_(ImmGetContext(MainFrameHandle)) {}
    ~InputContext() {
        if (context_ != nullptr) {
            ImmReleaseContext(MainFrameHandle, context_);
        }
    }
    InputContext(const InputContext&) = delete;
    InputContext& operator=(const InputContext&) = delete;
    HIMC Get() const { return context_; }

  private:
    HIMC context_;
};

}  // namespace

void RestoreImeState() {
    InputContext context;
    if (context.Get() != nullptr) {
        ImmSetOpenStatus(context.Get(), rememberedImeOpen != 0 ? TRUE : FALSE);
    }
}

void RememberAndCloseIme() {
    InputContext context;
    if (context.Get() == nullptr) {
        return;
    }
    rememberedImeOpen = ImmGetOpenStatus(context.Get()) ? 1 : 0;
    if (rememberedImeOpen != 0) {
        ImmSetOpenStatus(context.Get(), FALSE);
    }
}

void PrepareInputMethod() {
    InputContext context;
    if (context.Get() != nullptr) {
        ImmSetOpenStatus(context.Get(), ImmGetOpenStatus(context.Get()));
    }
}

}  // namespace tessel
