// qx73b-art: writes the named pictures of the artwork (e.g. OUT/fader-thumb-v.png).
// Usage: qx73b-art FILE... ; each file's base name chooses the picture.

#include "Artwork.h"

#include <QGuiApplication>

#include <cstdio>
#include <filesystem>
#include <fstream>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv); // fonts for any picture with text
    if (argc < 2) {
        std::fprintf(stderr, "usage: qx73b-art FILE...\n");
        return 2;
    }
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path path(argv[i]);
        const qx::art::Artwork* artwork = qx::art::findArtwork(path.filename().string());
        if (!artwork) {
            std::fprintf(stderr, "qx73b-art: no picture is called %s\n", path.filename().c_str());
            return 1;
        }
        const std::vector<std::uint8_t> bytes = qx::art::encodeArtwork(*artwork);
        std::filesystem::create_directories(path.parent_path());
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (bytes.empty() || !out.flush()) {
            std::fprintf(stderr, "qx73b-art: cannot write %s\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
