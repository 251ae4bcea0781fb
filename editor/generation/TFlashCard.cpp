#include "editor/generation/TFlashCard.h"

#include "editor/generation/GenerationHost.h"

#include "editor/document/CardDocument.h"

namespace joyvane {

TFlashCard::TFlashCard(CardDocument& document, std::unique_ptr<WriterPool> pool,
                       RandomSource& random, GenerationHost& host)
    : m_document(document), m_pool(std::move(pool)), m_context{document, *m_pool, random, host},
      m_textCompiler(m_context), m_picCompiler(m_context), m_soundCompiler(m_context) {}

void TFlashCard::Select(int index, std::string kindWord) {
    m_selectedIndex = index;
    m_selectedKind = std::move(kindWord);
}

// Each kind word is compared exactly: objects of other kinds stay in the card
// uncompiled. Compiling changes no object of the card, so the objects are
// found in one pass; looking each up by its index would take time growing
// with the square of their number, and a card file may hold millions.
void TFlashCard::ProcessSwf() {
    m_context.host.Trace("FlashCard.ProcessSwf");
    TFlashTextF text(m_context);
    TFlashPicF picture(m_context);
    TFlashSoundF sound(m_context);
    for (TXMLObj object : m_document.Movie().Obj().Items()) {
        const std::string kind = object.ObjTypeName();
        if (kind == text.KindWord())
            text.CompileObject(object);
        else if (kind == picture.KindWord())
            picture.CompileObject(object);
        else if (kind == sound.KindWord())
            sound.CompileObject(object);
    }
}

// Every generation starts from an empty movie, so frames left by one that
// was aborted half-way never reach the next.
void TFlashCard::MakeSwf(const std::filesystem::path& movieFile) {
    m_pool->NewMovie();
    SetUpStage();
    ProcessSwf();
    const std::filesystem::path target =
        movieFile.empty() ? m_document.WorkingMoviePath() : movieFile;
    m_pool->WriteMovie(target);
    m_context.host.MovieWritten(target);
}

// The background tag goes into frame 0, which every movie therefore has.
void TFlashCard::SetUpStage() {
    IXMLMovie& movie = m_document.Movie();
    // Read in file order, so that a card with several faults is told of the first.
    const double widthTwips = movie.Width() * 20.0;
    const double heightTwips = movie.Height() * 20.0;
    m_pool->SetSize(widthTwips, heightTwips);
    m_pool->SetFrameRate(movie.Rate());
    m_pool->GotoFrame(0);
    const std::int32_t colour = movie.BgColorValue();
    m_pool->SetFrameBkColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

} // namespace joyvane
