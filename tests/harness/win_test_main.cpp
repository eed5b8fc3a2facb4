// main() of the Windows tests. They run in-process under Wine with real
// windows; no error dialog may ever wait for a click that will not come.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    // A run asked for in another code page (TESSEL_ANSI_CODE_PAGE) proves
    // nothing unless the system really reads "A" texts in it.
    if (const char* asked = std::getenv("TESSEL_ANSI_CODE_PAGE")) {
        const unsigned long codePage = std::strtoul(asked, nullptr, 10);
        if (GetACP() != codePage) {
            std::fprintf(stderr, "ANSI code page %u, not the %lu asked for\n", GetACP(), codePage);
            return 1;
        }
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
