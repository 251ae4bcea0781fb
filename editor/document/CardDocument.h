#pragma once

#include "editor/document/CardTree.h"
#include "editor/document/ObjectKind.h"
#include "editor/document/TXMLMovie.h"
#include "editor/document/TempFolder.h"

#include <filesystem>
#include <functional>

namespace joyvane {

// The open card: its tree, the working copy on disk the tree is bound to, and
// the base path it is saved under (the saved document's full path without
// its extension; the document folder holds the media files).
//
// The working files live in the working folder: "Untitled.jvd", the working
// copy, and "Untitled.swf", the working movie. While the card has never been
// saved its base path is "Untitled" in that folder, which is then also its
// document folder.
//
// Every operation that fails throws (std::runtime_error with a message for
// the user) and leaves the saved card and the open card as they were.
class CardDocument {
public:
    // Writes the movie of the card to the file it is given; throws on failure.
    using MovieWriter = std::function<void(const std::filesystem::path& movieFile)>;

    explicit CardDocument(std::filesystem::path workingFolder = TempFolder());

    // Opens a template as a new, untitled card, with copies of the media
    // files that lie beside the template.
    void NewFromTemplate(const std::filesystem::path& templateFile);
    // Opens a saved card; it is saved back where it came from.
    void Open(const std::filesystem::path& cardFile);

    // Writes the tree to the working copy.
    void WriteBack();
    // Writes back, then saves the card and its movie under the base path.
    // Throws std::logic_error for an untitled card, which needs SaveAs.
    void Save(const MovieWriter& writeMovie);
    // Saves under `cardFile` (its extension is replaced by ".jvd"), first
    // carrying the media files of the pictures and sounds over from the
    // current document folder. The base path changes only when all succeeded.
    void SaveAs(const std::filesystem::path& cardFile, const MovieWriter& writeMovie);

    // Appends a new object with a unique name and the defaults of its kind;
    // the working copy is not written.
    TXMLObj CreateObject(ObjectKind kind, std::int32_t insertionFrame);
    // Removes the object and writes back. Its media file stays on disk, since
    // the saved card may still need it.
    void DeleteObject(int index);
    // Renames the object and writes back. A picture or sound keeps its media:
    // the file is copied to the new name (unless a file of that name exists),
    // and the old one stays for the saved card.
    void RenameObject(int index, std::string_view newName);

    IXMLMovie& Movie() { return m_movie; }

    bool IsUntitled() const { return m_basePath == UntitledPath(); }
    const std::filesystem::path& BasePath() const { return m_basePath; }
    std::filesystem::path DocumentFolder() const { return m_basePath.parent_path(); }
    std::filesystem::path UntitledPath() const { return m_workingFolder / "Untitled"; }
    std::filesystem::path WorkingCopyPath() const { return m_workingFolder / "Untitled.jvd"; }
    std::filesystem::path WorkingMoviePath() const { return m_workingFolder / "Untitled.swf"; }

private:
    void Load(const std::filesystem::path& sourceFile, const std::filesystem::path& basePath);
    void SaveUnder(const std::filesystem::path& basePath, const MovieWriter& writeMovie);
    // Copies the media files of the pictures and sounds between folders.
    void CarryMediaFiles(const std::filesystem::path& fromFolder, const std::filesystem::path& toFolder);
    void CopyMediaToNewName(TXMLObj object, const std::string& oldName);

    std::filesystem::path m_workingFolder;
    std::filesystem::path m_basePath;
    CardTree m_tree;
    TXMLMovie m_movie;
};

} // namespace joyvane
