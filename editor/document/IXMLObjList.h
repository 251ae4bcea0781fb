#pragma once

#include "editor/document/TXMLObj.h"

#include <vector>

namespace joyvane {

// The card objects, the `Obj` children of the root in document order, which
// is the order of generation. Indices are 0-based; an index outside the
// collection throws std::out_of_range.
class IXMLObjList {
public:
    virtual ~IXMLObjList() = default;

    virtual int Count() = 0;
    virtual TXMLObj Item(int index) = 0;
    // Every object in document order, found in one pass (Item walks from the
    // start each time).
    virtual std::vector<TXMLObj> Items() = 0;
    // Appends a new empty object at the end.
    virtual TXMLObj Add() = 0;
    // A new empty object that takes position `index` (Count() appends).
    virtual TXMLObj Insert(int index) = 0;
    virtual void Delete(int index) = 0;
};

} // namespace joyvane
