// Saves one month-sized file over and over until it is killed, alternating
// the two save-loop contents, the second first; says "ready" once it runs.
// Ends with 1 when a save fails.
#include "data/file_io.h"
#include "data/save_contents.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "使い方: save_loop ファイル\n");
        return 2;
    }
    const std::string contents[2] = {cal::test::saveLoopContent(0), cal::test::saveLoopContent(1)};
    std::string error;
    std::printf("ready\n");
    std::fflush(stdout);
    for (unsigned i = 1;; ++i) {
        if (!cal::writeFileReplacing(argv[1], contents[i % 2], error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
    }
}
