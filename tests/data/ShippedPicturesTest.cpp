// The pictures the game loads from immagini/ beside the executable: every card face it can deal,
// the backs, a flag for every nationality a player can have, the GIF arrows and title, the table.
// The game shows a missing or broken picture as an empty space, so each file is checked for being
// a complete picture of a sensible size rather than just for existing.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {
namespace fs = std::filesystem;

const fs::path kPictures = fs::path(VELMORA_APP_DIR) / "immagini";

// A single-colour 200x300 JPEG at the quality the pictures use compresses to about 1 KB of scan
// data; a drawn card face needs several times that.
constexpr std::size_t kBlankCardScanLimit = 3000;

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int byteAt(const std::string& bytes, std::size_t pos) {
    return static_cast<unsigned char>(bytes[pos]);
}

struct JpegInfo {
    int width = 0;
    int height = 0;
    std::size_t scanBytes = 0;
};

// Walks the JPEG segments up to the image data: the file must open with SOI, carry a frame header
// and end with EOI, so a truncated write is caught as well as a file of the wrong kind.
std::optional<JpegInfo> readJpeg(const fs::path& path) {
    const std::string bytes = readFile(path);
    const std::size_t size = bytes.size();
    if (size < 4 || byteAt(bytes, 0) != 0xFF || byteAt(bytes, 1) != 0xD8) return std::nullopt;
    if (byteAt(bytes, size - 2) != 0xFF || byteAt(bytes, size - 1) != 0xD9) return std::nullopt;
    JpegInfo info;
    std::size_t pos = 2;
    while (pos + 4 <= size) {
        if (byteAt(bytes, pos) != 0xFF) return std::nullopt;
        const int marker = byteAt(bytes, pos + 1);
        if (marker == 0xFF) {
            ++pos;
            continue;
        }
        const std::size_t length =
            static_cast<std::size_t>(byteAt(bytes, pos + 2) << 8 | byteAt(bytes, pos + 3));
        if (length < 2 || pos + 2 + length > size) return std::nullopt;
        const bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame && length >= 7) {
            info.height = byteAt(bytes, pos + 5) << 8 | byteAt(bytes, pos + 6);
            info.width = byteAt(bytes, pos + 7) << 8 | byteAt(bytes, pos + 8);
        }
        if (marker == 0xDA) {
            info.scanBytes = size - 2 - (pos + 2 + length);
            return info.width > 0 && info.height > 0 ? std::optional(info) : std::nullopt;
        }
        pos += 2 + length;
    }
    return std::nullopt;
}

// A decoded single-frame GIF: palette indices row by row, with the palette and transparent index.
struct Gif {
    int width = 0;
    int height = 0;
    std::vector<std::array<int, 3>> palette;
    int transparent = -1;
    std::vector<int> pixels;

    bool isTransparent(int x, int y) const {
        return pixels[static_cast<std::size_t>(y * width + x)] == transparent;
    }
    std::array<int, 3> colour(int x, int y) const {
        return palette[static_cast<std::size_t>(pixels[static_cast<std::size_t>(y * width + x)])];
    }
};

