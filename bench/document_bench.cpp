// Opening and saving a card of 50 objects: what the user waits for at every
// open and save, and what a structural edit in the object list pays for the
// write back.
#include "editor/document/CardDocument.h"

#include <benchmark/benchmark.h>

#include <fstream>

#include <stdlib.h>

namespace {

namespace fs = std::filesystem;
using joyvane::CardDocument;
using joyvane::ObjectKind;

const char* const stage = R"(<?xml version="1.0" encoding="UTF-8"?>
<Movie><BgColor>16777215</BgColor><BgPic/><Width>390</Width><Height>320</Height><Rate>15</Rate>
<TotalFrames>1</TotalFrames><Times>0</Times><FileSize>0</FileSize><MovieName/><Author/>
<Loop>True</Loop></Movie>
)";

void WriteFile(const fs::path& file, std::string_view bytes) {
    std::ofstream(file, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

void WriteMovie(const fs::path& file) {
    WriteFile(file, std::string(20000, 'M'));
}

// A folder with a saved card of 20 texts, 20 pictures and 10 sounds.
class FiftyObjectCard {
public:
    FiftyObjectCard() {
        std::string pattern = (fs::temp_directory_path() / "joyvane-bench-XXXXXX").string();
        m_folder = ::mkdtemp(pattern.data());
        fs::create_directories(m_folder / "temp");
        WriteFile(m_folder / "blank.jvd", stage);
        CardDocument document(m_folder / "temp");
        document.NewFromTemplate(m_folder / "blank.jvd");
        for (int index = 0; index < 50; ++index) {
            const ObjectKind kind = index < 20   ? ObjectKind::Text
                                    : index < 40 ? ObjectKind::Pic
                                                 : ObjectKind::Sound;
            joyvane::TXMLObj object = document.CreateObject(kind, index);
            if (kind == ObjectKind::Text)
                object.ObjType().ObjText().SetContent("Happy birthday, dear friend, number " +
                                                      std::to_string(index));
            else
                WriteFile(m_folder / "temp" / (object.ObjName() + (index < 40 ? ".jpg" : ".wav")),
                          std::string(30000, 'D'));
        }
        document.SaveAs(CardFile(), WriteMovie);
    }
    ~FiftyObjectCard() { fs::remove_all(m_folder); }

    fs::path WorkingFolder() const { return m_folder / "temp"; }
    fs::path CardFile() const { return m_folder / "card.jvd"; }

private:
    fs::path m_folder;
};

void OpenAndSave(benchmark::State& state) {
    FiftyObjectCard card;
    CardDocument document(card.WorkingFolder());
    for (auto _ : state) {
        document.Open(card.CardFile());
        document.Save(WriteMovie);
    }
}
BENCHMARK(OpenAndSave)->Unit(benchmark::kMillisecond);

void Open(benchmark::State& state) {
    FiftyObjectCard card;
    CardDocument document(card.WorkingFolder());
    for (auto _ : state)
        document.Open(card.CardFile());
}
BENCHMARK(Open)->Unit(benchmark::kMillisecond);

void WriteBack(benchmark::State& state) {
    FiftyObjectCard card;
    CardDocument document(card.WorkingFolder());
    document.Open(card.CardFile());
    for (auto _ : state)
        document.WriteBack();
}
BENCHMARK(WriteBack)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
