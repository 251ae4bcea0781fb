#pragma once

#include <stdexcept>
#include <string>

namespace joyvane {

// An element of a card document holds text that is not the number or colour
// its reader expects. The message names the element, so the person who sees
// it can find the fault in the file.
class ConversionError : public std::runtime_error {
public:
    ConversionError(std::string elementPath, const std::string& problem)
        : std::runtime_error("The element " + elementPath + " " + problem + "."),
          m_elementPath(std::move(elementPath)), m_problem(problem) {}

    // The element as "Movie/Obj[2]/ObjType/ObjText/FontSize".
    const std::string& ElementPath() const { return m_elementPath; }
    // What is wrong, as "holds "abc", which is not a whole number".
    const std::string& Problem() const { return m_problem; }

private:
    std::string m_elementPath;
    std::string m_problem;
};

} // namespace joyvane
