// How long the collection window takes with large amounts: a word list of 100,000 lines
// opened in the word-list editor (read and sorted), and a collection of 10,000 records
// opened, sorted by a column and saved.
#include "collection/CollectionFile.h"
#include "collection/DatabaseForm.h"
#include "collection/DutchOrder.h"
#include "collection/EditData.h"
#include "collection/WordList.h"
#include "editor/AppState.h"
#include "editor/Main.h"
#include "editor/WindowTable.h"
#include "platform/Files.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <random>

namespace {

// Made-up Dutch words and names, accented letters among them, in random order.
QString randomWord(std::mt19937& rng) {
    static const char16_t* const parts[] = {u"ge",  u"zel",   u"post", u"ë",  u"é",   u"stem",
                                            u"ijs", u"Ĳ",     u"oor",  u"Œ",  u"van", u"Ber",
                                            u"ü",   u"kaart", u"1",    u"25", u"de",  u"Zee"};
    std::uniform_int_distribution<int> count(2, 5), part(0, std::size(parts) - 1);
    QString w;
    for (int n = count(rng); n > 0; --n)
        w += QString::fromUtf16(parts[part(rng)]);
    return w;
}

// A program folder with a 100,000-line word list and a 10,000-record collection.
struct Folder {
    QTemporaryDir dir;
    Folder() {
        QDir(dir.path()).mkpath("Data");
        QDir(dir.path()).mkpath("Verzameling");
        std::mt19937 rng(12);
        QStringList words;
        for (int i = 0; i < 100000; ++i)
            words << randomWord(rng);
        korv::writeLines(dir.path() + "/Data/Categorie.txt", words);
        std::vector<korv::CollectionRecord> records;
        for (int i = 0; i < 10000; ++i) {
            korv::CollectionRecord r;
            r[0] = QString::number(1850 + int(rng() % 200));
            for (int f = 1; f < korv::kRecordFields; ++f)
                r[f] = randomWord(rng);
            records.push_back(r);
        }
        korv::writeLines(dir.path() + "/Verzameling/Groot.col",
                         korv::collectionFileLines("Groot", records));
    }
    QString path() const { return dir.path(); }
};

Folder& folder() {
    static Folder f;
    return f;
}

struct Window {
    korv::AppState state;
    korv::WindowTable windows;
    std::unique_ptr<korv::Main> main;
    Window() {
        state.services.programFolder = folder().path();
        main = std::make_unique<korv::Main>(state, windows);
    }
};

// Reading the file and sorting its lines, without the window.
void BM_WordListReadAndSort(benchmark::State& st) {
    const QString path = korv::wordListPath(folder().path(), "Categorie.txt");
    for (auto _ : st) {
        QStringList sorted = korv::dutchSorted(korv::readWordList(path));
        benchmark::DoNotOptimize(sorted.size());
    }
}
BENCHMARK(BM_WordListReadAndSort)->Unit(benchmark::kMillisecond);

// The editor choosing the list: read, sorted and shown.
void BM_WordListOpenInEditor(benchmark::State& st) {
    Window w;
    korv::EditData editor(*w.main, nullptr);
    for (auto _ : st) {
        editor.Combo1_Change();
        benchmark::DoNotOptimize(editor.List1);
    }
}
BENCHMARK(BM_WordListOpenInEditor)->Unit(benchmark::kMillisecond);

// Opening the collection, sorting it on "Onderwerp" and saving it.
void BM_CollectionOpenSortSave(benchmark::State& st) {
    Window w;
    QString naam = "Groot";
    korv::DatabaseForm form(*w.main, naam);
    for (auto _ : st) {
        form.LoadVerzameling(naam);
        form.ListView1_ColumnClick(4);
        if (!form.SaveVerzameling(naam)) st.SkipWithError("save failed");
    }
}
BENCHMARK(BM_CollectionOpenSortSave)->Unit(benchmark::kMillisecond);

} // namespace
