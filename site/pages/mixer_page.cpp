// Custom mixing: the colour set by RGB, HSV or CMYK in text boxes with up-down arrows, a
// large live swatch, every notation of the result and its nearest named colour.
#include <algorithm>
#include <array>
#include <iterator>
#include <string>

#include "colour/colour_management.h"
#include "colour/colour_models.h"
#include "colour/convert.h"
#include "site/control_factory.h"
#include "site/page_builders.h"
#include "site/page_controls.h"
#include "site/pages/colour_facts.h"

namespace site {

namespace {

enum class Model { Rgb, Hsv, Cmyk };

struct Channel {
  const wchar_t* label;
  int high;
};

struct ModelSpec {
  Model model;
  const wchar_t* caption;
  int channels;
  Channel channel[4];
};

constexpr ModelSpec Models[] = {
    {Model::Rgb, L"RGB", 3, {{L"Red  0–255", 255}, {L"Green  0–255", 255}, {L"Blue  0–255", 255}}},
    {Model::Hsv, L"HSV", 3,
     {{L"Hue  0–359°", 359}, {L"Saturation  0–100 %", 100}, {L"Value  0–100 %", 100}}},
    {Model::Cmyk, L"CMYK", 4,
     {{L"Cyan  0–100 %", 100}, {L"Magenta  0–100 %", 100}, {L"Yellow  0–100 %", 100},
      {L"Black  0–100 %", 100}}},
};
constexpr int MaxChannels = 4;

// Control ids inside the pane.
constexpr int ModelIdBase = 100;   // + the model's place in Models
constexpr int EditIdBase = 200;    // + the channel
constexpr int ArrowsIdBase = 300;  // + the channel

// Where the controls go in the room, in pixels from its top-left corner.
constexpr SIZE Room{300, 150};
constexpr int OptionWidth = 64;
constexpr int OptionHeight = 20;
constexpr int ChannelTop = 34;
constexpr int ChannelPitch = 29;
constexpr int LabelWidth = 126;
constexpr int LabelDrop = 4;  // the label's text level with the edit's
constexpr int EditWidth = 80;
constexpr int EditHeight = 22;

// Sections after the room, refilled as the colour changes.
constexpr size_t ResultsStart = 1;

// The colour the mixer opens with: rebeccapurple.
constexpr std::array<int, MaxChannels> StartValues{102, 51, 153, 0};

class MixerControls final : public PageControls {
 public:
  void Create(HWND pane, const Page& page, HFONT font) override {
    // Setting up the boxes changes their text; that is no change of colour.
    updating_ = true;
    const RECT room = page.sections.front().layout.room;
    for (size_t m = 0; m < std::size(Models); ++m) {
      DWORD style = WS_TABSTOP | BS_AUTORADIOBUTTON | (m == 0 ? WS_GROUP : 0);
      int left = room.left + static_cast<int>(m) * (OptionWidth + 6);
      models_[m] = CreatePageControl(
          pane,
          {OptionButtonClass(), Models[m].caption, style, 0,
           {left, room.top, left + OptionWidth, room.top + OptionHeight},
           ModelIdBase + static_cast<int>(m)},
          font);
    }
    SendMessageW(models_[0], BM_SETCHECK, BST_CHECKED, 0);
    for (int c = 0; c < MaxChannels; ++c) {
      int top = room.top + ChannelTop + c * ChannelPitch;
      labels_[c] = CreatePageControl(
          pane,
          {L"Static", L"", SS_LEFT | SS_NOPREFIX, 0,
           {room.left, top + LabelDrop, room.left + LabelWidth, top + EditHeight}, 0},
          font);
      int editLeft = room.left + LabelWidth;
      edits_[c] = CreatePageControl(
          pane,
          {L"Edit", L"", WS_TABSTOP | ES_NUMBER | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE,
           {editLeft, top, editLeft + EditWidth, top + EditHeight}, EditIdBase + c},
          font);
      arrows_[c] = CreateUpDown(pane, edits_[c], ArrowsIdBase + c, 0, Models[0].channel[0].high, 0);
    }
    ShowModel();
  }

  bool OnCommand(int id, int code) override {
    if (updating_) return false;
    if (id >= ModelIdBase && id < ModelIdBase + static_cast<int>(std::size(Models))) {
      if (code != BN_CLICKED) return false;
      size_t chosen = static_cast<size_t>(id - ModelIdBase);
      if (chosen == model_) return false;
      ConvertTo(chosen);
      ShowModel();
      return true;
    }
    if (id >= EditIdBase && id < EditIdBase + MaxChannels && code == EN_CHANGE) {
      int c = id - EditIdBase;
      int value = 0;
      // While a number is being typed (or wiped out) the last whole one holds.
      if (!ReadInteger(edits_[c], value)) return false;
      value = std::clamp(value, 0, Models[model_].channel[c].high);
      if (value == values_[static_cast<size_t>(c)]) return false;
      values_[static_cast<size_t>(c)] = value;
      return true;
    }
    return false;
  }

