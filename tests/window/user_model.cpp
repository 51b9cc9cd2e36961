#include "user_model.h"

#include "core/report.h"
#include "window_driver.h"

void UserModel::chooseCount(int countIndex) {
  if (countIndex == countIndex_) {
    return;
  }
  countIndex_ = countIndex;
  if (form_ < 0) {
    form_ = 0;
  }
  report();
}

void UserModel::chooseForm(int form) {
  if (form == form_) {
    return;
  }
  form_ = form;
  if (countIndex_ < 0) {
    countIndex_ = 0;
  }
  report();
}

void UserModel::setValue(int row, int value) {
  if (values_[static_cast<std::size_t>(row)] == value) {
    return;
  }
  values_[static_cast<std::size_t>(row)] = value;
  if (countIndex_ >= 0) {
    report();
  }
}

void UserModel::clear() {
  countIndex_ = 0;
  form_ = 0;
  values_.fill(0);
  box_ = Box::Empty;
}

QString UserModel::label(int row) const {
  const int digits = countIndex_ < 0 ? 3 : countIndex_ + 3;
  QString text;
  for (int digit = digits - 1; digit >= 0; --digit) {
    text += QLatin1Char(((row >> digit) & 1) != 0 ? '1' : '0');
    if (digit > 0) {
      text += QLatin1Char(' ');
    }
  }
  return text;
}

QStringList UserModel::reportLines() const {
  nf::TruthTable table;
  table.setCountIndex(countIndex_);
  for (int row = 0; row < 32; ++row) {
    table.setSelectedItem(row, value(row));
  }
  return ::reportLines(*(form_ == 0 ? nf::WriteDnf(table) : nf::WriteKnf(table)));
}
