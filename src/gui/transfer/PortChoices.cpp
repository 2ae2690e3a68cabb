#include "gui/transfer/PortChoices.h"

namespace kavro::gui {

PortChoices portChoices(const std::vector<SerialPortEntry>& present) {
    PortChoices choices;
    for (int n = 1; n <= 4; ++n) {
        PortChoice choice;
        choice.name = choice.label = "COM" + std::to_string(n);
        choices.items.push_back(choice);
    }
    for (const SerialPortEntry& port : present) {
        PortChoice* same = nullptr;
        for (PortChoice& item : choices.items)
            if (item.name == port.name) same = &item;
        if (same) {
            // One of COM1..COM4: it keeps its plain name and learns that it exists.
            same->present = true;
            same->description = port.description;
            continue;
        }
        PortChoice choice;
        choice.name = port.name;
        choice.label =
            port.description.empty() ? port.name : port.name + "  (" + port.description + ")";
        choice.description = port.description;
        choice.present = true;
        choices.items.push_back(std::move(choice));
    }
    if (!choices.items.front().present) {
        for (std::size_t i = 1; i < choices.items.size(); ++i)
            if (choices.items[i].present) {
                choices.preselected = static_cast<int>(i);
                break;
            }
    }
    return choices;
}

}  // namespace kavro::gui
