// tessel_bare_loader: loads each DLL named on its command line by its bare
// name ("oleacc.dll"), the way a careless program would, and prints the
// path each came from. Started beside planted DLLs it must load them: the
// control that shows a test of planting planted something that loads.
// Exit status 0 when every name loaded, 1 otherwise, 2 on bad usage.
#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: tessel_bare_loader NAME.dll...\n");
        return 2;
    }
    int status = 0;
    for (int i = 1; i < argc; ++i) {
        HMODULE module = LoadLibraryA(argv[i]);
        char path[MAX_PATH] = {};
        if (module == nullptr || GetModuleFileNameA(module, path, MAX_PATH) == 0) {
            std::printf("%s: not loaded (%lu)\n", argv[i], GetLastError());
            status = 1;
            continue;
        }
        std::printf("%s: %s\n", argv[i], path);
    }
    return status;
}
