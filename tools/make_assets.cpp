// Draws the program's artwork: the login dialog's backdrop, the "MORE" picture of the
// main window and the application icon. A host program (not cross-built); its outputs
// are committed under assets/ and compiled into the executable as resources.
//
//   g++ -std=c++17 -O2 tools/make_assets.cpp -o /tmp/make_assets && /tmp/make_assets assets
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Rgb {
  uint8_t r, g, b;
  bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

// The dialog's colour key: COLORREF 0xFF0000, pure blue. Every see-through pixel of the
// backdrop has exactly this colour and no other pixel does.
constexpr Rgb KeyBlue{0, 0, 255};
// Transparent corners of the MORE picture, drawn with a colour key of their own.
constexpr Rgb KeyMagenta{255, 0, 255};

struct Image {
  int w, h;
  std::vector<Rgb> px;
  std::vector<uint8_t> alpha;  // used by the icon only
  Image(int width, int height, Rgb fill)
      : w(width), h(height), px(size_t(width * height), fill), alpha(size_t(width * height), 255) {}
  Rgb& at(int x, int y) { return px[size_t(y * w + x)]; }
};

double Clamp01(double v) { return std::min(1.0, std::max(0.0, v)); }
uint8_t Byte(double v) { return uint8_t(std::lround(std::min(255.0, std::max(0.0, v)))); }
Rgb Mix(Rgb a, Rgb b, double t) {
  t = Clamp01(t);
  return Rgb{Byte(a.r + (b.r - a.r) * t), Byte(a.g + (b.g - a.g) * t), Byte(a.b + (b.b - a.b) * t)};
}

// Keeps an opaque pixel from landing exactly on the dialog's key colour.
Rgb NotKey(Rgb c) {
  if (c == KeyBlue) c.g = 1;
  return c;
}

void Put16(std::vector<uint8_t>& out, unsigned v) { out.push_back(uint8_t(v)); out.push_back(uint8_t(v >> 8)); }
void Put32(std::vector<uint8_t>& out, unsigned v) { Put16(out, v & 0xFFFF); Put16(out, v >> 16); }

bool WriteFile(const std::string& path, const std::vector<uint8_t>& data) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  std::fwrite(data.data(), 1, data.size(), f);
  std::fclose(f);
  return true;
}

// A 24-bit bottom-up BMP file.
bool WriteBmp(const std::string& path, Image& img) {
  int stride = (img.w * 3 + 3) & ~3;
  std::vector<uint8_t> out;
  out.push_back('B'); out.push_back('M');
  Put32(out, unsigned(54 + stride * img.h)); Put32(out, 0); Put32(out, 54);
  Put32(out, 40); Put32(out, unsigned(img.w)); Put32(out, unsigned(img.h));
  Put16(out, 1); Put16(out, 24); Put32(out, 0); Put32(out, unsigned(stride * img.h));
  Put32(out, 3780); Put32(out, 3780); Put32(out, 0); Put32(out, 0);  // 96 dpi
  for (int y = img.h - 1; y >= 0; --y) {
    for (int x = 0; x < img.w; ++x) {
      Rgb c = img.at(x, y);
      out.push_back(c.b); out.push_back(c.g); out.push_back(c.r);
    }
    for (int p = img.w * 3; p < stride; ++p) out.push_back(0);
  }
  return WriteFile(path, out);
}

// ---- Backdrop: a blue panel with rounded lower corners, crowned by a shield emblem. ----

constexpr int BackdropW = 255;
constexpr int BackdropH = 430;
constexpr int PanelTop = 96;
constexpr int PanelCornerRadius = 18;

bool InPanel(int x, int y) {
  if (y < PanelTop) return false;
  // Rounded lower corners.
  int r = PanelCornerRadius;
  int cy = BackdropH - r;
  if (y > cy) {
    int cx = x < r ? r : (x > BackdropW - 1 - r ? BackdropW - 1 - r : x);
    double dx = x - cx, dy = y - cy;
    return dx * dx + dy * dy <= double(r) * r;
  }
  return true;
}

// The shield: a crest tip at the top centre, straight sides, a pointed base.
constexpr double ShieldCx = 127.0;
constexpr double ShieldTop = 2.0;
constexpr double ShieldHalfW = 66.0;
constexpr double ShieldShoulder = 26.0;  // y where the top slopes end
constexpr double ShieldWaist = 92.0;     // y where the sides start to curve in
constexpr double ShieldBase = 150.0;     // y of the bottom point

