// Draws the keypad bitmaps (five rows of nine 16 x 15 faces, 16 colours) and
// the program icon (32 x 32, 16 colours) and writes them as BMP and ICO files
// into the output folder. The icon also takes the 16, 48 and 256 px pictures
// rendered from icons/korvocalc.svg (korvocalc-N.png in the icon folder). The
// output is committed; run this only to change the pictures:
//   cmake -DKORVO_BUILD_RESOURCE_TOOL=ON ... && cmake --build ... --target korvo-resources
#include <array>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace {

// --- The palette -------------------------------------------------------------

struct Rgb {
    std::uint8_t r, g, b;
};

enum Colour : std::uint8_t {
    Black,
    Grey,       // key face
    SlateBlue,  // angle function names
    Red,
    DarkBlue,
    MemoryRed,  // memory key face
    White,
    Pale,  // the "=" key's face
    Green,
    Cyan,
    Teal,
    DarkGrey,
    LightGreen,
    Silver,
    Maroon,
    Yellow,
};

// Every ink reads at 4.5:1 or better on the face it is drawn on.
constexpr std::array<Rgb, 16> kPalette{{
    {0x00, 0x00, 0x00},
    {0xC0, 0xC0, 0xC0},
    {0x48, 0x3D, 0x8B},
    {0xA0, 0x00, 0x00},
    {0x00, 0x00, 0x80},
    {0xF0, 0x60, 0x60},
    {0xFF, 0xFF, 0xFF},
    {0xFF, 0xFF, 0xE0},
    {0x00, 0x60, 0x00},
    {0x00, 0xFF, 0xFF},
    {0x00, 0x80, 0x80},
    {0x80, 0x80, 0x80},
    {0xC0, 0xFF, 0xC0},
    {0xE0, 0xE0, 0xE0},
    {0x80, 0x00, 0x00},
    {0xFF, 0xFF, 0x00},
}};

// --- A picture of palette indices --------------------------------------------

// Where pixel (x, y) of a picture `width` pixels wide is kept.
std::size_t pixelIndex(int x, int y, int width) {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
           static_cast<std::size_t>(x);
}

class Canvas {
  public:
    Canvas(int width, int height, Colour fill)
        : width_(width), height_(height), pixels_(pixelIndex(0, height, width), fill) {}
    [[nodiscard]] int width() const { return width_; }
    [[nodiscard]] int height() const { return height_; }
    void set(int x, int y, Colour c) {
        if (x >= 0 && y >= 0 && x < width_ && y < height_) {
            pixels_[pixelIndex(x, y, width_)] = c;
        }
    }
    [[nodiscard]] Colour at(int x, int y) const { return pixels_[pixelIndex(x, y, width_)]; }
    void fill(int x, int y, int w, int h, Colour c) {
        for (int j = y; j < y + h; ++j) {
            for (int i = x; i < x + w; ++i) {
                set(i, j, c);
            }
        }
    }
    void frame(int x, int y, int w, int h, Colour c) {
        fill(x, y, w, 1, c);
        fill(x, y + h - 1, w, 1, c);
        fill(x, y, 1, h, c);
        fill(x + w - 1, y, 1, h, c);
    }

  private:
    int width_;
    int height_;
    std::vector<Colour> pixels_;
};

// --- Pixel fonts ------------------------------------------------------------
// A glyph is rows of '#' (ink) and '.' (background), all of one width.

using Glyph = std::vector<std::string_view>;

