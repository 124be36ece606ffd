// SPDX-License-Identifier: MIT
// Build step: the program's icon as PNG files for the desktop's icon theme,
// drawn from the same artwork as the window's icon.
//     trellis_icons FOLDER SIZE...   writes FOLDER/<SIZE>x<SIZE>/apps/trellis.png

#include "platform/IconFile.h"
#include "res/Resources.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s FOLDER SIZE...\n", argv[0]);
        return 2;
    }
    const ImageResource icon = TrellisIcon();
    for (int i = 2; i < argc; ++i) {
        const int nSize = std::atoi(argv[i]);
        const std::string strSize = std::to_string(nSize);
        const std::filesystem::path folder = std::filesystem::path(argv[1]) / (strSize + "x" + strSize) / "apps";
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        const std::string strFile = (folder / "trellis.png").string();
        if (nSize <= 0 || !AfxWriteIconFile(icon, nSize, strFile.c_str())) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], strFile.c_str());
            return 1;
        }
    }
    return 0;
}
