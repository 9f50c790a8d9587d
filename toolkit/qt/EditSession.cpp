#include "toolkit/qt/EditSession.h"

#include <cmath>

namespace GP {

void CEditSession::Begin(int column, const SELVColumn& descriptor, const QString& startText) {
    column_ = column;
    numeric_ = descriptor.IsNumeric();
    number_ = 0.0;
    text_ = numeric_ ? QString() : startText;
    delta_ = numeric_;
    spinning_ = false;
}

void CEditSession::End() {
    column_ = -1;
    spinning_ = false;
}

void CEditSession::TakeText(const QString& text) {
    text_ = text;
    delta_ = false;
}

void CEditSession::TakeNumber(const QString& text, double number) {
    TakeText(text);
    number_ = number;
}

bool CEditSession::Step(const std::vector<int>& rows, double delta) {
    const double next = number_ + delta;
    for (int row : rows) {
        double value = next;
        if (delta_) {
            double own = 0.0;
            if (!cells_.ReadCellNumber(row, column_, &own))
                return false;
            value = own + next;
        }
        if (!cells_.AcceptsCellValue(row, column_, value, kValidateSpin))
            return false;
    }
    number_ = next;
    return true;
}

bool CEditSession::ShownNumber(int row, double* out) {
    if (!delta_) {
        *out = number_;
        return true;
    }
    double own = 0.0;
    if (!cells_.ReadCellNumber(row, column_, &own))
        return false;
    *out = own + number_;
    return true;
}

bool CEditSession::NewValues(const std::vector<int>& rows, EditValidateMode mode, RowValues& values) {
    values.clear();
    for (int row : rows) {
        if (!numeric_) {
            values.emplace_back(row, text_);
            continue;
        }
        double number = number_;
        if (delta_) {
            double own = 0.0;
            if (!cells_.ReadCellNumber(row, column_, &own))
                own = std::nan("");
            number = own + number_;
        }
        values.emplace_back(row, number);
    }
    return AllAccepted(column_, values, mode);
}

bool CEditSession::AllAccepted(int column, const RowValues& values, EditValidateMode mode) {
    validating_ = true;
    bool valid = true;
    for (const auto& [row, value] : values)
        if (!cells_.AcceptsCellValue(row, column, value, mode)) {
            valid = false;
            break;
        }
    validating_ = false;
    return valid;
}

} // namespace GP
