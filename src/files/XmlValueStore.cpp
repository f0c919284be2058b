#include "files/XmlValueStore.h"

#include "files/WholeFile.h"

#include <QFile>
#include <QHashFunctions>
#include <QXmlStreamReader>

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace stakewell::files {

namespace {

const QString RootElement = QStringLiteral("stakewell-data");
// A path's parts before its last are nested groups, so a point's value costs
// only its own name: a file with the largest survey stays near 3.5 MB and
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

// Whether XML allows every character of the text.
bool AllowedInXml(QStringView text, bool carriageReturns = true) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (QChar::isHighSurrogate(unit)) {
            if (i + 1 >= text.size() || !QChar::isLowSurrogate(text[i + 1].unicode())) {
                return false;
            }
            ++i;
            continue;
        }
        const bool allowed = unit == u'\t' || unit == u'\n' || (unit == u'\r' && carriageReturns) ||
                             (unit >= 0x20 && unit < 0xD800) || (unit >= 0xE000 && unit <= 0xFFFD);
        if (!allowed) {
            return false;
        }
    }
    return true;
}

bool AllowedAsCharacterData(QStringView text) {
    return AllowedInXml(text, false);
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

std::optional<QString> FromBase64Utf16(const QString& text) {
    const auto decoded =
        QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    return decoded ? FromUtf16LittleEndian(*decoded) : std::nullopt;
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
    std::optional<QString> unpacked = FromBase64Utf16(*text);
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

const char* const Prolog = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<stakewell-data";

QLatin1String Escape(char16_t unit, bool inAttribute) {
    switch (unit) {
    case u'<':
        return QLatin1String("&lt;");
    case u'>':
        return QLatin1String("&gt;");
    case u'&':
        return QLatin1String("&amp;");
    case u'"':
        return QLatin1String("&quot;");
    // A reader would turn these into spaces in an attribute value.
    case u'\t':
        return inAttribute ? QLatin1String("&#9;") : QLatin1String();
    case u'\n':
        return inAttribute ? QLatin1String("&#10;") : QLatin1String();
    case u'\r':
        return inAttribute ? QLatin1String("&#13;") : QLatin1String();
    default:
        return {};
    }
}

// In UTF-8 with the writer's escapes. Runs without an escape are copied at
// once: nearly every text is such a run of ASCII.
void AppendEscaped(QByteArray& out, QStringView text, bool inAttribute) {
    qsizetype at = 0;
    while (at < text.size()) {
        qsizetype end = at;
        while (end < text.size() && text[end].unicode() < 0x80 &&
               Escape(text[end].unicode(), inAttribute).isEmpty()) {
            ++end;
        }
        const qsizetype start = out.size();
        out.resize(start + (end - at));
        std::transform(text.begin() + at, text.begin() + end, out.begin() + start,
                       [](QChar c) { return static_cast<char>(c.unicode()); });
        at = end;
        while (end < text.size() && text[end].unicode() >= 0x80) {
            ++end;
        }
        if (end > at) {
            out += text.sliced(at, end - at).toUtf8();
            at = end;
        } else if (at < text.size()) {
            const QLatin1String escape = Escape(text[at].unicode(), inAttribute);
            out.append(escape.data(), escape.size());
            ++at;
        }
    }
}

// Lays the file out byte for byte as QXmlStreamWriter did with automatic
// formatting and a one-space indent, so files stay exactly as they were;
// composing the text directly takes a fraction of the writer's time. Groups
// open and close as consecutive values move between parent paths; values of
// one group come in runs, so a parent path is split only when it changes.
class LayoutWriter {
public:
    explicit LayoutWriter(std::size_t valueCount) {
        // A full survey's values take about 54 bytes each.
        text.reserve(static_cast<qsizetype>(valueCount) * 56 + 64);
        text += Prolog;
    }

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
            StartLine(open.size());
            text += "</group>";
        }
        for (; open.size() < parts.size(); open.append(parts[open.size()])) {
            StartLine(open.size() + 1);
            StartTag("<group", parts[open.size()]);
            text += '>';
        }
        current = parent;
    }

    void Value(QStringView name, const QString& value) {
        StartLine(open.size() + 1);
        StartTag("<value", name);
        if (AllowedAsCharacterData(value)) {
            text += '>';
            AppendEscaped(text, value, false);
        } else {
            text += " encoding=\"";
            text += Base64Utf16.toLatin1();
            text += "\">";
            text += Utf16LittleEndian(value).toBase64();
        }
        text += "</value>";
    }

    // Nothing when a name holds a character XML cannot carry.
    std::optional<QByteArray> Finish() {
        if (empty) {
            text += "/>\n";
        } else {
            Enter(std::nullopt);
            text += "\n</stakewell-data>\n";
        }
        return namesAllowed ? std::optional<QByteArray>(text) : std::nullopt;
    }

private:
    void StartLine(qsizetype depth) {
        text += empty ? ">\n" : "\n";
        empty = false;
        text.resize(text.size() + depth, u' ');
    }

    void StartTag(const char* element, QStringView name) {
        namesAllowed = namesAllowed && AllowedInXml(name);
        text += element;
        text += " name=\"";
        AppendEscaped(text, name, true);
        text += '"';
    }

    QByteArray text;
    bool empty = true;
    bool namesAllowed = true;
    QList<QStringView> open;
    std::optional<QStringView> current;
};

