#include "editor/generation/TFlashObj.h"

#include "editor/generation/GenerationHost.h"

#include "editor/document/CardDocument.h"
#include "editor/document/MediaFilePath.h"
#include "editor/document/NewObject.h"
#include "editor/document/UniqueName.h"

namespace joyvane {

TFlashObj::TFlashObj(CompileContext context, ObjectKind kind)
    : m_context(context), m_kind(kind), m_kindWord(joyvane::KindWord(kind)) {}

void TFlashObj::Insert(std::int32_t insertionFrame) {
    IXMLObjList& objects = m_context.document.Movie().Obj();
    m_objName = MakeUniqueName(objects, m_kind);
    AppendNewObject(objects, m_kind, m_objName, insertionFrame);
    m_context.host.ObjectInserted(objects.Count() - 1);
}

TXMLObj TFlashObj::DocumentObject(int index) {
    return m_context.document.Movie().Obj().Item(index);
}

std::string TFlashObj::MediaFile() const {
    return MediaFilePath(m_context.document.DocumentFolder(), m_objName, MediaExtension(m_kind))
        .string();
}

} // namespace joyvane
