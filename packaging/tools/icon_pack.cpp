// Packs PNG images of one icon into the icon container a desktop platform wants: a Windows .ico
// (for the program's resource file) or a macOS .icns (for its application bundle). Both formats
// hold PNG images as they are, so the images rendered from the project's SVG go in unchanged and
// no image library is needed.
//
//     veltrix_icon_pack ico|icns OUTPUT IMAGE.png...
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

struct Image {
    std::string path;
    Bytes png;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
};

std::uint32_t ReadBigEndian32(const Bytes& bytes, std::size_t at) {
    return std::uint32_t{bytes[at]} << 24 | std::uint32_t{bytes[at + 1]} << 16 |
           std::uint32_t{bytes[at + 2]} << 8 | std::uint32_t{bytes[at + 3]};
}

void AppendLittleEndian(Bytes& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<unsigned char>(value >> (8 * i)));
    }
}

void AppendBigEndian32(Bytes& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<unsigned char>(value >> shift));
    }
}

// A PNG starts with its signature and then the IHDR chunk, which gives width and height.
std::optional<Image> LoadPng(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    Bytes bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    constexpr std::array<unsigned char, 8> kSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    if (bytes.size() < 24 || !std::equal(kSignature.begin(), kSignature.end(), bytes.begin()) ||
        std::string_view(reinterpret_cast<const char*>(&bytes[12]), 4) != "IHDR") {
        return std::nullopt;
    }
    return Image{path, bytes, ReadBigEndian32(bytes, 16), ReadBigEndian32(bytes, 20)};
}

// ICO: a directory of 16-byte entries, then the images; 256 pixels is written as 0.
std::optional<Bytes> PackIco(const std::vector<Image>& images) {
    Bytes out;
    AppendLittleEndian(out, 0, 2); // reserved
    AppendLittleEndian(out, 1, 2); // type: icon
    AppendLittleEndian(out, static_cast<std::uint32_t>(images.size()), 2);
    auto offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (const Image& image : images) {
        if (image.width != image.height || image.width == 0 || image.width > 256) {
            std::fprintf(stderr, "%s: an icon image must be square, 1 to 256 pixels\n",
                         image.path.c_str());
            return std::nullopt;
        }
        out.push_back(static_cast<unsigned char>(image.width % 256));
        out.push_back(static_cast<unsigned char>(image.height % 256));
        out.push_back(0);               // no palette
        out.push_back(0);               // reserved
        AppendLittleEndian(out, 1, 2);  // colour planes
        AppendLittleEndian(out, 32, 2); // bits per pixel
        const auto size = static_cast<std::uint32_t>(image.png.size());
        AppendLittleEndian(out, size, 4);
        AppendLittleEndian(out, offset, 4);
        offset += size;
    }
    for (const Image& image : images) {
        out.insert(out.end(), image.png.begin(), image.png.end());
    }
    return out;
}

// The ICNS element type that holds a PNG of the given size.
std::optional<std::string_view> IcnsType(std::uint32_t size) {
    switch (size) {
    case 16:
        return "icp4";
    case 32:
        return "icp5";
    case 64:
        return "icp6";
    case 128:
        return "ic07";
    case 256:
        return "ic08";
    case 512:
        return "ic09";
    case 1024:
        return "ic10";
    default:
        return std::nullopt;
    }
}

// ICNS: a big-endian header with the file's length, then one typed element per image.
std::optional<Bytes> PackIcns(const std::vector<Image>& images) {
    Bytes body;
    for (const Image& image : images) {
        const std::optional<std::string_view> type = IcnsType(image.width);
        if (image.width != image.height || !type) {
            std::fprintf(stderr,
                         "%s: an icns image must be square, 16 to 1024 pixels, a power "
                         "of two\n",
                         image.path.c_str());
            return std::nullopt;
        }
        body.insert(body.end(), type->begin(), type->end());
        AppendBigEndian32(body, static_cast<std::uint32_t>(8 + image.png.size()));
        body.insert(body.end(), image.png.begin(), image.png.end());
    }
    Bytes out{'i', 'c', 'n', 's'};
    AppendBigEndian32(out, static_cast<std::uint32_t>(8 + body.size()));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

int Usage() {
    std::fputs("usage: veltrix_icon_pack ico|icns OUTPUT IMAGE.png...\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        return Usage();
    }
    const std::string_view format = argv[1];
    if (format != "ico" && format != "icns") {
        return Usage();
    }
    std::vector<Image> images;
    for (int i = 3; i < argc; ++i) {
        std::optional<Image> image = LoadPng(argv[i]);
        if (!image) {
            std::fprintf(stderr, "%s: not a readable PNG image\n", argv[i]);
            return 1;
        }
        images.push_back(std::move(*image));
    }
    const std::optional<Bytes> packed = format == "ico" ? PackIco(images) : PackIcns(images);
    if (!packed) {
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(packed->data()),
              static_cast<std::streamsize>(packed->size()));
    if (!out.flush()) {
        std::fprintf(stderr, "%s: cannot write\n", argv[2]);
        return 1;
    }
    return 0;
}
