#pragma once

#include "editor/generation/CompileContext.h"

#include "editor/document/ObjectKind.h"
#include "editor/document/TXMLObj.h"

#include <cstdint>
#include <string>

namespace joyvane {

// Base of the object compilers: one kind of card object, loaded from the
// document and emitted into the movie through the writer pool.
class TFlashObj {
public:
    TFlashObj(CompileContext context, ObjectKind kind);
    virtual ~TFlashObj() = default;
    TFlashObj(const TFlashObj&) = delete;
    TFlashObj& operator=(const TFlashObj&) = delete;

    // Appends a new object of this kind with a unique name and the defaults
    // of its kind, and hands it to the object list.
    virtual void Insert(std::int32_t insertionFrame);
    // Loads the object at `index` (document order) and emits it.
    virtual void Compile(int index) { CompileObject(DocumentObject(index)); }
    // The same for an object already found in the document.
    virtual void CompileObject(TXMLObj object) = 0;

    const std::string& KindWord() const { return m_kindWord; }
    const std::string& ObjName() const { return m_objName; }
    std::int32_t Layer() const { return m_layer; }
    std::int32_t StartTime() const { return m_startTime; }
    std::int32_t EndTime() const { return m_endTime; }
    std::int32_t PositionX() const { return m_positionX; }
    std::int32_t PositionY() const { return m_positionY; }
    const std::string& EffectName() const { return m_effectName; }

protected:
    TXMLObj DocumentObject(int index);
    // The object's media file, named after it in the document folder.
    std::string MediaFile() const;

    CompileContext m_context;
    ObjectKind m_kind;
    std::string m_kindWord;
    std::string m_objName;
    std::int32_t m_layer = 0;
    std::int32_t m_startTime = 0;
    std::int32_t m_endTime = 0;
    std::int32_t m_positionX = 0;
    std::int32_t m_positionY = 0;
    std::string m_effectName;
};

} // namespace joyvane