// Variable-width LZW as GIF uses it; returns nothing on a code the table cannot hold yet.
std::optional<std::vector<int>> lzwDecode(const std::string& data, int minCodeSize, std::size_t expected) {
    const int clear = 1 << minCodeSize;
    const int end = clear + 1;
    int codeSize = minCodeSize + 1;
    int next = end + 1;
    std::vector<int> prefix(4096), suffix(4096), stack;
    std::vector<int> out;
    int old = -1, first = 0;
    std::uint32_t acc = 0;
    int bits = 0;
    std::size_t pos = 0;
    while (out.size() < expected) {
        while (bits < codeSize) {
            if (pos >= data.size()) return out;
            acc |= static_cast<std::uint32_t>(byteAt(data, pos++)) << bits;
            bits += 8;
        }
        int code = static_cast<int>(acc & ((1u << codeSize) - 1));
        acc >>= codeSize;
        bits -= codeSize;
        if (code == clear) {
            codeSize = minCodeSize + 1;
            next = end + 1;
            old = -1;
            continue;
        }
        if (code == end) break;
        if (old < 0) {
            if (code >= clear) return std::nullopt;
            out.push_back(code);
            old = first = code;
            continue;
        }
        const int incoming = code;
        stack.clear();
        if (code > next) return std::nullopt;
        if (code == next) {
            stack.push_back(first);
            code = old;
        }
        while (code > end) {
            stack.push_back(suffix[static_cast<std::size_t>(code)]);
            code = prefix[static_cast<std::size_t>(code)];
        }
        first = code;
        stack.push_back(code);
        out.insert(out.end(), stack.rbegin(), stack.rend());
        if (next < 4096) {
            prefix[static_cast<std::size_t>(next)] = old;
            suffix[static_cast<std::size_t>(next)] = first;
            ++next;
            if (next == (1 << codeSize) && codeSize < 12) ++codeSize;
        }
        old = incoming;
    }
    return out;
}

