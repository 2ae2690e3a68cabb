#pragma once

#include <cstddef>
#include <vector>

namespace kavro {

// 0, 1, ... size - 1.
inline std::vector<std::size_t> identityOrder(std::size_t size) {
    std::vector<std::size_t> order(size);
    for (std::size_t i = 0; i < size; ++i) order[i] = i;
    return order;
}

// The order that puts a list reordered by `order` (a permutation) back as it was.
inline std::vector<std::size_t> inverseOrder(const std::vector<std::size_t>& order) {
    std::vector<std::size_t> inverse(order.size());
    for (std::size_t i = 0; i < order.size(); ++i) inverse[order[i]] = i;
    return inverse;
}

}  // namespace kavro
