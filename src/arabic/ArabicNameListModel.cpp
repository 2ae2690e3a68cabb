#include "arabic/ArabicNameListModel.h"

#include <algorithm>
#include <cstdio>

#include "database/AsciiCase.h"
#include "messages/StringIds.h"

namespace kavro {
namespace {

std::string_view cut(std::string_view text, std::size_t limit) {
    return text.substr(0, limit);
}

}  // namespace

void ArabicNameListModel::reset(const ArabicNameList& list) {
    rows_.clear();
    selection_.reset();
    for (const std::string& stored : list) {
        ArabicNameEntry e = ArabicNameEntry::fromStored(stored);
        rows_.push_back(
            {static_cast<int>(rows_.size()) + 1, std::move(e.latinName), std::move(e.arabicName)});
    }
}

std::string ArabicNameListModel::numberText(int number) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d", number);
    return text;
}

void ArabicNameListModel::select(std::optional<std::size_t> row) {
    selection_ = (row && *row < rows_.size()) ? row : std::nullopt;
}

ArabicNameEntry ArabicNameListModel::editTexts(std::size_t row) const {
    if (row >= rows_.size()) return {};
    return {std::string(cut(rows_[row].latinName, ArabicNameEntry::kLatinNameLimit)),
            std::string(cut(rows_[row].arabicName, ArabicNameEntry::kArabicNameLimit))};
}

std::size_t ArabicNameListModel::appendRow() {
    rows_.push_back({static_cast<int>(rows_.size()) + 1, {}, {}});
    selection_ = rows_.size() - 1;
    return rows_.size() - 1;
}

void ArabicNameListModel::setTexts(std::size_t row, std::string_view latinName,
                                   std::string_view arabicName) {
    rows_[row].latinName = cut(latinName, ArabicNameEntry::kLatinNameLimit);
    rows_[row].arabicName = cut(arabicName, ArabicNameEntry::kArabicNameLimit);
}

bool ArabicNameListModel::add(std::string_view latinName, std::string_view arabicName) {
    if (latinName.empty() || arabicName.empty()) return false;
    latinName = cut(latinName, ArabicNameEntry::kLatinNameLimit);

    std::size_t row = rows_.size();
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (equalsIgnoringAsciiCase(rows_[i].latinName, latinName)) {
            row = i;
            break;
        }
    }
    if (row == rows_.size()) {
        row = appendRow();
    } else {
        selection_ = row;
        const MessageButton answer = messages_.showMessageNumber(
            strings::LatinNameExists, static_cast<long long>(row) + 1, MessageStyle::YesNo);
        if (answer != MessageButton::Yes) return false;
        rows_[row].number = static_cast<int>(row) + 1;
    }
    setTexts(row, latinName, arabicName);
    return true;
}

bool ArabicNameListModel::edit(std::string_view latinName, std::string_view arabicName) {
    if (latinName.empty() || arabicName.empty()) return false;
    const std::size_t row = selection_ ? *selection_ : appendRow();
    setTexts(row, latinName, arabicName);
    return true;
}

bool ArabicNameListModel::remove() {
    if (!selection_) return false;
    const std::size_t row = *selection_;
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(row));
    if (rows_.empty())
        selection_.reset();
    else
        selection_ = std::min(row, rows_.size() - 1);
    return true;
}

ArabicNameList ArabicNameListModel::list() const {
    ArabicNameList out;
    out.reserve(rows_.size());
    for (const Row& r : rows_) out.push_back(ArabicNameEntry{r.latinName, r.arabicName}.stored());
    return out;
}

}  // namespace kavro
