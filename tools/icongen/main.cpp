// Writes the program's icon file from the program's own drawing of it: icongen path/to/orvjubo.ico
#include <cstdio>

#include "shell/icon_file.h"
#include "shell/program_icon.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: icongen OUTPUT.ico\n");
        return 2;
    }
    const std::vector<std::uint8_t> bytes = orv::EncodeIconFile(orv::DrawProgramIcon());
    std::FILE* out = std::fopen(argv[1], "wb");
    if (bytes.empty() || out == nullptr) {
        std::fprintf(stderr, "icongen: cannot write %s\n", argv[1]);
        return 1;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    return std::fclose(out) == 0 && written ? 0 : 1;
}
