#include "user_model.h"

#include "core/report.h"
#include "window/layout.h"

UserModel::UserModel() {
  // Before any count is chosen the boxes hold three-variable labels: the first eight their
  // own rows', every other one that of row 0.
  for (int row = 0; row < 32; ++row) {
    labels_[static_cast<std::size_t>(row)] = binaryLabel(row < 8 ? row : 0, 3);
  }
}

void UserModel::chooseCount(int countIndex) {
  if (countIndex == countIndex_) {
    return;
  }
  countIndex_ = countIndex;
  if (form_ < 0) {
    form_ = 0;
  }
  relabelShownRows();
  box_ = Box::Report;
}

void UserModel::chooseForm(int form) {
  if (form == form_) {
    return;
  }
  form_ = form;
  if (countIndex_ < 0) {
    countIndex_ = 0;
    relabelShownRows();
  }
  box_ = Box::Report;
}

void UserModel::setValue(int row, int value) {
  if (values_[static_cast<std::size_t>(row)] == value) {
    return;
  }
  values_[static_cast<std::size_t>(row)] = value;
  if (countIndex_ >= 0) {
    box_ = Box::Report;
  }
}

void UserModel::clear() {
  countIndex_ = 0;
  form_ = 0;
  values_.fill(0);
  relabelShownRows();
  box_ = Box::Empty;
}

void UserModel::relabelShownRows() {
  for (int row = 0; row < shownRows(); ++row) {
    labels_[static_cast<std::size_t>(row)] = binaryLabel(row, countIndex_ + 3);
  }
}

std::string UserModel::boxText() const {
  switch (box_) {
    case Box::Assignment: {
      std::string text;
      for (const std::string_view line : nf::layout::kAssignmentLines) {
        text.append(line).append("\r\n");
      }
      return text;
    }
    case Box::Empty:
      return {};
    case Box::Report:
      break;
  }
  nf::TruthTable table;
  table.setCountIndex(countIndex_);
  for (int row = 0; row < 32; ++row) {
    table.setSelectedItem(row, value(row));
  }
  return *(form_ == 0 ? nf::WriteDnf(table) : nf::WriteKnf(table));
}

std::string binaryLabel(int row, int digits) {
  std::string text;
  for (int digit = digits - 1; digit >= 0; --digit) {
    text += ((row >> digit) & 1) != 0 ? '1' : '0';
    if (digit > 0) {
      text += ' ';
    }
  }
  return text;
}