struct Unescape {
    std::string_view escape;
    char character;
    bool inAttributeOnly;
};

constexpr std::array<Unescape, 7> Unescapes{{{"&lt;", '<', false},
                                             {"&gt;", '>', false},
                                             {"&amp;", '&', false},
                                             {"&quot;", '"', false},
                                             {"&#9;", '\t', true},
                                             {"&#10;", '\n', true},
                                             {"&#13;", '\r', true}}};

// The text a reader makes of an attribute value or of character data, for
// the forms the writer gives them; nothing for any other form.
std::optional<QString> WrittenText(std::string_view raw, bool inAttribute) {
    const auto plain = [inAttribute](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte >= 0x20 && byte != '&' && byte != '<' && byte != '>' && byte != '"') ||
               (!inAttribute && (byte == '\t' || byte == '\n'));
    };
    const auto ascii = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
    if (std::all_of(raw.begin(), raw.end(), plain) && std::all_of(raw.begin(), raw.end(), ascii)) {
        return QString::fromLatin1(raw.data(), static_cast<qsizetype>(raw.size()));
    }
    std::string utf8;
    utf8.reserve(raw.size());
    while (!raw.empty()) {
        if (plain(raw.front())) {
            utf8 += raw.front();
            raw.remove_prefix(1);
            continue;
        }
        const auto* const unescape =
            std::find_if(Unescapes.begin(), Unescapes.end(), [&](const Unescape& u) {
                return (inAttribute || !u.inAttributeOnly) && raw.starts_with(u.escape);
            });
        if (unescape == Unescapes.end()) {
            return std::nullopt;
        }
        utf8 += unescape->character;
        raw.remove_prefix(unescape->escape.size());
    }
    QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    // Decoding replaces whatever is not UTF-8, so only the bytes that encode
    // back unchanged were UTF-8, as the reader requires.
    if (text.toUtf8() != QByteArrayView(utf8.data(), static_cast<qsizetype>(utf8.size())) ||
        !AllowedInXml(text)) {
        return std::nullopt;
    }
    return text;
}

// Walks a file laid out as Write() lays it out.
class LayoutReader {
public:
    explicit LayoutReader(std::string_view document) : rest(document) {}

    bool Skip(std::string_view expected) {
        if (!rest.starts_with(expected)) {
            return false;
        }
        rest.remove_prefix(expected.size());
        return true;
    }

    void SkipBlanks() {
        const std::size_t text = rest.find_first_not_of(" \n");
        rest.remove_prefix(text == std::string_view::npos ? rest.size() : text);
    }

