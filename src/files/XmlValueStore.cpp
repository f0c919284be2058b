#include "files/XmlValueStore.h"

#include "files/WholeFile.h"

#include <QFile>
#include <QStringDecoder>
#include <QXmlStreamReader>

#include <pugixml.hpp>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

namespace stakewell::files {

namespace {

constexpr const char* RootTag = "stakewell-data";
// A path's parts before its last are nested groups, so a point's value costs
// only its own name: a file with the largest survey stays near 3.5 MB and
// reads fast. Names are attribute values, so any part works ("4Pt", "Ohms-0").
constexpr const char* GroupTag = "group";
constexpr const char* ValueTag = "value";
constexpr const char* NameTag = "name";
constexpr const char* EncodingTag = "encoding";
// Texts that XML cannot carry as character data (a carriage return would be
// read back as a line feed; most control characters and unpaired surrogates
// are not allowed at all) are stored as their UTF-16 code units in base64.
constexpr const char* Base64Tag = "base64-utf16le";
const QString Base64Utf16 = QLatin1String(Base64Tag);

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

enum class Context { Content, Attribute, Verbatim };

// ASCII that XML allows everywhere, as nearly every text of a data file is,
// holding nothing the XML reader must resolve. One pass, as a survey has
// tens of thousands of texts.
bool PlainAscii(std::string_view bytes, Context context) {
    return std::all_of(bytes.begin(), bytes.end(), [context](char c) {
        const auto byte = static_cast<unsigned char>(c);
        const bool resolved = context != Context::Verbatim &&
                              (c == '&' || (c == '<' && context == Context::Attribute));
        return ((byte >= 0x20 && byte < 0x80) || byte == '\t' || byte == '\n') && !resolved;
    });
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

// Collects the written document in one buffer.
class BufferWriter : public pugi::xml_writer {
public:
    void write(const void* data, std::size_t size) override {
        bytes.append(static_cast<const char*>(data), static_cast<qsizetype>(size));
    }

    QByteArray bytes;
};

// Builds the document a file holds, nesting each value in the groups its
// path names. Groups open and close as consecutive values move between
// groups; values of one group come in runs, so a prefix is split only when
// the group changes. pugixml writes a full survey several times faster than
// QXmlStreamWriter, which is what lets a save keep to the time of the disk.
class TreeBuilder {
public:
    TreeBuilder() {
        pugi::xml_node declaration = document.append_child(pugi::node_declaration);
        declaration.append_attribute("version") = "1.0";
        declaration.append_attribute("encoding") = "UTF-8";
        open.push_back(document.append_child(RootTag));
    }

    // The prefix of the next value's group: empty, or ending in "/".
    void Enter(XmlValueStore::GroupId group, const QString& prefix) {
        if (group == current) {
            return;
        }
        const QList<QStringView> parts =
            prefix.isEmpty() ? QList<QStringView>() : QStringView(prefix).chopped(1).split(u'/');
        std::size_t shared = 0;
        while (shared < openNames.size() && shared < static_cast<std::size_t>(parts.size()) &&
               openNames[shared] == parts[static_cast<qsizetype>(shared)]) {
            ++shared;
        }
        openNames.resize(shared);
        open.resize(shared + 1);
        for (auto part = static_cast<qsizetype>(shared); part < parts.size(); ++part) {
            pugi::xml_node element = open.back().append_child(GroupTag);
            Name(element, parts[part]);
            open.push_back(element);
            openNames.push_back(parts[part]);
        }
        current = group;
    }

    void Value(const StoredText& name, const StoredText& value) {
        pugi::xml_node element = open.back().append_child(ValueTag);
        const std::optional<std::string_view> nameBytes = name.AsciiBytes();
        if (nameBytes && PlainAscii(*nameBytes, Context::Verbatim)) {
            element.append_attribute(NameTag).set_value(nameBytes->data(), nameBytes->size());
        } else {
            Name(element, name.ToString());
        }
        if (value.IsEmpty()) {
            return;
        }
        // Plain ASCII is allowed as it is; only other text is looked at
        // character by character.
        const std::optional<std::string_view> bytes = value.AsciiBytes();
        if (bytes && PlainAscii(*bytes, Context::Verbatim)) {
            element.append_child(pugi::node_pcdata).set_value(bytes->data(), bytes->size());
            return;
        }
        const QString text = value.ToString();
        if (AllowedAsCharacterData(text)) {
            element.append_child(pugi::node_pcdata).set_value(Utf8(text));
        } else {
            element.append_attribute(EncodingTag) = Base64Tag;
            element.append_child(pugi::node_pcdata)
                .set_value(Utf16LittleEndian(text).toBase64().constData());
        }
    }

    // Nothing when a name holds a character XML cannot carry, which no
    // encoding can mend in an attribute.
    std::optional<QByteArray> Finish() {
        if (!namesCarried) {
            return std::nullopt;
        }
        BufferWriter writer;
        // An empty element written as a start and an end tag, as files have
        // always had it.
        document.save(writer, " ", pugi::format_indent | pugi::format_no_empty_element_tags,
                      pugi::encoding_utf8);
        return std::move(writer.bytes);
    }

private:
    void Name(pugi::xml_node& element, QStringView name) {
        namesCarried = namesCarried && AllowedInXml(name);
        element.append_attribute(NameTag) = Utf8(name);
    }

    // Through one reused buffer: nearly every text is a short ASCII number.
    const char* Utf8(QStringView text) {
        buffer.clear();
        const bool ascii =
            std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
        if (ascii) {
            for (const QChar c : text) {
                buffer.push_back(static_cast<char>(c.unicode()));
            }
        } else {
            buffer = text.toUtf8().toStdString();
        }
        return buffer.c_str();
    }

    pugi::xml_document document;
    // The root and every group open under it.
    std::vector<pugi::xml_node> open;
    std::vector<QStringView> openNames;
    std::optional<XmlValueStore::GroupId> current;
    std::string buffer;
    bool namesCarried = true;
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
    if (PlainAscii(raw, context)) {
        const QLatin1String plain(raw.data(), static_cast<qsizetype>(raw.size()));
        // Made at its size: a survey's texts are tens of thousands of short
        // ones, each its own.
        if (text.isEmpty()) {
            text = plain;
        } else {
            text.append(plain);
        }
        return true;
    }
    // pugixml also takes a "<" in an attribute, which only the XML reader
    // refuses.
    const std::string_view forReader = context == Context::Attribute ? "&<" : "&";
    const bool needsReader =
        context != Context::Verbatim && raw.find_first_of(forReader) != std::string_view::npos;
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
    // The store's plain texts are left in `tree`.
    ValueReader(const QByteArray& document, pugi::xml_document& tree, XmlValueStore& store)
        : document(document), tree(tree), store(store) {}

    std::optional<QString> Read() {
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

    struct OpenGroup {
        QString prefix;
        XmlValueStore::GroupId id;
    };

    // Goes through the groups in a loop rather than by recursion, so that no
    // depth of nesting can exhaust the stack.
    std::optional<QString> Walk(const pugi::xml_node& root) {
        std::vector<OpenGroup> groups{{QString(), store.Group(QString())}};
        // Every path repeats its groups' names, so deeply nested long names
        // could make far more text than the file holds; a real file's paths
        // come to a few million characters.
        qsizetype pathCharacters = 0;
        pugi::xml_node node = root.first_child();
        while (!node.empty()) {
            // Values first: nearly every element is one.
            const bool value = Named(node, ValueTag);
            const bool group = !value && Named(node, GroupTag);
            if (group || value) {
                std::optional<StoredText> name = Text(node.attribute(NameTag).value());
                if (!name) {
                    return Located(node.offset_debug(),
                                   QStringLiteral("a name holds what XML does not allow"));
                }
                pathCharacters += groups.back().prefix.size() +
                                  name->Visit([](auto text) { return text.size(); }) + 1;
                if (pathCharacters > MaxPathCharacters) {
                    return Located(node.offset_debug(),
                                   QStringLiteral("the file's groups nest deeper than any data "
                                                  "file's"));
                }
                if (group && !node.first_child().empty()) {
                    QString prefix = groups.back().prefix + name->ToString() + u'/';
                    const XmlValueStore::GroupId id = store.Group(prefix);
                    groups.push_back({std::move(prefix), id});
                    node = node.first_child();
                    continue;
                }
                if (!group) {
                    if (std::optional<QString> problem =
                            TakeValue(node, groups.back(), *std::move(name))) {
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

    // A name as XML reads it, nothing when XML does not allow it.
    static std::optional<StoredText> Text(std::string_view raw) {
        if (PlainAscii(raw, Context::Attribute)) {
            return StoredText::Plain(raw);
        }
        QString text;
        return AppendText(text, raw, Context::Attribute) ? std::optional<StoredText>(text)
                                                         : std::nullopt;
    }

    std::optional<QString> TakeValue(const pugi::xml_node& value, const OpenGroup& group,
                                     StoredText name) {
        const pugi::xml_node first = value.first_child();
        const bool single = !first.empty() && first.next_sibling().empty() &&
                            first.type() == pugi::node_pcdata &&
                            value.attribute(EncodingTag).empty();
        if (single && PlainAscii(first.value(), Context::Content)) {
            Take(group, std::move(name), StoredText::Plain(first.value()));
            return std::nullopt;
        }
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
        Take(group, std::move(name), std::move(text));
        return std::nullopt;
    }

    void Take(const OpenGroup& group, StoredText name, StoredText text) {
        // A name may itself hold a "/", which puts the value in a deeper
        // group than the element's.
        if (name.Visit([](auto view) { return view.contains(u'/'); })) {
            store.Append(group.prefix + name.ToString(), std::move(text));
        } else {
            store.Append(group.id, std::move(name), std::move(text));
        }
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
    pugi::xml_document& tree;
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
    mayRepeat = true;
    auto tree = std::make_shared<pugi::xml_document>();
    std::optional<QString> problem = ValueReader(document, *tree, *this).Read();
    if (problem) {
        Clear();
    } else {
        source = std::move(tree);
    }
    return problem;
}

std::optional<QString> XmlValueStore::Write() const {
    if (mayRepeat) {
        SettleAll();
    }
    TreeBuilder builder;
    for (const Entry& entry : entries) {
        if (!entry.folded) {
            builder.Enter(entry.group, groups[entry.group]);
            builder.Value(entry.name, entry.value);
        }
    }
    const std::optional<QByteArray> document = builder.Finish();
    if (!document) {
        return QStringLiteral("the data could not be written");
    }
    return WriteWholeFile(name, *document);
}

std::pair<QString, QString> XmlValueStore::Split(const QString& path) {
    const qsizetype cut = path.lastIndexOf(u'/') + 1;
    return {path.left(cut), path.mid(cut)};
}

XmlValueStore::GroupId XmlValueStore::Group(const QString& prefix) {
    const auto known = groupIds.constFind(prefix);
    if (known != groupIds.cend()) {
        return *known;
    }
    const GroupId id = groups.size();
    groups.push_back(prefix);
    settled.push_back(0);
    groupIds.insert(prefix, id);
    return id;
}

void XmlValueStore::Append(GroupId group, StoredText name, StoredText value) {
    entries.push_back({group, std::move(name), std::move(value)});
}

void XmlValueStore::Append(const QString& path, StoredText value) {
    auto [prefix, last] = Split(path);
    Append(Group(prefix), std::move(last), std::move(value));
}

void XmlValueStore::Settle(GroupId group) const {
    for (std::size_t i = settled[group]; i < entries.size(); ++i) {
        Entry& entry = entries[i];
        if (entry.group != group || entry.folded) {
            continue;
        }
        const qsizetype known = places.size();
        std::size_t& place = places[Place{group, entry.name.ToString()}];
        if (places.size() == known) {
            entries[place].value = std::move(entry.value);
            entry.folded = true;
        } else {
            place = i;
        }
    }
    settled[group] = entries.size();
}

void XmlValueStore::SettleAll() const {
    for (GroupId group = 0; group < groups.size(); ++group) {
        Settle(group);
    }
    mayRepeat = false;
}

std::optional<std::size_t> XmlValueStore::Find(const QString& path) const {
    const auto [prefix, last] = Split(path);
    const auto group = groupIds.constFind(prefix);
    if (group == groupIds.cend()) {
        return std::nullopt;
    }
    Settle(*group);
    const auto place = places.constFind(Place{*group, last});
    return place == places.cend() ? std::nullopt : std::optional<std::size_t>(*place);
}

QString XmlValueStore::GetValue(const QString& path) const {
    const std::optional<std::size_t> place = Find(path);
    return place ? entries[*place].value.ToString() : QString();
}

bool XmlValueStore::Holds(const QString& path) const {
    return Find(path).has_value();
}

bool XmlValueStore::SameValues(const XmlValueStore& other) const {
    const auto live = [](const XmlValueStore& store) {
        if (store.mayRepeat) {
            store.SettleAll();
        }
        std::vector<const Entry*> kept;
        kept.reserve(store.entries.size());
        for (const Entry& entry : store.entries) {
            if (!entry.folded) {
                kept.push_back(&entry);
            }
        }
        return kept;
    };
    const std::vector<const Entry*> mine = live(*this);
    const std::vector<const Entry*> theirs = live(other);
    return std::equal(mine.begin(), mine.end(), theirs.begin(), theirs.end(),
                      [this, &other](const Entry* one, const Entry* another) {
                          return groups[one->group] == other.groups[another->group] &&
                                 one->name == another->name && one->value == another->value;
                      });
}

void XmlValueStore::SetValue(const QString& path, const QString& value) {
    auto [prefix, last] = Split(path);
    const GroupId group = Group(prefix);
    Settle(group);
    // One lookup finds the path's place or makes room for it, which a new
    // path tells by growing the index.
    const qsizetype known = places.size();
    std::size_t& place = places[Place{group, last}];
    if (places.size() == known) {
        entries[place].value = value;
        return;
    }
    place = entries.size();
    entries.push_back({group, std::move(last), value});
    settled[group] = entries.size();
}

void XmlValueStore::Clear() {
    source.reset();
    groups.clear();
    groupIds.clear();
    entries.clear();
    places.clear();
    settled.clear();
    mayRepeat = false;
}

} // namespace stakewell::files
