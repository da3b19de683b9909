// The 148 named colours of the CSS colour module with their Simplified Chinese names, and
// lookup by name.
//
// The Chinese names are the ones the common Chinese web-colour tables use. Where those
// tables disagree or repeat themselves, one name was chosen so that every name is unique:
// - Colours CSS names twice: aqua is 水绿色 and cyan 青色; fuchsia is 紫红色 and magenta
//   洋红色. Both members of each pair carry a name the tables give that colour.
// - chartreuse, greenyellow and yellowgreen are all "黄绿色" somewhere; here chartreuse is
//   查特酒绿 (after the liqueur, as its English name), greenyellow 绿黄色 and yellowgreen
//   黄绿色, following the English word order.
// - darkred keeps 深红色, so crimson takes 猩红色, its other usual name.
// - The gray/grey pairs are one colour spelled two ways, which Chinese cannot mirror. Each
//   pair takes the two renderings of its words that the tables use side by side: "light" is
//   浅 or 淡, "dark" 深 or 暗, "dim" 昏 or 暗淡, "slate" 岩 or 石板. The -gray spelling takes
//   the first, the -grey spelling the second (浅灰色 lightgray, 淡灰色 lightgrey; 岩灰色
//   slategray, 石板灰 slategrey). Plain gray is 灰色, and grey, the same 50 % grey, 中灰色.
//   A Chinese reader recognises either name of a pair as that grey.
// - gainsboro is named after a painter; 庚斯博罗灰 is its transliterated name (the tables'
//   other choice, 淡灰色, is taken by lightgrey).
#include "colour/named_colours.h"

#include <algorithm>
#include <array>

