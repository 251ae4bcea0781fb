#pragma once

#include "editor/document/IXMLObjList.h"

namespace joyvane {

class TXMLObjList final : public IXMLObjList {
public:
    // `movie` is the root element whose `Obj` children form the collection.
    explicit TXMLObjList(pugi::xml_node movie) : m_movie(movie) {}

    int Count() override;
    TXMLObj Item(int index) override;
    std::vector<TXMLObj> Items() override;
    TXMLObj Add() override;
    TXMLObj Insert(int index) override;
    void Delete(int index) override;

private:
    pugi::xml_node m_movie;
};

} // namespace joyvane
