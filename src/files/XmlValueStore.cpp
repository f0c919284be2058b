#include "files/XmlValueStore.h"

#include <QFile>
#include <QHashFunctions>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>
#include <bit>
#include <cstring>
#include <vector>

namespace {

const QString RootElement = QStringLiteral("stakewell-data");
// A path's parts before its last are nested groups, so a point's value costs
// only its own name: a file with the largest survey stays near 2.5 MB and
// reads fast. Names are attribute values, so any part works ("4Pt", "Ohms-0").
const QString GroupElement = QStringLiteral("group");
const QString ValueElement = QStringLiteral("value");
const QString NameAttribute = QStringLiteral("name");
const QString EncodingAttribute = QStringLiteral("encoding");
// Texts that XML cannot carry as character data (a carriage return would be
// read back as a line feed; most control characters and unpaired surrogates
// are not allowed at all) are stored as their UTF-16 code units in base64.
const QString Base64Utf16 = QStringLiteral("base64-utf16le");

// Declared entities are refused before they are used; the reader's own limit
// stays as a second guard.
constexpr int EntityExpansionLimit = 4096;
constexpr qsizetype MaxPathCharacters = qsizetype{16} * 1024 * 1024;

bool AllowedAsCharacterData(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (QChar::isHighSurrogate(unit)) {
            if (i + 1 >= text.size() || !QChar::isLowSurrogate(text[i + 1].unicode())) {
                return false;
            }
            ++i;
            continue;
        }
        const bool allowed = unit == u'\t' || unit == u'\n' || (unit >= 0x20 && unit < 0xD800) ||
                             (unit >= 0xE000 && unit <= 0xFFFD);
        if (!allowed) {
            return false;
        }
    }
    return true;
}

QByteArray Utf16LittleEndian(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    for (const QChar c : text) {
        bytes.append(static_cast<char>(c.unicode() & 0xFF));
        bytes.append(static_cast<char>(c.unicode() >> 8));
    }
    return bytes;
}

std::optional<QString> FromUtf16LittleEndian(const QByteArray& bytes) {
    if (bytes.size() % 2 != 0) {
        return std::nullopt;
    }
    QString text;
    text.reserve(bytes.size() / 2);
    for (qsizetype i = 0; i < bytes.size(); i += 2) {
        const auto low = static_cast<unsigned char>(bytes[i]);
        const auto high = static_cast<unsigned char>(bytes[i + 1]);
        text.append(QChar(static_cast<char16_t>(low | (high << 8))));
    }
    return text;
}

// The text of the current element. An entity the reader cannot resolve
// (one that names an outside file) is an error, not silently left out.
std::optional<QString> ElementText(QXmlStreamReader& reader) {
    QString text;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::Characters:
            text += reader.text();
            break;
        case QXmlStreamReader::EndElement:
            return text;
        case QXmlStreamReader::EntityReference:
            reader.raiseError(
                QStringLiteral("the file refers to the entity \"%1\", which is not read")
                    .arg(reader.name()));
            return std::nullopt;
        case QXmlStreamReader::StartElement:
            reader.raiseError(QStringLiteral("a value holds an element"));
            return std::nullopt;
        default:
            break;
        }
    }
    return std::nullopt;
}

