#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>

#include "FuzzTarget.h"
#include "app/NerithObject.h"
#include "app/SelectionFile.h"
#include "model/ValveObject.h"

namespace veritom::fuzz {
namespace {

namespace fs = std::filesystem;

const fs::path kCorpus = VERITOM_FUZZ_CORPUS_DIR;

std::vector<std::uint8_t> ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<fs::path> CorpusFiles(const std::string& target) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(kCorpus / target)) {
        if (entry.is_regular_file()) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

class CorpusReplay : public testing::TestWithParam<Target> {};

}  // namespace

// Test names and messages show a target by its name.
void PrintTo(const Target& target, std::ostream* out) {
    *out << target.name;
}

namespace {

// Every input the fuzzers were seeded with or once failed on goes through the same entry
// point again, without the fuzzing engine.
TEST_P(CorpusReplay, EveryInputKeepsItsProperties) {
    const Target& target = GetParam();
    const std::vector<fs::path> files = CorpusFiles(target.name);
    ASSERT_FALSE(files.empty()) << "no corpus for " << target.name;
    for (const fs::path& file : files) {
        const std::vector<std::uint8_t> bytes = ReadAll(file);
        try {
            target.run(bytes);
        } catch (const CPropertyBroken& broken) {
            ADD_FAILURE() << file.filename() << ": " << broken.what();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, CorpusReplay,
                         testing::ValuesIn(Targets().begin(), Targets().end()),
                         [](const testing::TestParamInfo<Target>& info) {
                             return info.param.name;
                         });

// Selections saved by earlier builds keep opening: the seed files were written by the
// program's own saving code.
TEST(CorpusReplay, SavedSelectionsOpen) {
    int saved = 0;
    for (const fs::path& file : CorpusFiles("selection_file")) {
        if (file.filename().string().rfind("saved-", 0) != 0) {
            continue;
        }
        ++saved;
        CSelectionFileHeader header;
        CSelectionFileFields fields;
        CProd_ValveObject workflow(CNerithObject::kButtonCount);
        EXPECT_EQ(LoadSelectionFile(ReadAll(file), header, fields, workflow),
                  SelectionFileStatus::Ok)
            << file.filename();
    }
    EXPECT_GE(saved, 3);
}

}  // namespace
}  // namespace veritom::fuzz
