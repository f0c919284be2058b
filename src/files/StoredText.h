#pragma once

#include <QString>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace stakewell::files {

// A text of the value store. Most texts of a data file are short ASCII
// numbers and names: such a text is kept as its bytes, made without a
// detour through UTF-16, and a file read leaves it where the file holds it,
// so that a survey's tens of thousands of texts cost no copy each. A text
// left in a file read is valid as long as the store that read it.
class StoredText {
public:
    StoredText() = default;
    StoredText(QString text) : text(std::move(text)) {} // NOLINT(google-explicit-constructor)
    // Bytes that are not all ASCII are taken as UTF-8.
    static StoredText Ascii(std::string bytes) {
        if (!IsAscii(bytes)) {
            return {QString::fromStdString(bytes)};
        }
        StoredText stored;
        stored.text = std::move(bytes);
        return stored;
    }
    // Left where it stands: ASCII that outlives the text.
    static StoredText Plain(std::string_view ascii) {
        StoredText stored;
        stored.text = ascii;
        return stored;
    }

    QString ToString() const {
        const auto* own = std::get_if<QString>(&text);
        return own != nullptr ? *own : QString(Latin1());
    }
    bool IsEmpty() const {
        const auto* own = std::get_if<QString>(&text);
        return own != nullptr ? own->isEmpty() : Bytes().empty();
    }
    // The bytes of an ASCII text; nothing for another.
    std::optional<std::string_view> AsciiBytes() const {
        if (std::holds_alternative<QString>(text)) {
            return std::nullopt;
        }
        return Bytes();
    }

    // Calls `use` with the text as a QLatin1String or a QStringView, which
    // read alike.
    template <typename Use> decltype(auto) Visit(Use use) const {
        const auto* own = std::get_if<QString>(&text);
        return own != nullptr ? use(QStringView(*own)) : use(Latin1());
    }

    // The bytes a number is read from: ASCII as it is, and any other
    // character as one byte that cannot belong to a number. Other than ASCII
    // text goes through `buffer`.
    std::string_view NumberBytes(std::string& buffer) const {
        const auto* own = std::get_if<QString>(&text);
        if (own == nullptr) {
            return Bytes();
        }
        buffer.resize(static_cast<std::size_t>(own->size()));
        std::transform(own->begin(), own->end(), buffer.begin(), [](QChar c) {
            return c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '\x80';
        });
        return buffer;
    }

    friend bool operator==(const StoredText& one, const StoredText& another) {
        return one.Visit([&another](auto mine) {
            return another.Visit([mine](auto theirs) { return mine == theirs; });
        });
    }

private:
    static bool IsAscii(std::string_view bytes) {
        return std::all_of(bytes.begin(), bytes.end(),
                           [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    }

    std::string_view Bytes() const {
        const auto* own = std::get_if<std::string>(&text);
        return own != nullptr ? std::string_view(*own) : std::get<std::string_view>(text);
    }

    QLatin1String Latin1() const {
        const std::string_view bytes = Bytes();
        return {bytes.data(), static_cast<qsizetype>(bytes.size())};
    }

    std::variant<QString, std::string, std::string_view> text;
};

} // namespace stakewell::files
