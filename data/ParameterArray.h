#pragma once
// Owning, ordered lists of parameter objects. A position in the list is the
// object's index, which views, transfers and files pass around. Arrays are
// never shared: copying one clones every element.
#include "data/Parameter.h"

#include <cstddef>
#include <memory>
#include <vector>

class CParameterArray {
public:
    CParameterArray() = default;
    CParameterArray(const CParameterArray& other);
    CParameterArray(CParameterArray&&) noexcept = default;
    CParameterArray& operator=(const CParameterArray& other);
    CParameterArray& operator=(CParameterArray&&) noexcept = default;
    virtual ~CParameterArray() = default;

    // A new element of the array's kind, not yet initialized.
    virtual std::unique_ptr<CParameter> CreateElement() const = 0;

    // Drops elements from position n on, or appends created and initialized
    // elements until the array holds n.
    void Resize(std::size_t n);
    void Clear() { elements_.clear(); }

    std::size_t Size() const { return elements_.size(); }
    bool Empty() const { return elements_.empty(); }
    // Index must lie within the array.
    CParameter& operator[](std::size_t index) { return *elements_[index]; }
    const CParameter& operator[](std::size_t index) const { return *elements_[index]; }
    // The element, or nullptr when the index lies outside the array.
    CParameter* At(std::size_t index);
    const CParameter* At(std::size_t index) const;

    // Null elements are not taken: an array never holds a missing element.
    void Append(std::unique_ptr<CParameter> element);
    // Inserts before position index (index == Size() appends).
    void Insert(std::size_t index, std::unique_ptr<CParameter> element);
    // Deletes count elements starting at position index (clipped to the array).
    void Remove(std::size_t index, std::size_t count = 1);
    // Removes the element at index from the array and hands it over.
    std::unique_ptr<CParameter> Take(std::size_t index);
    void Reserve(std::size_t n) { elements_.reserve(n); }
    // Exchanges the elements of two arrays of the same kind.
    void Swap(CParameterArray& other) noexcept { elements_.swap(other.elements_); }

private:
    std::vector<std::unique_ptr<CParameter>> elements_;
};

// The array whose new elements are default-constructed objects of kind T.
template <class T>
class CConcreteParameterArray : public CParameterArray {
public:
    std::unique_ptr<CParameter> CreateElement() const override { return std::make_unique<T>(); }
};
