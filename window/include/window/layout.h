#pragma once

// The window's units and the facts of the window as a whole: its size, font, title and colour,
// the truth-table grid the rows stand on, and the assignment the result box opens with. The
// controls themselves are described in controls.h.

#include <array>
#include <string_view>

namespace nf::layout {

struct Twips {
  int left;
  int top;
  int width;
  int height;
};

struct Rgb {
  int red;
  int green;
  int blue;

  bool operator==(const Rgb&) const = default;
};

struct Pixels {
  int left;
  int top;
  int width;
  int height;

  bool operator==(const Pixels&) const = default;
};

// Positions and sizes are in twips: 1/1440 inch, 15 to a pixel at 96 dpi.
inline constexpr int kTwipsPerPixel = 15;

/// Length in pixels at 96 dpi of a length in twips, rounded to the nearest pixel.
constexpr int toPixels(int twips) {
  return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

/// A place in pixels, each of its four figures rounded alone, as every face places controls.
constexpr Pixels toPixels(Twips place) {
  return {toPixels(place.left), toPixels(place.top), toPixels(place.width), toPixels(place.height)};
}

inline constexpr int kClientWidth = 7275;
inline constexpr int kClientHeight = 7155;

inline constexpr std::string_view kFontFamily = "Times New Roman";
inline constexpr double kWindowFontPoints = 12.0;

inline constexpr std::string_view kTitle =
    "www.example.org Информатика - булеви функции, ДНФ и КНФ";

inline constexpr Rgb kWindowColour{192, 192, 255};
/// What a face paints where a control keeps its toolkit's own background: white.
inline constexpr Rgb kWhite{255, 255, 255};

// The truth-table grid: rows 0-15 in the left column, rows 16-31 in the right one, row k and
// row k + 16 on grid line k.
inline constexpr int kGridLines = 16;
inline constexpr int kRows = 2 * kGridLines;
inline constexpr int kLabelBoxWidth = 1000;
inline constexpr int kLabelBoxHeight = 315;
inline constexpr int kSignWidth = 615;
inline constexpr int kSignHeight = 255;
inline constexpr int kSelectorWidth = 735;
inline constexpr int kSelectorHeight = 285;

struct GridColumn {
  int labelBoxLeft;
  int signLeft;
  int selectorLeft;
};

inline constexpr std::array<GridColumn, 2> kGridColumns = {{
    {960, 1920, 2520},
    {4320, 5280, 5880},
}};

struct GridLine {
  int labelBoxTop;
  std::array<int, 2> signTop;      // left column, right column
  std::array<int, 2> selectorTop;  // left column, right column
};

inline constexpr std::array<GridLine, kGridLines> kGridLineTops = {{
    {480, {480, 480}, {480, 480}},
    {795, {795, 795}, {795, 795}},
    {1095, {1095, 1095}, {1095, 1095}},
    {1410, {1410, 1410}, {1410, 1410}},
    {1725, {1725, 1725}, {1725, 1725}},
    {2025, {2025, 2025}, {2025, 2025}},
    {2340, {2340, 2280}, {2340, 2340}},
    {2655, {2655, 2655}, {2655, 2655}},
    {2955, {2955, 2955}, {2955, 2955}},
    {3270, {3270, 3240}, {3270, 3270}},
    {3585, {3585, 3585}, {3585, 3585}},
    {3885, {3885, 3885}, {3885, 3885}},
    {4200, {4200, 4200}, {4200, 4200}},
    {4515, {4515, 4515}, {4515, 4515}},
    {4830, {4800, 4800}, {4815, 4800}},
    {5145, {5130, 5130}, {5130, 5130}},
}};

/// Place of row `row`'s label box, " = " sign and value selector.
struct RowPlaces {
  Twips labelBox;
  Twips sign;
  Twips selector;
};

constexpr RowPlaces rowPlaces(int row) {
  const int column = row / kGridLines;
  const GridColumn& x = kGridColumns[static_cast<std::size_t>(column)];
  const GridLine& y = kGridLineTops[static_cast<std::size_t>(row % kGridLines)];
  const auto c = static_cast<std::size_t>(column);
  return {{x.labelBoxLeft, y.labelBoxTop, kLabelBoxWidth, kLabelBoxHeight},
          {x.signLeft, y.signTop[c], kSignWidth, kSignHeight},
          {x.selectorLeft, y.selectorTop[c], kSelectorWidth, kSelectorHeight}};
}

// The assignment the tool answers, shown in the result box until the first report.
inline constexpr std::array<std::string_view, 11> kAssignmentLines = {
    "Да се състави проект, осъществяващ вътрешнопредметна връзка в Информатика.",
    "Тема на проекта: Информатика - представяне на булева функция, ДНФ, КНФ.",
    "Използвана терминология - ДНФ, КНФ, терм:",
    "ДНФ - дезюнктивна нормална форма. Булевата функция се представя като дезюнкция от "
    "конюнкции (логическа сума от логически произведения)",
    "КНФ - конюнктивна нормална форма. Булевата функция се представя като конюнкция от "
    "дезюнкции (логическо произведение от логически суми)",
    "терм - ред от таблицата на истинност, съдържащ поредните стойности на аргументите в "
    "булевата функция.",
    "Входни данни за проекта са:",
    "брой променливи в разглежданата булева функция. В реализирания проект е предоставена "
    "възможност за избор чрез листово поле между стойностите 3,4,5;",
    "избор на начин за поредставяне на булевата функция ДНФ (конюнктивна нормална форма) или "
    "КНФ (конюнктивна нормална форма) - избор чрез радиобутони;",
    "въвеждане на таблицата за истинност - стойността на всеки терм от таблицата се определя "
    "чрез листово поле. По подразбиране всички начални стойности са False.",
    "Промяна стойността на произволен терм води до извеждане актуалната ДНФ или КНФ за "
    "разглежданата булева функция.",
};

}  // namespace nf::layout
