#include "files/XmlValueStore.h"

#include "files/WholeFile.h"

#include <QFile>
#include <QStringDecoder>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <pugixml.hpp>

#include <algorithm>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

namespace stakewell::files {

namespace {

constexpr const char* RootTag = "stakewell-data";
const QString RootElement = QLatin1String(RootTag);
// A path's parts before its last are nested groups, so a point's value costs
// only its own name: a file with the largest survey stays near 3.5 MB and
// reads fast. Names are attribute values, so any part works ("4Pt", "Ohms-0").
constexpr const char* GroupTag = "group";
constexpr const char* ValueTag = "value";
const QString GroupElement = QLatin1String(GroupTag);
const QString ValueElement = QLatin1String(ValueTag);
constexpr const char* NameTag = "name";
constexpr const char* EncodingTag = "encoding";
const QString NameAttribute = QLatin1String(NameTag);
const QString EncodingAttribute = QLatin1String(EncodingTag);
// Texts that XML cannot carry as character data (a carriage return would be
// read back as a line feed; most control characters and unpaired surrogates
// are not allowed at all) are stored as their UTF-16 code units in base64.
const QString Base64Utf16 = QStringLiteral("base64-utf16le");

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

    // Nothing when a name holds a character XML cannot carry: the writer
    // leaves it out and tells so.
    std::optional<QByteArray> Finish() {
        writer.writeEndDocument();
        return writer.hasError() ? std::nullopt : std::optional<QByteArray>(document);
    }

private:
    void Name(QStringView name) {
        // Borrowed, not copied: the view outlives the call.
        writer.writeAttribute(NameAttribute, QString::fromRawData(name.data(), name.size()));
    }

    QByteArray document;
    QXmlStreamWriter writer;
    QList<QStringView> open;
    std::optional<QStringView> current;
};

QString TooLarge() {
    return QStringLiteral("the file is larger than %1 MB, more than any data file holds")
        .arg(XmlValueStore::MaxFileMegabytes);
}

// pugixml parses several times faster than QXmlStreamReader, which matters
// for a full survey's 65 000 values, but it checks less than XML requires:
// it passes over bytes that are not UTF-8, characters XML does not allow and
// references it does not know. So texts are taken raw, with their references
// left in, and each is checked here; the few that hold a reference are
// resolved by QXmlStreamReader, which refuses an unknown entity or a bare
// "&" as XML requires. As a fragment, text and elements outside the root
// element are kept, to be refused.
constexpr unsigned ParseOptions = pugi::parse_cdata | pugi::parse_eol |
                                  pugi::parse_wconv_attribute | pugi::parse_ws_pcdata |
                                  pugi::parse_doctype | pugi::parse_fragment;

enum class Context { Content, Attribute, Verbatim };

// ASCII that XML allows everywhere, as nearly every text of a data file is.
bool PlainAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte >= 0x20 && byte < 0x80) || byte == '\t' || byte == '\n';
    });
}

// The text of UTF-8 bytes, nothing when they are not UTF-8 or hold a
// character XML does not allow.
std::optional<QString> CheckedText(std::string_view bytes) {
    // A byte order mark here is a character of the text, not a mark to drop.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (decoder.hasError() || !AllowedInXml(text)) {
        return std::nullopt;
    }
    return text;
}

// A raw text as the XML reader reads it, nothing when the reader refuses it.
std::optional<QString> Resolved(const QString& raw, Context context) {
    // An attribute value may hold either quote, but not the one around it.
    const QChar quote = raw.contains(u'"') ? u'\'' : u'"';
    const QString element = context == Context::Attribute
                                ? QStringLiteral("<v a=%1%2%1/>").arg(quote, raw)
                                : QStringLiteral("<v>%1</v>").arg(raw);
    QXmlStreamReader reader(element);
    reader.readNextStartElement();
    const QString text = context == Context::Attribute
                             ? reader.attributes().value(QLatin1String("a")).toString()
                             : reader.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
    while (!reader.atEnd()) {
        reader.readNext();
    }
    if (reader.hasError()) {
        return std::nullopt;
    }
    return text;
}

