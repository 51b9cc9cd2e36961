#pragma once

// Everything fixed about the window's look: positions and sizes in twips (1/1440 inch, 15 to
// a pixel at 96 dpi), colours and texts. The window reads these tables and nothing else.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
};

struct Pixels {
  int left;
  int top;
  int width;
  int height;
};

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
inline constexpr double kValueFontPoints = 9.75;

inline constexpr std::string_view kTitle =
    "www.example.org Информатика - булеви функции, ДНФ и КНФ";

inline constexpr Rgb kWindowColour{192, 192, 255};
inline constexpr Rgb kCaptionColour{255, 224, 192};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kDnfColour{255, 192, 128};
inline constexpr Rgb kKnfColour{255, 255, 128};
inline constexpr Rgb kClearColour{255, 128, 128};
inline constexpr Rgb kSignColour{0, 255, 0};

struct Caption {
  Twips place;
  std::string_view text;
};

inline constexpr std::array<Caption, 2> kLabel2 = {{
    {{120, 120, 735, 375}, "Брой"},
    {{1080, 120, 735, 375}, "Вид:"},
}};

inline constexpr Twips kList2 = {120, 480, 735, 345};

inline constexpr Twips kFrame1 = {1800, 0, 2655, 450};

struct Option {
  Twips place;  // inside Frame1
  Rgb colour;
  std::string_view text;
};

inline constexpr std::array<Option, 2> kOption1 = {{
    {{120, 120, 855, 285}, kDnfColour, "ДНФ"},
    {{1680, 120, 855, 285}, kKnfColour, "КНФ"},
}};

inline constexpr Twips kCommand1 = {4680, 120, 1575, 285};
inline constexpr std::string_view kCommand1Text = "Чисти";

inline constexpr Twips kText1 = {120, 5640, 6975, 1455};

inline constexpr Twips kEasterSquare = {3720, 5400, 135, 135};
inline constexpr std::string_view kEasterSquareTip = "Великденски заяк";

inline constexpr std::string_view kSignText = " = ";

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

// The controls' names. A control has one name everywhere: the desktop's object name, the
// page's element id, the name the tests drive it by and the one a bug report quotes, so that
// "List1_20 keeps its value" means the same control on both faces. The name is the group's, and
// for a control in an indexed group the element's index after "_": row 7's value selector is
// "List1_7", the count list simply "List2". The groups:
//   Label2    the captions "Брой" (0) and "Вид:" (1)
//   List2     the count list: "3", "4", "5"
//   Frame1    the frame around the option pair
//   Option1   the option pair: ДНФ (0) and КНФ (1)
//   Command1  the Clear button "Чисти" (0, the only one)
//   Text2     row i's label box, "1 0 1"
//   Label1    row i's " = " sign; element 32 is the small square above the result box
//   List1     row i's value selector: "0", "1"
//   Text1     the result box (0, the only one)
namespace group {
inline constexpr std::string_view Label2 = "Label2";
inline constexpr std::string_view List2 = "List2";
inline constexpr std::string_view Frame1 = "Frame1";
inline constexpr std::string_view Option1 = "Option1";
inline constexpr std::string_view Command1 = "Command1";
inline constexpr std::string_view Text2 = "Text2";
inline constexpr std::string_view Label1 = "Label1";
inline constexpr std::string_view List1 = "List1";
inline constexpr std::string_view Text1 = "Text1";
}  // namespace group

/// Index of a control that stands alone rather than in an indexed group.
inline constexpr int kAlone = -1;

struct Control {
  std::string_view group;
  int index = kAlone;

  /// The control's name: "List1_7", or the group's alone ("List2").
  std::string name() const;
  /// The control named `name`, for the groups that take input (List1, List2, Option1,
  /// Command1, Label1); none for any other name.
  static std::optional<Control> named(std::string_view name);

  bool operator==(const Control&) const = default;
};

/// Every control that takes the keyboard focus, in Tab order; a face passes over those that
/// are not shown.
std::vector<Control> tabOrder();

/// A control and its rectangle in the window's pixels, rounded as every face places it (an
/// option lies inside the frame: its place there plus the frame's).
struct ControlPlace {
  Control control;
  Pixels pixels;
};

/// Every control of the window with its place, the 32 rows' included.
std::vector<ControlPlace> controlPlaces();

// What assistive technology reads out for each control: a name and a description. A row's
// name carries its label, which changes with the count ("Стойност на ред 1 0 1").
struct Accessible {
  std::string_view name;
  std::string_view description;
};

inline constexpr Accessible kCountListAccessible = {
    "Брой променливи", "Изберете броя на променливите на функцията: 3, 4 или 5"};
inline constexpr Accessible kFrameAccessible = {"Вид на нормалната форма", "Изберете ДНФ или КНФ"};
inline constexpr std::array<Accessible, 2> kOptionAccessible = {{
    {"ДНФ", "Дизюнктивна нормална форма"},
    {"КНФ", "Конюнктивна нормална форма"},
}};
inline constexpr Accessible kClearAccessible = {
    "Чисти", "Връща три променливи, ДНФ, всички стойности 0 и празно поле за резултата"};
inline constexpr Accessible kResultAccessible = {
    "Резултат", "Нормалната форма на функцията, по един терм на ред"};
inline constexpr Accessible kSignAccessible = {"равно", "Знак между реда и стойността му"};
inline constexpr std::string_view kLabelBoxNamePrefix = "Ред ";
inline constexpr std::string_view kLabelBoxDescription =
    "Стойностите на аргументите A, B, C, D, E в този ред на таблицата";
inline constexpr std::string_view kSelectorNamePrefix = "Стойност на ред ";
inline constexpr std::string_view kSelectorDescription =
    "Стойност на функцията за този ред: 0 или 1; натиснете 0 или 1, или стрелка";

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
