#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace kavro {

// A new order for a list of `size` elements: the old positions of the elements, in their new
// order. Elements that are not listed leave the list (that is how a view deletes through its
// items). Valid when every position is below `size` and none is repeated.
inline bool isListOrder(const std::vector<std::size_t>& order, std::size_t size) {
    std::vector<bool> seen(size, false);
    for (std::size_t old : order) {
        if (old >= size || seen[old]) return false;
        seen[old] = true;
    }
    return true;
}

// Rebuilds `list` in `order` (which must be valid).
template <typename T>
void applyListOrder(std::vector<T>& list, const std::vector<std::size_t>& order) {
    std::vector<T> rebuilt;
    rebuilt.reserve(order.size());
    for (std::size_t old : order) rebuilt.push_back(std::move(list[old]));
    list = std::move(rebuilt);
}

// The order after dropping the element at `dragged` onto the one at `target`, both among the
// same `size` siblings: it goes right before the target when the target stood before it, and
// right after it otherwise, so it always ends at the target's position. An invalid or empty
// drag (out of range, onto itself) gives the unchanged order.
inline std::vector<std::size_t> dropOrder(std::size_t size, std::size_t dragged,
                                          std::size_t target) {
    std::vector<std::size_t> order;
    order.reserve(size);
    for (std::size_t i = 0; i < size; ++i) order.push_back(i);
    if (dragged >= size || target >= size || dragged == target) return order;
    order.erase(order.begin() + static_cast<std::ptrdiff_t>(dragged));
    order.insert(order.begin() + static_cast<std::ptrdiff_t>(target), dragged);
    return order;
}

}  // namespace kavro