// The text of a value element, decoded where it was stored encoded.
std::optional<QString> ValueText(QXmlStreamReader& reader, QStringView encoding) {
    std::optional<QString> text = ElementText(reader);
    if (!text || encoding.isEmpty()) {
        return text;
    }
    if (encoding != Base64Utf16) {
        reader.raiseError(QStringLiteral("a value has the unknown encoding \"%1\"").arg(encoding));
        return std::nullopt;
    }
    const auto decoded =
        QByteArray::fromBase64Encoding(text->toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    std::optional<QString> unpacked = decoded ? FromUtf16LittleEndian(*decoded) : std::nullopt;
    if (!unpacked) {
        reader.raiseError(QStringLiteral("a value's encoded text is damaged"));
    }
    return unpacked;
}

// A data file never declares entities. Refusing every declaration stops the
// nested "billion laughs" and its flat variant (one entity referenced
// millions of times, which the reader would gather into one text beyond any
// per-entity limit), and never fetches an entity from elsewhere.
bool DeclaresEntities(const QXmlStreamReader& reader) {
    return !reader.entityDeclarations().isEmpty();
}

void WriteValue(QXmlStreamWriter& writer, QStringView name, const QString& value) {
    writer.writeStartElement(ValueElement);
    // The name stays inside its path, which outlives this call: no copy.
    writer.writeAttribute(NameAttribute, QString::fromRawData(name.data(), name.size()));
    if (AllowedAsCharacterData(value)) {
        writer.writeCharacters(value);
    } else {
        writer.writeAttribute(EncodingAttribute, Base64Utf16);
        writer.writeCharacters(QString::fromLatin1(Utf16LittleEndian(value).toBase64()));
    }
    writer.writeEndElement();
}

// Opens and closes group elements as consecutive values move between parent
// paths. Values of one group come in runs, so the parent path is split into
// its parts only when it changes.
class GroupWriter {
public:
    explicit GroupWriter(QXmlStreamWriter& writer) : writer(writer) {}

    // The parent path of the next value; none for a path without a "/".
    void Enter(std::optional<QStringView> parent) {
        if (parent == current) {
            return;
        }
        const QList<QStringView> parts = parent ? parent->split(u'/') : QList<QStringView>();
        qsizetype shared = 0;
        while (shared < open.size() && shared < parts.size() && open[shared] == parts[shared]) {
            ++shared;
        }
        for (; open.size() > shared; open.removeLast()) {
            writer.writeEndElement();
        }
        for (; open.size() < parts.size(); open.append(parts[open.size()])) {
            writer.writeStartElement(GroupElement);
            writer.writeAttribute(NameAttribute, parts[open.size()].toString());
        }
        current = parent;
    }

private:
    QXmlStreamWriter& writer;
    QList<QStringView> open;
    std::optional<QStringView> current;
};

QString TooLarge() {
    return QStringLiteral("the file is larger than %1 MB, more than any data file holds")
        .arg(XmlValueStore::MaxFileMegabytes);
}

QString Located(const QXmlStreamReader& reader, QString reason) {
    if (reason.endsWith(u'.')) {
        reason.chop(1);
    }
    return QStringLiteral("%1 (line %2, column %3)")
        .arg(reason)
        .arg(reader.lineNumber())
        .arg(reader.columnNumber());
}

} // namespace

std::optional<QString> XmlValueStore::Read() {
    Clear();
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        return file.errorString();
    }
    if (file.size() > MaxFileBytes) {
        return TooLarge();
    }
    // A file read as it comes (a pipe) has no size to tell beforehand: read
    // one byte past the limit to know. A plain file is read at its size.
    const QByteArray document =
        file.isSequential() ? file.read(MaxFileBytes + 1) : file.read(file.size());
    if (file.error() != QFileDevice::NoError) {
        return file.errorString();
    }
    if (document.size() > MaxFileBytes) {
        return TooLarge();
    }
    std::optional<QString> problem = Parse(document);
    if (problem) {
        Clear();
    }
    return problem;
}

std::optional<QString> XmlValueStore::Parse(const QByteArray& document) {
    QXmlStreamReader reader(document);
    reader.setEntityExpansionLimit(EntityExpansionLimit);
    while (!reader.atEnd() && reader.readNext() != QXmlStreamReader::StartElement) {
        if (reader.tokenType() == QXmlStreamReader::DTD && DeclaresEntities(reader)) {
            return Located(
                reader, QStringLiteral("the file declares entities, which a data file never does"));
        }
    }
    if (!reader.isStartElement()) {
        return Located(reader, reader.hasError() ? reader.errorString()
                                                 : QStringLiteral("the file holds no XML element"));
    }
    if (reader.name() != RootElement) {
        return Located(reader, QStringLiteral("this XML file is not a Stakewell data file"));
    }
    // About one value for every 40 bytes of a real file.
    Reserve(static_cast<std::size_t>(document.size() / 40));
    // The path of each open group, ending in "/".
    std::vector<QString> groups{QString()};
    // Every path repeats its groups' names, so deeply nested long names could
    // make far more text than the file holds; a real file's paths come to a
    // few million characters.
    qsizetype pathCharacters = 0;
    while (!reader.atEnd() && !reader.hasError()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::EndElement) {
            groups.pop_back();
            if (groups.empty()) {
                break;
            }
        } else if (token == QXmlStreamReader::StartElement) {
            const QXmlStreamAttributes attributes = reader.attributes();
            const QStringView name = attributes.value(NameAttribute);
            pathCharacters += groups.back().size() + name.size() + 1;
            if (pathCharacters > MaxPathCharacters) {
                reader.raiseError(QStringLiteral("the file's groups nest deeper than any data "
                                                 "file's"));
                break;
            }
            QString path;
            path.reserve(groups.back().size() + name.size() + 1);
            path += groups.back();
            path += name;
            if (reader.name() == GroupElement) {
                groups.push_back(path + u'/');
            } else if (reader.name() == ValueElement) {
                std::optional<QString> text =
                    ValueText(reader, attributes.value(EncodingAttribute));
                if (text) {
                    SetValue(path, *text);
                }
            } else {
                reader.skipCurrentElement();
            }
        }
    }
    if (!reader.hasError()) {
        // Anything after the root element must still be well-formed.
        while (!reader.atEnd()) {
            reader.readNext();
        }
    }
    if (reader.hasError()) {
        return Located(reader, reader.errorString());
    }
    return std::nullopt;
}

