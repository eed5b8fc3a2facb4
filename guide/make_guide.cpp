// make_guide TEMPLATE OUTPUT: writes the user's guide from its template and
// the program's tables. Any problem (a shortcut or a settings key the
// template does not describe, a row for one that is gone) is printed and
// nothing is written: a release never carries a guide behind its program.
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "guide/guide_text.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_guide TEMPLATE OUTPUT\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "make_guide: cannot read " << argv[1] << "\n";
        return 1;
    }
    const std::string templateText{std::istreambuf_iterator<char>(in),
                                   std::istreambuf_iterator<char>()};
    const tessel::GuideText guide = tessel::MakeGuide(templateText, tessel::ProgramTables());
    for (const std::string& problem : guide.problems) {
        std::cerr << argv[1] << ": " << problem << "\n";
    }
    if (!guide.problems.empty()) {
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << tessel::GuideFileBytes(guide.text);
    if (!out.flush()) {
        std::cerr << "make_guide: cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