// Letters: capitals on rows 0-4, small letters on rows 1-4 (x on 2-4),
// descenders on rows 5-6.
const std::map<char, Glyph>& smallFont() {
    static const std::map<char, Glyph> font{
        {'S', {".##", "#..", ".#.", "..#", "##."}},
        {'C', {".##", "#..", "#..", "#..", ".##"}},
        {'T', {"###", ".#.", ".#.", ".#.", ".#."}},
        {'M', {"#...#", "##.##", "#.#.#", "#...#", "#...#"}},
        {'R', {"##.", "#.#", "##.", "#.#", "#.#"}},
        {'L', {"#..", "#..", "#..", "#..", "###"}},
        {'H', {"#.#", "#.#", "###", "#.#", "#.#"}},
        {'Y', {"#.#", "#.#", ".#.", ".#.", ".#."}},
        {'P', {"##.", "#.#", "##.", "#..", "#.."}},
        {'N', {"#..#", "##.#", "#.##", "#..#", "#..#"}},
        {'i', {"#", ".", "#", "#", "#"}},
        {'n', {"...", "##.", "#.#", "#.#", "#.#"}},
        {'o', {"...", ".#.", "#.#", "#.#", ".#."}},
        {'t', {".#.", "###", ".#.", ".#.", "..#"}},
        {'a', {"...", ".##", "#.#", "#.#", ".##"}},
        {'s', {"...", ".##", "#..", "..#", "##."}},
        {'c', {"...", ".##", "#..", "#..", ".##"}},
        {'e', {"...", ".#.", "###", "#..", ".##"}},
        {'g', {"...", ".##", "#.#", "#.#", ".##", "..#", "##."}},
        {'x', {"...", "...", "#.#", ".#.", "#.#"}},
        {'0', {"###", "#.#", "#.#", "#.#", "###"}},
        {'1', {".#", "##", ".#", ".#", ".#"}},
        {'2', {"##.", "..#", ".#.", "#..", "###"}},
        {'/', {"..#", "..#", ".#.", "#..", "#.."}},
        {'+', {"...", ".#.", "###", ".#.", "..."}},
        {'-', {"...", "...", "###", "...", "..."}},
    };
    return font;
}

// Superscripts: three or four rows.
const std::map<char, Glyph>& superscriptFont() {
    static const std::map<char, Glyph> font{
        {'x', {"#.#", ".#.", "#.#"}},
        {'2', {"##.", "..#", ".#.", "###"}},
        {'N', {"#..#", "##.#", "#.##", "#..#"}},
    };
    return font;
}

