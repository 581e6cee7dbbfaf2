#include "TransferDocument.h"

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-input.h>
#include <gsf/gsf-utils.h>

#include <QRegularExpression>
#include <QStringDecoder>
#include <memory>
#include <optional>

#include "OrderPadTexts.h"
#include "tools/orderpad/OrderPadProtocol.h"

namespace orderpad {

namespace {

constexpr gsf_off_t kMaxTextBytes = 64 * 1024;

struct Unref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
using InputPtr = std::unique_ptr<GsfInput, Unref>;
using InfilePtr = std::unique_ptr<GsfInfile, Unref>;

bool IsStorage(GsfInput* input) {
    return GSF_IS_INFILE(input) && gsf_infile_num_children(GSF_INFILE(input)) >= 0;
}

// UTF-8 as the selector writes it; bytes that are no UTF-8 come from a single-byte sender.
QString DecodeText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

// The text of the stream name in storage, or nothing with error set.
std::optional<QString> ReadText(GsfInfile* storage, const char* name, QString& error,
                                const QString& storageName = {}) {
    InputPtr stream(gsf_infile_child_by_name(storage, name));
    const QString streamName = QString::fromUtf8(name);
    if (!stream || IsStorage(stream.get())) {
        error = storageName.isEmpty() ? Texts::Get(kStreamMissing).arg(streamName)
                                      : Texts::Get(kPartStreamMissing).arg(storageName, streamName);
        return std::nullopt;
    }
    const gsf_off_t size = gsf_input_size(stream.get());
    if (size > kMaxTextBytes) {
        error = Texts::Get(kStreamTooLong).arg(streamName);
        return std::nullopt;
    }
    if (size == 0) {
        return QString();
    }
    const guint8* data = gsf_input_read(stream.get(), size, nullptr);
    if (!data) {
        error = Texts::Get(kNotCompoundFile);
        return std::nullopt;
    }
    return DecodeText(QByteArray(reinterpret_cast<const char*>(data), size));
}

std::optional<OrderLine> ReadPart(GsfInfile* root, int index, QString& error) {
    const QString name = QString::fromLatin1(veritom::orderpad::kPartStorageFormat)
                             .replace(QStringLiteral("%d"), QString::number(index));
    const QByteArray utf8Name = name.toUtf8();
    InputPtr child(gsf_infile_child_by_name(root, utf8Name.constData()));
    if (!child || !IsStorage(child.get())) {
        error = Texts::Get(kPartStorageMissing).arg(name);
        return std::nullopt;
    }
    GsfInfile* storage = GSF_INFILE(child.get());
    QString texts[veritom::orderpad::kPartStreamCount];
    for (int i = 0; i < veritom::orderpad::kPartStreamCount; ++i) {
        const auto text = ReadText(storage, veritom::orderpad::kPartStreamNames[i], error, name);
        if (!text) {
            return std::nullopt;
        }
        texts[i] = *text;
    }
    return OrderLine{texts[0], texts[1], texts[2], texts[3], texts[4], texts[5], {}, {}};
}

// How many "Part*<n>" storages the root holds.
int CountParts(GsfInfile* root) {
    static const QRegularExpression partName(QStringLiteral("^Part\\*(0|[1-9][0-9]{0,5})$"));
    int count = 0;
    for (int i = 0; i < gsf_infile_num_children(root); ++i) {
        const char* name = gsf_infile_name_by_index(root, i);
        if (name && partName.match(QString::fromUtf8(name)).hasMatch()) {
            ++count;
        }
    }
    return count;
}

}  // namespace

TransferDocument TransferDocument::Read(const QByteArray& bytes) {
    static const bool initialised = [] {
        gsf_init();
        return true;
    }();
    (void)initialised;

    TransferDocument document;
    InputPtr input(gsf_input_memory_new(reinterpret_cast<const guint8*>(bytes.constData()),
                                        bytes.size(), FALSE));
    GError* failure = nullptr;
    InfilePtr root(input ? gsf_infile_msole_new(input.get(), &failure) : nullptr);
    if (failure) {
        g_error_free(failure);
    }
    if (!root) {
        document.error = Texts::Get(kNotCompoundFile);
        return document;
    }
    const auto sender = ReadText(root.get(), veritom::orderpad::kVeritomNameStream, document.error);
    if (!sender) {
        return document;
    }
    const int count = CountParts(root.get());
    if (count == 0) {
        document.error = Texts::Get(kNoParts);
        return document;
    }
    for (int index = 0; index < count; ++index) {
        auto part = ReadPart(root.get(), index, document.error);
        if (!part) {
            document.parts.clear();
            return document;
        }
        part->sender = *sender;
        document.parts.append(*part);
    }
    document.sender = *sender;
    return document;
}

}  // namespace orderpad