std::optional<Gif> readGif(const fs::path& path) {
    const std::string bytes = readFile(path);
    const std::size_t size = bytes.size();
    if (size < 14 || (bytes.compare(0, 6, "GIF89a") != 0 && bytes.compare(0, 6, "GIF87a") != 0))
        return std::nullopt;
    if (byteAt(bytes, size - 1) != 0x3B) return std::nullopt; // trailer: the writer finished
    Gif gif;
    gif.width = byteAt(bytes, 6) | byteAt(bytes, 7) << 8;
    gif.height = byteAt(bytes, 8) | byteAt(bytes, 9) << 8;
    std::size_t pos = 13;
    auto readPalette = [&](int packed) {
        const int entries = 1 << ((packed & 7) + 1);
        if (pos + 3u * entries > size) return false;
        gif.palette.clear();
        for (int i = 0; i < entries; ++i, pos += 3)
            gif.palette.push_back({byteAt(bytes, pos), byteAt(bytes, pos + 1), byteAt(bytes, pos + 2)});
        return true;
    };
    auto readBlocks = [&](std::string* into) {
        while (pos < size && byteAt(bytes, pos) != 0) {
            const std::size_t length = byteAt(bytes, pos);
            if (pos + 1 + length > size) return false;
            if (into) into->append(bytes, pos + 1, length);
            pos += 1 + length;
        }
        ++pos;
        return pos <= size;
    };
    if ((byteAt(bytes, 10) & 0x80) && !readPalette(byteAt(bytes, 10))) return std::nullopt;
    while (pos < size) {
        const int kind = byteAt(bytes, pos++);
        if (kind == 0x21 && pos + 1 < size) {
            const int label = byteAt(bytes, pos++);
            if (label == 0xF9 && pos + 5 <= size && (byteAt(bytes, pos + 1) & 1))
                gif.transparent = byteAt(bytes, pos + 4);
            if (!readBlocks(nullptr)) return std::nullopt;
        } else if (kind == 0x2C && pos + 10 <= size) {
            const int packed = byteAt(bytes, pos + 8);
            const bool whole = (byteAt(bytes, pos) | byteAt(bytes, pos + 1) | byteAt(bytes, pos + 2) |
                                byteAt(bytes, pos + 3)) == 0 &&
                               (byteAt(bytes, pos + 4) | byteAt(bytes, pos + 5) << 8) == gif.width &&
                               (byteAt(bytes, pos + 6) | byteAt(bytes, pos + 7) << 8) == gif.height;
            pos += 9;
            if (!whole || (packed & 0x40)) return std::nullopt; // one full, non-interlaced frame expected
            if ((packed & 0x80) && !readPalette(packed)) return std::nullopt;
            if (pos >= size || gif.palette.empty()) return std::nullopt;
            const int minCodeSize = byteAt(bytes, pos++);
            std::string data;
            if (minCodeSize < 2 || minCodeSize > 8 || !readBlocks(&data)) return std::nullopt;
            const std::size_t expected =
                static_cast<std::size_t>(gif.width) * static_cast<std::size_t>(gif.height);
            std::optional<std::vector<int>> pixels = lzwDecode(data, minCodeSize, expected);
            if (!pixels || pixels->size() != expected) return std::nullopt;
            for (int index : *pixels)
                if (index >= static_cast<int>(gif.palette.size())) return std::nullopt;
            gif.pixels = std::move(*pixels);
            return gif;
        } else {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::vector<std::string> unoCodes() {
    std::vector<std::string> codes;
    for (const char* colour : {"rosso", "giallo", "verde", "blu"}) {
        for (int value = 0; value <= 9; ++value)
            codes.push_back(std::to_string(value) + colour);
        for (const char* action : {"piu2", "cambiagiro", "saltaturno"})
            codes.push_back(std::string(action) + colour);
    }
    codes.push_back("cambiacolore");
    codes.push_back("piu4");
    return codes;
}

std::vector<std::string> frenchCodes() {
    std::vector<std::string> codes;
    for (const char* suit : {"picche", "cuori", "fiori", "quadri"})
        for (int value = 2; value <= 14; ++value)
            codes.push_back(std::to_string(value) + suit);
    return codes;
}

std::vector<std::string> nationKeys() {
    std::ifstream in(fs::path(VELMORA_SOURCE_DIR) / "seed" / "nazionalita.tsv");
    std::vector<std::string> keys;
    std::string line;
    std::getline(in, line); // header
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string key = line.substr(0, line.find('\t'));
        if (!key.empty()) keys.push_back(key);
    }
    return keys;
}

// Every face of a deck is a complete card-shaped JPEG with something drawn on it, and no two faces
// are the same file (a painter that ignores the value or the colour would repeat itself).
void expectDeck(const fs::path& folder, const std::vector<std::string>& codes) {
    std::set<std::string> contents;
    for (const std::string& code : codes) {
        SCOPED_TRACE(code);
        const fs::path path = folder / (code + ".jpg");
        const std::optional<JpegInfo> jpeg = readJpeg(path);
        ASSERT_TRUE(jpeg) << path << " is missing or not a complete JPEG";
        EXPECT_GE(jpeg->width, 120);
        EXPECT_LE(jpeg->width, 400);
        const double aspect = static_cast<double>(jpeg->height) / jpeg->width;
        EXPECT_GT(aspect, 1.3) << "cards stand upright";
        EXPECT_LT(aspect, 1.7);
        EXPECT_GT(jpeg->scanBytes, kBlankCardScanLimit)
            << "the face looks like a blank single-colour picture";
        contents.insert(readFile(path));
    }
    EXPECT_EQ(contents.size(), codes.size()) << "some faces are identical";

    const fs::path back = folder / "dietro.jpg";
    const std::optional<JpegInfo> jpeg = readJpeg(back);
    ASSERT_TRUE(jpeg) << back << " is missing or not a complete JPEG";
    EXPECT_GT(jpeg->scanBytes, kBlankCardScanLimit);
    EXPECT_EQ(contents.count(readFile(back)), 0u) << "the back repeats a face";
}
} // namespace

TEST(ShippedPicturesTest, unoDeckHasEveryFaceAndTheBack) {
    const std::vector<std::string> codes = unoCodes();
    ASSERT_EQ(codes.size(), 54u);
    expectDeck(kPictures / "uno", codes);
}

TEST(ShippedPicturesTest, frenchDeckHasEveryFaceAndTheBack) {
    const std::vector<std::string> codes = frenchCodes();
    ASSERT_EQ(codes.size(), 52u);
    expectDeck(kPictures / "52", codes);
}

TEST(ShippedPicturesTest, theTwoDecksHaveTheirOwnBack) {
    const std::string uno = readFile(kPictures / "uno" / "dietro.jpg");
    const std::string french = readFile(kPictures / "52" / "dietro.jpg");
    ASSERT_FALSE(uno.empty());
    ASSERT_FALSE(french.empty());
    EXPECT_NE(uno, french);
}

TEST(ShippedPicturesTest, everyNationalityHasAFlag) {
    const std::vector<std::string> keys = nationKeys();
    ASSERT_FALSE(keys.empty()) << "seed/nazionalita.tsv is missing or empty";
    std::set<std::string> contents;
    for (const std::string& key : keys) {
        SCOPED_TRACE(key);
        const fs::path path = kPictures / "flags" / (key + ".jpg");
        const std::optional<JpegInfo> jpeg = readJpeg(path);
        ASSERT_TRUE(jpeg) << path << " is missing or not a complete JPEG";
        EXPECT_GE(jpeg->width, 80);
        EXPECT_LE(jpeg->width, 200);
        const double aspect = static_cast<double>(jpeg->width) / jpeg->height;
        EXPECT_GT(aspect, 1.2) << "flags are wider than tall";
        EXPECT_LT(aspect, 2.1);
        contents.insert(readFile(path));
    }
    EXPECT_EQ(contents.size(), keys.size()) << "some nations share the same flag picture";
}

// The dashboard's game badges: round tokens on a transparent ground, each showing its game in its
// own inks (a red heart for Hearts, a black spade for Brisolo, a four-colour Uno card), so a badge
// drawn for the wrong game or in the wrong channel order is caught.
TEST(ShippedPicturesTest, gameBadgesShowTheirGameOnARoundToken) {
    struct Inks {
        int red = 0, black = 0, blue = 0, green = 0, yellow = 0, opaque = 0;
    };
    auto inksOf = [](const Gif& gif) {
        Inks inks;
        for (int y = 0; y < gif.height; ++y) {
            for (int x = 0; x < gif.width; ++x) {
                if (gif.isTransparent(x, y)) continue;
                ++inks.opaque;
                const auto [r, g, b] = gif.colour(x, y);
                if (r > 150 && g < 90 && b < 90) ++inks.red;
                if (r < 70 && g < 70 && b < 70) ++inks.black;
                if (b > 140 && r < 90) ++inks.blue;
                if (g > 120 && r < 100 && b < 120) ++inks.green;
                if (r > 200 && g > 160 && b < 90) ++inks.yellow;
            }
        }
        return inks;
    };
    std::set<std::string> contents;
    std::map<std::string, Inks> byGame;
    for (const std::string game : {"uno", "hearts", "brisolo"}) {
        SCOPED_TRACE(game);
        const fs::path path = kPictures / "giochi" / (game + ".gif");
        const std::optional<Gif> badge = readGif(path);
        ASSERT_TRUE(badge) << path << " is missing or cannot be decoded";
        ASSERT_EQ(badge->width, badge->height) << "a badge is round";
        ASSERT_GE(badge->width, 48);
        ASSERT_GE(badge->transparent, 0) << "a badge needs a transparent ground";
        const int last = badge->width - 1;
        for (auto [x, y] : {std::pair{0, 0}, {last, 0}, {0, last}, {last, last}})
            EXPECT_TRUE(badge->isTransparent(x, y)) << "corner " << x << "," << y;
        EXPECT_FALSE(badge->isTransparent(badge->width / 2, badge->height / 2));
        byGame[game] = inksOf(*badge);
        // The token fills most of its square (a full disc would cover pi/4 of it).
        EXPECT_GT(byGame[game].opaque, badge->width * badge->height / 2);
        contents.insert(readFile(path));
    }
    EXPECT_EQ(contents.size(), 3u) << "two games share a badge";
    const auto share = [&](const std::string& game, int Inks::*ink) {
        const Inks& inks = byGame.at(game);
        return static_cast<double>(inks.*ink) / std::max(1, inks.opaque);
    };
    EXPECT_GT(share("hearts", &Inks::red), 0.08);
    EXPECT_LT(share("hearts", &Inks::black), 0.01);
    EXPECT_GT(share("brisolo", &Inks::black), 0.08);
    EXPECT_LT(share("brisolo", &Inks::red), 0.01);
    for (int Inks::*colour : {&Inks::red, &Inks::blue, &Inks::green, &Inks::yellow})
        EXPECT_GT(share("uno", colour), 0.005) << "the Uno card lacks one of its four colours";
}

// The two arrows are mirror images: the same outline, transparent around it, drawn in warm gold
// (a palette written in the wrong channel order would turn the gold blue).
TEST(ShippedPicturesTest, directionArrowsAreMirroredGoldOnTransparentGround) {
    const std::optional<Gif> left = readGif(kPictures / "sx.gif");
    const std::optional<Gif> right = readGif(kPictures / "dx.gif");
    ASSERT_TRUE(left) << "sx.gif is missing or cannot be decoded";
    ASSERT_TRUE(right) << "dx.gif is missing or cannot be decoded";
    ASSERT_GE(left->width, 32);
    ASSERT_GE(left->height, 32);
    ASSERT_EQ(left->width, right->width);
    ASSERT_EQ(left->height, right->height);
    ASSERT_GE(left->transparent, 0) << "the arrow needs a transparent ground";
    ASSERT_GE(right->transparent, 0);
    EXPECT_TRUE(left->isTransparent(0, 0));

    int opaque = 0, mismatched = 0, warm = 0;
    long colourDifference = 0;
    for (int y = 0; y < left->height; ++y) {
        for (int x = 0; x < left->width; ++x) {
            const int mirrorX = left->width - 1 - x;
            if (left->isTransparent(x, y) != right->isTransparent(mirrorX, y)) ++mismatched;
            if (left->isTransparent(x, y) || right->isTransparent(mirrorX, y)) continue;
            ++opaque;
            const std::array<int, 3> a = left->colour(x, y), b = right->colour(mirrorX, y);
            for (int c = 0; c < 3; ++c)
                colourDifference += std::abs(a[c] - b[c]);
            if (a[0] > a[2] + 60) ++warm;
        }
    }
    const int area = left->width * left->height;
    EXPECT_EQ(mismatched, 0) << "dx.gif is not the mirror image of sx.gif";
    EXPECT_GT(opaque, area / 10) << "the arrow is hardly there";
    EXPECT_LT(opaque, area * 9 / 10) << "the arrow has no transparent ground";
    ASSERT_GT(opaque, 0);
    EXPECT_LT(colourDifference / (3 * opaque), 16) << "the mirrored arrow is coloured differently";
    EXPECT_GT(warm, opaque / 2) << "the arrow is not gold";
}

// The title is a full picture of many colours: felt green at the edge, red from the cards.
TEST(ShippedPicturesTest, titlePictureDecodesToCardsOnTheFelt) {
    const std::optional<Gif> title = readGif(kPictures / "cards.gif");
    ASSERT_TRUE(title) << "cards.gif is missing or cannot be decoded";
    EXPECT_GE(title->width, 400);
    EXPECT_GE(title->height, 250);
    const std::set<int> used(title->pixels.begin(), title->pixels.end());
    EXPECT_GT(used.size(), 64u) << "the title was reduced to too few colours";

    const std::array<int, 3> edge = title->colour(4, 4);
    EXPECT_GT(edge[1], edge[0]);
    EXPECT_GT(edge[1], edge[2]);
    bool red = false;
    for (std::size_t i = 0; i < title->pixels.size() && !red; ++i) {
        const std::array<int, 3> c = title->palette[static_cast<std::size_t>(title->pixels[i])];
        red = c[0] > 180 && c[1] < 100 && c[2] < 100;
    }
    EXPECT_TRUE(red) << "no red card in the title";
}

TEST(ShippedPicturesTest, tablePictureIsALargeJpeg) {
    const std::optional<JpegInfo> table = readJpeg(kPictures / "sfondo.jpg");
    ASSERT_TRUE(table) << "sfondo.jpg is missing or not a complete JPEG";
    EXPECT_GE(table->width, 1280);
    EXPECT_GE(table->height, 720);
}