// Signed "inside" distance, approximate, for a border band.
double ShieldInside(double x, double y) {
  double dx = std::fabs(x - ShieldCx);
  if (y < ShieldTop || y > ShieldBase) return -1;
  double half;
  if (y < ShieldShoulder) {
    half = ShieldHalfW * (y - ShieldTop) / (ShieldShoulder - ShieldTop);
  } else if (y < ShieldWaist) {
    half = ShieldHalfW;
  } else {
    double t = (y - ShieldWaist) / (ShieldBase - ShieldWaist);
    half = ShieldHalfW * std::sqrt(std::max(0.0, 1.0 - t * t));
  }
  return half - dx;
}

void DrawBackdrop(Image& img) {
  const Rgb panelTop{52, 118, 196}, panelBottom{16, 44, 108};
  for (int y = 0; y < BackdropH; ++y) {
    for (int x = 0; x < BackdropW; ++x) {
      if (!InPanel(x, y)) continue;
      double t = double(y - PanelTop) / (BackdropH - PanelTop);
      Rgb c = Mix(panelTop, panelBottom, t);
      // A soft vertical sheen in the middle of the panel.
      double sheen = 1.0 - std::fabs(x - BackdropW / 2.0) / (BackdropW / 2.0);
      c = Mix(c, Rgb{120, 170, 230}, 0.18 * sheen * sheen);
      img.at(x, y) = NotKey(c);
    }
  }
  // A thin light rule inside the panel's edge.
  for (int y = PanelTop + 6; y < BackdropH - 6; ++y) {
    for (int x = 6; x < BackdropW - 6; ++x) {
      bool edge = x == 6 || x == BackdropW - 7 || y == BackdropH - 7;
      if (edge && InPanel(x, y + 6) && InPanel(x - 6, y) && InPanel(x + 6, y))
        img.at(x, y) = NotKey(Mix(img.at(x, y), Rgb{170, 205, 240}, 0.55));
    }
  }
  // Shield: silver rim, deep blue field, a ring of six colour swatches as the logo.
  for (int y = 0; y < BackdropH; ++y) {
    for (int x = 0; x < BackdropW; ++x) {
      double inside = ShieldInside(x + 0.5, y + 0.5);
      if (inside < 0) continue;
      Rgb c;
      if (inside < 5) {
        c = Mix(Rgb{236, 240, 248}, Rgb{150, 164, 190}, double(y) / ShieldBase);
        if (inside < 1.2) c = Mix(c, Rgb{90, 100, 130}, 0.5);
      } else {
        c = Mix(Rgb{24, 70, 150}, Rgb{10, 30, 80}, double(y) / ShieldBase);
      }
      img.at(x, y) = NotKey(c);
    }
  }
  const Rgb swatches[6] = {{0, 174, 239}, {236, 0, 140}, {255, 242, 0},
                           {0, 166, 81},  {237, 28, 36},  {46, 49, 146}};
  const double lx = ShieldCx, ly = 76.0, outer = 34.0, inner = 16.0;
  const double pi = std::acos(-1.0);
  for (int y = 30; y < 120; ++y) {
    for (int x = 80; x < 176; ++x) {
      double dx = x + 0.5 - lx, dy = y + 0.5 - ly, d = std::sqrt(dx * dx + dy * dy);
      if (d > outer + 1 || d < inner - 1) continue;
      double a = std::atan2(dy, dx) + pi;  // 0 .. 2 pi
      int segment = int(a / (pi / 3)) % 6;
      double cover = Clamp01(outer + 0.5 - d) * Clamp01(d - (inner - 0.5));
      img.at(x, y) = NotKey(Mix(img.at(x, y), swatches[segment], cover));
    }
  }
}

// ---- The MORE picture: 44 x 13, a small button with a double chevron and "MORE". ----

