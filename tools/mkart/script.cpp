#include "tools/mkart/script.h"

#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "tools/mkart/draw.h"

namespace mkart {

namespace {

constexpr int kMaxSide = 4096;
constexpr int kMaxNesting = 8;  // stamps within stamps; deeper means a loop
constexpr char kKeep = '~';

struct Token {
  std::string text;
  size_t end;  // offset just past the token, for commands that take the rest
};

std::vector<Token> split(const std::string& line) {
  std::vector<Token> out;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    const size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    if (i > start) out.push_back({line.substr(start, i - start), i});
  }
  return out;
}

std::string trim(const std::string& s) {
  const size_t a = s.find_first_not_of(" \t\r");
  if (a == std::string::npos) return "";
  const size_t b = s.find_last_not_of(" \t\r");
  return s.substr(a, b - a + 1);
}

std::string join_path(const std::string& dir, const std::string& file) {
  if (dir.empty() || (!file.empty() && file[0] == '/')) return file;
  return dir + "/" + file;
}

std::string dir_of(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? "" : path.substr(0, slash);
}

class Runner {
 public:
  Runner(const std::string& text, std::string name, std::string dir, int depth)
      : name_(std::move(name)), dir_(std::move(dir)), depth_(depth) {
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) {
      if (!l.empty() && l.back() == '\r') l.pop_back();
      lines_.push_back(l);
    }
  }

  Image run() {
    for (ln_ = 0; ln_ < lines_.size(); ++ln_) {
      const std::string line = trim(lines_[ln_]);
      if (line.empty() || line[0] == '#') continue;
      command(line);
    }
    if (!sized_) fail_at(lines_.size(), "no \"size\" line: the picture has no size");
    return img_;
  }

 private:
  [[noreturn]] void fail_at(size_t index, const std::string& what) const {
    throw ArtError(name_ + ":" + std::to_string(index + 1) + ": " + what);
  }
  [[noreturn]] void fail(const std::string& what) const { fail_at(ln_, what); }

  int number(const std::string& s) const {
    size_t used = 0;
    long v = 0;
    try {
      v = std::stol(s, &used);
    } catch (const std::exception&) {
      used = 0;
    }
    if (used != s.size() || v < -100000 || v > 100000) fail("\"" + s + "\" is not a number");
    return static_cast<int>(v);
  }

  Rgb colour(const std::string& s) const {
    if (s.size() != 1) fail("\"" + s + "\" is not a colour (one character)");
    auto it = palette_.find(s[0]);
    if (it == palette_.end()) fail("colour '" + s + "' has no \"color\" line");
    return it->second;
  }

  void need(const std::vector<Token>& t, size_t n, const char* usage) const {
    if (t.size() != n) fail(std::string("expected: ") + usage);
  }

  void need_canvas(const std::string& cmd) const {
    if (!sized_) fail("\"" + cmd + "\" before \"size\"");
  }

  Image load(const std::string& file) const {
    const std::string path = join_path(dir_, file);
    std::ifstream f(path, std::ios::binary);
    if (!f) fail("cannot read " + path);
    std::ostringstream text;
    text << f.rdbuf();
    if (depth_ + 1 > kMaxNesting) fail("stamps nested too deep (does " + file + " stamp itself?)");
    return Runner(text.str(), path, dir_of(path), depth_ + 1).run();
  }

