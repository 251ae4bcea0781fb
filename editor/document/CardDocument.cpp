#include "editor/document/CardDocument.h"

#include "editor/document/AtomicFile.h"
#include "editor/document/FileReplacement.h"
#include "editor/document/MediaFilePath.h"
#include "editor/document/NewObject.h"
#include "editor/document/UniqueName.h"

#include <stdexcept>

namespace joyvane {

namespace {

std::filesystem::path WithExtension(std::filesystem::path basePath, const char* extension) {
    basePath += extension;
    return basePath;
}

std::filesystem::path BasePathOf(const std::filesystem::path& cardFile) {
    return std::filesystem::absolute(cardFile).lexically_normal().replace_extension();
}

bool IsSameFolder(const std::filesystem::path& first, const std::filesystem::path& second) {
    std::error_code error;
    return std::filesystem::equivalent(first, second, error);
}

// Media files exist only once the user chose a picture or sound, so a missing
// one is no error.
void CopyMediaFileIfPresent(const std::filesystem::path& source,
                            const std::filesystem::path& target) {
    std::error_code error;
    if (std::filesystem::is_regular_file(source, error))
        CopyFileAtomically(source, target);
}

} // namespace

CardDocument::CardDocument(std::filesystem::path workingFolder)
    : m_workingFolder(std::filesystem::absolute(workingFolder).lexically_normal()),
      m_basePath(UntitledPath()), m_movie(m_tree.Movie()) {
}

// A template's pictures and sounds lie beside it; the new card, which keeps
// its media in the working folder until it is saved, gets copies of them.
void CardDocument::NewFromTemplate(const std::filesystem::path& templateFile) {
    Load(templateFile, UntitledPath());
    CarryMediaFiles(std::filesystem::absolute(templateFile).parent_path(), m_workingFolder);
}

void CardDocument::Open(const std::filesystem::path& cardFile) {
    Load(cardFile, BasePathOf(cardFile));
}

// A source that cannot be read leaves the open card alone; loading whatever
// working copy an earlier card left behind would pass off another card as
// this one.
void CardDocument::Load(const std::filesystem::path& sourceFile,
                        const std::filesystem::path& basePath) {
    CardTree tree = CardTree::Load(sourceFile);
    WriteFileAtomically(WorkingCopyPath(), tree.Serialize(), Durability::Unflushed);
    m_tree = std::move(tree);
    m_movie = TXMLMovie(m_tree.Movie());
    m_basePath = basePath;
}

void CardDocument::WriteBack() {
    WriteFileAtomically(WorkingCopyPath(), m_tree.Serialize(), Durability::Unflushed);
}

void CardDocument::Save(const MovieWriter& writeMovie) {
    if (IsUntitled())
        throw std::logic_error("The card has no file name yet; save it under a new name.");
    SaveUnder(m_basePath, writeMovie);
}

void CardDocument::SaveAs(const std::filesystem::path& cardFile, const MovieWriter& writeMovie) {
    const std::filesystem::path basePath = BasePathOf(cardFile);
    CarryMediaFiles(DocumentFolder(), basePath.parent_path());
    SaveUnder(basePath, writeMovie);
    m_basePath = basePath;
}

// The saved document is written from the tree itself, not copied from the
// working copy: another editor may have written that file meanwhile. Both
// files are ready before either replaces its old version, so a movie that
// cannot be made leaves the saved card as it was. The movie, which can always
// be made again, takes its place first: should the document's rename then
// fail, the saved card is still the old one whole.
void CardDocument::SaveUnder(const std::filesystem::path& basePath, const MovieWriter& writeMovie) {
    const std::string bytes = m_tree.Serialize();
    WriteFileAtomically(WorkingCopyPath(), bytes, Durability::Unflushed);
    FileReplacement document(WithExtension(basePath, ".jvd"),
                             [&](const std::filesystem::path& file) { WriteNewFile(file, bytes); });
    FileReplacement movie(WithExtension(basePath, ".swf"), writeMovie);
    movie.Commit();
    document.Commit();
}

void CardDocument::CarryMediaFiles(const std::filesystem::path& fromFolder,
                                   const std::filesystem::path& toFolder) {
    if (IsSameFolder(fromFolder, toFolder))
        return;
    for (TXMLObj object : m_movie.Obj().Items()) {
        const auto kind = KindOfWord(object.ObjTypeName());
        if (!kind || *kind == ObjectKind::Text)
            continue;
        const std::string name = object.ObjName();
        CopyMediaFileIfPresent(MediaFilePath(fromFolder, name, MediaExtension(*kind)),
                               MediaFilePath(toFolder, name, MediaExtension(*kind)));
    }
}

TXMLObj CardDocument::CreateObject(ObjectKind kind, std::int32_t insertionFrame) {
    return AppendNewObject(m_movie.Obj(), kind, MakeUniqueName(m_movie.Obj(), kind),
                           insertionFrame);
}

void CardDocument::DeleteObject(int index) {
    m_movie.Obj().Delete(index);
    WriteBack();
}

void CardDocument::RenameObject(int index, std::string_view newName) {
    TXMLObj object = m_movie.Obj().Item(index);
    const std::string oldName = object.ObjName();
    object.SetObjName(newName);
    try {
        CopyMediaToNewName(object, oldName);
    } catch (...) {
        object.SetObjName(oldName);
        throw;
    }
    WriteBack();
}

// A file already under the new name may be another object's media, so it is
// not replaced.
void CardDocument::CopyMediaToNewName(TXMLObj object, const std::string& oldName) {
    const auto kind = KindOfWord(object.ObjTypeName());
    if (!kind || *kind == ObjectKind::Text)
        return;
    const std::filesystem::path oldFile =
        MediaFilePath(DocumentFolder(), oldName, MediaExtension(*kind));
    const std::filesystem::path newFile =
        MediaFilePath(DocumentFolder(), object.ObjName(), MediaExtension(*kind));
    std::error_code error;
    if (oldFile != newFile && !std::filesystem::exists(newFile, error))
        CopyMediaFileIfPresent(oldFile, newFile);
}

} // namespace joyvane
