#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/term_text.h"
#include "core/truth_table.h"

namespace nf {

/// Line break written after every report line, the last one included.
inline constexpr std::string_view kLineBreak = "\r\n";

/// The report of `table` in `form`: two header lines, then one term line for every true row of
/// the chosen count in ascending order. No value while no count is chosen, so that the caller
/// can leave its result box as it is; a real report always holds at least the header lines.
std::optional<std::string> writeReport(Form form, const TruthTable& table);

/// ДНФ report of `table`: writeReport(Form::Dnf, table).
std::optional<std::string> WriteDnf(const TruthTable& table);

/// КНФ report of `table`, built from the same true rows as the ДНФ one: writeReport(Form::Knf,
/// table).
std::optional<std::string> WriteKnf(const TruthTable& table);

}  // namespace nf
