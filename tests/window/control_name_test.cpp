// The page reaches a control by its element's id, which anyone can change: an id is taken
// exactly when it is the name of a control that takes input, and for that control.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "window/controls.h"

namespace {

using nf::layout::Control;

// The names of the controls that take input, written out here from the window's description:
// the count list, 32 value selectors, two options, Clear, 32 signs and the square.
std::set<std::string> inputNames() {
  std::set<std::string> names = {"List2", "Option1_0", "Option1_1", "Command1_0", "Label1_32"};
  for (int row = 0; row < 32; ++row) {
    names.insert("List1_" + std::to_string(row));
    names.insert("Label1_" + std::to_string(row));
  }
  return names;
}

TEST(ControlNames, EveryControlIsFoundByItsNameExactlyWhenItTakesInput) {
  const std::set<std::string> taking = inputNames();
  std::set<std::string> found;
  for (const Control& control : nf::layout::stackingOrder()) {
    const std::string name = control.name();
    const auto named = Control::named(name);
    EXPECT_EQ(taking.contains(name), named.has_value()) << name;
    if (named) {
      EXPECT_EQ(control, *named) << name;
      found.insert(name);
    }
  }
  EXPECT_EQ(taking, found);
}

TEST(ControlNames, NamesNoControlHasAreRefused) {
  for (const char* name :
       {"List1_32", "List1_99", "List1_100", "List1_07", "List1_-1",  "List1_",     "List1",
        "List1_3x", "list1_3",  "List2_5",   "List2_",   "Option1_2", "Command1_1", "Label1_33",
        "Text1_0",  "Frame1",   "",          "_",        "List1_ 3",  "List1_+3",   "List1_0003"}) {
    EXPECT_FALSE(Control::named(name).has_value()) << name;
  }
}

}  // namespace
