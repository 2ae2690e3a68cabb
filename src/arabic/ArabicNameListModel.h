#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "arabic/ArabicNameList.h"
#include "messages/MessageSink.h"

namespace kavro {

// The rows of the name-list dialog and what its Add, Edit and Del buttons do to them, without
// any widget: the dialog shows rows() and selection() and scrolls the selected row into view
// after each button. Row numbers are those shown in the first column; they are given when the
// list is opened and when a row is added, and are not renumbered by Del.
class ArabicNameListModel {
public:
    struct Row {
        int number;  // shown as "%04d"
        std::string latinName;
        std::string arabicName;
    };

    explicit ArabicNameListModel(MessageSink& messages) : messages_(messages) {}

    // Opening the dialog: one row per entry, numbered from 1, nothing selected.
    void reset(const ArabicNameList& list);

    const std::vector<Row>& rows() const { return rows_; }
    static std::string numberText(int number);

    std::optional<std::size_t> selection() const { return selection_; }
    // A row outside the list selects nothing.
    void select(std::optional<std::size_t> row);

    // A double-click on `row`: the texts the two edit fields take, cut to their limits.
    ArabicNameEntry editTexts(std::size_t row) const;

    // Add: with both fields filled, appends a row, or, when a row already has this Latin name
    // (ASCII letters compared without case), selects it and asks whether to change it.
    // True when a row was added or changed.
    bool add(std::string_view latinName, std::string_view arabicName);
    // Edit: with both fields filled, changes the selected row (or appends one when none is
    // selected). No duplicate question.
    bool edit(std::string_view latinName, std::string_view arabicName);
    // Del: removes the selected row and selects the row now in its place (or the last one).
    // Nothing happens without a selection.
    bool remove();

    // OK: the entries of the rows in display order.
    ArabicNameList list() const;

private:
    std::size_t appendRow();
    void setTexts(std::size_t row, std::string_view latinName, std::string_view arabicName);

    MessageSink& messages_;
    std::vector<Row> rows_;
    std::optional<std::size_t> selection_;
};

}  // namespace kavro