  void Fill(Page& page) override {
    ColourFacts facts = FactsOf(Given());
    page.sections.resize(ResultsStart);
    // The swatch beside the controls; the notations, then the nearest named colour, below.
    page.sections.push_back(SwatchSection(facts));
    page.sections.push_back(NotationSection(facts));
    page.sections.push_back(NearestNamedSection(facts));
  }

 private:
  colour::ParsedColour Given() const {
    const auto& v = values_;
    switch (Models[model_].model) {
      case Model::Hsv:
        return {colour::Notation::Hsv, colour::Hsv{double(v[0]), double(v[1]), double(v[2])}};
      case Model::Cmyk:
        return {colour::Notation::Cmyk,
                colour::Cmyk{double(v[0]), double(v[1]), double(v[2]), double(v[3])}};
      case Model::Rgb:
        break;
    }
    return {colour::Notation::Rgb, colour::Rgb8{static_cast<std::uint8_t>(v[0]),
                                                static_cast<std::uint8_t>(v[1]),
                                                static_cast<std::uint8_t>(v[2])}};
  }

  // The same colour in the newly chosen model.
  void ConvertTo(size_t chosen) {
    const colour::Rgb8 screen = colour::ToScreen(Given());
    auto round = [](double x) { return static_cast<int>(x + 0.5); };
    switch (Models[chosen].model) {
      case Model::Rgb:
        values_ = {screen.r, screen.g, screen.b, 0};
        break;
      case Model::Hsv: {
        colour::Hsv hsv = colour::ToHsv(colour::ToDouble(screen));
        values_ = {round(hsv.h) % 360, round(hsv.s), round(hsv.v), 0};
        break;
      }
      case Model::Cmyk: {
        colour::Cmyk cmyk = colour::ScreenToCmyk(screen);
        values_ = {round(cmyk.c), round(cmyk.m), round(cmyk.y), round(cmyk.k)};
        break;
      }
    }
    model_ = chosen;
  }

  // Labels, ranges and values of the chosen model; the fourth row only for CMYK.
  void ShowModel() {
    updating_ = true;
    const ModelSpec& shape = Models[model_];
    for (int c = 0; c < MaxChannels; ++c) {
      bool used = c < shape.channels;
      for (HWND w : {labels_[c].get(), edits_[c].get(), arrows_[c].get()})
        ShowWindow(w, used ? SW_SHOWNA : SW_HIDE);
      if (!used) continue;
      SetWindowTextW(labels_[c], shape.channel[c].label);
      SendMessageW(arrows_[c], UDM_SETRANGE32, 0, shape.channel[c].high);
      SendMessageW(arrows_[c], UDM_SETPOS32, 0, values_[static_cast<size_t>(c)]);
    }
    for (size_t m = 0; m < std::size(Models); ++m)
      SendMessageW(models_[m], BM_SETCHECK, m == model_ ? BST_CHECKED : BST_UNCHECKED, 0);
    updating_ = false;
  }

  size_t model_ = 0;
  std::array<int, MaxChannels> values_ = StartValues;
  bool updating_ = false;
  OwnedWindow models_[std::size(Models)];
  OwnedWindow labels_[MaxChannels];
  // The arrows subclass their text boxes and take the subclass off when they go: they go
  // before the boxes (members go in reverse order), or the boxes would keep it for good.
  OwnedWindow edits_[MaxChannels];
  OwnedWindow arrows_[MaxChannels];
};

}  // namespace

Page BuildMixerPage() {
  Page page;
  page.id = PageId::Mixer;
  page.title = L"自定调色 · Custom mixing";
  page.subtitle =
      L"Set a colour by RGB, HSV or CMYK: type the numbers, or step them with the arrows or "
      L"the Up and Down keys. CMYK mixes show the colour coated offset paper prints (FOGRA39).";
  Section controls;
  controls.title = L"Mix a colour";
  controls.room = Room;
  controls.selectable = false;
  page.sections.push_back(std::move(controls));
  return page;
}

std::unique_ptr<PageControls> MakeMixerControls() { return std::make_unique<MixerControls>(); }

}  // namespace site
