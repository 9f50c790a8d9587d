#include "data/ParameterArray.h"

#include <algorithm>

CParameterArray::CParameterArray(const CParameterArray& other) {
    elements_.reserve(other.elements_.size());
    for (const auto& element : other.elements_)
        elements_.push_back(element->Clone());
}

CParameterArray& CParameterArray::operator=(const CParameterArray& other) {
    if (this == &other)
        return *this;
    // Clone first, so that a failing clone leaves this array as it was.
    std::vector<std::unique_ptr<CParameter>> copies;
    copies.reserve(other.elements_.size());
    for (const auto& element : other.elements_)
        copies.push_back(element->Clone());
    elements_.swap(copies);
    return *this;
}

void CParameterArray::Resize(std::size_t n) {
    if (elements_.size() >= n) {
        elements_.resize(n);
        return;
    }
    elements_.reserve(n);
    while (elements_.size() < n) {
        std::unique_ptr<CParameter> element = CreateElement();
        element->Initialize();
        elements_.push_back(std::move(element));
    }
}

CParameter* CParameterArray::At(std::size_t index) {
    return index < elements_.size() ? elements_[index].get() : nullptr;
}

const CParameter* CParameterArray::At(std::size_t index) const {
    return index < elements_.size() ? elements_[index].get() : nullptr;
}

void CParameterArray::Append(std::unique_ptr<CParameter> element) {
    if (element)
        elements_.push_back(std::move(element));
}

void CParameterArray::Insert(std::size_t index, std::unique_ptr<CParameter> element) {
    if (!element)
        return;
    index = std::min(index, elements_.size());
    elements_.insert(elements_.begin() + static_cast<std::ptrdiff_t>(index), std::move(element));
}

void CParameterArray::Remove(std::size_t index, std::size_t count) {
    if (index >= elements_.size())
        return;
    count = std::min(count, elements_.size() - index);
    const auto first = elements_.begin() + static_cast<std::ptrdiff_t>(index);
    elements_.erase(first, first + static_cast<std::ptrdiff_t>(count));
}

std::unique_ptr<CParameter> CParameterArray::Take(std::size_t index) {
    if (index >= elements_.size())
        return nullptr;
    std::unique_ptr<CParameter> element = std::move(elements_[index]);
    elements_.erase(elements_.begin() + static_cast<std::ptrdiff_t>(index));
    return element;
}