  void command(const std::string& line) {
    const std::vector<Token> t = split(line);
    const std::string& cmd = t[0].text;
    if (cmd == "color") {
      need(t, 5, "color C R G B");
      if (t[1].text.size() != 1 || t[1].text[0] == kKeep)
        fail("a colour is one character other than '~'");
      const int r = number(t[2].text), g = number(t[3].text), b = number(t[4].text);
      if (r < 0 || r > 255 || g < 0 || g > 255 || b < 0 || b > 255)
        fail("colour channels run from 0 to 255");
      // At 16 bits such a colour lands on the mask and would show as a hole.
      if (r >= 248 && g <= 3 && b >= 248 && !(r == 255 && g == 0 && b == 255))
        fail("too close to the mask colour 255 0 255: it would turn transparent");
      palette_[t[1].text[0]] = Rgb{static_cast<uint8_t>(r), static_cast<uint8_t>(g),
                                   static_cast<uint8_t>(b)};
      return;
    }
    if (cmd == "size") {
      need(t, 3, "size W H");
      if (sized_) fail("a second \"size\"");
      const int w = number(t[1].text), h = number(t[2].text);
      if (w < 1 || h < 1 || w > kMaxSide || h > kMaxSide) fail("size out of range");
      img_ = Image(w, h);
      sized_ = true;
      return;
    }
    need_canvas(cmd);
    auto n = [&](size_t k) { return number(t[k].text); };
    auto c = [&](size_t k) { return colour(t[k].text); };
    if (cmd == "fill") {
      need(t, 2, "fill C");
      fill_rect(img_, 0, 0, img_.width(), img_.height(), c(1));
    } else if (cmd == "rect") {
      need(t, 6, "rect X Y W H C");
      fill_rect(img_, n(1), n(2), n(3), n(4), c(5));
    } else if (cmd == "frame") {
      need(t, 6, "frame X Y W H C");
      frame_rect(img_, n(1), n(2), n(3), n(4), c(5));
    } else if (cmd == "vgrad") {
      need(t, 7, "vgrad X Y W H CTOP CBOTTOM");
      vgradient(img_, n(1), n(2), n(3), n(4), c(5), c(6));
    } else if (cmd == "disc") {
      need(t, 6, "disc CX CY RX RY C");
      fill_ellipse(img_, n(1), n(2), n(3), n(4), c(5));
    } else if (cmd == "sphere") {
      if (t.size() < 7) fail("expected: sphere CX CY RX RY C1 C2 ...");
      std::vector<Rgb> ramp;
      for (size_t k = 5; k < t.size(); ++k) ramp.push_back(c(k));
      shade_ellipse(img_, n(1), n(2), n(3), n(4), ramp);
    } else if (cmd == "line") {
      need(t, 7, "line X0 Y0 X1 Y1 THICK C");
      thick_line(img_, n(1), n(2), n(3), n(4), n(5), c(6));
    } else if (cmd == "poly") {
      if (t.size() < 8 || t.size() % 2 != 0) fail("expected: poly C X0 Y0 X1 Y1 X2 Y2 ...");
      std::vector<int> xy;
      for (size_t k = 2; k < t.size(); ++k) xy.push_back(n(k));
      fill_polygon(img_, xy, c(1));
    } else if (cmd == "text" || cmd == "gtext") {
      const bool shaded = cmd == "gtext";
      const size_t first = shaded ? 6 : 5;
      if (t.size() <= first) fail(shaded ? "expected: gtext X Y K CTOP CBOTTOM STRING"
                                         : "expected: text X Y K C STRING");
      const std::string s = trim(line.substr(t[first - 1].end));
      if (!text_known(s)) fail("the font has no glyph for a character of \"" + s + "\"");
      const int k = n(3);
      if (k < 1) fail("text scale must be 1 or more");
      const int x = t[1].text == "center" ? (img_.width() - text_width(s, k)) / 2 : n(1);
      draw_text(img_, x, n(2), k, s, c(4), shaded ? c(5) : c(4));
    } else if (cmd == "stamp") {
      need(t, 5, "stamp FILE X Y K");
      const int k = n(4);
      if (k < 1) fail("stamp scale must be 1 or more");
      stamp(img_, load(t[1].text), n(2), n(3), k);
    } else if (cmd == "tile") {
      need(t, 6, "tile FILE X Y W H");
      tile(load(t[1].text), n(2), n(3), n(4), n(5));
    } else if (cmd == "speckle") {
      need(t, 8, "speckle SEED N X Y W H C");
      speckle(img_, static_cast<unsigned>(n(1)), n(2), n(3), n(4), n(5), n(6), c(7));
    } else if (cmd == "outline") {
      need(t, 2, "outline C");
      outline(img_, c(1));
    } else if (cmd == "mirror") {
      need(t, 1, "mirror");
      mirror(img_);
    } else if (cmd == "rows") {
      need(t, 3, "rows X Y");
      rows(n(1), n(2));
    } else {
      fail("unknown command \"" + cmd + "\"");
    }
  }

  // Repeats `src` over the box, cut off at the box's edges.
  void tile(const Image& src, int x, int y, int w, int h) {
    for (int j = 0; j < h; ++j)
      for (int i = 0; i < w; ++i) {
        const Rgb p = src.at(i % src.width(), j % src.height());
        if (p != kMask) img_.set(x + i, y + j, p);
      }
  }

  void rows(int x, int y) {
    const size_t start = ln_;
    size_t width = 0;
    for (int row = 0;; ++row) {
      if (++ln_ >= lines_.size()) fail_at(start, "\"rows\" without its \"end\"");
      std::string r = lines_[ln_];
      while (!r.empty() && (r.back() == ' ' || r.back() == '\t')) r.pop_back();
      if (trim(r) == "end") return;
      if (row == 0) width = r.size();
      if (r.size() != width)
        fail("row is " + std::to_string(r.size()) + " wide, the first was " +
             std::to_string(width));
      for (size_t i = 0; i < r.size(); ++i) {
        if (r[i] == kKeep) continue;
        auto it = palette_.find(r[i]);
        if (it == palette_.end())
          fail(std::string("colour '") + r[i] + "' has no \"color\" line (column " +
               std::to_string(i + 1) + ")");
        const int px = x + static_cast<int>(i), py = y + row;
        if (!img_.inside(px, py)) fail("row runs outside the picture");
        img_.set(px, py, it->second);
      }
    }
  }

  std::string name_, dir_;
  int depth_;
  std::vector<std::string> lines_;
  size_t ln_ = 0;
  std::map<char, Rgb> palette_;
  Image img_;
  bool sized_ = false;
};

}  // namespace

Image run_script(const std::string& text, const std::string& name, const std::string& dir) {
  return Runner(text, name, dir, 0).run();
}

Image run_file(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  if (!f) throw ArtError(path + ": cannot read");
  std::ostringstream text;
  text << f.rdbuf();
  return Runner(text.str(), path, dir_of(path), 0).run();
}

}  // namespace mkart