// Appends the text of raw bytes as XML reads them; false when XML does not
// allow them.
bool AppendText(QString& text, std::string_view raw, Context context) {
    // pugixml also takes a "<" in an attribute, which only the XML reader
    // refuses.
    const std::string_view forReader = context == Context::Attribute ? "&<" : "&";
    const bool needsReader =
        context != Context::Verbatim && raw.find_first_of(forReader) != std::string_view::npos;
    if (!needsReader && PlainAscii(raw)) {
        text.append(QLatin1String(raw.data(), static_cast<qsizetype>(raw.size())));
        return true;
    }
    std::optional<QString> checked = CheckedText(raw);
    if (checked && needsReader) {
        checked = Resolved(*checked, context);
    }
    if (checked) {
        text += *checked;
    }
    return checked.has_value();
}

bool Blank(std::string_view text) {
    return text.find_first_not_of(" \t\n") == std::string_view::npos;
}

bool Named(const pugi::xml_node& node, const char* name) {
    return node.type() == pugi::node_element && std::strcmp(node.name(), name) == 0;
}

// Takes a parsed file's values into the store, checking what pugixml left
// unchecked.
class ValueReader {
public:
    ValueReader(const QByteArray& document, XmlValueStore& store)
        : document(document), store(store) {}

    std::optional<QString> Read() {
        pugi::xml_document tree;
        const pugi::xml_parse_result parsed =
            tree.load_buffer(document.constData(), static_cast<std::size_t>(document.size()),
                             ParseOptions, pugi::encoding_auto);
        if (!parsed) {
            return Located(parsed.offset, QString::fromLatin1(parsed.description()));
        }
        pugi::xml_node root;
        for (const pugi::xml_node node : tree.children()) {
            if (node.type() == pugi::node_doctype) {
                return Located(node.offset_debug(), DocumentTypeRefusal(node.value()));
            }
            if (node.type() == pugi::node_element) {
                if (!root.empty()) {
                    return Located(node.offset_debug(),
                                   QStringLiteral("the file holds more than one root element"));
                }
                root = node;
            }
            if (node.type() == pugi::node_cdata ||
                (node.type() == pugi::node_pcdata && !Blank(node.value()))) {
                return Located(node.offset_debug(),
                               QStringLiteral("the file holds text outside its root element"));
            }
        }
        if (root.empty()) {
            return Located(document.size(), QStringLiteral("the file holds no XML element"));
        }
        if (!Named(root, RootTag)) {
            return Located(root.offset_debug(),
                           QStringLiteral("this XML file is not a Stakewell data file"));
        }
        // About one value for every 40 bytes of a real file.
        store.Reserve(static_cast<std::size_t>(document.size() / 40));
        return Walk(root);
    }

private:
    // A data file never has a document type. Refusing it stops the nested
    // "billion laughs" and its flat variant (one entity referenced millions
    // of times), and never fetches an entity or a definition from elsewhere.
    static QString DocumentTypeRefusal(std::string_view declaration) {
        return declaration.find("<!ENTITY") == std::string_view::npos
                   ? QStringLiteral("the file declares a document type, which a data file "
                                    "never does")
                   : QStringLiteral("the file declares entities, which a data file never does");
    }

