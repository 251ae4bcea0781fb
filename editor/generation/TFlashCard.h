#pragma once

#include "editor/generation/CompileContext.h"
#include "editor/generation/TFlashPicF.h"
#include "editor/generation/TFlashSoundF.h"
#include "editor/generation/TFlashTextF.h"
#include "editor/generation/WriterPool.h"

#include <filesystem>
#include <memory>
#include <string>

namespace joyvane {

class CardDocument;

// The generation driver of one open card: it owns the writer pool, compiles
// the whole card into a movie on every call of MakeSwf, and keeps one
// compiler of each kind for the property panes.
class TFlashCard {
public:
    TFlashCard(CardDocument& document, std::unique_ptr<WriterPool> pool, RandomSource& random,
               GenerationHost& host);

    // Compiles every card object in document order into the movie.
    void ProcessSwf();
    // Builds the whole movie from an empty one and writes it to `movieFile`,
    // or to the working movie when it is empty. Errors of the document, of
    // texts and of writing throw; the next call starts afresh all the same.
    void MakeSwf(const std::filesystem::path& movieFile = {});

    TFlashTextF& TextCompiler() { return m_textCompiler; }
    TFlashPicF& PicCompiler() { return m_picCompiler; }
    TFlashSoundF& SoundCompiler() { return m_soundCompiler; }

    // The object chosen in the object list, and its kind word.
    void Select(int index, std::string kindWord);
    int SelectedIndex() const { return m_selectedIndex; }
    const std::string& SelectedKind() const { return m_selectedKind; }

private:
    void SetUpStage();

    CardDocument& m_document;
    std::unique_ptr<WriterPool> m_pool;
    CompileContext m_context;
    TFlashTextF m_textCompiler;
    TFlashPicF m_picCompiler;
    TFlashSoundF m_soundCompiler;
    int m_selectedIndex = -1;
    std::string m_selectedKind;
};

} // namespace joyvane
