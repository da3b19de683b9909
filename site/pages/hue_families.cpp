#include "site/pages/hue_families.h"

namespace site {

namespace {

using namespace std::string_view_literals;

constexpr std::wstring_view Reds[] = {
    L"darkred"sv, L"maroon"sv, L"firebrick"sv, L"red"sv, L"crimson"sv, L"indianred"sv,
    L"lightcoral"sv, L"salmon"sv, L"darksalmon"sv, L"lightsalmon"sv};
constexpr std::wstring_view Pinks[] = {
    L"mediumvioletred"sv, L"deeppink"sv, L"palevioletred"sv, L"hotpink"sv, L"lightpink"sv,
    L"pink"sv};
constexpr std::wstring_view Oranges[] = {
    L"orangered"sv, L"tomato"sv, L"darkorange"sv, L"coral"sv, L"orange"sv};
constexpr std::wstring_view Yellows[] = {
    L"darkkhaki"sv, L"gold"sv, L"yellow"sv, L"khaki"sv, L"palegoldenrod"sv, L"peachpuff"sv,
    L"moccasin"sv, L"papayawhip"sv, L"lightgoldenrodyellow"sv, L"lemonchiffon"sv,
    L"lightyellow"sv};
constexpr std::wstring_view Browns[] = {
    L"brown"sv, L"saddlebrown"sv, L"sienna"sv, L"chocolate"sv, L"darkgoldenrod"sv, L"peru"sv,
    L"rosybrown"sv, L"goldenrod"sv, L"sandybrown"sv, L"tan"sv, L"burlywood"sv, L"wheat"sv,
    L"navajowhite"sv, L"bisque"sv, L"blanchedalmond"sv, L"cornsilk"sv};
constexpr std::wstring_view Greens[] = {
    L"darkgreen"sv, L"green"sv, L"darkolivegreen"sv, L"forestgreen"sv, L"seagreen"sv,
    L"olive"sv, L"olivedrab"sv, L"mediumseagreen"sv, L"limegreen"sv, L"lime"sv,
    L"springgreen"sv, L"mediumspringgreen"sv, L"darkseagreen"sv, L"mediumaquamarine"sv,
    L"yellowgreen"sv, L"lawngreen"sv, L"chartreuse"sv, L"lightgreen"sv, L"greenyellow"sv,
    L"palegreen"sv};
constexpr std::wstring_view Cyans[] = {
    L"teal"sv, L"darkcyan"sv, L"lightseagreen"sv, L"cadetblue"sv, L"darkturquoise"sv,
    L"mediumturquoise"sv, L"turquoise"sv, L"aqua"sv, L"cyan"sv, L"aquamarine"sv,
    L"paleturquoise"sv, L"lightcyan"sv};
constexpr std::wstring_view Blues[] = {
    L"navy"sv, L"darkblue"sv, L"midnightblue"sv, L"mediumblue"sv, L"blue"sv, L"royalblue"sv,
    L"steelblue"sv, L"dodgerblue"sv, L"deepskyblue"sv, L"cornflowerblue"sv, L"skyblue"sv,
    L"lightskyblue"sv, L"lightsteelblue"sv, L"lightblue"sv, L"powderblue"sv};
constexpr std::wstring_view Purples[] = {
    L"indigo"sv, L"purple"sv, L"darkmagenta"sv, L"darkviolet"sv, L"darkslateblue"sv,
    L"blueviolet"sv, L"darkorchid"sv, L"rebeccapurple"sv, L"fuchsia"sv, L"magenta"sv,
    L"slateblue"sv, L"mediumslateblue"sv, L"mediumorchid"sv, L"mediumpurple"sv, L"orchid"sv,
    L"violet"sv, L"plum"sv, L"thistle"sv, L"lavender"sv};
constexpr std::wstring_view Whites[] = {
    L"mistyrose"sv, L"antiquewhite"sv, L"linen"sv, L"beige"sv, L"whitesmoke"sv,
    L"lavenderblush"sv, L"oldlace"sv, L"aliceblue"sv, L"seashell"sv, L"ghostwhite"sv,
    L"honeydew"sv, L"floralwhite"sv, L"azure"sv, L"mintcream"sv, L"snow"sv, L"ivory"sv,
    L"white"sv};
constexpr std::wstring_view Greys[] = {
    L"black"sv, L"darkslategray"sv, L"darkslategrey"sv, L"dimgray"sv, L"dimgrey"sv,
    L"slategray"sv, L"slategrey"sv, L"gray"sv, L"grey"sv, L"lightslategray"sv,
    L"lightslategrey"sv, L"darkgray"sv, L"darkgrey"sv, L"silver"sv, L"lightgray"sv,
    L"lightgrey"sv, L"gainsboro"sv};

constexpr HueFamily Families[] = {
    {L"Reds 红色系", Reds},       {L"Pinks 粉色系", Pinks},     {L"Oranges 橙色系", Oranges},
    {L"Yellows 黄色系", Yellows}, {L"Browns 棕色系", Browns},   {L"Greens 绿色系", Greens},
    {L"Cyans 青色系", Cyans},     {L"Blues 蓝色系", Blues},     {L"Purples 紫色系", Purples},
    {L"Whites 白色系", Whites},   {L"Greys 灰色系", Greys},
};

}  // namespace

std::span<const HueFamily> HueFamilies() { return Families; }

const HueFamily* FamilyOf(std::wstring_view name) {
  for (const HueFamily& family : Families)
    for (std::wstring_view member : family.names)
      if (member == name) return &family;
  return nullptr;
}

}  // namespace site