// 5 x 7 pixel glyphs, one string a row.
const char* const GlyphM[7] = {"X...X", "XX.XX", "X.X.X", "X.X.X", "X...X", "X...X", "X...X"};
const char* const GlyphO[7] = {".XXX.", "X...X", "X...X", "X...X", "X...X", "X...X", ".XXX."};
const char* const GlyphR[7] = {"XXXX.", "X...X", "X...X", "XXXX.", "X.X..", "X..X.", "X...X"};
const char* const GlyphE[7] = {"XXXXX", "X....", "X....", "XXXX.", "X....", "X....", "XXXXX"};
const char* const GlyphChevron[7] = {"X..X.", ".X..X", "..X..X", ".X..X", "X..X.", ".....", "....."};

void Blit(Image& img, const char* const glyph[7], int x0, int y0, Rgb ink) {
  for (int y = 0; y < 7; ++y)
    for (int x = 0; glyph[y][x]; ++x)
      if (glyph[y][x] == 'X') img.at(x0 + x, y0 + y) = ink;
}

void DrawMore(Image& img) {
  for (int y = 0; y < img.h; ++y) {
    for (int x = 0; x < img.w; ++x) {
      bool corner = (x == 0 || x == img.w - 1) && (y == 0 || y == img.h - 1);
      if (corner) continue;  // stays magenta: transparent
      bool border = x == 0 || y == 0 || x == img.w - 1 || y == img.h - 1;
      Rgb fill = Mix(Rgb{250, 252, 255}, Rgb{200, 220, 245}, double(y) / (img.h - 1));
      img.at(x, y) = border ? Rgb{27, 143, 213} : fill;
    }
  }
  const Rgb ink{20, 60, 130};
  Blit(img, GlyphChevron, 3, 3, ink);
  Blit(img, GlyphM, 13, 3, ink);
  Blit(img, GlyphO, 20, 3, ink);
  Blit(img, GlyphR, 27, 3, ink);
  Blit(img, GlyphE, 34, 3, ink);
}

// ---- The icon: a ring of six colour swatches on a rounded blue tile. ----

struct IconPixel {
  Rgb c;
  double a;  // coverage 0..1
};

IconPixel IconAt(int size, double x, double y) {
  const double pi = std::acos(-1.0);
  double s = size;
  double cx = s / 2, cy = s / 2;
  // Rounded tile.
  double r = s * 0.18, half = s / 2 - 0.5;
  double qx = std::max(std::fabs(x - cx) - (half - r), 0.0);
  double qy = std::max(std::fabs(y - cy) - (half - r), 0.0);
  double tileDist = std::sqrt(qx * qx + qy * qy) - r;
  double tileCover = Clamp01(0.5 - tileDist);
  Rgb c = Mix(Rgb{52, 118, 196}, Rgb{16, 44, 108}, y / s);
  const Rgb swatches[6] = {{0, 174, 239}, {236, 0, 140}, {255, 242, 0},
                           {0, 166, 81},  {237, 28, 36},  {255, 255, 255}};
  double dx = x - cx, dy = y - cy, d = std::sqrt(dx * dx + dy * dy);
  double outer = s * 0.40, inner = s * 0.17;
  double ring = Clamp01(outer + 0.5 - d) * Clamp01(d - inner + 0.5);
  int segment = int((std::atan2(dy, dx) + pi) / (pi / 3)) % 6;
  c = Mix(c, swatches[segment], ring);
  return IconPixel{c, tileCover};
}