namespace colour {
namespace {

// The longest English name, lightgoldenrodyellow; longer text is no name.
constexpr std::size_t LongestEnglishName = 20;

// In CSS's alphabetical order: the English lookup relies on it.
constexpr NamedColour NamedColourTable[] = {
    {L"aliceblue", L"爱丽丝蓝", {0xF0, 0xF8, 0xFF}},
    {L"antiquewhite", L"古董白", {0xFA, 0xEB, 0xD7}},
    {L"aqua", L"水绿色", {0x00, 0xFF, 0xFF}},
    {L"aquamarine", L"碧绿色", {0x7F, 0xFF, 0xD4}},
    {L"azure", L"蔚蓝色", {0xF0, 0xFF, 0xFF}},
    {L"beige", L"米色", {0xF5, 0xF5, 0xDC}},
    {L"bisque", L"陶坯黄", {0xFF, 0xE4, 0xC4}},
    {L"black", L"黑色", {0x00, 0x00, 0x00}},
    {L"blanchedalmond", L"杏仁白", {0xFF, 0xEB, 0xCD}},
    {L"blue", L"蓝色", {0x00, 0x00, 0xFF}},
    {L"blueviolet", L"蓝紫色", {0x8A, 0x2B, 0xE2}},
    {L"brown", L"棕色", {0xA5, 0x2A, 0x2A}},
    {L"burlywood", L"硬木色", {0xDE, 0xB8, 0x87}},
    {L"cadetblue", L"军服蓝", {0x5F, 0x9E, 0xA0}},
    {L"chartreuse", L"查特酒绿", {0x7F, 0xFF, 0x00}},
    {L"chocolate", L"巧克力色", {0xD2, 0x69, 0x1E}},
    {L"coral", L"珊瑚色", {0xFF, 0x7F, 0x50}},
    {L"cornflowerblue", L"矢车菊蓝", {0x64, 0x95, 0xED}},
    {L"cornsilk", L"玉米丝色", {0xFF, 0xF8, 0xDC}},
    {L"crimson", L"猩红色", {0xDC, 0x14, 0x3C}},
    {L"cyan", L"青色", {0x00, 0xFF, 0xFF}},
    {L"darkblue", L"深蓝色", {0x00, 0x00, 0x8B}},
    {L"darkcyan", L"深青色", {0x00, 0x8B, 0x8B}},
    {L"darkgoldenrod", L"深金菊色", {0xB8, 0x86, 0x0B}},
    {L"darkgray", L"深灰色", {0xA9, 0xA9, 0xA9}},
    {L"darkgreen", L"深绿色", {0x00, 0x64, 0x00}},
    {L"darkgrey", L"暗灰色", {0xA9, 0xA9, 0xA9}},
    {L"darkkhaki", L"深卡其色", {0xBD, 0xB7, 0x6B}},
    {L"darkmagenta", L"深洋红色", {0x8B, 0x00, 0x8B}},
    {L"darkolivegreen", L"深橄榄绿", {0x55, 0x6B, 0x2F}},
    {L"darkorange", L"深橙色", {0xFF, 0x8C, 0x00}},
    {L"darkorchid", L"深兰花紫", {0x99, 0x32, 0xCC}},
    {L"darkred", L"深红色", {0x8B, 0x00, 0x00}},
    {L"darksalmon", L"深鲑红色", {0xE9, 0x96, 0x7A}},
    {L"darkseagreen", L"深海绿色", {0x8F, 0xBC, 0x8F}},
    {L"darkslateblue", L"深岩蓝色", {0x48, 0x3D, 0x8B}},
    {L"darkslategray", L"深岩灰色", {0x2F, 0x4F, 0x4F}},
    {L"darkslategrey", L"暗石板灰", {0x2F, 0x4F, 0x4F}},
    {L"darkturquoise", L"深绿松石色", {0x00, 0xCE, 0xD1}},
    {L"darkviolet", L"深紫罗兰色", {0x94, 0x00, 0xD3}},
    {L"deeppink", L"深粉红色", {0xFF, 0x14, 0x93}},
    {L"deepskyblue", L"深天蓝色", {0x00, 0xBF, 0xFF}},
    {L"dimgray", L"昏灰色", {0x69, 0x69, 0x69}},
    {L"dimgrey", L"暗淡灰", {0x69, 0x69, 0x69}},
    {L"dodgerblue", L"道奇蓝", {0x1E, 0x90, 0xFF}},
    {L"firebrick", L"耐火砖红", {0xB2, 0x22, 0x22}},
    {L"floralwhite", L"花白色", {0xFF, 0xFA, 0xF0}},
    {L"forestgreen", L"森林绿", {0x22, 0x8B, 0x22}},
    {L"fuchsia", L"紫红色", {0xFF, 0x00, 0xFF}},
    {L"gainsboro", L"庚斯博罗灰", {0xDC, 0xDC, 0xDC}},
    {L"ghostwhite", L"幽灵白", {0xF8, 0xF8, 0xFF}},
    {L"gold", L"金色", {0xFF, 0xD7, 0x00}},
    {L"goldenrod", L"金菊色", {0xDA, 0xA5, 0x20}},
    {L"gray", L"灰色", {0x80, 0x80, 0x80}},
    {L"green", L"绿色", {0x00, 0x80, 0x00}},
    {L"greenyellow", L"绿黄色", {0xAD, 0xFF, 0x2F}},
    {L"grey", L"中灰色", {0x80, 0x80, 0x80}},
    {L"honeydew", L"蜜瓜色", {0xF0, 0xFF, 0xF0}},
    {L"hotpink", L"亮粉红色", {0xFF, 0x69, 0xB4}},
    {L"indianred", L"印度红", {0xCD, 0x5C, 0x5C}},
    {L"indigo", L"靛青色", {0x4B, 0x00, 0x82}},
    {L"ivory", L"象牙色", {0xFF, 0xFF, 0xF0}},
    {L"khaki", L"卡其色", {0xF0, 0xE6, 0x8C}},
    {L"lavender", L"薰衣草紫", {0xE6, 0xE6, 0xFA}},
    {L"lavenderblush", L"薰衣草红", {0xFF, 0xF0, 0xF5}},
    {L"lawngreen", L"草坪绿", {0x7C, 0xFC, 0x00}},
    {L"lemonchiffon", L"柠檬绸色", {0xFF, 0xFA, 0xCD}},
    {L"lightblue", L"浅蓝色", {0xAD, 0xD8, 0xE6}},
    {L"lightcoral", L"浅珊瑚色", {0xF0, 0x80, 0x80}},
    {L"lightcyan", L"浅青色", {0xE0, 0xFF, 0xFF}},
    {L"lightgoldenrodyellow", L"浅金菊黄", {0xFA, 0xFA, 0xD2}},
    {L"lightgray", L"浅灰色", {0xD3, 0xD3, 0xD3}},
    {L"lightgreen", L"浅绿色", {0x90, 0xEE, 0x90}},
    {L"lightgrey", L"淡灰色", {0xD3, 0xD3, 0xD3}},
    {L"lightpink", L"浅粉红色", {0xFF, 0xB6, 0xC1}},
    {L"lightsalmon", L"浅鲑红色", {0xFF, 0xA0, 0x7A}},
    {L"lightseagreen", L"浅海绿色", {0x20, 0xB2, 0xAA}},
    {L"lightskyblue", L"浅天蓝色", {0x87, 0xCE, 0xFA}},
    {L"lightslategray", L"浅岩灰色", {0x77, 0x88, 0x99}},
    {L"lightslategrey", L"淡石板灰", {0x77, 0x88, 0x99}},
    {L"lightsteelblue", L"浅钢蓝色", {0xB0, 0xC4, 0xDE}},
    {L"lightyellow", L"浅黄色", {0xFF, 0xFF, 0xE0}},
    {L"lime", L"酸橙色", {0x00, 0xFF, 0x00}},
    {L"limegreen", L"酸橙绿", {0x32, 0xCD, 0x32}},
    {L"linen", L"亚麻色", {0xFA, 0xF0, 0xE6}},
    {L"magenta", L"洋红色", {0xFF, 0x00, 0xFF}},
    {L"maroon", L"栗色", {0x80, 0x00, 0x00}},
    {L"mediumaquamarine", L"中碧绿色", {0x66, 0xCD, 0xAA}},
    {L"mediumblue", L"中蓝色", {0x00, 0x00, 0xCD}},
    {L"mediumorchid", L"中兰花紫", {0xBA, 0x55, 0xD3}},
    {L"mediumpurple", L"中紫色", {0x93, 0x70, 0xDB}},
    {L"mediumseagreen", L"中海绿色", {0x3C, 0xB3, 0x71}},
    {L"mediumslateblue", L"中岩蓝色", {0x7B, 0x68, 0xEE}},
    {L"mediumspringgreen", L"中春绿色", {0x00, 0xFA, 0x9A}},
    {L"mediumturquoise", L"中绿松石色", {0x48, 0xD1, 0xCC}},
    {L"mediumvioletred", L"中紫罗兰红", {0xC7, 0x15, 0x85}},
    {L"midnightblue", L"午夜蓝", {0x19, 0x19, 0x70}},
    {L"mintcream", L"薄荷奶油色", {0xF5, 0xFF, 0xFA}},
    {L"mistyrose", L"薄雾玫瑰色", {0xFF, 0xE4, 0xE1}},
    {L"moccasin", L"鹿皮色", {0xFF, 0xE4, 0xB5}},
    {L"navajowhite", L"纳瓦霍白", {0xFF, 0xDE, 0xAD}},
    {L"navy", L"海军蓝", {0x00, 0x00, 0x80}},
    {L"oldlace", L"旧蕾丝色", {0xFD, 0xF5, 0xE6}},
    {L"olive", L"橄榄色", {0x80, 0x80, 0x00}},
    {L"olivedrab", L"橄榄土褐色", {0x6B, 0x8E, 0x23}},
    {L"orange", L"橙色", {0xFF, 0xA5, 0x00}},
    {L"orangered", L"橙红色", {0xFF, 0x45, 0x00}},
    {L"orchid", L"兰花紫", {0xDA, 0x70, 0xD6}},
    {L"palegoldenrod", L"苍金菊色", {0xEE, 0xE8, 0xAA}},
    {L"palegreen", L"苍绿色", {0x98, 0xFB, 0x98}},
    {L"paleturquoise", L"苍绿松石色", {0xAF, 0xEE, 0xEE}},
    {L"palevioletred", L"苍紫罗兰红", {0xDB, 0x70, 0x93}},
    {L"papayawhip", L"番木瓜色", {0xFF, 0xEF, 0xD5}},
    {L"peachpuff", L"桃色", {0xFF, 0xDA, 0xB9}},
    {L"peru", L"秘鲁色", {0xCD, 0x85, 0x3F}},
    {L"pink", L"粉红色", {0xFF, 0xC0, 0xCB}},
    {L"plum", L"李子色", {0xDD, 0xA0, 0xDD}},
    {L"powderblue", L"粉蓝色", {0xB0, 0xE0, 0xE6}},
    {L"purple", L"紫色", {0x80, 0x00, 0x80}},
    {L"rebeccapurple", L"丽贝卡紫", {0x66, 0x33, 0x99}},
    {L"red", L"红色", {0xFF, 0x00, 0x00}},
    {L"rosybrown", L"玫瑰棕色", {0xBC, 0x8F, 0x8F}},
    {L"royalblue", L"宝蓝色", {0x41, 0x69, 0xE1}},
    {L"saddlebrown", L"马鞍棕色", {0x8B, 0x45, 0x13}},
    {L"salmon", L"鲑红色", {0xFA, 0x80, 0x72}},
    {L"sandybrown", L"沙棕色", {0xF4, 0xA4, 0x60}},
    {L"seagreen", L"海绿色", {0x2E, 0x8B, 0x57}},
    {L"seashell", L"海贝色", {0xFF, 0xF5, 0xEE}},
    {L"sienna", L"赭色", {0xA0, 0x52, 0x2D}},
    {L"silver", L"银色", {0xC0, 0xC0, 0xC0}},
    {L"skyblue", L"天蓝色", {0x87, 0xCE, 0xEB}},
    {L"slateblue", L"岩蓝色", {0x6A, 0x5A, 0xCD}},
    {L"slategray", L"岩灰色", {0x70, 0x80, 0x90}},
    {L"slategrey", L"石板灰", {0x70, 0x80, 0x90}},
    {L"snow", L"雪白色", {0xFF, 0xFA, 0xFA}},
    {L"springgreen", L"春绿色", {0x00, 0xFF, 0x7F}},
    {L"steelblue", L"钢蓝色", {0x46, 0x82, 0xB4}},
    {L"tan", L"茶色", {0xD2, 0xB4, 0x8C}},
    {L"teal", L"水鸭色", {0x00, 0x80, 0x80}},
    {L"thistle", L"蓟色", {0xD8, 0xBF, 0xD8}},
    {L"tomato", L"番茄红", {0xFF, 0x63, 0x47}},
    {L"turquoise", L"绿松石色", {0x40, 0xE0, 0xD0}},
    {L"violet", L"紫罗兰色", {0xEE, 0x82, 0xEE}},
    {L"wheat", L"小麦色", {0xF5, 0xDE, 0xB3}},
    {L"white", L"白色", {0xFF, 0xFF, 0xFF}},
    {L"whitesmoke", L"白烟色", {0xF5, 0xF5, 0xF5}},
    {L"yellow", L"黄色", {0xFF, 0xFF, 0x00}},
    {L"yellowgreen", L"黄绿色", {0x9A, 0xCD, 0x32}},
};

static_assert(std::size(NamedColourTable) == NamedColourCount);

wchar_t AsciiLower(wchar_t c) { return (c >= L'A' && c <= L'Z') ? c - L'A' + L'a' : c; }

}  // namespace

std::span<const NamedColour> NamedColours() { return NamedColourTable; }

const NamedColour* FindNamedColour(std::wstring_view name) {
  if (name.empty()) return nullptr;
  if (name.size() <= LongestEnglishName) {
    std::array<wchar_t, LongestEnglishName> lower{};
    std::transform(name.begin(), name.end(), lower.begin(), AsciiLower);
    const std::wstring_view key(lower.data(), name.size());
    const auto* found = std::lower_bound(
        std::begin(NamedColourTable), std::end(NamedColourTable), key,
        [](const NamedColour& entry, std::wstring_view k) { return entry.english < k; });
    if (found != std::end(NamedColourTable) && found->english == key) return found;
  }
  for (const NamedColour& entry : NamedColourTable) {
    if (entry.chinese == name) return &entry;
  }
  return nullptr;
}

}  // namespace colour
