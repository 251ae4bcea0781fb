#include "editor/document/UniqueName.h"

#include <algorithm>
#include <unordered_map>

namespace joyvane {

std::string MakeUniqueName(IXMLObjList& objects, ObjectKind kind) {
    const std::string word(KindWord(kind));
    // A walk stops at the first object bearing the candidate, so all it needs
    // of each name is how many objects of the kind precede its first bearer
    // (that one included). Collecting this once keeps every walk O(1).
    std::unordered_map<std::string, int> kindCountAtFirstBearer;
    int kindCount = 0;
    for (TXMLObj object : objects.Items()) {
        if (object.ObjTypeName() == word)
            ++kindCount;
        kindCountAtFirstBearer.try_emplace(object.ObjName(), kindCount);
    }
    for (int number = 1;;) {
        std::string candidate = word + "_" + std::to_string(number);
        const auto bearer = kindCountAtFirstBearer.find(candidate);
        if (bearer == kindCountAtFirstBearer.end())
            return candidate;
        number = std::max(bearer->second + 1, number + 1);
    }
}

} // namespace joyvane
