#pragma once
// The spacing of a page, in pixels: one place for the rhythm every page shares.
#include <windows.h>

namespace site {

inline constexpr int PageMargin = 16;        // left, right, top and bottom of the page
inline constexpr int TitleHeight = 28;       // the page title's line
inline constexpr int HeaderGap = 18;         // below the subtitle, the rule in its middle
inline constexpr int SectionGapY = 22;       // between lines of sections
inline constexpr int SectionGapX = 24;       // between sections on one line
inline constexpr int HeadingHeight = 20;     // a section title's line
inline constexpr int NoteHeight = 18;        // a section note's line
inline constexpr int HeadsHeight = 16;       // column and slot heads over the cells
inline constexpr int RowHeadWidth = 34;      // row heads left of the cells
inline constexpr int ParagraphGap = 8;       // between paragraphs
inline constexpr int RoomGap = 10;           // between a control room and cells below it
inline constexpr int BodyLineHeight = 14;    // one line of the form's font, with leading

}  // namespace site
