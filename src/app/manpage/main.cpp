// glimmora-manpage [FILE]: writes the manual page of glimmora-cli (to FILE,
// or to the standard output). Run by the build; not installed.

#include "app/cli/ManPage.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc > 2) {
        std::cerr << "Usage: glimmora-manpage [FILE]\n";
        return 2;
    }
    if (argc == 1) {
        glimmora::cli::WriteManPage(std::cout);
        return std::cout ? 0 : 1;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    glimmora::cli::WriteManPage(out);
    out.close();
    if (!out) {
        std::cerr << "glimmora-manpage: cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
