// Build tool: writes the pseudo-depth table that the program compiles in.
#include "templates/zarpseudodepth.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output file>\n", argv[0]);
        return 2;
    }
    zarPseudoDepth table{QString()};
    return table.createBaseFile(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
