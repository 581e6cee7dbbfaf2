// Writes the seed corpus of the fuzz targets with the program's own code: selection files
// and record streams as the program saves them, archive streams, texts, bitmaps and formats.
// Usage: veritom_fuzz_seeds CORPUS_DIR (each target's seeds go into CORPUS_DIR/<target>).
#include <filesystem>
#include <fstream>
#include <iostream>

#include "FuzzTarget.h"
#include "app/NerithObject.h"
#include "app/SelectionFile.h"
#include "base/Archive.h"
#include "model/ValveObject.h"

namespace veritom::fuzz {
namespace {

namespace fs = std::filesystem;
using ByteVector = std::vector<std::uint8_t>;

fs::path g_root;

void Write(const std::string& target, const std::string& name, const ByteVector& bytes) {
    fs::create_directories(g_root / target);
    std::ofstream(g_root / target / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

ByteVector Bytes(std::string_view text) {
    return ByteVector(text.begin(), text.end());
}

// --- selection files and records -------------------------------------------------------

const CValveTypeAnswers kAnswers = {{"2-Way Normally Closed", "2NC", "", 0},
                                    {"Angle Pattern", "ANG", "picANG", 0},
                                    {"Stainless Stem", "SS", "", 2}};

CSelectionFileHeader Header(const std::string& code, const std::string& name, int id) {
    CSelectionFileHeader header;
    header.languageCode = code;
    header.languageName = name;
    header.applicationName = "Morvane Valve";
    header.languageStringId = id;
    return header;
}

void FillValveType(CProd_ValveData& r) {
    r.m_FunctionTypeVAL = kAnswers.functionType.text;
    r.m_FuncLink = kAnswers.functionType.link;
    r.m_FlowPatternVAL = kAnswers.flowPattern.text;
    r.m_FlowPatLink = kAnswers.flowPattern.link;
    r.m_FlowPatPic = kAnswers.flowPattern.third;
    r.m_FlowPatOptionVAL = kAnswers.option.text;
    r.m_FlowPatOptLink = kAnswers.option.link;
    r.m_FlowPatOptSelected = kAnswers.option.number;
}

void FillApplication(CProd_ValveData& r, bool german) {
    r.m_AppCategoryLink = std::string("GenPurp");
    r.m_AppTypeLink = std::string("AIR");
    r.m_ApplicationTypeVAL = std::string(german ? "Druckluft, ölfrei" : "Compressed air");
    r.m_SelMethodCode = 1;
    r.m_MethodLink = 1;
    r.m_App_PortSizeVAL = std::string("1/2\"");
    r.m_ConFluidLink = std::string("12NPT");
    r.m_FluidStateVAL = std::string("GAS");
    r.m_FluidVAL = std::string(german ? "Luft" : "Air");
    r.m_FluidLink = std::string("AIR");
    r.m_FluidSpecificGravity = 1.0;
    r.m_App_MOPDVAL.Set(250, "PSIG");
    r.m_App_MaxInPressureVAL.Set(17.5, "BAR");
    r.m_App_FluidTempVAL.Set(60, "DEG_C");
}

void FillSolenoid(CProd_ValveData& r, bool german) {
    r.m_OpEnvLink = std::string("ORD");
    r.m_Sol_OpEnvVAL = std::string(german ? "Normaler Bereich" : "Ordinary location");
    r.m_Sol_CurrentVAL = std::string("DC");
    r.m_VoltLink = std::string("24DC");
    r.m_Sol_VoltageVAL = std::string(german ? "24 V DC über alles €" : "24 V DC");
    r.m_SolConstLink = std::string("MOLD");
    r.m_Sol_ConstructionVAL = std::string(german ? "Vergossen" : "Molded");
    r.m_TermLink = std::string("DIN");
    r.m_Sol_TerminationVAL = std::string("DIN 43650");
    r.m_EncloseLink = std::string("NA");
}

void FillPartNumber(CProd_ValveData& r) {
    r.m_PNListState.fill(3);
    r.m_PNListState[20] = 1;
    r.m_PN_CompletePNVAL = std::string("MV8210G094-24DC");
    r.m_PN_PNDescriptionVAL = std::string("Valve Ω ≤ 300 °C — " + std::string(300, 'x'));
    r.m_PN_FlowFactorVAL = 4.2f;
    r.m_PN_FlowFactorUnitVAL = std::string("Cv");
    r.m_PN_MOPDNum = 250.0f;
    r.m_PN_MOPDText = std::string("250 psi");
    r.m_CalcFlowFactorVAL.Set(3.6, "KV");
    for (int i = 0; i < CProd_ValveData::kFilterCount; ++i) {
        r.m_PNFilterLinks[i] = std::string("L").append(std::to_string(i));
        r.m_PNFilterTexts[i] = i % 2 ? "ALL" : std::string("Filter ").append(std::to_string(i));
    }
    r.m_PNSpare = 7;
}

ByteVector SaveSelection(const CSelectionFileHeader& header, int step, bool german, bool complete) {
    CProd_ValveObject workflow(CNerithObject::kButtonCount);
    workflow.StartWithValveType("2-Way Normally Closed,  Angle Pattern,  Stainless Stem");
    CProd_ValveData& record = workflow.GetValveData();
    FillValveType(record);
    if (step >= 2) {
        FillApplication(record, german);
        workflow.SetStepReached(2);
        workflow.SetStepText(2, german ? "Luft,  Anschluss 1/2\"" : "Air,  Port 1/2\"");
    }
    if (step >= 3) {
        FillSolenoid(record, german);
        workflow.SetStepReached(3);
        workflow.SetStepText(3, record.m_Sol_VoltageVAL.Value());
    }
    if (complete) {
        FillPartNumber(record);
        workflow.SetStepReached(4);
        workflow.SetStepText(4, record.m_PN_CompletePNVAL.Value());
    }
    CSelectionFileFields fields;
    fields.answers = kAnswers;
    fields.highestStep = step;
    fields.orderPadReady = complete;
    fields.selectionComplete = complete;
    return StoreSelectionFile(header, fields, workflow);
}

void SelectionSeeds() {
    const auto english = Header("EN", "English", 24510);
    const auto german = Header("DE", "Deutsch", 24511);
    Write("selection_file", "saved-valve-type-en.mrv", SaveSelection(english, 1, false, false));
    Write("selection_file", "saved-solenoid-de.mrv", SaveSelection(german, 3, true, false));
    Write("selection_file", "saved-complete-en.mrv", SaveSelection(english, 4, false, true));
    ByteVector other = SaveSelection(english, 2, false, false);
    other[104] = 2;  // a header of another version
    Write("selection_file", "other-version.mrv", other);
    ByteVector cut = SaveSelection(german, 3, true, false);
    cut.resize(cut.size() / 2);
    Write("selection_file", "cut-short.mrv", cut);
}

ByteVector RecordStream(const CProd_ValveData& record) {
    CArchive ar;
    CProd_ValveData copy(record);
    copy.Serialize(ar);
    return ar.Bytes();
}

void RecordSeeds() {
    Write("record", "new-record.bin", RecordStream(CProd_ValveData()));
    CProd_ValveData filled;
    FillValveType(filled);
    FillApplication(filled, true);
    FillSolenoid(filled, true);
    FillPartNumber(filled);
    const ByteVector full = RecordStream(filled);
    Write("record", "complete-record.bin", full);
    Write("record", "cut-record.bin", ByteVector(full.begin(), full.begin() + 200));
}

// --- archive -----------------------------------------------------------------------------

std::uint8_t Op(ArchiveOp op, std::uint8_t size = 0) {
    return static_cast<std::uint8_t>(static_cast<std::uint8_t>(op) | (size << 4));
}

void ArchiveSeeds() {
    CArchive ar;
    std::uint8_t byte = 0xAB;
    std::int16_t i16 = -2;
    std::uint16_t u16 = 0xFFFE;
    std::int32_t i32 = -679;
    std::uint32_t u32 = 0xFFFFFD59;
    float f = 4.2f;
    double d = 2.4;
    std::string text = "Ventil für Dampf, 24 V DC €";
    std::uint32_t count = 3;
    std::uint8_t raw[4] = {'a', 'b', 'c', 0};
    ar.Transfer(byte);
    ar.Transfer(i16);
    ar.Transfer(u16);
    ar.Transfer(i32);
    ar.Transfer(u32);
    ar.Transfer(f);
    ar.Transfer(d);
    ar.Transfer(text);
    ar.TransferCount(count);
    ar.TransferBytes(raw, sizeof raw);
    Write("archive", "every-form.bin",
          ArchiveInput({Op(ArchiveOp::Byte), Op(ArchiveOp::Int16), Op(ArchiveOp::UInt16),
                        Op(ArchiveOp::Int32), Op(ArchiveOp::UInt32), Op(ArchiveOp::Float),
                        Op(ArchiveOp::Double), Op(ArchiveOp::Text), Op(ArchiveOp::Count),
                        Op(ArchiveOp::RawBytes, 4)},
                       ar.Bytes()));

    CArchive texts;
    std::string unicode = "Ω-Ventil ≤ 10 bar 🔧";
    std::string longText(300, 'L');
    std::string empty;
    texts.Transfer(unicode);
    texts.Transfer(longText);
    texts.Transfer(empty);
    const std::uint8_t textOp = Op(ArchiveOp::Text);
    Write("archive", "texts.bin", ArchiveInput({textOp, textOp, textOp}, texts.Bytes()));

    // Lengths in the 32-bit form, a count in the 32-bit form larger than what follows, and
    // the Unicode marker twice.
    Write("archive", "wide-lengths.bin",
          ArchiveInput({textOp, Op(ArchiveOp::Count), textOp},
                       {0xFF, 0xFF, 0xFF, 5, 0, 0, 0, 'h', 'e', 'l', 'l', 'o', 0xFF, 0xFF, 0, 0, 1,
                        0, 'x'}));
    Write("archive", "marker-twice.bin",
          ArchiveInput({textOp}, {0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF, 2, 'a', 0, 'b', 0}));
}

// --- text codec --------------------------------------------------------------------------

void TextSeeds() {
    Write("text_codec", "ascii.txt", Bytes("Solenoid valve 2-Way NC, 1/2\" NPT"));
    Write("text_codec", "german-utf8.txt", Bytes("Größe 3/8\" – Ventil für Öl, 24 V ≈ 10 €"));
    Write("text_codec", "windows-1252.txt", {'G', 0xF6, 0xDF, 'e', ' ', 0x80, 0x81, 0x9D, 0x9F});
    Write("text_codec", "four-byte.txt", Bytes("Wrench 🔧 and Ω"));
    Write("text_codec", "malformed-utf8.txt",
          {'a', 0xC0, 0xAF, 'b', 0xED, 0xA0, 0x80, 'c', 0xF4, 0x90, 0x80, 0x80, 0xE2, 0x82});
    Write("text_codec", "utf16-unpaired.bin",
          {'V', 0, 'e', 0, 0xA9, 0x03, 0x3D, 0xD8, 0x27, 0xDD, 0x00, 0xD8, 'x', 0});
}

// --- bitmaps -----------------------------------------------------------------------------

void Put(ByteVector& bytes, std::size_t at, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

// A small bitmap: file header, information header of the given size, colour table, masks
// when given, then the pixels (or the given compressed bytes).
ByteVector Bitmap(std::uint32_t headerSize, int width, int height, int bitCount,
                  std::uint32_t compression = 0, std::vector<std::uint32_t> masks = {},
                  ByteVector compressed = {}) {
    const bool core = headerSize == 12;
    const std::size_t colours = bitCount <= 8 ? (std::size_t{1} << bitCount) : 0;
    const std::size_t entry = core ? 3 : 4;
    const std::size_t maskBytes = headerSize == 40 ? 4 * masks.size() : 0;
    const std::size_t offset = 14 + headerSize + maskBytes + entry * colours;
    const std::size_t stride = ((static_cast<std::size_t>(width) * bitCount + 31) / 32) * 4;
    const std::size_t pixels = compressed.empty()
                                   ? stride * static_cast<std::size_t>(std::abs(height))
                                   : compressed.size();
    ByteVector b(offset + pixels, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put(b, 2, static_cast<std::uint32_t>(b.size()), 4);
    Put(b, 10, static_cast<std::uint32_t>(offset), 4);
    Put(b, 14, headerSize, 4);
    if (core) {
        Put(b, 18, static_cast<std::uint32_t>(width), 2);
        Put(b, 20, static_cast<std::uint32_t>(height), 2);
        Put(b, 22, 1, 2);
        Put(b, 24, static_cast<std::uint32_t>(bitCount), 2);
    } else {
        Put(b, 18, static_cast<std::uint32_t>(width), 4);
        Put(b, 22, static_cast<std::uint32_t>(height), 4);
        Put(b, 26, 1, 2);
        Put(b, 28, static_cast<std::uint32_t>(bitCount), 2);
        Put(b, 30, compression, 4);
        Put(b, 34, static_cast<std::uint32_t>(pixels), 4);
        for (std::size_t i = 0; i < masks.size(); ++i) {
            Put(b, 14 + 40 + 4 * i, masks[i], 4);  // after a 40-byte header or inside a longer one
        }
    }
    for (std::size_t i = 0; i < colours; ++i) {
        const std::size_t at = 14 + headerSize + maskBytes + entry * i;
        Put(b, at, static_cast<std::uint32_t>(i * 0x010101), 3);
    }
    std::copy(compressed.begin(), compressed.end(),
              b.begin() + static_cast<std::ptrdiff_t>(offset));
    for (std::size_t i = 0; compressed.empty() && i < pixels; ++i) {
        b[offset + i] = static_cast<std::uint8_t>(i * 7);
    }
    return b;
}

void BitmapSeeds() {
    Write("bmp_layout", "mono-4x3.bmp", Bitmap(40, 4, 3, 1));
    Write("bmp_layout", "sixteen-colours-5x2.bmp", Bitmap(40, 5, 2, 4));
    Write("bmp_layout", "palette-3x3-top-down.bmp", Bitmap(40, 3, -3, 8));
    Write("bmp_layout", "rgb-2x2.bmp", Bitmap(40, 2, 2, 24));
    Write("bmp_layout", "bitfields-2x2.bmp",
          Bitmap(40, 2, 2, 32, 3, {0x00FF0000, 0x0000FF00, 0x000000FF}));
    Write("bmp_layout", "core-header-2x2.bmp", Bitmap(12, 2, 2, 8));
    Write("bmp_layout", "v4-header-2x2.bmp", Bitmap(108, 2, 2, 16, 3, {0xF800, 0x07E0, 0x001F}));
    Write("bmp_layout", "rle8-4x2.bmp", Bitmap(40, 4, 2, 8, 1, {}, {4, 1, 0, 0, 4, 2, 0, 1}));
    ByteVector cut = Bitmap(40, 4, 4, 24);
    cut.resize(cut.size() - 5);
    Write("bmp_layout", "cut-short.bmp", cut);
}

// --- formats -----------------------------------------------------------------------------

void FormatSeeds() {
    using Kind = FormatArgument::Kind;
    const auto number = [](double v) { return FormatArgument{Kind::Double, v, {}}; };
    const auto integer = [](int v) { return FormatArgument{Kind::Int, double(v), {}}; };
    const auto text = [](std::string v) { return FormatArgument{Kind::Text, 0, std::move(v)}; };
    Write("format", "no-decimals.bin", FormatInput({number(2.4)}, "%.0f"));
    Write("format", "value-and-unit.bin", FormatInput({number(12.0), text("psig")}, "%5.0f  %s"));
    Write("format", "full-precision.bin", FormatInput({number(0.1)}, "%.17g"));
    Write("format", "flag-word.bin", FormatInput({integer(-679)}, "0x%08X"));
    Write("format", "float.bin", FormatInput({FormatArgument{Kind::Float, 4.2, {}}}, "%.2f"));
    Write("format", "percent.bin", FormatInput({integer(7)}, "%ld%%"));
    Write("format", "engine-error.bin",
          FormatInput({integer(3), text("qFlowPattern"), text("no such parameter")},
                      "DAO error %d, SOURCE = %s, DESCR = %s"));
    Write("format", "language-message.bin",
          FormatInput({text("Deutsch")},
                      "The selection you are trying to open was created in %s, which you do "
                      "not have installed.  You cannot open this selection."));
    Write("format", "plain-text.bin", FormatInput({}, "100%% of the valves"));
    Write("format", "wrong-kind.bin", FormatInput({number(2.5)}, "%s"));
    Write("format", "write-count.bin", FormatInput({integer(1)}, "%n"));
}

}  // namespace
}  // namespace veritom::fuzz

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: veritom_fuzz_seeds CORPUS_DIR\n";
        return 1;
    }
    veritom::fuzz::g_root = argv[1];
    veritom::fuzz::SelectionSeeds();
    veritom::fuzz::RecordSeeds();
    veritom::fuzz::ArchiveSeeds();
    veritom::fuzz::TextSeeds();
    veritom::fuzz::BitmapSeeds();
    veritom::fuzz::FormatSeeds();
    return 0;
}