    // Goes through the groups in a loop rather than by recursion, so that no
    // depth of nesting can exhaust the stack.
    std::optional<QString> Walk(const pugi::xml_node& root) {
        // The path of each open group, ending in "/".
        std::vector<QString> groups{QString()};
        // Every path repeats its groups' names, so deeply nested long names
        // could make far more text than the file holds; a real file's paths
        // come to a few million characters.
        qsizetype pathCharacters = 0;
        pugi::xml_node node = root.first_child();
        while (!node.empty()) {
            const bool group = Named(node, GroupTag);
            if (group || Named(node, ValueTag)) {
                QString path = groups.back();
                if (!AppendText(path, node.attribute(NameTag).value(), Context::Attribute)) {
                    return Located(node.offset_debug(),
                                   QStringLiteral("a name holds what XML does not allow"));
                }
                pathCharacters += path.size() + 1;
                if (pathCharacters > MaxPathCharacters) {
                    return Located(node.offset_debug(),
                                   QStringLiteral("the file's groups nest deeper than any data "
                                                  "file's"));
                }
                if (group && !node.first_child().empty()) {
                    groups.push_back(path + u'/');
                    node = node.first_child();
                    continue;
                }
                if (!group) {
                    if (std::optional<QString> problem = TakeValue(node, path)) {
                        return problem;
                    }
                }
            }
            // Back up out of every group this was the last node of.
            while (node != root && !node.next_sibling()) {
                node = node.parent();
                groups.pop_back();
            }
            node = node == root ? pugi::xml_node() : node.next_sibling();
        }
        return std::nullopt;
    }

    std::optional<QString> TakeValue(const pugi::xml_node& value, const QString& path) {
        QString text;
        for (const pugi::xml_node part : value.children()) {
            if (part.type() == pugi::node_element) {
                return Located(part.offset_debug(), QStringLiteral("a value holds an element"));
            }
            const Context context =
                part.type() == pugi::node_cdata ? Context::Verbatim : Context::Content;
            if (!AppendText(text, part.value(), context)) {
                return Located(part.offset_debug(),
                               QStringLiteral("a value holds what XML does not allow"));
            }
        }
        QString encoding;
        if (!AppendText(encoding, value.attribute(EncodingTag).value(), Context::Attribute) ||
            (!encoding.isEmpty() && encoding != Base64Utf16)) {
            return Located(value.offset_debug(),
                           QStringLiteral("a value has the unknown encoding \"%1\"").arg(encoding));
        }
        if (!encoding.isEmpty()) {
            std::optional<QString> unpacked = FromBase64Utf16(text);
            if (!unpacked) {
                return Located(value.offset_debug(),
                               QStringLiteral("a value's encoded text is damaged"));
            }
            text = *std::move(unpacked);
        }
        store.SetValue(path, text);
        return std::nullopt;
    }

    // The reason with the line and column of a place in the file.
    QString Located(std::ptrdiff_t offset, QString reason) const {
        const QByteArrayView before(document.constData(),
                                    std::clamp<qsizetype>(offset, 0, document.size()));
        const auto lines = std::count(before.begin(), before.end(), '\n');
        const qsizetype lineStart =
            before.size() - (std::find(before.rbegin(), before.rend(), '\n') - before.rbegin());
        const qsizetype column = QString::fromUtf8(before.sliced(lineStart)).size();
        if (reason.endsWith(u'.')) {
            reason.chop(1);
        }
        return QStringLiteral("%1 (line %2, column %3)").arg(reason).arg(lines + 1).arg(column + 1);
    }

    const QByteArray& document;
    XmlValueStore& store;
};

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
    std::optional<QString> problem = ValueReader(document, *this).Read();
    if (problem) {
        Clear();
    }
    return problem;
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

bool XmlValueStore::SameValues(const XmlValueStore& other) const {
    return std::equal(entries.begin(), entries.end(), other.entries.begin(), other.entries.end(),
                      [](const Entry& one, const Entry& another) {
                          return one.path == another.path && one.value == another.value;
                      });
}

bool XmlValueStore::Holds(const QString& path) const {
    return places.contains(path);
}

void XmlValueStore::Reserve(std::size_t count) {
    entries.reserve(count);
    places.reserve(static_cast<qsizetype>(count));
}

void XmlValueStore::SetValue(const QString& path, const QString& value) {
    // One lookup finds the path's place or makes room for it, which a new
    // path tells by growing the index.
    const qsizetype known = places.size();
    qsizetype& place = places[path];
    if (places.size() == known) {
        entries[static_cast<std::size_t>(place)].value = value;
        return;
    }
    place = static_cast<qsizetype>(entries.size());
    entries.push_back({path, value});
}

void XmlValueStore::Clear() {
    entries.clear();
    places.clear();
}

} // namespace stakewell::files