// Digits, hexadecimal letters and signs: five wide, seven high.
const std::map<char, Glyph>& largeFont() {
    static const std::map<char, Glyph> font{
        {'0', {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."}},
        {'1', {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
        {'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
        {'3', {"####.", "....#", "....#", ".###.", "....#", "....#", "####."}},
        {'4', {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."}},
        {'5', {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
        {'6', {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."}},
        {'7', {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."}},
        {'8', {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."}},
        {'9', {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."}},
        {'A', {"..#..", ".#.#.", "#...#", "#...#", "#####", "#...#", "#...#"}},
        {'B', {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."}},
        {'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
        {'D', {"###..", "#..#.", "#...#", "#...#", "#...#", "#..#.", "###.."}},
        {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
        {'F', {"#####", "#....", "#....", "####.", "#....", "#....", "#...."}},
        {'.', {"...", "...", "...", "...", "...", "##.", "##."}},
        {'=', {".....", ".....", "#####", ".....", "#####", ".....", "....."}},
        {'+', {".....", "..#..", "..#..", "#####", "..#..", "..#..", "....."}},
        {'-', {".....", ".....", ".....", "#####", ".....", ".....", "....."}},
        {'*', {".....", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "....."}},
        {'%', {"##..#", "##..#", "...#.", "..#..", ".#...", "#..##", "#..##"}},
        {'d', {".....", "..#..", ".....", "#####", ".....", "..#..", "....."}},  // division sign
        {'r',
         {"....###", "....#..", "....#..", "#...#..", ".#.#...", ".#.#...",
          "..#...."}},                                                           // square-root sign
        {'p', {".....", "#####", ".#.#.", ".#.#.", ".#.#.", ".#.#.", ".#..#"}},  // pi
    };
    return font;
}

int textWidth(std::string_view text, const std::map<char, Glyph>& font, int gap) {
    int width = 0;
    for (char c : text) {
        width += static_cast<int>(font.at(c).front().size()) + gap;
    }
    return text.empty() ? 0 : width - gap;
}

// Draws `text` with its top left at (x, y); returns the x after it.
int drawText(Canvas& canvas, int x, int y, std::string_view text, const std::map<char, Glyph>& font,
             Colour ink, int gap = 1) {
    for (char c : text) {
        const Glyph& glyph = font.at(c);
        for (std::size_t row = 0; row < glyph.size(); ++row) {
            for (std::size_t col = 0; col < glyph[row].size(); ++col) {
                if (glyph[row][col] == '#') {
                    canvas.set(x + static_cast<int>(col), y + static_cast<int>(row), ink);
                }
            }
        }
        x += static_cast<int>(glyph.front().size()) + gap;
    }
    return x;
}

// --- Key faces --------------------------------------------------------------

constexpr int kFaceWidth = 16;
constexpr int kFaceHeight = 15;

struct Face {
    Colour background;
    Colour ink;
    // What is drawn, one of:
    std::string_view word;         // small letters, centred
    std::string_view large;        // large glyphs, centred
    std::string_view base;         // small base text with a superscript...
    std::string_view superscript;  // ... drawn in `superInk`
    Colour superInk = Red;
    bool framed = false;
};

Face word(Colour background, Colour ink, std::string_view text) {
    return Face{background, ink, text, {}, {}, {}};
}
Face large(Colour background, Colour ink, std::string_view glyphs) {
    return Face{background, ink, {}, glyphs, {}, {}};
}
Face power(Colour background, Colour ink, std::string_view base, std::string_view sup,
           Colour superInk) {
    return Face{background, ink, {}, {}, base, sup, superInk};
}

void drawFace(Canvas& canvas, int left, const Face& face) {
    canvas.fill(left, 0, kFaceWidth, kFaceHeight, face.background);
    if (face.framed) {
        canvas.frame(left, 0, kFaceWidth, kFaceHeight, DarkBlue);
    }
    if (!face.word.empty()) {
        const int width = textWidth(face.word, smallFont(), 1);
        drawText(canvas, left + (kFaceWidth - width) / 2, 5, face.word, smallFont(), face.ink);
    } else if (!face.large.empty()) {
        const int width = textWidth(face.large, largeFont(), 1);
        drawText(canvas, left + (kFaceWidth - width + 1) / 2, 4, face.large, largeFont(), face.ink);
    } else {
        const int width = textWidth(face.base, smallFont(), 1) + 1 +
                          textWidth(face.superscript, superscriptFont(), 1);
        const int x =
            drawText(canvas, left + (kFaceWidth - width) / 2, 6, face.base, smallFont(), face.ink);
        drawText(canvas, x, 2, face.superscript, superscriptFont(), face.superInk);
    }
}

std::array<Face, 9> rowFaces(int row) {
    const Face equals{Pale, Red, {}, "=", {}, {}, Red, true};
    switch (row) {
        case 0:
            return {word(Grey, SlateBlue, "Sin"),    word(Grey, SlateBlue, "Cot"),
                    word(MemoryRed, DarkBlue, "MC"), large(White, DarkBlue, "7"),
                    large(White, DarkBlue, "8"),     large(White, DarkBlue, "9"),
                    large(Grey, Red, "+"),           large(Grey, Red, "r"),
                    word(Grey, Black, "HYP")};
        case 1:
            return {word(Grey, SlateBlue, "Cos"),    word(Grey, Black, "Log"),
                    word(MemoryRed, DarkBlue, "MR"), large(White, DarkBlue, "4"),
                    large(White, DarkBlue, "5"),     large(White, DarkBlue, "6"),
                    large(Grey, Red, "-"),           large(Grey, Red, "%"),
                    word(Grey, Red, "1/x")};
        case 2:
            return {word(Grey, SlateBlue, "Tan"),    power(Grey, Black, "2", "x", Red),
                    word(MemoryRed, DarkBlue, "MS"), large(White, DarkBlue, "1"),
                    large(White, DarkBlue, "2"),     large(White, DarkBlue, "3"),
                    large(Grey, Red, "*"),           power(Grey, Red, "x", "2", Red),
                    power(Grey, Red, "x", "N", Red)};
        case 3:
            return {word(Grey, SlateBlue, "Csc"),    power(Grey, Black, "10", "x", Red),
                    word(MemoryRed, DarkBlue, "M+"), large(White, DarkBlue, "0"),
                    large(White, DarkBlue, "."),     equals,
                    large(Grey, Red, "d"),           word(Grey, Red, "+/-"),
                    large(Grey, Black, "p")};
        default:
            return {word(Grey, SlateBlue, "Sec"),    power(Grey, Black, "e", "x", Red),
                    word(MemoryRed, DarkBlue, "M-"), large(Cyan, Green, "A"),
                    large(Cyan, Green, "B"),         large(Cyan, Green, "C"),
                    large(Cyan, Green, "D"),         large(Cyan, Green, "E"),
                    large(Cyan, Green, "F")};
    }
}

Canvas keypadRow(int row) {
    Canvas canvas(9 * kFaceWidth, kFaceHeight, Grey);
    const std::array<Face, 9> faces = rowFaces(row);
    for (std::size_t i = 0; i < faces.size(); ++i) {
        drawFace(canvas, kFaceWidth * static_cast<int>(i), faces[i]);
    }
    return canvas;
}

// --- The icon ------------------------------------------------------------------
// A calculator: a teal frame, a display strip at the top, a grid of grey keys
// whose left column is red. Pixels outside the body are transparent.

struct Icon {
    Canvas pixels{32, 32, Black};
    std::vector<bool> transparent = std::vector<bool>(pixelIndex(0, 32, 32), true);
};

Icon drawIcon() {
    Icon icon;
    Canvas& c = icon.pixels;
    const auto solid = [&](int x, int y, int w, int h) {
        for (int j = y; j < y + h; ++j) {
            for (int i = x; i < x + w; ++i) {
                icon.transparent[pixelIndex(i, j, 32)] = false;
            }
        }
    };
    solid(4, 1, 24, 30);
    c.fill(4, 1, 24, 30, Teal);
    c.frame(4, 1, 24, 30, Black);
    c.fill(6, 3, 20, 26, Silver);
    c.frame(6, 3, 20, 26, DarkGrey);
    // Display strip.
    c.fill(8, 4, 16, 7, LightGreen);
    c.frame(8, 4, 16, 7, Black);
    drawText(c, 16, 5, "20", smallFont(), Black);
    // Four rows of four keys, 3 x 3 each with a shadow; the left column red.
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            const int x = 8 + 4 * col;
            const int y = 13 + 4 * row;
            c.fill(x, y, 3, 3, col == 0 ? Red : Grey);
            c.fill(x + 1, y + 3, 3, 1, DarkGrey);
            c.fill(x + 3, y + 1, 1, 3, DarkGrey);
        }
    }
    return icon;
}

// --- File formats --------------------------------------------------------------

void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFFU));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFFU));
}
void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, v & 0xFFFFU);
    put16(out, v >> 16);
}
void put32BigEndian(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>((v >> shift) & 0xFFU));
    }
}

// BITMAPINFOHEADER, the 16-colour palette and the 4-bit rows, bottom up.
// `heightField` is twice the height inside an icon (colour and mask).
void putDib(std::vector<std::uint8_t>& out, const Canvas& canvas, int heightField,
            std::uint32_t extraBytes) {
    const auto rowBytes = static_cast<std::uint32_t>(((canvas.width() * 4 + 31) / 32) * 4);
    const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(canvas.height());
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(canvas.width()));
    put32(out, static_cast<std::uint32_t>(heightField));
    put16(out, 1);
    put16(out, 4);
    put32(out, 0);  // no compression
    put32(out, imageBytes + extraBytes);
    put32(out, 2835);  // 72 dots per inch
    put32(out, 2835);
    put32(out, 16);
    put32(out, 16);
    for (const Rgb& rgb : kPalette) {
        out.push_back(rgb.b);
        out.push_back(rgb.g);
        out.push_back(rgb.r);
        out.push_back(0);
    }
    for (int y = canvas.height() - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(rowBytes, 0);
        for (int x = 0; x < canvas.width(); ++x) {
            const auto index = static_cast<std::uint8_t>(canvas.at(x, y));
            row[static_cast<std::size_t>(x / 2)] |=
                static_cast<std::uint8_t>(x % 2 == 0 ? index << 4 : index);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

std::vector<std::uint8_t> bmpFile(const Canvas& canvas) {
    std::vector<std::uint8_t> dib;
    putDib(dib, canvas, canvas.height(), 0);
    std::vector<std::uint8_t> out{'B', 'M'};
    put32(out, static_cast<std::uint32_t>(14 + dib.size()));
    put32(out, 0);
    put32(out, 14 + 40 + 16 * 4);
    out.insert(out.end(), dib.begin(), dib.end());
    return out;
}

// The larger icon images: PNG files stored in the icon as they are, which
// Windows reads from Vista on.
struct PngImage {
    int size = 0;
    std::vector<std::uint8_t> bytes;
};

std::vector<std::uint8_t> readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The 16-colour 32 x 32 image first: the one every Windows version reads.
std::vector<std::uint8_t> icoFile(const Icon& icon, const std::vector<PngImage>& pngs) {
    const Canvas& c = icon.pixels;
    const std::uint32_t maskRowBytes = 4;  // 32 pixels, one bit each
    std::vector<std::uint8_t> image;
    putDib(image, c, 2 * c.height(), maskRowBytes * 32);
    for (int y = c.height() - 1; y >= 0; --y) {
        std::uint32_t bits = 0;
        for (int x = 0; x < 32; ++x) {
            if (icon.transparent[pixelIndex(x, y, 32)]) {
                bits |= 1U << (31 - x);
            }
        }
        put32BigEndian(image, bits);
    }
    const auto count = static_cast<std::uint32_t>(1 + pngs.size());
    std::vector<std::uint8_t> out;
    put16(out, 0);
    put16(out, 1);  // an icon
    put16(out, count);
    std::uint32_t offset = 6 + 16 * count;
    const auto entry = [&](int size, int colours, int bits, std::size_t bytes) {
        out.push_back(static_cast<std::uint8_t>(size & 0xFF));  // 256 is written 0
        out.push_back(static_cast<std::uint8_t>(size & 0xFF));
        out.push_back(static_cast<std::uint8_t>(colours));
        out.push_back(0);
        put16(out, 1);  // planes
        put16(out, static_cast<std::uint32_t>(bits));
        put32(out, static_cast<std::uint32_t>(bytes));
        put32(out, offset);
        offset += static_cast<std::uint32_t>(bytes);
    };
    entry(32, 16, 4, image.size());
    for (const PngImage& png : pngs) {
        entry(png.size, 0, 32, png.bytes.size());
    }
    out.insert(out.end(), image.begin(), image.end());
    for (const PngImage& png : pngs) {
        out.insert(out.end(), png.bytes.begin(), png.bytes.end());
    }
    return out;
}

bool write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: " << (argc > 0 ? argv[0] : "drawresources")
                  << " OUTPUT-FOLDER ICON-FOLDER\n";
        return 2;
    }
    const std::string folder = argv[1];
    const std::string iconFolder = argv[2];
    bool ok = true;
    for (int row = 0; row < 5; ++row) {
        ok = write(folder + "/keypad" + std::to_string(301 + row) + ".bmp",
                   bmpFile(keypadRow(row))) &&
             ok;
    }
    std::vector<PngImage> pngs;
    for (const int size : {16, 48, 256}) {
        const std::string path = iconFolder + "/korvocalc-" + std::to_string(size) + ".png";
        pngs.push_back({size, readFile(path)});
        if (pngs.back().bytes.empty()) {
            std::cerr << "drawresources: cannot read " << path << "\n";
            return 1;
        }
    }
    ok = write(folder + "/korvocalc.ico", icoFile(drawIcon(), pngs)) && ok;
    if (!ok) {
        std::cerr << "drawresources: cannot write into " << folder << "\n";
        return 1;
    }
    return 0;
}
