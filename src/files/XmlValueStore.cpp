#include "files/XmlValueStore.h"

#include "files/WholeFile.h"

#include <QFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

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

// A data file never has a document type. Refusing it stops the nested
// "billion laughs" and its flat variant (one entity referenced millions of
// times, which the reader would gather into one text beyond any per-entity
// limit), and never fetches an entity or a definition from elsewhere.
QString DocumentTypeRefusal(const QXmlStreamReader& reader) {
    return reader.entityDeclarations().isEmpty()
               ? QStringLiteral("the file declares a document type, which a data file never does")
               : QStringLiteral("the file declares entities, which a data file never does");
}

// Writes the values through one XML writer, nesting each value in the groups
// its path names. Groups open and close as consecutive values move between
// parent paths; values of one group come in runs, so a parent path is split
// only when it changes.
class GroupedWriter {
public:
    GroupedWriter() : writer(&document) {
        // Automatic formatting with a one-space indent is how every data
        // file has been laid out, so files stay as they were.
        writer.setAutoFormatting(true);
        writer.setAutoFormattingIndent(1);
        writer.writeStartDocument();
        writer.writeStartElement(RootElement);
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
            writer.writeEndElement();
        }
        for (; open.size() < parts.size(); open.append(parts[open.size()])) {
            writer.writeStartElement(GroupElement);
            Name(parts[open.size()]);
        }
        current = parent;
    }

    void Value(QStringView name, const QString& value) {
        writer.writeStartElement(ValueElement);
        Name(name);
        if (AllowedAsCharacterData(value)) {
            writer.writeCharacters(value);
        } else {
            writer.writeAttribute(EncodingAttribute, Base64Utf16);
            writer.writeCharacters(QString::fromLatin1(Utf16LittleEndian(value).toBase64()));
        }
        writer.writeEndElement();
    }

    // Nothing when a name holds a character XML cannot carry.
    std::optional<QByteArray> Finish() {
        writer.writeEndDocument();
        return namesAllowed && !writer.hasError() ? std::optional<QByteArray>(document)
                                                  : std::nullopt;
    }

private:
    void Name(QStringView name) {
        // The writer flags most characters XML cannot carry, but writes an
        // unpaired surrogate as if it could.
        namesAllowed = namesAllowed && AllowedInXml(name);
        // Borrowed, not copied: the view outlives the call.
        writer.writeAttribute(NameAttribute, QString::fromRawData(name.data(), name.size()));
    }

    QByteArray document;
    QXmlStreamWriter writer;
    bool namesAllowed = true;
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
        if (reader.tokenType() == QXmlStreamReader::DTD) {
            return Located(reader, DocumentTypeRefusal(reader));
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
    GroupedWriter writer;
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

QString XmlValueStore::GetValue(const QString& path) const {
    const auto place = places.constFind(path);
    return place == places.cend() ? QString() : entries[static_cast<std::size_t>(*place)].value;
}

bool XmlValueStore::Holds(const QString& path) const {
    return places.contains(path);
}

void XmlValueStore::Reserve(std::size_t count) {
    entries.reserve(count);
    places.reserve(static_cast<qsizetype>(count));
}

void XmlValueStore::SetValue(const QString& path, const QString& value) {
    const auto place = places.constFind(path);
    if (place != places.cend()) {
        entries[static_cast<std::size_t>(*place)].value = value;
        return;
    }
    places.insert(path, static_cast<qsizetype>(entries.size()));
    entries.push_back({path, value});
}

void XmlValueStore::Clear() {
    entries.clear();
    places.clear();
}

} // namespace stakewell::files