std::optional<QString> XmlValueStore::Write() const {
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    // Composed in memory and handed to the file in one write: the writer's
    // many small pieces cost far more through a file device.
    QByteArray document;
    document.reserve(static_cast<qsizetype>(entries.size()) * 40);
    QXmlStreamWriter writer(&document);
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(1);
    writer.writeStartDocument();
    writer.writeStartElement(RootElement);
    GroupWriter groups(writer);
    for (const Entry& entry : entries) {
        const qsizetype cut = entry.path.lastIndexOf(u'/');
        if (cut < 0) {
            groups.Enter(std::nullopt);
            WriteValue(writer, entry.path, entry.value);
        } else {
            groups.Enter(QStringView(entry.path).left(cut));
            WriteValue(writer, QStringView(entry.path).mid(cut + 1), entry.value);
        }
    }
    writer.writeEndDocument();
    if (writer.hasError() || file.write(document) != document.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason.isEmpty() ? QStringLiteral("the data could not be written") : reason;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

namespace {

std::uint64_t MultiplyFolded(std::uint64_t a, std::uint64_t b) {
    const auto product = static_cast<unsigned __int128>(a) * b;
    return static_cast<std::uint64_t>(product) ^ static_cast<std::uint64_t>(product >> 64);
}

// Qt's own string hash costs several times more here, amid the store's other
// work, than this one. The seed enters every step, so a file cannot choose
// paths that collide without knowing it.
std::size_t PathHash(QStringView path) {
    static const std::uint64_t seed = QHashSeed::globalSeed();
    constexpr std::uint64_t Odd = 0x9E3779B97F4A7C15;
    constexpr qsizetype UnitsPerStep = sizeof(std::uint64_t) / sizeof(char16_t);
    std::uint64_t hash = seed ^ static_cast<std::uint64_t>(path.size());
    for (qsizetype at = 0; at < path.size(); at += UnitsPerStep) {
        std::uint64_t units = 0;
        std::memcpy(&units, path.utf16() + at,
                    sizeof(char16_t) *
                        static_cast<std::size_t>(std::min(UnitsPerStep, path.size() - at)));
        hash = MultiplyFolded(units ^ seed, hash ^ Odd);
    }
    return MultiplyFolded(hash ^ Odd, seed ^ Odd);
}

} // namespace

QString XmlValueStore::GetValue(const QString& path) const {
    if (buckets.empty()) {
        return {};
    }
    const std::uint32_t held = buckets[BucketOf(path, PathHash(path))];
    return held == 0 ? QString() : entries[held - 1].value;
}

void XmlValueStore::Reserve(std::size_t count) {
    entries.reserve(count);
    if (2 * count > buckets.size()) {
        Rehash(2 * count);
    }
}

void XmlValueStore::SetValue(const QString& path, const QString& value) {
    if (2 * (entries.size() + 1) > buckets.size()) {
        Rehash(2 * buckets.size());
    }
    const std::size_t hash = PathHash(path);
    std::uint32_t& held = buckets[BucketOf(path, hash)];
    if (held != 0) {
        entries[held - 1].value = value;
        return;
    }
    entries.push_back({path, value, hash});
    held = static_cast<std::uint32_t>(entries.size());
}

void XmlValueStore::Clear() {
    entries.clear();
    buckets.clear();
}

std::size_t XmlValueStore::BucketOf(QStringView path, std::size_t hash) const {
    const std::size_t mask = buckets.size() - 1;
    for (std::size_t bucket = hash & mask;; bucket = (bucket + 1) & mask) {
        const std::uint32_t held = buckets[bucket];
        if (held == 0) {
            return bucket;
        }
        const Entry& entry = entries[held - 1];
        if (entry.hash == hash && entry.path == path) {
            return bucket;
        }
    }
}

void XmlValueStore::Rehash(std::size_t bucketCount) {
    constexpr std::size_t FewestBuckets = 16;
    buckets.assign(std::bit_ceil(std::max(bucketCount, FewestBuckets)), 0);
    const std::size_t mask = buckets.size() - 1;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        std::size_t bucket = entries[i].hash & mask;
        while (buckets[bucket] != 0) {
            bucket = (bucket + 1) & mask;
        }
        buckets[bucket] = static_cast<std::uint32_t>(i + 1);
    }
}
