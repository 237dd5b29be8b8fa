// The pictures the game loads from immagini/ beside the executable: every card face it can deal,
// the backs, a flag for every nationality a player can have, the GIF arrows and title, the table.
// The game shows a missing or broken picture as an empty space, so each file is checked for being
// a complete picture of a sensible size rather than just for existing.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
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

struct GifInfo {
    int width = 0;
    int height = 0;
};

std::optional<GifInfo> readGif(const fs::path& path) {
    const std::string bytes = readFile(path);
    if (bytes.size() < 14 || (bytes.compare(0, 6, "GIF89a") != 0 && bytes.compare(0, 6, "GIF87a") != 0))
        return std::nullopt;
    if (byteAt(bytes, bytes.size() - 1) != 0x3B) return std::nullopt; // trailer: the writer finished
    return GifInfo{byteAt(bytes, 6) | byteAt(bytes, 7) << 8, byteAt(bytes, 8) | byteAt(bytes, 9) << 8};
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

TEST(ShippedPicturesTest, directionArrowsAreMatchingGifs) {
    const std::optional<GifInfo> left = readGif(kPictures / "sx.gif");
    const std::optional<GifInfo> right = readGif(kPictures / "dx.gif");
    ASSERT_TRUE(left) << "sx.gif is missing or not a complete GIF";
    ASSERT_TRUE(right) << "dx.gif is missing or not a complete GIF";
    EXPECT_GE(left->width, 32);
    EXPECT_GE(left->height, 32);
    EXPECT_EQ(left->width, right->width);
    EXPECT_EQ(left->height, right->height);
    EXPECT_NE(readFile(kPictures / "sx.gif"), readFile(kPictures / "dx.gif")) << "the two arrows must differ";
}

TEST(ShippedPicturesTest, titleAndTablePicturesAreComplete) {
    const std::optional<GifInfo> title = readGif(kPictures / "cards.gif");
    ASSERT_TRUE(title) << "cards.gif is missing or not a complete GIF";
    EXPECT_GE(title->width, 400);
    EXPECT_GE(title->height, 250);

    const std::optional<JpegInfo> table = readJpeg(kPictures / "sfondo.jpg");
    ASSERT_TRUE(table) << "sfondo.jpg is missing or not a complete JPEG";
    EXPECT_GE(table->width, 1280);
    EXPECT_GE(table->height, 720);
}
