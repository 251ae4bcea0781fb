#pragma once

#include "editor/document/IXMLObjList.h"
#include "editor/document/ObjectKind.h"

#include <string>

namespace joyvane {

// The name for a new object of `kind`: the kind word, "_" and a number, such
// that no object of the card bears it. With texts named Text_1 and Text_2 the
// next text is Text_3; with only Text_2 it is Text_1.
//
// The number is found by walking the objects in document order while
// counting those of the kind; when an object bears the candidate name the next
// candidate is numbered one past that count, but always past the previous
// candidate, so a name like "Text_1" on a picture cannot stall the walk.
std::string MakeUniqueName(IXMLObjList& objects, ObjectKind kind);

} // namespace joyvane