// The 16 colours of the standard VGA palette, for the 4-bit images.
const Rgb Vga[16] = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                     {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                     {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                     {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};

std::vector<Rgb> Palette(int bpp) {
  std::vector<Rgb> pal;
  if (bpp == 1) {
    pal = {{0, 0, 0}, {255, 255, 255}};
  } else if (bpp == 4) {
    pal = std::vector<Rgb>(std::begin(Vga), std::end(Vga));
  } else {
    for (int r = 0; r < 6; ++r)
      for (int g = 0; g < 6; ++g)
        for (int b = 0; b < 6; ++b) pal.push_back(Rgb{uint8_t(r * 51), uint8_t(g * 51), uint8_t(b * 51)});
    for (int i = 0; i < 40; ++i) pal.push_back(Rgb{uint8_t(i * 255 / 39), uint8_t(i * 255 / 39), uint8_t(i * 255 / 39)});
  }
  return pal;
}

int Nearest(const std::vector<Rgb>& pal, Rgb c) {
  int best = 0;
  long bestD = -1;
  for (size_t i = 0; i < pal.size(); ++i) {
    long dr = pal[i].r - c.r, dg = pal[i].g - c.g, db = pal[i].b - c.b;
    long d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
    if (bestD < 0 || d < bestD) { bestD = d; best = int(i); }
  }
  return best;
}

// One icon image: BITMAPINFOHEADER (double height), palette, XOR bits, AND mask.
std::vector<uint8_t> IconImage(int size, int bpp) {
  std::vector<uint8_t> out;
  std::vector<Rgb> pal = bpp <= 8 ? Palette(bpp) : std::vector<Rgb>();
  Put32(out, 40); Put32(out, unsigned(size)); Put32(out, unsigned(size * 2));
  Put16(out, 1); Put16(out, unsigned(bpp)); Put32(out, 0);
  int xorStride = ((size * bpp + 31) / 32) * 4;
  int andStride = ((size + 31) / 32) * 4;
  Put32(out, unsigned((xorStride + andStride) * size));
  Put32(out, 0); Put32(out, 0); Put32(out, unsigned(pal.size())); Put32(out, 0);
  for (const Rgb& c : pal) { out.push_back(c.b); out.push_back(c.g); out.push_back(c.r); out.push_back(0); }
  std::vector<uint8_t> andMask;
  for (int y = size - 1; y >= 0; --y) {
    std::vector<uint8_t> row(size_t(xorStride), 0), mask(size_t(andStride), 0);
    for (int x = 0; x < size; ++x) {
      IconPixel p = IconAt(size, x + 0.5, y + 0.5);
      bool opaque = p.a >= 0.5;
      if (!opaque) mask[size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
      Rgb c = opaque ? p.c : Rgb{0, 0, 0};
      if (bpp == 32) {
        row[size_t(x * 4)] = c.b; row[size_t(x * 4 + 1)] = c.g; row[size_t(x * 4 + 2)] = c.r;
        row[size_t(x * 4 + 3)] = Byte(p.a * 255);
        if (p.a > 0) { row[size_t(x * 4)] = p.c.b; row[size_t(x * 4 + 1)] = p.c.g; row[size_t(x * 4 + 2)] = p.c.r; }
      } else {
        int index = opaque ? Nearest(pal, c) : 0;
        int bit = x * bpp;
        row[size_t(bit / 8)] |= uint8_t(index << (8 - bpp - bit % 8));
      }
    }
    out.insert(out.end(), row.begin(), row.end());
    andMask.insert(andMask.end(), mask.begin(), mask.end());
  }
  out.insert(out.end(), andMask.begin(), andMask.end());
  return out;
}

bool WriteIcon(const std::string& path) {
  const int sizes[3] = {48, 32, 16};
  const int depths[4] = {1, 4, 8, 32};
  std::vector<std::vector<uint8_t>> images;
  std::vector<std::pair<int, int>> formats;
  for (int s : sizes)
    for (int b : depths) { images.push_back(IconImage(s, b)); formats.push_back({s, b}); }
  std::vector<uint8_t> out;
  Put16(out, 0); Put16(out, 1); Put16(out, unsigned(images.size()));
  unsigned offset = unsigned(6 + 16 * images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    int s = formats[i].first, b = formats[i].second;
    out.push_back(uint8_t(s)); out.push_back(uint8_t(s));
    out.push_back(uint8_t(b == 1 ? 2 : b == 4 ? 16 : 0)); out.push_back(0);
    Put16(out, 1); Put16(out, unsigned(b));
    Put32(out, unsigned(images[i].size())); Put32(out, offset);
    offset += unsigned(images[i].size());
  }
  for (const auto& image : images) out.insert(out.end(), image.begin(), image.end());
  return WriteFile(path, out);
}

}  // namespace

int main(int argc, char** argv) {
  std::string dir = argc > 1 ? argv[1] : "assets";
  Image backdrop(BackdropW, BackdropH, KeyBlue);
  DrawBackdrop(backdrop);
  Image more(44, 13, KeyMagenta);
  DrawMore(more);
  bool ok = WriteBmp(dir + "/backdrop.bmp", backdrop) && WriteBmp(dir + "/more.bmp", more) &&
            WriteIcon(dir + "/tintora.ico");
  long key = std::count(backdrop.px.begin(), backdrop.px.end(), KeyBlue);
  std::printf("backdrop: %ld see-through pixels of %d\n", key, BackdropW * BackdropH);
  return ok ? 0 : 1;
}
