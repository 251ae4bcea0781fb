#include "editor/document/TXMLObjList.h"

#include <stdexcept>
#include <string>

namespace joyvane {

namespace {

constexpr const char* objectElement = "Obj";

} // namespace

int TXMLObjList::Count() {
    int count = 0;
    for (pugi::xml_node object = m_movie.child(objectElement); object;
         object = object.next_sibling(objectElement))
        ++count;
    return count;
}

TXMLObj TXMLObjList::Item(int index) {
    pugi::xml_node object = m_movie.child(objectElement);
    for (int position = 0; object && position < index; ++position)
        object = object.next_sibling(objectElement);
    if (index < 0 || !object)
        throw std::out_of_range("The card has no object number " + std::to_string(index) + ".");
    return TXMLObj(object);
}

std::vector<TXMLObj> TXMLObjList::Items() {
    std::vector<TXMLObj> objects;
    for (pugi::xml_node object = m_movie.child(objectElement); object;
         object = object.next_sibling(objectElement))
        objects.emplace_back(object);
    return objects;
}

TXMLObj TXMLObjList::Add() {
    return TXMLObj(m_movie.append_child(objectElement));
}

TXMLObj TXMLObjList::Insert(int index) {
    if (index == Count())
        return Add();
    return TXMLObj(m_movie.insert_child_before(objectElement, Item(index).Node()));
}

void TXMLObjList::Delete(int index) {
    m_movie.remove_child(Item(index).Node());
}

} // namespace joyvane
