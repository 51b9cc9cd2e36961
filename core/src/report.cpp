#include "core/report.h"

namespace nf {
namespace {

// The longest report (five variables, every row true) is about 1.5 KB; one allocation
// of this size holds any report.
constexpr std::size_t kReportCapacity = 2048;

// The texts that tell one form's report from the other's: the header lines and the separator
// put in front of every term line after the first.
struct ReportTexts {
  std::string_view firstLine;
  std::string_view secondLine;
  std::string_view lineSeparator;
};

ReportTexts reportTexts(Form form) {
  if (form == Form::Dnf) {
    return {"Дизюнктивната нормална форма е представена като",
            "дизюнкция от следните конюнкции - с терми = True: ", " v "};
  }
  return {"Конюнктивната нормална форма е представена като",
          "конюнкция от следните дизюнкции - с терми = True: ", " ^ "};
}

}  // namespace

std::optional<std::string> writeReport(Form form, const TruthTable& table) {
  const int countIndex = table.countIndex();
  if (countIndex == kNoCount) {
    return std::nullopt;
  }
  const int lastRow = lastRowFromLabelTable(countIndex);
  const int variables = variableCount(countIndex);
  const ReportTexts texts = reportTexts(form);

  std::string report;
  report.reserve(kReportCapacity);
  report.append(texts.firstLine).append(kLineBreak);
  report.append(texts.secondLine).append(kLineBreak);

  std::string_view separator;
  for (int row = 0; row <= lastRow; ++row) {
    if (!table.isTrue(row)) {
      continue;
    }
    report.append(separator);
    appendTermText(report, form, variables, row);
    report.append(kLineBreak);
    separator = texts.lineSeparator;
  }
  return report;
}

std::optional<std::string> WriteDnf(const TruthTable& table) {
  return writeReport(Form::Dnf, table);
}

std::optional<std::string> WriteKnf(const TruthTable& table) {
  return writeReport(Form::Knf, table);
}

}  // namespace nf