    // The text before the stop, which is passed over.
    std::optional<QString> TextUntil(char stop, bool inAttribute) {
        const std::size_t end = rest.find(stop);
        if (end == std::string_view::npos) {
            return std::nullopt;
        }
        const std::string_view raw = rest.substr(0, end);
        rest.remove_prefix(end + 1);
        return WrittenText(raw, inAttribute);
    }

    bool AtEnd() const { return rest.empty(); }

private:
    std::string_view rest;
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
    // Files come as this program writes them, which a plain walk reads many
    // times faster than the XML reader; the reader takes every other file
    // afresh and tells where it goes wrong.
    if (ParseWrittenLayout(
            std::string_view(document.constData(), static_cast<std::size_t>(document.size())))) {
        return std::nullopt;
    }
    Clear();
    std::optional<QString> problem = Parse(document);
    if (problem) {
        Clear();
    }
    return problem;
}

bool XmlValueStore::ParseWrittenLayout(std::string_view document) {
    LayoutReader reader(document);
    if (!reader.Skip(Prolog)) {
        return false;
    }
    if (reader.Skip("/>")) {
        reader.SkipBlanks();
        return reader.AtEnd();
    }
    if (!reader.Skip(">")) {
        return false;
    }
    // About one value for every 40 bytes of a real file.
    Reserve(document.size() / 40);
    std::vector<QString> groups{QString()};
    qsizetype pathCharacters = 0;
    while (!groups.empty()) {
        reader.SkipBlanks();
        if (reader.Skip("</")) {
            groups.pop_back();
            if (!reader.Skip(groups.empty() ? "stakewell-data>" : "group>")) {
                return false;
            }
            continue;
        }
        const bool group = reader.Skip("<group name=\"");
        if (!group && !reader.Skip("<value name=\"")) {
            return false;
        }
        const std::optional<QString> part = reader.TextUntil('"', true);
        if (!part) {
            return false;
        }
        pathCharacters += groups.back().size() + part->size() + 1;
        if (pathCharacters > MaxPathCharacters) {
            return false;
        }
        QString path = groups.back() + *part;
        if (group) {
            if (!reader.Skip(">")) {
                return false;
            }
            groups.push_back(path + u'/');
            continue;
        }
        const bool encoded = reader.Skip(" encoding=\"base64-utf16le\"");
        std::optional<QString> text = QString();
        if (!reader.Skip("/>")) {
            if (!reader.Skip(">")) {
                return false;
            }
            text = reader.TextUntil('<', false);
            if (!text || !reader.Skip("/value>")) {
                return false;
            }
        }
        if (encoded) {
            text = FromBase64Utf16(*text);
            if (!text) {
                return false;
            }
        }
        SetValue(path, *text);
    }
    reader.SkipBlanks();
    return reader.AtEnd();
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
    LayoutWriter writer(entries.size());
    for (const Entry& entry : entries) {
        const qsizetype cut = entry.path.lastIndexOf(u'/');
        if (cut < 0) {
            writer.Enter(std::nullopt);
            writer.Value(entry.path, entry.value);
        } else {
            writer.Enter(QStringView(entry.path).left(cut));
            writer.Value(QStringView(entry.path).mid(cut + 1), entry.value);
        }
    }
    const std::optional<QByteArray> document = writer.Finish();
    if (!document) {
        return QStringLiteral("the data could not be written");
    }
    return WriteWholeFile(name, *document);
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

bool XmlValueStore::SameValues(const XmlValueStore& other) const {
    return std::equal(entries.begin(), entries.end(), other.entries.begin(), other.entries.end(),
                      [](const Entry& one, const Entry& another) {
                          return one.path == another.path && one.value == another.value;
                      });
}

bool XmlValueStore::Holds(const QString& path) const {
    return !buckets.empty() && buckets[BucketOf(path, PathHash(path))] != 0;
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

} // namespace stakewell::files
